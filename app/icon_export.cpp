// Writes the icon in the forms that desktops and installers take, each made
// from the one drawing in ui/quorvel.xpm so that no second drawing can drift
// from it. The form follows each file's suffix (png, ico):
//
//   quorvel_icon_export OUT.png OUT.ico

#include <cstdio>

#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QStringList>

#include "ui/quorvel.xpm"

int main(int argc, char* argv[]) {
    // The application object makes the image format plug-ins (ico) findable.
    QCoreApplication application(argc, argv);
    const QStringList outputs = QCoreApplication::arguments().mid(1);
    if (outputs.isEmpty()) {
        std::fputs("usage: quorvel_icon_export OUT.png|OUT.ico ...\n", stderr);
        return 2;
    }
    const QImage icon(quorvel_xpm);
    if (icon.isNull()) {
        std::fputs("quorvel_icon_export: the drawing could not be read\n", stderr);
        return 1;
    }
    for (const QString& output : outputs) {
        QImageWriter writer(output);
        if (!writer.write(icon)) {
            std::fprintf(stderr, "quorvel_icon_export: %s: %s\n", qPrintable(output), qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
