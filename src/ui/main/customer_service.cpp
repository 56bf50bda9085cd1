#include "ui/main/customer_service.hpp"

#include "app/app.hpp"
#include "content/pages.hpp"
#include "core/address_policy.hpp"

namespace quillo {

Text customerServiceAddress(const Text& number, const Text& displayName) {
    return "tencent://message/?uin=" + number + "&Site=" + displayName + "&Menu=yes";
}

void contactCustomerService(App& app) {
    Text number = app.content().fetchPage(pages::kCustomerServiceNumber);
    Text address = customerServiceAddress(number, app.state().startup.displayName);
    // A number page with line breaks or other control bytes is not passed on.
    if (isChatAddress(address)) {
        app.platform().openAddress(address);
    }
}

}  // namespace quillo
