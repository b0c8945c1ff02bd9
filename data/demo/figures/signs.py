"""Road signs: the frames (danger triangle, prohibition ring, obligation disc...) and the
signs that are shapes of their own (STOP, give way, priority road, panels...)."""

import math

import pictos as p
from svg import (BLACK, BLUE, GREY, ORANGE, RED, WHITE, YELLOW, circle, doc, g, line, path, poly, polyline, rect,
                 striped_box, text)

SIZE = 400


def danger_pictogram(name, c, bg):
    table = {
        "deformata": lambda: p.road_bumps(c, bg, "deformata"),
        "dosso": lambda: p.road_bumps(c, bg, "dosso"),
        "cunetta": lambda: p.road_bumps(c, bg, "cunetta"),
        "curva_dx": lambda: p.curve(c, True),
        "curva_sx": lambda: p.curve(c, False),
        "doppia_dx": lambda: p.curve(c, True, double=True),
        "doppia_sx": lambda: p.curve(c, False, double=True),
        "pl_barriere": lambda: p.gate(c, bg),
        "pl_senza": lambda: p.locomotive(c, bg, 0, 10, 0.95),
        "tram": lambda: p.tram_front(c, bg, 0, 0, 1.0),
        "pedone": lambda: p.zebra_person(c, bg),
        "bici": lambda: p.bicycle(c, bg, 0, 10, 1.0),
        "discesa": lambda: p.slope(c, bg, True, "10%"),
        "salita": lambda: p.slope(c, bg, False, "12%"),
        "strettoia": lambda: p.narrowing(c, "both"),
        "strettoia_sx": lambda: p.narrowing(c, "sx"),
        "strettoia_dx": lambda: p.narrowing(c, "dx"),
        "ponte_mobile": lambda: p.bridge(c, bg),
        "banchina": lambda: p.soft_verge(c, bg),
        "sdrucciolevole": lambda: p.slippery(c, bg),
        "bambini": lambda: p.two_children(c),
        "mucca": lambda: p.cow(c, bg, 0, 10, 0.95),
        "cervo": lambda: p.deer(c, 0, 20, 0.95),
        "doppio_senso": lambda: p.two_arrows(c),
        "rotatoria": lambda: p.roundabout_arrows(c, 66, 24),
        "molo": lambda: p.quay(c, bg),
        "materiale": lambda: p.loose_stones(c, bg),
        "massi_dx": lambda: p.falling_rocks(c, bg, True),
        "massi_sx": lambda: p.falling_rocks(c, bg, False),
        "semaforo": lambda: p.traffic_light_danger(c),
        "aereo": lambda: p.plane(c, 0, 0, 1.0),
        "vento": lambda: p.windsock(c, bg),
        "incendio": lambda: p.flame(c),
        "altri": lambda: p.exclamation(c),
        "incrocio": lambda: p.x_cross(c),
        "lavori": lambda: p.worker(c),
        "galleria": lambda: p.tunnel(c, bg),
        "prec_incrocio": lambda: p.priority_cross(c, "incrocio"),
        "prec_laterale_dx": lambda: p.priority_cross(c, "laterale_dx"),
        "prec_laterale_sx": lambda: p.priority_cross(c, "laterale_sx"),
        "confluenza_dx": lambda: p.priority_cross(c, "confluenza_dx"),
        "confluenza_sx": lambda: p.priority_cross(c, "confluenza_sx"),
        "mezzi_lavoro": lambda: p.tractor(c, bg, 0, 10, 0.9),
        "coda": lambda: p.car_front(c, bg, -30, 20, 0.55) + p.car_front(c, bg, 0, -14, 0.7),
    }
    return table[name]()


def triangle(inner, border=RED, fill=WHITE, pointing_up=True):
    outer = [(200, 18), (388, 344), (12, 344)]
    inside = [(200, 86), (329, 310), (71, 310)]
    if not pointing_up:
        outer = [(x, 362 - y) for x, y in outer]
        inside = [(x, 362 - y) for x, y in inside]
    return poly(outer, border, border, 22) + poly(inside, fill) + inner


def danger(name, temporary=False):
    bg = YELLOW if temporary else WHITE
    pict = g(danger_pictogram(name, BLACK, bg), 200, 236, 0.74)
    return doc(SIZE, SIZE, triangle(pict, fill=bg))


def ring(inner, fill=WHITE):
    return circle(200, 200, 186, RED) + circle(200, 200, 140, fill) + inner


