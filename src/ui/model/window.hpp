#pragma once

#include <any>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.hpp"
#include "ui/model/control.hpp"
#include "ui/model/geometry.hpp"
#include "ui/model/picture.hpp"
#include "ui/model/window_definition.hpp"

namespace quillo::ui {

class WindowModel;

enum class WindowState { Normal, Minimized, Maximized };

// A control of a window definition, resolved from its stored name once, when
// a behaviour binds (WindowModel::resolve): reaching it in a live window of
// that definition is an index, with no search by name.
class ControlRef {
public:
    // The control's stored name.
    std::string_view name() const;

private:
    friend class WindowModel;
    friend class Window;
    ControlRef(const WindowDef& definition, std::size_t index)
        : definition_(&definition), index_(index) {}

    const WindowDef* definition_;
    std::size_t index_;
};

// A live window created from its definition. Controls are addressed by their
// stored names. Setters change nothing once the window is destroyed; they
// tell the backend only when the value changes. Texts are cut at their first
// zero byte.
class Window {
public:
    Window(WindowModel& model, const WindowDef& definition, bool modal);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    const WindowDef& definition() const { return definition_; }
    bool modal() const { return modal_; }
    // False once the window has been destroyed; every setter is then inert.
    bool alive() const { return alive_; }

    // The control of that stored name. An unknown name is a programming
    // error and aborts with its name.
    Control& control(std::string_view name);
    const Control& control(std::string_view name) const;
    Control* findControl(std::string_view name);
    // The resolved control; one resolved for another window's definition is
    // a programming error and aborts with both names.
    Control& control(const ControlRef& ref);
    // In definition order.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // Stacking order, bottom first: definition order until a control is sent
    // to the bottom.
    const std::vector<Control*>& stackingOrder() const { return stacking_; }

    const Text& title() const { return title_; }
    void setTitle(Text title);

    Rect geometry() const { return geometry_; }
    void setGeometry(Rect geometry);
    void move(int left, int top, int width, int height) { setGeometry({left, top, width, height}); }
    void setLeft(int left);
    void setTop(int top);
    int left() const { return geometry_.left; }
    int top() const { return geometry_.top; }

    // Width and height of the area inside the (absent) frame, as the backend
    // reports it.
    Size clientSize() const;

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    WindowState state() const { return state_; }
    void setState(WindowState state);

    bool keepOnTop() const { return keepOnTop_; }
    void setKeepOnTop(bool keep);
    // Brings the shown window to the front with the keyboard focus, restored
    // if minimised; every call asks the backend anew. Inert on a destroyed
    // or hidden window.
    void activate();

    std::optional<Color> background() const { return definition_.background; }

    // The picture painted as the window's background, under its controls
    // and over its background colour. Each call reads the file anew and
    // tells the backend; an unreadable file gives an empty picture that
    // keeps its path. A window starts without one.
    const Picture& backgroundPicture() const { return backgroundPicture_; }
    void setBackgroundPicture(const std::filesystem::path& file);

    // Pops up one of the window's menus by its name, at the pointer or at a
    // screen position. An unknown menu name aborts; on a destroyed window
    // nothing pops up.
    void popupMenu(std::string_view menuName, std::optional<Point> screenPosition = std::nullopt);

    // Shows the tray icon of this window.
    void setTrayIcon(const std::filesystem::path& iconFile, const Text& tooltip);

    // What the opener handed the window when it loaded it
    // (WindowModel::loadAt with an argument), for its created event and
    // later handlers: null when it was loaded without one or with one of
    // another type. Fixed at creation: loading an open window leaves it.
    template <typename T>
    const T* argument() const {
        return std::any_cast<T>(&argument_);
    }

private:
    friend class WindowModel;
    friend class Control;
    void changed(WindowProperty property);
    void sendToBottom(Control& control);

    WindowModel& model_;
    const WindowDef& definition_;
    std::string name_;
    bool modal_;
    bool alive_ = true;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> stacking_;
    Text title_;
    Rect geometry_;
    bool visible_;
    WindowState state_ = WindowState::Normal;
    bool keepOnTop_ = false;
    Picture backgroundPicture_;
    std::any argument_;
};

}  // namespace quillo::ui
