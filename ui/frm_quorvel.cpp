#include "frontend/control_name.h"
#include "ui/frm_quorvel.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "events/handlers.h"
#include "frontend/entry_description.h"
#include "frontend/circuit_from_outside.h"
#include "frontend/entry_focus.h"
#include "ui/circuit_clipboard.h"
#include "ui/entry_box.h"
#include "ui/result_box.h"
#include "ui/system_locale.h"
#include "ui/window_builder.h"

namespace quorvel {
namespace {

// A key as the key handlers know it: its code, 0 for one they do not know,
// and the modifiers held with it.
std::int16_t KeyCodeOf(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Up: return kKeyUp;
        case Qt::Key_Down: return kKeyDown;
        default: return 0;
    }
}

std::int16_t ShiftOf(Qt::KeyboardModifiers held) {
    return static_cast<std::int16_t>((held & Qt::ShiftModifier ? kShiftMask : 0) |
                                     (held & Qt::ControlModifier ? kCtrlMask : 0) |
                                     (held & Qt::AltModifier ? kAltMask : 0));
}

}  // namespace

frmQuorvel::frmQuorvel(QWidget* parent)
    : QWidget(parent),
      platform_(*this, [this] { events_.Paused(); }),
      events_(*this, platform_, this),
      key_preview_(*this, events_, platform_) {
    // Whatever the settings' language: every word of the window is Romanian.
    if (toolkit_texts_.load(QStringLiteral(":/translations/toolkit_ro.qm"))) {
        QCoreApplication::installTranslator(&toolkit_texts_);
    }
    BuildWindow(*this);
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        for (int i = 0; i < CountOf(field); ++i) {
            QWidget* control = findChild<QWidget*>(QString::fromStdString(ControlName(field, i)));
            controls_(field, i) = control;
        }
    }
    OnChange([this](Field field, int index) { events_.Changed(field, index); });
    BindEvents();
    OfferCircuitCopy(*this, *this);
    qApp->installEventFilter(&key_preview_);
    controls_(Field::txtRs, 0)->setFocus();
}

// Closing the window moves the focus, which must not reach a window whose
// own parts are already gone.
frmQuorvel::~frmQuorvel() { disconnect(qApp, nullptr, this, nullptr); }

// The first entry's text is selected, as Tab would select it, so that what
// the user types replaces it.
void frmQuorvel::Load(const std::optional<Circuit>& circuit) {
    events_.Load();
    if (circuit) OpenCircuit(*circuit, *this, events_);
    static_cast<QLineEdit*>(controls_(Field::txtRs, 0))->selectAll();
}

// The user's edits and picks enter the handlers here; a handler's own
// writes call their field's handler from SetText instead, so that a
// run-time error never unwinds through the toolkit's signal delivery.
void frmQuorvel::BindEvents() {
    for (Field field : {Field::txtRs, Field::txtIst, Field::cboRs, Field::cboIst}) {
        for (int i = 0; i < CountOf(field); ++i) {
            const auto changed = [this, field, i] {
                if (!events_.Running()) events_.Changed(field, i);
            };
            if (auto* edit = qobject_cast<QLineEdit*>(controls_(field, i))) {
                connect(edit, &QLineEdit::textChanged, this, changed);
            } else {
                connect(static_cast<QComboBox*>(controls_(field, i)), &QComboBox::currentIndexChanged, this,
                        changed);
            }
        }
    }
    for (int i = 0; i < kResistorCount; ++i) controls_(Field::txtRs, i)->installEventFilter(this);
    connect(findChild<QPushButton*>(QStringLiteral("cmdClear")), &QPushButton::clicked, this,
            [this] { events_.ClearClick(); });
    connect(qApp, &QApplication::focusChanged, this, &frmQuorvel::FocusMoved);
}

// The window's own controls are the calculator's; a popup, a message box
// and another window are not. An entry left shows its beginning.
void frmQuorvel::FocusMoved(QWidget* old, QWidget* now) {
    if (!old || old->window() != this) return;
    const bool to_control = now && now->window() == this;
    if (FocusLeft(events_, old->objectName().toStdString(), to_control)) static_cast<QLineEdit*>(old)->setCursorPosition(0);
}

// A resistor entry's keys reach its key handler before the entry. A step
// leaves the new value selected, as a spin box does: a screen reader reads
// it, and the next key typed replaces it. At an end of the series, nothing
// changes.
bool frmQuorvel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        TellStandardValues(watched);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    const std::int16_t code = KeyCodeOf(key);
    for (int i = 0; code != 0 && i < kResistorCount; ++i) {
        if (watched != controls_(Field::txtRs, i)) continue;
        auto* entry = static_cast<QLineEdit*>(watched);
        const QString before = entry->text();
        if (!events_.KeyDown(Field::txtRs, i, code, ShiftOf(key.modifiers()))) return false;
        if (entry->text() != before) entry->selectAll();
        return true;
    }
    return false;
}

// Asked for its tooltip, a resistor entry names the nearest standard values
// to what it counts as: worked out then, not at every keystroke.
void frmQuorvel::TellStandardValues(QObject* watched) {
    for (int i = 0; i < kResistorCount; ++i) {
        QWidget* entry = controls_(Field::txtRs, i);
        if (watched == entry) entry->setToolTip(QString::fromStdString(DescribeResistor(*this, i).tooltip));
    }
}

std::string frmQuorvel::ControlText(Field input, int index) const {
    QWidget* control = controls_(input, index);
    if (KindOf(input) == FieldKind::chooser) return static_cast<QComboBox*>(control)->currentText().toStdString();
    return static_cast<QLineEdit*>(control)->text().toStdString();
}

bool frmQuorvel::WriteControl(Field input, int index, const std::string& utf8) {
    QWidget* control = controls_(input, index);
    const QString text = QString::fromStdString(utf8);
    if (KindOf(input) == FieldKind::chooser) {
        auto* chooser = static_cast<QComboBox*>(control);
        const int item = chooser->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (chooser->currentIndex() == item) return false;
        chooser->setCurrentIndex(item);
        return true;
    }
    auto* edit = static_cast<EntryBox*>(control);
    if (edit->text() == text) return false;
    edit->Write(text);
    // A write leaves the caret at the end: an entry not in use shows its beginning.
    if (!edit->hasFocus()) edit->setCursorPosition(0);
    return true;
}

void frmQuorvel::SelectDefault(Field entry, int index) {
    auto* edit = static_cast<QLineEdit*>(controls_(entry, index));
    if (edit->hasFocus()) edit->selectAll();
}

// Each box with its unit in its tooltip where the box cuts its text.
void frmQuorvel::WriteResultBoxes(const std::vector<ChangedResult>& results) {
    for (const ChangedResult& result : results) {
        const QString unit = QString::fromUtf8(result.unit);
        QWidget* unit_control = controls_(UnitOf(result.value), result.index);
        if (auto* label = qobject_cast<QLabel*>(unit_control)) {
            if (label->text() != unit) {
                label->setText(unit);
                label->adjustSize();
            }
        } else {
            static_cast<ResultBox*>(unit_control)->SetResult(unit, {});
        }
        static_cast<ResultBox*>(controls_(result.value, result.index))->SetResult(QString::fromUtf8(result.text), unit);
    }
}

std::string frmQuorvel::ListItem(Field chooser, int index, int item) const {
    return static_cast<QComboBox*>(controls_(chooser, index))->itemText(item).toStdString();
}

NumberLocale frmQuorvel::ReadLocale() const { return SystemNumberLocale(); }

}  // namespace quorvel
