#include "ui/model/control.hpp"

#include <string>
#include <utility>

#include "ui/model/fatal.hpp"
#include "ui/model/window.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::ui {

Control::Control(Window& window, const ControlDef& definition)
    : window_(window),
      name_(definition.name),
      kind_(definition.kind),
      parent_(definition.parent),
      cursor_(definition.cursor),
      dragsWindow_(definition.dragsWindow),
      geometry_(definition.geometry),
      visible_(definition.visible),
      text_(gbk(definition.text)),
      textColor_(definition.textColor),
      font_(definition.font),
      checked_(definition.checked),
      interval_(definition.interval),
      address_(gbk(definition.address)) {}

bool Control::live() const {
    return window_.alive();
}

void Control::changed(ControlProperty property) {
    if (live()) {
        window_.model_.backend().controlChanged(window_, *this, property);
    }
}

void Control::setGeometry(Rect geometry) {
    if (!live() || geometry == geometry_) {
        return;
    }
    geometry_ = geometry;
    changed(ControlProperty::Geometry);
}

void Control::setLeft(int left) {
    setGeometry({left, geometry_.top, geometry_.width, geometry_.height});
}

void Control::setTop(int top) {
    setGeometry({geometry_.left, top, geometry_.width, geometry_.height});
}

void Control::setWidth(int width) {
    setGeometry({geometry_.left, geometry_.top, width, geometry_.height});
}

void Control::setHeight(int height) {
    setGeometry({geometry_.left, geometry_.top, geometry_.width, height});
}

void Control::setVisible(bool visible) {
    if (!live() || visible == visible_) {
        return;
    }
    visible_ = visible;
    changed(ControlProperty::Visible);
}

void Control::setText(Text text) {
    text = textFromBytes(text);
    if (!live() || text == text_) {
        return;
    }
    text_ = std::move(text);
    changed(ControlProperty::Text);
}

void Control::setImage(const std::filesystem::path& file) {
    if (!live()) {
        return;
    }
    images_[static_cast<int>(ImageSlot::Normal)] = readPicture(file);
    changed(ControlProperty::Images);
}

void Control::setImages(const std::filesystem::path& normal, const std::filesystem::path& hover,
                        const std::filesystem::path& pressed) {
    if (!live()) {
        return;
    }
    images_[static_cast<int>(ImageSlot::Normal)] = readPicture(normal);
    images_[static_cast<int>(ImageSlot::Hover)] = readPicture(hover);
    images_[static_cast<int>(ImageSlot::Pressed)] = readPicture(pressed);
    changed(ControlProperty::Images);
}

void Control::setChecked(bool checked) {
    if (!live() || checked == checked_) {
        return;
    }
    checked_ = checked;
    changed(ControlProperty::Checked);
}

void Control::setInterval(int milliseconds) {
    if (!live()) {
        return;
    }
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    changed(ControlProperty::Interval);
}

void Control::setAddress(Text address) {
    if (!live()) {
        return;
    }
    address_ = textFromBytes(address);
    changed(ControlProperty::Address);
}

Text Control::statusText(int part) const {
    if (part < 0 || static_cast<std::size_t>(part) >= statusTexts_.size()) {
        return {};
    }
    return statusTexts_[static_cast<std::size_t>(part)];
}

void Control::setStatusText(int part, Text text) {
    if (part < 0) {
        failUnknown("status bar part of " + name_, std::to_string(part));
    }
    text = textFromBytes(text);
    if (!live() || statusText(part) == text) {
        return;
    }
    auto index = static_cast<std::size_t>(part);
    if (statusTexts_.size() <= index) {
        statusTexts_.resize(index + 1);
    }
    statusTexts_[index] = std::move(text);
    changed(ControlProperty::StatusText);
}

void Control::sendToBottom() {
    if (!live()) {
        return;
    }
    window_.sendToBottom(*this);
    changed(ControlProperty::ZOrder);
}

void Control::navigate(Text address) {
    if (!live()) {
        return;
    }
    address_ = textFromBytes(address);
    window_.model_.backend().browserCommand(window_, *this, BrowserCommand::Navigate, address_);
}

void Control::goBack() {
    command(BrowserCommand::GoBack);
}

void Control::goForward() {
    command(BrowserCommand::GoForward);
}

void Control::refresh() {
    command(BrowserCommand::Refresh);
}

void Control::stop() {
    command(BrowserCommand::Stop);
}

void Control::command(BrowserCommand command) {
    if (live()) {
        window_.model_.backend().browserCommand(window_, *this, command, Text{});
    }
}

}  // namespace quillo::ui
