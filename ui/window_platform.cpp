#include "ui/window_platform.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "frontend/error_message.h"

namespace quorvel {

WindowPlatform::WindowPlatform(QWidget& window, std::function<void()> paused)
    : window_(window), pause_(new QTimer(&window)) {
    pause_->setObjectName(QStringLiteral("pause"));
    pause_->setSingleShot(true);
    QObject::connect(pause_, &QTimer::timeout, &window, std::move(paused));
}

void WindowPlatform::End() {
    ended_ = true;
    pause_->stop();
    window_.close();
    QCoreApplication::exit(0);
}

// An error met before the window shows (a circuit from the command line)
// is told once it does, over it.
void WindowPlatform::ReportError(const RuntimeError& error) {
    if (!window_.isVisible()) {
        QTimer::singleShot(0, &window_, [this, error] {
            if (!ended_) ReportError(error);
        });
        return;
    }
    const QString title = QString::fromUtf8(kErrorTitle.data(), static_cast<qsizetype>(kErrorTitle.size()));
    QMessageBox box(QMessageBox::Warning, title, QString::fromStdString(ErrorMessage(error)), QMessageBox::Ok,
                    &window_);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

void WindowPlatform::AwaitPause(std::chrono::milliseconds pause) {
    if (!ended_) pause_->start(pause);
}

}  // namespace quorvel
