#include "platform/qt/quiet_page.hpp"

#include <QWebEngineCertificateError>
#include <QWebEngineNewWindowRequest>
#include <utility>

namespace quillo::qt {

QuietPage::QuietPage(QWebEngineProfile& profile, QObject* parent, WindowOpener opener,
                     LeaveWatcher leaveWatcher)
    : QWebEnginePage(&profile, parent),
      opener_(std::move(opener)),
      leaveWatcher_(std::move(leaveWatcher)) {
    connect(this, &QWebEnginePage::certificateError, this,
            [](const QWebEngineCertificateError& error) {
                QWebEngineCertificateError refused = error;
                refused.rejectCertificate();
            });
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) {
                QWebEnginePage* page = opener_ ? opener_(*this, request.requestedUrl()) : nullptr;
                if (page != nullptr) {
                    request.openIn(page);
                }
            });
}

QWebEnginePage* QuietPage::createWindow(WebWindowType) {
    return nullptr;
}

bool QuietPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    const bool leftByThePage = type == NavigationTypeLinkClicked ||
                               type == NavigationTypeFormSubmitted || type == NavigationTypeOther;
    if (isMainFrame && leftByThePage && leaveWatcher_ && leaveWatcher_(url)) {
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
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
    if (consoleWatcher_ && consoleWatcher_(message)) {
        return;
    }
    if (!silent_) {
        QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceId);
    }
}

}  // namespace quillo::qt
