#include "ui/context_menu.h"

#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>

#include "frontend/texts.h"
#include "ui/part_picker_dialog.h"
#include "ui/utf8_text.h"

namespace quorvel {
namespace {

void AddTolerances(QMenu& menu, WindowLogic& logic) {
    QMenu* tolerances = menu.addMenu(FromUtf8(texts::kTolerance));
    auto* group = new QActionGroup(tolerances);  // one checked at a time
    for (const Tolerance tolerance : kCircuitTolerances) {
        QAction* item = tolerances->addAction(QString::fromStdString(ToleranceText(tolerance, logic.Fields().Locale())),
                                              tolerances, [&logic, tolerance] { logic.SetTolerance(tolerance); });
        item->setCheckable(true);
        item->setChecked(tolerance == logic.CircuitTolerance());
        group->addAction(item);
    }
}

}  // namespace

void OfferCommands(const WidgetView& view, WindowLogic& logic) {
    for (const layout::Control& control : layout::kControls) {
        if (control.kind != layout::Kind::entry && control.kind != layout::Kind::result) continue;
        auto* box = static_cast<QLineEdit*>(view.Widget(control));
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, &logic, &control](const QPoint& at) {
            QMenu* menu = box->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addSeparator();
            // The keys shown beside each item, not bound to it: the key preview serves both.
            for (const CommandInfo& info : kCommands) {
                if (info.item.empty()) continue;
                menu->addAction(FromUtf8(info.item) + QLatin1Char('\t') + QString::fromStdString(ShortcutText(info.keys)),
                                box, [&logic, command = info.command] { logic.Run(command); });
            }
            menu->addSeparator();
            AddTolerances(*menu, logic);
            if (const std::optional<int> resistor = ResistorOfEntry(control)) {
                // Modal over the window, and open() returns at once: the menu goes as it would.
                menu->addAction(FromUtf8(texts::kFromColours), box, [box, &logic, k = *resistor] {
                    (new PartPickerDialog(logic, k, box->window()))->open();
                });
            }
            menu->popup(box->mapToGlobal(at));
        });
    }
}

}  // namespace quorvel
