#pragma once

// A private X server for a window test that needs real X behaviour (focus, stacking), started before the
// application object and stopped after it. It picks a free display itself (-displayfd) and never touches
// the display of the machine.

#include <QApplication>
#include <QProcess>
#include <QString>
#include <QTest>

#include <cstdio>

class XvfbServer {
public:
    XvfbServer() {
        // A run that names Windows' own window system (a Windows build) needs no X server.
        if (qEnvironmentVariable("QT_QPA_PLATFORM") == "windows") {
            m_display = "windows";
            return;
        }
        m_process.setProgram("Xvfb");
        m_process.setArguments({"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        // The server writes its display number once it accepts connections.
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        bool ok = false;
        const int number = QString::fromLatin1(m_process.readLine()).trimmed().toInt(&ok);
        if (ok)
            m_display = ":" + QString::number(number);
    }
    ~XvfbServer() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // Points Qt at the server; false (with a line on stderr) when it did not start.
    bool use() const {
        if (m_display.isEmpty()) {
            std::fputs("Xvfb did not start\n", stderr);
            return false;
        }
        if (m_display == "windows")
            return true;
        qputenv("DISPLAY", m_display.toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("WAYLAND_DISPLAY");
        return true;
    }

private:
    QProcess m_process;
    QString m_display;
};

// The main of a window test: its server first, then the application, then the test object's slots.
template <typename Test> int RunOnXvfb(int argc, char** argv) {
    XvfbServer server;
    if (!server.use())
        return 1;
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
