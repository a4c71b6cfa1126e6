#include "UiServices.h"

namespace halvo {

namespace {

// Used where nothing was set (command-line tools, fuzzers): says nothing, shows nothing.
class SilentPopup final : public NotificationPopup {
public:
    void SetMessageText(const std::string& text) override { m_text = text; }
    std::string MessageText() const override { return m_text; }
    void SetTitle(const std::string& title) override { m_title = title; }
    std::string Title() const override { return m_title; }
    void Show() override {}

private:
    std::string m_text;
    std::string m_title;
};

class SilentUi final : public UiServices {
public:
    void ShowMessage(const std::string&) override {}
    std::unique_ptr<NotificationPopup> CreateNotificationPopup() override {
        return std::make_unique<SilentPopup>();
    }
};

SilentUi silentUi;
UiServices* currentUi = &silentUi;

} // namespace

UiServices& ui() {
    return *currentUi;
}

void setUi(UiServices* services) {
    currentUi = services ? services : &silentUi;
}

ScopedUi::ScopedUi(UiServices& replacement) : m_previous(currentUi) {
    currentUi = &replacement;
}

ScopedUi::~ScopedUi() {
    currentUi = m_previous;
}

} // namespace halvo
