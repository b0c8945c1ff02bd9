"""Pictograms of the road signs, drawn in a square from -100 to 100 around the origin.

Each takes the ink colour c and the sign's background colour bg (for the holes:
windows, spokes, gaps) and returns SVG elements."""

from svg import (BLACK, GREEN, ORANGE, RED, WHITE, YELLOW, circle, ellipse, g, line, path, poly, polyline, rect,
                 text)


# --- vehicles and people -------------------------------------------------------------

def car_side(c, bg, x=0, y=0, s=1, flip=False, wheel=None):
    body = path("M-92,18 L-92,-2 Q-90,-14 -66,-17 L-40,-42 Q-35,-47 -26,-47 L30,-47 Q40,-47 46,-40 "
                "L66,-17 Q90,-14 93,-2 L93,18 Z", c)
    windows = (path("M-32,-18 L-17,-38 L-3,-38 L-3,-18 Z", bg) +
               path("M5,-18 L5,-38 L28,-38 Q34,-38 38,-32 L48,-18 Z", bg))
    wheels = circle(-55, 20, 19, wheel or c, bg, 5) + circle(57, 20, 19, wheel or c, bg, 5)
    return g(body + windows + wheels, x, y, s, flip=flip)


def car_front(c, bg, x=0, y=0, s=1):
    body = path("M-60,30 L-60,-5 L-45,-50 Q-42,-58 -32,-58 L32,-58 Q42,-58 45,-50 L60,-5 L60,30 Z", c)
    glass = path("M-40,-10 L-30,-48 L30,-48 L40,-10 Z", bg)
    lamps = circle(-40, 8, 8, bg) + circle(40, 8, 8, bg)
    wheels = rect(-58, 28, 22, 22, c, rx=4) + rect(36, 28, 22, 22, c, rx=4)
    return g(body + glass + lamps + wheels, x, y, s)


def truck_side(c, bg, x=0, y=0, s=1, flip=False, plate=None, wheel=None):
    box = rect(-95, -55, 120, 70, c, rx=3)
    cab = path("M32,15 L32,-40 L62,-40 Q70,-40 74,-30 L92,-6 L92,15 Z", c)
    glass = path("M40,-8 L40,-32 L62,-32 L76,-8 Z", bg)
    w = wheel or c
    wheels = circle(-70, 20, 16, w, bg, 5) + circle(-38, 20, 16, w, bg, 5) + circle(64, 20, 16, w, bg, 5)
    extra = ""
    if plate == "orange":
        extra = rect(-40, -30, 40, 26, ORANGE, stroke=BLACK, sw=3) + line(-40, -17, 0, -17, BLACK, 3)
    elif plate == "explosive":
        extra = poly([(-35, -20), (-20, -45), (-5, -20)], ORANGE) + poly([(-35, -20), (-20, 5), (-5, -20)], ORANGE)
    elif plate == "water":
        extra = path("M-20,-45 Q-5,-20 -5,-13 A15,15 0 0 1 -35,-13 Q-35,-20 -20,-45 Z", bg)
    return g(box + cab + glass + wheels + extra, x, y, s, flip=flip)


def bus_side(c, bg, x=0, y=0, s=1, wheel=None):
    body = rect(-96, -55, 192, 78, c, rx=10)
    wins = "".join(rect(-84 + i * 34, -44, 26, 26, bg, rx=3) for i in range(5))
    wheels = circle(-58, 24, 16, wheel or c, bg, 5) + circle(60, 24, 16, wheel or c, bg, 5)
    return g(body + wins + wheels, x, y, s)


