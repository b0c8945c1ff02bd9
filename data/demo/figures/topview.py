"""Road situations seen from above: ground, roads and markings, vehicles and people.

The canvas is 480 x 360. Headings are in degrees, 0 pointing up the picture, 90 to the
right. Vehicles drive on the right."""

import math
import re

from svg import (ASPHALT, BLACK, GRASS, GREY, ORANGE, PAVEMENT, RED, WHITE, YELLOW, circle, doc, ellipse, g, line,
                 path, poly, rect, text)

W, H = 480, 360
LANE = 64
CAR_COLOURS = {"rossa": "#d33a2c", "blu": "#2f62c4", "verde": "#2e8b57", "gialla": "#f2c21b",
               "bianca": "#f4f4f4", "grigia": "#9aa0a6", "nera": "#2b2b2b", "arancio": "#f08a24"}


def colour(name):
    return CAR_COLOURS.get(name, name)


def scene(body, ground=GRASS):
    return doc(W, H, body, background=ground)


# --- roads ---------------------------------------------------------------------------

def road_v(x=240, lanes=2, centre="dash", y0=0, y1=H, lane=LANE, edge=True, surface=ASPHALT):
    """A road running up the picture, centred on x."""
    w = lanes * lane
    left = x - w / 2
    out = rect(left, y0, w, y1 - y0, surface)
    if edge:
        out += line(left + 5, y0, left + 5, y1, WHITE, 4, cap="butt") + line(left + w - 5, y0, left + w - 5, y1,
                                                                               WHITE, 4, cap="butt")
    for k in range(1, lanes):
        xm = left + k * lane
        kind = centre if k == lanes // 2 else "dash"
        out += marking_v(xm, y0, y1, kind)
    return out


def road_h(y=180, lanes=2, centre="dash", x0=0, x1=W, lane=LANE, edge=True, surface=ASPHALT):
    w = lanes * lane
    top = y - w / 2
    out = rect(x0, top, x1 - x0, w, surface)
    if edge:
        out += line(x0, top + 5, x1, top + 5, WHITE, 4, cap="butt") + line(x0, top + w - 5, x1, top + w - 5, WHITE, 4,
                                                                           cap="butt")
    for k in range(1, lanes):
        ym = top + k * lane
        kind = centre if k == lanes // 2 else "dash"
        out += marking_h(ym, x0, x1, kind)
    return out


def marking_v(x, y0, y1, kind):
    if kind == "dash":
        return line(x, y0, x, y1, WHITE, 4, dash="26,22", cap="butt")
    if kind == "solid":
        return line(x, y0, x, y1, WHITE, 5, cap="butt")
    if kind == "double":
        return line(x - 5, y0, x - 5, y1, WHITE, 4, cap="butt") + line(x + 5, y0, x + 5, y1, WHITE, 4, cap="butt")
    if kind == "mixed":  # solid on the left (southbound side), broken on the right
        return line(x - 5, y0, x - 5, y1, WHITE, 4, cap="butt") + line(x + 5, y0, x + 5, y1, WHITE, 4,
                                                                       dash="26,22", cap="butt")
    if kind == "yellow":
        return line(x, y0, x, y1, YELLOW, 5, cap="butt")
    return ""


def marking_h(y, x0, x1, kind):
    if kind == "dash":
        return line(x0, y, x1, y, WHITE, 4, dash="26,22", cap="butt")
    if kind == "solid":
        return line(x0, y, x1, y, WHITE, 5, cap="butt")
    if kind == "double":
        return line(x0, y - 5, x1, y - 5, WHITE, 4, cap="butt") + line(x0, y + 5, x1, y + 5, WHITE, 4, cap="butt")
    return ""


