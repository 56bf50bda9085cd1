#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "app/run_state.hpp"
#include "config/config_store.hpp"
#include "config/settings.hpp"
#include "content/content_client.hpp"
#include "core/log.hpp"
#include "platform/platform.hpp"
#include "ui/model/window_model.hpp"

namespace quillo {

// The context every behaviour module receives when it binds its handlers:
// the run state and the services. No globals: tests build as many as they
// like.
class App {
public:
    App(ConfigStore& config, ContentClient& content, Platform& platform, ui::WindowModel& windows);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The composition root: binds every window's behaviours to the window
    // model. Defined in quillo_app, not with the context.
    void bindBehaviours();

    // Program entry: clears away temporary files that a crash during a
    // Config.ini write left, then loads MainWindow, whose created event runs
    // the start-up, then runs the start steps, in the order they were
    // added, while the main window is still open.
    void start();

    // A step that every start of the program takes once the main window's
    // start-up has run (settings that hold for the whole run). Behaviour
    // modules add their steps when they bind.
    void addStartStep(std::function<void()> step);

    RunState& state() { return state_; }
    ConfigStore& config() { return config_; }
    // The settings and window-state keys of Config.ini, by name.
    const Settings& settings() const { return settings_; }
    ContentClient& content() { return content_; }
    Platform& platform() { return platform_; }
    ui::WindowModel& windows() { return windows_; }

    // Where behaviours report what a user or operator may need to know.
    // Without a sink the messages are dropped.
    void setLogSink(LogSink sink);
    void log(LogLevel level, std::string_view category, std::string_view message) const;

    // Program directory + "Skins/Default/" + file.
    std::filesystem::path skinFile(std::string_view file) const;
    std::filesystem::path programDirectory() const { return programDirectory_; }

private:
    ConfigStore& config_;
    ContentClient& content_;
    Platform& platform_;
    ui::WindowModel& windows_;
    Settings settings_;
    std::filesystem::path programDirectory_;
    RunState state_;
    LogSink log_;
    std::vector<std::function<void()>> startSteps_;
};

}  // namespace quillo
