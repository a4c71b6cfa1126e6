#include "RadioSelection.h"

#include <QRadioButton>

namespace halvo {

void runWhenSelected(QRadioButton* button, QObject* context, std::function<void()> handler) {
    QObject::connect(button, &QRadioButton::toggled, context, [handler = std::move(handler)](bool on) {
        if (on)
            handler();
    });
}

} // namespace halvo