def crossing(x=240, y=180, lanes_v=2, lanes_h=2, arms="NESW", centre="dash", surface=ASPHALT):
    """A junction of a road up the picture and one across it; arms names the roads that
    leave it (N up, E right, S down, W left)."""
    wv, wh = lanes_v * LANE, lanes_h * LANE
    out = ""
    if "N" in arms:
        out += road_v(x, lanes_v, centre, 0, y - wh / 2, surface=surface)
    if "S" in arms:
        out += road_v(x, lanes_v, centre, y + wh / 2, H, surface=surface)
    if "W" in arms:
        out += road_h(y, lanes_h, centre, 0, x - wv / 2, surface=surface)
    if "E" in arms:
        out += road_h(y, lanes_h, centre, x + wv / 2, W, surface=surface)
    out += rect(x - wv / 2, y - wh / 2, wv, wh, surface)
    # The kerb of a missing arm.
    if "N" not in arms:
        out += line(x - wv / 2, y - wh / 2 + 5, x + wv / 2, y - wh / 2 + 5, WHITE, 4, cap="butt")
    if "S" not in arms:
        out += line(x - wv / 2, y + wh / 2 - 5, x + wv / 2, y + wh / 2 - 5, WHITE, 4, cap="butt")
    if "W" not in arms:
        out += line(x - wv / 2 + 5, y - wh / 2, x - wv / 2 + 5, y + wh / 2, WHITE, 4, cap="butt")
    if "E" not in arms:
        out += line(x + wv / 2 - 5, y - wh / 2, x + wv / 2 - 5, y + wh / 2, WHITE, 4, cap="butt")
    return out


def stop_line(arm, x=240, y=180, lanes_v=2, lanes_h=2, kind="solid"):
    """The stop or give-way line across the right-hand lane of an arm, at the junction."""
    wv, wh = lanes_v * LANE, lanes_h * LANE
    if arm == "S":
        x1, y1, x2, y2 = x, y + wh / 2 + 6, x + wv / 2, y + wh / 2 + 6
    elif arm == "N":
        x1, y1, x2, y2 = x - wv / 2, y - wh / 2 - 6, x, y - wh / 2 - 6
    elif arm == "E":
        x1, y1, x2, y2 = x + wv / 2 + 6, y - wh / 2, x + wv / 2 + 6, y
    else:
        x1, y1, x2, y2 = x - wv / 2 - 6, y, x - wv / 2 - 6, y + wh / 2
    if kind == "solid":
        return line(x1, y1, x2, y2, WHITE, 8, cap="butt")
    if kind == "triangles":
        return line(x1, y1, x2, y2, WHITE, 8, dash="14,10", cap="butt")
    return ""


def zebra_v(x, y, w, depth=44):
    """Pedestrian crossing stripes across a road running up the picture."""
    return "".join(rect(x - w / 2 + 6 + 20 * k, y - depth / 2, 11, depth, WHITE) for k in range(int((w - 8) / 20)))


def zebra_h(x, y, h, depth=44):
    return "".join(rect(x - depth / 2, y - h / 2 + 6 + 20 * k, depth, 11, WHITE) for k in range(int((h - 8) / 20)))


def curve_road(d, width=128, centre="dash"):
    out = path(d, None, ASPHALT, width, extra='stroke-linecap="butt"')
    out += path(d, None, WHITE, width - 10, extra='stroke-linecap="butt"')
    out += path(d, None, ASPHALT, width - 18, extra='stroke-linecap="butt"')
    if centre == "dash":
        out += path(d, None, WHITE, 4, extra='stroke-dasharray="26,22" stroke-linecap="butt"')
    elif centre == "solid":
        out += path(d, None, WHITE, 5, extra='stroke-linecap="butt"')
    return out


def roundabout(x=240, y=180, r=120):
    arms = (road_v(x, 2, "solid", 0, y - r + 20) + road_v(x, 2, "solid", y + r - 20, H) +
            road_h(y, 2, "solid", 0, x - r + 20) + road_h(y, 2, "solid", x + r - 20, W))
    ring_ = circle(x, y, r, ASPHALT) + circle(x, y, r - 5, None, WHITE, 4)
    island = circle(x, y, r - 70, GRASS, WHITE, 5)
    return arms + ring_ + island


def sidewalk_v(x0, x1, y0=0, y1=H):
    return rect(x0, y0, x1 - x0, y1 - y0, PAVEMENT) + line(x0 if x0 > 240 else x1, y0, x0 if x0 > 240 else x1, y1,
                                                           GREY, 4, cap="butt")


def building(x, y, w, h, fill="#c9a27e"):
    return rect(x, y, w, h, fill, stroke="#8a6a4e", sw=3) + rect(x + 8, y + 8, w - 16, h - 16, None, stroke="#b08a66",
                                                                 sw=2)


