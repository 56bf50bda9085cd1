#include <gtest/gtest.h>

#include <algorithm>

#include <optional>
#include <string>
#include <vector>

#include "app_harness.hpp"
#include "content_server_fixture.hpp"
#include "core/log.hpp"
#include "core/text.hpp"

namespace quillo {
namespace {

class MainCommands : public ::testing::Test {
protected:
    void SetUp() override {
        h.setConfig("Language", "1");
        h.page("ads/ksqd.html", "关");
        h.page("ads/namejt.html", "影音");
        h.start();
        h.clearRequests();
    }

    test::AppHarness h;
};

struct MenuCase {
    const char* language;
    const char* optionsMenu;  // nullptr: no menu
    const char* browserMenu;
};

class MenuOfTheLanguage : public MainCommands, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuOfTheLanguage, EachOpenerReadsTheLanguageAfresh) {
    const MenuCase& c = GetParam();
    h.setConfig("Language", c.language);
    h.main().setKeepOnTop(true);
    h.setPointer({700, 500});

    h.click("MainWindow", "选项按钮");
    std::optional<test::AppHarness::PoppedMenu> options = h.lastMenu();
    h.trayAction(3);
    std::optional<test::AppHarness::PoppedMenu> tray = h.lastMenu();
    h.rightPress("MainWindow", "WebBrowser1");
    std::optional<test::AppHarness::PoppedMenu> browser = h.lastMenu();

    if (c.optionsMenu == nullptr) {
        EXPECT_EQ(h.menusPopped(), 0);
        // With no known language the options button does nothing at all.
        EXPECT_TRUE(h.main().keepOnTop());
        return;
    }
    EXPECT_EQ(h.menusPopped(), 3);
    EXPECT_EQ(options->menu, c.optionsMenu);
    EXPECT_FALSE(options->screenPosition.has_value());
    EXPECT_FALSE(h.main().keepOnTop());
    EXPECT_EQ(tray->menu, c.optionsMenu);
    EXPECT_EQ(tray->screenPosition, (ui::Point{700, 500}));
    EXPECT_EQ(browser->menu, c.browserMenu);
    EXPECT_TRUE(h.requests().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuOfTheLanguage,
                         ::testing::Values(MenuCase{"1", "选项按钮菜单", "简体右键"},
                                           MenuCase{"2", "繁体菜单", "繁体右键"},
                                           MenuCase{"3", "英文菜单", "英语右键"},
                                           MenuCase{"2.0", "繁体菜单", "繁体右键"},
                                           MenuCase{"02", "繁体菜单", "繁体右键"},
                                           MenuCase{"", nullptr, nullptr}));

TEST_F(MainCommands, BrowserMenuDrivesTheMainBrowser) {
    for (const char* caption : {"返回", "前进", "从新载入", "停止"}) {
        h.rightPress("MainWindow", "WebBrowser1");
        h.choose(caption);
    }
    // The start-up navigation home, then the four menu commands.
    EXPECT_EQ(h.browserCommands("MainWindow", "WebBrowser1"),
              (std::vector<std::string>{"navigate", "goBack", "goForward", "refresh", "stop"}));
}

TEST_F(MainCommands, WindowSettingsSubmenuItemsDoNothing) {
    for (const char* caption : {"置顶", "取消置顶"}) {
        h.click("MainWindow", "选项按钮");
        h.choose(caption);
    }
    EXPECT_TRUE(h.isOpen("MainWindow"));
    EXPECT_TRUE(h.main().visible());
    EXPECT_FALSE(h.isOpen("SettingsWindow"));
    EXPECT_TRUE(h.requests().empty());
}

TEST_F(MainCommands, SettingsAndAboutOpenModally) {
    h.setConfig("Language", "3");
    h.click("MainWindow", "选项按钮");
    h.choose("Settings");
    ASSERT_TRUE(h.isOpen("SettingsWindow"));
    EXPECT_TRUE(h.windows().find("SettingsWindow")->modal());
    // The modal window withholds input from the main window.
    h.click("MainWindow", "选项按钮");
    EXPECT_EQ(h.menusPopped(), 1);

    h.windows().destroy("SettingsWindow");
    h.click("MainWindow", "选项按钮");
    h.choose("About program");
    ASSERT_TRUE(h.isOpen("AboutWindow"));
    EXPECT_TRUE(h.windows().find("AboutWindow")->modal());
}

struct ContactCase {
    const char* name;
    std::optional<test::PageReply> numberPage;  // nullopt: the server has no such page
    const char* displayName;                    // UTF-8, stored as GBK
    const char* opened;  // the address opened; nullptr: nothing opened, a warning logged
};

class Contact : public MainCommands, public ::testing::WithParamInterface<ContactCase> {};

TEST_P(Contact, OpensTheChatLinkOnlyForAPlainNumber) {
    const ContactCase& c = GetParam();
    std::vector<std::string> warnings;
    h.app().setLogSink([&warnings](LogLevel level, std::string_view, std::string_view message) {
        if (level == LogLevel::Warning) {
            warnings.emplace_back(message);
        }
    });
    if (c.numberPage) {
        h.server().setPage("ads/kefuqq.html", *c.numberPage);
    }
    h.app().state().startup.displayName = gbk(c.displayName);

    h.click("MainWindow", "选项按钮");
    h.choose("联系客服");

    EXPECT_EQ(h.requests(), (std::vector<std::string>{"ads/kefuqq.html"}));
    if (c.opened == nullptr) {
        EXPECT_TRUE(h.openedAddresses().empty());
        ASSERT_EQ(warnings.size(), 1U);
        EXPECT_NE(warnings[0].find("ads/kefuqq.html"), std::string::npos) << warnings[0];
    } else {
        EXPECT_EQ(h.openedAddresses(), (std::vector<Text>{c.opened}));
        EXPECT_TRUE(warnings.empty());
    }
}

test::PageReply body(const char* bytes) {
    return test::PageReply{.body = bytes};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Contact,
    ::testing::Values(
        // The display name's GBK bytes, escaped.
        ContactCase{"Number", body("10001"), "影音",
                    "tencent://message/?uin=10001&Site=%D3%B0%D2%F4&Menu=yes"},
        ContactCase{"NameWithQuerySyntax", body("12345"), "A&Menu=no B#%",
                    "tencent://message/?uin=12345&Site=A%26Menu%3Dno%20B%23%25&Menu=yes"},
        // A GBK name whose escaped bytes would read as a control in UTF-8.
        ContactCase{"NameOfAnyGbkBytes", body("7"), "聟",
                    "tencent://message/?uin=7&Site=%C2%85&Menu=yes"},
        ContactCase{"NumberAddingParameters", body("1&Menu=no&x="), "影音", nullptr},
        ContactCase{"EmptyPage", body(""), "影音", nullptr},
        ContactCase{"NoSuchPage", std::nullopt, "影音", nullptr},
        ContactCase{"ServerError", test::PageReply{.status = 500, .body = "12345"}, "影音",
                    nullptr},
        ContactCase{"LeadingBlank", body(" 123"), "影音", nullptr},
        ContactCase{"LineBreak", body("123\r\n"), "影音", nullptr},
        ContactCase{"Sign", body("-123"), "影音", nullptr},
        ContactCase{"FullWidthDigits", body("\xa3\xb1\xa3\xb2"), "影音", nullptr}),
    [](const ::testing::TestParamInfo<ContactCase>& info) { return info.param.name; });

TEST_F(MainCommands, UpdaterItemEndsTheProgramAndStartsTheUpdaterWithoutAsking) {
    h.setConfig("Language", "3");
    h.click("MainWindow", "选项按钮");
    h.choose("Upgrade program");

    EXPECT_FALSE(h.isOpen("MainWindow"));
    EXPECT_FALSE(h.windows().running());
    EXPECT_EQ(h.startedPrograms(),
              (std::vector<std::filesystem::path>{h.programDirectory() / "Update"}));
    EXPECT_TRUE(h.requests().empty());
    EXPECT_TRUE(h.happenedBefore("destroyed MainWindow", "start "));
}

struct CloseCase {
    const char* name;
    const char* tray;  // nullptr: key missing
    bool hidesToTray;
};

class CloseButton : public MainCommands, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseButton, HidesToTheTrayOnlyForOne) {
    const CloseCase& c = GetParam();
    h.removeConfig();
    if (c.tray != nullptr) {
        h.setConfig("Tray", c.tray);
    }
    // The start-up switch was off: quitting asks the exit pages.
    h.page("ads/ttkg.html", "关");
    h.click("MainWindow", "关闭按钮");

