#pragma once

// The notification popup: a frameless window at the bottom right of the work area that takes no focus,
// slides in, stays a while counted from the moment it appeared, and slides out by itself. Showing it
// again while it is up replaces the text and starts the stay afresh. A click sends it away at once.

#include <QElapsedTimer>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPropertyAnimation;

namespace halvo {

class SlidingPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultSlideMs = 400;
    static constexpr int DefaultStayMs = 2000;
    static constexpr int Width = 250;
    static constexpr int Margin = 4;

    enum class Phase { Hidden, SlidingIn, Staying, SlidingOut };

    explicit SlidingPopup(QWidget* parent = nullptr);

    // Whether popups made from now on place themselves past the window manager: on the X server of a
    // Wayland desktop, whose compositor puts a managed window where it likes (sway: in the middle).
    static void setPlacedPastWindowManager(bool past);

    void setTitle(const QString& title);
    QString title() const { return m_title; }
    // The text as given; line breaks (CR LF or LF) start new lines and trailing ones are not shown.
    void setMessageText(const QString& text);
    QString messageText() const { return m_text; }
    QString shownText() const;

    // Shows the popup, or, when it is up already, shows the current text and starts the stay again.
    void popUp();

    void setDurations(int slideMs, int stayMs);
    Phase phase() const { return m_phase; }
    // Where the popup rests once it has slid in, and where it starts from, below the work area.
    QPoint restingPosition() const;
    QPoint hiddenPosition() const;

signals:
    void phaseChanged(halvo::SlidingPopup::Phase phase);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setPhase(Phase phase);
    void slideTo(const QPoint& target, Phase phase);
    void slideOut();
    void slideFinished();
    QRect workArea() const;

    QString m_title;
    QString m_text;
    QLabel* m_caption;
    QLabel* m_body;
    QPropertyAnimation* m_slide;
    QTimer m_stay;
    int m_slideMs = DefaultSlideMs;
    int m_stayMs = DefaultStayMs;
    Phase m_phase = Phase::Hidden;
};

} // namespace halvo