def prohibition_pictogram(name, arg, c, bg):
    if name == "num":
        size = 150 if len(arg) < 3 else 118
        return text(0, size * 0.36, arg, size, c, extra='letter-spacing="-4"')
    table = {
        "vuoto": lambda: "",
        "sorpasso": lambda: p.car_front(RED, bg, -44, 0, 0.62) + p.car_front(c, bg, 44, 0, 0.62),
        "sorpasso_camion": lambda: (g(p.truck_side(RED, bg), -44, 0, 0.45, rot=0) +
                                    p.car_front(c, bg, 48, 4, 0.55)),
        "tromba": lambda: p.horn(c) + line(-80, 80, 80, -80, RED, 22),
        "distanza": lambda: p.two_cars_distance(c, bg),
        "pedone": lambda: p.person(c, 0, 0, 0.95),
        "bici": lambda: p.bicycle(c, bg, 0, 8, 0.9),
        "moto": lambda: p.moto_side(c, bg, 0, 12, 0.9, rider=True),
        "carretto": lambda: p.hand_cart(c, bg, -4, 10, 0.9),
        "carro": lambda: p.horse_cart(c, bg, 0, 14, 0.92),
        "auto": lambda: p.car_side(c, bg, 0, 10, 0.9),
        "bus": lambda: p.bus_side(c, bg, 0, 10, 0.9),
        "camion": lambda: p.truck_side(c, bg, 0, 10, 0.9),
        "rimorchio": lambda: p.trailer(c, bg),
        "merci_pericolose": lambda: p.truck_side(c, bg, 0, 10, 0.9, plate="orange"),
        "esplosivi": lambda: p.truck_side(c, bg, 0, 10, 0.9, plate="explosive"),
        "acqua": lambda: p.truck_side(c, bg, 0, 10, 0.9, plate="water"),
        "auto_moto": lambda: p.car_side(c, bg, 0, -34, 0.62) + p.moto_side(c, bg, 0, 44, 0.5, rider=True),
        "trattore": lambda: p.tractor(c, bg, 0, 10, 0.9),
        "dogana": lambda: p.customs(c),
        "massa": lambda: p.measure(c, "massa", arg),
        "altezza": lambda: p.measure(c, "altezza", arg),
        "larghezza": lambda: p.measure(c, "larghezza", arg),
        "lunghezza": lambda: p.measure(c, "lunghezza", arg),
        "asse": lambda: p.measure(c, "asse", arg),
    }
    return table[name]()


# Pictograms that fill the ring at their own size; the others are drawn larger.
FULL_SIZE = {"num", "vuoto", "tromba", "distanza", "dogana", "massa", "altezza", "larghezza", "lunghezza", "asse",
             "pedone", "auto_moto"}


def prohibition(name, arg):
    scale = 1.0 if name in FULL_SIZE else 1.28
    return doc(SIZE, SIZE, ring(g(prohibition_pictogram(name, arg, BLACK, WHITE), 200, 200, scale)))


def end_of(name, arg):
    """White disc, grey pictogram, black diagonal bars: the end of a prohibition or obligation."""
    if name == "via_libera":
        inner = ""
    elif name == "minimo":
        inner = g(text(0, 52, arg, 150, GREY) + line(-70, 74, 70, 74, GREY, 10), 200, 200)
    elif name in ("bici", "pedone"):
        inner = g(p.bicycle(GREY, WHITE, 0, 8, 1.15) if name == "bici" else p.person(GREY, 0, 0, 1.1), 200, 200)
    elif name == "sorpasso":
        inner = g(p.car_front(GREY, WHITE, -44, 0, 0.62) + p.car_front(GREY, WHITE, 44, 0, 0.62), 200, 200, 1.28)
    else:
        inner = g(text(0, 54, arg, 150, GREY), 200, 200)
    bars = "".join(line(200 + o - 120, 200 + o + 120, 200 + o + 120, 200 + o - 120, BLACK, 7)
                   for o in (-24, -12, 0, 12, 24))
    if name == "via_libera":
        bars = line(80, 320, 320, 80, BLACK, 40)
    body = circle(200, 200, 186, WHITE, BLACK, 4) + inner + bars
    return doc(SIZE, SIZE, body)


