#include "FlatButton.h"

#include <QFont>
#include <QString>
#include <QToolButton>

namespace halvo {

QToolButton* makeFlatButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setAutoRaise(true);
    return button;
}

QToolButton* makeBoldFlatButton(QWidget* parent, const char* name, const QString& caption) {
    QToolButton* button = makeFlatButton(parent, name, caption);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

} // namespace halvo
