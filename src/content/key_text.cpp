#include "content/key_text.hpp"

#include <string_view>

namespace quillo {
namespace {

// Any long constant would do: the stored ciphertexts are produced from the
// same text at build time. Kept as UTF-8 source and converted to GBK, so the
// key is the GBK bytes of these characters.
constexpr std::string_view kKeyTextUtf8 =
    "quill-7f3a;羽毛笔在夜里写字，墨水是蓝色的。river.bend=42/北风吹过山岗，松树摇了"
    "三下，又停了。k9:x2@lamp;灯下有一只猫，它数着窗外的星星：1,2,3...一直数到8192。("
    "paper)纸上留下了细细的痕迹，像小溪穿过石头。~zephyr#0x5e~春天来了，燕子回到屋檐"
    "下，带来南方的消息；雨点落在青瓦上，叮叮当当。mirror|tide|echo|湖面平静，倒映着"
    "远处的灯塔和一条慢慢划过的小船。[alpha-omega] 7 days, 12 hours, 59 minutes: 时间"
    "像沙漏里的细沙，悄悄流走。茶已经凉了，书还翻在第三百零六页。{orchid}{pine}{plum}"
    " 梅兰竹菊，四君子各有风骨；月光照在竹林里，影子斜斜地铺满小路。q&a: why is the s"
    "ky blue? 因为阳光被空气散射，蓝光走得最散。31415926535897932384626433832795 圆周"
    "率没有尽头，就像问题后面总有新的问题。harbor_lights+fog 港口的雾很浓，船笛声低低"
    "地传来，码头上的工人搬着一箱一箱的橘子。%%tilde%% 老人坐在门口晒太阳，讲起年轻时"
    "走过的山路和渡过的河。ink, brush, stone, paper: 文房四宝摆在桌上，砚台里还有昨天"
    "的墨。sparrow/heron/crane 鸟儿飞过田野，稻子已经黄了，风里有米饭的香气。09876543"
    "21 钟声敲了十二下，城里的灯一盏一盏熄灭，只剩下桥上那一盏。the end? not yet... "
    "故事还没有讲完，明天再接着说。";

}  // namespace

Text decipherKeyText() {
    return gbk(kKeyTextUtf8);
}

}  // namespace quillo
