#include "ui/dialogs/settings_texts.hpp"

#include "ui/definitions/settings_window.hpp"

namespace quillo::settings_texts {

namespace names = ui::settings_window;

const std::array<LabelText, 14> kLabels{{
    {names::kAutostartCaption, {"开机启动", "開機啓動", "Auto"}},
    {names::kAutostartLabel,
     {"开机自动运行本程序", "開機自動運行本程序", "Boot the computer automatic operation"}},
    {names::kLanguageCaption, {"软件语言", "軟件語言", "Language"}},
    {names::kRendererCaption, {"渲染模式", "渲染模式", "Render mode"}},
    {names::kRenderer1Label, {"VMR9(窗口)", "VMR9(窗口)", "VMR9(A)"}},
    {names::kRenderer2Label, {"VMR9(无窗口)", "VMR9(无窗口)", "VMR9(B)"}},
    {names::kRenderer3Label, {"EVR", "EVR", "EVR"}},
    {names::kRendererHint,
     {"选择合适的渲染器，能有效提升视频画质，重启本软件后生效",
      "選擇合適的渲染器，能有效提升視頻畫質，重啓本軟件後生效",
      "Select the appropriate, can improve the video quality"}},
    {names::kRendererAdviceXp,
     {"WindowsXP系统，推荐使用VMR9", "WindowsXP系統，推薦使用VMR9",
      "WindowsXP, recommend the use of VMR9"}},
    {names::kRendererAdviceVista,
     {"WindowsVista/7/8系统，推荐使用EVR", "WindowsVista/7/8系統，推薦使用EVR",
      "WindowsVista/7/8, recommend the use of EVR"}},
    {names::kScreenSaverCaption, {"屏幕保护", "屏幕保護", "Screen Saver"}},
    {names::kScreenSaverLabel,
     {"播放时禁用屏幕保护（仅对XP有效）", "播放時禁用屏幕保護（僅對XP有效）",
      "Disable screen saver when playing XP"}},
    {names::kTrayCaption, {"托盘设置", "托盤設置", "Tray"}},
    {names::kTrayLabel,
     {"勾选是否托盘关闭程序", "勾選是否托盤關閉程序", "Check whether the tray close program"}},
}};

}  // namespace quillo::settings_texts
