// Writes the program's icon: halvo-render-icon SIZE FILE writes one PNG file of that size;
// halvo-render-icon ico FILE writes a Windows icon file with every size Windows asks for.

#include "toolkit/AppIcon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QtEndian>

#include <cstdio>
#include <iterator>

namespace {

void putLittle16(QByteArray& out, quint16 value) {
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&value), 2);
}

void putLittle32(QByteArray& out, quint32 value) {
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&value), 4);
}

// An icon file whose images are PNG data, as Windows reads them since Vista: a header, one directory
// entry per image, then the images.
QByteArray iconFile() {
    const int sizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
    const int count = int(std::size(sizes));
    QList<QByteArray> images;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        halvo::renderAppIcon(size).save(&buffer, "PNG");
        images << png;
    }
    QByteArray out;
    putLittle16(out, 0); // reserved
    putLittle16(out, 1); // an icon, not a cursor
    putLittle16(out, quint16(count));
    quint32 offset = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        out.append(char(sizes[i] & 0xff)); // 256 is written as 0
        out.append(char(sizes[i] & 0xff));
        out.append(char(0)); // no palette
        out.append(char(0));
        putLittle16(out, 1);  // planes
        putLittle16(out, 32); // bits per pixel
        putLittle32(out, quint32(images[i].size()));
        putLittle32(out, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        out += image;
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: halvo-render-icon SIZE|ico FILE\n", stderr);
        return 2;
    }
    // No display needed: the icon is painted into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (what == "ico") {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(iconFile()) < 0 || !out.flush()) {
            std::fprintf(stderr, "halvo-render-icon: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    bool ok = false;
    const int size = what.toInt(&ok);
    if (!ok || size < 8 || size > 1024) {
        std::fprintf(stderr, "halvo-render-icon: bad size %s\n", argv[1]);
        return 2;
    }
    if (!halvo::renderAppIcon(size).save(file, "PNG")) {
        std::fprintf(stderr, "halvo-render-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