def moto_side(c, bg, x=0, y=0, s=1, flip=False, rider=False):
    wheels = circle(-55, 25, 24, None, c, 10) + circle(58, 25, 24, None, c, 10)
    frame = path("M-55,25 L-20,-8 L30,-8 L58,25", None, c, 10)
    tank = path("M-32,-6 Q-30,-26 -5,-26 L25,-24 Q38,-20 34,-6 Z", c)
    fork = line(58, 25, 38, -30, c, 9) + line(30, -36, 48, -36, c, 8)
    seat = rect(-45, -18, 32, 10, c, rx=5)
    body = wheels + frame + tank + fork + seat
    if rider:
        body += (circle(-12, -80, 14, c) + path("M-24,-64 L4,-64 L28,-38 L18,-30 L0,-46 L-4,-14 L-28,-14 Z", c))
    return g(body, x, y, s, flip=flip)


def bicycle(c, bg, x=0, y=0, s=1, flip=False):
    body = (circle(-52, 22, 30, None, c, 9) + circle(52, 22, 30, None, c, 9) +
            polyline([(-52, 22), (-16, -30), (34, -30), (0, 22), (-52, 22)], c, 8) +
            polyline([(0, 22), (-16, -30)], c, 8) + polyline([(52, 22), (30, -46), (44, -48)], c, 8) +
            line(-26, -44, -6, -44, c, 9) + line(-16, -44, -16, -30, c, 7))
    return g(body, x, y, s, flip=flip)


def person(c, x=0, y=0, s=1, flip=False):
    """A pedestrian walking to the right."""
    body = (circle(4, -78, 15, c) +
            path("M-12,-58 L18,-58 Q26,-57 28,-48 L36,-10 L26,-8 L16,-40 L14,-6 L30,42 L32,82 L16,84 L14,48 "
                 "L-2,16 L-16,50 L-36,80 L-50,72 L-32,42 L-18,-8 L-20,-36 L-34,-8 L-44,-12 L-30,-52 Z", c))
    return g(body, x, y, s, flip=flip)


def child(c, x=0, y=0, s=1, flip=False):
    body = (circle(0, -52, 16, c) +
            path("M-16,-32 L16,-32 L30,2 L20,6 L12,-14 L14,24 L26,62 L12,66 L0,32 L-12,66 L-26,62 L-14,24 "
                 "L-12,-14 L-20,6 L-30,2 Z", c))
    return g(body, x, y, s, flip=flip)


def cow(c, bg, x=0, y=0, s=1):
    body = (path("M-80,-30 Q-80,-50 -55,-50 L40,-50 Q60,-50 62,-30 L62,10 L-80,10 Z", c) +
            path("M55,-48 L78,-60 Q92,-60 95,-48 L98,-22 Q96,-12 84,-14 L62,-24 Z", c) +
            line(76, -58, 70, -76, c, 7) + line(88, -58, 96, -74, c, 7) +
            "".join(rect(px, 5, 14, 50, c, rx=3) for px in (-76, -54, 30, 48)) +
            path("M-80,-30 Q-100,-10 -96,30", None, c, 6) +
            ellipse(-10, -20, 18, 12, bg))
    return g(body, x, y, s)


def deer(c, x=0, y=0, s=1):
    body = (path("M-70,0 Q-60,-40 -10,-38 L30,-36 L52,-70 L66,-66 L56,-30 Q60,-4 40,4 L-40,6 Z", c) +
            path("M52,-70 Q40,-96 48,-110 M56,-84 Q66,-100 62,-112 M60,-70 Q80,-86 92,-84 M72,-78 Q78,-96 92,-102",
                 None, c, 6) +
            poly([(58, -74), (84, -62), (70, -54)], c) +
            path("M-60,0 L-96,30 L-88,40 L-48,10 Z", c) + path("M-40,2 L-60,60 L-48,62 L-26,6 Z", c) +
            path("M20,2 L60,40 L70,32 L36,-2 Z", c) + path("M34,0 L44,62 L56,60 L50,-2 Z", c))
    return g(body, x, y, s)


