#pragma once

// The user-interface services of the model, in Qt: the message box goes through the Dialogs service, the
// notification popup is a SlidingPopup created the first time it is shown.

#include "SlidingPopup.h"
#include "platform/UiServices.h"

#include <QPointer>

namespace halvo {

class QtNotificationPopup final : public NotificationPopup {
public:
    QtNotificationPopup() = default;
    // A popup still on the screen finishes its slide and then goes.
    ~QtNotificationPopup() override;

    void SetMessageText(const std::string& text) override;
    std::string MessageText() const override { return m_text; }
    void SetTitle(const std::string& title) override;
    std::string Title() const override { return m_title; }
    void Show() override;

    // The window, once Show() has created it; null before.
    SlidingPopup* window() const { return m_window; }

private:
    std::string m_text;
    std::string m_title;
    QPointer<SlidingPopup> m_window;
};

class QtUiServices final : public UiServices {
public:
    void ShowMessage(const std::string& text) override;
    std::unique_ptr<NotificationPopup> CreateNotificationPopup() override;
};

} // namespace halvo
