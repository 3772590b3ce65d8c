#include "frontend/control_name.h"
#include "ui/window_builder.h"

#include <algorithm>
#include <vector>

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "calc/units.h"
#include "frontend/window_layout.h"
#include "ui/circuit_frame.h"
#include "ui/entry_box.h"
#include "ui/quorvel_icon.h"
#include "ui/result_box.h"
#include "ui/utf8_text.h"

namespace quorvel {
namespace {

using layout::Pixels;

QString ObjectName(const layout::Control& control) { return QString::fromStdString(ControlName(control.name, control.index)); }

// Verdana is rarely installed outside Windows: the nearest sans-serif serves.
QFont FontOf(layout::Font font) {
    const layout::Typeface face = layout::TypefaceOf(font);
    QFont result(FromUtf8(layout::kFontFamily));
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(face.points);
    result.setBold(face.bold);
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

void CreateControl(QWidget& window, const layout::Control& control) {
    using layout::Kind;
    QWidget* container = control.container == layout::Container::frmQuorvel
                             ? &window
                             : window.findChild<QWidget*>(FromUtf8(layout::Frame().name), Qt::FindDirectChildrenOnly);
    const QString text = FromUtf8(control.text);
    QWidget* widget = nullptr;
    switch (control.kind) {
        case Kind::frame: {
            widget = new CircuitFrame(container);
            widget->setAutoFillBackground(true);
            Paint(widget, QPalette::Window, control.colour);
            break;
        }
        case Kind::entry: {
            auto* edit = new EntryBox(control, container);
            edit->setAlignment(AlignmentOf(control.align));
            Paint(edit, QPalette::Base, control.colour);
            widget = edit;
            break;
        }
        case Kind::result: {
            auto* box = new ResultBox(container);
            box->setAlignment(AlignmentOf(control.align));
            Paint(box, QPalette::Base, control.colour);
            // Digits and unit words need no shaping nor kerning, and a keystroke
            // rewrites and measures many boxes: their widths add up.
            QFont font = box->font();
            font.setStyleStrategy(QFont::PreferNoShaping);
            font.setKerning(false);
            box->setFont(font);
            widget = box;
            break;
        }
        case Kind::chooser: {
            auto* chooser = new QComboBox(container);
            for (const ChooserUnit& unit : ListOf(FieldNamed(ControlName(control.name, control.index))->field)) {
                chooser->addItem(FromUtf8(unit.word));
            }
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
            auto* button = new QPushButton(text, container);
            // Enter presses the focused button, as Space does; outside a
            // dialog Qt leaves that to buttons that ask for it.
            button->setAutoDefault(true);
            Paint(button, QPalette::Button, control.colour);
            widget = button;
            break;
        }
        case Kind::line:
        case Kind::dot: return;  // drawn by the frame
    }
    widget->setObjectName(ObjectName(control));
    if (!control.spoken.name.empty()) widget->setAccessibleName(FromUtf8(control.spoken.name));
    if (const std::string_view said = layout::DescriptionOf(control); !said.empty()) {
        widget->setAccessibleDescription(FromUtf8(said));
    }
    widget->setGeometry(Geometry(control));
    if (auto* label = qobject_cast<QLabel*>(widget)) FitLabel(label, control);
}

// The inputs in reading order, then the button, then the results.
void SetTabOrder(QWidget& window) {
    QWidget* previous = nullptr;
    for (const auto* control : layout::TabOrder()) {
        auto* widget = window.findChild<QWidget*>(ObjectName(*control));
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace

void BuildWindow(QWidget& window) {
    window.setObjectName(QStringLiteral("frmQuorvel"));
    window.setWindowTitle(FromUtf8(layout::kTitle));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(Pixels(layout::kClientWidth), Pixels(layout::kClientHeight));
    window.setFont(FontOf(layout::Font::window));
    window.setWindowIcon(QuorvelIcon());
    Paint(&window, QPalette::Window, layout::kBackground);

    for (const auto& control : layout::kControls) CreateControl(window, control);
    SetTabOrder(window);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

}  // namespace quorvel
