#pragma once

// The countdown bar: a strip a few pixels high along the screen's top or bottom edge while an After or At
// action is armed, as wide as the part of the wait still to come, red in the last minute, gone when nothing
// is armed. It never takes the focus and never a click: the pointer and the clicks go through it to the
// windows below. Since it cannot be hovered, it looks where the pointer is as it counts and shows what will
// run and when while the pointer lies on it.
//
// A Wayland compositor does not let a program place such a window, so without an X server it is not shown.

#include <QColor>
#include <QString>
#include <QWidget>

class QTimer;

namespace halvo {

class Planner;
class Settings;

class CountdownBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 5;
    // How often the bar shrinks and looks where the pointer is, while it shows.
    static constexpr int TickMs = 500;
    static constexpr long long LastMinuteMs = 60000;
    static inline const QColor Colour{0x2e, 0x86, 0xde};
    static inline const QColor LastMinuteColour{0xd9, 0x2b, 0x2b};

    CountdownBar(Planner& planner, const Settings& settings);

    // Whether the desktop lets the program place the bar (not a Wayland session without an X server).
    static bool Supported();

    // One look: shown or hidden, where, how wide, its colour, and the tooltip while the pointer is on it.
    void Refresh();
    // What the bar counts down to: "Halvo Shutdown: lock the computer at 22:30:00 (in 2 min)".
    QString ToolTipText() const;
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void hideBar();

    Planner& m_planner;
    const Settings& m_settings;
    QTimer* m_timer;
    int m_entryId = 0;       // the armed action the bar counts down
    long long m_totalMs = 0; // its whole wait, the full width
    QColor m_colour = Colour;
    bool m_tipShown = false;
};

} // namespace halvo
