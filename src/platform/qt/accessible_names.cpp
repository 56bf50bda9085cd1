#include "platform/qt/accessible_names.hpp"

#include <QWidget>
#include <memory>

#include "platform/qt/qt_text.hpp"

namespace quillo::qt {
namespace {

QWidget* widgetOf(QWidget& view, std::string_view control) {
    return view.findChild<QWidget*>(sourceText(control));
}

const ui::Control* controlOf(const ui::Window& window, std::string_view name) {
    for (const std::unique_ptr<ui::Control>& control : window.controls()) {
        if (control->name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

}  // namespace

void nameForScreenReaders(QWidget& view, const ui::Window& window, ui::SpokenLanguage language) {
    for (const std::unique_ptr<ui::Control>& control : window.controls()) {
        const ui::ControlDef* definition = window.definition().findControl(control->name());
        if (definition == nullptr) {
            continue;
        }
        const std::string_view spoken = definition->spoken.in(language);
        if (!spoken.empty()) {
            if (QWidget* widget = widgetOf(view, control->name())) {
                widget->setAccessibleName(sourceText(spoken));
            }
        }
        if (!definition->labelledBy.empty()) {
            if (const ui::Control* label = controlOf(window, definition->labelledBy)) {
                if (QWidget* widget = widgetOf(view, control->name())) {
                    widget->setAccessibleName(displayText(label->text()));
                }
            }
        }
    }
}

void letKeyboardReachDialogButtons(QWidget& view, const ui::Window& window) {
    if (!window.modal()) {
        return;
    }
    for (const std::unique_ptr<ui::Control>& control : window.controls()) {
        if (control->kind() == ui::ControlKind::ImageButton) {
            if (QWidget* widget = widgetOf(view, control->name())) {
                widget->setFocusPolicy(Qt::StrongFocus);
            }
        }
    }
}

void labelTextChanged(QWidget& view, const ui::Window& window, const ui::Control& label) {
    for (const ui::ControlDef& definition : window.definition().controls) {
        if (definition.labelledBy == label.name()) {
            if (QWidget* widget = widgetOf(view, definition.name)) {
                widget->setAccessibleName(displayText(label.text()));
            }
        }
    }
}

}  // namespace quillo::qt
