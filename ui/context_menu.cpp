#include "ui/context_menu.h"

#include <QLineEdit>
#include <QMenu>

namespace quorvel {

void OfferCommands(QWidget& window, WindowLogic& logic) {
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, &logic](const QPoint& at) {
            QMenu* menu = box->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addSeparator();
            // The keys shown beside each item, not bound to it: the key preview serves both.
            for (const CommandInfo& info : kCommands) {
                if (info.item.empty()) continue;
                menu->addAction(QString::fromUtf8(info.item.data(), static_cast<qsizetype>(info.item.size())) +
                                    QLatin1Char('\t') + QString::fromStdString(ShortcutText(info.keys)),
                                box, [&logic, command = info.command] { logic.Run(command); });
            }
            menu->popup(box->mapToGlobal(at));
        });
    }
}

}  // namespace quorvel
