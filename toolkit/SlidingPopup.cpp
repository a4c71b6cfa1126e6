#include "SlidingPopup.h"

#include "AppIcon.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>
#include <QVBoxLayout>

namespace halvo {

namespace {
bool placedPastWindowManager = false;
}

void SlidingPopup::setPlacedPastWindowManager(bool past) {
    placedPastWindowManager = past;
}

SlidingPopup::SlidingPopup(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus |
                          (placedPastWindowManager ? Qt::X11BypassWindowManagerHint : Qt::Widget)),
      m_caption(new QLabel(this)), m_body(new QLabel(this)),
      m_slide(new QPropertyAnimation(this, "pos", this)) {
    setObjectName("SlidingPopup");
    // A window manager lists it by this title; the user never sees it.
    setWindowTitle(tr("Halvo Shutdown notification"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(renderAppIcon(16)));
    m_caption->setObjectName("caption");
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_caption->setStyleSheet("color: white;");
    m_body->setObjectName("body");
    m_body->setWordWrap(true);
    m_body->setTextFormat(Qt::PlainText);
    m_body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_body->setStyleSheet("color: #10204a;");

    auto* head = new QHBoxLayout;
    head->setContentsMargins(8, 5, 8, 5);
    head->addWidget(icon);
    head->addWidget(m_caption, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(head);
    auto* bodyBox = new QVBoxLayout;
    bodyBox->setContentsMargins(12, 10, 12, 12);
    bodyBox->addWidget(m_body, 1);
    layout->addLayout(bodyBox, 1);

    setTitle(QString());
    setFixedWidth(Width);

    m_stay.setSingleShot(true);
    m_stay.setTimerType(Qt::PreciseTimer);
    connect(&m_stay, &QTimer::timeout, this, &SlidingPopup::slideOut);
    m_slide->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_slide, &QPropertyAnimation::finished, this, &SlidingPopup::slideFinished);
}

void SlidingPopup::setTitle(const QString& title) {
    m_title = title;
    // Without a title of its own the popup still says whose it is.
    m_caption->setText(title.isEmpty() ? tr("Halvo Shutdown") : title);
}

void SlidingPopup::setMessageText(const QString& text) {
    m_text = text;
    m_body->setText(shownText());
}

QString SlidingPopup::shownText() const {
    QString shown = m_text;
    shown.replace("\r\n", "\n");
    while (shown.endsWith('\n'))
        shown.chop(1);
    return shown;
}

void SlidingPopup::setDurations(int slideMs, int stayMs) {
    m_slideMs = slideMs;
    m_stayMs = stayMs;
}

QRect SlidingPopup::workArea() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QPoint SlidingPopup::restingPosition() const {
    const QRect area = workArea();
    return QPoint(area.right() + 1 - width() - Margin, area.bottom() + 1 - height() - Margin);
}

QPoint SlidingPopup::hiddenPosition() const {
    const QRect area = workArea();
    return QPoint(area.right() + 1 - width() - Margin, area.bottom() + 1);
}

void SlidingPopup::popUp() {
    adjustSize();
    setFixedHeight(std::max(110, sizeHint().height()));
    // The stay counts from the moment the popup (re)appears.
    m_stay.start(m_stayMs);
    switch (m_phase) {
    case Phase::Hidden:
        move(hiddenPosition());
        show();
        raise();
        slideTo(restingPosition(), Phase::SlidingIn);
        break;
    case Phase::SlidingOut:
        slideTo(restingPosition(), Phase::SlidingIn);
        break;
    case Phase::SlidingIn:
    case Phase::Staying:
        // The height may have changed with the text: keep the bottom edge where it belongs.
        if (m_phase == Phase::Staying)
            move(restingPosition());
        else
            m_slide->setEndValue(restingPosition());
        raise();
        break;
    }
}

void SlidingPopup::slideTo(const QPoint& target, Phase phase) {
    m_slide->stop();
    m_slide->setStartValue(pos());
    m_slide->setEndValue(target);
    // A slide that starts part of the way takes its share of the time.
    const int full = std::max(1, hiddenPosition().y() - restingPosition().y());
    const int distance = std::abs(target.y() - pos().y());
    m_slide->setDuration(std::max(1, m_slideMs * std::min(distance, full) / full));
    setPhase(phase);
    m_slide->start();
}

void SlidingPopup::slideOut() {
    if (m_phase == Phase::Hidden || m_phase == Phase::SlidingOut)
        return;
    m_stay.stop();
    slideTo(hiddenPosition(), Phase::SlidingOut);
}

void SlidingPopup::slideFinished() {
    if (m_phase == Phase::SlidingIn) {
        setPhase(Phase::Staying);
        // A stay shorter than the slide is already over.
        if (!m_stay.isActive())
            slideOut();
    } else if (m_phase == Phase::SlidingOut) {
        hide();
        setPhase(Phase::Hidden);
    }
}

void SlidingPopup::setPhase(Phase phase) {
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged(phase);
}

void SlidingPopup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Square corners: without a compositor anything outside a rounded outline would show black.
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRect(box);

    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0.0, QColor(0xf4, 0xf8, 0xff));
    body.setColorAt(1.0, QColor(0xd4, 0xe2, 0xfb));
    p.fillPath(outline, body);

    // The caption strip in the colours of the tray menu's bar.
    const qreal headHeight = m_caption->geometry().bottom() + 6;
    QPainterPath head;
    head.addRect(QRectF(box.left(), box.top(), box.width(), headHeight));
    QLinearGradient strip(box.topLeft(), box.topRight());
    strip.setColorAt(0.0, QColor(0, 0, 0));
    strip.setColorAt(1.0, QColor(0, 0, 255));
    p.fillPath(outline.intersected(head), strip);

    p.setPen(QPen(QColor(0x0b, 0x2a, 0x80), 1));
    p.drawPath(outline);
}

void SlidingPopup::mousePressEvent(QMouseEvent*) {
    slideOut();
}

} // namespace halvo
