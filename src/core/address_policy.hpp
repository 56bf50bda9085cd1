#pragma once

#include <string_view>

namespace quillo {

// Which server-supplied addresses (GBK texts) may be handed to the desktop's
// default handler. Page bodies come from the network, so only a plain web
// address is opened: "http://" or "https://" (scheme letters in either case),
// a host, no blank (an address holds none; a blank in a path is written %20)
// and no control characters. Local paths, file:, javascript: and other
// schemes are refused.
//
// Control characters are looked for in the bytes and, after decoding, in the
// characters the address shows: the GBK text with its percent escapes read
// as UTF-8 must hold no C1 control (U+0080 to U+009F) and no bidirectional
// control (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069), which
// could make an address look like another.
bool isWebAddress(std::string_view address);

// Why isWebAddress refuses an address, first fault first; None when it
// takes it. Operator tools and the command line word their messages by it.
enum class AddressFault {
    None,
    NotWeb,            // no http:// or https:// at the start
    ControlCharacter,  // a control character, in the bytes or shown
    NoHost,            // nothing between "://" and the path
    Blank,             // a blank anywhere
};
AddressFault webAddressFault(std::string_view address);

// Which addresses from the server or from a page's status text the
// program's own browser views are sent to: web addresses as above, or
// exactly "about:blank". Anything else (file:, javascript:, local paths) is
// not navigated.
bool isBrowsableAddress(std::string_view address);

// The customer-service chat link: only addresses with the chat client's own
// "tencent://message/?uin=" prefix and no control characters, as above.
bool isChatAddress(std::string_view address);

}  // namespace quillo
