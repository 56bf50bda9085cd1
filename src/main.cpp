// The desktop program: the Qt backend and the Linux platform wired into one
// App. It takes no arguments; everything else starts in the main window's
// created event.

#include "app/app.hpp"
#include "config/config_store.hpp"
#include "content/content_client.hpp"
#include "content/server_addresses.hpp"
#include "platform/linux/linux_platform.hpp"
#include "platform/qt/qt_backend.hpp"
#include "ui/definitions/window_definitions.hpp"
#include "ui/model/window_model.hpp"

int main() {
    quillo::qt::QtBackend backend;
    quillo::LinuxPlatform platform(backend);
    quillo::ConfigStore config(platform.programDirectory());
    quillo::ContentClient content{std::string(quillo::serverAddressCipher())};
    quillo::ui::WindowModel windows(backend, quillo::ui::findWindowDefinition);
    backend.attach(windows);
    quillo::App app(config, content, platform, windows);
    app.bindBehaviours();
    app.start();
    return backend.run();
}
