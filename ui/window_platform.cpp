#include "ui/window_platform.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "frontend/error_message.h"

namespace quorvel {

void WindowPlatform::End() {
    ended_ = true;
    window_.close();
    QCoreApplication::exit(0);
}

void WindowPlatform::ReportError(const RuntimeError& error) {
    const QString title = QString::fromUtf8(kErrorTitle.data(), static_cast<qsizetype>(kErrorTitle.size()));
    QMessageBox box(QMessageBox::Warning, title, QString::fromStdString(ErrorMessage(error)), QMessageBox::Ok,
                    &window_);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace quorvel
