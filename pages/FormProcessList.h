#pragma once

// The window picker: one row per running program that could be closed, under the title of one of its
// windows, with its process id. The "Close program" task of the schedule wizard takes its choice.

#include <QDialog>

#include <QList>
#include <QStringList>

#include <cstdint>
#include <string>

class QLabel;
class QTreeWidget;
class QToolButton;

namespace halvo {

class TFormProcessList : public QDialog {
    Q_OBJECT
public:
    // FormCreate: fills the list once; it is not refreshed while the dialog is open.
    explicit TFormProcessList(QWidget* parent = nullptr);

    QTreeWidget* ListView1;
    QToolButton* SpeedButton1; // "OK"
    QToolButton* SpeedButton2; // "Cancel"
    // Why the list may miss programs (a desktop that lists no windows to others); hidden when it misses none.
    QLabel* Label_Notice;

    // Handed over only by OK with a row selected.
    std::uint32_t SelectedProcessId = 0;
    std::string SelectedWindowText;

    void FormCreate();
    void FillWindowList();
    void SpeedButton1Click();
    void SpeedButton2Click();

    // The result is 1 (OK) or 2 (Cancel); the close box and Escape give 2.
    void done(int result) override;
};

} // namespace halvo
