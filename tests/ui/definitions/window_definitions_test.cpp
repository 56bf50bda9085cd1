#include "ui/definitions/window_definitions.hpp"

#include "ui/definitions/app_window.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/dialog_layout.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/player_window.hpp"
#include "ui/definitions/skinned_frame.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.hpp"

namespace quillo::ui {
namespace {

const WindowDef& window(std::string_view name) {
    const WindowDef* definition = findWindowDefinition(name);
    EXPECT_NE(definition, nullptr) << name;
    if (definition == nullptr) {
        static const WindowDef kNone;
        return kNone;
    }
    return *definition;
}

const ControlDef* control(std::string_view windowName, std::string_view controlName) {
    const ControlDef* found = window(windowName).findControl(controlName);
    EXPECT_NE(found, nullptr) << windowName << " / " << controlName;
    return found;
}

// Converts to GBK (aborting on an unrepresentable character) and back.
void expectGbkRoundTrip(std::string_view utf8, std::string_view where) {
    EXPECT_EQ(utf8FromGbk(gbk(utf8)), utf8) << where;
}

TEST(WindowCatalogue, FindsEveryWindowByItsNameAndNothingElse) {
    std::set<std::string_view> names;
    for (const WindowDef& definition : allWindowDefinitions()) {
        EXPECT_EQ(findWindowDefinition(definition.name), &definition);
        names.insert(definition.name);
    }
    EXPECT_EQ(names, (std::set<std::string_view>{kMainWindow, kPlayerWindow, kColumnWindow,
                                                 kAppWindow, kPopUnderWindow, kCornerPopupWindow,
                                                 kExitPopupWindow, kSettingsWindow, kAboutWindow}));
    EXPECT_EQ(allWindowDefinitions().front().name, kMainWindow);
    EXPECT_EQ(findWindowDefinition("mainwindow"), nullptr);
    EXPECT_EQ(findWindowDefinition(""), nullptr);
}

TEST(WindowCatalogue, OnlyTheMainWindowEndsTheProgramAndOnlyTitleBarsDragTheirWindow) {
    for (const WindowDef& definition : allWindowDefinitions()) {
        EXPECT_EQ(definition.endsProgram, definition.name == kMainWindow) << definition.name;
        for (const ControlDef& c : definition.controls) {
            EXPECT_EQ(c.dragsWindow, c.name == skinned_frame::kTitleBar)
                << definition.name << " / " << c.name;
        }
    }
}

// Checks that hold for every window.
class EveryWindow : public testing::TestWithParam<std::string_view> {};

TEST_P(EveryWindow, ControlNamesAreUniqueAndParentsAreContainersOfTheSameWindow) {
    const WindowDef& w = window(GetParam());
    ASSERT_FALSE(w.controls.empty());
    std::set<std::string_view> names;
    for (const ControlDef& c : w.controls) {
        EXPECT_FALSE(c.name.empty());
        EXPECT_TRUE(names.insert(c.name).second) << "duplicate " << c.name;
    }
    for (const ControlDef& c : w.controls) {
        if (c.parent.empty()) {
            continue;
        }
        const ControlDef* parent = w.findControl(c.parent);
        ASSERT_NE(parent, nullptr) << c.name << " in missing " << c.parent;
        EXPECT_EQ(parent->kind, ControlKind::PictureBox) << c.name;
        EXPECT_TRUE(parent->parent.empty()) << "nested container for " << c.name;
    }
}

TEST_P(EveryWindow, EveryNameCaptionAndTextConvertsToGbk) {
    const WindowDef& w = window(GetParam());
    expectGbkRoundTrip(w.title, w.name);
    for (const ControlDef& c : w.controls) {
        expectGbkRoundTrip(c.name, c.name);
        expectGbkRoundTrip(c.text, c.name);
        expectGbkRoundTrip(c.address, c.name);
    }
    for (const MenuDef& menu : w.menus) {
        expectGbkRoundTrip(menu.name, menu.name);
        for (const MenuItemDef& item : menu.items) {
            expectGbkRoundTrip(item.caption, menu.name);
        }
    }
    if (w.menuSkin) {
        expectGbkRoundTrip(w.menuSkin->name, w.name);
    }
}

TEST_P(EveryWindow, TimersAreInvisibleAndOtherControlsHaveASize) {
    for (const ControlDef& c : window(GetParam()).controls) {
        if (c.kind == ControlKind::Timer) {
            EXPECT_FALSE(c.visible) << c.name;
            EXPECT_GE(c.interval, 0) << c.name;
        } else if (c.kind != ControlKind::PlainLabel) {
            EXPECT_GT(c.geometry.width, 0) << c.name;
            EXPECT_GT(c.geometry.height, 0) << c.name;
            EXPECT_EQ(c.interval, 0) << c.name;
        }
    }
}

// A screen reader can name every picture button in each language, and every
// check box by a label of its window that shows text.
TEST_P(EveryWindow, PictureButtonsAndCheckBoxesHaveSpokenNames) {
    const WindowDef& w = window(GetParam());
    for (const ControlDef& c : w.controls) {
        if (c.kind == ControlKind::ImageButton) {
            for (SpokenLanguage language : {SpokenLanguage::Simplified, SpokenLanguage::Traditional,
                                            SpokenLanguage::English}) {
                EXPECT_FALSE(c.spoken.in(language).empty()) << w.name << " / " << c.name;
                expectGbkRoundTrip(c.spoken.in(language), c.name);
            }
        }
        if (c.kind == ControlKind::CheckBox) {
            const ControlDef* label = w.findControl(c.labelledBy);
            ASSERT_NE(label, nullptr) << w.name << " / " << c.name;
            EXPECT_EQ(label->kind, ControlKind::TransparentLabel) << c.name;
            EXPECT_FALSE(label->text.empty()) << c.name;
        }
    }
    const ControlDef* close = w.findControl(skinned_frame::kCloseButton);
    if (close != nullptr && close->kind == ControlKind::ImageButton) {
        EXPECT_EQ(close->spoken.english, "Close") << w.name;
        EXPECT_EQ(close->spoken.simplified, "关闭") << w.name;
    }
}

// The window manager's close clicks the window's own close button; in the
// two dialogs Escape is Cancel and Enter is Confirm. Other windows take no
// keys.
TEST_P(EveryWindow, WindowManagerCloseAndKeysClickImageButtonsOfTheWindow) {
    const WindowDef& w = window(GetParam());
    const bool dialog = w.name == kSettingsWindow || w.name == kAboutWindow;
    const std::string_view expected[] = {w.closeControl, w.escapeControl, w.enterControl};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const std::string_view control = expected[i];
        if (i > 0 && !dialog) {
            EXPECT_TRUE(control.empty()) << control;
            continue;
        }
        const ControlDef* button = w.findControl(control);
        ASSERT_NE(button, nullptr) << "'" << control << "'";
        EXPECT_EQ(button->kind, ControlKind::ImageButton) << control;
    }
    if (dialog) {
        EXPECT_EQ(w.escapeControl, options_dialog::kCancelButton);
        EXPECT_EQ(w.enterControl, options_dialog::kConfirmButton);
    }
}

// Where a control lies in its window's client area: a title bar's children
// are placed relative to it.
Rect placeInWindow(const WindowDef& w, const ControlDef& c) {
    Rect place = c.geometry;
    if (const ControlDef* parent = w.findControl(c.parent); parent != nullptr) {
        place.left += parent->geometry.left;
        place.top += parent->geometry.top;
    }
    return place;
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

std::string describe(const Rect& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.width) + ", " + std::to_string(r.height) + "}";
}

// Every control lies inside its window, and a title bar's children inside
// the title bar. Some controls stand out of a window by design: the
// frame pictures (title bar, edges), which keep the design's sizes and are
// clipped by the window, but start inside it; and a pop-up's page view,
// which overhangs every edge by the same two pixels so that the page's
// border never shows.
TEST_P(EveryWindow, EveryControlLiesInsideItsWindowAndItsParent) {
    const WindowDef& w = window(GetParam());
    const Rect client{0, 0, w.width, w.height};
    constexpr int kHiddenBorder = 2;
    for (const ControlDef& c : w.controls) {
        if (c.kind == ControlKind::Timer || c.kind == ControlKind::PlainLabel) {
            continue;
        }
        if (const ControlDef* parent = w.findControl(c.parent); parent != nullptr) {
            EXPECT_TRUE(
                inside(c.geometry, Rect{0, 0, parent->geometry.width, parent->geometry.height}))
                << w.name << " / " << c.name << " at " << describe(c.geometry) << " outside "
                << c.parent;
        }
        const Rect place = placeInWindow(w, c);
        if (inside(place, client)) {
            continue;
        }
        const bool clippedFramePicture = c.kind == ControlKind::PictureBox && c.parent.empty() &&
                                         place.left >= 0 && place.top >= 0 &&
                                         place.left < w.width && place.top < w.height;
        const bool borderlessView =
            place == Rect{-kHiddenBorder, -kHiddenBorder, w.width + 2 * kHiddenBorder,
                          w.height + 2 * kHiddenBorder};
        // The corner pop-up's close button, as designed, reaches 3 pixels
        // past the window's right edge, which cuts off only its picture's
        // frame line.
        const bool cornerCloseButton = w.name == kCornerPopupWindow &&
                                       c.kind == ControlKind::ImageButton &&
                                       place.left + place.width - w.width == 3;
        EXPECT_TRUE(clippedFramePicture || borderlessView || cornerCloseButton)
            << w.name << " / " << c.name << " at " << describe(place) << " outside the window's "
            << w.width << " x " << w.height;
    }
}

// The controls of a title bar that can show at once (the visible ones and
// the text advertisement, which shows when the server asks for it) never
// cover one another; only the player's second maximize button lies on the
// first by design.
TEST_P(EveryWindow, TitleBarControlsThatShowTogetherNeverOverlap) {
    const WindowDef& w = window(GetParam());
    const std::set<std::string_view> textAdverts{
        main_window::kTextAdvert, player_window::kTextAdvert, column_window::kTextAdvert,
        app_window::kTextAdvert};
    std::vector<const ControlDef*> shown;
    for (const ControlDef& c : w.controls) {
        const bool textAdvert = textAdverts.contains(c.name);
        if (c.parent == skinned_frame::kTitleBar && (c.visible || textAdvert) &&
            c.name != player_window::kUpperMaximizeButton) {
            shown.push_back(&c);
        }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(overlap(shown[i]->geometry, shown[j]->geometry))
                << w.name << ": " << shown[i]->name << " " << describe(shown[i]->geometry)
                << " and " << shown[j]->name << " " << describe(shown[j]->geometry);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, EveryWindow,
                         testing::Values(kMainWindow, kPlayerWindow, kColumnWindow, kAppWindow,
                                         kPopUnderWindow, kCornerPopupWindow, kExitPopupWindow,
                                         kSettingsWindow, kAboutWindow));

// The caption buttons of the browser windows and the pop-under keep one
// distance from the window's right edge each, so that they stand in the same
// place in every window of the same size and at the right end of a narrower
// one; the main window's stand where its maximize toggle lays them out.
TEST(SkinnedFrames, CaptionButtonsKeepTheirDistanceFromTheRightEdge) {
    const std::string_view buttons[] = {
        skinned_frame::kOptionsButton, skinned_frame::kMinimizeButton,
        skinned_frame::kMaximizeButton, skinned_frame::kCloseButton};
    const WindowDef& reference = window(kAppWindow);
    for (std::string_view name : {kPlayerWindow, kColumnWindow, kPopUnderWindow}) {
        const WindowDef& w = window(name);
        for (std::string_view button : buttons) {
            const ControlDef* here = w.findControl(button);
            if (here == nullptr && name == kPopUnderWindow) {
                continue;  // the pop-under has only its close button
            }
            ASSERT_NE(here, nullptr) << name << " / " << button;
            const ControlDef* there = reference.findControl(button);
            ASSERT_NE(there, nullptr) << button;
            EXPECT_EQ(w.width - here->geometry.left, reference.width - there->geometry.left)
                << name << " / " << button;
            EXPECT_EQ(here->geometry.top, there->geometry.top) << name << " / " << button;
        }
    }
    const WindowDef& pop = window(kPopUnderWindow);
    const ControlDef* popClose = pop.findControl(pop.closeControl);
    ASSERT_NE(popClose, nullptr);
    EXPECT_EQ(pop.width - popClose->geometry.left,
              reference.width - reference.findControl(skinned_frame::kCloseButton)->geometry.left);

    const WindowDef& main = window(kMainWindow);
    const int fromRight[] = {
        skinned_frame::kOptionsButtonFromRight, skinned_frame::kMinimizeButtonFromRight,
        skinned_frame::kMaximizeButtonFromRight, skinned_frame::kCloseButtonFromRight};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const ControlDef* button = main.findControl(buttons[i]);
        ASSERT_NE(button, nullptr) << buttons[i];
        EXPECT_EQ(main.width - button->geometry.left, fromRight[i]) << buttons[i];
        EXPECT_EQ(button->geometry.top, skinned_frame::kCaptionTop) << buttons[i];
    }
}

// The text advertisement line of the four windows that have one: hidden
// until the server fills it, clickable, at one place in the title bar in
// every window, after the title (and the main window's column labels) and
// before the caption buttons.
TEST(TextAdvertisements, StartHiddenAtOnePlaceBetweenTheTitleAndTheButtons) {
    const struct {
        std::string_view window;
        std::string_view label;
    } lines[] = {{kMainWindow, main_window::kTextAdvert},
                 {kPlayerWindow, player_window::kTextAdvert},
                 {kColumnWindow, column_window::kTextAdvert},
                 {kAppWindow, app_window::kTextAdvert}};
    const ControlDef* first = control(lines[0].window, lines[0].label);
    ASSERT_NE(first, nullptr);
    for (const auto& line : lines) {
        const WindowDef& w = window(line.window);
        const ControlDef* label = control(line.window, line.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->kind, ControlKind::TransparentLabel) << line.label;
        EXPECT_EQ(label->parent, skinned_frame::kTitleBar) << line.label;
        EXPECT_FALSE(label->visible) << line.label;
        EXPECT_EQ(label->cursor, Cursor::Hand) << line.label;
        EXPECT_EQ(label->textColor, first->textColor) << line.label;
        EXPECT_EQ(label->geometry.left, first->geometry.left) << line.label;
        EXPECT_EQ(label->geometry.top, first->geometry.top) << line.label;
        const int right = label->geometry.left + label->geometry.width;
        for (const ControlDef& c : w.controls) {
            if (c.parent != skinned_frame::kTitleBar || !c.visible || &c == label) {
                continue;
            }
            const bool button = c.kind == ControlKind::ImageButton;
            if (button) {
                EXPECT_LE(right, c.geometry.left) << line.label << " reaches " << c.name;
            } else {
                EXPECT_LE(c.geometry.left + c.geometry.width, label->geometry.left)
                    << c.name << " reaches " << line.label;
            }
        }
    }
}

// The browsers come after the frame pictures in stacking order (first at
// the bottom), which is what the maximize toggles undo by sending the
// browser to the bottom.
TEST(StackingOrder, BrowsersLieAboveTheFramePictures) {
    const struct {
        std::string_view window;
        std::string_view browser;
        std::string_view bottomEdge;
    } cases[] = {{kMainWindow, "WebBrowser1", "图片框1"},
                 {kPlayerWindow, "WebBrowser10", "footpic"},
                 {kColumnWindow, "WebBrowser1", "footpic"},
                 {kAppWindow, "WebBrowser1", "footpic"},
                 {kPopUnderWindow, "超文本界面框1", "footpic"}};
    for (const auto& c : cases) {
        const WindowDef& w = window(c.window);
        const ControlDef* browser = w.findControl(c.browser);
        ASSERT_NE(browser, nullptr) << c.window;
        for (std::string_view frame : {std::string_view("toppic"), std::string_view("leftpic"),
                                       std::string_view("rightpic"), c.bottomEdge}) {
            const ControlDef* picture = w.findControl(frame);
            ASSERT_NE(picture, nullptr) << c.window << " / " << frame;
            EXPECT_LT(picture, browser) << c.window << ": " << frame << " above " << c.browser;
        }
    }
}

}  // namespace
}  // namespace quillo::ui
