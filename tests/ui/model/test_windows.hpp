#pragma once

#include <string_view>
#include <vector>

#include "platform/headless/headless_backend.hpp"
#include "ui/model/window_definition.hpp"
#include "ui/model/window_model.hpp"

#include <gtest/gtest.h>

namespace quillo::test {

// Small hand-made windows for the model's own tests:
// - MainWindow, which ends the program: buttons, a hidden label, a check box,
//   a browser that starts at "about:blank", a status bar, timers of 200, 500
//   and 0 ms, two menus;
// - SettingsWindow, AboutWindow: dialogs with a button, a 100 ms timer, a
//   label and a browser;
// - ColumnWindow: visible, with a hypertext view and one menu;
// - PopupWindow: hidden at creation, with timers of 300 and 300 ms; its
//   close button is its closeControl (never held).
// MainWindow's menu item "退出" (quit) is never held either.
std::vector<ui::WindowDef> testWindows();

// A window model on the headless backend over testWindows().
class ModelTest : public ::testing::Test {
protected:
    ModelTest();

    const ui::WindowDef* definition(std::string_view name) const;

    std::vector<ui::WindowDef> windows_ = testWindows();
    HeadlessBackend backend_;
    ui::WindowModel model_;
};

}  // namespace quillo::test
