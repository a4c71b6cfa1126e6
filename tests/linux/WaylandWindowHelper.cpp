// A client of the window tests on a Wayland compositor (QT_QPA_PLATFORM=wayland): each line "open TITLE"
// on stdin shows a top-level window with that title and answers "ok" once it is on screen. It ends when its
// input does, or when it is killed.

#include <QApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::vector<QWidget*> windows;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[512] = {};
        const ssize_t got = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (got <= 0) {
            QApplication::quit();
            return;
        }
        QString text = QString::fromUtf8(line, got).trimmed();
        if (!text.startsWith("open ")) {
            std::puts("error");
            std::fflush(stdout);
            return;
        }
        auto* window = new QWidget;
        window->setWindowTitle(text.mid(5));
        window->resize(200, 120);
        window->show();
        windows.push_back(window);
        // The compositor knows the window once its first frame is committed.
        QApplication::processEvents();
        QApplication::sync();
        std::puts("ok");
        std::fflush(stdout);
    });
    const int result = QApplication::exec();
    qDeleteAll(windows);
    return result;
}