def obligation(name, arg):
    c, bg = WHITE, BLUE
    if name in ("diritto", "destra", "sinistra", "preavviso_dx", "preavviso_sx", "diritto_destra",
                "diritto_sinistra", "destra_sinistra", "passaggio_dx", "passaggio_sx", "passaggi"):
        inner = p.arrow(c, name)
    elif name == "rotatoria":
        inner = p.roundabout_arrows(c, 62, 22)
    elif name == "minimo":
        inner = text(0, 52, arg, 150, c)
    elif name == "pedone":
        inner = p.person(c, 0, 0, 1.15)
    elif name == "bici":
        inner = p.bicycle(c, bg, 0, 8, 1.2)
    elif name == "pedone_bici":
        inner = p.person(c, 0, -44, 0.5) + line(-100, 0, 100, 0, c, 6) + p.bicycle(c, bg, 0, 54, 0.55)
    elif name == "pedone_bici_affiancati":
        inner = p.bicycle(c, bg, -46, 10, 0.45) + line(0, -100, 0, 100, c, 6) + p.person(c, 48, 0, 0.55)
    elif name == "catene":
        inner = p.chains(c, bg)
    elif name == "cavallo":
        inner = p.rider(c)
    else:
        raise ValueError(name)
    return doc(SIZE, SIZE, circle(200, 200, 186, BLUE, WHITE, 4) + g(inner, 200, 200, 1.0))


