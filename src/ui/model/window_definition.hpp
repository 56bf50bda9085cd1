#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/model/geometry.hpp"

// Windows as data. Names and texts in definitions are UTF-8 source literals;
// the model converts texts to GBK when it creates a window from them.
namespace quillo::ui {

enum class ControlKind {
    PictureBox,        // shows an image; a title bar also contains other controls
    ImageButton,       // drawn from normal / hover / pressed images
    TransparentLabel,  // text without background
    PlainLabel,        // hidden design-time labels without behaviour
    CheckBox,          // 13x13 box, no caption of its own
    PushButton,
    Timer,  // invisible; interval 0 means stopped
    StatusBar,
    Browser,        // the embedded web browser
    HypertextView,  // the lighter HTML view with an address property
};

enum class Cursor { Arrow, Hand };

// The languages a screen reader names the controls in.
enum class SpokenLanguage { Simplified, Traditional, English };

// What a screen reader says for a control that shows a picture instead of a
// text (a caption button, a dialog's picture button), in each language.
struct SpokenName {
    std::string_view simplified{};
    std::string_view traditional{};
    std::string_view english{};

    std::string_view in(SpokenLanguage language) const {
        switch (language) {
            case SpokenLanguage::Traditional:
                return traditional;
            case SpokenLanguage::English:
                return english;
            case SpokenLanguage::Simplified:
                break;
        }
        return simplified;
    }
};

struct ControlDef {
    ControlKind kind = ControlKind::PictureBox;
    std::string_view name{};    // stored name, unique within the window
    std::string_view parent{};  // empty: the window; else a container's name
    Rect geometry{};            // relative to the parent's client area
    bool visible = true;
    Cursor cursor = Cursor::Arrow;
    std::string_view text{};  // stored text (labels, push buttons)
    std::optional<Color> textColor{};
    std::optional<Font> font{};
    int interval = 0;            // timers, milliseconds
    std::string_view address{};  // start address of browsers and views
    bool checked = false;        // check boxes
    bool dragsWindow = false;    // pressing and dragging it moves the window (title bars)
    // Its click is never held: it takes effect at once, also while a handler
    // waits on a request (see WindowModel). The window's closeControl is so
    // without saying.
    bool atOnce = false;
    // For screen readers: a picture's name, or the label (a control of the
    // same window) whose text names a check box. Labels and push buttons
    // are named by the text they show.
    SpokenName spoken{};
    std::string_view labelledBy{};
};

// One item of a pop-up menu. The menu's root item is not listed: its caption
// is the menu's name.
struct MenuItemDef {
    std::string_view caption{};  // "-" is a separator
    int level = 1;               // 1: item of the menu; 2: item of the submenu above
    bool submenuHead = false;    // a level-1 item that heads the level-2 items after it
    int icon = -1;               // index 0 or 1 of the menu skin's icons, -1 none
    std::string_view action{};   // name of the bound behaviour, empty when none
    // Never held: chosen while a handler waits on a request, it takes effect
    // at once (Quit).
    bool atOnce = false;
};

struct MenuDef {
    std::string_view name{};  // caption of the root item
    std::vector<MenuItemDef> items{};
};

// Paints every pop-up menu of its window.
struct MenuSkinDef {
    std::string_view name{};
    std::array<Color, 10> colors{};
    int fontHeight = 12;
    int fontWeight = 400;
};

// How a window stands among the user's windows on the desktop.
enum class WindowRole {
    Standard,  // in the task bar; comes to the front with the keyboard focus when it opens
    PopUp,     // a small advertisement: never takes the keyboard focus, not in the task bar
    PopUnder,  // in the task bar; opens beneath the window in use without taking the focus
};

struct WindowDef {
    std::string_view name{};
    int width = 0;
    int height = 0;
    int left = 50;
    int top = 50;
    std::string_view title{};
    std::optional<Color> background{};  // none: the default window colour
    bool visible = true;
    bool ownIcon = false;
    // Destroying this window destroys every other window and ends the program.
    bool endsProgram = false;
    WindowRole role = WindowRole::Standard;
    std::vector<ControlDef> controls{};  // in stacking order, first at the bottom
    std::vector<MenuDef> menus{};
    std::optional<MenuSkinDef> menuSkin{};
    // What the window manager and the keyboard stand for: the window
    // manager's close (Alt+F4, the title-bar menu) clicks closeControl;
    // Escape clicks escapeControl and Enter enterControl. Empty: nothing.
    std::string_view closeControl{};
    std::string_view escapeControl{};
    std::string_view enterControl{};

    const ControlDef* findControl(std::string_view controlName) const;
    const MenuDef* findMenu(std::string_view menuName) const;
};

}  // namespace quillo::ui
