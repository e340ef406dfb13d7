// Writes the program's icon for the desktop's icon theme, in the standard sizes as PNG and
// once as SVG, all from the same drawing the program shows:
//   depotta_icons FOLDER   (writes FOLDER/hicolor/<size>/apps/depotta.{png,svg})
#include "app/Artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: depotta_icons FOLDER\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]) + u"/hicolor/"_s;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = root + u"%1x%1/apps"_s.arg(size);
        if (!QDir().mkpath(dir) ||
            !dp::art::picture(dp::art::Picture::Logo, size).save(dir + u"/depotta.png"_s)) {
            std::fprintf(stderr, "depotta_icons: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    const QString dir = root + u"scalable/apps"_s;
    QFile svg(dir + u"/depotta.svg"_s);
    if (!QDir().mkpath(dir) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(dp::art::logoSvg().toUtf8()) < 0 || !svg.flush()) {
        std::fprintf(stderr, "depotta_icons: cannot write the scalable icon\n");
        return 1;
    }
    return 0;
}
