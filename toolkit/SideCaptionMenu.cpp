#include "SideCaptionMenu.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace halvo {

SideCaptionMenu::SideCaptionMenu(const QString& caption, QWidget* parent)
    : QMenu(parent), m_caption(caption) {
    // The items start to the right of the bar.
    QMargins margins = contentsMargins();
    margins.setLeft(margins.left() + BarWidth);
    setContentsMargins(margins);
}

QFont SideCaptionMenu::captionFont() const {
    QFont font("Arial");
    font.setPixelSize(19);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QColor SideCaptionMenu::bandColor(int step) {
    step = std::clamp(step, 0, GradientSteps - 1);
    return QColor(0, 0, step * 255 / (GradientSteps - 1));
}

QRect SideCaptionMenu::barRect() const {
    const int frame = style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this);
    return QRect(frame, frame, BarWidth, height() - 2 * frame);
}

void SideCaptionMenu::paintEvent(QPaintEvent* event) {
    QMenu::paintEvent(event);
    const QRect bar = barRect();
    if (!event->rect().intersects(bar) || bar.height() <= 0)
        return;

    QPainter p(this);
    p.setClipRect(bar);
    // Banded rather than smooth: each band is one of the 64 steps, spread over the bar's height.
    for (int step = 0; step < GradientSteps; ++step) {
        const int top = bar.top() + bar.height() * step / GradientSteps;
        const int bottom = bar.top() + bar.height() * (step + 1) / GradientSteps;
        p.fillRect(QRect(bar.left(), top, bar.width(), bottom - top), bandColor(step));
    }

    // Reading upwards from the bottom edge.
    p.setFont(captionFont());
    p.setPen(Qt::white);
    p.translate(bar.left(), bar.bottom() + 1);
    p.rotate(-90);
    const QRect text(6, 0, bar.height() - 6, bar.width());
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

} // namespace halvo
