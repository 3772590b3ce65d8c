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
namespace {

bool IsShownLater(Field field) {
    const FieldKind kind = KindOf(field);
    return kind == FieldKind::result || kind == FieldKind::unit;
}

QString TextOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return static_cast<const QLineEdit*>(control)->text();
}

}  // namespace

class frmQuorvel::ResultsShownAfter {
public:
    explicit ResultsShownAfter(frmQuorvel& form) : form_(form) { ++form_.holding_; }
    ~ResultsShownAfter() {
        if (--form_.holding_ == 0) form_.ShowResults();
    }
    ResultsShownAfter(const ResultsShownAfter&) = delete;
    ResultsShownAfter& operator=(const ResultsShownAfter&) = delete;

private:
    frmQuorvel& form_;
};

void frmQuorvel::ShowingPlatform::ReportError(const RuntimeError& error) {
    form_.ShowResults();
    form_.platform_.ReportError(error);
}

frmQuorvel::frmQuorvel(QWidget* parent)
    : QWidget(parent),
      platform_(*this),
      showing_platform_(*this),
      events_(*this, showing_platform_),
      key_preview_(*this, events_, platform_) {
    BuildWindow(*this);
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        for (int i = 0; i < CountOf(field); ++i) {
            QWidget* control = findChild<QWidget*>(ControlName(NameOf(field), CountOf(field) > 1 ? i : -1));
            fields_[static_cast<std::size_t>(f)][static_cast<std::size_t>(i)] = control;
            if (IsShownLater(field)) {
                results_[static_cast<std::size_t>(f)][static_cast<std::size_t>(i)] = TextOf(control).toStdString();
            }
        }
    }
    BindEvents();
    qApp->installEventFilter(&key_preview_);
    FieldControl(Field::txtRs, 0)->setFocus();
}

void frmQuorvel::Load() {
    const ResultsShownAfter shown(*this);
    events_.Load();
}

// The user's edits and picks enter the handlers here; a handler's own
// writes call their field's handler from SetText instead, so that a
// run-time error never unwinds through the toolkit's signal delivery.
void frmQuorvel::BindEvents() {
    for (Field field : {Field::txtRs, Field::txtIst, Field::cboRs, Field::cboIst}) {
        for (int i = 0; i < CountOf(field); ++i) {
            const auto changed = [this, field, i] {
                if (writing_) return;
                const ResultsShownAfter shown(*this);
                events_.Changed(field, i);
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
            [this] {
                const ResultsShownAfter shown(*this);
                events_.ClearClick();
            });
}

QWidget* frmQuorvel::FieldControl(Field field, int index) const {
    return fields_.at(static_cast<std::size_t>(field)).at(static_cast<std::size_t>(index));
}

std::string frmQuorvel::Text(Field field, int index) const {
    QWidget* control = FieldControl(field, index);
    if (IsShownLater(field)) return results_[static_cast<std::size_t>(field)][static_cast<std::size_t>(index)];
    if (KindOf(field) == FieldKind::chooser) return static_cast<QComboBox*>(control)->currentText().toStdString();
    return static_cast<QLineEdit*>(control)->text().toStdString();
}

void frmQuorvel::SetText(Field field, int index, const std::string& utf8) {
    QWidget* control = FieldControl(field, index);
    const ResultsShownAfter shown(*this);
    if (IsShownLater(field)) {
        std::string& result = results_[static_cast<std::size_t>(field)][static_cast<std::size_t>(index)];
        if (result == utf8) return;
        result = utf8;
        unshown_[static_cast<std::size_t>(field)][static_cast<std::size_t>(index)] = true;
        return;
    }
    const QString text = QString::fromStdString(utf8);
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

// A control whose text came back to what it shows is left alone.
void frmQuorvel::ShowResults() {
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        if (!IsShownLater(field)) continue;
        for (int i = 0; i < CountOf(field); ++i) {
            bool& unshown = unshown_[static_cast<std::size_t>(f)][static_cast<std::size_t>(i)];
            if (!unshown) continue;
            unshown = false;
            QWidget* control = FieldControl(field, i);
            const QString text =
                QString::fromStdString(results_[static_cast<std::size_t>(f)][static_cast<std::size_t>(i)]);
            if (TextOf(control) == text) continue;
            if (auto* label = qobject_cast<QLabel*>(control)) {
                label->setText(text);
                label->adjustSize();
            } else {
                static_cast<QLineEdit*>(control)->setText(text);
            }
        }
    }
}

std::string frmQuorvel::ListItem(Field chooser, int index, int item) const {
    return static_cast<QComboBox*>(FieldControl(chooser, index))->itemText(item).toStdString();
}

NumberLocale frmQuorvel::Locale() const { return SystemNumberLocale(); }

}  // namespace quorvel