    if (c.hidesToTray) {
        EXPECT_TRUE(h.isOpen("MainWindow"));
        EXPECT_FALSE(h.main().visible());
        ASSERT_EQ(h.trayIcons().size(), 1u);
        EXPECT_EQ(h.trayIcons()[0].icon, h.programDirectory() / "Icon" / "TrayLOGO.ico");
        EXPECT_EQ(h.trayIcons()[0].tooltip, gbk("点击本图标显示主程序"));
        EXPECT_TRUE(h.requests().empty());
    } else {
        EXPECT_FALSE(h.isOpen("MainWindow"));
        EXPECT_TRUE(h.trayIcons().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseButton,
                         ::testing::Values(CloseCase{"ToTray", "1", true},
                                           CloseCase{"Quits", "2", false},
                                           CloseCase{"MissingQuits", nullptr, false},
                                           CloseCase{"UnknownQuits", "1.0", false}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MainCommands, TrayBringsTheWindowBackActivatedEveryTimeAndKeepsTheIcon) {
    const auto activations = [this] {
        const std::vector<std::string> journal = h.journal();
        return std::count(journal.begin(), journal.end(), "activated MainWindow");
    };
    h.setConfig("Tray", "1");
    int restores = 0;
    for (int code : {1, 2, 1}) {
        h.click("MainWindow", "关闭按钮");
        EXPECT_FALSE(h.main().visible());
        h.trayAction(code);
        ++restores;
        EXPECT_TRUE(h.main().visible());
        EXPECT_EQ(activations(), restores) << "restore " << restores;
    }
    // A click on the icon of a window already shown (behind others, or
    // minimised by the user) brings it to the front as well.
    h.main().setState(ui::WindowState::Minimized);
    h.trayAction(1);
    EXPECT_EQ(h.main().state(), ui::WindowState::Normal);
    EXPECT_EQ(activations(), restores + 1);
    EXPECT_EQ(h.trayIcons().size(), 3u);
    h.click("MainWindow", "关闭按钮");
    h.trayAction(4);
    EXPECT_FALSE(h.main().visible());
    // A later start of the program handing over activates it every time too.
    for (int handOver = 1; handOver <= 2; ++handOver) {
        h.handOver();
        EXPECT_TRUE(h.main().visible());
        EXPECT_EQ(activations(), restores + 1 + handOver);
    }
}

}  // namespace
}  // namespace quillo
