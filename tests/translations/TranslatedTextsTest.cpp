// The program in the user's language: run with LANG set to a language it has (ctest runs it for German and
// for Chinese), it loads that translation from what is embedded in it, and the tray menu, the reminder,
// --help and a command-line error read as the .ts file says. The texts are taken from the .ts file, so the
// test holds whatever the translators write; it fails while they are not written.

#include "app/FormCtrl.h"
#include "app/QuickActionsDialog.h"
#include "app/Translations.h"
#include "app/TrayMenu.h"
#include "model/Tasks.h"
#include "pages/FormExecuteTip.h"
#include "pages/FormSchWizard.h"
#include "pages/PasswordDialog.h"
#include "platform/Translate.h"
#include "tests/helpers/ProgramUnderTest.h"
#include "tests/helpers/TestPaths.h"
#include "tests/translations/TsFile.h"
#include "toolkit/SideCaptionMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QtTest>

using namespace halvo;

namespace {

QString language() {
    return qEnvironmentVariable("HALVO_TEST_LANGUAGE");
}

const QList<TsMessage>& messages() {
    static const QList<TsMessage> read =
        ReadTsFile(QStringLiteral("%1/halvo_%2.ts").arg(TestPath("HALVO_TRANSLATIONS_DIR")).arg(language()));
    return read;
}

// The translation the .ts file holds for source; the test stops when there is none, or when it is the
// English text itself (then nothing would show that the language changed).
QString translated(const char* context, const char* source) {
    const QString text =
        FinishedTranslation(messages(), QString::fromLatin1(context), QString::fromUtf8(source));
    if (text.isEmpty() || text == QString::fromUtf8(source))
        qWarning("%s: no translation of %s: \"%s\"", qPrintable(language()), context, source);
    return text;
}

// The real program with the test's environment (LANG and all), its exit code, stdout and stderr.
struct Run {
    int exitCode = -1;
    QString out, err;
};
Run runProgram(const QStringList& arguments) {
    QProcess program;
    program.start(QString::fromLocal8Bit(TestPath("HALVO_PROGRAM")), arguments);
    Run run;
    if (!program.waitForFinished(20000))
        return run;
    run.exitCode = program.exitCode();
    // A Windows console writes its line breaks as CR LF.
    run.out = QString::fromUtf8(program.readAllStandardOutput())
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    run.err = QString::fromUtf8(program.readAllStandardError())
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return run;
}

} // namespace

class TranslatedTextsTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheSystemLanguage() {
        QVERIFY2(!messages().isEmpty(), "the .ts file of the test's language cannot be read");
        QCOMPARE(LoadedLanguage(), language());
    }

    void trayMenu() {
        WindowTestWorld<> world;
        EngineParts parts;
        TFormCtrl window(parts.core);
        const TrayMenu& tray = *window.Tray;
        QStringList shown, expected;
        for (const TaskKind* kind : TrayKinds())
            expected << translated("Tasks", kind->TrayCaption);
        expected << translated("halvo::TrayMenu", "Setting") << translated("halvo::TrayMenu", "Exit")
                 << translated("halvo::TrayMenu", "About...");
        for (const QAction* action : tray.PopupMenu1->actions())
            if (!action->isSeparator() && action->isVisible())
                shown << action->text();
        QCOMPARE(shown, expected);
        QCOMPARE(tray.CancelPostponed1->text(), translated("halvo::TrayMenu", "Cancel postponed action"));
    }

    // The reminder as the engine opens it for "poweroff": its texts, its countdown and the task's name.
    void reminder() {
        WindowTestWorld<> world;
        ExecuteTipReminders reminders;
        const auto open = reminders.Open({ShownTaskName(*TaskFromCode(2)), {}}, {});
        QCOMPARE(reminders.openWindows().size(), std::size_t(1));
        TFormExecuteTip& tip = *reminders.openWindows().front();
        QCOMPARE(tip.Label1->text(),
                 translated("halvo::TFormExecuteTip",
                            "the shutdown to will make your computer to do this action \nafter 1 minute :"));
        QCOMPARE(tip.Label2->text(), translated("Tasks", "turn off the computer"));
        QCOMPARE(tip.Button2->text(), translated("halvo::TFormExecuteTip", "Execute It!"));
        QCOMPARE(tip.Button3->text(), translated("halvo::TFormExecuteTip", "Postpone %1 min").arg(10));
        tip.Timer1Timer();
        QCOMPARE(tip.Button1->text(), translated("halvo::TFormExecuteTip", "Cancel(%1)").arg(60));
    }

    // The weekly days read in the language, while the schedule keeps the English day, as a schedule made in
    // another language does.
    void scheduleWizardDays() {
        WindowTestWorld<> world;
        TScheduleItem item;
        TFormSchWizard w;
        w.SetScheduleItem(&item);
        w.SetIsNew(true);
        w.show();
        const char* const days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                    "Thursday", "Friday", "Saturday"};
        QStringList expected, shown;
        for (const char* day : days)
            expected << translated("FormSchWizard", day);
        for (int i = 0; i < w.ComboBox2->count(); ++i)
            shown << w.ComboBox2->itemText(i);
        QCOMPARE(shown, expected);
        w.SetActivePage(TFormSchWizard::TimePage);
        w.RadioButton3->click();
        w.ComboBox2->setEditText(expected[5]);
        w.SpeedButton2->click();
        QCOMPARE(item.TimeRule.Day, 6);
        QVERIFY2(QString::fromStdString(item.TimeRule.DisplayText).endsWith(u":EveryWeek:Friday"),
                 item.TimeRule.DisplayText.c_str());
    }

    // Every label and button of the main window's pages, the schedule wizard's pages and the reminder shows
    // its whole text in the language: none wider than the control that holds it.
    void textsFitTheirControls() {
        WindowTestWorld<> world;
        EngineParts parts;
        QStringList clipped;
        TFormCtrl window(parts.core);
        window.show();
        for (int sheet = 0; sheet < window.PageControl1->count(); ++sheet) {
            window.PageControl1->setCurrentIndex(sheet);
            clipped << clippedTexts(*window.PageControl1->currentWidget());
        }
        TScheduleItem item;
        TFormSchWizard wizard;
        wizard.SetScheduleItem(&item);
        wizard.SetIsNew(true);
        wizard.show();
        for (int page = TFormSchWizard::SchNamePage; page <= TFormSchWizard::TimePage; ++page) {
            wizard.SetActivePage(page);
            clipped << clippedTexts(wizard);
        }
        ExecuteTipReminders reminders;
        const auto open = reminders.Open({ShownTaskName(*TaskFromCode(2)), {}}, {});
        reminders.openWindows().front()->show();
        reminders.openWindows().front()->Timer1Timer(); // the countdown on its cancel button
        clipped << clippedTexts(*reminders.openWindows().front());
        // The dialogs of the password and of the quick actions, each with the words it opens with.
        PasswordDialog password(parts.core.guard(), translated("halvo::TFormOption", "change the options"));
        NewPasswordDialog newPassword;
        newPassword.show();
        clipped << clippedTexts(newPassword);
        password.show();
        clipped << clippedTexts(password);
        QuickActionsDialog quick({});
        quick.show();
        clipped << clippedTexts(quick);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }

    // --help and a bad argument from the real program, which prints them before it has any window.
    void commandLine() {
        const Run help = runProgram({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        // The usage text is the one of its context that starts so.
        QString usage;
        for (const TsMessage& message : messages())
            if (message.context == u"CommandLine" && message.source.startsWith(u"Usage: halvo-shutdown"))
                usage = translated("CommandLine", message.source.toUtf8().constData());
        QVERIFY(!usage.isEmpty());
        // The translated text with the conditions' lines and the task words filled in (those words stay).
        QCOMPARE(help.out,
                 QString::fromStdString(FillIn(usage.toStdString(), {ConditionHelpLines(), TaskWords()})));
        QCOMPARE(help.err, QString());

        // Bad arguments, one refused by the command line itself and one by the password's rules.
        const struct {
            QStringList arguments;
            QString error;
        } bad[] = {
            {{QStringLiteral("--bogus")},
             translated("CommandLine", "unknown option '%1' (see --help)").arg("--bogus")},
            {{QStringLiteral("--password"), QStringLiteral("secret"), QStringLiteral("--status")},
             translated("CommandLine",
                        "the password is never taken as an argument: give --password - (read from "
                        "standard input) or --password-file FILE")},
        };
        for (const auto& row : bad) {
            const Run run = runProgram(row.arguments);
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(run.err, QStringLiteral("halvo-shutdown: ") + row.error + QLatin1Char('\n'));
        }
    }

private:
    // The shown labels and buttons of window whose text is wider than the room they have for it.
    // With HALVO_GRAB_DIR set, each window checked is also saved there as a picture to look at.
    static QStringList clippedTexts(QWidget& window) {
        QCoreApplication::processEvents();
        if (const QString folder = qEnvironmentVariable("HALVO_GRAB_DIR"); !folder.isEmpty())
            window.window()->grab().save(QStringLiteral("%1/%2-%3.png")
                                             .arg(folder, language(), window.objectName())
                                             .replace(u' ', u'_'));
        QStringList found;
        // Too little room for the text, or the control itself reaching past the edge of what holds it.
        const auto check = [&found](const QWidget& control, QString text, int room) {
            text.remove(u'&');
            const int needed = control.fontMetrics().horizontalAdvance(text);
            if (!text.isEmpty() && needed > room)
                found << QStringLiteral("%1 \"%2\": %3 px for %4 px")
                             .arg(control.objectName(), text)
                             .arg(room)
                             .arg(needed);
            const QWidget* holder = control.parentWidget();
            if (holder && control.geometry().right() > holder->rect().right())
                found << QStringLiteral("%1 \"%2\": reaches %3 px past the edge of %4")
                             .arg(control.objectName(), text)
                             .arg(control.geometry().right() - holder->rect().right())
                             .arg(holder->objectName());
        };
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->isVisibleTo(&window) && !label->wordWrap() && !label->text().contains(u'\n') &&
                label->textFormat() != Qt::RichText)
                check(*label, label->text(), label->contentsRect().width());
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(&window))
                continue;
            // The room beside a box's or a radio button's mark, or inside a push button's frame.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool marked = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
            const QRect room = marked ? button->style()->subElementRect(qobject_cast<QCheckBox*>(button)
                                                                            ? QStyle::SE_CheckBoxContents
                                                                            : QStyle::SE_RadioButtonContents,
                                                                        &option, button)
                                      : button->rect();
            check(*button, button->text(), room.width());
        }
        for (QComboBox* list : window.findChildren<QComboBox*>())
            if (list->isVisibleTo(&window))
                check(*list, list->currentText(), list->width());
        return found;
    }

    static std::string TaskWords() {
        std::string words;
        for (const TaskKind& kind : TaskCatalogue())
            if (kind.CommandName)
                words += (words.empty() ? "" : ", ") + std::string(kind.CommandName);
        return words;
    }
};

// As main() does: the translation is loaded before the application exists, then handed to it.
int main(int argc, char** argv) {
    LoadTranslations();
    QApplication app(argc, argv);
    InstallTranslations();
    TranslatedTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TranslatedTextsTest.moc"
