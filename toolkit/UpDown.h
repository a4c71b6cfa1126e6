#pragma once

// The up-down spinner beside an edit: its arrows (and the arrow keys in the edit) step the number in the
// edit within Min and Max. It only writes numbers it stepped to; whatever is typed into the edit stays as
// typed, for the page to check when it uses it. It is enabled exactly when its edit is.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace halvo {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent = nullptr);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    QLineEdit* associate() const { return m_associate; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    // One step up (+1) or down (-1) from the number in the edit, or from the last position when the edit
    // holds no number; the result stays within Min and Max and is written into the edit.
    void step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_associate;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min;
    int m_max;
    int m_position;
};

} // namespace halvo
