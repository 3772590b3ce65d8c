// One start-up, to be timed from outside as a whole process, which quits as
// soon as its first frame has been flushed:
//   window  the calculator as the program starts it: created, loaded, shown;
//   layout  the same layout on a plain widget, with no handler and no load;
//   empty   an empty widget of the window's size.
// All three are this one program, so that each loads the same libraries.

#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "frontend/window_layout.h"
#include "ui/frm_quorvel.h"
#include "ui/quorvel_icon.h"
#include "ui/window_builder.h"

namespace {

// Quits once a frame of the window has been painted. The window's widgets
// are painted into its backing store and the store is flushed in one go,
// before control returns to the event loop; the queued quit runs only then.
class QuitAfterFirstFrame : public QObject {
public:
    explicit QuitAfterFirstFrame(QWidget& window) : window_(window) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_ && receiver->isWidgetType() &&
            static_cast<QWidget*>(receiver)->window() == &window_) {
            quitting_ = true;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& window_;
    bool quitting_ = false;
};

int Usage() {
    std::fputs("usage: quorvel_startup_bench window|layout|empty\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) return Usage();
    const char* mode = argv[1];
    if (std::strcmp(mode, "window") != 0 && std::strcmp(mode, "layout") != 0 && std::strcmp(mode, "empty") != 0) {
        return Usage();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    int qt_argc = 1;
    QApplication application(qt_argc, argv);
    if (std::strcmp(mode, "window") == 0) {
        // As app/main.cpp does, step for step.
        QApplication::setApplicationName(QStringLiteral("Quorvel"));
        QApplication::setApplicationVersion(QStringLiteral("1.00"));
        QApplication::setWindowIcon(quorvel::QuorvelIcon());

        quorvel::frmQuorvel window;
        const QuitAfterFirstFrame quit(window);
        window.Load();
        window.show();
        return QApplication::exec();
    }

    QWidget window;
    const QuitAfterFirstFrame quit(window);
    if (std::strcmp(mode, "layout") == 0) {
        quorvel::BuildWindow(window);
    } else {
        using quorvel::layout::Pixels;
        window.resize(Pixels(quorvel::layout::kClientWidth), Pixels(quorvel::layout::kClientHeight));
    }
    window.show();
    return QApplication::exec();
}
