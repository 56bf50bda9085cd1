#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialog_fixture.hpp"

namespace quillo::test {
namespace {

namespace names = ui::settings_window;

// ------------------------------------------------------------ the opening

struct OpeningCase {
    const char* language;
    const char* title;          // UTF-8
    const char* autostartText;  // 透明标签2
    const char* hint;           // 透明标签9
    const char* trayText;       // 透明标签13
    const char* optionsTab;     // picture of all three states; "" when none is set
    const char* aboutTab;
    const char* confirm;  // normal picture; the pressed one is the same
    const char* confirmHover;
    const char* checkedLanguageBox;  // "" when none
    const char* namePage;            // "" when none is asked
};

class SettingsOpening : public DialogTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(SettingsOpening, ShowsTheTextsPicturesAndBoxesOfTheLanguage) {
    const OpeningCase& c = GetParam();
    startProgram(c.language);
    h.page("ads/namejt.html", "影音简");
    h.page("ads/nameft.html", "影音繁");
    h.page("ads/nameyy.html", "Quillo");

    ui::Window& window = openSettings();

    EXPECT_EQ(utf8FromGbk(window.title()), c.title);
    EXPECT_EQ(utf8FromGbk(window.control(names::kAutostartLabel).text()), c.autostartText);
    EXPECT_EQ(utf8FromGbk(window.control(names::kRendererHint).text()), c.hint);
    EXPECT_EQ(utf8FromGbk(window.control(names::kTrayLabel).text()), c.trayText);
    // The fixed language names beside the boxes never change.
    EXPECT_EQ(utf8FromGbk(window.control(names::kTraditionalLabel).text()), "中文繁體");

    auto picture = [&](std::string_view control, ui::ImageSlot slot) {
        return window.control(control).image(slot).file;
    };
    auto expected = [&](const char* file) {
        return *file == '\0' ? std::filesystem::path{} : skin(file);
    };
    for (ui::ImageSlot slot :
         {ui::ImageSlot::Normal, ui::ImageSlot::Hover, ui::ImageSlot::Pressed}) {
        EXPECT_EQ(picture(names::kOptionsTab, slot), expected(c.optionsTab));
        EXPECT_EQ(picture(names::kAboutTab, slot), expected(c.aboutTab));
    }
    EXPECT_EQ(picture(names::kConfirmButton, ui::ImageSlot::Normal), expected(c.confirm));
    EXPECT_EQ(picture(names::kConfirmButton, ui::ImageSlot::Hover), expected(c.confirmHover));
    EXPECT_EQ(picture(names::kConfirmButton, ui::ImageSlot::Pressed), expected(c.confirm));
    // The close button and the background are skinned in every language.
    EXPECT_EQ(picture(names::kCloseButton, ui::ImageSlot::Normal), skin("CloseA.gif"));
    EXPECT_EQ(picture(names::kCloseButton, ui::ImageSlot::Hover), skin("CloseB.gif"));
    EXPECT_EQ(window.backgroundPicture().file, skin("BackgroundA.gif"));

