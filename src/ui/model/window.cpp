#include "ui/model/window.hpp"

#include <algorithm>
#include <utility>

#include "ui/model/fatal.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::ui {

std::string_view ControlRef::name() const {
    return definition_->controls[index_].name;
}

Window::Window(WindowModel& model, const WindowDef& definition, bool modal)
    : model_(model),
      definition_(definition),
      name_(definition.name),
      modal_(modal),
      title_(gbk(definition.title)),
      geometry_{definition.left, definition.top, definition.width, definition.height},
      visible_(definition.visible) {
    controls_.reserve(definition.controls.size());
    stacking_.reserve(definition.controls.size());
    for (const ControlDef& controlDef : definition.controls) {
        controls_.push_back(std::make_unique<Control>(*this, controlDef));
        stacking_.push_back(controls_.back().get());
    }
}

Control& Window::control(std::string_view name) {
    Control* found = findControl(name);
    if (found == nullptr) {
        failUnknown("control of " + name_, name);
    }
    return *found;
}

const Control& Window::control(std::string_view name) const {
    return const_cast<Window&>(*this).control(name);
}

Control& Window::control(const ControlRef& ref) {
    if (ref.definition_ != &definition_) {
        failUnknown("control of " + name_,
                    std::string(ref.definition_->name) + "/" + std::string(ref.name()));
    }
    return *controls_[ref.index_];
}

Control* Window::findControl(std::string_view name) {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [name](const std::unique_ptr<Control>& c) { return c->name() == name; });
    return it == controls_.end() ? nullptr : it->get();
}

void Window::changed(WindowProperty property) {
    if (alive_) {
        model_.backend().windowChanged(*this, property);
    }
}

void Window::setTitle(Text title) {
    title = textFromBytes(title);
    if (!alive_ || title == title_) {
        return;
    }
    title_ = std::move(title);
    changed(WindowProperty::Title);
}

void Window::setGeometry(Rect geometry) {
    if (!alive_ || geometry == geometry_) {
        return;
    }
    geometry_ = geometry;
    changed(WindowProperty::Geometry);
}

void Window::setLeft(int left) {
    setGeometry({left, geometry_.top, geometry_.width, geometry_.height});
}

void Window::setTop(int top) {
    setGeometry({geometry_.left, top, geometry_.width, geometry_.height});
}

Size Window::clientSize() const {
    return model_.backend().clientSize(*this);
}

void Window::setVisible(bool visible) {
    if (!alive_ || visible == visible_) {
        return;
    }
    visible_ = visible;
    changed(WindowProperty::Visible);
}

void Window::setState(WindowState state) {
    if (!alive_ || state == state_) {
        return;
    }
    state_ = state;
    changed(WindowProperty::State);
}

void Window::setKeepOnTop(bool keep) {
    if (!alive_ || keep == keepOnTop_) {
        return;
    }
    keepOnTop_ = keep;
    changed(WindowProperty::KeepOnTop);
}

void Window::activate() {
    if (!alive_ || !visible_) {
        return;
    }
    if (state_ == WindowState::Minimized) {
        setState(WindowState::Normal);
    }
    model_.backend().windowActivated(*this);
}

void Window::setBackgroundPicture(const std::filesystem::path& file) {
    if (!alive_) {
        return;
    }
    backgroundPicture_ = readPicture(file);
    changed(WindowProperty::BackgroundPicture);
}

void Window::popupMenu(std::string_view menuName, std::optional<Point> screenPosition) {
    const MenuDef* menu = definition_.findMenu(menuName);
    if (menu == nullptr) {
        failUnknown("menu of " + name_, menuName);
    }
    if (alive_) {
        model_.backend().popupMenu(*this, *menu, screenPosition);
    }
}

void Window::setTrayIcon(const std::filesystem::path& iconFile, const Text& tooltip) {
    if (alive_) {
        model_.backend().setTrayIcon(*this, iconFile, textFromBytes(tooltip));
    }
}

void Window::sendToBottom(Control& control) {
    auto it = std::find(stacking_.begin(), stacking_.end(), &control);
    std::rotate(stacking_.begin(), it, std::next(it));
}

}  // namespace quillo::ui
