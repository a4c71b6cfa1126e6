#include "CountdownBar.h"

#include "core/Planner.h"
#include "core/Settings.h"
#include "model/Agenda.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace halvo {

CountdownBar::CountdownBar(Planner& planner, const Settings& settings)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput |
                           Qt::X11BypassWindowManagerHint),
      m_planner(planner), m_settings(settings) {
    setObjectName("CountdownBar");
    setWindowTitle(tr("Halvo Shutdown countdown"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_timer = new QTimer(this);
    m_timer->setObjectName("BarTimer");
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &CountdownBar::Refresh);
    connect(&m_planner, &Planner::changed, this, &CountdownBar::Refresh);
    connect(&m_settings, &Settings::changed, this, &CountdownBar::Refresh);
    Refresh();
}

bool CountdownBar::Supported() {
    return QGuiApplication::platformName() != "wayland";
}

void CountdownBar::hideBar() {
    m_timer->stop();
    m_entryId = 0;
    if (m_tipShown) {
        QToolTip::hideText();
        m_tipShown = false;
    }
    hide();
}

void CountdownBar::Refresh() {
    const AppSettings::Bar edge = m_settings.values().CountdownBar;
    const AgendaEntry* entry = m_planner.agenda().General();
    QScreen* screen = QGuiApplication::primaryScreen();
    // An action in its reminder is counted down there.
    if (edge == AppSettings::Bar::None || !Supported() || !screen || !entry || !entry->timing ||
        entry->isConditional() || entry->state == ActionState::Reminding)
        return hideBar();
    const AgendaClock now = ReadAgendaClock();
    const long long remainingMs =
        entry->dueElapsedMs ? *entry->dueElapsedMs - now.elapsedMs : entry->dueWall * 1000LL - now.wallMs();
    if (remainingMs <= 0)
        return hideBar();
    if (entry->id != m_entryId) {
        // An At action was armed when the bar first saw it: it starts full from there.
        m_entryId = entry->id;
        m_totalMs =
            entry->timing->mode == GeneralTiming::Mode::After ? entry->timing->seconds * 1000LL : remainingMs;
    }
    const double left = std::clamp(double(remainingMs) / double(std::max(m_totalMs, 1LL)), 0.0, 1.0);
    const QRect area = screen->geometry();
    const int width = std::max(2, int(std::lround(area.width() * left)));
    const int top = edge == AppSettings::Bar::Top ? area.top() : area.bottom() - BarHeight + 1;
    const QRect place(area.left(), top, width, BarHeight);
    const QColor colour = remainingMs <= LastMinuteMs ? LastMinuteColour : Colour;
    if (geometry() != place)
        setGeometry(place);
    if (colour != m_colour) {
        m_colour = colour;
        update();
    }
    if (!isVisible())
        show();
    // Kept above the windows that came after it; the window manager does not stack it.
    raise();
    if (!m_timer->isActive())
        m_timer->start();

    // The pointer within a few pixels of the edge counts as on the bar.
    const QPoint pointer = QCursor::pos();
    if (place.adjusted(0, -3, 0, 3).contains(pointer)) {
        QToolTip::showText(pointer + QPoint(0, edge == AppSettings::Bar::Top ? 12 : -28), ToolTipText());
        m_tipShown = true;
    } else if (m_tipShown) {
        QToolTip::hideText();
        m_tipShown = false;
    }
}

QString CountdownBar::ToolTipText() const {
    const AgendaClock clock = ReadAgendaClock();
    for (const UpcomingEntry& entry : m_planner.agenda().Upcoming(clock))
        if (entry.source == ActionSource::GeneralPage || entry.source == ActionSource::CommandLine)
            return tr("Halvo Shutdown: %1").arg(QString::fromStdString(PendingText(entry, {}, clock.wall)));
    return {};
}

void CountdownBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}

} // namespace halvo