def tree(x, y, r=22):
    return circle(x, y, r, "#4f8f3a") + circle(x - r * 0.3, y - r * 0.3, r * 0.5, "#6aab4f")


# --- vehicles and people from above ---------------------------------------------------

def label_badge(letter, size=15):
    return circle(0, 0, size, WHITE, BLACK, 3) + text(0, size * 0.5, letter, size * 1.35, BLACK)


def car(x, y, heading=0, paint="rossa", label=None, lights=None, s=1.0):
    c = colour(paint)
    body = (rect(-17, -31, 34, 62, c, rx=10, stroke="#00000055", sw=2) +
            path("M-14,-12 L14,-12 L11,-22 Q0,-25 -11,-22 Z", "#1d2a38") +
            path("M-13,14 L13,14 L11,22 Q0,24 -11,22 Z", "#1d2a38") +
            rect(-13, -10, 26, 22, c) + line(-15, -12, -15, 12, "#1d2a38", 3) + line(15, -12, 15, 12, "#1d2a38", 3))
    if lights == "front":
        body += path("M-14,-31 L-60,-150 L60,-150 L14,-31 Z", "#fff7b0", extra='fill-opacity="0.45"')
    elif lights == "long":
        body += path("M-14,-31 L-80,-260 L80,-260 L14,-31 Z", "#fff7b0", extra='fill-opacity="0.45"')
    elif lights == "hazard":
        for dx, dy in ((-14, -29), (14, -29), (-14, 29), (14, 29)):
            body += circle(dx, dy, 7, ORANGE, WHITE, 2)
    elif lights in ("left", "right"):
        dx = -14 if lights == "left" else 14
        body += circle(dx, -29, 7, ORANGE, WHITE, 2) + circle(dx, 29, 7, ORANGE, WHITE, 2)
    elif lights == "blue":
        body += rect(-12, -4, 24, 8, "#1e64ff", stroke=WHITE, sw=2)
    out = g(body, x, y, s, rot=heading)
    if label:
        out += g(label_badge(label), x, y)
    return out


def truck(x, y, heading=0, paint="#e9e9e9", label=None, length=120, trailer=False):
    c = colour(paint)
    body = (rect(-20, -length / 2 + 26, 40, length - 26, c, rx=3, stroke="#00000066", sw=2) +
            rect(-19, -length / 2, 38, 24, "#3f6fb5", rx=5, stroke="#00000066", sw=2) +
            rect(-16, -length / 2 + 2, 32, 8, "#1d2a38", rx=2))
    if trailer:
        body += rect(-20, length / 2 + 6, 40, 80, c, rx=3, stroke="#00000066", sw=2) + line(0, length / 2,
                                                                                           0, length / 2 + 6,
                                                                                           BLACK, 4)
    out = g(body, x, y, rot=heading)
    if label:
        out += g(label_badge(label), x, y)
    return out


def bus(x, y, heading=0, paint="#f2a900", label=None, school=False):
    c = "#f7c600" if school else colour(paint)
    body = rect(-21, -66, 42, 132, c, rx=8, stroke="#00000066", sw=2) + rect(-17, -62, 34, 12, "#1d2a38", rx=3)
    body += "".join(rect(-21, -40 + 20 * k, 4, 14, "#1d2a38") + rect(17, -40 + 20 * k, 4, 14, "#1d2a38")
                    for k in range(5))
    out = g(body, x, y, rot=heading)
    if label:
        out += g(label_badge(label), x, y)
    return out


def tram(x, y, heading=0, label=None, length=170):
    body = rect(-22, -length / 2, 44, length, "#e6e6e6", rx=12, stroke="#555", sw=3)
    body += rect(-18, -length / 2 + 4, 36, 12, "#1d2a38", rx=3) + rect(-18, length / 2 - 16, 36, 12, "#1d2a38", rx=3)
    body += rect(-8, -20, 16, 40, "#888") + line(-16, 0, 16, 0, "#555", 4)
    body += rect(-22, -length / 2 + 30, 44, 10, RED) + rect(-22, length / 2 - 40, 44, 10, RED)
    out = g(body, x, y, rot=heading)
    if label:
        out += g(label_badge(label), x, y)
    return out


