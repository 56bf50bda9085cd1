#!/usr/bin/python3
"""Writes the demo content site served by the demo content server.

The server serves demo/site byte for byte at http://127.0.0.1:8917/.  The
pages under ads/ that the program fetches (switches, names, texts, addresses,
numbers) are raw GBK bytes without a line break; the program compares them
byte for byte.  Everything else is ordinary self-contained HTML (UTF-8) shown
by the browser views, plus poster pictures drawn here.

Deterministic; run it by hand after a change and commit the output:

  /usr/bin/python3 demo/make_site.py

The video clip under media/ is written by make_video.py, not here.

Needs Python 3 with Pillow (python3-pil) and fonts-wqy-zenhei.
"""

import argparse
import html
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

BASE = "http://127.0.0.1:8917/"
FONT_PATH = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
POSTER_W, POSTER_H = 160, 224

ON, OFF = "开", "关"

# Every page the program fetches, with its body (text, encoded as GBK).
FETCHED_PAGES = {
    "ksqd.html": OFF,
    "namejt.html": "Quillo影音",
    "nameft.html": "Quillo影音",
    "nameyy.html": "Quillo Video",
    "zdylm1.html": ON,
    "zdylm2.html": ON,
    "zdylm1dz.html": BASE + "games.html",
    "zdylm2dz.html": BASE + "picks.html",
    "wz1kg.html": ON,
    "wz2kg.html": ON,
    "wz3kg.html": ON,
    "wz4kg.html": ON,
    "ads1rn.html": "年度热播大片 免费高清看",
    "ads2rn.html": "新片抢先看 超清不卡顿",
    "ads3rn.html": "百部好剧 今日限时免费",
    "ads4rn.html": "精品应用 一键安装体验",
    "ads1dz.html": BASE + "promo.html",
    "ads2dz.html": BASE + "promo.html",
    "ads3dz.html": BASE + "promo.html",
    "ads4dz.html": BASE + "promo.html",
    "qzsj.html": OFF,
    "1.0.1303.21.html": OFF,
    "btkg.html": ON,
    "btsj.html": "30",  # a short period, so that the demo shows the pop-under often
    "ytkg.html": ON,
    "ttkg.html": ON,
    "rjyyqz.html": OFF,
    "rjyy.html": "1",
    "kefuqq.html": "10001",
    "bb.html": "1.0.1303.21",
    "sjbb.html": "1.0.1301.20",
    "gyrjjt.html": "本软件集成的播放组件与网页引擎归其各自作者所有，"
    "感谢开源社区的无私贡献，让每一部好片都能流畅呈现。",
    "gyrjft.html": "本軟件集成的播放組件與網頁引擎歸其各自作者所有，"
    "感謝開源社區的無私貢獻，讓每一部好片都能流暢呈現。",
    "gyrjyy.html": "The playback and web components built into this program belong "
    "to their authors. Our thanks to the open-source community.",
}

FILMS = [
    ("星河彼岸", "科幻", 2023, 9.1, "一艘迷航百年的殖民船在星河尽头收到了来自故乡的讯号。"
     "舰长必须在返航与前行之间作出抉择，而船上每一个人都藏着自己的秘密。",
     ((24, 32, 88), (140, 60, 160))),
    ("长夜将明", "悬疑", 2022, 8.7, "连环失踪案的最后一名幸存者在黎明前醒来，却发现自己的记忆停在了"
     "案发前一天。一位退休刑警决定陪她找回那一夜。",
     ((20, 20, 28), (170, 90, 40))),
    ("山海之间", "冒险", 2023, 8.9, "少年循着祖父留下的古地图穿越群山与大海，寻找传说中会发光的岛屿。"
     "一路上，他遇见了改变一生的伙伴。",
     ((10, 70, 90), (90, 170, 120))),
    ("迷城追踪", "动作", 2021, 8.2, "国际刑警潜入一座没有地图的城市，追查一批失踪的芯片。"
     "每一条街道都可能是陷阱，每一位线人都可能是敌人。",
     ((60, 10, 10), (200, 70, 40))),
    ("风起青萍", "剧情", 2022, 8.8, "江南小镇上三代人的悲欢离合，一家老茶铺见证了半个世纪的风雨。",
     ((30, 60, 40), (170, 190, 120))),
    ("深海回声", "科幻", 2024, 9.0, "深海科考站的声呐捕捉到一段有规律的回声，研究员们渐渐意识到，"
     "那是一种来自海底的语言。",
     ((5, 25, 60), (30, 140, 170))),
    ("北境孤城", "历史", 2021, 8.6, "风雪围城九十日，一位年轻守将与满城百姓共同守住了最后的希望。",
     ((40, 50, 70), (200, 210, 225))),
    ("时光列车", "奇幻", 2023, 8.5, "每晚零点驶过小镇的末班车，会把乘客带回他们最想回到的那一天。",
     ((50, 20, 70), (230, 150, 80))),
    ("雾都来信", "爱情", 2020, 8.3, "一封迟到了二十年的信，让两个陌生人在雾气弥漫的城市里相遇。",
     ((70, 60, 80), (220, 170, 180))),
    ("极昼", "惊悚", 2024, 8.0, "在太阳永不落下的北极小镇，一位摄影师发现照片里总多出一个人影。",
     ((90, 90, 100), (240, 220, 160))),
    ("归途如虹", "家庭", 2022, 9.2, "春运路上，一家人开着旧车穿越大半个中国回家过年，笑与泪一路同行。",
     ((120, 40, 30), (250, 190, 60))),
    ("第七号街区", "犯罪", 2023, 8.4, "老城改造前夜，第七号街区的居民们联手揭开一桩尘封多年的旧案。",
     ((15, 15, 20), (80, 160, 60))),
]

CHANNELS = [
    ("新闻综合", "整点新闻", (30, 80, 160)),
    ("电影频道", "经典影院：北境孤城", (140, 30, 40)),
    ("体育赛事", "篮球联赛 半决赛", (20, 120, 60)),
    ("少儿动画", "星星探险队", (220, 120, 30)),
    ("纪录探索", "深海的秘密", (20, 90, 110)),
    ("综艺娱乐", "欢乐周末夜", (170, 40, 120)),
    ("音乐现场", "城市民谣之夜", (90, 40, 150)),
    ("财经资讯", "市场早知道", (150, 110, 20)),
    ("戏曲曲艺", "名家名段", (160, 50, 30)),
    ("旅游风光", "山海之间行记", (40, 130, 120)),
    ("科教频道", "科学实验室", (60, 100, 170)),
    ("国际频道", "环球视线", (70, 70, 90)),
]

