#include "platform/qt/control_widgets.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "platform/qt/browser_view.hpp"
#include "platform/qt/image_button.hpp"
#include "platform/qt/picture_box.hpp"
#include "platform/qt/qt_text.hpp"
#include "platform/qt/transparent_label.hpp"

namespace quillo::qt {
namespace {

ui::Point toPoint(QPoint point) {
    return {point.x(), point.y()};
}

QWidget* createBrowser(const std::string& name, QWidget* parent, ControlEvents& events,
                       QWebEngineProfile& profile) {
    BrowserEvents browser;
    browser.statusTextChange = [&events, name](const Text& text) {
        ui::EventArgs args;
        args.text = text;
        events.report(name, ui::EventKind::StatusTextChange, args);
    };
    browser.answerNewWindow = [&events, name](const Text& address) {
        ui::EventArgs args;
        args.text = address;
        return events.closed() || events.answer(name, ui::EventKind::NewWindow2, args);
    };
    browser.newWindow = [&events, name](const Text& address, bool refused) {
        ui::EventArgs args;
        args.text = address;
        args.cancel = refused;
        events.report(name, ui::EventKind::NewWindow2, args);
    };
    browser.answerLeave = [&events, name](const Text& address) {
        ui::EventArgs args;
        args.text = address;
        return !events.closed() && events.answer(name, ui::EventKind::BeforeNavigate2, args);
    };
    browser.leave = [&events, name](const Text& address, bool kept) {
        ui::EventArgs args;
        args.text = address;
        args.cancel = kept;
        events.report(name, ui::EventKind::BeforeNavigate2, args);
    };
    browser.documentComplete = [&events, name] {
        events.report(name, ui::EventKind::DocumentComplete);
    };
    browser.rightButtonDown = [&events, name](QPoint position) {
        ui::EventArgs args;
        args.position = toPoint(position);
        events.report(name, ui::EventKind::RightButtonDown, args);
    };
    return new BrowserView(profile, parent, std::move(browser));
}

}  // namespace

QWidget* createControlWidget(const ui::Control& control, QWidget* parent, ControlEvents& events,
                             QWebEngineProfile& profile) {
    const std::string name = control.name();
    QWidget* widget = nullptr;
    switch (control.kind()) {
        case ui::ControlKind::PictureBox:
            widget = new PictureBox(parent, control.dragsWindow());
            break;
        case ui::ControlKind::ImageButton: {
            auto* button = new ImageButton(parent);
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [&events, name] { events.report(name, ui::EventKind::Clicked); });
            widget = button;
            break;
        }
        case ui::ControlKind::TransparentLabel:
            widget = new TransparentLabel(
                parent, control.cursor() == ui::Cursor::Hand, [&events, name](QPoint position) {
                    ui::EventArgs args;
                    args.position = toPoint(position);
                    events.report(name, ui::EventKind::LeftButtonDown, args);
                });
            break;
        case ui::ControlKind::PlainLabel:
            widget = new QLabel(parent);
            break;
        case ui::ControlKind::CheckBox: {
            auto* box = new QCheckBox(parent);
            QObject::connect(box, &QCheckBox::clicked, box, [&events, name](bool checked) {
                events.userChecked(name, checked);
                events.report(name, ui::EventKind::Clicked);
            });
            widget = box;
            break;
        }
        case ui::ControlKind::PushButton: {
            auto* button = new QPushButton(parent);
            QObject::connect(button, &QPushButton::clicked, button,
                             [&events, name] { events.report(name, ui::EventKind::Clicked); });
            widget = button;
            break;
        }
        case ui::ControlKind::Timer:
        case ui::ControlKind::StatusBar:
            // Timers are kept by the window; status bars are never shown and
            // their part texts live in the model only.
            return nullptr;
        case ui::ControlKind::Browser:
            widget = createBrowser(name, parent, events, profile);
            break;
        case ui::ControlKind::HypertextView:
            widget = new BrowserView(profile, parent, BrowserEvents{});
            break;
    }
    widget->setObjectName(sourceText(control.name()));
    if (control.cursor() == ui::Cursor::Hand) {
        widget->setCursor(Qt::PointingHandCursor);
    }
    return widget;
}

}  // namespace quillo::qt
