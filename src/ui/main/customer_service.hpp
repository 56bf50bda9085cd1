#pragma once

#include "core/text.hpp"

namespace quillo {

class App;

// The chat link to customer service: the number from the server and the
// display name, joined as they are (GBK bytes, no escaping).
Text customerServiceAddress(const Text& number, const Text& displayName);

// Fetches the number and hands the chat link to the system's handler.
void contactCustomerService(App& app);

}  // namespace quillo