def special(name):
    """Signs with a shape of their own."""
    if name == "dare_precedenza":
        return doc(SIZE, SIZE, triangle("", pointing_up=False))
    if name == "stop":
        return doc(SIZE, SIZE, stop_octagon())
    if name in ("preavviso_precedenza", "preavviso_stop", "preavviso_stop_200"):
        dist = "200 m" if name.endswith("200") else "150 m"
        if name == "preavviso_precedenza":
            sign = g(triangle("", pointing_up=False), 60, 0, 0.7)
        else:
            sign = g(stop_octagon(), 60, 0, 0.7)
        panel = rect(80, 300, 240, 86, WHITE, rx=8, stroke=BLACK, sw=6) + text(200, 364, dist, 60)
        return doc(SIZE, 400, sign + panel)
    if name == "rombo":
        return doc(SIZE, SIZE, poly([(200, 10), (390, 200), (200, 390), (10, 200)], WHITE, BLACK, 4) +
                   poly([(200, 70), (330, 200), (200, 330), (70, 200)], YELLOW))
    if name == "rombo_fine":
        return doc(SIZE, SIZE, poly([(200, 10), (390, 200), (200, 390), (10, 200)], WHITE, BLACK, 4) +
                   poly([(200, 70), (330, 200), (200, 330), (70, 200)], YELLOW) +
                   line(95, 305, 305, 95, BLACK, 12) + line(110, 320, 320, 110, BLACK, 6) +
                   line(80, 290, 290, 80, BLACK, 6))
    if name == "alternato_dare":
        # The red arrow is the flow that gives way: one's own, going up.
        up = g(rect(-13, -40, 26, 130, RED) + poly([(-36, -40), (0, -90), (36, -40)], RED), 150, 200, 0.9)
        down = g(rect(-13, -90, 26, 130, BLACK) + poly([(-36, 40), (0, 90), (36, 40)], BLACK), 250, 200, 0.9)
        return doc(SIZE, SIZE, ring(up + down))
    if name == "alternato_diritto":
        up = g(rect(-13, -40, 26, 130, WHITE) + poly([(-36, -40), (0, -90), (36, -40)], WHITE), 150, 200, 0.9)
        down = g(rect(-13, -90, 26, 130, RED) + poly([(-36, 40), (0, 90), (36, 40)], RED), 250, 200, 0.9)
        return doc(SIZE, SIZE, rect(20, 20, 360, 360, BLUE, rx=20) + up + down)
    if name == "senso_vietato":
        return doc(SIZE, SIZE, circle(200, 200, 186, RED) + rect(70, 170, 260, 60, WHITE))
    if name == "divieto_sosta":
        return doc(SIZE, SIZE, circle(200, 200, 186, RED) + circle(200, 200, 146, BLUE) +
                   line(97, 303, 303, 97, RED, 36, cap="butt"))
    if name == "divieto_fermata":
        return doc(SIZE, SIZE, circle(200, 200, 186, RED) + circle(200, 200, 146, BLUE) +
                   line(97, 303, 303, 97, RED, 36, cap="butt") + line(97, 97, 303, 303, RED, 36, cap="butt"))
    if name in ("croce_semplice", "croce_doppia"):
        arm = rect(-190, -26, 380, 52, WHITE, rx=4, stroke=RED, sw=6) + "".join(
            rect(-170 + 90 * k, -20, 40, 40, RED) for k in range(4))
        cross = g(arm, 200, 180, 0.95, rot=35) + g(arm, 200, 180, 0.95, rot=-35)
        if name == "croce_doppia":
            cross = g(cross, 0, 0) + g(arm, 200, 330, 0.5, rot=35) + g(arm, 200, 330, 0.5, rot=-35)
        return doc(SIZE, SIZE, cross)
    if name == "distanziometrico3":
        bars = "".join(g(rect(-60, -14, 120, 28, RED), 200, 110 + 90 * k, rot=-25) for k in range(3))
        return doc(SIZE, SIZE, rect(110, 20, 180, 360, WHITE, stroke=BLACK, sw=4) + bars)
    if name == "delineatore_curva":
        chevrons = "".join(g(polyline([(-34, -60), (26, 0), (-34, 60)], WHITE, 30), 90 + 110 * k, 200)
                           for k in range(3))
        return doc(SIZE, 300, rect(10, 50, 380, 200, RED, rx=8) + g(chevrons, 0, -50))
    if name == "delineatore_giallo":
        return doc(SIZE, SIZE, rect(100, 20, 200, 360, YELLOW, rx=8, stroke=BLACK, sw=4) +
                   polyline([(150, 100), (250, 200), (150, 300)], BLACK, 44))
    if name == "ostacolo":
        return doc(SIZE, SIZE, rect(60, 20, 280, 360, WHITE, rx=8, stroke=BLACK, sw=4) +
                   "".join(g(poly([(-70, 40), (0, -30), (70, 40), (40, 40), (0, 0), (-40, 40)], BLUE), 200,
                             80 + 100 * k) for k in range(3)))
    if name in ("deviazione", "preavviso_deviazione"):
        body = rect(10, 60, 380, 280, YELLOW, rx=10, stroke=BLACK, sw=6) + text(200, 130, "DEVIAZIONE", 50)
        body += path("M50,290 L250,290 Q300,290 300,250 L300,215", None, BLACK, 30, extra='stroke-linecap="butt"')
        body += poly([(262, 220), (300, 160), (338, 220)], BLACK)
        if name == "preavviso_deviazione":
            body += text(130, 240, "300 m", 44)
        return doc(SIZE, SIZE, body)
    if name in ("veicolo_operativo", "passaggio_operativo"):
        body = striped_box(20, 20, 380, 380, 50, 50, RED, WHITE) + rect(20, 20, 360, 360, None, stroke=BLACK, sw=4)
        side = "passaggio_dx" if name == "passaggio_operativo" else "passaggio_sx"
        body += circle(200, 200, 110, BLUE, WHITE, 8) + g(p.arrow(WHITE, side), 200, 200, 0.85)
        return doc(SIZE, SIZE, body)
    if name == "fine_lavori":
        return doc(SIZE, 260, rect(10, 20, 380, 220, YELLOW, rx=10, stroke=BLACK, sw=6) +
                   text(200, 120, "FINE", 70) + text(200, 200, "LAVORI", 70))
    if name == "pannello_sporgente":
        return doc(SIZE, SIZE, striped_box(20, 20, 380, 380, 50, 50, RED, WHITE) +
                   rect(20, 20, 360, 360, None, stroke=BLACK, sw=4))
    if name == "pannello_adr":
        return doc(SIZE, 300, rect(20, 30, 360, 240, ORANGE, rx=6, stroke=BLACK, sw=12) +
                   line(20, 150, 380, 150, BLACK, 10) + text(200, 125, "33", 80) + text(200, 240, "1203", 80))
    raise ValueError(name)


def stop_octagon():
    pts = [(200 + 186 * math.cos(math.radians(22.5 + 45 * k)), 200 + 186 * math.sin(math.radians(22.5 + 45 * k)))
           for k in range(8)]
    inner = [(200 + 170 * (x - 200) / 186, 200 + 170 * (y - 200) / 186) for x, y in pts]
    return poly(pts, WHITE, BLACK, 2) + poly(inner, RED) + text(200, 240, "STOP", 118, WHITE)


def temporary(name):
    """The yellow-backed danger signs of road works."""
    return danger(name, temporary=True)
