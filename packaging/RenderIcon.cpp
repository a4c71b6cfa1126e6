// Writes the program's icon as a PNG file of the given size: halvo-render-icon SIZE FILE

#include "toolkit/AppIcon.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: halvo-render-icon SIZE FILE\n", stderr);
        return 2;
    }
    // No display needed: the icon is painted into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[1]).toInt(&ok);
    if (!ok || size < 8 || size > 1024) {
        std::fprintf(stderr, "halvo-render-icon: bad size %s\n", argv[1]);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!halvo::renderAppIcon(size).save(file, "PNG")) {
        std::fprintf(stderr, "halvo-render-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
