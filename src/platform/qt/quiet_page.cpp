#include "platform/qt/quiet_page.hpp"

#include <QWebEngineCertificateError>
#include <utility>

namespace quillo::qt {

QuietPage::QuietPage(QWebEngineProfile& profile, QObject* parent, WindowOpener opener)
    : QWebEnginePage(&profile, parent), opener_(std::move(opener)) {
    connect(this, &QWebEnginePage::certificateError, this,
            [](const QWebEngineCertificateError& error) {
                QWebEngineCertificateError refused = error;
                refused.rejectCertificate();
            });
}

QWebEnginePage* QuietPage::createWindow(WebWindowType) {
    return opener_ ? opener_(*this) : nullptr;
}

void QuietPage::javaScriptAlert(const QUrl& securityOrigin, const QString& message) {
    if (!silent_) {
        QWebEnginePage::javaScriptAlert(securityOrigin, message);
    }
}

bool QuietPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& message) {
    return !silent_ && QWebEnginePage::javaScriptConfirm(securityOrigin, message);
}

bool QuietPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& message,
                                 const QString& defaultValue, QString* result) {
    return !silent_ &&
           QWebEnginePage::javaScriptPrompt(securityOrigin, message, defaultValue, result);
}

void QuietPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                         const QString& message, int lineNumber,
                                         const QString& sourceId) {
    if (!silent_) {
        QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceId);
    }
}

}  // namespace quillo::qt
