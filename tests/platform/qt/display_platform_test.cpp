// Whether the program has a display to show its windows on, from its
// environment, decided before Qt is asked (it aborts without one).

#include "platform/qt/display_platform.hpp"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include <map>
#include <string>

namespace quillo::qt {
namespace {

struct DisplayCase {
    const char* name;
    std::map<std::string, std::string> environment;
    bool displayed;
};

class MissingDisplay : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(MissingDisplay, IsReportedOnlyWithoutDisplayOrDisplaylessPlatform) {
    const DisplayCase& c = GetParam();
    const auto lookup = [&c](const char* variable) -> const char* {
        const auto found = c.environment.find(variable);
        return found == c.environment.end() ? nullptr : found->second.c_str();
    };
    if (c.displayed) {
        EXPECT_EQ(missingDisplayMessage(lookup), "");
    } else {
        EXPECT_EQ(missingDisplayMessage(lookup), "no display: set DISPLAY or WAYLAND_DISPLAY");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingDisplay,
    ::testing::Values(
        DisplayCase{"Nothing", {}, false},
        DisplayCase{"EmptyDisplays", {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, false},
        DisplayCase{"X11", {{"DISPLAY", ":0"}}, true},
        DisplayCase{"Wayland", {{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        DisplayCase{"XcbChosenWithoutDisplay", {{"QT_QPA_PLATFORM", "xcb"}}, false},
        DisplayCase{"Offscreen", {{"QT_QPA_PLATFORM", "offscreen"}}, true},
        DisplayCase{"OffscreenWithOptions", {{"QT_QPA_PLATFORM", "offscreen:size=10x10"}}, true},
        DisplayCase{
            "FallbackListFirstNeedsDisplay", {{"QT_QPA_PLATFORM", "wayland;offscreen"}}, false}),
    [](const ::testing::TestParamInfo<DisplayCase>& info) { return std::string(info.param.name); });

// Under a Wayland session the program runs through XWayland when it is
// there and the user chose no Qt platform: it places its own windows.
struct PlatformCase {
    const char* name;
    std::map<std::string, std::string> environment;
    const char* chosen;  // QT_QPA_PLATFORM afterwards, null: unset
};

class XWaylandPreferred : public ::testing::TestWithParam<PlatformCase> {};

TEST_P(XWaylandPreferred, OnlyWhenXWaylandIsThereAndNothingWasChosen) {
    const PlatformCase& c = GetParam();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"}) {
        const auto found = c.environment.find(variable);
        if (found == c.environment.end()) {
            qunsetenv(variable);
        } else {
            qputenv(variable, QByteArray::fromStdString(found->second));
        }
    }
    preferXWayland();
    if (c.chosen == nullptr) {
        EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    } else {
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM").toStdString(), c.chosen);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XWaylandPreferred,
    ::testing::Values(
        PlatformCase{
            "WaylandWithXWayland", {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, "xcb"},
        PlatformCase{"WaylandSessionWithXWayland",
                     {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}},
                     "xcb"},
        PlatformCase{"WaylandWithoutXWayland", {{"WAYLAND_DISPLAY", "wayland-0"}}, nullptr},
        PlatformCase{"X11Only", {{"DISPLAY", ":0"}}, nullptr},
        PlatformCase{
            "ChosenByTheUser",
            {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}},
            "wayland"}),
    [](const ::testing::TestParamInfo<PlatformCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
}  // namespace quillo::qt
