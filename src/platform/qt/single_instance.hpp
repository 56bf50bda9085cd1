#pragma once

#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace quillo::qt {

// One running program per Config.ini. The first start listens on a local
// socket; a later start connects, asks the running one to show itself and
// ends, so no second start-up ever runs against the same settings.
class SingleInstance {
public:
    // `socketPath`: a per-user path that names the settings file, e.g.
    // $XDG_RUNTIME_DIR/quillo-<hash of the Config.ini path>.
    explicit SingleInstance(std::string socketPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Either hands over to a running program (true: this one should end) or
    // becomes the running one (false), whose `onActivate` runs on the event
    // loop each time a later start hands over. A socket left by a program
    // that crashed is replaced.
    bool handOverOrListen(std::function<void()> onActivate);

private:
    bool handOver() const;
    bool listen();

    std::string socketPath_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onActivate_;
};

}  // namespace quillo::qt
