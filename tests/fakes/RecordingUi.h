#pragma once

// Recording doubles of the user-interface services: the messages shown, and every popup with what was
// set on it and how often it was shown.

#include "platform/UiServices.h"

#include <memory>
#include <string>
#include <vector>

namespace halvo {

struct PopupRecord {
    std::string messageText;
    std::string title;
    int shown = 0;
    bool destroyed = false;
    std::vector<std::string> shownTexts; // the message text at each showing
};

class RecordingUi : public UiServices {
public:
    std::vector<std::string> messages;
    std::vector<std::shared_ptr<PopupRecord>> popups; // in creation order

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::unique_ptr<NotificationPopup> CreateNotificationPopup() override;
};

} // namespace halvo