APPS = [
    ("calculator", "计算器", "简洁好用的四则运算计算器", "#3a7bd5"),
    ("clock", "世界时钟", "北京、伦敦、纽约时间一目了然", "#8e44ad"),
    ("calendar", "万年历", "查看本月日历与今日日期", "#d35400"),
    ("notes", "便签本", "随手记下想看的片单", "#27ae60"),
    ("currency", "汇率换算", "人民币与常用外币快速换算", "#c0392b"),
    ("timer", "观影计时", "提醒你适度观影、注意休息", "#16a085"),
]

FONT_CSS = '"WenQuanYi Zen Hei", "Microsoft YaHei", "PingFang SC", sans-serif'

BASE_CSS = """
  * { box-sizing: border-box; }
  html, body { margin: 0; }
  body { background: #15181c; color: #ececec; font-family: %s; font-size: 14px; }
  a { color: inherit; text-decoration: none; }
  .accent { color: #91bb00; }
  .btn { display: inline-block; padding: 8px 22px; border-radius: 4px; background: #91bb00;
         color: #fff; font-weight: bold; }
  .btn:hover { background: #a6d11a; }
""" % FONT_CSS


def esc(text):
    return html.escape(text, quote=True)


def page(title, body, css="", script="", stylesheet=None):
    """An HTML page; with `stylesheet` its style comes from that shared file."""
    js = f"<script>\n{script}\n</script>\n" if script else ""
    style = (f'<link rel="stylesheet" href="{stylesheet}">' if stylesheet
             else f"<style>{BASE_CSS}{css}</style>")
    return (
        "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
        f"<title>{esc(title)}</title>\n{style}\n</head>\n"
        f"<body>\n{body}\n{js}</body>\n</html>\n"
    )


# ---------------------------------------------------------------- posters


