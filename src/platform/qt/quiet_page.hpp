#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <functional>
#include <utility>

namespace quillo::qt {

// A page that can be told to keep quiet: while silent it shows no
// JavaScript alert, confirm or prompt dialog (confirm and prompt answer
// "cancel") and drops console messages. Certificate errors are always
// rejected, silent or not: a bad certificate is never accepted unseen.
// Requests for a new window go to the window opener given, with the address
// the new window is asked to show. Pages the page itself leaves for (a link,
// a form, a script) in its main frame go to the leave watcher, which may keep
// the page where it is; the program's own loads, reloads, history steps and
// redirects do not. Both are called inside the engine's callback and must
// answer at once, without waiting on anything.
class QuietPage final : public QWebEnginePage {
public:
    // Returns the page that shows the new window, or null to refuse it.
    using WindowOpener = std::function<QWebEnginePage*(QuietPage& opener, const QUrl& address)>;
    // Returns true to keep the page where it is.
    using LeaveWatcher = std::function<bool(const QUrl& address)>;
    // Sees every console message first (also while silent); returns true
    // when the message was meant for it, which then goes no further. Called
    // inside the engine's callback: it must answer at once.
    using ConsoleWatcher = std::function<bool(const QString& message)>;

    QuietPage(QWebEngineProfile& profile, QObject* parent, WindowOpener opener,
              LeaveWatcher leaveWatcher = {});

    bool silent() const { return silent_; }
    void setSilent(bool silent) { silent_ = silent; }
    void setConsoleWatcher(ConsoleWatcher watcher) { consoleWatcher_ = std::move(watcher); }

protected:
    // Refuses: every request is answered through newWindowRequested, which
    // knows the address.
    QWebEnginePage* createWindow(WebWindowType type) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& message,
                          const QString& defaultValue, QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceId) override;

private:
    WindowOpener opener_;
    LeaveWatcher leaveWatcher_;
    ConsoleWatcher consoleWatcher_;
    bool silent_ = false;
};

}  // namespace quillo::qt
