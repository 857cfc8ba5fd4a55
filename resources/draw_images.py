#!/usr/bin/env python3
"""Draws every picture of the widget kit from simple shapes and writes them under res/win/.

The pictures are our own: flat vector-style glyphs (rounded rectangles, circles, strokes)
rasterised with 4x4 supersampling. Only the Python standard library is used, so the script
runs anywhere: PNGs are written with zlib, the two busy animations as GIF89a with a small
LZW encoder. Run it from any folder; it rewrites the files in place:

    python3 resources/draw_images.py
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "res", "win")
SS = 4  # supersampling per axis

# Palette shared with tidewell_win.qss.
BLUE = (31, 122, 214)
BLUE_DARK = (18, 88, 168)
BLUE_LIGHT = (92, 166, 240)
WHITE = (255, 255, 255)
GREY = (150, 158, 170)
GREY_LIGHT = (214, 220, 228)
GREY_DARK = (96, 104, 116)
RED = (222, 62, 62)
RED_DARK = (176, 38, 38)
GREEN = (46, 170, 92)
ORANGE = (245, 150, 30)
YELLOW = (255, 204, 0)
INK = (40, 48, 60)


class Canvas:
    """An RGBA picture (straight alpha, floats 0..1) with anti-aliased shape filling."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def fill(self, inside, colour, alpha=1.0, bbox=None):
        """Fills the points where inside(x, y) holds; colour is an RGB tuple or a function of (x, y)."""
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(math.floor(x0)) - 1), max(0, int(math.floor(y0)) - 1)
        x1, y1 = min(self.w, int(math.ceil(x1)) + 1), min(self.h, int(math.ceil(y1)) + 1)
        step = 1.0 / SS
        offs = [(i + 0.5) * step for i in range(SS)]
        for py in range(y0, y1):
            for px in range(x0, x1):
                hits = 0
                for oy in offs:
                    for ox in offs:
                        if inside(px + ox, py + oy):
                            hits += 1
                if not hits:
                    continue
                cov = hits / (SS * SS) * alpha
                col = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                self._blend(px, py, col, cov)

    def _blend(self, x, y, col, a):
        p = self.px[y * self.w + x]
        sa = a
        da = p[3]
        oa = sa + da * (1 - sa)
        if oa <= 0:
            return
        for i in range(3):
            c = col[i] / 255.0
            p[i] = (c * sa + p[i] * da * (1 - sa)) / oa
        p[3] = oa

    # Shapes -----------------------------------------------------------------------------
    def rounded_rect(self, x, y, w, h, r, colour, alpha=1.0):
        def inside(px, py):
            if px < x or px > x + w or py < y or py > y + h:
                return False
            cx = min(max(px, x + r), x + w - r)
            cy = min(max(py, y + r), y + h - r)
            return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
        self.fill(inside, colour, alpha, (x, y, x + w, y + h))

    def rect_outline(self, x, y, w, h, t, colour, r=0.0, alpha=1.0):
        def in_rr(px, py, x, y, w, h, r):
            if px < x or px > x + w or py < y or py > y + h:
                return False
            cx = min(max(px, x + r), x + w - r)
            cy = min(max(py, y + r), y + h - r)
            return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
        ri = max(0.0, r - t)
        self.fill(lambda px, py: in_rr(px, py, x, y, w, h, r) and not in_rr(px, py, x + t, y + t, w - 2 * t, h - 2 * t, ri),
                  colour, alpha, (x, y, x + w, y + h))

    def circle(self, cx, cy, r, colour, alpha=1.0):
        self.fill(lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r, colour, alpha,
                  (cx - r, cy - r, cx + r, cy + r))

    def ring(self, cx, cy, r, t, colour, alpha=1.0):
        ri = r - t
        self.fill(lambda px, py: ri * ri <= (px - cx) ** 2 + (py - cy) ** 2 <= r * r, colour, alpha,
                  (cx - r, cy - r, cx + r, cy + r))

    def line(self, x0, y0, x1, y1, t, colour, alpha=1.0):
        """A stroke with round caps, t pixels thick."""
        r = t / 2.0
        dx, dy = x1 - x0, y1 - y0
        ll = dx * dx + dy * dy or 1e-9

        def inside(px, py):
            k = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / ll))
            qx, qy = x0 + k * dx - px, y0 + k * dy - py
            return qx * qx + qy * qy <= r * r
        self.fill(inside, colour, alpha, (min(x0, x1) - r, min(y0, y1) - r, max(x0, x1) + r, max(y0, y1) + r))

    def polygon(self, pts, colour, alpha=1.0):
        def inside(px, py):
            c = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                    c = not c
                j = i
            return c
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.fill(inside, colour, alpha, (min(xs), min(ys), max(xs), max(ys)))

    # Output -----------------------------------------------------------------------------
    def rgba_bytes(self):
        out = bytearray()
        for p in self.px:
            out += bytes((round(p[0] * 255), round(p[1] * 255), round(p[2] * 255), round(p[3] * 255)))
        return out

    def save_png(self, rel):
        path = os.path.join(OUT, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        raw = self.rgba_bytes()
        rows = bytearray()
        stride = self.w * 4
        for y in range(self.h):
            rows.append(0)
            rows += raw[y * stride:(y + 1) * stride]

        def chunk(tag, data):
            c = struct.pack(">I", len(data)) + tag + data
            return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
        png = b"\x89PNG\r\n\x1a\n"
        png += chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
        png += chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)


