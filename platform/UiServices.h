#pragma once

// The user-interface services the model needs: a plain message box and the sliding notification popup of
// the message task. The application fills them with the Qt implementations of toolkit/; tests fill them
// with recorders. No Qt here, so the model stays portable.

#include "CurrentService.h"

#include <memory>
#include <string>

namespace halvo {

class NotificationPopup {
public:
    virtual ~NotificationPopup() = default;
    virtual void SetMessageText(const std::string& text) = 0;
    virtual std::string MessageText() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string Title() const = 0;
    // Shows the popup without taking the focus and returns at once; it disappears by itself.
    virtual void Show() = 0;
};

class UiServices {
public:
    virtual ~UiServices() = default;
    // A plain message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual std::unique_ptr<NotificationPopup> CreateNotificationPopup() = 0;
};

// The process-wide services, set once in main() (nullptr unsets them); tests swap them with ScopedUi.
// Asking for them while none are set ends the program with a message, as platform() does.
UiServices& ui();
void setUi(UiServices* services);
using ScopedUi = CurrentService<UiServices>::Scoped;

} // namespace halvo
