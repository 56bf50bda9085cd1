// The desktop program: reads its command line, then wires the Qt backend and
// the Linux platform into one App. Everything else starts in the main
// window's created event.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.hpp"
#include "app/command_line.hpp"
#include "config/config_seed.hpp"
#include "config/config_store.hpp"
#include "config/settings.hpp"
#include "content/content_client.hpp"
#include "content/decipher.hpp"
#include "content/server_addresses.hpp"
#include "core/version.hpp"
#include "i18n/language.hpp"
#include "platform/linux/config_location.hpp"
#include "platform/linux/linux_platform.hpp"
#include "platform/linux/successor_process.hpp"
#include "platform/linux/system_log.hpp"
#include "platform/linux/termination_signals.hpp"
#include "platform/qt/descriptor_watch.hpp"
#include "platform/qt/display_platform.hpp"
#include "platform/qt/log_output.hpp"
#include "platform/qt/qt_backend.hpp"
#include "platform/qt/single_instance.hpp"
#include "ui/definitions/window_definitions.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/model/window_model.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const quillo::CommandLine line = quillo::parseCommandLine(arguments);
    switch (line.action) {
        case quillo::CommandLine::Action::ShowHelp:
            std::fputs(quillo::helpText("quillo").c_str(), stdout);
            return 0;
        case quillo::CommandLine::Action::ShowVersion:
            std::printf("quillo %.*s\n", static_cast<int>(quillo::version::kVersion.size()),
                        quillo::version::kVersion.data());
            return 0;
        case quillo::CommandLine::Action::Refuse:
            std::fprintf(stderr, "quillo: %s\nTry 'quillo --help'.\n", line.message.c_str());
            return 2;
        case quillo::CommandLine::Action::Run:
            break;
    }
    if (const std::string_view missing =
            quillo::qt::missingDisplayMessage([](const char* name) { return std::getenv(name); });
        !missing.empty()) {
        std::fprintf(stderr, "quillo: %.*s\n", static_cast<int>(missing.size()), missing.data());
        return 1;
    }

    // A restarted program begins only once its predecessor has ended, so
    // that it never meets its windows, tray icon or single-instance socket.
    quillo::linux_platform::awaitPredecessor();

    quillo::qt::installLogOutput(&quillo::linux_platform::writeLogLine);
    quillo::qt::preferXWayland();
    const quillo::LogSink log = quillo::qt::logSink();

    quillo::qt::QtBackend backend;
    quillo::LinuxPlatform platform(backend);

    // Config.ini beside a portable program, per user for an installed one
    // (or when the program directory is not writable); created from the
    // shipped defaults when missing.
    const std::filesystem::path programDirectory = platform.programDirectory();
    const std::filesystem::path configDirectory =
        quillo::linux_platform::configDirectory(programDirectory);
    if (quillo::ensureConfigFile(configDirectory, programDirectory / "Config.ini")) {
        log(quillo::LogLevel::Info, "quillo.config",
            "created " + (configDirectory / "Config.ini").string());
    }
    quillo::ConfigStore config(configDirectory);
    config.setLogSink(log);
    // Screen readers name the picture buttons in the configured language.
    backend.setSpokenLanguage(quillo::pickByLanguage(
        quillo::languageByNumber(quillo::Settings(config).language()),
        quillo::ui::SpokenLanguage::Simplified, quillo::ui::SpokenLanguage::Traditional,
        quillo::ui::SpokenLanguage::English));

    const std::string serverCipher = line.contentServer.empty()
                                         ? std::string(quillo::serverAddressCipher())
                                         : quillo::encipherText(line.contentServer);
    quillo::ui::WindowModel windows(backend, quillo::ui::findWindowDefinition);
    backend.attach(windows);
    // Requests run off the user-interface thread through the model's request
    // path and the backend's wait.
    quillo::ContentClient content{serverCipher, {}, &windows};
    content.setLogSink(log);
    log(quillo::LogLevel::Info, "quillo.content", "content server " + content.baseAddress());

    quillo::App app(config, content, platform, windows);
    app.setLogSink(log);
    app.bindBehaviours();

    // One program per Config.ini: a later start hands over to the running
    // one, which comes back as from a click on its tray icon, and ends.
    quillo::qt::SingleInstance instance(
        quillo::linux_platform::instanceSocketPath(config.path()).string());
    // The hand-over is never held behind a request: it takes effect at once.
    const bool handedOver = instance.handOverOrListen([&windows] {
        if (windows.find(quillo::ui::kMainWindow) == nullptr) {
            return;
        }
        quillo::ui::EventArgs click;
        click.code = 1;
        windows.raiseAtOnce(quillo::ui::kMainWindow, "", quillo::ui::EventKind::TrayAction, click);
    });
    if (handedOver) {
        log(quillo::LogLevel::Info, "quillo.app", "handed over to the running program");
        return 0;
    }
    // SIGTERM and SIGINT end the program as Quit does, at once and without
    // the exit pop-up or any request: every window closes, the tray icon
    // goes, and leaving main() releases the screen-saver inhibition and the
    // single-instance socket.
    quillo::linux_platform::TerminationSignals signals;
    const quillo::qt::DescriptorWatch ending(signals.descriptor(), [&signals, &windows, &log] {
        if (!signals.drain()) {
            return;
        }
        log(quillo::LogLevel::Info, "quillo.app", "asked to end: closing every window");
        windows.actAtOnce(quillo::ui::kMainWindow,
                          [&windows] { windows.destroy(quillo::ui::kMainWindow); });
    });
    app.start();
    return backend.run();
}
