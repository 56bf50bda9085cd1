#include "ui/definitions/window_definitions.hpp"

#include "ui/definitions/dialog_layout.hpp"
#include "ui/definitions/skinned_frame.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

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

constexpr Color kWhite{0xFF, 0xFF, 0xFF};

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

INSTANTIATE_TEST_SUITE_P(AllWindows, EveryWindow,
                         testing::Values(kMainWindow, kPlayerWindow, kColumnWindow, kAppWindow,
                                         kPopUnderWindow, kCornerPopupWindow, kExitPopupWindow,
                                         kSettingsWindow, kAboutWindow));

// Places that behaviours move controls from or back to.
struct PlaceCase {
    std::string_view window;
    std::string_view control;
    ControlKind kind;
    std::string_view parent;
    Rect geometry;
    bool visible;
    Cursor cursor;
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.window << " / " << c.control;
}

class ControlPlace : public testing::TestWithParam<PlaceCase> {};

TEST_P(ControlPlace, IsStoredAsDesigned) {
    const PlaceCase& c = GetParam();
    const ControlDef* found = control(c.window, c.control);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->kind, c.kind);
    EXPECT_EQ(found->parent, c.parent);
    EXPECT_EQ(found->geometry, c.geometry);
    EXPECT_EQ(found->visible, c.visible);
    EXPECT_EQ(found->cursor, c.cursor);
}

using K = ControlKind;
constexpr Cursor kHand = Cursor::Hand;
constexpr Cursor kArrow = Cursor::Arrow;

INSTANTIATE_TEST_SUITE_P(
    SpotChecks, ControlPlace,
    testing::Values(
        PlaceCase{kMainWindow, "toppic", K::PictureBox, "", {0, 0, 984, 30}, true, kArrow},
        PlaceCase{kMainWindow, "选项按钮", K::ImageButton, "toppic", {847, 4, 44, 26}, true, kHand},
        PlaceCase{
            kMainWindow, "最大化按钮", K::ImageButton, "toppic", {922, 4, 26, 20}, true, kHand},
        PlaceCase{kMainWindow, "关闭按钮", K::ImageButton, "toppic", {950, 4, 26, 20}, true, kHand},
        PlaceCase{kMainWindow,
                  "栏目1标签",
                  K::TransparentLabel,
                  "toppic",
                  {103, 8, 60, 16},
                  true,
                  kArrow},
        PlaceCase{kMainWindow, "rightpic", K::PictureBox, "", {982, 2, 2, 620}, true, kArrow},
        PlaceCase{kMainWindow, "图片框1", K::PictureBox, "", {0, 622, 984, 2}, true, kArrow},
        PlaceCase{kMainWindow, "WebBrowser1", K::Browser, "", {0, 28, 984, 596}, true, kArrow},
        PlaceCase{kMainWindow, "WebBrowser2", K::Browser, "", {296, 8, 100, 100}, true, kArrow},
        PlaceCase{kMainWindow, "状态条1", K::StatusBar, "", {0, 574, 405, 20}, false, kArrow},
        PlaceCase{
            kPlayerWindow, "选项按钮", K::ImageButton, "toppic", {855, 4, 44, 26}, false, kHand},
        PlaceCase{
            kPlayerWindow, "最大化按钮1", K::ImageButton, "toppic", {925, 4, 26, 20}, true, kArrow},
        PlaceCase{kPlayerWindow, "按钮1", K::PushButton, "toppic", {760, 8, 32, 16}, false, kArrow},
        PlaceCase{kPlayerWindow, "rightpic", K::PictureBox, "", {982, 2, 2, 623}, true, kArrow},
        PlaceCase{kPlayerWindow, "WebBrowser10", K::Browser, "", {2, 28, 72, 76}, true, kArrow},
        PlaceCase{
            kColumnWindow, "WebBrowser应用专用", K::Browser, "", {200, 96, 72, 76}, true, kArrow},
        PlaceCase{
            kColumnWindow, "超文本浏览框1", K::HypertextView, "", {432, 88, 128, 96}, true, kArrow},
        PlaceCase{kColumnWindow, "状态条1", K::StatusBar, "", {0, 604, 984, 20}, false, kArrow},
        PlaceCase{kAppWindow, "WebBrowser1", K::Browser, "", {0, 28, 984, 596}, true, kArrow},
        PlaceCase{kAppWindow, "按钮1", K::PushButton, "toppic", {760, 8, 32, 16}, false, kArrow},
        PlaceCase{kPopUnderWindow, "toppic", K::PictureBox, "", {0, 0, 984, 30}, true, kArrow},
        PlaceCase{
            kPopUnderWindow, "关闭按钮1", K::ImageButton, "toppic", {567, 4, 26, 20}, true, kHand},
        PlaceCase{kPopUnderWindow, "rightpic", K::PictureBox, "", {598, 2, 2, 396}, true, kArrow},
        PlaceCase{kPopUnderWindow, "footpic", K::PictureBox, "", {0, 398, 984, 2}, true, kArrow},
        PlaceCase{
            kPopUnderWindow, "超文本界面框1", K::Browser, "", {0, 28, 600, 372}, true, kArrow},
        PlaceCase{kCornerPopupWindow,
                  "超文本浏览框1",
                  K::HypertextView,
                  "",
                  {-2, -2, 300, 250},
                  true,
                  kArrow},
        PlaceCase{
            kCornerPopupWindow, "图形按钮1", K::ImageButton, "", {248, 0, 51, 21}, true, kHand},
        PlaceCase{kExitPopupWindow,
                  "超文本浏览框1",
                  K::HypertextView,
                  "",
                  {-2, -2, 336, 280},
                  true,
                  kArrow},
        PlaceCase{kExitPopupWindow, "图形按钮1", K::ImageButton, "", {281, 0, 51, 21}, true, kHand},
        PlaceCase{kSettingsWindow, "图片框2", K::PictureBox, "", {550, 0, 2, 352}, true, kArrow},
        PlaceCase{kSettingsWindow, "关于按钮", K::ImageButton, "", {10, 73, 102, 36}, true, kHand},
        PlaceCase{kSettingsWindow, "选项按钮", K::ImageButton, "", {10, 36, 102, 36}, true, kArrow},
        PlaceCase{kSettingsWindow, "模式3", K::CheckBox, "", {452, 120, 13, 13}, true, kHand},
        PlaceCase{kSettingsWindow, "始终置顶4", K::CheckBox, "", {248, 250, 13, 13}, true, kHand},
        PlaceCase{kAboutWindow, "选项按钮", K::ImageButton, "", {10, 36, 102, 36}, true, kHand},
        PlaceCase{kAboutWindow, "图形按钮3", K::ImageButton, "", {398, 300, 81, 27}, true, kHand},
        PlaceCase{
            kAboutWindow, "版本1", K::TransparentLabel, "", {434, 249, 95, 32}, true, kHand}));

