"""Dashboard warning lights ("SP:") and objects, documents and vehicles ("OG:")."""

import math

import pictos as p
from svg import (BLACK, BLUE, GREY, LIGHT, ORANGE, RED, SKY, WHITE, YELLOW, circle, doc, ellipse, g, line, path,
                 poly, rect, text)

AMBER = "#ffb000"
LAMP_GREEN = "#27d35a"
LAMP_BLUE = "#2f7bff"
LAMP_RED = "#ff3b30"


# --- warning lights -------------------------------------------------------------------------

def lamp(c, facing_right=True):
    body = path("M0,-40 Q-46,-40 -46,0 Q-46,40 0,40 Z", c) if facing_right else \
        path("M0,-40 Q46,-40 46,0 Q46,40 0,40 Z", c)
    return body


def rays(c, x0, slope, count=5, length=60, sw=9):
    return "".join(line(x0, -36 + 18 * k, x0 + length, -36 + 18 * k + slope, c, sw) for k in range(count))


def seated_person(c):
    return (circle(-10, -62, 16, c) + path("M-30,-40 L6,-40 L20,20 L60,20 L60,40 L4,40 Z", c) +
            path("M-36,-40 L-50,40 L-34,40 L-22,-20 Z", c))


WARNING = {
    "anabbaglianti": (LAMP_GREEN, lambda c: g(lamp(c), -20, 0) + rays(c, -8, 24)),
    "abbaglianti": (LAMP_BLUE, lambda c: g(lamp(c), -20, 0) + rays(c, -8, 0)),
    "posizione": (LAMP_GREEN, lambda c: g(lamp(c, False), -60, 0, 0.7) + rays(c, -120, 0, 3, 30, 7) +
                  g(lamp(c), 60, 0, 0.7) + rays(c, 90, 0, 3, 30, 7)),
    "fendinebbia": (LAMP_GREEN, lambda c: g(lamp(c), -30, 0) + rays(c, -18, 20, 5, 80) +
                    path("M20,-60 Q0,-30 20,0 Q40,30 20,60", None, c, 8)),
    "retronebbia": (AMBER, lambda c: g(lamp(c, False), 40, 0) + rays(c, -60, 0, 5, 80) +
                    path("M-20,-60 Q-40,-30 -20,0 Q0,30 -20,60", None, c, 8)),
    "frecce": (LAMP_GREEN, lambda c: poly([(-110, 0), (-50, -50), (-50, 50)], c) +
               poly([(110, 0), (50, -50), (50, 50)], c)),
    "olio": (LAMP_RED, lambda c: path("M-90,10 L-60,-20 L40,-20 L90,-50 L100,-40 L60,10 L60,40 L-90,40 Z", c) +
             path("M104,10 Q94,30 104,40 Q114,30 104,10 Z", c)),
    "batteria": (LAMP_RED, lambda c: rect(-90, -50, 180, 110, None, stroke=c, sw=12) + rect(-70, -70, 30, 20, c) +
                 rect(40, -70, 30, 20, c) + line(-70, 0, -30, 0, c, 10) + line(-50, -20, -50, 20, c, 10) +
                 line(30, 0, 70, 0, c, 10)),
    "freno": (LAMP_RED, lambda c: circle(0, 0, 60, None, c, 12) + text(0, 30, "!", 90, c) +
              path("M-82,-50 Q-110,0 -82,50 M82,-50 Q110,0 82,50", None, c, 12)),
    "temperatura": (LAMP_RED, lambda c: rect(-10, -90, 20, 110, c, rx=10) + circle(0, 40, 26, c) +
                    "".join(line(10, -70 + 24 * k, 40, -70 + 24 * k, c, 8) for k in range(3)) +
                    path("M-100,80 Q-75,60 -50,80 Q-25,100 0,80 Q25,60 50,80 Q75,100 100,80", None, c, 9)),
    "carburante": (AMBER, lambda c: rect(-60, -80, 80, 160, c, rx=8) + rect(-46, -64, 52, 40, BLACK) +
                   path("M20,-50 L50,-50 L60,-30 L60,50 Q60,66 46,62", None, c, 10)),
    "abs": (AMBER, lambda c: circle(0, 0, 62, None, c, 12) + text(0, 20, "ABS", 52, c) +
            path("M-84,-50 Q-112,0 -84,50 M84,-50 Q112,0 84,50", None, c, 12)),
    "airbag": (LAMP_RED, lambda c: seated_person(c) + circle(52, -40, 30, c)),
    "cintura": (LAMP_RED, lambda c: seated_person(c) + line(-36, -44, 18, 30, BLACK, 10) +
                line(-36, -44, 18, 30, c, 5)),
    "motore": (AMBER, lambda c: path("M-90,-10 L-70,-10 L-70,-40 L-30,-40 L-30,-60 L30,-60 L30,-40 L60,-40 "
                                     "L80,-20 L100,-20 L100,50 L80,50 L70,60 L-60,60 L-70,40 L-90,40 Z", c)),
    "pneumatici": (AMBER, lambda c: path("M-80,-60 Q-100,0 -80,60 L80,60 Q100,0 80,-60", None, c, 12) +
                   line(-90, 60, 90, 60, c, 12) + text(0, 36, "!", 100, c)),
    "emergenza": (LAMP_RED, lambda c: poly([(0, -90), (96, 76), (-96, 76)], None, c, 14) +
                  poly([(0, -40), (50, 46), (-50, 46)], None, c, 10)),
    "candelette": (AMBER, lambda c: path("M-90,0 " + " ".join(f"Q{-70 + 40 * k},{-60 if k % 2 else 60} "
                                                               f"{-50 + 40 * k},0" for k in range(4)), None, c, 12)),
    "portiera": (LAMP_RED, lambda c: rect(-40, -90, 80, 180, None, rx=24, stroke=c, sw=12) +
                 line(40, -20, 100, 20, c, 12) +
                 line(-60, -70, -20, -70, c, 8)),
    "lavavetri": (AMBER, lambda c: path("M-100,60 Q0,-20 100,60 Z", None, c, 10) +
                  "".join(line(0, 40, 20 * k, -60, c, 7, dash="10,10") for k in (-3, -1, 1, 3))),
}


