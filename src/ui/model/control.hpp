#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/text.hpp"
#include "ui/model/backend.hpp"
#include "ui/model/geometry.hpp"
#include "ui/model/picture.hpp"
#include "ui/model/window_definition.hpp"

namespace quillo::ui {

class Window;

enum class ImageSlot { Normal = 0, Hover = 1, Pressed = 2 };

// A live control of an open window. Setters change the model and tell the
// backend; on a destroyed window they change nothing. Property setters
// (geometry, visible, text, checked, status texts) tell the backend only when
// the value changes; the setters that act (images, interval, address, z-order,
// browser operations) tell it on every call. Texts are cut at their first
// zero byte.
class Control {
public:
    Control(Window& window, const ControlDef& definition);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    const std::string& parentName() const { return parent_; }
    Cursor cursor() const { return cursor_; }
    // Dragging it with the left button moves the window (a title bar).
    bool dragsWindow() const { return dragsWindow_; }
    Window& window() const { return window_; }

    Rect geometry() const { return geometry_; }
    void setGeometry(Rect geometry);
    void move(int left, int top, int width, int height) { setGeometry({left, top, width, height}); }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    const Text& text() const { return text_; }
    void setText(Text text);
    std::optional<Color> textColor() const { return textColor_; }
    std::optional<Font> font() const { return font_; }

    // Picture boxes use the normal slot; image buttons use all three.
    // Each call reads the file anew; an unreadable file gives an empty
    // picture that keeps its path.
    void setImage(const std::filesystem::path& file);
    void setImages(const std::filesystem::path& normal, const std::filesystem::path& hover,
                   const std::filesystem::path& pressed);
    const Picture& image(ImageSlot slot = ImageSlot::Normal) const {
        return images_[static_cast<int>(slot)];
    }

    bool checked() const { return checked_; }
    void setChecked(bool checked);

    // Timers: 0 stops the timer; any other value (re)starts it, the same
    // value included. A negative value counts as 0.
    int interval() const { return interval_; }
    void setInterval(int milliseconds);

    // Hypertext view box: setting the address navigates.
    // Browser: the last address navigated to.
    const Text& address() const { return address_; }
    void setAddress(Text address);

    // Status bar parts, from 0; a part never set reads empty. Setting a
    // negative part aborts.
    Text statusText(int part) const;
    void setStatusText(int part, Text text);

    // Sends the control beneath its siblings.
    void sendToBottom();

    // Browser operations.
    bool silent() const { return silent_; }
    void setSilent(bool silent) { silent_ = silent; }
    void navigate(Text address);
    void goBack();
    void goForward();
    void refresh();
    void stop();

private:
    bool live() const;
    void changed(ControlProperty property);
    void command(BrowserCommand command);

    Window& window_;
    std::string name_;
    ControlKind kind_;
    std::string parent_;
    Cursor cursor_;
    bool dragsWindow_;
    Rect geometry_;
    bool visible_;
    Text text_;
    std::optional<Color> textColor_;
    std::optional<Font> font_;
    std::array<Picture, 3> images_;
    bool checked_;
    int interval_;
    Text address_;
    std::vector<Text> statusTexts_;
    bool silent_ = false;
};

}  // namespace quillo::ui