def horse_cart(c, bg, x=0, y=0, s=1):
    horse = (path("M10,-30 Q20,-44 50,-40 L66,-66 Q74,-78 86,-72 L96,-58 L88,-52 L78,-60 L70,-36 Q74,-10 60,-6 "
                  "L20,-6 Q8,-10 10,-30 Z", c) +
             "".join(rect(px, -10, 9, 46, c, rx=3) for px in (16, 30, 50, 62)))
    cart = (rect(-96, -44, 80, 34, c, rx=4) + line(-16, -22, 18, -20, c, 6) + circle(-56, 8, 26, None, c, 8) +
            line(-56, -18, -56, 34, c, 4) + line(-82, 8, -30, 8, c, 4))
    return g(horse + cart, x, y, s)


def hand_cart(c, bg, x=0, y=0, s=1):
    body = (rect(-70, -36, 110, 40, c, rx=4) + circle(-30, 22, 24, None, c, 8) + circle(-30, 22, 5, c) +
            line(40, -22, 92, -56, c, 8) + line(40, 0, 92, -40, c, 8))
    return g(body, x, y, s)


def tractor(c, bg, x=0, y=0, s=1):
    body = (rect(-10, -40, 80, 40, c, rx=4) + path("M-60,-10 L-60,-76 L-6,-76 L-6,0 Z", c) +
            rect(-52, -68, 38, 26, bg) + circle(-40, 16, 38, c, bg, 6) + circle(-40, 16, 12, bg) +
            circle(60, 26, 24, c, bg, 5) + rect(40, -64, 8, 26, c))
    return g(body, x, y, s)


def tram_front(c, bg, x=0, y=0, s=1):
    body = (rect(-52, -56, 104, 130, c, rx=14) + rect(-40, -42, 80, 50, bg, rx=6) +
            circle(-30, 40, 9, bg) + circle(30, 40, 9, bg) +
            polyline([(-26, -56), (0, -86), (26, -56)], c, 6) + line(-30, -88, 30, -88, c, 7) +
            rect(-62, 74, 124, 10, c))
    return g(body, x, y, s)


def locomotive(c, bg, x=0, y=0, s=1):
    body = (rect(-40, -50, 110, 62, c, rx=4) + rect(50, -78, 44, 90, c, rx=3) + rect(58, -70, 28, 26, bg) +
            rect(-24, -82, 22, 34, c) + path("M-34,-82 L8,-82 L4,-92 L-30,-92 Z", c) +
            path("M-40,12 L-92,12 L-66,-16 L-40,-16 Z", c) +
            circle(-14, 28, 20, c, bg, 5) + circle(30, 28, 20, c, bg, 5) + circle(72, 30, 16, c, bg, 5))
    return g(body, x, y, s)


def plane(c, x=0, y=0, s=1):
    body = path("M-90,8 L-70,-4 L-10,-6 L20,-60 L40,-60 L28,-6 L76,-8 L92,-34 L100,-34 L94,-2 "
                "Q100,8 90,12 L30,14 L44,60 L24,60 L-6,14 L-80,16 Z", c)
    return g(body, x, y, s)


# --- sign pictograms --------------------------------------------------------------------

def road_bumps(c, bg, kind):
    if kind == "deformata":
        top = "M-90,40 Q-65,-30 -40,40 Q-15,-30 10,40 Q35,-30 60,40 Q75,10 90,40"
    elif kind == "dosso":
        top = "M-95,40 Q0,-70 95,40"
    else:
        top = "M-95,-10 Q0,110 95,-10 L95,20"
    if kind == "cunetta":
        return path("M-95,-10 Q0,90 95,-10 L95,60 L-95,60 Z", c)
    return path(top + " L90,60 L-90,60 Z", c)


def curve(c, right=True, double=False):
    if double:
        d = "M-16,92 L-16,50 Q-16,20 20,0 Q56,-20 40,-50 Q28,-72 4,-92"
    else:
        d = "M-24,92 L-24,10 Q-24,-60 56,-74"
    return g(path(d, None, c, 28, extra='stroke-linecap="butt"'), flip=not right)


def gate(c, bg):
    bars = "".join(rect(-80 + i * 32, -40, 12, 100, c) for i in range(6))
    return (bars + rect(-90, -40, 180, 16, c) + rect(-90, 20, 180, 16, c) +
            line(-90, -24, 90, 20, c, 10))


