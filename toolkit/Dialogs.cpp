#include "Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace halvo {

namespace {
// The title of the program's own message boxes.
QString boxTitle() {
    return QCoreApplication::translate("halvo::QtDialogs", "Halvo Shutdown");
}
} // namespace

// Ending the program when none is set keeps a window test that forgot its recorder from waiting in a real
// message box.
Dialogs& dialogs() {
    return CurrentService<Dialogs>::get("halvo: no dialogs service has been set");
}

Dialogs* setDialogs(Dialogs* service) {
    return CurrentService<Dialogs>::set(service);
}

void QtDialogs::Message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtDialogs::Error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, boxTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtDialogs::Notice(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, boxTitle(), text, QMessageBox::Ok);
    box->setObjectName("NoticeBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

int QtDialogs::Question(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Ok ? 1 : 2;
}

int QtDialogs::RunModal(QDialog& dialog) {
    // A result of the dialog's own beyond OK (the reminder's "Postpone 10 min") is handed on as it is.
    const int result = dialog.exec();
    return result >= 1 ? result : 2;
}

QString QtDialogs::OpenFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent);
}

} // namespace halvo
