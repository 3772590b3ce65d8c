#include "ui/circuit_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>

#include "frontend/circuit_table.h"
#include "frontend/worked_solution.h"

namespace quorvel {
namespace {

// What the window copies, each with its keys and its item in the context menus.
struct Copy {
    const char* item;
    QKeySequence keys;
    void (*copy)(const FieldSet& form);
};

const Copy kCopies[] = {
    {"Copiază circuitul", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), CopyCircuit},
    {"Copiază rezolvarea", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), CopySolution},
};

void Put(const std::string& text, const std::string& html) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setHtml(QString::fromStdString(html));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace

void CopyCircuit(const FieldSet& form) {
    const std::vector<TableRow> table = CircuitTable(form);
    Put(TabSeparated(table), HtmlTable(table));
}

// Worked out only now, as it is copied.
void CopySolution(const FieldSet& form) {
    const WorkedSolution solution = SolveCircuit(form);
    Put(SolutionText(solution), SolutionHtml(solution));
}

void OfferCircuitCopy(QWidget& window, const FieldSet& form) {
    for (const Copy& copy : kCopies) {
        QObject::connect(new QShortcut(copy.keys, &window), &QShortcut::activated, &window,
                         [&form, &copy] { copy.copy(form); });
    }
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, &form](const QPoint& at) {
            QMenu* menu = box->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addSeparator();
            // The keys shown beside each item, not bound to it: the window's shortcut serves both.
            for (const Copy& copy : kCopies) {
                menu->addAction(QString::fromUtf8(copy.item) + QLatin1Char('\t') +
                                    copy.keys.toString(QKeySequence::NativeText),
                                box, [&form, &copy] { copy.copy(form); });
            }
            menu->popup(box->mapToGlobal(at));
        });
    }
}

}  // namespace quorvel