def vgrad(y0, y1, top, bottom):
    """A vertical gradient between two colours."""
    def colour(_x, y):
        k = max(0.0, min(1.0, (y - y0) / max(1e-9, y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * k for i in range(3))
    return colour


def mix(a, b, k):
    return tuple(round(a[i] + (b[i] - a[i]) * k) for i in range(3))


# Title bar buttons -------------------------------------------------------------------------
# Four looks per button: normal (white glyph on the bar), _on (hover), _down (pressed), _disable.
STATES = {
    "": (None, WHITE, 1.0),
    "_on": (BLUE_LIGHT, WHITE, 1.0),
    "_down": (BLUE_DARK, WHITE, 1.0),
    "_disable": (None, GREY_LIGHT, 0.6),
}


def titlebar_button(name, w, glyph, hover_bg=None, down_bg=None, round_side=None):
    for suffix, (bg, fg, fa) in STATES.items():
        c = Canvas(w, 21)
        if suffix == "_on" and hover_bg:
            bg = hover_bg
        if suffix == "_down" and down_bg:
            bg = down_bg
        if bg:
            if round_side == "right":
                c.rounded_rect(-6, 0, w + 6, 21, 5, bg)
            elif round_side == "left":
                c.rounded_rect(0, 0, w + 6, 21, 5, bg)
            else:
                c.rounded_rect(0, 0, w, 21, 0, bg)
        glyph(c, w, fg, fa)
        c.save_png("titlebar/%s%s.png" % (name, suffix))


def g_min(c, w, fg, a):
    c.line(w / 2 - 5, 14, w / 2 + 5, 14, 1.8, fg, a)


def g_max(c, w, fg, a):
    c.rect_outline(w / 2 - 5, 5.5, 10, 10, 1.5, fg, 1.2, a)


def g_reduction(c, w, fg, a):
    # The back window shows only its top and right edges above the front one.
    c.line(w / 2 - 2.3, 5.2, w / 2 + 4.3, 5.2, 1.4, fg, a)
    c.line(w / 2 + 4.3, 5.2, w / 2 + 4.3, 11.8, 1.4, fg, a)
    c.rect_outline(w / 2 - 6, 7.5, 8, 8, 1.4, fg, 1.0, a)


def g_close(c, w, fg, a):
    c.line(w / 2 - 4.5, 6, w / 2 + 4.5, 15, 1.8, fg, a)
    c.line(w / 2 + 4.5, 6, w / 2 - 4.5, 15, 1.8, fg, a)


def g_menu(c, w, fg, a):
    for y in (6.5, 10.5, 14.5):
        c.line(w / 2 - 6, y, w / 2 + 6, y, 1.6, fg, a)


def draw_titlebar():
    titlebar_button("min", 31, g_min)
    titlebar_button("max", 31, g_max)
    titlebar_button("reduction", 31, g_reduction)
    titlebar_button("menu", 31, g_menu)
    titlebar_button("menu_ar", 31, g_menu)
    titlebar_button("close", 43, g_close, RED, RED_DARK, "right")
    titlebar_button("dialogclose", 43, g_close, RED, RED_DARK, "right")
    titlebar_button("close_ar", 43, g_close, RED, RED_DARK, "left")


# Push buttons ------------------------------------------------------------------------------
def push_button(name, w, h, looks, radius=4):
    for suffix, (top, bottom, border) in looks.items():
        c = Canvas(w, h)
        c.rounded_rect(0, 0, w, h, radius, border)
        c.rounded_rect(1, 1, w - 2, h - 2, radius - 1, vgrad(1, h - 1, top, bottom))
        c.rounded_rect(2, 1.5, w - 4, (h - 3) / 2, radius - 2, WHITE, 0.25)
        c.save_png("button/%s%s.png" % (name, suffix))


def draw_push_buttons():
    push_button("button", 84, 24, {
        "": ((250, 251, 253), (222, 228, 236), (160, 170, 184)),
        "_on": ((236, 245, 255), (196, 222, 250), BLUE_LIGHT),
        "_down": ((190, 214, 242), (214, 230, 248), BLUE),
        "_disable": ((244, 245, 247), (236, 238, 241), (206, 210, 216)),
    })
    # The close cross of the enlarged-picture overlay: a round button.
    for suffix, (bg, fg) in {"": (GREY_DARK, WHITE), "_on": (RED, WHITE), "_down": (RED_DARK, WHITE),
                             "_disable": (GREY_LIGHT, WHITE)}.items():
        c = Canvas(17, 17)
        c.circle(8.5, 8.5, 8.3, bg)
        c.line(5.5, 5.5, 11.5, 11.5, 1.6, fg)
        c.line(11.5, 5.5, 5.5, 11.5, 1.6, fg)
        c.save_png("button/enlargeclose%s.png" % suffix)


# Row and tool icons (preview, open, reset, settings, add, delete) --------------------------
ICON_LOOKS = {"": BLUE, "_on": BLUE_LIGHT, "_down": BLUE_DARK, "_disable": GREY}


def icon_set(name, size, glyph):
    for suffix, col in ICON_LOOKS.items():
        c = Canvas(size, size)
        glyph(c, size, col)
        c.save_png("button/%s%s.png" % (name, suffix))


def g_play(c, s, col):
    k = s / 16.0
    c.ring(8 * k, 8 * k, 7.5 * k, 1.3 * k, col)
    c.polygon([(6.3 * k, 4.8 * k), (11.4 * k, 8 * k), (6.3 * k, 11.2 * k)], col)


def g_playing(c, s, col):
    k = s / 16.0
    c.circle(8 * k, 8 * k, 7.5 * k, col)
    for x, h in ((5.2, 5.0), (8.0, 7.0), (10.8, 4.0)):
        c.line(x * k, (11.5 - h) * k, x * k, 11.5 * k, 1.7 * k, WHITE)


def g_open(c, s, col):
    k = s / 16.0
    c.polygon([(1.5 * k, 3.5 * k), (6 * k, 3.5 * k), (7.5 * k, 5 * k), (14.5 * k, 5 * k), (14.5 * k, 13 * k),
               (1.5 * k, 13 * k)], col)
    c.polygon([(3 * k, 7 * k), (15.5 * k, 7 * k), (14 * k, 13 * k), (1.5 * k, 13 * k)], mix(col, WHITE, 0.35))


def g_reset(c, s, col):
    k = s / 16.0
    c.ring(8 * k, 8.5 * k, 5.5 * k, 1.6 * k, col)
    # Open the upper-left quarter of the ring and put an arrow head at its end.
    for y in range(s):
        for x in range(s):
            if x + 0.5 < 8 * k and y + 0.5 < 8 * k:
                c.px[y * s + x] = [0.0, 0.0, 0.0, 0.0]
    c.polygon([(8 * k, 0.5 * k), (8 * k, 6.5 * k), (4.5 * k, 3.5 * k)], col)


def g_setting(c, s, col):
    k = s / 24.0
    g_setting_at(c, 0, 0, k, col)
    c.circle(12 * k, 12 * k, 2.2 * k, col)


def g_add(c, s, col):
    k = s / 24.0
    c.circle(12 * k, 12 * k, 10.5 * k, col)
    c.line(12 * k, 6.5 * k, 12 * k, 17.5 * k, 2.6 * k, WHITE)
    c.line(6.5 * k, 12 * k, 17.5 * k, 12 * k, 2.6 * k, WHITE)


def g_del(c, s, col):
    k = s / 24.0
    c.circle(12 * k, 12 * k, 10.5 * k, col)
    c.line(6.5 * k, 12 * k, 17.5 * k, 12 * k, 2.6 * k, WHITE)


def draw_icons():
    icon_set("play", 16, g_play)
    icon_set("playing", 16, g_playing)
    icon_set("open", 16, g_open)
    icon_set("reset", 16, g_reset)
    icon_set("sit", 24, g_setting)
    icon_set("add", 24, g_add)
    icon_set("del", 24, g_del)


# Labels: program icon, logo, warning, overlay background ----------------------------------
def g_note(c, cx, cy, k, col):
    """An eighth-note pair with a wave beneath: the program's mark."""
    c.line(cx - 5 * k, cy + 6 * k, cx - 5 * k, cy - 8 * k, 2.2 * k, col)
    c.line(cx + 7 * k, cy + 3 * k, cx + 7 * k, cy - 11 * k, 2.2 * k, col)
    c.polygon([(cx - 6.1 * k, cy - 8 * k), (cx + 8.1 * k, cy - 11 * k), (cx + 8.1 * k, cy - 7 * k),
               (cx - 6.1 * k, cy - 4 * k)], col)
    c.circle(cx - 8 * k, cy + 6.5 * k, 3.6 * k, col)
    c.circle(cx + 4 * k, cy + 3.5 * k, 3.6 * k, col)


def app_mark(size):
    c = Canvas(size, size)
    k = size / 80.0
    c.circle(40 * k, 40 * k, 38 * k, vgrad(2 * k, 78 * k, BLUE_LIGHT, BLUE_DARK))
    c.ring(40 * k, 40 * k, 38 * k, 1.5 * k, BLUE_DARK)
    g_note(c, 39 * k, 38 * k, 1.45 * k, WHITE)
    # A sweeping wave: the tidy-up stroke.
    pts = [(14 + i * 2.0, 60 + 3.2 * math.sin(i * 0.45)) for i in range(27)]
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        c.line(x0 * k, y0 * k, x1 * k, y1 * k, 2.6 * k, YELLOW)
    return c


def draw_labels():
    app_mark(80).save_png("label/starticon.png")
    app_mark(64).save_png("label/icon.png")

    # Status-bar logo (shown on the blue bar): the mark and five level bars, drawn at 4x the height it is shown at.
    c = Canvas(200, 60)
    mark = app_mark(60)
    for i, p in enumerate(mark.px):
        c.px[(i // 60) * 200 + i % 60] = list(p)
    for i, h in enumerate((22, 34, 46, 30, 40)):
        c.rounded_rect(76 + i * 24, 52 - h, 14, h, 4, mix(WHITE, YELLOW, i * 0.2))
    c.save_png("label/zavrologo.png")

    c = Canvas(50, 50)
    c.polygon([(25, 3), (48, 46), (2, 46)], ORANGE)
    c.polygon([(25, 7.5), (44.5, 44), (5.5, 44)], vgrad(7, 44, (255, 196, 70), ORANGE))
    c.line(25, 18, 25, 33, 4.2, WHITE)
    c.circle(25, 39.5, 2.6, WHITE)
    c.save_png("label/msg_warning.png")

    c = Canvas(376, 376)
    c.rounded_rect(2, 4, 372, 372, 14, (0, 0, 0), 0.25)
    c.rounded_rect(0, 0, 372, 370, 14, (250, 251, 253))
    c.rect_outline(0, 0, 372, 370, 1.5, GREY_LIGHT, 14)
    c.save_png("label/enlarge_bg.png")


# List pictures ----------------------------------------------------------------------------
def artwork_frame(c, fill_top, fill_bottom):
    c.rounded_rect(0, 0, 100, 100, 6, (200, 206, 214))
    c.rounded_rect(1, 1, 98, 98, 5, vgrad(1, 99, fill_top, fill_bottom))


def three_piece(names, cap, middle, h, shape):
    """Cuts one rounded shape into a left cap, a middle slice that is stretched, and a right cap.
    shape(canvas, x, width) draws the whole shape with its left edge at x."""
    whole = 2 * cap + 2 * middle
    for name, w, x in ((names[0], cap, 0), (names[1], middle, -cap), (names[2], cap, cap - whole)):
        c = Canvas(w, h)
        shape(c, x, whole)
        c.save_png(name)


def draw_list():
    c = Canvas(100, 100)
    artwork_frame(c, (238, 241, 245), (214, 220, 228))
    c.ring(50, 50, 34, 1.5, (196, 202, 212))
    g_note(c, 50, 52, 2.0, (160, 168, 180))
    c.save_png("list/artwork_def.png")

    c = Canvas(100, 100)
    artwork_frame(c, (246, 238, 238), (228, 214, 214))
    g_note(c, 46, 50, 1.8, (190, 170, 170))
    c.circle(72, 72, 15, RED)
    c.line(66, 66, 78, 78, 3.2, WHITE)
    c.line(78, 66, 66, 78, 3.2, WHITE)
    c.save_png("list/artwork_failed.png")

    # A song with no cover yet: an empty cover, still and plain (nothing that reads as "loading"),
    # a dashed outline where the picture will go and a note inside; blue while the song is
    # checked for the fix, grey when it is not.
    for name, ink in (("artwork_load.png", BLUE), ("artwork_load_uncheck.png", GREY)):
        c = Canvas(100, 100)
        artwork_frame(c, (246, 248, 251), (234, 238, 244))
        dash, gap, inset = 9.0, 6.0, 16.0
        side = 100 - 2 * inset
        for edge in range(4):
            pos = 0.0
            while pos < side:
                end = min(side, pos + dash)
                a, b = inset + pos, inset + end
                lo, hi = inset, 100 - inset
                ends = ((a, lo, b, lo), (hi, a, hi, b), (a, hi, b, hi), (lo, a, lo, b))[edge]
                c.line(*ends, 2.0, ink, 0.55)
                pos += dash + gap
        g_note(c, 51, 51, 1.6, ink)
        c.save_png("list/" + name)

    # Count badge: left cap, stretchable middle, right cap (24 high).
    three_piece(("list/label_bl.png", "list/label_bc.png", "list/label_br.png"), 8, 4, 24,
                lambda c, x, w: c.rounded_rect(x, 2, w, 20, 10, RED))

    c = Canvas(16, 16)
    c.circle(8, 8, 7.5, GREEN)
    c.line(4.5, 8.3, 7, 10.8, 1.8, WHITE)
    c.line(7, 10.8, 11.6, 5.6, 1.8, WHITE)
    c.save_png("list/complete.png")

    c = Canvas(16, 16)
    c.circle(8, 8, 7.5, RED)
    c.line(5.3, 5.3, 10.7, 10.7, 1.8, WHITE)
    c.line(10.7, 5.3, 5.3, 10.7, 1.8, WHITE)
    c.save_png("list/failed.png")

    c = Canvas(15, 14)
    c.rounded_rect(0.5, 0, 14, 14, 3, BLUE)
    c.line(3.6, 7.2, 6.2, 9.8, 1.7, WHITE)
    c.line(6.2, 9.8, 11.2, 4.4, 1.7, WHITE)
    c.save_png("list/check.png")

    c = Canvas(15, 14)
    c.rounded_rect(0.5, 0, 14, 14, 3, GREY)
    c.rounded_rect(1.7, 1.2, 11.6, 11.6, 2, WHITE)
    c.save_png("list/uncheck.png")

    c = Canvas(24, 24)
    c.polygon([(24, 4), (24, 24), (4, 24)], BLUE, 0.9)
    c.line(14, 20, 20, 20, 1.6, WHITE)
    c.line(17, 17, 17, 23, 1.6, WHITE)
    c.save_png("list/expand.png")


# Busy animations (GIF) --------------------------------------------------------------------
def lzw_encode(indices, min_size=8):
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, buf, nbits = bytearray(), 0, 0

    def emit(code, size):
        nonlocal buf, nbits
        buf |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(buf & 0xFF)
            buf >>= 8
            nbits -= 8

    table = {bytes([i]): i for i in range(clear)}
    size, nxt = min_size + 1, end + 1
    emit(clear, size)
    w = b""
    for i in indices:
        wc = w + bytes([i])
        if wc in table:
            w = wc
            continue
        emit(table[w], size)
        if nxt < 4096:
            table[wc] = nxt
            nxt += 1
            if nxt > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table = {bytes([j]): j for j in range(clear)}
            size, nxt = min_size + 1, end + 1
        w = bytes([i])
    if w:
        emit(table[w], size)
    emit(end, size)
    if nbits:
        out.append(buf & 0xFF)
    return bytes(out)


def save_spinner(rel, size, frames=8, col=BLUE, delay_cs=10):
    """Dots around a circle, the bright one walking clockwise. Index 0 is transparent; the
    other 255 entries blend the dot colour over white by coverage."""
    palette = [(255, 255, 255)] + [mix(WHITE, col, k / 254.0) for k in range(255)]
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", size, size, 0xF7, 0, 0)
    for r, g, b in palette:
        data += bytes((r, g, b))
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    rad, dot = size * 0.34, size * 0.11
    for f in range(frames):
        c = Canvas(size, size)
        for i in range(frames):
            a = 2 * math.pi * i / frames - math.pi / 2
            age = (f - i) % frames
            c.circle(size / 2 + math.cos(a) * rad, size / 2 + math.sin(a) * rad, dot, col,
                     1.0 - 0.8 * age / (frames - 1))
        idx = bytearray()
        for p in c.px:
            idx.append(0 if p[3] < 0.02 else 1 + min(253, int(p[3] * 254)))
        data += b"\x21\xF9\x04\x09" + struct.pack("<H", delay_cs) + b"\x00\x00"
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, size, size, 0)
        data.append(8)
        enc = lzw_encode(idx)
        for k in range(0, len(enc), 255):
            block = enc[k:k + 255]
            data.append(len(block))
            data += block
        data.append(0)
    data.append(0x3B)
    path = os.path.join(OUT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# Glyphs for the program's windows (drawn in a box of side k*24 at (x, y)) ------------------
def gl_pause(c, x, y, k, col):
    c.rounded_rect(x + 6 * k, y + 4 * k, 4.5 * k, 16 * k, 1.2 * k, col)
    c.rounded_rect(x + 13.5 * k, y + 4 * k, 4.5 * k, 16 * k, 1.2 * k, col)


def gl_play(c, x, y, k, col):
    c.polygon([(x + 7 * k, y + 4 * k), (x + 20 * k, y + 12 * k), (x + 7 * k, y + 20 * k)], col)


def gl_spark(c, x, y, k, col):
    cx, cy = x + 12 * k, y + 12 * k
    c.polygon([(cx, cy - 10 * k), (cx + 2.6 * k, cy - 2.6 * k), (cx + 10 * k, cy), (cx + 2.6 * k, cy + 2.6 * k),
               (cx, cy + 10 * k), (cx - 2.6 * k, cy + 2.6 * k), (cx - 10 * k, cy), (cx - 2.6 * k, cy - 2.6 * k)], col)
    c.circle(x + 20 * k, y + 4.5 * k, 2 * k, col)


def gl_check(c, x, y, k, col):
    c.line(x + 4 * k, y + 12.5 * k, x + 10 * k, y + 18 * k, 3.4 * k, col)
    c.line(x + 10 * k, y + 18 * k, x + 20 * k, y + 6 * k, 3.4 * k, col)


def gl_back(c, x, y, k, col):
    c.line(x + 5 * k, y + 12 * k, x + 19 * k, y + 12 * k, 3 * k, col)
    c.line(x + 5 * k, y + 12 * k, x + 11 * k, y + 6 * k, 3 * k, col)
    c.line(x + 5 * k, y + 12 * k, x + 11 * k, y + 18 * k, 3 * k, col)


def gl_forward(c, x, y, k, col):
    """The back arrow pointing the other way, for right-to-left windows."""
    c.line(x + 19 * k, y + 12 * k, x + 5 * k, y + 12 * k, 3 * k, col)
    c.line(x + 19 * k, y + 12 * k, x + 13 * k, y + 6 * k, 3 * k, col)
    c.line(x + 19 * k, y + 12 * k, x + 13 * k, y + 18 * k, 3 * k, col)


def gl_magnifier(c, x, y, k, col):
    c.ring(x + 10 * k, y + 10 * k, 7 * k, 2.6 * k, col)
    c.line(x + 15 * k, y + 15 * k, x + 20.5 * k, y + 20.5 * k, 3.4 * k, col)


def gl_trash(c, x, y, k, col):
    c.rounded_rect(x + 4 * k, y + 5 * k, 16 * k, 2.6 * k, 1 * k, col)
    c.rounded_rect(x + 9 * k, y + 2.5 * k, 6 * k, 3 * k, 1 * k, col)
    c.polygon([(x + 5.5 * k, y + 9 * k), (x + 18.5 * k, y + 9 * k), (x + 17 * k, y + 21.5 * k), (x + 7 * k, y + 21.5 * k)], col)


def gl_house(c, x, y, k, col):
    c.polygon([(x + 12 * k, y + 3 * k), (x + 22 * k, y + 12 * k), (x + 2 * k, y + 12 * k)], col)
    c.rect_outline(x + 5.5 * k, y + 11 * k, 13 * k, 10 * k, 2.6 * k, col)
    c.rounded_rect(x + 10 * k, y + 15 * k, 4 * k, 6 * k, 0.5 * k, col)


def g_setting_at(c, x, y, k, col):
    cx, cy = x + 12 * k, y + 12 * k
    for i in range(8):
        a = i * math.pi / 4
        c.line(cx + math.cos(a) * 6 * k, cy + math.sin(a) * 6 * k, cx + math.cos(a) * 10 * k,
               cy + math.sin(a) * 10 * k, 3.6 * k, col)
    c.ring(cx, cy, 8 * k, 3.6 * k, col)


def gl_note(c, x, y, k, col):
    g_note(c, x + 13 * k, y + 13 * k, 0.75 * k, col)


def gl_folder(c, x, y, k, col):
    c.polygon([(x + 2 * k, y + 5 * k), (x + 9 * k, y + 5 * k), (x + 11 * k, y + 7.5 * k), (x + 22 * k, y + 7.5 * k),
               (x + 22 * k, y + 20 * k), (x + 2 * k, y + 20 * k)], col)
    c.polygon([(x + 4.5 * k, y + 10.5 * k), (x + 23.5 * k, y + 10.5 * k), (x + 21.5 * k, y + 20 * k), (x + 2 * k, y + 20 * k)],
              mix(col, WHITE, 0.35))


def gl_cards(c, x, y, k, col):
    c.rounded_rect(x + 8 * k, y + 2 * k, 13 * k, 15 * k, 2 * k, mix(col, WHITE, 0.45))
    c.rounded_rect(x + 3 * k, y + 7 * k, 13 * k, 15 * k, 2 * k, col)
    g_note(c, x + 10 * k, y + 15.5 * k, 0.42 * k, WHITE)


def gl_doc(c, x, y, k, col):
    c.polygon([(x + 5 * k, y + 2 * k), (x + 14 * k, y + 2 * k), (x + 19 * k, y + 7 * k), (x + 19 * k, y + 22 * k),
               (x + 5 * k, y + 22 * k)], col)
    c.line(x + 12 * k, y + 8 * k, x + 12 * k, y + 17 * k, 2.4 * k, WHITE)
    c.line(x + 8.5 * k, y + 13.5 * k, x + 12 * k, y + 17 * k, 2.4 * k, WHITE)
    c.line(x + 15.5 * k, y + 13.5 * k, x + 12 * k, y + 17 * k, 2.4 * k, WHITE)


def gl_share(c, x, y, k, col):
    pts = [(x + 17.5 * k, y + 5.5 * k), (x + 6.5 * k, y + 12 * k), (x + 17.5 * k, y + 18.5 * k)]
    c.line(pts[0][0], pts[0][1], pts[1][0], pts[1][1], 2 * k, col)
    c.line(pts[2][0], pts[2][1], pts[1][0], pts[1][1], 2 * k, col)
    for px, py in pts:
        c.circle(px, py, 3.4 * k, col)


def gl_bubble(c, x, y, k, col):
    c.rounded_rect(x + 2.5 * k, y + 3.5 * k, 19 * k, 13 * k, 4 * k, col)
    c.polygon([(x + 7 * k, y + 15 * k), (x + 12 * k, y + 15 * k), (x + 6 * k, y + 21 * k)], col)
    for i in range(3):
        c.circle(x + (7.5 + 4.5 * i) * k, y + 10 * k, 1.4 * k, WHITE)


def gl_chevron(down):
    def draw(c, x, y, k, col):
        a, b = (9, 15) if down else (15, 9)
        c.line(x + 6 * k, y + a * k, x + 12 * k, y + b * k, 2.6 * k, col)
        c.line(x + 12 * k, y + b * k, x + 18 * k, y + a * k, 2.6 * k, col)
    return draw


def gl_clock(c, x, y, k, col):
    c.ring(x + 12 * k, y + 12 * k, 9.5 * k, 2.4 * k, col)
    c.line(x + 12 * k, y + 12 * k, x + 12 * k, y + 6.5 * k, 2.2 * k, col)
    c.line(x + 12 * k, y + 12 * k, x + 16 * k, y + 14 * k, 2.2 * k, col)


def gl_sliders(c, x, y, k, col):
    for i, knob in enumerate((8, 15, 10)):
        yy = y + (6 + 6 * i) * k
        c.line(x + 4 * k, yy, x + 20 * k, yy, 2 * k, col)
        c.circle(x + knob * k, yy, 2.8 * k, col)


def gl_globe(c, x, y, k, col):
    c.ring(x + 12 * k, y + 12 * k, 9.5 * k, 2 * k, col)
    c.line(x + 3 * k, y + 12 * k, x + 21 * k, y + 12 * k, 1.6 * k, col)
    c.fill(lambda px, py: abs(((px - x - 12 * k) / (4.5 * k)) ** 2 + ((py - y - 12 * k) / (9.5 * k)) ** 2 - 1) < 0.18,
           col, 1.0, (x, y, x + 24 * k, y + 24 * k))


def gl_refresh(c, x, y, k, col):
    c.fill(lambda px, py: (6.3 * k) ** 2 <= (px - x - 12 * k) ** 2 + (py - y - 12 * k) ** 2 <= (8.7 * k) ** 2
           and not (px > x + 12 * k and py < y + 12 * k), col, 1.0, (x, y, x + 24 * k, y + 24 * k))
    c.polygon([(x + 12 * k, y + 0.5 * k), (x + 17 * k, y + 4.5 * k), (x + 12 * k, y + 8.5 * k)], col)


def gl_question(c, x, y, k, col):
    c.fill(lambda px, py: (3.4 * k) ** 2 <= (px - x - 12 * k) ** 2 + (py - y - 8.5 * k) ** 2 <= (6 * k) ** 2
           and not (px < x + 12 * k and py > y + 8.5 * k), col, 1.0, (x, y, x + 24 * k, y + 24 * k))
    c.line(x + 12 * k, y + 13.5 * k, x + 12 * k, y + 15.5 * k, 2.6 * k, col)
    c.circle(x + 12 * k, y + 20 * k, 1.7 * k, col)


def gl_person(c, x, y, k, col):
    c.circle(x + 12 * k, y + 8 * k, 4.8 * k, col)
    c.fill(lambda px, py: py >= y + 14 * k and ((px - x - 12 * k) / (9 * k)) ** 2 + ((py - y - 22 * k) / (8 * k)) ** 2 <= 1,
           col, 1.0, (x, y + 13 * k, x + 24 * k, y + 23 * k))


def gl_disc(c, x, y, k, col):
    c.circle(x + 12 * k, y + 12 * k, 10 * k, col)
    c.circle(x + 12 * k, y + 12 * k, 3 * k, WHITE)
    c.ring(x + 12 * k, y + 12 * k, 7.2 * k, 0.8 * k, mix(col, WHITE, 0.4))


def gl_picture(c, x, y, k, col):
    c.rect_outline(x + 2.5 * k, y + 4 * k, 19 * k, 16 * k, 2 * k, col, 2 * k)
    c.polygon([(x + 5 * k, y + 18 * k), (x + 10 * k, y + 11 * k), (x + 13.5 * k, y + 15 * k), (x + 16 * k, y + 12.5 * k),
               (x + 19.5 * k, y + 18 * k)], col)
    c.circle(x + 15.5 * k, y + 8.5 * k, 1.8 * k, col)


def looks(base):
    """Normal, hover, pressed and disabled colours (top, bottom, border, glyph) of a tinted button."""
    return {
        "": (mix(base, WHITE, 0.88), mix(base, WHITE, 0.70), mix(base, WHITE, 0.30), base),
        "_on": (mix(base, WHITE, 0.95), mix(base, WHITE, 0.80), base, mix(base, WHITE, 0.15)),
        "_down": (mix(base, WHITE, 0.62), mix(base, WHITE, 0.80), mix(base, INK, 0.25), mix(base, INK, 0.25)),
        "_disable": ((238, 240, 243), (226, 229, 233), (200, 205, 212), (170, 176, 186)),
    }


def tinted_button(name, w, h, base, glyph, glyph_at=None, radius=None, glyph_k=None):
    """A rounded button face; the glyph sits at the left (text follows it) or where told."""
    r = radius if radius is not None else h / 2.0
    for suffix, (top, bottom, border, ink) in looks(base).items():
        c = Canvas(w, h)
        c.rounded_rect(0, 0, w, h, r, border)
        c.rounded_rect(1.2, 1.2, w - 2.4, h - 2.4, max(0.5, r - 1.2), vgrad(0, h, top, bottom))
        if glyph:
            k = glyph_k if glyph_k else (h * 0.55) / 24.0
            gx, gy = glyph_at if glyph_at else (h * 0.35, (h - 24 * k) / 2)
            glyph(c, gx, gy, k, ink)
        c.save_png("button/%s%s.png" % (name, suffix))


def square_icon(rel, size, glyph, col, bg=None):
    c = Canvas(size, size)
    k = size / 24.0
    if bg:
        c.circle(size / 2, size / 2, size / 2 - 0.3, bg)
    glyph(c, 0, 0, k, col)
    c.save_png(rel)


def badge(rel, size, glyph, base):
    c = Canvas(size, size)
    c.circle(size / 2, size / 2, size / 2 - 1, vgrad(0, size, mix(base, WHITE, 0.35), base))
    c.ring(size / 2, size / 2, size / 2 - 1, 1.5, mix(base, INK, 0.3))
    k = size * 0.55 / 24.0
    glyph(c, size * 0.225, size * 0.225, k, WHITE)
    c.save_png(rel)


def plain(rel, w, h, rgba):
    """A uniform picture, written without rasterising."""
    c = Canvas(w, h)
    c.px = [[rgba[0] / 255.0, rgba[1] / 255.0, rgba[2] / 255.0, rgba[3]] for _ in range(w * h)]
    c.save_png(rel)


def draw_program_images():
    # Main window action buttons (132 x 43; Home 112 x 43): glyph at the left, text after it.
    orange, blue, green = (214, 120, 20), (61, 144, 197), (60, 140, 40)
    for name, base, glyph in (("pause", blue, gl_pause), ("continue", green, gl_play), ("fixallbut", orange, gl_spark),
                              ("apply", orange, gl_check), ("return", orange, gl_back), ("return_rtl", orange, gl_forward), ("scan", blue, gl_magnifier),
                              ("remove", orange, gl_trash)):
        tinted_button(name, 132, 43, base, glyph)
    tinted_button("home", 112, 43, blue, gl_house)
    # Start page: large cards, the text sits at their bottom.
    for name, glyph in (("cleanitunes", gl_note), ("musicfolder", gl_folder), ("duplicates", gl_cards),
                        ("loadsaved", gl_doc)):
        tinted_button(name, 205, 195, BLUE, glyph, glyph_at=(52.5, 28), radius=12, glyph_k=100 / 24.0)
    for name, glyph in (("setting", g_setting_at), ("facebook", gl_share), ("twitter", gl_bubble)):
        tinted_button(name, 32, 32, GREY_DARK, glyph, glyph_at=(5, 5), radius=16, glyph_k=22 / 24.0)
    tinted_button("musicplay", 48, 48, BLUE, gl_play, glyph_at=(10, 10), radius=24, glyph_k=28 / 24.0)
    tinted_button("musicpause", 48, 48, BLUE, gl_pause, glyph_at=(10, 10), radius=24, glyph_k=28 / 24.0)
    tinted_button("infoshow", 52, 12, GREY_DARK, gl_chevron(True), glyph_at=(20, -0.5), radius=6, glyph_k=0.55)
    tinted_button("infohide", 52, 12, GREY_DARK, gl_chevron(False), glyph_at=(20, -0.5), radius=6, glyph_k=0.55)
    tinted_button("removehistory", 173, 26, BLUE, gl_clock, radius=5)
    tinted_button("removeoption", 26, 26, BLUE, gl_sliders, glyph_at=(3, 3), radius=5, glyph_k=20 / 24.0)

    # Scanning header pictures (89 x 89) and their animations.
    for name, glyph, base in (("scanned_bg", gl_magnifier, BLUE), ("duplicate_bg", gl_cards, BLUE),
                              ("duplicate", gl_cards, ORANGE), ("fix_bg", gl_spark, ORANGE),
                              ("fix_end_bg", gl_check, GREEN)):
        badge("label/%s.png" % name, 89, glyph, base)
    for name, col in (("scanning", BLUE), ("scanned", BLUE), ("duplicate", ORANGE), ("fix", ORANGE),
                      ("fix_end", GREEN)):
        save_spinner("gif/%s.gif" % name, 89, col=col)
    save_spinner("gif/bigloading.gif", 60)

    # Busy overlay, artwork placeholders and small list icons.
    square_icon("label/fixallok.png", 60, gl_check, WHITE, GREEN)
    plain("label/blackmask.png", 798, 431, (0, 0, 0, 0.35))
    for name, glyph, tint in (("noartwork.png", gl_note, (160, 168, 180)),
                              ("drag_artwork_here_en.png", gl_picture, BLUE),
                              ("Failed_load_artwork_en.png", gl_picture, RED)):
        c = Canvas(110, 110)
        c.rounded_rect(0, 0, 110, 110, 8, (200, 206, 214))
        c.rounded_rect(1, 1, 108, 108, 7, vgrad(1, 109, (244, 246, 249), (222, 227, 234)))
        if name.startswith("drag"):
            for i in range(12):  # dashed frame: drop here
                c.line(12 + i * 7.5, 10, 15.5 + i * 7.5, 10, 1.6, BLUE)
                c.line(12 + i * 7.5, 100, 15.5 + i * 7.5, 100, 1.6, BLUE)
                c.line(10, 12 + i * 7.5, 10, 15.5 + i * 7.5, 1.6, BLUE)
                c.line(100, 12 + i * 7.5, 100, 15.5 + i * 7.5, 1.6, BLUE)
        glyph(c, 25, 25, 60 / 24.0, tint)
        c.save_png("label/" + name)
    square_icon("label/folder.png", 16, gl_folder, (232, 168, 40))
    square_icon("label/music.png", 16, gl_note, BLUE)
    square_icon("label/genera_icon.png", 64, gl_sliders, BLUE)
    square_icon("label/network_icon.png", 64, gl_globe, BLUE)
    square_icon("label/update_icon.png", 64, gl_refresh, BLUE)

    # Duplicate options: the empty drop area of the folder tree.
    c = Canvas(400, 260)
    c.rounded_rect(0, 0, 400, 260, 10, (248, 250, 252))
    for i in range(38):
        c.line(12 + i * 10, 6, 17 + i * 10, 6, 1.6, GREY_LIGHT)
        c.line(12 + i * 10, 254, 17 + i * 10, 254, 1.6, GREY_LIGHT)
    for i in range(24):
        c.line(6, 12 + i * 10, 6, 17 + i * 10, 1.6, GREY_LIGHT)
        c.line(394, 12 + i * 10, 394, 17 + i * 10, 1.6, GREY_LIGHT)
    gl_folder(c, 150, 80, 4.0, (214, 222, 232))
    gl_note(c, 176, 100, 2.0, (170, 182, 198))
    c.save_png("label/dragmusic.png")

    # About box logo (57 x 15 shown; drawn at 4x): the mark and level bars for a light background.
    c = Canvas(228, 60)
    mark = app_mark(60)
    for i, p in enumerate(mark.px):
        c.px[(i // 60) * 228 + i % 60] = list(p)
    for i, h in enumerate((22, 34, 46, 30, 40, 26)):
        c.rounded_rect(76 + i * 25, 52 - h, 14, h, 4, mix(BLUE, BLUE_DARK, i * 0.15))
    c.save_png("label/dialog_logo.png")

    # Candidate-artwork pop-up: a pointer and a three-piece background, and row titles.
    c = Canvas(16, 9)
    c.polygon([(0, 9), (8, 0.5), (16, 9)], WHITE)
    c.line(0, 9, 8, 0.5, 1.0, GREY_LIGHT)
    c.line(8, 0.5, 16, 9, 1.0, GREY_LIGHT)
    c.save_png("list/expandbcl.png")
    def panel(c, x, w):
        c.rounded_rect(x, 0, w, 140, 10, GREY_LIGHT)
        c.rounded_rect(x + 1, 1, w - 2, 138, 9, WHITE)
    three_piece(("list/expandbg_left.png", "list/expandbg_center.png", "list/expandbg_right.png"), 12, 4, 140, panel)
    c = Canvas(400, 32)
    c.rounded_rect(0, 0, 400, 32, 0, vgrad(0, 32, (240, 244, 249), (222, 230, 240)))
    c.line(0, 31.5, 400, 31.5, 1.0, (200, 210, 222))
    c.save_png("list/list_title.png")
    square_icon("list/fixing.png", 16, gl_wrench_simple, ORANGE)
    for name, glyph, base in (("album", gl_disc, BLUE), ("artist", gl_person, BLUE), ("artwork", gl_picture, BLUE),
                              ("duplicate", gl_cards, ORANGE), ("unrecognized", gl_question, RED)):
        square_icon("list/type/%s.png" % name, 24, glyph, base)

    # What's-new text area.
    c = Canvas(300, 200)
    c.rounded_rect(0, 0, 300, 200, 6, (200, 206, 214))
    c.rounded_rect(1, 1, 298, 198, 5, WHITE)
    c.save_png("Update/textedit.png")


def gl_wrench_simple(c, x, y, k, col):
    c.circle(x + 12 * k, y + 12 * k, 10 * k, col)
    c.line(x + 8 * k, y + 16 * k, x + 16 * k, y + 8 * k, 3 * k, WHITE)
    c.circle(x + 16 * k, y + 8 * k, 2.6 * k, WHITE)


# Spin box arrows: a small triangle each way, in the input fields' ink.
def draw_spin_arrows():
    for name, pts in (("label/spin_up.png", [(0.5, 5.5), (4.5, 0.5), (8.5, 5.5)]),
                      ("label/spin_down.png", [(0.5, 0.5), (4.5, 5.5), (8.5, 0.5)])):
        c = Canvas(9, 6)
        c.polygon(pts, GREY_DARK)
        c.save_png(name)


def main():
    draw_titlebar()
    draw_push_buttons()
    draw_icons()
    draw_labels()
    draw_list()
    draw_spin_arrows()
    save_spinner("gif/artwork_run.gif", 32)
    save_spinner("gif/samllloading.gif", 16)
    draw_program_images()


if __name__ == "__main__":
    main()
