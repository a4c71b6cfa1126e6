// The real program, started as a user would start it (on Qt's offscreen platform, with its own folders
// and no reachable D-Bus, so nothing of this machine is touched).

#include "tests/helpers/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <utility>

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void withoutADisplayItSaysSoInOneLine();
    void oneCopyPerUserAndAnOrderlyEndOnTermination();
    void theCommandLineBringsThePasswordFromAFileOrStandardInput();
};

namespace {

// No display and no reachable bus; folders of the test's own.
QProcessEnvironment isolated(const QTemporaryDir& root) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS",
                             "DBUS_SYSTEM_BUS_ADDRESS", "DBUS_STARTER_ADDRESS", "XDG_RUNTIME_DIR"})
        env.remove(name);
    const QString nowhere = "unix:path=" + root.filePath("no-bus");
    env.insert("DBUS_SESSION_BUS_ADDRESS", nowhere);
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", nowhere);
    QDir(root.path()).mkpath("run");
    QFile::setPermissions(root.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", root.filePath("run"));
    env.insert("XDG_CONFIG_HOME", root.filePath("config"));
    env.insert("HOME", root.filePath("home"));
    return env;
}

// A copy of the program of its own, so its settings land in a folder of this test; on Qt's offscreen
// platform.
struct PortableCopy {
    QTemporaryDir root;
    QString folder = root.filePath("portable");
    QString program = folder + "/halvo-shutdown";
    QProcessEnvironment env = isolated(root);
    bool copied = QDir().mkpath(folder) && QFile::copy(TestPath("HALVO_PROGRAM"), program);

    PortableCopy() { env.insert("QT_QPA_PLATFORM", "offscreen"); }
    void launch(QProcess& process, const QStringList& args = {}) {
        process.setProcessEnvironment(env);
        process.start(program, args);
    }
    // Started as the running copy: true once it listens for later copies.
    bool startRunning(QProcess& process, const QStringList& args = {}) {
        launch(process, args);
        return process.waitForStarted(5000) &&
               QTest::qWaitFor([this] { return QFile::exists(root.filePath("run/halvo-shutdown.socket")); },
                               10000);
    }
};

} // namespace

void ProgramTest::withoutADisplayItSaysSoInOneLine() {
    QTemporaryDir root;
    QProcess program;
    program.setProcessEnvironment(isolated(root));
    program.start(TestPath("HALVO_PROGRAM"), {});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no abort
    QCOMPARE(program.exitCode(), 2);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(errors.count('\n'), 1);
    QVERIFY2(errors.startsWith("halvo-shutdown: cannot start without a display"), qPrintable(errors));
}

void ProgramTest::oneCopyPerUserAndAnOrderlyEndOnTermination() {
    PortableCopy copy;
    QVERIFY(copy.copied);
    QProcess first;
    QVERIFY(copy.startRunning(first));

    QProcess second;
    copy.launch(second);
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    // Terminated from outside (as at the end of the session): it ends in order and stores its settings.
    ::kill(pid_t(first.processId()), SIGTERM);
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QFile settings(copy.folder + "/setting.ini");
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(settings.readAll());
    QVERIFY2(text.contains("[setting]") && text.contains("Setting_AutoStartup=0") &&
                 text.contains("Setting_AutoSave=0") && text.contains("Setting_Remind=0"),
             qPrintable(text));
    // Nothing went to the user's configuration folder.
    QVERIFY(!QFile::exists(copy.root.filePath("config/halvo-shutdown")));

    // The lock went with it: the next start is the running copy again.
    QProcess third;
    QVERIFY(copy.startRunning(third));
    QCOMPARE(third.state(), QProcess::Running);
    third.terminate();
    QVERIFY(third.waitForFinished(10000));
    QCOMPARE(third.exitCode(), 0);
}

void ProgramTest::theCommandLineBringsThePasswordFromAFileOrStandardInput() {
    PortableCopy copy;
    QVERIFY(copy.copied);
    const QTemporaryDir& root = copy.root;
    // "bedtime-21", hashed by another PBKDF2 (Python's hashlib) with few rounds: the program agrees.
    QFile settings(copy.folder + "/setting.ini");
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[setting]\nSetting_Password=pbkdf2-sha256$1000$aGFsdm8tdGVzdC1zYWx0IQ==$"
                   "wWXERFzw40G0xRj63o6p12QbVKNQbQLV0QeGy54dfRQ=\n");
    settings.close();
    for (const auto& [name, text] : {std::pair{"right", "bedtime-21\n"}, std::pair{"wrong", "bedtime-22"}}) {
        QFile file(root.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QProcess running;
    QVERIFY(copy.startRunning(running, {"--tray"}));

    struct Call {
        QStringList args;
        QByteArray input;
        int status;
        QString out;
        QString error;
    };
    const QString refused =
        "halvo-shutdown: refused: a password protects this; give it with --password-file FILE "
        "or --password - (read from standard input)\n";
    const Call calls[] = {
        // Arming when nothing is armed takes nothing away.
        {{"--in", "1h", "lock"}, {}, 0, "", ""},
        {{"--cancel"}, {}, 1, "", refused},
        {{"--in", "2h", "lock"}, {}, 1, "", refused},
        {{"--cancel", "--password", "bedtime-21"},
         {},
         2,
         "",
         "halvo-shutdown: the password is never taken as an argument: give --password - (read from standard "
         "input) or --password-file FILE\n"},
        {{"--password-file", root.filePath("wrong"), "--cancel"},
         {},
         1,
         "",
         "halvo-shutdown: refused: wrong password\n"},
        {{"--password-file", root.filePath("missing"), "--cancel"},
         {},
         2,
         "",
         "halvo-shutdown: cannot read the password from " + root.filePath("missing") +
             " (No such file or directory)\n"},
        {{"--status"}, {}, 0, "General: ", ""},
        {{"--cancel", "--password", "-"}, "bedtime-21\n", 0, "", ""},
        {{"--status"}, {}, 0, "General: nothing armed", ""},
        {{"--now", "screensaver", "--password-file", root.filePath("wrong")},
         {},
         1,
         "",
         "halvo-shutdown: refused: wrong password\n"},
    };
    for (const Call& call : calls) {
        QProcess client;
        copy.launch(client, call.args);
        client.write(call.input);
        client.closeWriteChannel();
        QVERIFY(client.waitForFinished(15000));
        const QString out = QString::fromLocal8Bit(client.readAllStandardOutput());
        QCOMPARE(QString::fromLocal8Bit(client.readAllStandardError()), call.error);
        QVERIFY2(call.out.isEmpty() ? out.isEmpty() : out.startsWith(call.out),
                 qPrintable(call.args.join(' ') + ": " + out));
        // Still armed after the refusals.
        if (call.out == "General: ")
            QVERIFY2(!out.startsWith("General: nothing armed"), qPrintable(out));
        QCOMPARE(client.exitCode(), call.status);
    }
    // A settings file removed meanwhile gets the password back with the settings at the end.
    QVERIFY(QFile::remove(copy.folder + "/setting.ini"));
    running.terminate();
    QVERIFY(running.waitForFinished(10000));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains("\nSetting_Password=pbkdf2-sha256$1000$aGFsdm8tdGVzdC1zYWx0IQ==$"
                                        "wWXERFzw40G0xRj63o6p12QbVKNQbQLV0QeGy54dfRQ=\n"));
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
