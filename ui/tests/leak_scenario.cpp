// A whole session under LeakSanitizer: the program starts, takes a hundred
// edits and a click on the clear button, and ends on Esc. Any leak fails the
// run (LeakSanitizer's exit code), as does a session that does not end.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/frm_quorvel.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quorvel::frmQuorvel window;
    window.Load();
    window.show();

    QTimer::singleShot(0, &window, [&window] {
        for (int edit = 0; edit < 100; ++edit) {
            auto* entry = window.findChild<QLineEdit*>(edit % 5 == 4 ? QStringLiteral("txtIst")
                                                                     : QStringLiteral("txtRs(%1)").arg(edit % 5));
            entry->setFocus();
            QTest::keyClick(entry, edit % 2 ? Qt::Key_Backspace : Qt::Key_7);
        }
        window.findChild<QPushButton*>(QStringLiteral("cmdClear"))->click();
        QTest::keyClick(window.findChild<QLineEdit*>(QStringLiteral("txtRs(0)")), Qt::Key_Escape);
    });
    QTimer::singleShot(30000, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}
