#include "ui/frm_quorvel.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>

#include "calc/units.h"
#include "ui/circuit_frame.h"
#include "ui/quorvel_icon.h"
#include "ui/system_locale.h"
#include "ui/typed_length_limit.h"

namespace quorvel {
namespace {

using layout::Pixels;

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "txtRs(0)" for an element of a control array, the bare name otherwise.
QString ObjectName(const layout::Control& control) {
    const QString name = FromUtf8(control.name);
    return control.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(control.index);
}

std::optional<Field> FieldNamed(std::string_view name) {
    for (int f = 0; f < kFieldCount; ++f) {
        if (NameOf(static_cast<Field>(f)) == name) return static_cast<Field>(f);
    }
    return std::nullopt;
}

// Verdana is rarely installed outside Windows: the nearest sans-serif serves.
QFont FontOf(layout::Font font) {
    QFont result(QStringLiteral("Verdana"));
    result.setStyleHint(QFont::SansSerif);
    switch (font) {
        case layout::Font::window: result.setPointSizeF(9.75); break;
        case layout::Font::caption: result.setPointSizeF(8.25); break;
        case layout::Font::signature:
            result.setPointSizeF(12);
            result.setBold(true);
            break;
    }
    return result;
}

void Paint(QWidget* widget, QPalette::ColorRole role, std::uint32_t colour) {
    if (colour == layout::kNoColour) return;
    QPalette palette = widget->palette();
    palette.setColor(role, QColor::fromRgb(colour));
    widget->setPalette(palette);
}

QRect Geometry(const layout::Control& control) {
    return {Pixels(control.left), Pixels(control.top), Pixels(control.width), Pixels(control.height)};
}

Qt::Alignment AlignmentOf(layout::Align align) {
    switch (align) {
        case layout::Align::left: return Qt::AlignLeft | Qt::AlignVCenter;
        case layout::Align::centre: return Qt::AlignHCenter | Qt::AlignVCenter;
        case layout::Align::right: return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A label is as large as its caption. Where the font differs from the one
// the layout was drawn with, the caption keeps the middle of its place
// (centred labels) or its left edge, and its vertical middle.
void FitLabel(QLabel* label, const layout::Control& control) {
    label->adjustSize();
    const QRect place = Geometry(control);
    const int left = control.align == layout::Align::centre ? place.center().x() + 1 - label->width() / 2 : place.left();
    label->move(left, place.center().y() + 1 - label->height() / 2);
}

}  // namespace

frmQuorvel::frmQuorvel(QWidget* parent)
    : QWidget(parent), platform_(*this), events_(*this, platform_), key_preview_(*this, events_, platform_) {
    setObjectName(QStringLiteral("frmQuorvel"));
    setWindowTitle(FromUtf8(layout::kTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Pixels(layout::kClientWidth), Pixels(layout::kClientHeight));
    setFont(FontOf(layout::Font::window));
    setWindowIcon(QuorvelIcon());
    Paint(this, QPalette::Window, layout::kBackground);

    for (const auto& control : layout::kControls) CreateControl(control);
    SetTabOrder();
    BindEvents();
    qApp->installEventFilter(&key_preview_);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FieldControl(Field::txtRs, 0)->setFocus();
}

void frmQuorvel::Load() { events_.Load(); }

void frmQuorvel::CreateControl(const layout::Control& control) {
    using layout::Kind;
    QWidget* container = control.container == layout::Container::window
                             ? static_cast<QWidget*>(this)
                             : findChild<QWidget*>(QStringLiteral("fraSerie"), Qt::FindDirectChildrenOnly);
    const QString text = FromUtf8(control.text);
    QWidget* widget = nullptr;
    switch (control.kind) {
        case Kind::frame: {
            widget = new CircuitFrame(container);
            widget->setAutoFillBackground(true);
            Paint(widget, QPalette::Window, control.colour);
            break;
        }
        case Kind::entry:
        case Kind::result: {
            auto* edit = new QLineEdit(text, container);
            edit->setAlignment(AlignmentOf(control.align));
            Paint(edit, QPalette::Base, control.colour);
            if (control.kind == Kind::result) {
                edit->setReadOnly(true);
                edit->setFrame(false);
            }
            if (control.max_typed > 0) edit->setValidator(new TypedLengthLimit(control.max_typed, edit));
            widget = edit;
            break;
        }
        case Kind::chooser: {
            auto* chooser = new QComboBox(container);
            const Field field = *FieldNamed(control.name);
            for (std::string_view item : ListOf(field)) chooser->addItem(FromUtf8(item));
            chooser->setCurrentIndex(-1);  // no unit until the load event picks one
            widget = chooser;
            break;
        }
        case Kind::label: {
            auto* label = new QLabel(text, container);
            label->setAlignment(AlignmentOf(control.align));
            label->setFont(FontOf(control.font));
            widget = label;
            break;
        }
        case Kind::button: {
            widget = new QPushButton(text, container);
            Paint(widget, QPalette::Button, control.colour);
            break;
        }
        case Kind::line:
        case Kind::dot: return;  // drawn by the frame
    }
    widget->setObjectName(ObjectName(control));
    widget->setGeometry(Geometry(control));
    if (auto* label = qobject_cast<QLabel*>(widget)) FitLabel(label, control);
    if (const auto field = FieldNamed(control.name)) {
        fields_[static_cast<std::size_t>(*field)][static_cast<std::size_t>(std::max(control.index, 0))] = widget;
    }
}

// The inputs in reading order, then the button, then the results.
void frmQuorvel::SetTabOrder() {
    std::vector<const layout::Control*> order;
    for (const auto& control : layout::kControls) {
        if (control.tab_index >= 0) order.push_back(&control);
    }
    std::sort(order.begin(), order.end(),
              [](const auto* a, const auto* b) { return a->tab_index < b->tab_index; });
    QWidget* previous = nullptr;
    for (const auto* control : order) {
        auto* widget = findChild<QWidget*>(ObjectName(*control));
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

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