    for (const std::string_view box :
         {names::kSimplifiedBox, names::kTraditionalBox, names::kEnglishBox}) {
        EXPECT_EQ(window.control(box).checked(), box == c.checkedLanguageBox) << box;
    }
    EXPECT_EQ(h.config("First"), c.language);
    if (*c.namePage == '\0') {
        EXPECT_TRUE(h.requests().empty());
    } else {
        EXPECT_EQ(h.requests(), std::vector<std::string>{c.namePage});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SettingsOpening,
    ::testing::Values(OpeningCase{"1", "影音简设置窗口", "开机自动运行本程序",
                                  "选择合适的渲染器，能有效提升视频画质，重启本软件后生效",
                                  "勾选是否托盘关闭程序", "OptionA.gif", "AboutB.gif",
                                  "ConfirmA.gif", "ConfirmB.gif", "简体", "ads/namejt.html"},
                      OpeningCase{"2", "影音繁設置窗口", "開機自動運行本程序",
                                  "選擇合適的渲染器，能有效提升視頻畫質，重啓本軟件後生效",
                                  "勾選是否托盤關閉程序", "OptionE.gif", "AboutD.gif",
                                  "ConfirmC.gif", "ConfirmD.gif", "繁体", "ads/nameft.html"},
                      OpeningCase{"3", "QuilloSettings", "Boot the computer automatic operation",
                                  "Select the appropriate, can improve the video quality",
                                  "Check whether the tray close program", "OptionG.gif",
                                  "AboutF.gif", "ConfirmE.gif", "ConfirmF.gif", "英语",
                                  "ads/nameyy.html"},
                      // Numeric test: Simplified Chinese; First keeps the text as it is.
                      OpeningCase{"1.0", "影音简设置窗口", "开机自动运行本程序",
                                  "选择合适的渲染器，能有效提升视频画质，重启本软件后生效",
                                  "勾选是否托盘关闭程序", "OptionA.gif", "AboutB.gif",
                                  "ConfirmA.gif", "ConfirmB.gif", "简体", "ads/namejt.html"},
                      // No language: the stored texts, no pictures, no box, no request.
                      OpeningCase{"", "Quillo影音播放器设置窗口", "开机启动本程序",
                                  "选择合适的渲染器，能有效提升视频画质，重启本软件后生效",
                                  "勾选是否托盘关闭程序", "", "", "", "", "", ""}));

TEST_F(SettingsOpening, EmptyNamePageLeavesTheTitleWordAlone) {
    startProgram("3");
    EXPECT_EQ(utf8FromGbk(openSettings().title()), "Settings");
}

struct BoxCase {
    const char* name;
    std::optional<const char*> value;  // nullopt: the keys are missing
    bool autostart;
    const char* renderer;  // checked render box, "" when none
    bool screenSaverOff;
    bool tray;
};

class SettingsBoxes : public DialogTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(SettingsBoxes, FollowTheirKeys) {
    const BoxCase& c = GetParam();
    startProgram("1");
    if (c.value) {
        for (const char* key : {"Start", "Rendering", "Screen", "Tray"}) {
            h.setConfig(key, *c.value);
        }
    }
    openSettings();
    EXPECT_EQ(checked(names::kAutostartBox), c.autostart);
    for (const std::string_view box :
         {names::kRenderer1Box, names::kRenderer2Box, names::kRenderer3Box}) {
        EXPECT_EQ(checked(box), box == c.renderer) << box;
    }
    EXPECT_EQ(checked(names::kScreenSaverBox), c.screenSaverOff);
    EXPECT_EQ(checked(names::kTrayBox), c.tray);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsBoxes,
    ::testing::Values(BoxCase{"Zero", "0", false, "", false, false},
                      BoxCase{"One", "1", true, "模式1", true, true},
                      BoxCase{"Two", "2", false, "模式2", false, false},
                      BoxCase{"Empty", "", false, "", false, false},
                      BoxCase{"Missing", std::nullopt, false, "", false, false},
                      // Numbers for all but Tray, which must be the text "1".
                      BoxCase{"OnePointZero", "1.0", true, "模式1", true, false}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

// ------------------------------------------------------------ the groups

TEST_F(DialogTest, LanguageClickClearsTheOthersAndStoresTheCodeAtOnce) {
    startProgram("1");
    openSettings();
    h.platform().journal().clear();

    clickSettings(names::kEnglishBox);
    EXPECT_TRUE(checked(names::kEnglishBox));
    EXPECT_FALSE(checked(names::kSimplifiedBox));
    EXPECT_FALSE(checked(names::kTraditionalBox));
    EXPECT_EQ(h.config("Language"), "3");

    // The checked box toggles off and stays off, yet its code is written.
    h.setConfig("Language", "1");
    clickSettings(names::kEnglishBox);
    EXPECT_FALSE(checked(names::kEnglishBox));
    EXPECT_FALSE(checked(names::kSimplifiedBox));
    EXPECT_FALSE(checked(names::kTraditionalBox));
    EXPECT_EQ(h.config("Language"), "3");
    EXPECT_TRUE(h.platform().journal().entries().empty()) << "nothing else happens before Apply";
}

TEST_F(DialogTest, RendererClickClearsTheOthersAndStoresNothing) {
    startProgram("1");
    h.setConfig("Rendering", "1");
    openSettings();

    clickSettings(names::kRenderer3Box);
    EXPECT_TRUE(checked(names::kRenderer3Box));
    EXPECT_FALSE(checked(names::kRenderer1Box));
    EXPECT_FALSE(checked(names::kRenderer2Box));
    EXPECT_EQ(h.config("Rendering"), "1");
}

// ------------------------------------------------------------ Apply

struct ApplyCase {
    const char* name;
    bool autostart;
    bool tray;
    const char* renderer;  // box to tick, "" for none
    bool screenSaverOff;
    const char* start;  // expected keys
    const char* trayKey;
    const char* rendering;
    const char* screen;
    const char* autostartCall;  // journal entries, in this order
    const char* screenSaverCall;
};

class SettingsApply : public DialogTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(SettingsApply, WritesTheBoxesAndSetsAutostartThenScreenSaver) {
    const ApplyCase& c = GetParam();
    startProgram("1");
    h.setConfig("Rendering", "2");
    openSettings();
    auto set = [&](std::string_view box, bool on) {
        if (checked(box) != on) {
            clickSettings(box);
        }
    };
    set(names::kAutostartBox, c.autostart);
    set(names::kTrayBox, c.tray);
    set(names::kRenderer2Box, false);
    if (*c.renderer != '\0') {
        set(c.renderer, true);
    }
    set(names::kScreenSaverBox, c.screenSaverOff);
    h.platform().journal().clear();

    clickSettings(names::kApplyButton);

    EXPECT_EQ(h.config("Start"), c.start);
    EXPECT_EQ(h.config("Tray"), c.trayKey);
    EXPECT_EQ(h.config("Rendering"), c.rendering);
    EXPECT_EQ(h.config("Screen"), c.screen);
    EXPECT_EQ(h.platform().journal().entries(),
              (std::vector<std::string>{c.autostartCall, c.screenSaverCall}));
    if (c.autostart) {
        EXPECT_EQ(h.platform().autoStartEntries(),
                  (std::map<Text, Text>{{"quillo", (h.programDirectory() / "quillo").string()}}));
    } else {
        EXPECT_TRUE(h.platform().autoStartEntries().empty());
    }
    EXPECT_TRUE(h.isOpen(names::kWindow)) << "Apply leaves the window open";
}

INSTANTIATE_TEST_SUITE_P(
    States, SettingsApply,
    ::testing::Values(ApplyCase{"AllOn", true, true, "模式1", true, "1", "1", "1", "1",
                                "autostart on quillo", "screensaver off"},
                      ApplyCase{"AllOff", false, false, "", false, "0", "2", "2", "0",
                                "autostart off quillo", "screensaver on"},
                      ApplyCase{"Evr", false, true, "模式3", true, "0", "1", "3", "1",
                                "autostart off quillo", "screensaver off"}),
    [](const ::testing::TestParamInfo<ApplyCase>& info) { return info.param.name; });

TEST_F(DialogTest, EveryApplyRegistersAutostartAndSetsTheScreenSaverAgain) {
    startProgram("1");
    h.setConfig("Start", "1");
    h.setConfig("Screen", "1");
    openSettings();
    h.platform().journal().clear();
    clickSettings(names::kApplyButton);
    clickSettings(names::kConfirmButton);

    EXPECT_EQ(
        h.platform().journal().entries(),
        (std::vector<std::string>{"autostart on quillo", "screensaver off", "autostart on quillo",
                                  "screensaver off", "destroyed SettingsWindow"}));
    EXPECT_FALSE(h.isOpen(names::kWindow));
}

TEST_F(DialogTest, TrayMissingIsWrittenFromTheBoxAtApply) {
    startProgram("1");
    openSettings();
    clickSettings(names::kConfirmButton);
    EXPECT_EQ(h.config("Tray"), "2");
}

// ------------------------------------------------------------ restart

struct RestartCase {
    const char* name;
    const char* stored;  // Language before the window opens
    std::vector<std::string_view> steps;
    bool restarts;
};

class SettingsRestart : public DialogTest, public ::testing::WithParamInterface<RestartCase> {
protected:
    void run(const std::vector<std::string_view>& steps) {
        for (std::string_view step : steps) {
            if (step == "about") {
                clickSettings(names::kAboutTab);
            } else if (step == "options") {
                clickAbout(ui::about_window::kOptionsTab);
            } else {
                clickSettings(step);
            }
        }
    }
};

TEST_P(SettingsRestart, HappensWhenTheLanguageDiffersFromTheOpeningOne) {
    const RestartCase& c = GetParam();
    startProgram(c.stored);
    openSettings();
    run(c.steps);

    const std::filesystem::path program = h.programDirectory() / "quillo";
    if (c.restarts) {
        EXPECT_EQ(h.platform().successorRequests(), std::vector<std::filesystem::path>{program});
        // Apply's steps first, then the successor, then the clean end.
        EXPECT_TRUE(h.happenedBefore("screensaver", "successor " + program.string()));
        EXPECT_TRUE(h.happenedBefore("successor", "destroyed MainWindow"));
        EXPECT_FALSE(h.windows().running());
        EXPECT_FALSE(h.exitCode().has_value()) << "the process ends by its event loop";
    } else {
        EXPECT_TRUE(h.platform().successorRequests().empty());
        EXPECT_TRUE(h.windows().running());
        EXPECT_TRUE(h.isOpen(ui::kMainWindow));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRestart,
    ::testing::Values(
        RestartCase{"OtherLanguageThenApply", "1", {names::kEnglishBox, names::kApplyButton}, true},
        RestartCase{
            "OtherLanguageThenConfirm", "1", {names::kTraditionalBox, names::kConfirmButton}, true},
        RestartCase{"SameLanguageThenConfirm", "1", {names::kConfirmButton}, false},
        RestartCase{
            "OtherLanguageThenCancel", "1", {names::kEnglishBox, names::kCancelButton}, false},
        RestartCase{
            "OtherLanguageThenClose", "1", {names::kEnglishBox, names::kCloseButton}, false},
        // The opening language is read again when the page comes back.
        RestartCase{"OtherLanguageThenAboutAndBackThenConfirm",
                    "1",
                    {names::kEnglishBox, "about", "options", names::kConfirmButton},
                    false},
        // The same language by number, but another text.
        RestartCase{"OnePointZeroThenSimplified",
                    "1.0",
                    {names::kSimplifiedBox, names::kApplyButton},
                    true}),
    [](const ::testing::TestParamInfo<RestartCase>& info) { return info.param.name; });

TEST_F(DialogTest, LanguageStoredBeforeCancelAppliesAtTheNextOpening) {
    startProgram("1");
    openSettings();
    clickSettings(names::kEnglishBox);
    clickSettings(names::kCancelButton);
    EXPECT_EQ(h.config("Language"), "3");
    EXPECT_EQ(utf8FromGbk(openSettings().control(names::kAutostartCaption).text()), "Auto");
}

// A restart whose new process cannot start must not leave the user without
// a program: this one keeps running, and the language applies next time.
TEST_F(DialogTest, RestartThatCannotStartKeepsTheProgramRunning) {
    startProgram("1");
    h.platform().setSuccessorStarts(false);
    openSettings();
    clickSettings(names::kEnglishBox);

    clickSettings(names::kApplyButton);
    EXPECT_TRUE(h.isOpen(names::kWindow));
    EXPECT_TRUE(h.isOpen(ui::kMainWindow));

    clickSettings(names::kConfirmButton);
    EXPECT_EQ(h.platform().successorRequests().size(), 2u);
    EXPECT_FALSE(h.isOpen(names::kWindow)) << "Confirm closes the window as usual";
    EXPECT_TRUE(h.isOpen(ui::kMainWindow));
    EXPECT_TRUE(h.windows().running());
    EXPECT_FALSE(h.exitCode().has_value());
    EXPECT_EQ(h.config("Language"), "3");
}

TEST_F(DialogTest, SettingsOpenFromTheOptionsMenuAsAModalWindow) {
    startProgram("3");
    h.click(ui::kMainWindow, ui::main_window::kOptionsButton);
    h.choose("Settings");
    ASSERT_TRUE(h.isOpen(names::kWindow));
    EXPECT_TRUE(settings().modal());
    EXPECT_EQ(h.windows().activeModal(), &settings());
}

}  // namespace
}  // namespace quillo::test
