#include "ui/window_platform.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quorvel {

void WindowPlatform::End() {
    ended_ = true;
    window_.close();
    QCoreApplication::exit(0);
}

void WindowPlatform::ReportError(const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvel"),
                    QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(QString::fromUtf8(error.what())),
                    QMessageBox::Ok, &window_);
    box.exec();
}

}  // namespace quorvel
