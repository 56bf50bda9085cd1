#pragma once

namespace quillo {

class App;

// The forced update at start-up: when the server flags this version, tell
// the user, start the updater and end the process. Returns true when the
// process was asked to end (the caller must not go on).
bool checkForUpdate(App& app);

// Starts the updater beside the program, detached; a missing updater fails
// silently.
void launchUpdater(App& app);

// The options-menu command: the main window goes (which ends the program),
// then the updater starts.
void launchUpdaterFromMenu(App& app);

}  // namespace quillo
