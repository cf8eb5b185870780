#!/usr/bin/env python3
"""Draws the images of the painted caption and frame from theme_images.json and writes each as
the resource the theme data reads: a zlib stream of a 32-bit little-endian length followed by a
bottom-up 32-bit DIB (40-byte header, then BGRA rows) with premultiplied alpha, ready for alpha
blending. Also writes theme_images.rc naming every image as an RCDATA resource.

  generate_theme_images.py DESCRIPTION OUTPUT_DIR
"""
import json
import math
import os
import struct
import sys
import zlib

SUPERSAMPLE = 4
BUTTON_STATES = ["normal", "hot", "pressed", "disabled"]


def rgb(text):
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def gradient(stops, t):
    """The colour at t (0..1) along evenly spaced colour stops."""
    colours = [rgb(s) for s in stops]
    if len(colours) == 1:
        return colours[0]
    pos = min(max(t, 0.0), 1.0) * (len(colours) - 1)
    i = min(int(pos), len(colours) - 2)
    return mix(colours[i], colours[i + 1], pos - i)


class Image:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [(0.0, 0.0, 0.0, 0.0)] * (width * height)  # straight RGBA, 0..255 / 0..1

    def put(self, x, y, colour, alpha=1.0):
        self.pixels[y * self.width + x] = (colour[0], colour[1], colour[2], alpha)

    def dib(self):
        rows = []
        for y in reversed(range(self.height)):  # bottom-up
            row = bytearray()
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                a = min(max(a, 0.0), 1.0)
                row += bytes((round(b * a), round(g * a), round(r * a), round(a * 255)))
            rows.append(bytes(row))
        bits = b"".join(rows)
        header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 32, 0, len(bits), 2835, 2835, 0, 0)
        return header + bits


