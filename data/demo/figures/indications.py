"""Indication signs (blue, green, white and brown panels), supplementary panels and
traffic lights."""

import pictos as p
from signs import ring
from svg import (BLACK, BLUE, BROWN, GREEN, GREY, RED, WHITE, YELLOW, circle, doc, g, line, path, poly, polyline,
                 rect, text)

# Place names on the demo signs are invented.
TOWN = "VALLEVERDE"


def square(fill, body, border=WHITE):
    return doc(400, 400, rect(14, 14, 372, 372, fill, rx=26, stroke=border, sw=8) + body)


def wide(fill, body, w=520, h=320, border=WHITE, ink=None):
    return doc(w, h, rect(10, 10, w - 20, h - 20, fill, rx=22, stroke=border if ink is None else ink, sw=8) + body)


def red_bar(x1, y1, x2, y2):
    return line(x1, y1, x2, y2, RED, 26)


def service(symbol):
    """Blue square with a white inner panel holding a black symbol."""
    return square(BLUE, rect(70, 60, 260, 260, WHITE, rx=10) + g(symbol, 200, 190, 1.0))


def pump():
    return (rect(-60, -90, 80, 170, BLACK, rx=8) + rect(-44, -72, 48, 40, WHITE) +
            path("M20,-50 L50,-50 L60,-30 L60,50 Q60,66 46,62", None, BLACK, 10) + rect(-76, 76, 112, 14, BLACK))


def wrench():
    return g(path("M-14,-60 L-14,70 Q-14,90 0,90 Q14,90 14,70 L14,-60 Q40,-70 40,-96 L24,-96 L24,-74 L-24,-74 "
                  "L-24,-96 L-40,-96 Q-40,-70 -14,-60 Z", BLACK), rot=35)


def cross():
    return rect(-26, -86, 52, 172, RED) + rect(-86, -26, 172, 52, RED)


def handset():
    return path("M-80,-40 Q-80,-80 -40,-84 L-30,-50 L-50,-36 Q-40,10 10,44 L26,26 L60,40 Q60,80 20,84 "
                "Q-80,60 -80,-40 Z", BLACK)


def tent():
    return poly([(-90, 70), (0, -80), (90, 70)], BLACK) + poly([(-20, 70), (0, 20), (20, 70)], WHITE)


def cutlery():
    return (rect(-46, -90, 12, 180, BLACK, rx=5) + path("M-64,-90 L-64,-40 Q-64,-20 -40,-20 Q-16,-20 -16,-40 "
                                                          "L-16,-90", None, BLACK, 8) +
            path("M30,90 L30,-90 Q70,-60 60,10 L42,10 L42,90 Z", BLACK))


def cup():
    return (path("M-60,-40 L50,-40 L40,50 Q36,70 16,70 L-26,70 Q-46,70 -50,50 Z", BLACK) +
            path("M48,-20 Q90,-20 80,10 Q72,30 42,26", None, BLACK, 12) + rect(-80, 80, 150, 10, BLACK) +
            path("M-30,-60 Q-40,-80 -30,-96 M0,-60 Q-10,-80 0,-96", None, BLACK, 6))


def envelope():
    return rect(-90, -56, 180, 112, BLACK, rx=6) + polyline([(-84, -50), (0, 14), (84, -50)], WHITE, 10)


def car_top(fill, x=0, y=0, s=1):
    return g(rect(-30, -54, 60, 108, fill, rx=16) + rect(-24, -34, 48, 22, BLUE if fill == WHITE else WHITE, rx=4),
             x, y, s)


def arrow_panel(fill, ink, label, number=None):
    body = poly([(10, 40), (420, 40), (510, 140), (420, 240), (10, 240)], fill, ink, 8)
    if number:
        body += rect(30, 100, 110, 80, ink if fill != WHITE else BLUE, rx=8) + \
            text(85, 158, number, 52, fill if fill != WHITE else WHITE)
        body += text(280, 158, label, 50 if len(label) < 9 else 40, ink)
    else:
        body += text(215, 158, label, 50 if len(label) < 9 else 40, ink)
    return doc(520, 280, body)


