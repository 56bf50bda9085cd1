#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/decipher.hpp"
#include "content/server_addresses.hpp"
#include "dialog_fixture.hpp"

namespace quillo::test {
namespace {

namespace names = ui::about_window;

struct AboutCase {
    const char* language;
    bool serverAnswers;
    // Expected label texts (UTF-8).
    const char* name;
    const char* version;
    const char* updater;
    const char* thanks;
    const char* rights;
    const char* siteWord;  // followed by the site link address
    const char* contact;
    // Pictures.
    const char* optionsTab;
    const char* aboutTab;
    const char* apply;
    const char* applyHover;
    std::vector<std::string> requests;
};

class AboutSetUp : public DialogTest, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutSetUp, FillsTheLabelsOfTheLanguageInOrder) {
    const AboutCase& c = GetParam();
    startProgram(c.language);
    if (c.serverAnswers) {
        h.page("ads/namejt.html", "影音简");
        h.page("ads/nameft.html", "影音繁");
        h.page("ads/nameyy.html", "Quillo");
        h.page("ads/bb.html", "1.2.1303.8");
        h.page("ads/sjbb.html", "1.0.1301.20");
        h.page("ads/gyrjjt.html", "感谢");
        h.page("ads/gyrjft.html", "感謝");
        h.page("ads/gyrjyy.html", "Thanks");
    } else {
        h.page("ads/namejt.html", "");
    }

    ui::Window& window = openAbout();
    auto text = [&](std::string_view control) {
        return utf8FromGbk(window.control(control).text());
    };
    EXPECT_EQ(text(names::kNameLabel), c.name);
    EXPECT_EQ(text(names::kVersionLabel), c.version);
    EXPECT_EQ(text(names::kUpdaterVersionLabel), c.updater);
    EXPECT_EQ(text(names::kThanksLabel), c.thanks);
    EXPECT_EQ(text(names::kCopyrightLabel), c.rights);
    EXPECT_EQ(text(names::kCopyrightChannelLink), c.contact);
    const bool known = *c.optionsTab != '\0';
    if (known) {
        EXPECT_EQ(text(names::kSiteLink), c.siteWord + utf8FromGbk(decipherText(siteLinkCipher())));
        EXPECT_EQ(window.control(names::kLogo).image().file, skin("AboutLOGO.gif"));
    } else {
        EXPECT_EQ(text(names::kSiteLink), c.siteWord);
        EXPECT_TRUE(window.control(names::kLogo).image().file.empty());
    }

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
    EXPECT_EQ(picture(names::kApplyButton, ui::ImageSlot::Normal), expected(c.apply));
    EXPECT_EQ(picture(names::kApplyButton, ui::ImageSlot::Hover), expected(c.applyHover));
    EXPECT_EQ(picture(names::kApplyButton, ui::ImageSlot::Pressed), expected(c.apply));
    EXPECT_EQ(picture(names::kCloseButton, ui::ImageSlot::Hover), skin("CloseB.gif"));
    EXPECT_EQ(window.backgroundPicture().file, skin("BackgroundA.gif"));

