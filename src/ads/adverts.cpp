#include "ads/adverts.hpp"

#include "ads/corner_popup.hpp"
#include "ads/exit_popup.hpp"
#include "ads/pop_under.hpp"
#include "ads/text_ads.hpp"

namespace quillo {

void bindAdverts(App& app) {
    bindTextAds(app);
    bindPopUnder(app);
    bindCornerPopup(app);
    bindExitPopup(app);
}

}  // namespace quillo
