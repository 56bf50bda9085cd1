#include "ui/browser/column_openers.hpp"

#include <array>
#include <optional>
#include <string_view>

#include "app/app.hpp"
#include "content/pages.hpp"
#include "core/address_policy.hpp"
#include "i18n/language.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/browser/open_state_keys.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/player_window.hpp"

namespace quillo {
namespace {

namespace keys = open_state;
namespace column = ui::column_window;

enum class Column { LiveTv, AppCentre, Custom1, Custom2 };

struct ColumnOpener {
    Column column;
    std::string_view label;  // of the main window
    int columnText;          // index into the start-up's column texts
};

constexpr std::array<ColumnOpener, 4> kOpeners{{
    {Column::LiveTv, ui::main_window::kColumn2Label, 1},
    {Column::AppCentre, ui::main_window::kColumn3Label, 2},
    {Column::Custom1, ui::main_window::kColumn4Label, 3},
    {Column::Custom2, ui::main_window::kColumn5Label, 4},
}};

// The custom columns' addresses are asked of the server on every click.
std::optional<Text> fetchCustomAddress(App& app, Column column) {
    BrowserWindowsState& state = app.state().browserWindows;
    switch (column) {
        case Column::Custom1:
            state.customColumn1Address = app.content().fetchPage(pages::kCustomColumn1Address);
            return state.customColumn1Address;
        case Column::Custom2:
            state.customColumn2Address = app.content().fetchPage(pages::kCustomColumn2Address);
            return state.customColumn2Address;
        case Column::LiveTv:
        case Column::AppCentre:
            break;
    }
    return std::nullopt;
}

// Sends the window to the column; false when the column's address is
// refused by the address policy and the window keeps what it showed.
bool navigate(App& app, ui::Window& window, Column column, const std::optional<Text>& custom) {
    ui::Control& browser = window.control(column::kColumnBrowser);
    switch (column) {
        case Column::LiveTv:
            browser.navigate(app.content().pageAddress(pages::kTvPage));
            return true;
        case Column::AppCentre:
            browser.navigate(Text(kBlankPage));
            window.control(column::kAppBrowser)
                .navigate(app.content().pageAddress(pages::kAppPage));
            return true;
        case Column::Custom1:
        case Column::Custom2: {
            const Text address = custom.value_or(Text{});
            if (!isBrowsableAddress(address)) {
                return false;
            }
            browser.navigate(address);
            return true;
        }
    }
    return false;
}

void showAndLoad(App& app, const ColumnOpener& opener, const std::optional<Text>& custom,
                 const Text& languageCode) {
    const ui::Window& main = *app.windows().find(ui::main_window::kWindow);
    ui::Window& window = app.windows().loadAt(column::kWindow, besidePlace(main));
    placeBeside(window, main);
    // The title names the column on show: a refused address leaves both the
    // page and the title as they were.
    if (!navigate(app, window, opener.column, custom)) {
        return;
    }
    // The same title in the three languages; any other code keeps the old one.
    if (languageByNumber(languageCode) != Language::None) {
        const StartupState& startup = app.state().startup;
        Text title = startup.displayName + " " + startup.columnTexts[opener.columnText];
        window.control(column::kTitleLabel).setText(title);
        window.setTitle(title);
    }
}

void openColumn(App& app, const ColumnOpener& opener) {
    const std::optional<Text> custom = fetchCustomAddress(app, opener.column);
    ConfigStore& config = app.config();
    const Text playerOpen = config.readConfig(keys::kPlayerWindows);
    const Text columnOpen = config.readConfig(keys::kAppOpen);
    const Text languageCode = config.readConfig("Language");

    if (columnOpen == keys::kOpen) {
        app.windows().destroy(column::kWindow);
    } else if (columnOpen != keys::kClosed) {
        return;
    }
    if (playerOpen == keys::kOpen) {
        app.windows().destroy(ui::player_window::kWindow);
        config.writeConfig(keys::kPlayerWindows, keys::kClosed);
        config.writeConfig(keys::kPlayerOpen, keys::kClosed);
    } else if (playerOpen != keys::kClosed) {
        return;
    }
    showAndLoad(app, opener, custom, languageCode);
}

}  // namespace

void bindColumnOpeners(App& app) {
    for (const ColumnOpener& opener : kOpeners) {
        app.windows().bind(ui::main_window::kWindow, opener.label, ui::EventKind::LeftButtonDown,
                           [&app, &opener](ui::EventArgs&) { openColumn(app, opener); });
    }
}

}  // namespace quillo
