#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/qt/qt_backend.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::qt {

// A window model over a test's own window definitions, attached to the Qt
// backend: made afresh for each test function, and every window destroyed
// after it.
inline std::unique_ptr<ui::WindowModel> attachedModel(
    QtBackend& backend, const std::vector<ui::WindowDef>& definitions) {
    auto model = std::make_unique<ui::WindowModel>(
        backend, [&definitions](std::string_view name) -> const ui::WindowDef* {
            for (const ui::WindowDef& definition : definitions) {
                if (definition.name == name) {
                    return &definition;
                }
            }
            return nullptr;
        });
    backend.attach(*model);
    return model;
}

// Last defined first, so that a main window listed first (whose end ends
// the program) goes last.
inline void destroyEveryWindow(ui::WindowModel& model,
                               const std::vector<ui::WindowDef>& definitions) {
    for (auto definition = definitions.rbegin(); definition != definitions.rend(); ++definition) {
        model.destroy(definition->name);
    }
}

}  // namespace quillo::qt
