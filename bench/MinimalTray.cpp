// The yardstick of the wake-up benchmark: a Qt tray program that does nothing but sit in the tray with a
// menu, so what the program wakes for beyond Qt's own needs shows as the difference.
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkGreen);
    QMenu menu;
    menu.addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    QSystemTrayIcon icon{QIcon(pixmap)};
    icon.setToolTip(QStringLiteral("minimal Qt tray"));
    icon.setContextMenu(&menu);
    icon.show();
    return app.exec();
}
