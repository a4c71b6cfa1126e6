#include "QtUiServices.h"

#include "Dialogs.h"
#include "SlidingPopup.h"

namespace halvo {

QtNotificationPopup::~QtNotificationPopup() {
    if (!m_window)
        return;
    if (m_window->phase() == SlidingPopup::Phase::Hidden) {
        delete m_window;
        return;
    }
    SlidingPopup* window = m_window;
    QObject::connect(window, &SlidingPopup::phaseChanged, window, [window](SlidingPopup::Phase phase) {
        if (phase == SlidingPopup::Phase::Hidden)
            window->deleteLater();
    });
}

void QtNotificationPopup::SetMessageText(const std::string& text) {
    m_text = text;
    if (m_window)
        m_window->setMessageText(QString::fromStdString(text));
}

void QtNotificationPopup::SetTitle(const std::string& title) {
    m_title = title;
    if (m_window)
        m_window->setTitle(QString::fromStdString(title));
}

void QtNotificationPopup::Show() {
    // Created at the first showing: a schedule full of message tasks costs no windows until one fires.
    if (!m_window)
        m_window = new SlidingPopup;
    m_window->setTitle(QString::fromStdString(m_title));
    m_window->setMessageText(QString::fromStdString(m_text));
    m_window->popUp();
}

void QtUiServices::ShowMessage(const std::string& text) {
    dialogs().Message(QString::fromStdString(text));
}

std::unique_ptr<NotificationPopup> QtUiServices::CreateNotificationPopup() {
    return std::make_unique<QtNotificationPopup>();
}

} // namespace halvo
