#include "platform/qt/log_output.hpp"

#include <QLoggingCategory>
#include <QString>
#include <QtGlobal>

#include <string>

namespace quillo::qt {
namespace {

Q_LOGGING_CATEGORY(contentLog, "quillo.content")
Q_LOGGING_CATEGORY(configLog, "quillo.config")
Q_LOGGING_CATEGORY(platformLog, "quillo.platform")
Q_LOGGING_CATEGORY(appLog, "quillo.app")

const QLoggingCategory& categoryNamed(std::string_view name) {
    if (name == "quillo.content") {
        return contentLog();
    }
    if (name == "quillo.config") {
        return configLog();
    }
    if (name == "quillo.platform") {
        return platformLog();
    }
    return appLog();
}

// qInstallMessageHandler takes a plain function, so the writer it forwards
// to is kept here, set once before the application starts.
LogWriter installedWriter = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (installedWriter == nullptr) {
        return;
    }
    const LogLevel level = type == QtDebugMsg  ? LogLevel::Debug
                           : type == QtInfoMsg ? LogLevel::Info
                                               : LogLevel::Warning;
    const std::string category = context.category != nullptr ? context.category : "default";
    installedWriter(level, category, message.toStdString());
}

}  // namespace

void installLogOutput(LogWriter writer) {
    installedWriter = writer;
    // Quiet by default: warnings only, for the program and the libraries.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    qInstallMessageHandler(&handleMessage);
}

LogSink logSink() {
    return [](LogLevel level, std::string_view category, std::string_view message) {
        const QLoggingCategory& target = categoryNamed(category);
        const QString text =
            QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
        switch (level) {
            case LogLevel::Debug:
                qCDebug(target).noquote() << text;
                break;
            case LogLevel::Info:
                qCInfo(target).noquote() << text;
                break;
            case LogLevel::Warning:
                qCWarning(target).noquote() << text;
                break;
        }
    };
}

}  // namespace quillo::qt