def warning_light(name):
    lit, symbol = WARNING[name]
    body = rect(10, 10, 380, 380, "#151515", rx=40) + rect(60, 60, 280, 280, "#222", rx=30)
    return doc(400, 400, body + g(symbol(lit), 200, 200, 1.1))


# --- objects -------------------------------------------------------------------------------------------

def frame(body, w=480, h=360):
    return doc(w, h, body, background=WHITE)


def ground_line(y=300, w=480):
    return line(20, y, w - 20, y, GREY, 6)


def cone(x, y, s=1.0):
    body = (poly([(-40, 60), (-10, -60), (10, -60), (40, 60)], ORANGE) + rect(-54, 56, 108, 14, BLACK, rx=3) +
            poly([(-27, 10), (-18, -25), (18, -25), (27, 10)], WHITE))
    return g(body, x, y, s)


def stripes(x, y, w, h, a=RED, b=WHITE, n=8):
    step = w / n
    return "".join(rect(x + k * step, y, step, h, a if k % 2 == 0 else b) for k in range(n))


def tyre_side(cx, cy, r, sidewall_text=None):
    out = circle(cx, cy, r, "#222") + circle(cx, cy, r * 0.62, "#c0c0c0") + circle(cx, cy, r * 0.2, "#888")
    out += "".join(circle(cx + r * 0.4 * math.cos(a), cy + r * 0.4 * math.sin(a), r * 0.06, "#666")
                   for a in [k * math.pi / 2.5 for k in range(5)])
    if sidewall_text:
        out += text(cx, cy - r * 0.72, sidewall_text, r * 0.13, WHITE)
    return out


def document(title, fill, lines_=4, w=360, h=240, x=60, y=60):
    size = min(26, 1.6 * w / len(title))
    out = rect(x, y, w, h, fill, rx=12, stroke=GREY, sw=3) + text(x + w / 2, y + 42, title, size)
    out += "".join(line(x + 30, y + 80 + 30 * k, x + w - 30, y + 80 + 30 * k, GREY, 4) for k in range(lines_))
    return out


def plate(label, w, h, narrow=False):
    body = rect(240 - w / 2, 180 - h / 2, w, h, WHITE, rx=10, stroke=BLACK, sw=5)
    if not narrow:
        body += rect(240 - w / 2 + 3, 180 - h / 2 + 3, 40, h - 6, BLUE, rx=6)
        body += rect(240 + w / 2 - 43, 180 - h / 2 + 3, 40, h - 6, BLUE, rx=6)
        body += text(240 - w / 2 + 23, 180 + h / 2 - 14, "I", 26, WHITE)
        body += text(240, 180 + 24, label, 68, BLACK, family="DejaVu Sans Mono")
    else:
        top, bottom = label.split()
        body += text(240, 170, top, 70, BLACK, family="DejaVu Sans Mono")
        body += text(240, 250, bottom, 70, BLACK, family="DejaVu Sans Mono")
    return frame(body)


