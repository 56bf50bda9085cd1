#pragma once

#include <string_view>

// Behaviour names that menu items carry in MenuItemDef::action. Behaviour
// modules bind handlers under these names with WindowModel::bindMenuAction.
namespace quillo::ui::menu_action {

// Options menus of the main window.
inline constexpr std::string_view kOpenSettings = "openSettings";
inline constexpr std::string_view kContactCustomerService = "contactCustomerService";
inline constexpr std::string_view kLaunchUpdater = "launchUpdaterFromMenu";
inline constexpr std::string_view kOpenAbout = "openAbout";
inline constexpr std::string_view kQuit = "quit";

// Browser context menus: act on the browser the menu belongs to.
inline constexpr std::string_view kGoBack = "goBack";
inline constexpr std::string_view kGoForward = "goForward";
inline constexpr std::string_view kRefresh = "refresh";
inline constexpr std::string_view kStop = "stop";

// ColumnWindow's dedicated menus: act on its application browser.
inline constexpr std::string_view kAppGoBack = "appGoBack";
inline constexpr std::string_view kAppGoForward = "appGoForward";
inline constexpr std::string_view kAppRefresh = "appRefresh";
inline constexpr std::string_view kAppStop = "appStop";

}  // namespace quillo::ui::menu_action