def lerp(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def poster(index, film):
    title, genre, year, score, _, (dark, light) = film
    rnd = random.Random(1303 + index)
    img = Image.new("RGB", (POSTER_W, POSTER_H))
    px = img.load()
    for y in range(POSTER_H):
        for x in range(POSTER_W):
            t = min(1.0, max(0.0, (y / POSTER_H) * 0.8 + (x / POSTER_W) * 0.2))
            px[x, y] = lerp(light, dark, t)
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    # Glow behind the scene.
    gx, gy = rnd.randint(40, 120), rnd.randint(40, 90)
    for r in range(70, 0, -6):
        d.ellipse([gx - r, gy - r, gx + r, gy + r], fill=(255, 255, 255, 6))
    # Stars.
    for _ in range(40):
        sx, sy = rnd.randint(0, POSTER_W - 1), rnd.randint(0, POSTER_H // 2)
        a = rnd.randint(60, 200)
        d.point((sx, sy), fill=(255, 255, 255, a))
    # Two ridges of hills or buildings.
    for layer_i, shade in enumerate((0.55, 0.85)):
        colour = lerp(dark, (0, 0, 0), shade) + (255,)
        base_y = 140 + layer_i * 30
        pts = [(0, POSTER_H)]
        x = 0
        while x <= POSTER_W:
            if index % 3 == 0:  # city skyline
                w = rnd.randint(10, 24)
                h = rnd.randint(10, 60)
                pts += [(x, base_y - h), (x + w, base_y - h)]
                x += w
            else:  # hills
                pts.append((x, base_y - rnd.randint(0, 40)))
                x += rnd.randint(14, 30)
        pts.append((POSTER_W, POSTER_H))
        d.polygon(pts, fill=colour)
    img = Image.alpha_composite(img.convert("RGBA"), layer.filter(ImageFilter.GaussianBlur(0.6)))
    # Bottom shade for the title.
    shade = Image.new("RGBA", img.size, (0, 0, 0, 0))
    sd = ImageDraw.Draw(shade)
    for y in range(POSTER_H - 80, POSTER_H):
        sd.line([(0, y), (POSTER_W, y)], fill=(0, 0, 0, int(200 * (y - POSTER_H + 80) / 80)))
    img = Image.alpha_composite(img, shade)
    d = ImageDraw.Draw(img)
    size = 26 if len(title) <= 4 else 22
    d.text((POSTER_W // 2, POSTER_H - 44), title, font=ImageFont.truetype(FONT_PATH, size),
           fill=(255, 255, 255), anchor="mm", stroke_width=1, stroke_fill=(0, 0, 0))
    d.text((POSTER_W // 2, POSTER_H - 18), f"{genre} · {year}",
           font=ImageFont.truetype(FONT_PATH, 12), fill=(220, 220, 220), anchor="mm")
    # Score badge.
    d.rounded_rectangle([POSTER_W - 40, 8, POSTER_W - 8, 26], radius=4, fill=(145, 187, 0))
    d.text((POSTER_W - 24, 17), f"{score:.1f}", font=ImageFont.truetype(FONT_PATH, 12),
           fill=(255, 255, 255), anchor="mm")
    d.rectangle([0, 0, POSTER_W - 1, POSTER_H - 1], outline=(255, 255, 255, 40))
    return img.convert("RGB")


# ---------------------------------------------------------------- pages

# The library page remembers its visitor as a site does: a cookie for a year
# and the last visit in local storage, both reported to the demo server so
# that a test can see the browser kept them across runs.
VISITOR_SCRIPT = """
(function () {
  var found = document.cookie.match(/(?:^|; )quillo_visitor=([a-z0-9]+)/);
  var visitor = found ? found[1] : Math.random().toString(36).slice(2, 10);
  document.cookie = 'quillo_visitor=' + visitor + '; max-age=31536000; path=/; SameSite=Lax';
  var last = '';
  try {
    last = localStorage.getItem('quillo-last-visit') || '';
    localStorage.setItem('quillo-last-visit', visitor);
  } catch (e) {}
  fetch('/report?page=index&stored=' + encodeURIComponent(last), {cache: 'no-store'})
    .catch(function () {});
})();
"""


def index_page():
    cards = []
    for i, (title, genre, year, score, _, _) in enumerate(FILMS, start=1):
        cards.append(
            f'<a class="card" href="play/{i}.html" target="_blank" title="{esc(title)}">'
            f'<img src="posters/{i}.png" width="132" height="185" alt="">'
            f'<span class="name">{esc(title)}</span>'
            f'<span class="meta">{esc(genre)} · {year} <b>{score:.1f}</b></span></a>'
        )
    hero = FILMS[5]
    body = f"""
<div class="nav">
  <span class="brand"><i></i>影视片库</span>
  <a class="on" href="index.html">首页</a><a href="#hot">电影</a><a href="#hot">剧集</a>
  <a href="#hot">综艺</a><a href="#hot">动漫</a><a href="picks.html">推荐</a>
  <span class="search">搜索片名、演员</span>
</div>
<div class="hero">
  <img src="posters/6.png" width="{POSTER_W}" height="{POSTER_H}" alt="">
  <div class="info">
    <div class="tag">今日首推</div>
    <h1>{esc(hero[0])}</h1>
    <p class="meta">{esc(hero[1])} · {hero[2]} · 评分 <span class="accent">{hero[3]:.1f}</span></p>
    <p>{esc(hero[4])}</p>
    <a class="btn" href="play/6.html" target="_blank">▶ 立即播放</a>
  </div>
</div>
<h2 id="hot">热门电影 <small>每日更新 · 高清免费</small></h2>
<div class="grid">
{chr(10).join(cards)}
</div>
<div class="foot">Quillo影音演示站 · 所有影片与海报均为演示内容</div>
"""
    css = """
  .nav { display: flex; align-items: center; gap: 22px; padding: 0 24px; height: 48px;
         background: #1d2126; border-bottom: 1px solid #2a2f35; }
  .nav a { color: #aab2bb; } .nav a:hover, .nav a.on { color: #91bb00; }
  .brand { font-size: 17px; font-weight: bold; margin-right: 12px; display: flex; align-items: center; }
  .brand i { display: inline-block; width: 14px; height: 14px; border-radius: 3px;
             background: #91bb00; margin-right: 8px; }
  .search { margin-left: auto; width: 200px; padding: 6px 12px; border-radius: 14px;
            background: #2a3037; color: #6f7882; font-size: 12px; }
  .hero { display: flex; gap: 24px; margin: 18px 24px; padding: 18px; border-radius: 8px;
          background: linear-gradient(110deg, #0b2740 0%, #13384a 45%, #1b1f24 100%); }
  .hero img { border-radius: 6px; box-shadow: 0 8px 24px rgba(0,0,0,.5); }
  .hero h1 { margin: 6px 0 8px; font-size: 30px; }
  .hero .tag { display: inline-block; background: #c06000; padding: 2px 10px; border-radius: 3px;
               font-size: 12px; }
  .hero .meta { color: #aab2bb; } .hero p { max-width: 560px; line-height: 1.7; }
  h2 { margin: 8px 24px 12px; font-size: 18px; border-left: 4px solid #91bb00; padding-left: 10px; }
  h2 small { font-size: 12px; color: #7d8690; font-weight: normal; margin-left: 8px; }
  .grid { display: grid; grid-template-columns: repeat(6, 132px); gap: 18px 22px; padding: 0 24px; }
  .card { display: block; transition: transform .15s; }
  .card:hover { transform: translateY(-4px); }
  .card img { display: block; border-radius: 6px; }
  .card:hover img { outline: 2px solid #91bb00; }
  .card .name { display: block; margin-top: 6px; font-size: 14px; }
  .card .meta { display: block; color: #7d8690; font-size: 12px; }
  .card .meta b { color: #91bb00; float: right; }
  .foot { margin: 28px 24px 18px; color: #5d656e; font-size: 12px; text-align: center; }
"""
    return page("Quillo影音 - 影视片库", body, css, VISITOR_SCRIPT)


# Shared by every play page (play/play.css).
PLAY_CSS = """
  body { background: #0f1114; overflow: hidden; }
  .wrap { display: flex; gap: 18px; padding: 18px; }
  .film { width: 640px; flex: none; }
  .player { position: relative; background: #000; }
  video { display: block; width: 640px; height: 360px; background: #000; border-radius: 6px; }
  .player:fullscreen video { width: 100%; height: 100%; border-radius: 0; }
  .exit { display: none; position: absolute; right: 24px; top: 24px; padding: 8px 18px; border: 0;
          border-radius: 4px; background: rgba(0,0,0,.6); color: #fff; font-family: inherit; cursor: pointer; }
  .player:fullscreen .exit { display: block; }
  .tools { display: flex; align-items: center; gap: 10px; margin-top: 10px; color: #9aa3ad; font-size: 12px; }
  .tools button { padding: 5px 14px; border: 0; border-radius: 4px; background: #2d343c; color: #ececec;
                  font-family: inherit; cursor: pointer; }
  .tools button:hover { background: #91bb00; }
  .side { flex: 1; min-width: 0; }
  .side h1 { margin: 0 0 6px; font-size: 24px; }
  .meta { color: #9aa3ad; margin: 0 0 10px; } .desc { line-height: 1.7; color: #c8cdd2; }
  h3 { font-size: 15px; border-left: 3px solid #91bb00; padding-left: 8px; margin: 18px 0 10px; }
  .rel { display: flex; gap: 10px; align-items: center; margin-bottom: 8px; color: #9aa3ad; font-size: 12px; }
  .rel b { color: #ececec; font-size: 13px; } .rel:hover b { color: #91bb00; }
  .rel img { border-radius: 3px; }
"""

# The clip every play page plays (written by make_video.py).
CLIP = "media/trailer.mp4"

# What a play page tells the demo server about its video: its first frame
# presented, playing, each new second (with the frames shown and dropped so
# far), pauses, errors and full screen on and off (read back from
# /report/log by the desktop tests and the player benchmark).
PLAY_SCRIPT = """
var film = %d, video = document.getElementById('video');
function report(event) {
  var q = 'film=' + film + '&event=' + event + '&time=' + video.currentTime.toFixed(2) +
          '&muted=' + (video.muted ? 1 : 0);
  if (video.getVideoPlaybackQuality) {
    var quality = video.getVideoPlaybackQuality();
    q += '&frames=' + quality.totalVideoFrames + '&dropped=' + quality.droppedVideoFrames;
  }
  fetch('/report?' + q, {cache: 'no-store'}).catch(function () {});
}
var second = -1;
if (video.requestVideoFrameCallback) {
  video.requestVideoFrameCallback(function () { report('first-frame'); });
}
video.addEventListener('playing', function () { report('playing'); });
video.addEventListener('pause', function () { report('pause'); });
video.addEventListener('error', function () { report('error'); });
video.addEventListener('timeupdate', function () {
  var now = Math.floor(video.currentTime);
  if (now !== second) { second = now; report('time'); }
});
document.addEventListener('fullscreenchange', function () {
  report(document.fullscreenElement ? 'fullscreen-on' : 'fullscreen-off');
});
var player = document.getElementById('player');
document.getElementById('full').onclick = function () { player.requestFullscreen(); };
document.getElementById('exit').onclick = function () { document.exitFullscreen(); };
"""


def play_page(i):
    title, genre, year, score, desc, _ = FILMS[i - 1]
    minutes = 96 + (i * 7) % 40
    related = []
    for j in range(1, 5):
        k = (i + j * 3 - 1) % len(FILMS) + 1
        t = FILMS[k - 1]
        related.append(
            f'<a class="rel" href="{k}.html"><img src="../posters/{k}.png" width="48" height="67" alt="">'
            f'<span><b>{esc(t[0])}</b><br>{esc(t[1])} · {t[2]}</span></a>'
        )
    # Muted autoplay, as browsers allow it; the sound comes on from the controls.
    body = f"""
<div class="wrap">
  <div class="film">
    <div class="player" id="player">
      <video id="video" src="../{CLIP}" poster="../posters/{i}.png" width="640" height="360"
             controls autoplay muted loop playsinline preload="auto"></video>
      <button id="exit" class="exit" type="button">退出全屏</button>
    </div>
    <div class="tools"><button id="full" type="button">全屏观看</button>
      <span>预告片 · 正片 {minutes // 60} 小时 {minutes % 60:02d} 分</span></div>
  </div>
  <div class="side">
    <h1>{esc(title)}</h1>
    <p class="meta">{esc(genre)} · {year} · 评分 <span class="accent">{score:.1f}</span></p>
    <p class="desc">{esc(desc)}</p>
    <h3>相关推荐</h3>
    {''.join(related)}
  </div>
</div>
"""
    return page(f"{title} - 正在播放", body, script=PLAY_SCRIPT % i, stylesheet="play.css")


def tv_page():
    tiles = []
    for n, (name, show, (r, g, b)) in enumerate(CHANNELS, start=1):
        pct = 15 + (n * 37) % 70
        tiles.append(
            f'<div class="tile" data-name="{esc(name)}" data-show="{esc(show)}" '
            f'style="background:linear-gradient(135deg, rgb({r},{g},{b}), #15181c)">'
            f'<span class="no">{n:02d}</span><span class="live">LIVE</span>'
            f'<b>{esc(name)}</b><small>正在播出：{esc(show)}</small>'
            f'<div class="p"><i style="width:{pct}%"></i></div></div>'
        )
    body = f"""
<div class="head"><h1>电视直播</h1><span>12 个频道 · 高清流畅</span></div>
<div class="now" id="now">
  <div class="scr"><span class="dot"></span>直播中</div>
  <div><h2 id="nowName">{esc(CHANNELS[0][0])}</h2><p id="nowShow">{esc(CHANNELS[0][1])}</p>
  <p class="hint">点击下方频道切换</p></div>
</div>
<div class="tiles">
{chr(10).join(tiles)}
</div>
"""
    css = """
  .head { display: flex; align-items: baseline; gap: 12px; padding: 14px 24px 0; }
  .head h1 { margin: 0; font-size: 22px; } .head span { color: #7d8690; }
  .now { display: flex; gap: 20px; align-items: center; margin: 14px 24px; padding: 14px;
         background: #1d2126; border-radius: 8px; }
  .scr { width: 320px; height: 180px; border-radius: 6px; display: flex; align-items: center;
         justify-content: center; gap: 8px; font-size: 18px;
         background: repeating-linear-gradient(0deg, #10151a 0 3px, #141b21 3px 6px); }
  .dot { width: 10px; height: 10px; border-radius: 50%; background: #e0483c; animation: b 1s infinite; }
  @keyframes b { 50% { opacity: .2; } }
  .now h2 { margin: 0 0 6px; font-size: 24px; } .now p { margin: 0 0 6px; color: #c8cdd2; }
  .now .hint { color: #7d8690; font-size: 12px; }
  .tiles { display: grid; grid-template-columns: repeat(4, 1fr); gap: 14px; padding: 0 24px 24px; }
  .tile { position: relative; height: 96px; border-radius: 6px; padding: 14px; cursor: pointer;
          border: 1px solid #2a2f35; }
  .tile:hover, .tile.on { border-color: #91bb00; }
  .tile b { display: block; font-size: 17px; margin-top: 10px; }
  .tile small { color: #c8cdd2; font-size: 12px; }
  .no { position: absolute; left: 14px; top: 10px; font-size: 12px; color: #aab2bb; }
  .live { position: absolute; right: 10px; top: 10px; font-size: 10px; background: #e0483c;
          padding: 1px 6px; border-radius: 3px; }
  .p { position: absolute; left: 14px; right: 14px; bottom: 10px; height: 3px; background: rgba(255,255,255,.2); }
  .p i { display: block; height: 100%; background: #91bb00; }
"""
    script = """
var tiles = document.querySelectorAll('.tile');
tiles.forEach(function (t, i) {
  if (i === 0) t.classList.add('on');
  t.onclick = function () {
    tiles.forEach(function (o) { o.classList.remove('on'); });
    t.classList.add('on');
    document.getElementById('nowName').textContent = t.dataset.name;
    document.getElementById('nowShow').textContent = t.dataset.show;
  };
});
"""
    return page("电视直播", body, css, script)


def app_page():
    cards = []
    for slug, name, desc, colour in APPS:
        cards.append(
            f'<div class="app"><div class="icon" style="background:{colour}">{esc(name[0])}</div>'
            f'<div class="txt"><b>{esc(name)}</b><small>{esc(desc)}</small></div>'
            f'<a class="btn" href="../apps/{slug}.html" target="_blank">打开</a></div>'
        )
    body = f"""
<div class="head"><h1>应用中心</h1><span>精选实用小工具，点击“打开”在新窗口中使用</span></div>
<div class="apps">
{chr(10).join(cards)}
</div>
"""
    css = """
  .head { padding: 16px 24px 4px; } .head h1 { margin: 0 0 4px; font-size: 22px; }
  .head span { color: #7d8690; }
  .apps { display: grid; grid-template-columns: repeat(3, 1fr); gap: 16px; padding: 16px 24px; }
  .app { display: flex; align-items: center; gap: 14px; padding: 16px; border-radius: 8px;
         background: #1d2126; border: 1px solid #2a2f35; }
  .app:hover { border-color: #91bb00; }
  .icon { width: 52px; height: 52px; border-radius: 12px; display: flex; align-items: center;
          justify-content: center; font-size: 24px; font-weight: bold; flex: none; }
  .txt { flex: 1; } .txt b { display: block; font-size: 16px; } .txt small { color: #7d8690; }
  .app .btn { padding: 6px 16px; }
"""
    return page("应用中心", body, css)


APP_BODIES = {
    "calculator": (
        '<div class="calc"><input id="d" readonly value="0"><div class="keys">'
        + "".join(f'<button>{k}</button>' for k in "789/456*123-0.=+")
        + '<button class="wide">C</button></div></div>',
        """
  .calc { width: 280px; margin: 30px auto; background: #1d2126; padding: 16px; border-radius: 10px; }
  #d { width: 100%; font-size: 28px; text-align: right; padding: 10px; border: 0; border-radius: 6px;
       background: #0f1114; color: #ececec; margin-bottom: 12px; }
  .keys { display: grid; grid-template-columns: repeat(4, 1fr); gap: 8px; }
  button { height: 48px; font-size: 20px; border: 0; border-radius: 6px; background: #2d343c; color: #ececec; cursor: pointer; }
  button:hover { background: #3a434d; } .wide { grid-column: span 4; background: #91bb00; }
""",
        """
var d = document.getElementById('d'), expr = '';
document.querySelectorAll('button').forEach(function (b) {
  b.onclick = function () {
    var k = b.textContent;
    if (k === 'C') { expr = ''; d.value = '0'; return; }
    if (k === '=') {
      if (!/^[0-9.+\\-*\\/]+$/.test(expr)) return;
      try { expr = String(Function('return (' + expr + ')')()); } catch (e) { expr = ''; }
      d.value = expr || '0'; return;
    }
    expr += k; d.value = expr;
  };
});
""",
    ),
    "clock": (
        '<div class="clocks" id="c"></div>',
        """
  .clocks { display: flex; justify-content: center; gap: 24px; margin-top: 60px; }
  .clk { width: 200px; padding: 24px; text-align: center; background: #1d2126; border-radius: 10px; }
  .clk b { display: block; font-size: 36px; color: #91bb00; margin: 8px 0; font-family: monospace; }
""",
        """
var zones = [['北京', 8], ['伦敦', 0], ['纽约', -5]];
function tick() {
  var now = Date.now(), html = '';
  zones.forEach(function (z) {
    var t = new Date(now + z[1] * 3600000), h = t.getUTCHours(), m = t.getUTCMinutes(), s = t.getUTCSeconds();
    function p(n) { return (n < 10 ? '0' : '') + n; }
    html += '<div class="clk">' + z[0] + '<b>' + p(h) + ':' + p(m) + ':' + p(s) + '</b>UTC' + (z[1] >= 0 ? '+' : '') + z[1] + '</div>';
  });
  document.getElementById('c').innerHTML = html;
}
tick(); setInterval(tick, 1000);
""",
    ),
    "calendar": (
        '<div class="cal"><h2 id="t"></h2><div class="g" id="g"></div></div>',
        """
  .cal { width: 420px; margin: 30px auto; background: #1d2126; padding: 18px; border-radius: 10px; }
  h2 { margin: 0 0 12px; text-align: center; }
  .g { display: grid; grid-template-columns: repeat(7, 1fr); gap: 6px; text-align: center; }
  .g span { padding: 8px 0; border-radius: 4px; } .g .h { color: #7d8690; }
  .g .today { background: #91bb00; color: #fff; }
""",
        """
var now = new Date(), y = now.getFullYear(), m = now.getMonth();
document.getElementById('t').textContent = y + '年' + (m + 1) + '月';
var html = '日一二三四五六'.split('').map(function (w) { return '<span class="h">' + w + '</span>'; }).join('');
var first = new Date(y, m, 1).getDay(), days = new Date(y, m + 1, 0).getDate();
for (var i = 0; i < first; i++) html += '<span></span>';
for (var d = 1; d <= days; d++) html += '<span' + (d === now.getDate() ? ' class="today"' : '') + '>' + d + '</span>';
document.getElementById('g').innerHTML = html;
""",
    ),
    "notes": (
        '<div class="notes"><textarea id="n" placeholder="记下想看的片子……"></textarea>'
        '<p id="s">内容会自动保存在本机</p></div>',
        """
  .notes { width: 560px; margin: 30px auto; }
  textarea { width: 100%; height: 300px; padding: 14px; font-size: 15px; line-height: 1.6; border-radius: 8px;
             border: 1px solid #2a2f35; background: #1d2126; color: #ececec; font-family: inherit; }
  p { color: #7d8690; font-size: 12px; }
""",
        """
var n = document.getElementById('n');
try { n.value = localStorage.getItem('quillo-notes') || ''; } catch (e) {}
n.oninput = function () {
  try { localStorage.setItem('quillo-notes', n.value); document.getElementById('s').textContent = '已保存'; } catch (e) {}
};
""",
    ),
    "currency": (
        '<div class="cur"><label>人民币 <input id="a" type="number" value="100"></label>'
        '<div id="r"></div><p>演示汇率，仅供参考</p></div>',
        """
  .cur { width: 420px; margin: 40px auto; background: #1d2126; padding: 20px; border-radius: 10px; }
  input { width: 160px; font-size: 18px; padding: 6px; margin-left: 10px; border-radius: 4px; border: 0; }
  #r div { display: flex; justify-content: space-between; padding: 10px 0; border-bottom: 1px solid #2a2f35; }
  #r b { color: #91bb00; } p { color: #7d8690; font-size: 12px; }
""",
        """
var rates = [['美元', 0.14], ['欧元', 0.13], ['英镑', 0.11], ['日元', 20.6], ['港币', 1.09]];
function calc() {
  var a = parseFloat(document.getElementById('a').value) || 0;
  document.getElementById('r').innerHTML = rates.map(function (r) {
    return '<div><span>' + r[0] + '</span><b>' + (a * r[1]).toFixed(2) + '</b></div>';
  }).join('');
}
document.getElementById('a').oninput = calc; calc();
""",
    ),
    "timer": (
        '<div class="tm"><b id="v">45:00</b><div><button id="go">开始</button>'
        '<button id="rs">重置</button></div><p>连续观影 45 分钟后，起身活动一下吧</p></div>',
        """
  .tm { width: 360px; margin: 50px auto; text-align: center; background: #1d2126; padding: 24px; border-radius: 10px; }
  b { display: block; font-size: 56px; color: #91bb00; font-family: monospace; margin-bottom: 16px; }
  button { padding: 8px 22px; margin: 0 6px; border: 0; border-radius: 4px; background: #2d343c; color: #ececec; cursor: pointer; }
  p { color: #7d8690; font-size: 12px; }
""",
        """
var left = 2700, t = null, v = document.getElementById('v');
function show() { var m = Math.floor(left / 60), s = left % 60; v.textContent = (m < 10 ? '0' : '') + m + ':' + (s < 10 ? '0' : '') + s; }
document.getElementById('go').onclick = function () {
  if (t) { clearInterval(t); t = null; this.textContent = '继续'; return; }
  this.textContent = '暂停';
  t = setInterval(function () { if (left > 0) { left--; show(); } }, 1000);
};
document.getElementById('rs').onclick = function () { left = 2700; show(); };
""",
    ),
}


def tool_page(slug, name, desc, colour):
    inner, css, script = APP_BODIES[slug]
    body = (f'<div class="top" style="border-color:{colour}"><b>{esc(name)}</b>'
            f'<span>{esc(desc)}</span></div>\n{inner}')
    css = """
  .top { padding: 14px 24px; background: #1d2126; border-bottom: 3px solid; }
  .top b { font-size: 18px; margin-right: 12px; } .top span { color: #7d8690; }
""" + css
    return page(name, body, css, script)


def games_page():
    body = """
<div class="head"><h1>玩玩游戏</h1><span>翻牌配对：找出所有相同的图案</span></div>
<div class="board" id="b"></div>
<p class="st" id="st">步数：0</p>
<div class="more"><span>更多小游戏</span><i>贪吃蛇</i><i>连连看</i><i>数独</i><i>五子棋</i></div>
"""
    css = """
  .head { padding: 16px 24px 0; } .head h1 { margin: 0 0 4px; font-size: 22px; } .head span { color: #7d8690; }
  .board { display: grid; grid-template-columns: repeat(6, 84px); gap: 10px; justify-content: center; margin-top: 18px; }
  .c { height: 84px; border-radius: 8px; background: linear-gradient(135deg, #2d343c, #1d2126);
       border: 1px solid #3a434d; font-size: 38px; display: flex; align-items: center; justify-content: center;
       cursor: pointer; color: transparent; user-select: none; }
  .c.open { background: #f4f6f8; color: #222; } .c.ok { background: #91bb00; color: #fff; }
  .st { text-align: center; color: #aab2bb; }
  .more { text-align: center; color: #7d8690; margin-top: 8px; }
  .more i { font-style: normal; display: inline-block; margin-left: 10px; padding: 4px 12px;
            border-radius: 12px; background: #1d2126; color: #aab2bb; }
"""
    script = """
var icons = ['★', '♥', '♣', '♦', '☀', '☂', '♫', '✈', '☕'];
var deck = icons.concat(icons), seed = 7;
function rnd() { seed = (seed * 1103515245 + 12345) % 2147483648; return seed / 2147483648; }
for (var i = deck.length - 1; i > 0; i--) { var j = Math.floor(rnd() * (i + 1)); var t = deck[i]; deck[i] = deck[j]; deck[j] = t; }
var board = document.getElementById('b'), open = [], moves = 0, found = 0;
deck.forEach(function (icon) {
  var c = document.createElement('div'); c.className = 'c'; c.textContent = icon;
  c.onclick = function () {
    if (c.classList.contains('open') || c.classList.contains('ok') || open.length === 2) return;
    c.classList.add('open'); open.push(c);
    if (open.length === 2) {
      moves++;
      var a = open[0], b = open[1];
      setTimeout(function () {
        if (a.textContent === b.textContent) { a.className = b.className = 'c ok'; found++; }
        else { a.className = b.className = 'c'; }
        open = [];
        document.getElementById('st').textContent = found === icons.length ?
          '恭喜过关！共用 ' + moves + ' 步' : '步数：' + moves;
      }, 600);
    }
  };
  board.appendChild(c);
});
"""
    return page("玩玩游戏", body, css, script)


def picks_page():
    picks = [11, 1, 6, 5]
    items = []
    for rank, i in enumerate(picks, start=1):
        t = FILMS[i - 1]
        items.append(
            f'<a class="pick" href="play/{i}.html"><span class="rank">{rank}</span>'
            f'<img src="posters/{i}.png" width="96" height="134" alt="">'
            f'<div><b>{esc(t[0])}</b><p class="meta">{esc(t[1])} · {t[2]} · '
            f'<span class="accent">{t[3]:.1f}</span></p><p>{esc(t[4])}</p></div></a>'
        )
    body = f"""
<div class="head"><h1>官方推荐</h1><span>编辑精选 · 本周必看</span></div>
<div class="list">
{chr(10).join(items)}
</div>
"""
    css = """
  .head { padding: 16px 24px 0; } .head h1 { margin: 0 0 4px; font-size: 22px; } .head span { color: #7d8690; }
  .list { display: grid; grid-template-columns: 1fr 1fr; gap: 16px; padding: 16px 24px; }
  .pick { position: relative; display: flex; gap: 14px; padding: 14px; border-radius: 8px; background: #1d2126;
          border: 1px solid #2a2f35; }
  .pick:hover { border-color: #91bb00; }
  .pick img { border-radius: 4px; flex: none; }
  .pick b { font-size: 18px; } .pick p { margin: 6px 0; line-height: 1.6; color: #c8cdd2; font-size: 13px; }
  .pick .meta { color: #9aa3ad; }
  .rank { position: absolute; left: 6px; top: 6px; width: 24px; height: 24px; border-radius: 50%;
          background: #c06000; text-align: center; line-height: 24px; font-weight: bold; z-index: 1; }
"""
    return page("官方推荐", body, css)


def promo_page():
    strip = "".join(f'<img src="posters/{i}.png" width="{POSTER_W}" height="{POSTER_H}" alt="">'
                    for i in (1, 4, 6, 11))
    body = f"""
<div class="banner">
  <h1>年度热播大片 免费高清看</h1>
  <p>海量正版影视 · 超清画质 · 不卡顿</p>
  <a class="btn" href="index.html">进入片库</a>
</div>
<div class="strip">{strip}</div>
<p class="note">活动时间：即日起至年底 · 演示内容</p>
"""
    css = """
  .banner { text-align: center; padding: 40px 20px 30px;
            background: linear-gradient(120deg, #5a1d00, #c06000 50%, #2b1200); }
  .banner h1 { margin: 0 0 10px; font-size: 36px; letter-spacing: 4px; }
  .banner p { color: #ffe2c4; margin: 0 0 20px; }
  .strip { display: flex; justify-content: center; gap: 18px; margin: 24px 0; }
  .strip img { border-radius: 6px; box-shadow: 0 6px 18px rgba(0,0,0,.5); }
  .note { text-align: center; color: #7d8690; font-size: 12px; }
"""
    return page("年度热播大片 免费高清看", body, css)


# The three advertisement windows each promote something of their own, as a
# real site would: membership behind the main window, tonight's premiere in
# the corner, tomorrow's line-up when the user leaves.

AD_CSS = """
  html, body { overflow: hidden; }
  .tag { position: absolute; left: 6px; bottom: 5px; padding: 0 5px; border-radius: 2px;
         background: rgba(0,0,0,.45); color: #aab2bb; font-size: 10px; line-height: 15px; }
"""


def pop_under_ad_page():
    shelf = "".join(f'<img src="../posters/{i}.png" width="86" height="120" alt="">'
                    for i in (6, 1, 11))
    perks = "".join(f"<li><b>{esc(a)}</b>{esc(b)}</li>" for a, b in (
        ("1080P", "蓝光画质全站畅享"), ("免广告", "片头广告一键跳过"),
        ("抢先看", "热门新片提前一周"), ("多设备", "电脑手机同步续播")))
    body = f"""
<a class="vip" href="../vip.html">
  <div class="left">
    <div class="crown">VIP</div>
    <h1>会员首月 <em>1</em> 元</h1>
    <p class="sub">开通即享四大特权 · 随时可取消</p>
    <ul>{perks}</ul>
    <span class="btn">立即开通</span>
  </div>
  <div class="shelf">{shelf}<span>会员专享片库 3000+</span></div>
</a>
<span class="tag">广告</span>
"""
    css = AD_CSS + """
  body { width: 600px; height: 372px;
         background: radial-gradient(circle at 85% 20%, #5b4216, transparent 55%),
                     linear-gradient(135deg, #1a1409, #15181c 60%); }
  .vip { display: flex; height: 372px; padding: 24px 26px; gap: 18px; }
  .left { flex: 1; }
  .crown { display: inline-block; padding: 2px 10px; border-radius: 10px; font-weight: bold;
           font-size: 12px; color: #3a2800; background: linear-gradient(#ffe39a, #d9a441); }
  h1 { margin: 10px 0 4px; font-size: 32px; color: #ffe3a3; letter-spacing: 2px; }
  h1 em { font-style: normal; font-size: 46px; color: #ffd060; }
  .sub { margin: 0 0 14px; color: #c8b48a; font-size: 13px; }
  ul { list-style: none; margin: 0 0 18px; padding: 0; display: grid;
       grid-template-columns: 1fr 1fr; gap: 8px; }
  li { padding: 7px 10px; border-radius: 4px; background: rgba(255,215,120,.08);
       color: #c8cdd2; font-size: 12px; }
  li b { display: block; color: #ffd78a; font-size: 14px; }
  .btn { background: linear-gradient(#ffd060, #d99a1e); color: #3a2800; }
  .shelf { width: 150px; display: flex; flex-direction: column; align-items: center; gap: 6px;
           padding-top: 4px; }
  .shelf img { border-radius: 4px; box-shadow: 0 4px 12px rgba(0,0,0,.6); }
  .shelf img:nth-child(2) { margin: -70px 0 0 50px; }
  .shelf img:nth-child(3) { margin: -70px 50px 0 0; }
  .shelf span { margin-top: 6px; color: #c8b48a; font-size: 12px; }
"""
    return page("会员首月1元", body, css)


def corner_ad_page():
    title, genre, year, score, _, _ = FILMS[5]
    body = f"""
<a class="premiere" href="../play/6.html">
  <div class="top"><span class="live">独家首播</span>今晚 20:00</div>
  <div class="main">
    <img src="../posters/6.png" width="92" height="129" alt="">
    <div>
      <h1>{esc(title)}</h1>
      <p>{esc(genre)} · {year}<br>评分 <span class="accent">{score:.1f}</span></p>
      <p class="hook">深海的回声，<br>是谁在呼唤？</p>
    </div>
  </div>
  <span class="btn">预约观看</span>
</a>
<span class="tag">广告</span>
"""
    css = AD_CSS + """
  body { width: 300px; height: 250px;
         background: linear-gradient(160deg, #0a3450, #0b1c2c 55%, #15181c); }
  .premiere { display: block; height: 250px; padding: 8px 14px 0; }
  .top { font-size: 12px; color: #9fd0e8; height: 21px; line-height: 21px; }
  .live { display: inline-block; margin-right: 8px; padding: 0 6px; border-radius: 2px;
          background: #e0483c; color: #fff; font-weight: bold; line-height: 17px; }
  .main { display: flex; gap: 12px; margin-top: 10px; }
  .main img { border-radius: 4px; box-shadow: 0 4px 14px rgba(0,0,0,.6); }
  h1 { margin: 2px 0 6px; font-size: 22px; color: #fff; }
  .main p { margin: 0 0 8px; color: #9fb3c2; font-size: 12px; line-height: 1.6; }
  .main .hook { color: #d9eef8; font-size: 13px; }
  .btn { display: block; margin: 12px 40px 0; text-align: center; padding: 6px 0; }
"""
    return page("独家首播", body, css)


def exit_ad_page():
    rows = []
    for when, i in (("明天 10:00", 3), ("明天 20:00", 8), ("周六 20:00", 12)):
        t = FILMS[i - 1]
        rows.append(f'<a class="row" href="../play/{i}.html"><img src="../posters/{i}.png" '
                    f'width="40" height="56" alt=""><span><b>{esc(t[0])}</b>'
                    f'{esc(t[1])} · 评分 {t[3]:.1f}</span><i>{esc(when)}</i></a>')
    body = f"""
<div class="bye">
  <h1>下次见！</h1>
  <p class="sub">这些好片即将上线，记得回来看</p>
  {''.join(rows)}
  <a class="btn" href="../picks.html">收藏片单</a>
</div>
<span class="tag">广告</span>
"""
    css = AD_CSS + """
  body { width: 336px; height: 280px;
         background: linear-gradient(170deg, #3d1a05, #1d1510 45%, #15181c); }
  .bye { padding: 14px 18px 0; }
  h1 { margin: 0; font-size: 24px; color: #ffb36b; }
  .sub { margin: 2px 0 8px; color: #c8b4a0; font-size: 12px; }
  .row { display: flex; align-items: center; gap: 10px; padding: 4px 0;
         border-bottom: 1px solid rgba(255,255,255,.08); }
  .row img { border-radius: 3px; }
  .row span { flex: 1; color: #9aa3ad; font-size: 11px; }
  .row b { display: block; color: #ececec; font-size: 14px; }
  .row i { font-style: normal; color: #ffb36b; font-size: 12px; }
  .btn { display: block; width: 120px; margin: 10px auto 0; text-align: center; padding: 5px 0;
         background: #c06000; }
"""
    return page("下次见", body, css)


def vip_page():
    plans = "".join(
        f'<div class="plan{" best" if best else ""}"><b>{esc(name)}</b><em>¥{price}</em>'
        f'<span>{esc(note)}</span><a class="btn" href="index.html">选择</a></div>'
        for name, price, note, best in (("连续包月", 1, "首月1元，次月起15元", True),
                                        ("季卡", 45, "折合每月15元", False),
                                        ("年卡", 148, "折合每月12.3元", False)))
    body = f"""
<div class="head"><span class="crown">VIP</span><h1>Quillo影音会员</h1>
<p>蓝光画质 · 免广告 · 新片抢先看 · 多设备同步</p></div>
<div class="plans">{plans}</div>
<p class="note">演示页面，不会产生任何费用</p>
"""
    css = """
  .head { text-align: center; padding: 36px 20px 20px;
          background: radial-gradient(circle at 50% 0, #5b4216, #15181c 70%); }
  .crown { display: inline-block; padding: 2px 12px; border-radius: 10px; font-weight: bold;
           color: #3a2800; background: linear-gradient(#ffe39a, #d9a441); }
  .head h1 { margin: 12px 0 6px; font-size: 30px; color: #ffe3a3; }
  .head p { color: #c8b48a; margin: 0; }
  .plans { display: flex; justify-content: center; gap: 20px; padding: 24px; }
  .plan { width: 200px; padding: 22px; text-align: center; border-radius: 8px; background: #1d2126;
          border: 1px solid #2a2f35; }
  .plan.best { border-color: #d9a441; }
  .plan b { display: block; font-size: 16px; } .plan em { display: block; font-style: normal;
          font-size: 34px; color: #ffd060; margin: 10px 0; }
  .plan span { display: block; color: #9aa3ad; font-size: 12px; margin-bottom: 16px; }
  .plan .btn { background: linear-gradient(#ffd060, #d99a1e); color: #3a2800; }
  .note { text-align: center; color: #5d656e; font-size: 12px; }
"""
    return page("Quillo影音会员", body, css)


def official_site_page():
    body = """
<div class="hero">
  <div class="logo"></div>
  <h1>Quillo影音</h1>
  <p>看电影、追好剧、看直播，一个客户端就够了。</p>
  <span class="btn">当前版本 1.0.1303.21</span>
</div>
<div class="feat">
  <div><b>影视片库</b><p>海量影片分类浏览，一键播放。</p></div>
  <div><b>电视直播</b><p>十余个频道高清直播。</p></div>
  <div><b>应用中心</b><p>实用小工具随开随用。</p></div>
</div>
"""
    css = """
  .hero { text-align: center; padding: 50px 20px 30px; background: linear-gradient(180deg, #1d2126, #15181c); }
  .logo { width: 64px; height: 64px; margin: 0 auto; border-radius: 16px;
          background: linear-gradient(#b0da1e, #6e8f00); }
  .hero h1 { font-size: 34px; margin: 14px 0 6px; } .hero p { color: #aab2bb; margin-bottom: 20px; }
  .feat { display: flex; justify-content: center; gap: 20px; padding: 20px; }
  .feat div { width: 220px; padding: 18px; background: #1d2126; border-radius: 8px; border-top: 3px solid #91bb00; }
  .feat p { color: #9aa3ad; }
"""
    return page("Quillo影音 官方网站", body, css)


# ---------------------------------------------------------------- output


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def generate(out):
    ads = os.path.join(out, "ads")
    for name, body in FETCHED_PAGES.items():
        write(os.path.join(ads, name), body.encode("gbk"))

    def html_file(rel, text):
        write(os.path.join(out, rel), text.encode("utf-8"))

    html_file("ads/tv.html", tv_page())
    html_file("ads/app.html", app_page())
    html_file("ads/beitou.html", pop_under_ad_page())
    html_file("ads/youtan.html", corner_ad_page())
    html_file("ads/tuitan.html", exit_ad_page())
    html_file("index.html", index_page())
    html_file("play/play.css", BASE_CSS + PLAY_CSS)
    for i in range(1, len(FILMS) + 1):
        html_file(f"play/{i}.html", play_page(i))
        p = poster(i, FILMS[i - 1])
        os.makedirs(os.path.join(out, "posters"), exist_ok=True)
        p.save(os.path.join(out, "posters", f"{i}.png"), format="PNG", optimize=True)
    html_file("games.html", games_page())
    html_file("picks.html", picks_page())
    html_file("promo.html", promo_page())
    html_file("vip.html", vip_page())
    for slug, name, desc, colour in APPS:
        html_file(f"apps/{slug}.html", tool_page(slug, name, desc, colour))
    html_file("site/index.html", official_site_page())


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "site"),
                        help="site directory to write (default: demo/site)")
    args = parser.parse_args()
    if not os.path.exists(FONT_PATH):
        sys.exit(f"make_site.py: missing font {FONT_PATH} (install fonts-wqy-zenhei)")
    generate(args.out)


if __name__ == "__main__":
    main()
