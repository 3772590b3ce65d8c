#include "ui/frm_quorvel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include "ui/system_locale.h"
#include "ui/window_builder.h"

namespace quorvel {

frmQuorvel::frmQuorvel(QWidget* parent)
    : QWidget(parent), platform_(*this), events_(*this, platform_), key_preview_(*this, events_, platform_) {
    BuildWindow(*this);
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        for (int i = 0; i < CountOf(field); ++i) {
            fields_[static_cast<std::size_t>(f)][static_cast<std::size_t>(i)] =
                findChild<QWidget*>(ControlName(NameOf(field), CountOf(field) > 1 ? i : -1));
        }
    }
    BindEvents();
    qApp->installEventFilter(&key_preview_);
    FieldControl(Field::txtRs, 0)->setFocus();
}

void frmQuorvel::Load() { events_.Load(); }

// The user's edits and picks enter the handlers here; a handler's own
// writes call their field's handler from SetText instead, so that a
// run-time error never unwinds through the toolkit's signal delivery.
void frmQuorvel::BindEvents() {
    for (Field field : {Field::txtRs, Field::txtIst, Field::cboRs, Field::cboIst}) {
        for (int i = 0; i < CountOf(field); ++i) {
            const auto changed = [this, field, i] {
                if (!writing_) events_.Changed(field, i);
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
            [this] { events_.ClearClick(); });
}

QWidget* frmQuorvel::FieldControl(Field field, int index) const {
    return fields_.at(static_cast<std::size_t>(field)).at(static_cast<std::size_t>(index));
}

std::string frmQuorvel::Text(Field field, int index) const {
    QWidget* control = FieldControl(field, index);
    switch (KindOf(field)) {
        case FieldKind::chooser: return static_cast<QComboBox*>(control)->currentText().toStdString();
        default:
            if (field == Field::lblUMs) return static_cast<QLabel*>(control)->text().toStdString();
            return static_cast<QLineEdit*>(control)->text().toStdString();
    }
}

void frmQuorvel::SetText(Field field, int index, const std::string& utf8) {
    QWidget* control = FieldControl(field, index);
    const QString text = QString::fromStdString(utf8);
    if (field == Field::lblUMs) {
        auto* label = static_cast<QLabel*>(control);
        label->setText(text);
        label->adjustSize();
        return;
    }
    if (KindOf(field) == FieldKind::chooser) {
        auto* chooser = static_cast<QComboBox*>(control);
        const int item = chooser->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (chooser->currentIndex() == item) return;
        {
            const QScopedValueRollback writing(writing_, true);
            chooser->setCurrentIndex(item);
        }
        events_.Changed(field, index);
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
    if (KindOf(field) == FieldKind::entry) events_.Changed(field, index);
}

std::string frmQuorvel::ListItem(Field chooser, int index, int item) const {
    return static_cast<QComboBox*>(FieldControl(chooser, index))->itemText(item).toStdString();
}

NumberLocale frmQuorvel::Locale() const { return SystemNumberLocale(); }

}  // namespace quorvel
