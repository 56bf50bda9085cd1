#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser_fixture.hpp"

namespace quillo::test {
namespace {

// Keys as an opener finds them: the key of its own window (PlayerOpen for
// the player opener, APPOpen for the column openers) and of the other window
// (APPWindows, PlayerWindows). Each window is open exactly when its key says
// "2"; "x" stands for a value that is neither "1" nor "2".
struct OpenerCase {
    const char* ownKey;
    const char* otherKey;
    bool shown;        // the opener shows and places its window
    bool ownClosed;    // its own open window was closed first
    bool otherClosed;  // the other open window was closed
};

std::string caseName(const ::testing::TestParamInfo<OpenerCase>& info) {
    auto key = [](std::string_view value) {
        return value == "x" ? std::string("Other") : std::string(value);
    };
    return "Own" + key(info.param.ownKey) + "Other" + key(info.param.otherKey);
}

const OpenerCase kCases[] = {
    {"1", "1", true, false, false},  {"1", "2", true, false, true},
    {"1", "x", false, false, false}, {"2", "1", true, true, false},
    {"2", "2", true, true, true},    {"2", "x", false, true, false},
    {"x", "1", false, false, false}, {"x", "2", false, false, false},
    {"x", "x", false, false, false},
};

class OpenerTable : public BrowserWindowsTest, public ::testing::WithParamInterface<OpenerCase> {
protected:
    // Opens the windows the keys call open; the keys are written last, since
    // the player window's creation writes its own.
    void arrange(std::string_view own, std::string_view ownKey, std::string_view other,
                 std::string_view otherKey) {
        const OpenerCase& c = GetParam();
        if (std::string_view(c.ownKey) == "2") {
            h.windows().load(own);
        }
        if (std::string_view(c.otherKey) == "2") {
            h.windows().load(other);
        }
        h.setConfig(ownKey, c.ownKey);
        h.setConfig(otherKey, c.otherKey);
        ownCreated_ = h.createdCount(own);
    }
    void expectWindows(std::string_view own, std::string_view other) {
        const OpenerCase& c = GetParam();
        EXPECT_EQ(h.isOpen(own), c.shown || (std::string_view(c.ownKey) == "2" && !c.ownClosed));
        EXPECT_EQ(h.createdCount(own), ownCreated_ + (c.shown ? 1 : 0));
        EXPECT_EQ(h.isOpen(other), std::string_view(c.otherKey) == "2" && !c.otherClosed);
        if (c.shown) {
            // Created beside the main window, not moved there once shown.
            EXPECT_EQ(h.createdGeometry(own), (ui::Rect{130, 110, 984, 624}));
            EXPECT_EQ(window(own).left(), 130);
            EXPECT_EQ(window(own).top(), 110);
        }
    }

    int ownCreated_ = 0;
};

TEST_P(OpenerTable, PlayerOpenerOnANewWindowRequestOfTheSite) {
    const OpenerCase& c = GetParam();
    arrange(player_names::kWindow, "PlayerOpen", column_names::kWindow, "APPWindows");

    EXPECT_EQ(followLink("http://site.example/play/3.html"), c.shown);

    expectWindows(player_names::kWindow, column_names::kWindow);
    if (c.shown) {
        EXPECT_EQ(h.config("PlayerOpen"), "2");
        EXPECT_EQ(h.config("PlayerWindows"), "2");
        EXPECT_EQ(h.config("APPWindows"), "1");
    } else {
        EXPECT_EQ(h.config("PlayerOpen"), c.ownClosed ? "1" : c.ownKey);
        EXPECT_EQ(h.config("APPWindows"), c.otherKey);
    }
}

TEST_P(OpenerTable, ColumnOpenerOnAColumnLabel) {
    const OpenerCase& c = GetParam();
    arrange(column_names::kWindow, "APPOpen", player_names::kWindow, "PlayerWindows");

    clickColumn(main_names::kColumn2Label);

    expectWindows(column_names::kWindow, player_names::kWindow);
    if (c.otherClosed) {
        EXPECT_EQ(h.config("PlayerWindows"), "1");
        EXPECT_EQ(h.config("PlayerOpen"), "1");
    } else {
        EXPECT_EQ(h.config("PlayerWindows"), c.otherKey);
    }
    // The column window records nothing about itself.
    EXPECT_EQ(h.config("APPOpen"), c.ownKey);
}

INSTANTIATE_TEST_SUITE_P(Keys, OpenerTable, ::testing::ValuesIn(kCases), caseName);

struct ColumnCase {
    std::string_view label;
    std::vector<std::string> columnBrowser;  // paths below the base address, or whole addresses
    std::vector<std::string> appBrowser;
    const char* title;
};

class ColumnLabels : public BrowserWindowsTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ColumnLabels, NavigateAndTitleTheColumnWindow) {
    const ColumnCase& c = GetParam();
    clickColumn(c.label);

