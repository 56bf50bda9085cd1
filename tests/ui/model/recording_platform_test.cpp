#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text.hpp"
#include "platform/headless/headless_backend.hpp"
#include "platform/headless/journal.hpp"
#include "platform/headless/recording_platform.hpp"
#include "test_windows.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::test {
namespace {

// The available area follows the screen until panels are set, as on a
// desktop without panels.
TEST(RecordingPlatform, TheAvailableAreaIsTheWholeScreenUntilPanelsAreSet) {
    RecordingPlatform platform("/opt/quillo");
    platform.setScreenSize({1920, 1080});
    EXPECT_EQ(platform.availableArea().right(), 1920);
    EXPECT_EQ(platform.availableArea().bottom(), 1080);

    platform.setAvailableArea({0, 24, 1920, 1016});
    platform.setScreenSize({2560, 1440});
    EXPECT_EQ(platform.availableArea().top, 24);
    EXPECT_EQ(platform.availableArea().bottom(), 1040);
}

TEST(RecordingPlatform, RecordsEveryRequestInOrder) {
    RecordingPlatform platform("/opt/quillo");
    EXPECT_EQ(platform.exitCode(), std::nullopt);
    platform.openAddress(gbk("tencent://message/?uin=1&Site=影音&Menu=yes"));
    platform.registerAutoStart("Quillo", "/opt/quillo/quillo");
    platform.unregisterAutoStart("Quillo");
    platform.registerAutoStart("Quillo", "/opt/quillo/quillo2");
    platform.setScreenSaverActive(false);
    platform.trimWorkingSet();
    platform.trimWorkingSet();
    platform.messageBox(gbk("请链接网络后，重新运行本程序！"), gbk("提示"), MessageIcon::Warning);
    platform.startProgram("/opt/quillo/Update");
    platform.endProcess(0);
    platform.endProcess(3);

    EXPECT_EQ(platform.openedAddresses(),
              (std::vector<Text>{gbk("tencent://message/?uin=1&Site=影音&Menu=yes")}));
    ASSERT_EQ(platform.autoStartCalls().size(), 3u);
    EXPECT_FALSE(platform.autoStartCalls()[1].registered);
    EXPECT_EQ(platform.autoStartEntries(),
              (std::map<Text, Text>{{"Quillo", "/opt/quillo/quillo2"}}));
    EXPECT_EQ(platform.screenSaverCalls(), (std::vector<bool>{false}));
    EXPECT_EQ(platform.workingSetTrims(), 2);
    ASSERT_EQ(platform.messageBoxes().size(), 1u);
    EXPECT_EQ(platform.messageBoxes()[0].title, gbk("提示"));
    EXPECT_EQ(platform.messageBoxes()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(platform.startedPrograms(),
              (std::vector<std::filesystem::path>{"/opt/quillo/Update"}));
    EXPECT_EQ(platform.exitCode(), 0);
    EXPECT_EQ(platform.exitRequests(), (std::vector<int>{0, 3}));
    EXPECT_EQ(platform.journal().entries(),
              (std::vector<std::string>{"open tencent://message/?uin=1&Site=影音&Menu=yes",
                                        "autostart on Quillo", "autostart off Quillo",
                                        "autostart on Quillo", "screensaver off", "trim", "trim",
                                        "message 请链接网络后，重新运行本程序！",
                                        "start /opt/quillo/Update", "exit 0", "exit 3"}));
}

// The backend and the platform write to one journal, so the order of a
// window's end and a message box can be checked.
TEST(SharedJournal, OrdersBackendAndPlatformActions) {
    std::vector<ui::WindowDef> windows = testWindows();
    Journal journal;
    HeadlessBackend backend(&journal);
    RecordingPlatform platform("/opt/quillo", &journal);
    ui::WindowModel model(backend, [&windows](std::string_view name) -> const ui::WindowDef* {
        for (const ui::WindowDef& w : windows) {
            if (w.name == name) {
                return &w;
            }
        }
        return nullptr;
    });
    backend.attach(model);
    model.bind("MainWindow", "", ui::EventKind::Created, [&](ui::Window&, ui::EventArgs&) {
        model.destroy("MainWindow");
        platform.messageBox(gbk("请链接网络后，重新运行本程序！"), gbk("提示"),
                            MessageIcon::Warning);
    });

    model.load("MainWindow");

    EXPECT_EQ(&backend.journal(), &journal);
    EXPECT_EQ(&platform.journal(), &journal);
    EXPECT_TRUE(journal.ordered("destroyed MainWindow", "message 请链接网络后，重新运行本程序！"));
    EXPECT_FALSE(journal.ordered("message 请链接网络后，重新运行本程序！", "destroyed MainWindow"));
    EXPECT_EQ(journal.find("created MainWindow"), 0u);
    EXPECT_EQ(journal.find("quit"), journal.find("destroyed MainWindow").value() + 1);
    EXPECT_EQ(journal.find("created MainWindow", 1), std::nullopt);
}

}  // namespace
}  // namespace quillo::test
