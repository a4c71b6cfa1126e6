#include "tests/fakes/RecordingUi.h"

namespace halvo {

namespace {

class RecordingPopup final : public NotificationPopup {
public:
    explicit RecordingPopup(std::shared_ptr<PopupRecord> record) : m_record(std::move(record)) {}
    ~RecordingPopup() override { m_record->destroyed = true; }
    void SetMessageText(const std::string& text) override { m_record->messageText = text; }
    std::string MessageText() const override { return m_record->messageText; }
    void SetTitle(const std::string& title) override { m_record->title = title; }
    std::string Title() const override { return m_record->title; }
    void Show() override {
        ++m_record->shown;
        m_record->shownTexts.push_back(m_record->messageText);
    }

private:
    std::shared_ptr<PopupRecord> m_record;
};

} // namespace

std::unique_ptr<NotificationPopup> RecordingUi::CreateNotificationPopup() {
    auto record = std::make_shared<PopupRecord>();
    popups.push_back(record);
    return std::make_unique<RecordingPopup>(record);
}

} // namespace halvo
