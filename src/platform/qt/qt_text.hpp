#pragma once

#include <QColor>
#include <QString>
#include <QUrl>
#include <string_view>

#include "core/text.hpp"
#include "ui/model/geometry.hpp"

namespace quillo::qt {

// A GBK text decoded for the screen.
QString displayText(const Text& gbkText);

// A UTF-8 literal of the window definitions (menu captions).
QString sourceText(std::string_view utf8);

// A status text from an address the engine reports: the address in its
// percent-encoded form, which is plain ASCII and so already a GBK text.
Text addressText(const QString& address);

// The address a browser is told to open: an absolute local path becomes a
// file address; anything else is taken as an address as it stands. The
// empty text opens a blank page.
QUrl addressUrl(const Text& gbkAddress);

inline QColor toQColor(ui::Color color) {
    return {color.r, color.g, color.b};
}

}  // namespace quillo::qt