    auto expected = [this](const std::vector<std::string>& addresses) {
        std::vector<Text> out;
        for (const std::string& a : addresses) {
            out.push_back(a.starts_with("ads/") ? base(a) : Text(a));
        }
        return out;
    };
    EXPECT_EQ(h.navigations(column_names::kWindow, column_names::kColumnBrowser),
              expected(c.columnBrowser));
    EXPECT_EQ(h.navigations(column_names::kWindow, column_names::kAppBrowser),
              expected(c.appBrowser));
    EXPECT_EQ(window(column_names::kWindow).title(), gbk(c.title));
    EXPECT_EQ(control(column_names::kWindow, column_names::kTitleLabel).text(), gbk(c.title));
}

INSTANTIATE_TEST_SUITE_P(
    Columns, ColumnLabels,
    ::testing::Values(
        ColumnCase{main_names::kColumn2Label, {"ads/tv.html"}, {}, "影视 电视直播"},
        ColumnCase{main_names::kColumn3Label, {"about:blank"}, {"ads/app.html"}, "影视 应用中心"},
        ColumnCase{main_names::kColumn4Label, {"http://games.example/"}, {}, "影视 玩玩游戏"},
        ColumnCase{main_names::kColumn5Label, {"http://picks.example/"}, {}, "影视 官方推荐"}));

TEST_F(BrowserWindowsTest, CustomColumnAddressIsFetchedOnEveryClickBeforeTheKeysAreRead) {
    clickColumn(main_names::kColumn4Label);
    h.page("ads/zdylm1dz.html", "http://games.example/new");
    clickColumn(main_names::kColumn4Label);
    EXPECT_EQ(h.navigations(column_names::kWindow, column_names::kColumnBrowser),
              (std::vector<Text>{"http://games.example/", "http://games.example/new"}));

    // With keys that let no case apply the page is still fetched first.
    h.clearRequests();
    h.setConfig("APPOpen", "");
    clickColumn(main_names::kColumn5Label);
    EXPECT_EQ(requestsOf("ads/zdylm2dz.html"), 1);
    EXPECT_EQ(h.navigations(column_names::kWindow, column_names::kColumnBrowser).size(), 2U);
}

TEST_F(BrowserWindowsTest, ALabelClickOnAnOpenColumnWindowMovesAndRenavigatesIt) {
    clickColumn(main_names::kColumn2Label);
    window(column_names::kWindow).move(400, 300, 984, 624);
    clickColumn(main_names::kColumn3Label);

    EXPECT_EQ(h.createdCount(column_names::kWindow), 1);
    EXPECT_EQ(window(column_names::kWindow).left(), 130);
    EXPECT_EQ(window(column_names::kWindow).top(), 110);
    EXPECT_EQ(window(column_names::kWindow).title(), gbk("影视 应用中心"));
}

// The title names the column whose page is on show: a custom column whose
// address is refused changes neither; one that is browsable changes both.
TEST_F(BrowserWindowsTest, ARefusedCustomColumnAddressKeepsTitleAndPageOfTheOpenColumnWindow) {
    clickColumn(main_names::kColumn2Label);
    ui::Window& column = window(column_names::kWindow);
    ui::Control& titleLabel = column.control(column_names::kTitleLabel);
    const std::vector<Text> liveTv{base("ads/tv.html")};

    for (const char* address :
         {"file:///etc/passwd", "javascript:alert(1)", "/usr/bin/xterm", "", "about:blank\n"}) {
        SCOPED_TRACE(address);
        h.page("ads/zdylm2dz.html", address);
        column.move(400, 300, 984, 624);
        clickColumn(main_names::kColumn5Label);
        EXPECT_EQ(h.navigations(column_names::kWindow, column_names::kColumnBrowser), liveTv);
        EXPECT_EQ(column.title(), gbk("影视 电视直播"));
        EXPECT_EQ(titleLabel.text(), gbk("影视 电视直播"));
        // Still brought back beside the main window.
        EXPECT_EQ(column.left(), 130);
        EXPECT_EQ(column.top(), 110);
    }

    h.page("ads/zdylm2dz.html", "http://picks.example/");
    clickColumn(main_names::kColumn5Label);
    EXPECT_EQ(h.navigations(column_names::kWindow, column_names::kColumnBrowser),
              (std::vector<Text>{base("ads/tv.html"), "http://picks.example/"}));
    EXPECT_EQ(column.title(), gbk("影视 官方推荐"));
    EXPECT_EQ(titleLabel.text(), gbk("影视 官方推荐"));
    EXPECT_EQ(h.createdCount(column_names::kWindow), 1);
}

TEST_F(BrowserWindowsTest, ASecondLinkClosesThePlayerAndOpensAFreshOneOnTheNewLink) {
    followLink("http://site.example/play/1.html");
    followLink("http://site.example/play/2.html");

    EXPECT_EQ(h.createdCount(player_names::kWindow), 2);
    // The record spans both windows: the fresh one opened the second link.
    EXPECT_EQ(
        h.navigations(player_names::kWindow, player_names::kPlayBrowser),
        (std::vector<Text>{"http://site.example/play/1.html", "http://site.example/play/2.html"}));
    EXPECT_EQ(h.config("PlayerOpen"), "2");
}

// The keys record the player window for other programs; the openers learn
// from the window model that it is open. One whose keys were reset behind
// its back is still closed before the next link opens a fresh one, and by a
// column label, which writes both keys as it does for any player it closes.
TEST_F(BrowserWindowsTest, OpenersCloseTheOpenPlayerWhateverItsKeysSay) {
    followLink("http://site.example/play/1.html");
    h.setConfig("PlayerOpen", "1");
    followLink("http://site.example/play/2.html");
    EXPECT_EQ(h.createdCount(player_names::kWindow), 2);
    EXPECT_EQ(
        h.navigations(player_names::kWindow, player_names::kPlayBrowser),
        (std::vector<Text>{"http://site.example/play/1.html", "http://site.example/play/2.html"}));

    h.setConfig("PlayerWindows", "1");
    h.setConfig("PlayerOpen", "2");
    clickColumn(main_names::kColumn2Label);
    EXPECT_FALSE(h.isOpen(player_names::kWindow));
    EXPECT_TRUE(h.isOpen(column_names::kWindow));
    EXPECT_EQ(h.config("PlayerWindows"), "1");
    EXPECT_EQ(h.config("PlayerOpen"), "1");
}

TEST_F(BrowserWindowsTest, ALinkWhileTheColumnWindowIsOpenLeavesItOpen) {
    clickColumn(main_names::kColumn2Label);
    followLink("http://site.example/play/1.html");
    EXPECT_TRUE(h.isOpen(column_names::kWindow));
    EXPECT_TRUE(h.isOpen(player_names::kWindow));

    // A column label closes the player window and keeps both keys at "1".
    clickColumn(main_names::kColumn3Label);
    EXPECT_FALSE(h.isOpen(player_names::kWindow));
    EXPECT_EQ(h.config("PlayerWindows"), "1");
    EXPECT_EQ(h.config("PlayerOpen"), "1");
}

}  // namespace
}  // namespace quillo::test