def colour_side(kind, paint):
    glass = SKY
    if kind == "car":
        return p.car_side(paint, glass, wheel="#222")
    if kind == "truck":
        return p.truck_side(paint, glass, wheel="#222")
    if kind == "bus":
        return p.bus_side(paint, glass, wheel="#222")
    raise ValueError(kind)


def helmet(full=True):
    shell = path("M-90,40 Q-100,-90 10,-96 Q100,-90 96,10 L96,60 L40,60 L30,40 Z" if full else
                 "M-90,40 Q-100,-90 10,-96 Q100,-90 96,10 L96,30 L60,30 L50,0 L-10,0 L-20,40 Z", "#c8102e",
                 BLACK, 4)
    visor = path("M20,-40 L96,-36 L96,10 L30,6 Z", "#33475b") if full else path("M20,-30 L90,-26 L86,-6 L24,-10 Z",
                                                                               "#9fc9e8")
    strap = path("M-20,40 Q0,90 40,60", None, BLACK, 6)
    return shell + visor + strap


THINGS = {
    "delineatore": lambda: frame(ground_line(330) + path("M200,330 L200,60 L260,40 L280,60 L280,330 Z", WHITE, BLACK,
                                                        4) +
                                 poly([(200, 90), (280, 70), (280, 120), (200, 140)], BLACK) +
                                 rect(222, 86, 36, 16, ORANGE, rx=4)),
    "coni": lambda: frame(ground_line(320) + cone(120, 250) + cone(240, 250) + cone(360, 250)),
    "barriera": lambda: frame(ground_line(320) + stripes(60, 120, 360, 50) + rect(60, 120, 360, 50, None, stroke=BLACK,
                                                                                   sw=3) +
                              line(100, 170, 80, 320, GREY, 10) + line(100, 170, 120, 320, GREY, 10) +
                              line(380, 170, 360, 320, GREY, 10) + line(380, 170, 400, 320, GREY, 10)),
    "paletto": lambda: frame(ground_line(330) + rect(210, 60, 60, 270, WHITE, rx=8, stroke=BLACK, sw=4) +
                             "".join(poly([(212, y + 16), (268, y - 16), (268, y + 8), (212, y + 40)], RED)
                                     for y in (90, 150, 210))),
    "luce_cantiere": lambda: frame(ground_line(320) + stripes(80, 200, 320, 40) + circle(240, 150, 40, YELLOW,
                                                                                          BLACK, 4) +
                                   "".join(g(line(0, -54, 0, -74, AMBER, 6), 240, 150, rot=a)
                                           for a in range(-90, 91, 45)) +
                                   line(120, 240, 120, 320, GREY, 10) + line(360, 240, 360, 320, GREY, 10)),
    "catadiottri": lambda: doc(480, 360, rect(0, 0, 480, 360, "#66696d") +
                               "".join(rect(230, 20 + 60 * k, 20, 14, WHITE) + circle(240, 27 + 60 * k, 5, ORANGE)
                                       for k in range(6)) + line(40, 0, 40, 360, WHITE, 6) +
                               line(440, 0, 440, 360, WHITE, 6)),
    "tachimetro": lambda: frame(gauge("km/h", 200, 10, 118)),
    "disco_orario": lambda: frame(rect(110, 40, 260, 280, BLUE, rx=16) + circle(240, 190, 100, WHITE) +
                                  "".join(text(240 + 80 * math.sin(math.radians(30 * k)),
                                               200 - 80 * math.cos(math.radians(30 * k)), str(k or 12), 22)
                                          for k in range(12)) +
                                  text(240, 76, "P", 40, WHITE) + line(240, 190, 240, 130, BLACK, 6) +
                                  circle(240, 190, 8, BLACK)),
    "seggiolino_auto": lambda: frame(ground_line() + p.car_side("#2f62c4", SKY, 240, 220, 2.0, wheel="#222") +
                                     path("M280,150 L300,150 L306,200 L280,200 Z", ORANGE)),
    "portapacchi": lambda: frame(ground_line() + p.car_side("#d33a2c", SKY, 240, 220, 2.0, wheel="#222") +
                                 rect(170, 106, 150, 20, "#555", rx=8) + rect(180, 70, 130, 36, "#8b5a2b", rx=4)),
    "autotreno": lambda: frame(ground_line(290) + p.truck_side("#5b7fa6", SKY, 300, 240, 1.2, wheel="#222") +
                               rect(20, 170, 130, 84, "#5b7fa6", rx=4) +
                               line(150, 240, 186, 240, BLACK, 6) + circle(60, 262, 20, "#222") +
                               circle(110, 262, 20, "#222")),
    "cintura": lambda: frame(g(seated_person("#555"), 240, 200, 1.6) + line(170, 120, 270, 250, RED, 12) +
                             line(160, 250, 300, 250, RED, 12)),
    "seggiolino": lambda: frame(ground_line(300) + path("M280,290 L320,120 Q330,90 300,90 L290,90 L250,250 "
                                                        "L160,250 L160,290 Z", ORANGE, BLACK, 4) +
                                circle(280, 140, 24, "#f0c8a0") + path("M268,166 L240,240 L190,240", None, "#3a7", 18) +
                                text(120, 90, "senso di marcia ←", 22, anchor="start")),
    "casco_integrale": lambda: frame(g(helmet(True), 240, 190, 1.3)),
    "casco_jet": lambda: frame(g(helmet(False), 240, 190, 1.3)),
    "etichetta_casco": lambda: frame(rect(100, 60, 280, 240, WHITE, rx=10, stroke=BLACK, sw=4) +
                                     circle(170, 140, 44, None, BLACK, 6) + text(170, 156, "E3", 40) +
                                     text(300, 130, "22.06", 34) + text(300, 180, "P/J", 30) +
                                     text(240, 260, "051234/P-1234", 26)),
    "motociclista": lambda: frame(ground_line() + p.moto_side("#333", WHITE, 240, 230, 1.6, rider=True) +
                                  circle(221, 100, 26, RED)),
    "patente": lambda: frame(rect(60, 60, 360, 230, "#f4c6d6", rx=16, stroke=GREY, sw=3) +
                             rect(84, 110, 100, 130, LIGHT, rx=6) + circle(134, 150, 26, GREY) +
                             path("M94,240 Q134,170 174,240 Z", GREY) +
                             text(300, 104, "PATENTE DI GUIDA", 24) +
                             "".join(line(210, 140 + 26 * k, 390, 140 + 26 * k, GREY, 4) for k in range(5)) +
                             rect(70, 66, 40, 30, BLUE, rx=4) + text(90, 90, "I", 22, WHITE)),
    "carta_circolazione": lambda: frame(document("CARTA DI CIRCOLAZIONE", "#e6f0d8", 5)),
    "targa_auto": lambda: plate("AB 123 CD", 420, 110),
    "targa_ciclomotore": lambda: plate("X4 B72", 200, 190, narrow=True),
    "foglio_rosa": lambda: frame(document("AUTORIZZAZIONE", "#f8c8d8", 5)),
    "targa_prova": lambda: frame(rect(90, 110, 300, 140, WHITE, rx=10, stroke=BLACK, sw=5) +
                                 text(240, 170, "PROVA", 50, RED) + text(240, 225, "AB 1234", 40)),
    "revisione": lambda: frame(document("REVISIONE", "#fff7d6", 3) + rect(270, 200, 120, 70, None, stroke=BLUE,
                                                                          sw=5) + text(330, 245, "REGOLARE", 20,
                                                                                       BLUE)),
    "alcool": lambda: frame(path("M150,80 L230,80 L220,200 Q215,230 190,230 Q165,230 160,200 Z", "#ffe9b0", BLACK, 4) +
                            rect(186, 230, 8, 60, GREY) + rect(150, 290, 80, 10, GREY, rx=4) +
                            circle(320, 220, 30, None, GREY, 10) + rect(340, 200, 90, 14, GREY) +
                            rect(400, 214, 12, 20, GREY) + rect(380, 214, 10, 14, GREY)),
    "farmaco": lambda: frame(rect(100, 100, 280, 170, WHITE, rx=8, stroke=BLACK, sw=4) +
                             poly([(300, 120), (360, 230), (240, 230)], RED) + poly([(300, 150), (336, 216),
                                                                                    (264, 216)], WHITE) +
                             text(180, 170, "Farmaco", 28) + text(180, 210, "compresse", 22)),
    "cassetta": lambda: frame(rect(100, 110, 280, 180, WHITE, rx=16, stroke=BLACK, sw=5) +
                              rect(190, 80, 100, 34, None, stroke=BLACK, sw=10) +
                              rect(220, 150, 40, 100, RED) + rect(190, 180, 100, 40, RED)),
    "constatazione": lambda: frame(rect(60, 30, 360, 300, WHITE, rx=8, stroke=GREY, sw=3) +
                                   rect(60, 30, 180, 300, "#dfe9ff") + rect(240, 30, 180, 300, "#fff4c8") +
                                   text(150, 74, "A", 40, BLUE) + text(330, 74, "B", 40, "#b08a00") +
                                   text(240, 320, "Constatazione amichevole", 18) +
                                   "".join(line(80, 110 + 30 * k, 220, 110 + 30 * k, GREY, 3) +
                                           line(260, 110 + 30 * k, 400, 110 + 30 * k, GREY, 3) for k in range(6))),
    "assicurazione": lambda: frame(document("CERTIFICATO DI ASSICURAZIONE", "#e8f3ff", 5, w=400, x=40)),
    "carta_verde": lambda: frame(document("CARTA VERDE", "#bfe8b8", 5)),
    "pneumatico_sgonfio": lambda: frame(ground_line(300) +
                                        path("M140,300 Q120,160 240,130 Q360,160 340,300 Z", "#222") +
                                        circle(240, 240, 54, "#c0c0c0") + circle(240, 240, 16, "#888")),
    "scarico": lambda: frame(ground_line(310) + p.car_side("#9aa0a6", SKY, 300, 250, 1.4, wheel="#222") +
                             rect(150, 268, 30, 12, "#555") +
                             "".join(circle(130 - 30 * k, 270 - 14 * k, 14 + 8 * k, "#aaa",
                                            extra='fill-opacity="0.7"') for k in range(4))),
    "pneumatico": lambda: frame(tyre_side(240, 180, 160, "205/55 R16 91V")),
    "battistrada": lambda: frame(rect(150, 20, 180, 320, "#2a2a2a", rx=10) +
                                 "".join(path(f"M150,{y} L200,{y - 20} L240,{y} L280,{y - 20} L330,{y}", None, "#555",
                                              10) for y in range(50, 340, 40)) +
                                 line(190, 20, 190, 340, "#555", 8) + line(290, 20, 290, 340, "#555", 8) +
                                 rect(180, 170, 20, 10, YELLOW) + text(390, 180, "TWI", 28)),
    "freno_disco": lambda: frame(circle(240, 180, 140, "#b8b8b8", GREY, 4) + circle(240, 180, 50, "#777") +
                                 "".join(circle(240 + 30 * math.cos(a), 180 + 30 * math.sin(a), 7, "#444")
                                         for a in [k * 1.2566 for k in range(5)]) +
                                 path("M330,60 Q420,180 330,300 L300,270 Q360,180 300,90 Z", RED)),
    "specchietto": lambda: frame(path("M120,120 Q120,60 200,60 L360,70 Q400,80 390,150 L370,250 Q360,280 320,280 "
                                      "L160,270 Q120,265 120,220 Z", "#333") +
                                 path("M150,130 Q150,90 200,90 L350,98 Q370,104 364,150 L348,236 Q342,254 318,252 "
                                      "L170,244 Q150,240 150,214 Z", SKY)),
    "catene": lambda: frame(tyre_side(240, 180, 150) +
                            "".join(g(rect(-10, -160, 20, 40, "#999", stroke="#555", sw=3), 240, 180, rot=a)
                                    for a in range(0, 360, 30))),
    "triangolo": lambda: frame(ground_line(300) + poly([(240, 40), (380, 280), (100, 280)], RED) +
                               poly([(240, 110), (330, 260), (150, 260)], WHITE) + line(240, 280, 200, 300, GREY, 8) +
                               line(240, 280, 280, 300, GREY, 8)),
    "giubbotto": lambda: frame(path("M150,60 L200,40 L240,90 L280,40 L330,60 L380,140 L340,160 L330,320 L150,320 "
                                    "L140,160 L100,140 Z", "#d8f000") +
                               rect(148, 220, 184, 20, "#c0c0c0") + rect(148, 260, 184, 20, "#c0c0c0")),
    "ciclomotore": lambda: frame(ground_line() + scooter("#2f62c4", 240, 230, 1.6)),
    "triciclo": lambda: frame(ground_line() + scooter("#2e8b57", 240, 230, 1.6) + circle(150, 265, 28, "#222")),
    "quadriciclo": lambda: frame(ground_line() + p.car_side("#f2c21b", SKY, 240, 230, 1.5, wheel="#222")),
    "moto": lambda: frame(ground_line() + p.moto_side("#c8102e", WHITE, 240, 236, 1.5)),
    "autovettura": lambda: frame(ground_line() + colour_side_at("car", "#2f62c4", 240, 236, 2.0)),
    "autocarro": lambda: frame(ground_line() + colour_side_at("truck", "#5b7fa6", 240, 226, 2.0)),
    "autobus": lambda: frame(ground_line() + colour_side_at("bus", "#f2a900", 240, 226, 2.0)),
    "bicicletta": lambda: frame(ground_line() + p.bicycle("#2f62c4", WHITE, 240, 230, 1.6)),
    "trattore": lambda: frame(ground_line(310) + p.tractor("#2e8b57", WHITE, 240, 230, 1.5)),
    "tramvia": lambda: frame(ground_line(330) + p.tram_front("#f08a24", SKY, 240, 190, 1.6) +
                             line(120, 40, 360, 40, BLACK, 3)),
    "specchietto_ciclomotore": lambda: frame(line(240, 320, 240, 200, "#333", 12) +
                                             ellipse(240, 140, 110, 70, "#333") + ellipse(240, 140, 92, 54, SKY)),
    "pneumatico_ciclomotore": lambda: frame(tyre_side(240, 180, 140, "3.50-10 51J")),
    "ciclomotore_passeggero": lambda: frame(ground_line() + scooter("#d33a2c", 240, 230, 1.6) +
                                            circle(246, 88, 20, RED) + circle(200, 100, 18, "#2f62c4") +
                                            path("M232,108 L262,108 L276,160 L230,166 Z", "#444") +
                                            path("M186,118 L216,118 L226,166 L182,170 Z", "#666")),
    "vigile": lambda: frame(g(circle(0, -122, 20, "#f0c8a0") + rect(-24, -150, 48, 14, WHITE, rx=4) +
                              rect(-30, -100, 60, 100, "#1f3c88", rx=10) + rect(-26, 0, 22, 90, "#1f3c88") +
                              rect(4, 0, 22, 90, "#1f3c88") + rect(-34, -8, 68, 10, WHITE) +
                              rect(-44, -96, 16, 80, "#1f3c88", rx=7) + rect(28, -96, 16, 80, "#1f3c88", rx=7),
                              240, 200, 1.2)),
}


