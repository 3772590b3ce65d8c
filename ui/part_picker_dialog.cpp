#include "ui/part_picker_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include "frontend/control_name.h"
#include "frontend/resistor_drawing.h"
#include "frontend/texts.h"
#include "ui/utf8_text.h"

namespace quorvel {
namespace {

// Drawn at twice the picture's units, sharp at the screen's ratio.
constexpr double kPictureScale = 2;

QPixmap Canvas(QSizeF size, qreal ratio) {
    QPixmap pixmap((size * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A colour's swatch beside its name, outlined, so that white and the
// list's background stay apart.
QIcon Swatch(Colour colour, QSize size, qreal ratio, const QColor& outline) {
    QPixmap pixmap = Canvas(size, ratio);
    QPainter painter(&pixmap);
    painter.setPen(outline);
    painter.setBrush(QColor(FromUtf8(CodeOf(colour).swatch)));
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    return QIcon(pixmap);
}

QPixmap Picture(const std::vector<std::optional<Colour>>& drawn, qreal ratio) {
    QPixmap pixmap = Canvas(QSizeF(kPictureWidth, kPictureHeight) * kPictureScale, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kPictureScale, kPictureScale);
    for (const DrawnShape& shape : ResistorPicture(drawn)) {
        QPen pen(QColor(FromUtf8(shape.outline)));
        pen.setWidthF(0.75);
        painter.setPen(pen);
        painter.setBrush(shape.fill.empty() ? QBrush(Qt::NoBrush) : QBrush(QColor(FromUtf8(shape.fill))));
        painter.drawRect(QRectF(shape.x, shape.y, shape.width, shape.height));
    }
    return pixmap;
}

}  // namespace

PartPickerDialog::PartPickerDialog(WindowLogic& logic, int resistor, QWidget* parent)
    : QDialog(parent),
      logic_(logic),
      resistor_(resistor),
      form_(new QFormLayout(this)),
      count_(new QComboBox(this)) {
    const std::string number = std::to_string(resistor + 1);
    setObjectName(QStringLiteral("frmPartPicker"));
    setWindowTitle(FromUtf8(texts::Filled(texts::kPickerTitle, number)));
    setAttribute(Qt::WA_DeleteOnClose);

    count_->setObjectName(QStringLiteral("cboBandCount"));
    for (const int count : kBandCounts) count_->addItem(FromUtf8(BandCountText(count)));
    form_->addRow(FromUtf8(texts::kBandCount), count_);
    connect(count_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (item >= 0) Show(logic_.PickerCount(resistor_, kBandCounts[static_cast<std::size_t>(item)]));
    });
    // Tab goes through the widgets in the order they are made: the form's, top to bottom.
    for (std::size_t band = 0; band < bands_.size(); ++band) {
        auto* chooser = new QComboBox(this);
        chooser->setObjectName(QString::fromStdString(ControlName("cboBand", static_cast<int>(band))));
        form_->addRow(FromUtf8(texts::Filled(texts::kBand, std::to_string(band + 1))), chooser);
        // Its first item is "no colour yet".
        connect(chooser, &QComboBox::currentIndexChanged, this, [this, band](int item) {
            Show(logic_.PickerPicked(resistor_, static_cast<int>(band), item - 1));
        });
        bands_[band] = chooser;
    }
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("lblPicture"));
    picture_->setAlignment(Qt::AlignCenter);
    form_->addRow(picture_);
    code_ = new QLineEdit(this);
    code_->setObjectName(QStringLiteral("txtCode"));
    form_->addRow(FromUtf8(texts::kSmdCode), code_);
    connect(code_, &QLineEdit::textEdited, this,
            [this](const QString& code) { Show(logic_.PickerCode(resistor_, code.toStdString())); });
    read_ = new QLabel(this);
    read_->setObjectName(QStringLiteral("lblValue"));
    read_->setTextFormat(Qt::PlainText);  // it may quote the code typed
    // Why a code does not read is a sentence: it wraps within the width the choosers give.
    read_->setWordWrap(true);
    read_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    form_->addRow(FromUtf8(texts::kPickedValue), read_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
    ok->setText(FromUtf8(texts::kReportButton));
    ok->setAccessibleDescription(FromUtf8(texts::Filled(texts::kPutInto, number)));
    buttons_->button(QDialogButtonBox::Cancel)->setText(FromUtf8(texts::kCancel));
    form_->addRow(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        logic_.PickerTaken(resistor_);
        accept();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    Show(logic_.PickerOpened(resistor_));
}

// Each chooser's items are written again only where the band offers other
// colours, so that a list being looked through stays as it is.
void PartPickerDialog::Show(const PickerState& state) {
    {
        const QSignalBlocker quiet(count_);
        count_->setCurrentIndex(BandCountItem(state.count));
    }
    const QColor outline = palette().color(QPalette::WindowText);
    for (std::size_t band = 0; band < bands_.size(); ++band) {
        QComboBox* chooser = bands_[band];
        form_->setRowVisible(chooser, band < state.bands.size());
        if (band >= state.bands.size()) continue;
        const PickerBand& shown = state.bands[band];
        const QSignalBlocker quiet(chooser);
        if (offered_[band] != shown.offered) {
            chooser->clear();
            // A blank in the swatch's place, so that every name stands at one edge.
            chooser->addItem(QIcon(Canvas(chooser->iconSize(), devicePixelRatioF())), FromUtf8(texts::kNoColour));
            for (const Colour colour : shown.offered) {
                chooser->addItem(Swatch(colour, chooser->iconSize(), devicePixelRatioF(), outline),
                                 FromUtf8(CodeOf(colour).name));
            }
            offered_[band] = shown.offered;
        }
        chooser->setCurrentIndex(shown.picked + 1);
    }
    picture_->setPixmap(Picture(state.drawn, devicePixelRatioF()));
    picture_->setAccessibleName(QString::fromStdString(ResistorNames(state.drawn)));
    if (code_->text().toStdString() != state.code) code_->setText(QString::fromStdString(state.code));
    read_->setText(QString::fromStdString(state.read));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(state.value.has_value());
    adjustSize();  // as tall as the band set and the lines of the value
}

}  // namespace quorvel
