// Runs GoogleTest inside a Qt application, on the offscreen platform unless
// the environment names another.

#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler default_handler = nullptr;

// The offscreen platform warns that it cannot grab the keyboard or raise a
// window whenever a chooser opens its list; that says nothing about us.
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    default_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    default_handler = qInstallMessageHandler(QuietOffscreenNotices);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
