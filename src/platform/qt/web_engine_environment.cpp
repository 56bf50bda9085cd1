#include "platform/qt/web_engine_environment.hpp"

#include <unistd.h>

#include <QByteArray>
#include <QWebEngineSettings>

namespace quillo::qt {
namespace {

constexpr const char* kChromiumFlags =
    "--disable-gpu "
    "--disable-background-networking "
    "--disable-component-update "
    "--disable-domain-reliability "
    "--disable-breakpad "
    "--disable-sync "
    "--no-pings "
    "--no-first-run "
    "--disable-features=SafeBrowsing,Translate,MediaRouter,OptimizationHints";

constexpr int kMemoryCacheBytes = 8 * 1024 * 1024;

}  // namespace

void prepareWebEngineEnvironment() {
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", QByteArray(kChromiumFlags));
    }
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    }
}

std::unique_ptr<QWebEngineProfile> makeSharedProfile() {
    // A profile made without a storage name is off the record.
    auto profile = std::make_unique<QWebEngineProfile>();
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setHttpCacheMaximumSize(kMemoryCacheBytes);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile->setSpellCheckEnabled(false);
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    return profile;
}

}  // namespace quillo::qt
