#pragma once

// The Dialogs service for tests: records every text and answers from a script. RunModal hands the dialog
// to the next scripted handler (which may click its buttons or set its result) and returns the result
// that the dialog then holds; with no handler left it answers Cancel.

#include "toolkit/Dialogs.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

namespace halvo {

class RecordingDialogs final : public Dialogs {
public:
    QStringList messages;      // plain messages, in order
    QStringList errors;        // error boxes, in order
    QStringList notices;       // messages that stay without waiting, in order
    QStringList questions;     // "title|text", in order
    std::deque<int> answers;   // next Question answers (1 OK, 2 Cancel); OK when empty
    std::deque<QString> files; // next OpenFile answers; empty text (cancelled) when none
    // Next RunModal handlers; each gets the dialog and returns the result to hand back (1, 2 or 3).
    std::deque<std::function<int(QDialog&)>> modalHandlers;
    QList<QDialog*> modalDialogs; // every dialog run, in order (valid only inside the handler)

    void Message(const QString& text) override { messages << text; }
    void Error(const QString& text) override { errors << text; }
    void Notice(const QString& text) override { notices << text; }
    int Question(const QString& text, const QString& title) override {
        questions << title + "|" + text;
        if (answers.empty())
            return 1;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    int RunModal(QDialog& dialog) override {
        modalDialogs << &dialog;
        if (modalHandlers.empty())
            return 2;
        auto handler = std::move(modalHandlers.front());
        modalHandlers.pop_front();
        const int result = handler(dialog);
        return result == 1 || result == 3 ? result : 2;
    }
    QString OpenFile(QWidget*) override {
        if (files.empty())
            return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace halvo