def rounded_coverage(x, y, w, h, radius, top_only=False):
    """How much of pixel (x, y) lies inside a w x h rectangle with rounded corners."""
    inside = 0
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            px = x + (sx + 0.5) / SUPERSAMPLE
            py = y + (sy + 0.5) / SUPERSAMPLE
            cx = min(max(px, radius), w - radius)
            cy = min(max(py, radius), h - radius) if not top_only else max(py, radius)
            if (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius:
                inside += 1
    return inside / SUPERSAMPLE ** 2


def caption_image(d):
    w, fh = d["width"], d["frame_height"]
    img = Image(w, 2 * fh)
    for frame, kind in enumerate(["active", "inactive"]):
        highlight = rgb(d["highlight"][kind])
        for y in range(fh):
            colour = gradient(d[kind], y / (fh - 1))
            if y == 1:
                colour = mix(colour, highlight, 0.7)
            for x in range(w):
                # The window region cuts the corners; the rounding keeps their edge soft.
                cover = rounded_coverage(x, y, w, fh, d["corner_radius"], top_only=True)
                img.put(x, frame * fh + y, colour, 1.0 if cover > 0 else 0.0)
                if 0 < cover < 1:
                    img.put(x, frame * fh + y, mix(rgb(d[kind][-1]), colour, cover), 1.0)
    return img


def edge_image(d):
    w, fh = d["width"], d["frame_height"]
    img = Image(w, 2 * fh)
    for frame, kind in enumerate(["active", "inactive"]):
        for y in range(fh):
            for x in range(w):
                if d["direction"] == "horizontal":
                    colour = rgb(d[kind][min(x, len(d[kind]) - 1)])
                else:
                    colour = rgb(d[kind][min(y, len(d[kind]) - 1)])
                img.put(x, frame * fh + y, colour)
    return img


def button_image(d):
    s = d["size"]
    img = Image(s, 8 * s)
    border = rgb(d["border"])
    pale = (236, 241, 252)
    for frame in range(8):
        state = BUTTON_STATES[frame % 4]
        inactive = frame >= 4
        for y in range(s):
            fill = gradient(d["states"][state], y / (s - 1))
            if inactive:
                fill = mix(fill, pale, d["inactive_fade"])
            for x in range(s):
                outer = rounded_coverage(x, y, s, s, 3.0)
                if outer == 0:
                    continue
                inner = rounded_coverage(x - 1, y - 1, s - 2, s - 2, 2.0) if 0 < x < s - 1 and 0 < y < s - 1 else 0
                colour = mix(border, fill, inner)
                # A soft light band across the upper third gives the button some depth.
                if 1 < y < s // 3 and inner == 1:
                    colour = mix(colour, (255, 255, 255), 0.18)
                alpha = outer * (0.75 if inactive else 1.0)
                img.put(x, frame * s + y, colour, alpha)
    return img


def segment_distance(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def arc_distance(px, py, cx, cy, r, a0, a1):
    angle = math.degrees(math.atan2(py - cy, px - cx)) % 360
    while angle < a0:
        angle += 360
    if angle <= a1:
        return abs(math.hypot(px - cx, py - cy) - r)
    ends = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in (a0, a1)]
    return min(math.hypot(px - x, py - y) for x, y in ends)


def inside(shape, px, py):
    kind = shape[0]
    if kind == "line":
        _, x0, y0, x1, y1, half = shape
        return segment_distance(px, py, x0, y0, x1, y1) <= half
    if kind == "arc":
        _, cx, cy, r, a0, a1, half = shape
        return arc_distance(px, py, cx, cy, r, a0, a1) <= half
    if kind == "disc":
        _, cx, cy, r = shape
        return math.hypot(px - cx, py - cy) <= r
    if kind == "rect":
        x0, y0, x1, y1 = shape[1:5]
        return x0 <= px <= x1 and y0 <= py <= y1
    if kind == "box":
        _, x0, y0, x1, y1, t = shape
        in_outer = x0 <= px <= x1 and y0 <= py <= y1
        in_inner = x0 + t < px < x1 - t and y0 + t < py < y1 - t
        return in_outer and not in_inner
    raise ValueError("unknown shape " + kind)


def glyph_coverage(shapes, size):
    cover = []
    for y in range(size):
        for x in range(size):
            hits = 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    px, py = x + (sx + 0.5) / SUPERSAMPLE, y + (sy + 0.5) / SUPERSAMPLE
                    on = False
                    for shape in shapes:  # later shapes paint over earlier ones; "clear" erases
                        if inside(shape, px, py):
                            on = shape[-1] != "clear"
                    hits += on
            cover.append(hits / SUPERSAMPLE ** 2)
    return cover


def glyph_image(d, shapes):
    s = d["size"]
    img = Image(s, 8 * s)
    colour = rgb(d["colour"])
    cover = glyph_coverage(shapes, s)
    for frame in range(8):
        alpha = d["disabled_alpha"] if frame % 4 == 3 else 1.0
        if frame >= 4:
            alpha *= d["inactive_alpha"]
        for y in range(s):
            for x in range(s):
                c = cover[y * s + x]
                if c:
                    img.put(x, frame * s + y, colour, c * alpha)
    return img


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        desc = json.load(f)
    out = sys.argv[2]
    os.makedirs(out, exist_ok=True)
    images = {desc["caption"]["name"]: caption_image(desc["caption"])}
    for edge in desc["edges"]:
        images[edge["name"]] = edge_image(edge)
    for button in desc["buttons"]:
        images[button["name"]] = button_image(button)
    for name, shapes in desc["glyphs"]["shapes"].items():
        images[name] = glyph_image(desc["glyphs"], shapes)
    lines = []
    for name, img in sorted(images.items()):
        dib = img.dib()
        path = os.path.join(out, name + ".bin")
        with open(path, "wb") as f:
            f.write(zlib.compress(struct.pack("<I", len(dib)) + dib, 9))
        lines.append('%s RCDATA "%s"\n' % (name, path.replace("\\", "/")))
    with open(os.path.join(out, "theme_images.rc"), "w", encoding="ascii") as f:
        f.writelines(lines)


if __name__ == "__main__":
    main()
