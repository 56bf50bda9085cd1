#include "platform/qt/control_properties.hpp"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

#include "platform/qt/browser_view.hpp"
#include "platform/qt/image_button.hpp"
#include "platform/qt/picture_box.hpp"
#include "platform/qt/qt_text.hpp"

namespace quillo::qt {
namespace {

constexpr int kDefaultFontHeight = 12;
// The smallest pixel height a one-line label's font shrinks to.
constexpr int kSmallestFittedFontHeight = 9;

QFont fontOf(const ui::Control& control, QFont font) {
    const std::optional<ui::Font> defined = control.font();
    font.setPixelSize(defined && defined->height > 0 ? defined->height : kDefaultFontHeight);
    if (defined) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(defined->weight, 100, 900)));
    }
    return font;
}

bool holdsTwoLines(const QLabel& label, const QFont& font) {
    return label.height() >= 2 * QFontMetrics(font).height();
}

// Labels tall enough for two lines wrap their text; one-line labels keep
// it on their one line. A transparent label's one line takes a smaller font
// where the defined one would cut the text off: the layout was drawn for
// narrower fonts than most desktops have.
void fitText(QWidget& widget, const ui::Control& control) {
    auto* label = qobject_cast<QLabel*>(&widget);
    if (label == nullptr) {
        return;
    }
    if (control.kind() == ui::ControlKind::TransparentLabel) {
        QFont font = fontOf(control, label->font());
        if (!holdsTwoLines(*label, font)) {
            while (font.pixelSize() > kSmallestFittedFontHeight &&
                   QFontMetrics(font).horizontalAdvance(label->text()) > label->width()) {
                font.setPixelSize(font.pixelSize() - 1);
            }
        }
        label->setFont(font);
    }
    label->setWordWrap(holdsTwoLines(*label, label->font()));
}

}  // namespace

void applyControlProperty(QWidget& widget, const ui::Control& control,
                          ui::ControlProperty property) {
    switch (property) {
        case ui::ControlProperty::Geometry:
            widget.setGeometry(toQRect(control.geometry()));
            break;
        case ui::ControlProperty::Visible:
            widget.setVisible(control.visible());
            break;
        case ui::ControlProperty::Text:
            if (auto* label = qobject_cast<QLabel*>(&widget)) {
                label->setText(displayText(control.text()));
            } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
                button->setText(displayText(control.text()));
            }
            break;
        case ui::ControlProperty::TextColor:
            if (const std::optional<ui::Color> colour = control.textColor()) {
                QPalette colours = widget.palette();
                colours.setColor(QPalette::WindowText, toQColor(*colour));
                colours.setColor(QPalette::ButtonText, toQColor(*colour));
                widget.setPalette(colours);
            }
            break;
        case ui::ControlProperty::Font:
            if (control.kind() == ui::ControlKind::TransparentLabel || control.font()) {
                widget.setFont(fontOf(control, widget.font()));
            }
            break;
        case ui::ControlProperty::Images:
            if (auto* box = dynamic_cast<PictureBox*>(&widget)) {
                box->setPicture(pixmapOf(control.image(ui::ImageSlot::Normal)));
            } else if (auto* button = dynamic_cast<ImageButton*>(&widget)) {
                button->setPictures(pixmapOf(control.image(ui::ImageSlot::Normal)),
                                    pixmapOf(control.image(ui::ImageSlot::Hover)),
                                    pixmapOf(control.image(ui::ImageSlot::Pressed)));
            }
            break;
        case ui::ControlProperty::Checked:
            if (auto* box = qobject_cast<QCheckBox*>(&widget)) {
                const QSignalBlocker quiet(box);
                box->setChecked(control.checked());
            }
            break;
        case ui::ControlProperty::Address:
            if (auto* view = dynamic_cast<BrowserView*>(&widget)) {
                // The hypertext view box shows no script dialogs at all.
                view->navigate(
                    control.address(),
                    control.silent() || control.kind() == ui::ControlKind::HypertextView);
            }
            break;
        case ui::ControlProperty::ZOrder:
            widget.lower();
            break;
        case ui::ControlProperty::Interval:
        case ui::ControlProperty::StatusText:
            break;
    }
    if (property == ui::ControlProperty::Geometry || property == ui::ControlProperty::Font ||
        property == ui::ControlProperty::Text) {
        fitText(widget, control);
    }
}

}  // namespace quillo::qt