def zebra_person(c, bg):
    stripes = poly([(-95, 80), (95, 80), (60, 40), (-60, 40)], c)
    cuts = "".join(poly([(-70 + i * 34, 80), (-56 + i * 34, 80), (-42 + i * 24, 40), (-52 + i * 24, 40)], bg)
                   for i in range(5))
    return stripes + cuts + person(c, 0, -20, 0.75)


def slope(c, bg, down=True, label="10%"):
    # Driving to the right: a descent falls from the left, a climb rises to the right.
    tri = poly([(-90, 60), (90, 60), (-90, -60)], c) if down else poly([(-90, 60), (90, 60), (90, -60)], c)
    t = text(-34 if down else 34, 45, label, 46, bg)
    return tri + t


def narrowing(c, side):
    if side == "both":
        return (path("M-60,90 L-60,10 L-28,-40 L-28,-90", None, c, 18) +
                path("M60,90 L60,10 L28,-40 L28,-90", None, c, 18))
    left = path("M-50,90 L-50,10 L-10,-40 L-10,-90", None, c, 18)
    right = path("M50,90 L50,-90", None, c, 18)
    body = left + right
    return g(body, flip=(side == "dx"))


def bridge(c, bg):
    return (rect(-95, 20, 60, 14, c) + rect(35, 20, 60, 14, c) +
            g(rect(-20, -4, 80, 14, c), -35, 20, rot=-35) + g(rect(-60, -4, 80, 14, c), 35, 20, rot=35) +
            path("M-95,60 Q-70,48 -48,60 Q-24,72 0,60 Q24,48 48,60 Q72,72 95,60", None, c, 6) +
            rect(-44, 30, 10, 30, c) + rect(34, 30, 10, 30, c))


def soft_verge(c, bg):
    ground = poly([(-95, 80), (-95, 40), (30, 40), (80, 84), (95, 84), (95, 96), (-95, 96)], c)
    return ground + g(car_side(c, bg), -10, 4, 0.62, rot=12)


def slippery(c, bg):
    tracks = path("M-40,90 Q-80,60 -40,30 Q0,0 -40,-20", None, c, 8) + path("M10,90 Q-30,60 10,30 Q50,0 10,-20",
                                                                              None, c, 8)
    return tracks + car_side(c, bg, 0, -50, 0.55, flip=False)


def two_children(c):
    return child(c, -32, 8, 1.1) + child(c, 34, 24, 0.85)


def two_arrows(c):
    up = path("M-40,90 L-40,-40", None, c, 20) + poly([(-70, -30), (-40, -90), (-10, -30)], c)
    down = path("M40,-90 L40,40", None, c, 20) + poly([(10, 30), (40, 90), (70, 30)], c)
    return up + down


def roundabout_arrows(c, r=55, w=18):
    out = ""
    for k in range(3):
        arc = path(f"M{r},0 A{r},{r} 0 0 1 {r * -0.5:.1f},{r * 0.866:.1f}", None, c, w)
        head = poly([(-r * 0.5 - 26, r * 0.866 - 12), (-r * 0.5 + 12, r * 0.866 + 24),
                     (-r * 0.5 + 16, r * 0.866 - 22)], c)
        out += g(arc + head, rot=120 * k)
    return out


def quay(c, bg):
    waves = "".join(path(f"M-95,{y} Q-72,{y - 12} -48,{y} Q-24,{y + 12} 0,{y} Q24,{y - 12} 48,{y} Q72,{y + 12} 95,{y}",
                         None, c, 7) for y in (50, 76))
    return rect(-95, 0, 100, 18, c) + g(car_side(c, bg, 0, 0, 0.5), 32, 0, rot=35) + waves


def loose_stones(c, bg):
    stones = "".join(circle(x, y, r, c) for x, y, r in ((40, 30, 9), (60, 6, 7), (78, -14, 6), (52, 52, 8),
                                                       (84, 34, 7)))
    return car_side(c, bg, -20, 30, 0.6) + stones


