#include "ads/adverts.hpp"

#include "ads/popup_lifetime.hpp"
#include "ads/text_ads.hpp"

namespace quillo {

void bindAdverts(App& app) {
    bindTextAds(app);
    bindPopupLifetimes(app);
}

}  // namespace quillo
