#pragma once

// Every modal interaction of the windows goes through this service: plain messages, error boxes, the
// OK/Cancel question, running a dialog modally and picking a file. The application installs the Qt
// implementation; tests install RecordingDialogs, which records the texts and answers from a script,
// so no test ever waits in a modal loop.

#include "platform/CurrentService.h"

#include <QString>

class QDialog;
class QWidget;

namespace halvo {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain message box with an OK button.
    virtual void Message(const QString& text) = 0;
    // The error box that shows a fault's text.
    virtual void Error(const QString& text) = 0;
    // A message that does not wait for an answer: it stays on the screen until the user closes it while
    // the program goes on (for what must not be missed but must not hold anything up either).
    virtual void Notice(const QString& text) = 0;
    // A question with OK and Cancel; returns 1 for OK, 2 for anything else.
    virtual int Question(const QString& text, const QString& title) = 0;
    // Shows dialog modally and returns its result: 1 (OK), 2 (Cancel, also for the close box), or a result
    // of the dialog's own above 2.
    virtual int RunModal(QDialog& dialog) = 0;
    // A file-open dialog without filter or title; the chosen file's full path, or empty.
    virtual QString OpenFile(QWidget* parent) = 0;
};

// The process-wide service, set once in main() (nullptr unsets it); tests swap it with ScopedDialogs.
// Asking for it while none is set ends the program with a message, as platform() and ui() do. setDialogs
// returns the one it replaces.
Dialogs& dialogs();
Dialogs* setDialogs(Dialogs* service);
using ScopedDialogs = CurrentService<Dialogs>::Scoped;

// The real one: Qt message boxes, QDialog::exec and QFileDialog.
class QtDialogs final : public Dialogs {
public:
    void Message(const QString& text) override;
    void Error(const QString& text) override;
    void Notice(const QString& text) override;
    int Question(const QString& text, const QString& title) override;
    int RunModal(QDialog& dialog) override;
    QString OpenFile(QWidget* parent) override;
};

} // namespace halvo