    EXPECT_EQ(h.requests(), c.requests);
}

const std::vector<std::string> kSimplifiedPages{"ads/namejt.html", "ads/bb.html", "ads/sjbb.html",
                                                "ads/gyrjjt.html", "ads/namejt.html"};

INSTANTIATE_TEST_SUITE_P(
    Languages, AboutSetUp,
    ::testing::Values(
        AboutCase{"1", true, "影音简", "主程序版本：1.2.1303.8", "升级程序版本：1.0.1301.20",
                  "感谢", "Copyright (C) 影音简 版权所有", "软件官网 ", "联系客服", "OptionB.gif",
                  "AboutA.gif", "ApplyA.gif", "ApplyB.gif", kSimplifiedPages},
        AboutCase{"2",
                  true,
                  "影音繁",
                  "主程序版本：1.2.1303.8",
                  "升級程序版本：1.0.1301.20",
                  "感謝",
                  "Copyright (C) 影音繁 版权所有",
                  "軟件官網 ",
                  "聯系客服",
                  "OptionF.gif",
                  "AboutC.gif",
                  "ApplyC.gif",
                  "ApplyD.gif",
                  {"ads/nameft.html", "ads/bb.html", "ads/sjbb.html", "ads/gyrjft.html",
                   "ads/nameft.html"}},
        // No colon or blank after "Update Version".
        AboutCase{"3",
                  true,
                  "Quillo",
                  "Player Version:1.2.1303.8",
                  "Update Version1.0.1301.20",
                  "Thanks",
                  "Copyright (C) Quillo 版权所有",
                  "Software Website ",
                  "Contact Us",
                  "OptionH.gif",
                  "AboutE.gif",
                  "ApplyE.gif",
                  "ApplyF.gif",
                  {"ads/nameyy.html", "ads/bb.html", "ads/sjbb.html", "ads/gyrjyy.html",
                   "ads/nameyy.html"}},
        // Unreachable pages: prefixes only, the rights prefix and suffix meet.
        AboutCase{"1", false, "", "主程序版本：", "升级程序版本：", "", "Copyright (C)  版权所有",
                  "软件官网 ", "联系客服", "OptionB.gif", "AboutA.gif", "ApplyA.gif", "ApplyB.gif",
                  kSimplifiedPages},
        AboutCase{"3",
                  false,
                  "",
                  "Player Version:",
                  "Update Version",
                  "",
                  "Copyright (C)  版权所有",
                  "Software Website ",
                  "Contact Us",
                  "OptionH.gif",
                  "AboutE.gif",
                  "ApplyE.gif",
                  "ApplyF.gif",
                  {"ads/nameyy.html", "ads/bb.html", "ads/sjbb.html", "ads/gyrjyy.html",
                   "ads/nameyy.html"}},
        // No language: the stored texts and pictures, nothing asked.
        AboutCase{"",
                  true,
                  "Quillo影音播放器",
                  "主程序版本：1.1.1303.8",
                  "软件升级程序版本：1.0.1301.20",
                  "本软件集成的各功能模块版权归其原作者所有，在此向他们表示衷心的感谢！",
                  "Copyright (C) Quillo影音 版权所有",
                  "访问官网 http://www.quillo.example/",
                  "影片版权协调通道",
                  "",
                  "",
                  "",
                  "",
                  {}}));

TEST_F(DialogTest, SiteLinkOpensTheDecipheredAddressWithTheBrowser) {
    startProgram("1");
    openAbout();
    h.leftPress(names::kWindow, names::kSiteLink);
    EXPECT_EQ(h.openedAddresses(), std::vector<Text>{decipherText(siteLinkCipher())});
    EXPECT_TRUE(h.isOpen(names::kWindow));
}

TEST_F(DialogTest, ContactLinkOpensTheChatAddressOfTheOptionsMenu) {
    startProgram("1");
    h.page("ads/kefuqq.html", "123456");
    openAbout();
    h.clearRequests();

    h.leftPress(names::kWindow, names::kCopyrightChannelLink);
    EXPECT_EQ(h.requests(), std::vector<std::string>{"ads/kefuqq.html"});
    // The display name's GBK bytes go into the link percent-encoded.
    EXPECT_EQ(h.openedAddresses(),
              std::vector<Text>{"tencent://message/?uin=123456&Site=%D3%B0%D2%F4&Menu=yes"});
}

TEST_F(DialogTest, ConfirmCancelAndCloseOnlyCloseTheAboutWindow) {
    startProgram("1");
    for (const std::string_view button :
         {names::kConfirmButton, names::kCancelButton, names::kCloseButton}) {
        openAbout();
        const std::string before = h.configFile();
        clickAbout(button);
        EXPECT_FALSE(h.isOpen(names::kWindow)) << button;
        EXPECT_EQ(h.configFile(), before) << button;
    }
    clickAbout(names::kApplyButton);  // bound to nothing
    EXPECT_TRUE(h.isOpen(ui::kMainWindow));
}

TEST_F(DialogTest, TabsSwapThePagesWithFreshFetchesEachTime) {
    startProgram("1");
    openAbout();
    h.clearRequests();

    for (int round = 0; round < 2; ++round) {
        clickAbout(names::kOptionsTab);
        EXPECT_FALSE(h.isOpen(names::kWindow));
        ASSERT_TRUE(h.isOpen(ui::settings_window::kWindow));
        EXPECT_TRUE(settings().modal());
        EXPECT_EQ(h.requests(), std::vector<std::string>{"ads/namejt.html"});
        h.clearRequests();

        clickSettings(ui::settings_window::kAboutTab);
        EXPECT_FALSE(h.isOpen(ui::settings_window::kWindow));
        ASSERT_TRUE(h.isOpen(names::kWindow));
        EXPECT_TRUE(about().modal());
        EXPECT_EQ(h.requests(), kSimplifiedPages);
        h.clearRequests();
    }
    // Each swap destroys one page before the other is created.
    EXPECT_TRUE(h.happenedBefore("destroyed AboutWindow", "created SettingsWindow"));
    EXPECT_TRUE(h.happenedBefore("destroyed SettingsWindow", "created AboutWindow"));
}

}  // namespace
}  // namespace quillo::test
