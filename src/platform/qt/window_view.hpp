#pragma once

#include <QPixmap>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWidget>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/qt/control_widgets.hpp"
#include "platform/qt/window_geometry.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::qt {

class BrowserView;

// The real top-level window of one open model window: frameless, with one
// widget (or timer) per control, positioned relative to its parent control
// or the window. It reports events to the model by window and control name
// and keeps no reference to the model's Window, which may be freed before
// this widget is.
class WindowView final : public QWidget, private ControlEvents {
public:
    WindowView(ui::Window& window, ui::WindowModel& model, QWebEngineProfile& profile);

    const std::string& name() const { return name_; }

    // Starts the timers with their intervals; called once the window stands.
    void startTimers(const ui::Window& window);

    void applyWindow(const ui::Window& window, ui::WindowProperty property);
    void applyControl(const ui::Window& window, const ui::Control& control,
                      ui::ControlProperty property);
    void browserCommand(const ui::Control& browser, ui::BrowserCommand command,
                        const Text& address);
    void popupMenu(const ui::WindowDef& definition, const ui::MenuDef& menu,
                   std::optional<ui::Point> screenPosition);
    // Where the desktop shows no tray (no StatusNotifier host, no system
    // tray), a window hidden to the tray would be out of the user's reach:
    // it is minimised instead and hidden once a tray appears.
    void setTrayIcon(const std::filesystem::path& iconFile, const Text& tooltip);

    // Restored if minimised, raised and given the keyboard focus; the window
    // must be shown.
    void activate();

    // The window is gone from the model: hide it, stop its timers and pages,
    // report nothing more. The caller deletes the widget later.
    void close();

protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void build(const ui::Window& window);
    void applyAll(const ui::Window& window, const ui::Control& control);
    void applyGeometry(const ui::Window& window);
    void applyVisible(const ui::Window& window);
    void applyState(const ui::Window& window);
    void applyKeepOnTop(const ui::Window& window);
    void applyBackgroundPicture(const ui::Window& window);
    void restoreFromMinimised();
    void reportGeometry();
    void minimiseUntilTrayAppears();
    void checkTrayAppeared();
    // ControlEvents; control "" stands for the window.
    ui::EventArgs report(const std::string& control, ui::EventKind event,
                         ui::EventArgs args = {}) override;
    bool answer(const std::string& control, ui::EventKind event,
                const ui::EventArgs& args) override;
    void userChecked(const std::string& control, bool checked) override;
    bool closed() const override { return closed_; }
    ui::Window* liveWindow();

    ui::WindowModel& model_;
    QWebEngineProfile& profile_;
    std::string name_;
    // Controls clicked for the window manager's close, Escape and Enter.
    std::string closeControl_;
    std::string escapeControl_;
    std::string enterControl_;
    bool closed_ = false;
    int applying_ = 0;  // > 0 while a model value is put on the widget
    PendingGeometry pendingGeometry_;
    QPixmap backgroundPicture_;  // under the controls, over the background colour
    // Children owned by this widget through Qt's parent ownership.
    std::map<std::string, QWidget*, std::less<>> widgets_;
    std::map<std::string, QTimer*, std::less<>> timers_;
    QPointer<QSystemTrayIcon> tray_;
    QTimer* trayWatch_ = nullptr;  // while minimised for want of a tray
};

}  // namespace quillo::qt
