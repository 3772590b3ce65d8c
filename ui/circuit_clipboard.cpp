#include "ui/circuit_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>

#include "frontend/circuit_table.h"

namespace quorvel {
namespace {

const QKeySequence kCopyKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

}  // namespace

void CopyCircuit(const FieldSet& form) {
    const std::vector<TableRow> table = CircuitTable(form);
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(TabSeparated(table)));
    data->setHtml(QString::fromStdString(HtmlTable(table)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void OfferCircuitCopy(QWidget& window, const FieldSet& form) {
    QObject::connect(new QShortcut(kCopyKeys, &window), &QShortcut::activated, &window, [&form] { CopyCircuit(form); });
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, &form](const QPoint& at) {
            QMenu* menu = box->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addSeparator();
            // The keys shown beside the item, not bound to it: the window's shortcut serves both.
            menu->addAction(QStringLiteral("Copiază circuitul\t") + kCopyKeys.toString(QKeySequence::NativeText),
                            box, [&form] { CopyCircuit(form); });
            menu->popup(box->mapToGlobal(at));
        });
    }
}

}  // namespace quorvel