def colour_side_at(kind, paint, x, y, s):
    return g(colour_side(kind, paint), x, y, s)


def scooter(paint, x, y, s):
    body = (circle(-50, 30, 22, "#222") + circle(-50, 30, 9, "#bbb") + circle(55, 30, 22, "#222") +
            circle(55, 30, 9, "#bbb") +
            path("M-80,10 Q-80,-20 -40,-20 L-10,-20 L0,10 L30,10 L40,-50 L50,-50 L66,20 L40,22 L-70,22 Z", paint) +
            rect(-64, -34, 50, 14, "#222", rx=6) + line(44, -50, 30, -64, "#222", 6) +
            circle(58, -40, 6, YELLOW))
    return g(body, x, y, s)


def gauge(unit, top, step, label_y):
    out = circle(240, 190, 150, "#1b1b1b") + circle(240, 190, 140, "#2b2b2b")
    for k in range(14):
        a = math.radians(-220 + k * 20)
        x1, y1 = 240 + 130 * math.cos(a), 190 + 130 * math.sin(a)
        x2, y2 = 240 + 110 * math.cos(a), 190 + 110 * math.sin(a)
        out += line(x1, y1, x2, y2, WHITE, 4)
        if k % 2 == 0:
            out += text(240 + 88 * math.cos(a), 198 + 88 * math.sin(a), str(k * 20), 18, WHITE)
    a = math.radians(-220 + 5 * 20)
    out += line(240, 190, 240 + 110 * math.cos(a), 190 + 110 * math.sin(a), RED, 6) + circle(240, 190, 12, RED)
    out += text(240, 190 + label_y, unit, 22, WHITE)
    return out


def thing(name):
    return THINGS[name]()