def indication(name):
    if name == "preavviso":
        body = (rect(235, 120, 50, 190, WHITE) + poly([(200, 125), (260, 40), (320, 125)], WHITE) +
                rect(80, 170, 340, 40, WHITE) + poly([(40, 190), (90, 150), (90, 230)], WHITE) +
                poly([(480, 190), (430, 150), (430, 230)], WHITE) +
                text(130, 140, "Roccafonda", 30, WHITE) + text(390, 140, "Lago", 30, WHITE) +
                text(400, 262, "Centro", 30, WHITE))
        return wide(BLUE, body)
    if name == "direzione_verde":
        return arrow_panel(GREEN, WHITE, "MILANO", "A1")
    if name == "direzione_blu":
        return arrow_panel(BLUE, WHITE, "Roccafonda 12")
    if name == "direzione_bianca":
        return arrow_panel(WHITE, BLACK, "Centro")
    if name in ("autostrada", "fine_autostrada"):
        body = (path("M90,330 L170,120 L190,120 L150,330 Z", WHITE) + path("M310,330 L230,120 L210,120 L250,330 Z",
                                                                           WHITE) +
                rect(70, 140, 260, 40, WHITE) + rect(90, 180, 24, 40, WHITE) + rect(286, 180, 24, 40, WHITE))
        if name == "fine_autostrada":
            body += red_bar(40, 360, 360, 40)
        return square(GREEN, body)
    if name in ("extraurbana", "fine_extraurbana"):
        body = (path("M60,340 L170,110 L230,110 L340,340 Z", WHITE) + path("M196,340 L196,120 L204,120 L204,340 Z",
                                                                           BLUE) +
                car_top(WHITE, 140, 150, 0.7))
        body = (poly([(60, 350), (176, 120), (224, 120), (340, 350)], WHITE) +
                poly([(194, 350), (197, 120), (203, 120), (206, 350)], BLUE) +
                g(p.car_front(BLUE, WHITE), 130, 280, 0.6) + g(p.car_front(BLUE, WHITE), 270, 200, 0.35))
        if name == "fine_extraurbana":
            body += red_bar(40, 360, 360, 40)
        return square(BLUE, body)
    if name in ("centro_abitato", "fine_centro"):
        body = text(260, 180, TOWN, 64, BLACK)
        if name == "fine_centro":
            body += line(40, 270, 480, 50, RED, 18)
        return doc(520, 320, rect(10, 10, 500, 300, WHITE, rx=16, stroke=BLACK, sw=8) +
                   rect(30, 30, 460, 260, None, rx=10, stroke=BLACK, sw=3) + body)
    if name == "senso_unico":
        body = poly([(40, 120), (380, 120), (380, 70), (480, 160), (380, 250), (380, 200), (40, 200)], WHITE)
        body += text(210, 176, "SENSO UNICO", 44, BLUE)
        return wide(BLUE, body)
    if name == "senso_unico_frontale":
        return square(BLUE, rect(170, 150, 60, 200, WHITE) + poly([(110, 160), (200, 50), (290, 160)], WHITE))
    if name == "senza_uscita":
        return square(BLUE, rect(170, 120, 60, 240, WHITE) + rect(90, 70, 220, 60, RED))
    if name == "parcheggio":
        return square(BLUE, text(200, 305, "P", 300, WHITE))
    if name == "ospedale":
        return square(BLUE, text(200, 305, "H", 300, WHITE))
    if name == "attraversamento":
        tri = poly([(200, 50), (350, 330), (50, 330)], WHITE)
        return square(BLUE, tri + g(p.zebra_person(BLACK, WHITE), 200, 240, 0.74))
    if name == "area_pedonale":
        body = (circle(130, 160, 90, BLUE) + g(p.person(WHITE), 130, 160, 0.8) +
                text(360, 150, "AREA", 56) + text(360, 215, "PEDONALE", 48))
        return wide(WHITE, body, ink=BLACK)
    if name == "ztl":
        body = (g(ring(""), 30, 60, 0.5) + text(350, 110, "ZONA A", 46) + text(350, 170, "TRAFFICO", 46) +
                text(350, 230, "LIMITATO", 46))
        return wide(WHITE, body, ink=BLACK)
    if name == "fermata_bus":
        return square(BLUE, g(p.bus_side(WHITE, BLUE), 200, 170, 1.5) + text(200, 330, "FERMATA", 62, WHITE))
    if name == "fermata_tram":
        return square(BLUE, g(p.tram_front(WHITE, BLUE), 200, 160, 1.1) + text(200, 340, "FERMATA", 62, WHITE))
    if name == "area_servizio":
        body = (rect(40, 60, 140, 140, WHITE, rx=8) + g(pump(), 110, 130, 0.6) +
                rect(200, 60, 140, 140, WHITE, rx=8) + g(cutlery(), 270, 130, 0.6) +
                rect(360, 60, 140, 140, WHITE, rx=8) + g(wrench(), 430, 130, 0.6) +
                text(270, 270, "AREA DI SERVIZIO", 44, WHITE))
        return wide(BLUE, body, w=540)
    if name == "carburante":
        return service(pump())
    if name == "officina":
        return service(wrench())
    if name == "pronto_soccorso":
        return service(cross())
    if name == "telefono":
        return service(handset())
    if name == "informazioni":
        return service(text(0, 90, "i", 260, BLACK, family="DejaVu Serif"))
    if name == "campeggio":
        return service(tent())
    if name == "ristorante":
        return service(cutlery())
    if name == "bar":
        return service(cup())
    if name == "posta":
        return service(envelope())
    if name == "polizia":
        return service(text(0, 24, "POLIZIA", 56, BLUE))
    if name == "cippo":
        body = (path("M120,380 L120,110 Q120,30 200,30 Q280,30 280,110 L280,380 Z", WHITE, BLACK, 6) +
                text(200, 120, "SS 2", 44) + text(200, 240, "57", 110))
        return doc(400, 400, body)
    if name == "conferma":
        body = (text(40, 110, "Roccafonda", 48, WHITE, anchor="start") + text(480, 110, "12", 48, WHITE,
                                                                                anchor="end") +
                text(40, 190, "Lago", 48, WHITE, anchor="start") + text(480, 190, "27", 48, WHITE, anchor="end") +
                text(40, 270, "Roma", 48, WHITE, anchor="start") + text(480, 270, "78", 48, WHITE, anchor="end"))
        return wide(BLUE, body)
    if name == "consigliata":
        return square(BLUE, text(200, 260, "60", 190, WHITE))
    if name == "galleria":
        body = (g(p.tunnel(WHITE, BLUE), 110, 160, 0.8) + text(340, 130, "GALLERIA", 44, WHITE) +
                text(340, 190, "MONTE ALTO", 40, WHITE) + text(340, 260, "m 850", 44, WHITE))
        return wide(BLUE, body)
    if name == "area_sosta":
        tree = circle(140, 150, 60, WHITE) + rect(130, 190, 20, 110, WHITE)
        bench = rect(200, 230, 140, 16, WHITE) + rect(210, 246, 12, 50, WHITE) + rect(318, 246, 12, 50, WHITE)
        return square(BLUE, tree + bench + text(270, 170, "P", 120, WHITE))
    if name == "numero_ss":
        return doc(400, 240, rect(20, 20, 360, 200, BLUE, rx=20, stroke=WHITE, sw=8) + text(200, 160, "SS 71", 110,
                                                                                               WHITE))
    if name == "itinerario_e":
        return doc(400, 240, rect(20, 20, 360, 200, GREEN, rx=20, stroke=WHITE, sw=8) + text(200, 160, "E 45", 120,
                                                                                                WHITE))
    if name == "zona_residenziale":
        house = poly([(60, 200), (130, 120), (200, 200)], WHITE) + rect(78, 200, 104, 90, WHITE)
        kids = g(p.child(WHITE), 250, 230, 0.8) + g(p.child(WHITE), 300, 246, 0.6)
        return wide(WHITE, rect(40, 60, 300, 250, BLUE, rx=12) + house + kids + g(p.car_front(WHITE, BLUE),
                                                                                    230, 280, 0.3) +
                    text(430, 180, "ZONA", 44) + text(430, 230, "RESID.", 40), ink=BLACK)
    if name == "riservata_motore":
        return square(BLUE, g(p.car_side(WHITE, BLUE), 200, 210, 1.5))
    if name == "limiti_generali":
        rows = [("autostrade", "130"), ("extraurbane principali", "110"),
                ("extraurbane secondarie", "90"), ("centri abitati", "50")]
        body = rect(30, 30, 460, 60, BLUE) + text(260, 76, "ITALIA", 46, WHITE)
        for i, (label, speed) in enumerate(rows):
            y = 140 + i * 64
            body += text(50, y, label, 30, BLACK, anchor="start") + g(ring(text(200, 250, speed, 150)), 408, y - 48,
                                                                      0.19)
        return doc(520, 420, rect(10, 10, 500, 400, WHITE, rx=16, stroke=BLACK, sw=6) + body)
    if name == "uso_corsie":
        body = ""
        for i, kind in enumerate(("sinistra", "diritto", "diritto_destra")):
            body += g(p.arrow(WHITE, kind), 120 + i * 140, 170, 0.9)
        body += line(190, 40, 190, 300, WHITE, 6, dash="24,16") + line(330, 40, 330, 300, WHITE, 6, dash="24,16")
        return wide(BLUE, body)
    if name == "turistico":
        body = (path("M60,250 L60,130 L90,130 L90,100 L120,100 L120,130 L150,130 L150,250 Z", WHITE) +
                text(340, 150, "Castello di", 42, WHITE) + text(340, 210, "Rocca Alta", 42, WHITE))
        return wide(BROWN, body)
    if name == "piazzola":
        return square(BLUE, path("M60,340 L60,80 L120,80 Q150,150 250,150 L340,150 L340,340 Z", WHITE) +
                      text(220, 300, "SOS", 96, BLUE))
    if name == "uscita":
        body = text(200, 120, "USCITA", 64, WHITE) + text(200, 200, "Lago Nord", 50, WHITE) + \
            g(p.arrow(WHITE, "diritto"), 440, 170, 0.8, rot=45)
        return wide(GREEN, body)
    if name == "zona30":
        return wide(WHITE, g(ring(text(200, 250, "30", 160)), 60, 40, 0.5) + text(380, 190, "ZONA", 70), ink=BLACK)
    if name == "preavviso_rotatoria":
        body = (circle(260, 160, 70, None, WHITE, 26) + rect(245, 230, 30, 80, WHITE) +
                rect(60, 148, 130, 26, WHITE) + rect(330, 148, 130, 26, WHITE) + rect(245, 30, 30, 60, WHITE) +
                text(110, 130, "Porto", 30, WHITE) + text(410, 130, "Lago", 30, WHITE) +
                text(380, 60, "Centro", 30, WHITE))
        return wide(BLUE, body)
    if name == "passo_carrabile":
        disc = circle(120, 160, 90, RED) + circle(120, 160, 70, BLUE) + line(70, 210, 170, 110, RED, 20)
        return wide(WHITE, disc + text(370, 150, "PASSO", 54) + text(370, 215, "CARRABILE", 46), ink=BLACK)
    if name == "fiume":
        body = path("M40,220 Q100,180 160,220 Q220,260 280,220 Q340,180 400,220 Q450,250 480,230", None, WHITE, 12)
        return wide(BLUE, body + text(260, 150, "FIUME VERDE", 56, WHITE))
    raise ValueError(name)


