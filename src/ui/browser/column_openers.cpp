#include "ui/browser/column_openers.hpp"

#include <array>
#include <optional>
#include <string_view>

#include "app/app.hpp"
#include "content/pages.hpp"
#include "core/address_policy.hpp"
#include "i18n/language.hpp"
#include "ui/browser/browser_views.hpp"
#include "ui/definitions/column_window.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/player_window.hpp"

namespace quillo {
namespace {

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
    switch (column) {
        case Column::Custom1:
            return app.content().fetchPage(pages::kCustomColumn1Address);
        case Column::Custom2:
            return app.content().fetchPage(pages::kCustomColumn2Address);
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

void showAndLoad(App& app, const ui::Window& main, const ColumnOpener& opener,
                 const std::optional<Text>& custom, const Text& languageCode) {
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

// Both keys and the language are read after the fetch and before any test.
// A key that holds neither "1" nor "2" shows nothing. The column window
// records itself as closed only, so it is closed here only when another
// program has set its key to "2"; an open one is otherwise moved and sent to
// the column. An open player window (the window model says so) is closed.
void openColumn(App& app, const ui::Window& main, const ColumnOpener& opener) {
    const std::optional<Text> custom = fetchCustomAddress(app, opener.column);
    const Settings& settings = app.settings();
    ui::WindowModel& windows = app.windows();
    const RecordedState playerRecord = settings.openState(OpenStateKey::PlayerWindows);
    const RecordedState columnRecord = settings.openState(OpenStateKey::AppOpen);
    const Text languageCode = settings.language();

    if (columnRecord == RecordedState::Two) {
        windows.destroy(column::kWindow);
    } else if (columnRecord != RecordedState::One) {
        return;
    }
    if (playerRecord == RecordedState::Other) {
        return;
    }
    if (windows.isOpen(ui::player_window::kWindow)) {
        windows.destroy(ui::player_window::kWindow);
        settings.setOpen(OpenStateKey::PlayerWindows, false);
        settings.setOpen(OpenStateKey::PlayerOpen, false);
    }
    showAndLoad(app, main, opener, custom, languageCode);
}

}  // namespace

void bindColumnOpeners(App& app) {
    for (const ColumnOpener& opener : kOpeners) {
        app.windows().bind(
            ui::main_window::kWindow, opener.label, ui::EventKind::LeftButtonDown,
            [&app, &opener](ui::Window& main, ui::EventArgs&) { openColumn(app, main, opener); });
    }
}

}  // namespace quillo
