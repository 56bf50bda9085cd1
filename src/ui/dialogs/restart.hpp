#pragma once

#include <filesystem>

#include "core/text.hpp"

namespace quillo {

class App;

// The program's own file: the program directory and the executable's name.
std::filesystem::path ownProgramFile(App& app);

// The name of the program's auto-start entry: the executable's file name.
Text autoStartEntryName(App& app);

// Starts the program again and ends this one cleanly (every window, the tray
// icon with the main window, then the process). When the new process cannot
// be started this one keeps running, and false is returned: the language
// already stored applies at the next start.
bool restartProgram(App& app);

}  // namespace quillo