def panel(name, arg):
    w, h = 460, 220

    def framed(body):
        return doc(w, h, rect(10, 10, w - 20, h - 20, WHITE, rx=14, stroke=BLACK, sw=8) + body)

    if name == "distanza":
        return framed(text(230, 140, arg, 100))
    if name == "estesa":
        arrows = "".join(g(line(0, -60, 0, 60, BLACK, 8) + poly([(-16, -44), (0, -72), (16, -44)], BLACK) +
                           poly([(-16, 44), (0, 72), (16, 44)], BLACK), x, 110) for x in (70, 390))
        return framed(arrows + text(230, 140, arg, 90))
    if name == "periodo":
        return framed(text(230, 145, arg.replace("-", " - "), 100))
    if name in ("inizio", "continua", "fine"):
        shaft = line(150, 110, 310, 110, BLACK, 16)
        if name == "inizio":
            body = shaft + poly([(300, 80), (350, 110), (300, 140)], BLACK) + line(140, 70, 140, 150, BLACK, 14)
        elif name == "continua":
            body = shaft + poly([(300, 80), (350, 110), (300, 140)], BLACK) + poly([(160, 80), (110, 110),
                                                                                     (160, 140)], BLACK)
        else:
            body = shaft + poly([(160, 80), (110, 110), (160, 140)], BLACK) + line(320, 70, 320, 150, BLACK, 14)
        return framed(body)
    if name == "rimozione":
        truck = g(p.truck_side(BLACK, WHITE, flip=True), 110, 110, 0.6) + line(40, 90, 10, 130, BLACK, 6)
        return framed(truck + text(310, 100, "ZONA", 44) + text(310, 160, "RIMOZIONE", 40))
    if name == "eccetto_bus":
        return framed(text(150, 130, "eccetto", 52) + g(p.bus_side(BLACK, WHITE), 350, 110, 0.7))
    if name == "camion":
        return framed(g(p.truck_side(BLACK, WHITE), 230, 110, 1.0))
    if name == "tornante":
        return framed(path("M170,180 L170,80 Q170,40 230,40 Q290,40 290,80 L290,150", None, BLACK, 20) +
                      poly([(260, 140), (290, 190), (320, 140)], BLACK))
    if name == "incidente":
        return framed(g(p.car_side(BLACK, WHITE), 120, 100, 0.6, rot=170) + g(p.car_side(BLACK, WHITE), 120, 140,
                                                                             0.5, rot=20) +
                      text(320, 130, "INCIDENTE", 40))
    if name == "ghiaccio":
        flake = "".join(g(line(0, -70, 0, 70, BLACK, 10) + line(-20, -54, 0, -36, BLACK, 7) +
                          line(20, -54, 0, -36, BLACK, 7) + line(-20, 54, 0, 36, BLACK, 7) + line(20, 54, 0, 36,
                                                                                                   BLACK, 7), rot=a)
                        for a in (0, 60, 120))
        return framed(g(flake, 230, 110))
    if name == "pioggia":
        cloud = path("M150,120 Q130,60 190,60 Q210,20 260,40 Q320,30 320,90 Q350,120 310,130 L170,130 Q140,130 "
                     "150,120 Z", BLACK)
        drops = "".join(line(x, 150, x - 14, 190, BLACK, 8) for x in (180, 220, 260, 300))
        return framed(cloud + drops)
    if name == "sgombraneve":
        return framed(g(p.truck_side(BLACK, WHITE), 250, 110, 0.8) + poly([(330, 80), (400, 150), (330, 150)],
                                                                         BLACK))
    if name == "coda":
        return framed("".join(g(p.car_front(BLACK, WHITE), x, 110, s) for x, s in ((150, 0.7), (240, 0.9),
                                                                                  (330, 0.7))))
    if name == "uscita_veicoli":
        return framed(g(p.car_front(BLACK, WHITE), 110, 110, 0.8) + text(310, 100, "USCITA", 46) +
                      text(310, 160, "VEICOLI", 46))
    if name == "disabili":
        chair = (circle(230, 40, 14, BLACK) + path("M220,60 L236,60 L240,110 L290,110 L310,170 L296,174 L280,126 "
                                                   "L224,126 Z", BLACK) + circle(226, 146, 40, None, BLACK, 10))
        return framed(chair)
    if name == "pedoni":
        return framed(text(230, 80, "ZONA A TRAFFICO", 36) + text(230, 130, "PEDONALE", 36) +
                      text(230, 180, "PRIVILEGIATO", 36))
    if name == "festivi":
        return framed(text(230, 140, "FESTIVI", 84))
    if name == "varco":
        return framed(text(230, 140, "VARCO", 90))
    if name == "sottopassaggio":
        return framed(path("M60,190 L60,120 Q60,60 130,60 Q200,60 200,120 L200,190", None, BLACK, 16) +
                      text(320, 140, "SOTTO-", 40) + text(320, 184, "PASSAGGIO", 34))
    if name == "rallentamento":
        return framed(g(p.truck_side(BLACK, WHITE), 110, 110, 0.6) + text(310, 100, "AUTOCARRI", 38) +
                      text(310, 160, "IN RALLENT.", 36))
    if name == "disco":
        clock = circle(110, 110, 80, WHITE, BLACK, 10) + line(110, 110, 110, 56, BLACK, 8) + \
            line(110, 110, 150, 130, BLACK, 8)
        return framed(clock + text(320, 100, "SOSTA", 46) + text(320, 160, "1 ORA", 46))
    raise ValueError(name)


