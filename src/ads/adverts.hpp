#pragma once

namespace quillo {

class App;

// Every behaviour of the advertisement windows and lines: the text
// advertisements of the title bars and the pop-up windows.
void bindAdverts(App& app);

}  // namespace quillo
