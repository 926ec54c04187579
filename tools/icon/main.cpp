// Writes the program's icon as PNG files for the desktop menu:
//   xssj-icon FOLDER   → FOLDER/<size>x<size>/apps/xssj.png (the icon theme layout)
// for each size a menu asks for.
#include "app/AppIcon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: xssj-icon FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int size : {32, 48, 64, 128, 256}) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        if (!folder.mkpath(sub) || !DrawAppIcon(size).save(folder.filePath(sub + QStringLiteral("/xssj.png")))) {
            std::fprintf(stderr, "cannot write the %s icon\n", qPrintable(sub));
            return 1;
        }
    }
    return 0;
}