def light(name):
    """Traffic lights: a black housing with its lamps; unlit lamps dark grey."""
    dark = "#3a3a3a"

    def housing(lamps, x=200, w=130):
        body = rect(x - w / 2, 20, w, 360, BLACK, rx=18)
        for i, (colour, shape) in enumerate(lamps):
            cy = 80 + i * 120
            body += circle(x, cy, 48, dark)
            if shape == "disc":
                body += circle(x, cy, 48, colour)
            elif shape:
                body += g(shape, x, cy, 0.42)
        return body

    def arrow_lamp(kind, colour):
        return p.arrow(colour, kind)

    if name in ("rosso", "giallo", "verde", "rosso_giallo"):
        lit = {"rosso": (0,), "giallo": (1,), "verde": (2,), "rosso_giallo": (0, 1)}[name]
        colours = (RED, YELLOW, GREEN)
        return doc(400, 400, housing([(colours[i], "disc" if i in lit else None) for i in range(3)]))
    if name == "lampeggiante":
        body = rect(135, 120, 130, 160, BLACK, rx=18) + circle(200, 200, 50, YELLOW)
        body += "".join(g(line(0, -70, 0, -90, YELLOW, 8), 200, 200, rot=a) for a in range(0, 360, 45))
        return doc(400, 400, body)
    if name == "pedonale":
        body = rect(120, 20, 160, 360, BLACK, rx=18)
        body += circle(200, 110, 66, dark) + g(p.person(RED), 200, 110, 0.5)
        body += circle(200, 290, 66, dark) + g(p.person(GREEN), 200, 290, 0.5)
        return doc(400, 400, body)
    if name == "biciclette":
        body = rect(135, 20, 130, 360, BLACK, rx=18)
        for i, colour in enumerate((RED, YELLOW, GREEN)):
            body += circle(200, 80 + i * 120, 48, dark) + g(p.bicycle(colour, dark), 200, 80 + i * 120, 0.38)
        return doc(400, 400, body)
    if name in ("frecce", "freccia_destra"):
        if name == "frecce":
            return doc(400, 400, housing([(RED, arrow_lamp("sinistra", dark)), (YELLOW, None),
                                          (GREEN, arrow_lamp("sinistra", GREEN))]))
        body = housing([(RED, "disc"), (YELLOW, None), (GREEN, None)], x=170)
        body += rect(240, 250, 100, 100, BLACK, rx=14) + circle(290, 300, 40, dark) + \
            g(p.arrow(GREEN, "destra"), 290, 300, 0.36)
        return doc(400, 400, body)
    if name == "reversibili":
        body = rect(20, 120, 160, 160, BLACK, rx=14) + g(line(-40, -40, 40, 40, RED, 20) +
                                                           line(-40, 40, 40, -40, RED, 20), 100, 200)
        body += rect(220, 120, 160, 160, BLACK, rx=14) + g(p.arrow(GREEN, "diritto"), 300, 190, 0.55, rot=180)
        return doc(400, 400, body)
    if name == "mezzi_pubblici":
        body = rect(135, 20, 130, 360, BLACK, rx=18)
        body += circle(200, 80, 48, dark) + line(170, 80, 230, 80, WHITE, 14)
        body += circle(200, 200, 48, dark) + circle(200, 200, 16, YELLOW)
        body += circle(200, 320, 48, dark)
        return doc(400, 400, body)
    if name == "passaggio_livello":
        body = rect(60, 130, 280, 120, BLACK, rx=50) + circle(130, 190, 42, RED) + circle(270, 190, 42, dark)
        body += rect(190, 250, 20, 130, GREY)
        return doc(400, 400, body)
    raise ValueError(name)
