#pragma once

// A popup menu with a vertical caption along its left edge: white bold italic text reading upwards on a
// bar shaded in 64 bands from black at the top to blue at the bottom.

#include <QColor>
#include <QMenu>

namespace halvo {

class SideCaptionMenu : public QMenu {
    Q_OBJECT
public:
    static constexpr int BarWidth = 26;
    static constexpr int GradientSteps = 64;

    explicit SideCaptionMenu(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    QFont captionFont() const;
    // The colour of band step (0 at the top, GradientSteps - 1 at the bottom).
    static QColor bandColor(int step);
    // The bar's rectangle inside the menu.
    QRect barRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

} // namespace halvo
