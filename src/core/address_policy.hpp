#pragma once

#include <string_view>

namespace quillo {

// Which server-supplied addresses may be handed to the desktop's default
// handler. Page bodies come from the network, so only a plain web address
// is opened: "http://" or "https://" (scheme letters in either case) and no
// control characters. Local paths, file:, javascript: and other schemes are
// refused.
bool isWebAddress(std::string_view address);

// Which addresses from the server or from a page's status text the
// program's own browser views are sent to: web addresses as above, or
// exactly "about:blank". Anything else (file:, javascript:, local paths) is
// not navigated.
bool isBrowsableAddress(std::string_view address);

// The customer-service chat link: only addresses with the chat client's own
// "tencent://message/?uin=" prefix and no control characters.
bool isChatAddress(std::string_view address);

}  // namespace quillo