TEST(TextAdvertisements, StartHiddenWithTheirPlaceholderText) {
    constexpr Color kAdvertColor{0xC0, 0x60, 0x00};
    const struct {
        std::string_view window;
        std::string_view label;
        int width;
    } cases[] = {{kMainWindow, "文字广告1", 360},
                 {kPlayerWindow, "文字广告2", 344},
                 {kColumnWindow, "文字广告3", 360},
                 {kAppWindow, "文字广告4", 360}};
    for (const auto& c : cases) {
        const ControlDef* label = control(c.window, c.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->kind, ControlKind::TransparentLabel) << c.label;
        EXPECT_EQ(label->parent, "toppic") << c.label;
        EXPECT_EQ(label->geometry, (Rect{464, 4, c.width, 24})) << c.label;
        EXPECT_FALSE(label->visible) << c.label;
        EXPECT_EQ(label->cursor, Cursor::Hand) << c.label;
        EXPECT_EQ(label->text, "透明标签") << c.label;
        EXPECT_EQ(label->textColor, kAdvertColor) << c.label;
    }
}

TEST(StoredProperties, TitleLabelsTextsFontsAndAddresses) {
    constexpr Color kTitleColor{0xEC, 0xEC, 0xEC};
    const ControlDef* name = control(kMainWindow, "软件名称标签");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text, "Quillo影音");
    EXPECT_EQ(name->textColor, kTitleColor);

    const ControlDef* column1 = control(kMainWindow, "栏目1标签");
    ASSERT_NE(column1, nullptr);
    EXPECT_EQ(column1->textColor, (Color{0x91, 0xBB, 0x00}));

    const ControlDef* aboutName = control(kAboutWindow, "名称");
    ASSERT_NE(aboutName, nullptr);
    EXPECT_EQ(aboutName->font, (Font{.height = 32, .weight = 400}));
    EXPECT_EQ(aboutName->text, "Quillo影音播放器");

    const ControlDef* hint = control(kSettingsWindow, "透明标签9");
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->textColor, (Color{0x80, 0xE0, 0x00}));
    const ControlDef* traditional = control(kSettingsWindow, "取消置顶标签");
    ASSERT_NE(traditional, nullptr);
    EXPECT_EQ(traditional->text, "中文繁體");
    EXPECT_EQ(traditional->textColor, kWhite);

    for (std::string_view w : {kColumnWindow, kAppWindow}) {
        const ControlDef* loading = control(w, "超文本浏览框1");
        ASSERT_NE(loading, nullptr);
        EXPECT_EQ(loading->address, "about:blank") << w;
    }
    for (std::string_view label : {"标签1", "标签2", "标签3"}) {
        const ControlDef* plain = control(kMainWindow, label);
        ASSERT_NE(plain, nullptr);
        EXPECT_EQ(plain->kind, ControlKind::PlainLabel);
        EXPECT_FALSE(plain->visible) << label;
    }
}

TEST(Timers, TickAtTheirStoredIntervals) {
    const struct {
        std::string_view window;
        std::string_view timer;
        int interval;
    } cases[] = {
        {kMainWindow, "内存时钟", 200},      {kMainWindow, "背投时钟", 60000},
        {kMainWindow, "时钟1", 60000},       {kMainWindow, "systema时钟", 0},
        {kMainWindow, "systema时钟1", 0},    {kPlayerWindow, "时钟1", 10000},
        {kCornerPopupWindow, "时钟1", 1000}, {kCornerPopupWindow, "时钟2", 20000},
        {kExitPopupWindow, "时钟1", 15000},
    };
    for (const auto& c : cases) {
        const ControlDef* timer = control(c.window, c.timer);
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->kind, ControlKind::Timer) << c.window << " / " << c.timer;
        EXPECT_EQ(timer->interval, c.interval) << c.window << " / " << c.timer;
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
