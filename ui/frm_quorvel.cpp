#include "ui/frm_quorvel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include "frontend/window_layout.h"
#include "ui/result_box.h"
#include "ui/system_locale.h"
#include "ui/window_builder.h"

namespace quorvel {
frmQuorvel::frmQuorvel(QWidget* parent)
    : QWidget(parent),
      platform_(*this, [this] { ShowHeld(); }),
      events_(*this, platform_),
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
            fields_[static_cast<std::size_t>(f)][static_cast<std::size_t>(i)] = control;
            if (field == Field::lblUMs) Result(field, i).shown = static_cast<QLabel*>(control)->text().toStdString();
        }
    }
    BindEvents();
    qApp->installEventFilter(&key_preview_);
    FieldControl(Field::txtRs, 0)->setFocus();
}

// The first entry's text is selected, as Tab would select it, so that what
// the user types replaces it.
void frmQuorvel::Load() {
    RunEvent([this] { events_.Load(); });
    static_cast<QLineEdit*>(FieldControl(Field::txtRs, 0))->selectAll();
}

// The user's edits and picks enter the handlers here; a handler's own
// writes call their field's handler from SetText instead, so that a
// run-time error never unwinds through the toolkit's signal delivery.
void frmQuorvel::BindEvents() {
    for (Field field : {Field::txtRs, Field::txtIst, Field::cboRs, Field::cboIst}) {
        for (int i = 0; i < CountOf(field); ++i) {
            const auto changed = [this, field, i] {
                if (!writing_) RunEvent([this, field, i] { events_.Changed(field, i); });
            };
            if (auto* edit = qobject_cast<QLineEdit*>(FieldControl(field, i))) {
                connect(edit, &QLineEdit::textChanged, this, changed);
            } else {
                connect(static_cast<QComboBox*>(FieldControl(field, i)), &QComboBox::currentIndexChanged, this,
                        changed);
            }
        }
    }
    connect(findChild<QPushButton*>(QStringLiteral("cmdClear")), &QPushButton::clicked, this,
            [this] { RunEvent([this] { events_.ClearClick(); }); });
}

// A recalculation writes most results several times (running totals, raw
// values, then scaled ones). The window holds them while an event runs and
// shows each once when the outermost event is over, or before its error
// is reported.
template <class Event>
void frmQuorvel::RunEvent(Event event) {
    if (event_depth_ == 0) event_locale_.reset();
    {
        const QScopedValueRollback depth(event_depth_, event_depth_ + 1);
        event();
    }
    if (event_depth_ == 0) ShowHeld();
}

// Each box whose text or unit changed is written once, with its unit in
// its tooltip where the box cuts its text.
void frmQuorvel::ShowHeld() {
    for (Field value : kResults) {
        const Field unit = UnitOf(value);
        for (int i = 0; i < CountOf(value); ++i) {
            ResultText& number = Result(value, i);
            ResultText& unit_word = Result(unit, i);
            if (!number.is_held && !unit_word.is_held) continue;
            const bool changed = number.Current() != number.shown || unit_word.Current() != unit_word.shown;
            number.shown = number.Current();
            unit_word.shown = unit_word.Current();
            number.is_held = unit_word.is_held = false;
            if (!changed) continue;

            const QString unit_text = QString::fromStdString(unit_word.shown);
            if (auto* label = qobject_cast<QLabel*>(FieldControl(unit, i))) {
                if (label->text() != unit_text) {
                    label->setText(unit_text);
                    label->adjustSize();
                }
            } else {
                static_cast<ResultBox*>(FieldControl(unit, i))->Show(unit_text, {});
            }
            static_cast<ResultBox*>(FieldControl(value, i))->Show(QString::fromStdString(number.shown), unit_text);
        }
    }
}

QWidget* frmQuorvel::FieldControl(Field field, int index) const {
    return fields_.at(static_cast<std::size_t>(field)).at(static_cast<std::size_t>(index));
}

frmQuorvel::ResultText& frmQuorvel::Result(Field field, int index) {
    return results_.at(static_cast<std::size_t>(field)).at(static_cast<std::size_t>(index));
}

const frmQuorvel::ResultText& frmQuorvel::Result(Field field, int index) const {
    return results_.at(static_cast<std::size_t>(field)).at(static_cast<std::size_t>(index));
}

std::string frmQuorvel::Text(Field field, int index) const {
    if (IsComputed(field)) return Result(field, index).Current();
    QWidget* control = FieldControl(field, index);
    if (KindOf(field) == FieldKind::chooser) return static_cast<QComboBox*>(control)->currentText().toStdString();
    return static_cast<QLineEdit*>(control)->text().toStdString();
}

void frmQuorvel::SetText(Field field, int index, const std::string& utf8) {
    if (IsComputed(field)) {
        ResultText& result = Result(field, index);
        result.held = utf8;
        result.is_held = true;
        if (event_depth_ == 0) ShowHeld();
        return;
    }
    QWidget* control = FieldControl(field, index);
    const QString text = QString::fromStdString(utf8);
    if (KindOf(field) == FieldKind::chooser) {
        auto* chooser = static_cast<QComboBox*>(control);
        const int item = chooser->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (chooser->currentIndex() == item) return;
        {
            const QScopedValueRollback writing(writing_, true);
            chooser->setCurrentIndex(item);
        }
        RunEvent([this, field, index] { events_.Changed(field, index); });
        return;
    }
    auto* edit = static_cast<QLineEdit*>(control);
    if (edit->text() == text) return;
    {
        // A line edit lets its validator rewrite even a text set in code; the
        // typed length limit must never cut what the program writes.
        const QScopedValueRollback writing(writing_, true);
        const QValidator* limit = edit->validator();
        edit->setValidator(nullptr);
        edit->setText(text);
        edit->setValidator(limit);
    }
    // The default stands where the user's text was no number: selected, it
    // gives way to the next key.
    if (edit->hasFocus() && utf8 == layout::ControlOf(field, index).text) {
        edit->selectAll();
    }
    RunEvent([this, field, index] { events_.Changed(field, index); });
}

std::string frmQuorvel::ListItem(Field chooser, int index, int item) const {
    return static_cast<QComboBox*>(FieldControl(chooser, index))->itemText(item).toStdString();
}

// Read afresh for each event. While one runs, the settings cannot change:
// the toolkit tells of their change by an event of its own, which waits.
NumberLocale frmQuorvel::Locale() const {
    if (event_depth_ == 0) return SystemNumberLocale();
    if (!event_locale_) event_locale_ = SystemNumberLocale();
    return *event_locale_;
}

}  // namespace quorvel