def rails(x1, y1, x2, y2):
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * 12, dx / length * 12
    return (line(x1 + nx, y1 + ny, x2 + nx, y2 + ny, "#3b3b3b", 4, cap="butt") +
            line(x1 - nx, y1 - ny, x2 - nx, y2 - ny, "#3b3b3b", 4, cap="butt"))


def moto(x, y, heading=0, paint="nera", label=None, rider=True, passenger=False):
    c = colour(paint)
    body = (rect(-4, -22, 8, 44, BLACK, rx=4) + rect(-7, -10, 14, 22, c, rx=5) + line(-12, -14, 12, -14, BLACK, 4))
    if rider:
        body += ellipse(0, 2, 11, 8, "#555") + circle(0, 0, 7, "#e0e0e0", BLACK, 2)
    if passenger:
        body += ellipse(0, 14, 10, 7, "#777") + circle(0, 14, 6, "#f0d0a0", BLACK, 2)
    out = g(body, x, y, 1.35, rot=heading)
    if label:
        out += g(label_badge(label, 13), x + 24, y)
    return out


def bike(x, y, heading=0, label=None):
    body = (rect(-2, -18, 4, 36, BLACK, rx=2) + line(-9, -12, 9, -12, BLACK, 3) + ellipse(0, 0, 9, 6, "#2f62c4") +
            circle(0, -1, 5, "#f0d0a0", BLACK, 1.5))
    out = g(body, x, y, 1.5, rot=heading)
    if label:
        out += g(label_badge(label, 13), x + 22, y)
    return out


def walker(x, y, heading=0, paint="#7a4ea3", cane=False):
    body = ellipse(0, 0, 11, 6, colour(paint)) + circle(0, 0, 5.5, "#f0d0a0", BLACK, 1.5)
    if cane:
        body += line(6, -2, 20, -16, WHITE, 2.5)
    return g(body, x, y, 1.6, rot=heading)


def move(points, paint="#ffffff", width=5, head=True, dash=None):
    """A movement arrow along the points."""
    pts = points
    d = f"M{pts[0][0]},{pts[0][1]}"
    if len(pts) == 3:
        d += f" Q{pts[1][0]},{pts[1][1]} {pts[2][0]},{pts[2][1]}"
    else:
        d += "".join(f" L{x},{y}" for x, y in pts[1:])
    extra = 'stroke-opacity="0.9"' + (f' stroke-dasharray="{dash}"' if dash else "")
    out = path(d, None, paint, width, extra=extra)
    if head:
        (ax, ay), (bx, by) = pts[-2], pts[-1]
        ang = math.degrees(math.atan2(by - ay, bx - ax)) + 90
        out += g(poly([(-9, 6), (0, -12), (9, 6)], paint), bx, by, rot=ang)
    return out


def move_along(d, tail, tip, paint="#ffffff", width=5):
    """A movement arrow along an SVG path d whose last stretch runs from tail to tip."""
    ang = math.degrees(math.atan2(tip[1] - tail[1], tip[0] - tail[0])) + 90
    return (path(d, None, paint, width, extra='stroke-opacity="0.9"') +
            g(poly([(-9, 6), (0, -12), (9, 6)], paint), tip[0], tip[1], rot=ang))


# --- small road signs on posts ------------------------------------------------------------

def sign_body(svg_doc):
    return re.sub(r"^<svg[^>]*>|</svg>\s*$", "", svg_doc.strip())


def post_sign(svg_doc, x, y, size=46, doc_size=400):
    s = size / doc_size
    return line(x, y, x, y + size * 0.7, "#555", 3) + g(sign_body(svg_doc), x - size / 2, y - size / 2, s)


def triangle_warning(x, y, s=1.0):
    return g(poly([(0, -14), (13, 9), (-13, 9)], None, RED, 4), x, y, s)


def caption(x, y, s, size=18, paint=BLACK, anchor="middle"):
    return text(x, y, s, size, paint, anchor=anchor)


def rain():
    return "".join(line(x, y, x - 8, y + 18, "#2e5fa8", 2) for x in range(10, W, 38) for y in range(8 + (x % 3) * 10,
                                                                                                    H, 46))


def fog(opacity=0.55):
    return rect(0, 0, W, H, "#f2f2f2", extra=f'fill-opacity="{opacity}"')


def night():
    return rect(0, 0, W, H, "#0b1a33", extra='fill-opacity="0.55"')
