// Writes the icon in the forms that desktops and installers take, each made
// from the one drawing in ui/quorvel.xpm so that no second drawing can drift
// from it, and scaled as the window's own icon is:
//
//   quorvel_icon_export OUT.ico HICOLOR NAME
//
// writes the Windows icon at the drawing's size, and HICOLOR/<N>x<N>/apps/
// NAME.png at every size of the icon theme. The ICO comes last, so that a
// build can take its date for the whole set.

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QStringList>

#include "ui/quorvel.xpm"
#include "ui/quorvel_icon.h"

namespace {

bool Write(const QImage& image, const QString& path) {
    QImageWriter writer(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !writer.write(image)) {
        std::fprintf(stderr, "quorvel_icon_export: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The application object makes the image format plug-ins (ico) findable.
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: quorvel_icon_export OUT.ico HICOLOR NAME\n", stderr);
        return 2;
    }
    const QString& ico = arguments[1];
    const QString& hicolor = arguments[2];
    const QString& name = arguments[3];
    for (const int size : quorvel::kQuorvelIconSizes) {
        const QString png = QStringLiteral("%1/%2x%2/apps/%3.png").arg(hicolor).arg(size).arg(name);
        if (!Write(quorvel::QuorvelIconImage(size), png)) return 1;
    }
    return Write(QImage(quorvel_xpm), ico) ? 0 : 1;
}
