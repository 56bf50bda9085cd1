#pragma once

#include <QWebEngineProfile>
#include <memory>

namespace quillo::qt {

// Sets the browser engine's process environment; must run before the
// QApplication exists.
//
// - Chromium flags, only when the user has not set QTWEBENGINE_CHROMIUM_FLAGS
//   himself: no background traffic of the engine's own (component updates,
//   safe browsing, metrics, domain reliability), so the program talks only to
//   the sites it shows, which also keeps it quiet on a closed network; and
//   software rendering (--disable-gpu), which works on every X server, Xvfb
//   included, at the cost of some CPU on machines with a usable GPU; and
//   one renderer process per site (--process-per-site), so the windows that
//   show the same site, and the local loading pages, share one renderer
//   each instead of one per view.
// - Running as root (containers, CI) Chromium refuses its sandbox, so the
//   sandbox is switched off then, and only then.
void prepareWebEngineEnvironment();

// Composes the pages' frames in software, unless the user has chosen a scene
// graph backend himself (QT_QUICK_BACKEND); must run before the QApplication
// exists. The engine draws in software (--disable-gpu), so an OpenGL scene
// graph only uploads each frame, composes it and, on an X server without a
// GPU, reads it back again: with a film playing that costs a core. Drawn in
// software, a frame goes from the engine into the window's backing store.
void composePagesInSoftware();

// True when the pages' frames are composed in software (see above): a
// window then needs no OpenGL composition for its browser views.
bool pagesComposedInSoftware();

// The one profile every browser view of every window shares, kept on disk
// as a desktop browser keeps it: cookies and local storage under the user's
// XDG data directory ($XDG_DATA_HOME/quillo/engine), the HTTP cache under the
// XDG cache directory ($XDG_CACHE_HOME/quillo/engine) with a size cap.
// Media plays without a user gesture only when the page mutes it.
std::unique_ptr<QWebEngineProfile> makeSharedProfile();

}  // namespace quillo::qt