def falling_rocks(c, bg, right=True):
    wall = poly([(100, 90), (100, -95), (40, -95), (60, -40), (30, 20), (50, 90)], c)
    rocks = "".join(circle(x, y, r, c) for x, y, r in ((0, -40, 14), (-30, 10, 12), (-10, 50, 16), (-60, 60, 10)))
    return g(wall + rocks, flip=not right)


def traffic_light_danger(c):
    return (rect(-32, -90, 64, 180, c, rx=12) + circle(0, -52, 22, RED) + circle(0, 0, 22, YELLOW) +
            circle(0, 52, 22, GREEN))


def windsock(c, bg):
    return (line(-70, 90, -70, -80, c, 10) + poly([(-66, -80), (90, -50), (90, -10), (-66, -30)], c) +
            poly([(0, -66), (30, -60), (30, -20), (0, -26)], bg) + poly([(56, -54), (74, -51), (74, -14), (56, -18)],
                                                                     bg))


def flame(c):
    return (path("M0,90 Q-70,80 -60,10 Q-50,-30 -20,-60 Q-22,-20 0,-10 Q-6,-60 30,-96 Q24,-40 60,-10 "
                 "Q80,30 60,70 Q40,92 0,90 Z", c) + rect(-70, 80, 140, 12, c))


def exclamation(c):
    return path("M-14,-90 L14,-90 L8,36 L-8,36 Z", c) + circle(0, 70, 16, c)


def x_cross(c):
    return g(rect(-14, -100, 28, 200, c), rot=45) + g(rect(-14, -100, 28, 200, c), rot=-45)


def priority_cross(c, kind):
    main = rect(-20, -100, 40, 200, c)
    if kind == "incrocio":
        return main + rect(-90, -9, 180, 18, c)
    if kind == "laterale_dx":
        return main + rect(0, -9, 90, 18, c)
    if kind == "laterale_sx":
        return main + rect(-90, -9, 90, 18, c)
    side = g(rect(-9, -10, 18, 100, c), 0, 30, rot=-45 if kind == "confluenza_dx" else 45)
    return main + side


def worker(c):
    man = (circle(-20, -70, 14, c) + path("M-34,-52 L0,-52 L30,-10 L20,-2 L0,-30 L0,10 L14,60 L0,64 L-14,20 "
                                          "L-26,64 L-40,60 L-32,10 Z", c) +
           line(-6, -30, 56, 40, c, 7) + poly([(46, 36), (76, 40), (60, 58)], c))
    heap = path("M30,70 Q60,20 95,70 Z", c)
    return man + heap


def tunnel(c, bg):
    return path("M-95,80 L-95,-20 Q-95,-90 0,-90 Q95,-90 95,-20 L95,80 L55,80 L55,-20 Q55,-50 0,-50 "
                "Q-55,-50 -55,-20 L-55,80 Z", c)


def horn(c):
    return (path("M-80,-20 L-40,-20 L40,-70 L40,70 L-40,20 L-80,20 Z", c) +
            path("M56,-36 Q76,0 56,36 M72,-56 Q100,0 72,56", None, c, 8))


def two_cars_distance(c, bg, label="70 m"):
    return (car_side(c, bg, -55, -30, 0.42) + car_side(c, bg, 55, -30, 0.42) +
            line(-60, 40, 60, 40, c, 5) + poly([(-72, 40), (-54, 30), (-54, 50)], c) +
            poly([(72, 40), (54, 30), (54, 50)], c) + text(0, 84, label, 38, c))


