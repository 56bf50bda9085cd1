#pragma once

#include "core/text.hpp"

namespace quillo {

// The key text of the decipher routine: one long constant GBK text mixing
// lower-case letters, digits, punctuation and Chinese characters. Used only by
// decipherText and encipherText.
Text decipherKeyText();

}  // namespace quillo
