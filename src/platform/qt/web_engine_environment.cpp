#include "platform/qt/web_engine_environment.hpp"

#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
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
    "--process-per-site "
    "--disable-features=SafeBrowsing,Translate,MediaRouter,OptimizationHints";

constexpr int kDiskCacheBytes = 64 * 1024 * 1024;

// Under the generic XDG location, not Qt's per-organisation one, so the
// program's files are where a user looks for them.
QString engineDirectory(QStandardPaths::StandardLocation location) {
    return QDir(QStandardPaths::writableLocation(location))
        .filePath(QStringLiteral("quillo/engine"));
}

}  // namespace

void prepareWebEngineEnvironment() {
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", QByteArray(kChromiumFlags));
    }
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    }
}

void composePagesInSoftware() {
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) {
        qputenv("QT_QUICK_BACKEND", QByteArray("software"));
    }
}

bool pagesComposedInSoftware() {
    return qEnvironmentVariable("QT_QUICK_BACKEND") == QLatin1String("software");
}

std::unique_ptr<QWebEngineProfile> makeSharedProfile() {
    // A profile with a storage name is kept on disk; the paths are set
    // before any page uses it. Made with a storage name, the engine sets up
    // the profile's preferences under its default place (the application's
    // data directory, QtWebEngine/<name>) and writes them there when the
    // path changes. That place lies in our engine directory while the
    // profile is made (quillo/engine/QtWebEngine/Quillo/user_prefs.json), so
    // that nothing of the engine lands outside it.
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("quillo"));
    QCoreApplication::setApplicationName(QStringLiteral("engine"));
    auto profile = std::make_unique<QWebEngineProfile>(QStringLiteral("Quillo"));
    profile->setPersistentStoragePath(engineDirectory(QStandardPaths::GenericDataLocation));
    profile->setCachePath(engineDirectory(QStandardPaths::GenericCacheLocation));
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    profile->setHttpCacheMaximumSize(kDiskCacheBytes);
    // Cookies with an expiry survive the run; session cookies end with it,
    // as in a desktop browser.
    profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    profile->setSpellCheckEnabled(false);
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);
    settings->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    // The engine's own rule, stated: sound never starts by itself, a muted
    // video may autoplay.
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, true);
    return profile;
}

}  // namespace quillo::qt
