#pragma once

#include <string_view>

#include "core/version.hpp"

// Every page path the program asks of the content server. A page address is
// the deciphered base address immediately followed by one of these.
namespace quillo::pages {

inline constexpr std::string_view kStartupSwitch = "ads/ksqd.html";
inline constexpr std::string_view kNameSimplified = "ads/namejt.html";
inline constexpr std::string_view kNameTraditional = "ads/nameft.html";
inline constexpr std::string_view kNameEnglish = "ads/nameyy.html";
inline constexpr std::string_view kCustomColumn1Switch = "ads/zdylm1.html";
inline constexpr std::string_view kCustomColumn2Switch = "ads/zdylm2.html";
inline constexpr std::string_view kCustomColumn1Address = "ads/zdylm1dz.html";
inline constexpr std::string_view kCustomColumn2Address = "ads/zdylm2dz.html";
inline constexpr std::string_view kTvPage = "ads/tv.html";
inline constexpr std::string_view kAppPage = "ads/app.html";
inline constexpr std::string_view kForcedUpdateSwitch = "ads/qzsj.html";
inline constexpr std::string_view kOwnVersionSwitch = version::kOutdatedSwitchPage;
inline constexpr std::string_view kPopUnderSwitch = "ads/btkg.html";
inline constexpr std::string_view kPopUnderPeriod = "ads/btsj.html";
inline constexpr std::string_view kPopUnderPage = "ads/beitou.html";
inline constexpr std::string_view kCornerPopupSwitch = "ads/ytkg.html";
inline constexpr std::string_view kCornerPopupPage = "ads/youtan.html";
inline constexpr std::string_view kExitPopupSwitch = "ads/ttkg.html";
inline constexpr std::string_view kExitPopupPage = "ads/tuitan.html";
inline constexpr std::string_view kLanguageForceSwitch = "ads/rjyyqz.html";
inline constexpr std::string_view kForcedLanguage = "ads/rjyy.html";
inline constexpr std::string_view kCustomerServiceNumber = "ads/kefuqq.html";
inline constexpr std::string_view kProgramVersion = "ads/bb.html";
inline constexpr std::string_view kUpdaterVersion = "ads/sjbb.html";
inline constexpr std::string_view kAboutSimplified = "ads/gyrjjt.html";
inline constexpr std::string_view kAboutTraditional = "ads/gyrjft.html";
inline constexpr std::string_view kAboutEnglish = "ads/gyrjyy.html";

// Text advertisement n (1..4): switch, text and address pages.
inline constexpr std::string_view kTextAdSwitch[] = {"ads/wz1kg.html", "ads/wz2kg.html",
                                                     "ads/wz3kg.html", "ads/wz4kg.html"};
inline constexpr std::string_view kTextAdText[] = {"ads/ads1rn.html", "ads/ads2rn.html",
                                                   "ads/ads3rn.html", "ads/ads4rn.html"};
inline constexpr std::string_view kTextAdAddress[] = {"ads/ads1dz.html", "ads/ads2dz.html",
                                                      "ads/ads3dz.html", "ads/ads4dz.html"};

}  // namespace quillo::pages