def measure(c, kind, label):
    if kind == "massa":
        return text(0, 24, label, 64, c)
    if kind == "altezza":
        return (poly([(-30, -92), (30, -92), (0, -62)], c) + poly([(-30, 92), (30, 92), (0, 62)], c) +
                text(0, 20, label, 52, c))
    if kind == "larghezza":
        return (poly([(-94, -30), (-94, 30), (-64, 0)], c) + poly([(94, -30), (94, 30), (64, 0)], c) +
                text(0, 20, label, 50, c))
    if kind == "lunghezza":
        return (truck_side(c, WHITE, 0, -20, 0.7) + line(-80, 50, 80, 50, c, 5) +
                poly([(-92, 50), (-72, 40), (-72, 60)], c) + poly([(92, 50), (72, 40), (72, 60)], c) +
                text(0, 94, label, 34, c))
    # axle load
    return (rect(-70, -46, 140, 16, c) + rect(-74, -60, 22, 44, c, rx=5) + rect(52, -60, 22, 44, c, rx=5) +
            text(0, 60, label, 58, c))


def trailer(c, bg):
    return car_side(c, bg, -40, 0, 0.5) + rect(22, -30, 66, 34, c, rx=3) + line(6, 2, 22, 2, c, 5) + \
        circle(56, 10, 12, c, bg, 4)


def customs(c):
    return text(0, 18, "DOGANA", 46, c)


# --- obligation and direction arrows -------------------------------------------------

def arrow(c, kind):
    shaft = 26
    head = lambda x, y, rot: g(poly([(-40, 0), (0, -50), (40, 0)], c), x, y, rot=rot)
    if kind == "diritto":
        return rect(-shaft / 2, -40, shaft, 130, c) + head(0, -40, 0)
    if kind in ("destra", "sinistra"):
        body = rect(-70, -shaft / 2, 110, shaft, c) + head(40, 0, 90)
        return g(body, flip=(kind == "sinistra"))
    if kind in ("preavviso_dx", "preavviso_sx"):
        body = path("M-10,90 L-10,-10 Q-10,-40 20,-40 L40,-40", None, c, shaft) + head(40, -40, 90)
        return g(body, flip=(kind == "preavviso_sx"))
    if kind in ("diritto_destra", "diritto_sinistra"):
        body = (rect(-30 - shaft / 2, -46, shaft, 136, c) + head(-30, -46, 0) +
                path("M-30,70 L-30,20 Q-30,-6 0,-6 L40,-6", None, c, shaft) + head(40, -6, 90))
        return g(body, flip=(kind == "diritto_sinistra"))
    if kind == "destra_sinistra":
        return (rect(-shaft / 2, 0, shaft, 90, c) + path("M-40,-6 L40,-6", None, c, shaft) +
                head(-50, -6, -90) + head(50, -6, 90))
    if kind in ("passaggio_dx", "passaggio_sx"):
        body = g(rect(-shaft / 2, -50, shaft, 130, c) + head(0, -50, 0), 0, 0, rot=135)
        return g(body, flip=(kind == "passaggio_sx"))
    if kind == "passaggi":
        one = g(rect(-shaft / 2, -10, shaft, 80, c) + g(poly([(-40, 0), (0, 50), (40, 0)], c), 0, 70), rot=45)
        return g(one, 0, -40, 0.9) + g(g(one, flip=True), 0, -40, 0.9)
    raise ValueError(kind)


def chains(c, bg):
    tyre = rect(-60, -80, 120, 160, c, rx=40) + rect(-40, -60, 80, 120, bg, rx=28)
    links = "".join(rect(-56, y, 112, 10, c) for y in (-40, -10, 20, 50))
    return tyre + links + line(-40, -60, 40, 60, c, 8) + line(40, -60, -40, 60, c, 8)


def rider(c):
    horse = (path("M-60,0 Q-60,-30 -20,-30 L40,-30 L60,-60 Q70,-74 84,-68 L94,-50 L80,-44 L70,-50 L62,-20 "
                  "Q64,10 40,10 L-40,10 Z", c) +
             "".join(rect(px, 6, 10, 60, c, rx=3) for px in (-54, -36, 30, 46)) +
             path("M-60,-6 Q-84,10 -80,40", None, c, 6))
    man = circle(4, -86, 13, c) + path("M-10,-72 L16,-72 L20,-40 L14,-20 L-10,-20 L-14,-40 Z", c)
    return g(horse + man, 0, 14)
