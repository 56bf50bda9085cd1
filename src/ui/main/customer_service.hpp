#pragma once

#include <optional>

#include "core/text.hpp"

namespace quillo {

class App;

// The chat link to customer service, or nothing when number is not a plain
// number (one or more ASCII digits and nothing else). The display name (GBK
// bytes) is percent-encoded as a query value, so neither text can add
// parameters or characters of its own to the link.
std::optional<Text> customerServiceAddress(const Text& number, const Text& displayName);

// Fetches the number and hands the chat link to the system's handler; with
// no usable number it opens nothing and logs why.
void contactCustomerService(App& app);

}  // namespace quillo
