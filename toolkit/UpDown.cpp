#include "UpDown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace halvo {

UpDown::UpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent)
    : QWidget(parent), m_associate(associate), m_up(new QToolButton(this)), m_down(new QToolButton(this)),
      m_min(min), m_max(max), m_position(std::clamp(position, min, max)) {
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, 11);
        button->setIconSize(QSize(7, 5));
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFixedWidth(16);

    connect(m_up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    m_associate->installEventFilter(this);
    setEnabled(m_associate->isEnabled());
}

void UpDown::step(int delta) {
    bool ok = false;
    const int typed = m_associate->text().trimmed().toInt(&ok);
    const int from = ok ? std::clamp(typed, m_min, m_max) : m_position;
    m_position = std::clamp(from + delta, m_min, m_max);
    m_associate->setText(QString::number(m_position));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_associate) {
        if (event->type() == QEvent::EnabledChange) {
            setEnabled(m_associate->isEnabled());
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                step(key == Qt::Key_Up ? +1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace halvo
