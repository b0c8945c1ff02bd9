"""The road situations of the catalogue ("S:" drawings), seen from above."""

import indications
import pictos
import signs
import topview as t
from svg import (ASPHALT, BLACK, BLUE, GRASS, GREEN, GREY, LIGHT, ORANGE, RED, WHITE, YELLOW, circle, g, line,
                 path, poly, polyline, rect, text)

NB, SB = 272, 208      # lane centres of the road up the picture: northbound, southbound
EB, WB = 212, 148      # lane centres of the road across: eastbound, westbound


def s(*parts, ground=None):
    return t.scene("".join(parts), **({"ground": ground} if ground else {}))


def straight(centre="dash", lanes=2):
    return t.road_v(240, lanes, centre)


def town(*parts):
    """A town street up the picture with pavements and buildings."""
    base = (t.sidewalk_v(96, 176) + t.sidewalk_v(304, 384) + t.building(0, 0, 96, 170) + t.building(0, 190, 96, 170) +
            t.building(384, 0, 96, 110) + t.building(384, 130, 96, 230, "#b9c7d6") + straight())
    return s(base, *parts)


def junction(*parts, arms="NESW", centre="dash"):
    return s(t.crossing(arms=arms, centre=centre), *parts)


def motorway(*parts):
    """Three lanes and an emergency lane up the picture, the other carriageway at the left."""
    base = (rect(0, 0, 120, 360, ASPHALT) + line(110, 0, 110, 360, WHITE, 4) + rect(120, 0, 26, 360, GREY) +
            line(133, 0, 133, 360, "#bbb", 6) + rect(146, 0, 300, 360, ASPHALT) +
            line(152, 0, 152, 360, WHITE, 4) + t.marking_v(218, 0, 360, "dash") + t.marking_v(282, 0, 360, "dash") +
            line(350, 0, 350, 360, WHITE, 6, cap="butt"))
    return s(base, *parts)


def sign(svg_doc, x, y, size=46):
    return t.post_sign(svg_doc, x, y, size)


SCENES = {
    # chapter 1: road definitions
    "carreggiata": lambda: s(rect(150, 0, 180, 360, "#c9b48a"), straight(), t.car(NB, 250, 0, "blu"),
                             t.car(SB, 90, 180, "rossa")),
    "due_carreggiate": lambda: s(t.road_v(140, 2), t.road_v(340, 2), rect(204, 0, 72, 360, GRASS),
                                 line(208, 0, 208, 360, GREY, 5) + line(272, 0, 272, 360, GREY, 5),
                                 t.car(108, 100, 180, "verde"), t.car(372, 230, 0, "rossa"),
                                 t.car(172, 260, 180, "bianca"), t.caption(240, 190, "spartitraffico", 16)),
    "corsie_senso_unico": lambda: s(t.road_v(240, 3), t.car(176, 240, 0, "blu"), t.car(240, 150, 0, "gialla"),
                                    t.car(304, 260, 0, "rossa"), t.move([(240, 110), (240, 40)])),
    "marciapiede": lambda: town(t.walker(130, 120, 180), t.walker(340, 230, 0), t.car(NB, 200, 0, "verde")),
    "incrocio_vuoto": lambda: junction(t.tree(60, 60), t.tree(420, 300), t.building(360, 10, 110, 90)),
    "rotatoria": lambda: s(t.roundabout(), t.car(320, 140, 200, "rossa"), t.car(180, 250, 20, "blu")),
    "autostrada": lambda: motorway(t.car(250, 220, 0, "blu"), t.truck(188, 120, 0), t.car(316, 80, 0, "rossa"),
                                   t.caption(400, 330, "corsia di", 15), t.caption(400, 348, "emergenza", 15)),
    "corsia_accelerazione": lambda: s(t.road_v(200, 2), rect(264, 120, 64, 240, ASPHALT),
                                      line(264, 120, 264, 360, WHITE, 4, dash="10,10"),
                                      poly([(264, 120), (328, 120), (264, 30)], ASPHALT),
                                      t.car(296, 280, 0, "gialla", lights="left"), t.car(232, 120, 0, "blu"),
                                      t.move([(296, 240), (296, 170), (240, 80)], dash="10,8")),
    "corsia_decelerazione": lambda: s(t.road_v(200, 2), rect(264, 0, 64, 240, ASPHALT),
                                      line(264, 0, 264, 240, WHITE, 4, dash="10,10"),
                                      t.car(232, 300, 0, "rossa", lights="right"),
                                      t.move([(232, 260), (290, 170), (296, 40)], dash="10,8")),
    "passaggio_livello": lambda: s(straight(), rect(0, 150, 480, 60, "#9b8b74"),
                                   t.rails(0, 166, 480, 166), t.rails(0, 196, 480, 196),
                                   rect(140, 116, 100, 8, RED) + rect(160, 116, 20, 8, WHITE) +
                                   rect(200, 116, 20, 8, WHITE),
                                   rect(240, 236, 100, 8, RED) + rect(260, 236, 20, 8, WHITE) +
                                   rect(300, 236, 20, 8, WHITE), t.car(NB, 300, 0, "blu")),
    "pista_ciclabile": lambda: s(straight(), rect(316, 0, 44, 360, "#b5533c"), line(312, 0, 312, 360, WHITE, 6),
                                 t.bike(338, 120, 0), t.bike(338, 260, 0), t.car(NB, 200, 0, "grigia")),
    "isola_traffico": lambda: s(straight(), poly([(240, 60), (262, 140), (240, 300), (218, 140)], WHITE),
                                "".join(line(226, y, 254, y - 16, ASPHALT, 5) for y in range(100, 300, 18)),
                                t.car(NB, 320, 0, "rossa")),
    "salvagente": lambda: s(t.road_v(240, 3), t.rails(240, 0, 240, 360), rect(286, 80, 22, 200, LIGHT, rx=6),
                            t.walker(297, 150, 90), t.walker(297, 200, 90), t.tram(240, 180, 0)),
    "piazzola": lambda: s(straight(), poly([(304, 80), (350, 120), (350, 240), (304, 280)], ASPHALT),
                          t.car(330, 180, 0, "blu"), t.car(SB, 100, 180, "rossa"),
                          sign(indications.indication("piazzola"), 400, 60)),
    "zebre": lambda: town(t.zebra_v(240, 180, 128), t.walker(220, 180, 90), t.walker(270, 186, 270)),
    "corsia_bus": lambda: s(t.road_v(240, 3), line(272, 0, 272, 360, YELLOW, 6), text(304, 200, "BUS", 26,
                                                                                          YELLOW),
                            t.bus(304, 90, 0), t.car(208, 230, 0, "rossa"), t.car(176, 110, 0, "bianca")),
    "senso_unico_sosta": lambda: s(t.road_v(240, 2, "dash"), t.sidewalk_v(110, 176), t.sidewalk_v(304, 370),
                                   t.car(NB, 90, 0, "gialla"), t.car(SB, 200, 0, "blu"), t.car(NB, 260, 0, "verde"),
                                   sign(indications.indication("senso_unico_frontale"), 400, 180)),
    "svincolo": lambda: s(t.road_h(180, 2), rect(200, 0, 80, 360, ASPHALT), t.marking_v(240, 0, 360, "dash"),
                          rect(196, 110, 88, 140, "#b0b0b0"), t.road_h(180, 2, x0=196, x1=284),
                          t.curve_road("M310,360 Q310,250 400,220", 60, None), t.car(220, 300, 0, "blu"),
                          t.car(120, EB, 90, "rossa")),
    # chapter 6: road markings
    "striscia_continua": lambda: s(straight("solid"), t.car(NB, 240, 0, "blu"), t.car(SB, 80, 180, "rossa")),
    "striscia_discontinua": lambda: s(straight("dash"), t.car(NB, 250, 0, "blu"), t.truck(NB, 90, 0)),
    "striscia_mista": lambda: s(straight("mixed"), t.car(NB, 260, 0, "gialla"), t.truck(NB, 110, 0),
                                t.car(SB, 60, 180, "verde")),
    "striscia_doppia": lambda: s(straight("double"), t.car(NB, 230, 0, "blu"), t.car(SB, 110, 180, "grigia")),
    "linea_stop": lambda: junction(t.stop_line("S"), text(NB, 290, "STOP", 20, WHITE),
                                   sign(signs.special("stop"), 330, 250), t.car(NB, 335, 0, "rossa")),
    "linea_precedenza": lambda: junction(t.stop_line("S", kind="triangles"),
                                         "".join(poly([(x - 9, 262), (x + 9, 262), (x, 280)], WHITE)
                                                 for x in (252, 272, 292)),
                                         sign(signs.special("dare_precedenza"), 330, 250),
                                         t.car(NB, 320, 0, "blu")),
    "zebre_auto": lambda: s(straight(), t.zebra_v(240, 150, 128), t.walker(230, 150, 90), t.car(NB, 270, 0, "verde")),
    "attraversamento_ciclabile": lambda: s(straight(), "".join(rect(176 + 12 * k, 126, 8, 8, WHITE)
                                                              for k in range(11)),
                                           "".join(rect(176 + 12 * k, 166, 8, 8, WHITE) for k in range(11)),
                                           rect(0, 134, 176, 32, "#b5533c"), rect(304, 134, 176, 32, "#b5533c"),
                                           t.bike(120, 150, 90), t.car(NB, 280, 0, "rossa")),
    "frecce_corsie": lambda: s(t.road_v(240, 3), "".join(g(pictos.arrow(WHITE, k), x, 120, 0.3)
                                                        for x, k in ((176, "sinistra"), (240, "diritto"),
                                                                     (304, "destra"))),
                               line(208, 160, 208, 360, WHITE, 5) + line(272, 160, 272, 360, WHITE, 5),
                               t.car(176, 260, 0, "blu"), t.car(304, 290, 0, "gialla")),
    "stalli_blu": lambda: s(straight(), "".join(rect(304, 30 + 80 * k, 60, 74, None, stroke=BLUE, sw=5)
                                                for k in range(4)), t.car(334, 67, 0, "rossa"),
                            t.car(334, 227, 0, "grigia"), rect(372, 150, 30, 50, GREY, rx=4),
                            text(387, 182, "P", 22, WHITE)),
    "stallo_invalidi": lambda: s(straight(), rect(304, 110, 70, 140, None, stroke=YELLOW, sw=5),
                                 g(t.sign_body(indications.panel("disabili", "")), 316, 166, 0.1),
                                 t.car(SB, 100, 180, "blu")),
    "zebratura": lambda: s(t.road_v(240, 3), poly([(272, 40), (208, 320), (272, 320)], WHITE, WHITE, 4),
                           "".join(line(214, y, 270, y - 40, WHITE, 5) for y in range(140, 330, 22)),
                           t.car(176, 250, 0, "rossa"), t.car(304, 200, 0, "blu")),
    "fermata_bus": lambda: s(straight(), rect(304, 60, 70, 240, None, stroke=YELLOW, sw=5),
                             "".join(line(304, y, 374, y + 30, YELLOW, 4) for y in (60, 270)),
                             text(339, 190, "BUS", 28, YELLOW), t.sidewalk_v(378, 480),
                             t.walker(410, 150, 270), t.walker(420, 200, 270)),
    "strisce_gialle": lambda: s(straight(), line(240, 0, 240, 360, YELLOW, 6, dash="26,22"),
                                line(196, 0, 196, 360, YELLOW, 6, cap="butt"),
                                "".join(circle(285, 40 + 60 * k, 12, ORANGE, WHITE, 4) for k in range(6)),
                                t.car(NB, 300, 0, "grigia")),
    "striscia_margine": lambda: s(straight(), line(178, 0, 178, 360, WHITE, 6), line(302, 0, 302, 360, WHITE, 6),
                                  t.car(NB, 200, 0, "verde")),
    "zigzag": lambda: s(straight(), t.sidewalk_v(304, 480),
                        polyline([((290 if k % 2 else 300), 60 + 20 * k) for k in range(13)], YELLOW, 4),
                        rect(380, 90, 100, 180, "#888"), text(430, 190, "PASSO", 20, WHITE)),
    "frecce_rientro": lambda: s(t.road_v(240, 2, None), t.marking_v(240, 0, 200, "solid"),
                                t.marking_v(240, 200, 360, "dash"),
                                "".join(g(poly([(0, -30), (16, 20), (0, 10), (-16, 20)], WHITE), 270, y, rot=-20)
                                        for y in (220, 280)),
                                t.car(NB, 320, 0, "rossa")),
    # chapter 7: officers
    "agente_braccia": lambda: officer("braccia"),
    "agente_alzato": lambda: officer("alzato"),
    "agente_paletta": lambda: officer("paletta"),
    "agente_passare": lambda: officer("passare"),
    # chapter 11: danger and speed
    "pioggia": lambda: s(straight(), t.car(NB, 240, 0, "blu"), t.car(SB, 90, 180, "rossa"), t.rain(),
                         ground="#8fb27a"),
    "curva_visibilita": lambda: s(t.curve_road("M300,360 Q300,120 40,90"), rect(320, 0, 160, 200, "#6a9a4a"),
                                  t.tree(360, 160, 40), t.tree(420, 240, 36), t.car(296, 300, 0, "rossa"),
                                  t.car(150, 102, 255, "blu")),
    "nebbia": lambda: s(straight(), t.car(NB, 280, 0, "rossa", lights="front"), t.car(SB, 60, 180, "grigia"),
                        t.fog()),
    "bambini": lambda: town(rect(400, 220, 80, 80, "#f0e0a0"), t.walker(330, 150, 270, "#e05050"),
                            t.walker(350, 170, 200, "#50a0e0"), circle(310, 190, 8, "#ff7a00", WHITE, 2),
                            t.car(NB, 290, 0, "verde")),
    "panne": lambda: s(straight(), t.car(NB, 120, 0, "grigia", lights="hazard"), t.triangle_warning(NB, 260),
                       t.car(NB, 330, 0, "blu")),
    "discesa": lambda: s(straight(), t.car(NB, 200, 180, "rossa"), sign(signs.danger("discesa"), 360, 80, 70),
                         t.move([(272, 140), (272, 300)], dash="10,8")),
    "camion_lento": lambda: s(straight(), t.truck(NB, 150, 0), t.car(NB, 300, 0, "blu"),
                              sign(signs.danger("salita"), 360, 80, 70)),
    "incrocio_visibilita": lambda: junction(t.building(320, 0, 160, 116), t.building(0, 0, 160, 116),
                                           t.car(NB, 300, 0, "rossa"), t.car(420, WB, 270, "blu")),
    # chapter 12: distance
    "distanza": lambda: s(straight(), t.car(NB, 60, 0, "blu"), t.car(NB, 300, 0, "rossa"),
                          line(330, 92, 330, 268, BLACK, 3), text(350, 190, "distanza", 16, anchor="start"),
                          text(350, 210, "di sicurezza", 16, anchor="start")),
    "distanza_corta": lambda: s(straight(), t.car(NB, 150, 0, "blu"), t.car(NB, 222, 0, "rossa")),
    "colonna": lambda: motorway(*(t.car(250, 40 + 80 * k, 0, c) for k, c in enumerate(("blu", "rossa", "grigia",
                                                                                           "verde")))),
    "distanza_bagnato": lambda: s(straight(), t.car(NB, 40, 0, "blu"), t.car(NB, 320, 0, "rossa"), t.rain(),
                                  line(330, 72, 330, 288, BLACK, 3)),
    "spazio_arresto": lambda: s(straight(), t.car(NB, 320, 0, "rossa"), rect(254, 40, 36, 30, "#8b5a2b"),
                                line(320, 290, 320, 200, ORANGE, 8), line(320, 200, 320, 80, RED, 8),
                                text(330, 250, "reazione", 16, anchor="start"),
                                text(330, 140, "frenatura", 16, anchor="start")),
    "galleria_distanza": lambda: s(straight(), rect(150, 0, 180, 150, "#555"), rect(176, 0, 128, 150, "#3a3a3a"),
                                   t.marking_v(240, 0, 150, "solid"), t.truck(NB, 80, 0), t.car(NB, 280, 0, "blu",
                                                                                                lights="front")),
    # chapter 13: manoeuvres
    "svolta_dx": lambda: junction(t.car(NB, 270, 0, "blu", lights="right"),
                                  t.move([(NB, 230), (NB, EB), (420, EB)])),
    "svolta_sx": lambda: junction(t.car(NB, 270, 0, "rossa", lights="left"),
                                  t.move([(NB, 230), (240, 170), (60, WB)])),
    "cambio_corsia": lambda: s(t.road_v(240, 3), t.car(272, 260, 0, "blu", lights="left"), t.car(208, 60, 0, "gialla"),
                               t.move([(272, 220), (272, 150), (208, 110)])),
    "inversione": lambda: s(straight(), t.car(NB, 280, 0, "verde", lights="left"),
                            t.move_along("M272,240 L272,130 Q272,80 240,80 Q208,80 208,130 L208,220",
                                         (208, 200), (208, 220))),
    "file_parallele": lambda: s(t.road_v(240, 3), t.car(176, 100, 0, "blu"), t.car(176, 240, 0, "rossa"),
                                t.car(240, 160, 0, "grigia"), t.car(240, 300, 0, "gialla"), t.car(304, 60, 0, "verde"),
                                t.car(304, 210, 0, "bianca")),
    "passo_carrabile": lambda: s(straight(), t.sidewalk_v(304, 480), rect(330, 130, 150, 100, "#aaa"),
                                 t.car(380, 180, 270, "rossa", lights="left"), t.car(SB, 60, 180, "blu")),
    "retromarcia": lambda: s(straight(), t.car(NB, 140, 0, "blu"), t.move([(NB + 30, 100), (NB + 30, 250)],
                                                                          dash="8,6")),
    "tenere_destra": lambda: s(straight(), t.car(292, 200, 0, "verde"), t.car(SB, 60, 180, "grigia")),
    "bus_fermata": lambda: s(straight(), t.sidewalk_v(304, 480), t.bus(NB + 8, 140, 0), t.car(NB, 320, 0, "rossa"),
                             t.move([(NB + 8, 60), (NB - 20, 10)])),
    "ambulanza": lambda: s(straight(), t.car(NB, 90, 0, "bianca", lights="blue"), t.car(294, 230, 0, "rossa"),
                           t.car(SB, 300, 180, "grigia")),
    "svolta_sx_senso_unico": lambda: s(t.crossing(centre="dash"), t.car(212, 290, 0, "blu", lights="left"),
                                       t.move([(212, 250), (212, 170), (60, WB)]),
                                       sign(indications.indication("senso_unico_frontale"), 140, 270)),
    "rotatoria_auto": lambda: s(t.roundabout(), t.car(NB, 330, 0, "rossa"),
                                t.move_along("M272,290 L272,268 A95,95 0 0 0 335,180 A95,95 0 0 0 240,85 "
                                             "A95,95 0 0 0 145,180 Q120,148 70,148", (90, 148), (70, 148))),
    # chapter 14: precedence at junctions
    "incrocio_precedenza": lambda: junction(sign(signs.special("dare_precedenza"), 330, 260),
                                           t.stop_line("S", kind="triangles"), t.car(NB, 300, 0, "blu"),
                                           t.car(60, EB, 90, "rossa")),
    "incrocio_stop": lambda: junction(sign(signs.special("stop"), 330, 260), t.stop_line("S"),
                                      t.car(NB, 300, 0, "verde"), t.car(420, WB, 270, "gialla")),
    "incrocio_tram": lambda: junction(t.rails(0, 180, 480, 180), t.tram(420, 180, 270, length=150),
                                      t.car(NB, 300, 0, "rossa")),
    "area_privata": lambda: s(straight(), rect(330, 120, 150, 120, "#c8c0b0"), line(304, 130, 330, 130, GREY, 4),
                              t.car(380, 180, 270, "grigia"), t.car(NB, 320, 0, "blu")),
    "incrocio_destra": lambda: junction(t.car(NB, 300, 0, "rossa", label="A"), t.car(420, WB, 270, "blu", label="B")),
    "incrocio_fronte": lambda: junction(t.car(NB, 290, 0, "rossa", lights="left"), t.car(SB, 70, 180, "blu"),
                                        t.move([(NB, 250), (240, 170), (60, WB)]), t.move([(SB, 110), (SB, 350)])),
    "svolta_pedoni": lambda: junction(t.zebra_h(340, 180, 128), t.walker(340, 160, 0), t.walker(346, 210, 180),
                                      t.car(NB, 290, 0, "verde", lights="right"), t.move([(NB, 250), (300, EB),
                                                                                          (460, EB)])),
    # chapter 15: overtaking
    "sorpasso": lambda: s(straight(), t.truck(NB, 160, 0), t.car(SB, 270, 0, "rossa", lights="left"),
                          t.move([(SB, 220), (SB, 60), (NB, 20)])),
    "sorpasso_curva": lambda: s(t.curve_road("M300,360 Q300,120 40,90", centre="solid"), t.truck(300, 230, 0),
                                t.car(236, 300, 0, "rossa", lights="left"), t.tree(380, 120, 40)),
    "sorpasso_dosso": lambda: s(straight(), rect(176, 100, 128, 70, "#7d8085"),
                                text(240, 140, "DOSSO", 20, WHITE), t.car(NB, 230, 0, "grigia"),
                                t.car(SB, 290, 0, "rossa", lights="left"),
                                sign(signs.danger("dosso"), 360, 60, 64)),
    "sorpasso_pedonale": lambda: s(straight(), t.zebra_v(240, 110, 128), t.car(NB, 200, 0, "blu"),
                                   t.car(SB, 250, 0, "rossa", lights="left"), t.walker(200, 110, 90)),
    "sorpasso_destra": lambda: junction(t.car(250, 260, 0, "blu", lights="left"),
                                        t.car(290, 330, 0, "rossa"), t.move([(290, 300), (290, 60)])),
    "sorpasso_tram": lambda: s(t.road_v(240, 3), t.rails(240, 0, 240, 360), t.tram(240, 150, 0),
                               t.car(304, 290, 0, "rossa"), t.move([(304, 250), (304, 40)])),
    "sorpasso_incrocio": lambda: junction(t.car(NB, 330, 0, "grigia"), t.car(SB, 340, 0, "rossa", lights="left"),
                                          t.move([(SB, 300), (SB, 200)])),
    "farsi_sorpassare": lambda: s(straight(), t.truck(294, 160, 0), t.car(SB, 250, 0, "rossa", lights="left"),
                                  t.move([(SB, 210), (SB, 60)])),
    "sorpasso_autostrada": lambda: motorway(t.truck(316, 150, 0), t.car(250, 230, 0, "blu", lights="left"),
                                            t.car(188, 320, 0, "rossa")),
    "sorpasso_ciclista": lambda: s(straight(), t.bike(296, 150, 0), t.car(SB + 8, 250, 0, "verde", lights="left"),
                                   line(250, 150, 290, 150, BLACK, 2, dash="4,4")),
    "sorpasso_continua": lambda: s(straight("solid"), t.truck(NB, 130, 0), t.car(SB, 260, 0, "rossa",
                                                                                 lights="left")),
    # chapter 16: stopping and parking
    "sosta_parallela": lambda: town(t.car(NB + 16, 200, 0, "blu"), t.car(NB + 16, 90, 0, "grigia")),
    "doppia_fila": lambda: town(t.car(NB + 16, 200, 0, "blu"), t.car(NB - 24, 200, 0, "rossa", lights="hazard")),
    "sosta_marciapiede": lambda: town(t.car(320, 200, 0, "rossa"), t.walker(350, 100, 180)),
    "sosta_curva": lambda: s(t.curve_road("M300,360 Q300,120 40,90"), t.car(330, 250, 0, "rossa"),
                             t.car(150, 116, 255, "blu")),
    "sosta_passo": lambda: town(rect(384, 130, 96, 110, "#777"), text(432, 190, "PASSO", 18, WHITE),
                                t.car(NB + 16, 185, 0, "rossa")),
    "sosta_incrocio": lambda: junction(t.car(NB + 12, 250, 0, "rossa"), t.car(420, WB, 270, "blu")),
    "triangolo": lambda: s(straight(), t.car(NB, 120, 0, "grigia", lights="hazard"),
                           t.triangle_warning(NB, 300, 1.3), line(330, 150, 330, 290, BLACK, 2, dash="6,4"),
                           text(340, 230, "50 m", 18, anchor="start")),
    "spina_pesce": lambda: s(straight(), rect(304, 0, 80, 360, ASPHALT),
                             "".join(t.car(340, 60 + 70 * k, 45, c)
                                     for k, c in enumerate(("rossa", "blu", "grigia", "verde")))),
    "portiera": lambda: town(t.car(NB + 16, 200, 0, "blu"), rect(264, 180, 8, 34, "#2f62c4"),
                             t.bike(NB - 30, 80, 180)),
    "partenza": lambda: town(t.car(NB + 16, 200, -10, "verde", lights="left"), t.car(NB, 330, 0, "rossa"),
                             t.move([(NB + 10, 160), (NB - 10, 60)])),
    # chapter 17: load, motorways, towing
    "carico_sporgente": lambda: s(straight(), t.car(NB, 160, 0, "bianca"), rect(NB - 8, 190, 16, 70, "#b07a3a"),
                                  rect(NB - 18, 252, 36, 20, WHITE, stroke=RED, sw=4),
                                  "".join(line(NB - 18 + 9 * k, 272, NB - 9 + 9 * k, 252, RED, 4) for k in range(4))),
    "autostrada_destra": lambda: motorway(t.car(316, 220, 0, "blu"), t.car(316, 80, 0, "rossa"),
                                          t.car(250, 300, 0, "grigia")),
    "autostrada_panne": lambda: motorway(t.car(400, 150, 0, "grigia", lights="hazard"), t.triangle_warning(400, 300),
                                         t.walker(440, 150, 0, "#f2c21b")),
    "traino": lambda: s(straight(), t.car(NB, 90, 0, "blu"), t.car(NB, 230, 0, "grigia", lights="hazard"),
                        line(NB, 121, NB, 199, BLACK, 3), rect(NB - 10, 150, 20, 16, WHITE, stroke=RED, sw=3)),
    "ingresso_autostrada": lambda: motorway(t.car(316, 60, 0, "grigia"), rect(350, 150, 80, 210, ASPHALT),
                                            line(350, 150, 350, 360, WHITE, 4, dash="10,10"),
                                            t.car(390, 280, 0, "gialla", lights="left"),
                                            t.move([(390, 240), (390, 170), (330, 110)], dash="10,8")),
    "galleria": lambda: motorway(rect(146, 0, 320, 130, "#4a4a4a"), rect(146, 120, 320, 18, "#888"),
                                 t.car(250, 250, 0, "blu", lights="front")),
    "casello": lambda: s(rect(60, 0, 360, 360, ASPHALT), "".join(rect(80 + 70 * k, 140, 30, 70, "#dcdcdc",
                                                                             stroke=GREY, sw=3) for k in range(5)),
                         rect(60, 120, 360, 14, GREEN), text(240, 132, "ALT - STAZIONE", 12, WHITE),
                         t.car(130, 260, 0, "rossa"), t.car(270, 290, 0, "blu")),
    # chapter 18: lights
    "luci_notte": lambda: s(straight(), t.night(), t.car(NB, 300, 0, "blu", lights="front"),
                            t.car(SB, 40, 180, "rossa", lights="front")),
    "abbaglianti_incrocio": lambda: s(straight(), t.night(), t.car(NB, 320, 0, "blu", lights="long"),
                                      t.car(SB, 60, 180, "rossa", lights="front")),
    "emergenza": lambda: s(straight(), t.night(), t.car(NB, 180, 0, "grigia", lights="hazard"),
                           t.triangle_warning(NB, 320)),
    "fendinebbia": lambda: s(straight(), t.car(NB, 280, 0, "rossa", lights="front"), t.fog(0.7),
                             circle(NB - 12, 250, 6, "#fff7b0"), circle(NB + 12, 250, 6, "#fff7b0")),
    # chapter 21: preventing accidents
    "stanchezza": lambda: s(straight(), t.car(NB - 20, 220, -12, "blu"), text(330, 120, "Z z z", 40, BLUE,
                                                                                anchor="start")),
    "telefono": lambda: s(straight(), t.car(NB, 200, 0, "rossa"), g(rect(-10, -18, 20, 36, BLACK, rx=4) +
                                                                       rect(-7, -13, 14, 22, "#7fc4ff"), 340, 200,
                                                                       1.6)),
    "pedone_fuori": lambda: s(straight(), t.zebra_v(240, 60, 128), t.walker(230, 220, 90),
                              t.car(NB, 320, 0, "verde")),
    "ciclisti": lambda: s(straight(), t.bike(292, 60, 0), t.bike(292, 120, 0), t.bike(292, 180, 0),
                          t.car(SB + 10, 300, 0, "grigia")),
    "ostacolo": lambda: s(straight(), rect(250, 120, 40, 26, "#8b5a2b"), rect(256, 104, 28, 18, "#8b5a2b"),
                          t.car(NB, 280, 0, "blu")),
    "sbandata": lambda: s(straight(), rect(176, 0, 128, 360, "#dff1ff", extra='fill-opacity="0.5"'),
                          t.car(NB - 10, 200, 40, "rossa"), path("M272,340 Q280,280 262,232", None, BLACK, 3,
                                                                   extra='stroke-dasharray="6,6"')),
    "acquaplaning": lambda: s(straight(), rect(180, 100, 120, 160, "#5b8fd6", extra='fill-opacity="0.7"'),
                              t.car(NB, 200, 0, "grigia"), t.rain()),
    "angolo_cieco": lambda: s(t.road_v(240, 3), t.car(272, 200, 0, "blu"),
                              poly([(256, 190), (180, 250), (200, 330)], "#ff5a5a", extra='fill-opacity="0.35"'),
                              t.moto(216, 280, 0, "rossa")),
    "bus_passeggeri": lambda: s(straight(), t.sidewalk_v(304, 480), t.bus(NB + 8, 150, 0),
                                t.walker(320, 130, 90), t.walker(330, 170, 90), t.car(SB, 320, 0, "rossa")),
    # chapters 22-24
    "incidente": lambda: s(straight(), t.car(NB, 120, 30, "rossa", lights="hazard"),
                           t.car(SB, 150, 200, "blu", lights="hazard"), t.triangle_warning(NB, 320)),
    "urto": lambda: junction(t.car(260, 200, 20, "rossa", label="A"), t.car(222, 160, 280, "blu", label="B")),
    "tamponamento": lambda: s(straight(), t.car(NB, 140, 0, "grigia", label="A"), t.car(NB, 206, 0, "rossa",
                                                                                        label="B")),
    "motore_acceso": lambda: town(t.car(NB + 16, 180, 0, "blu"),
                                  "".join(circle(NB + 16 + dx, 230 + dy, r, "#999", extra='fill-opacity="0.6"')
                                          for dx, dy, r in ((0, 0, 8), (6, 16, 12), (-4, 36, 16)))),
    # moped chapters
    "ciclomotore_destra": lambda: s(straight(), t.moto(296, 200, 0, "rossa"), t.car(SB, 90, 180, "blu")),
    "ciclomotori_affiancati": lambda: s(straight(), t.moto(260, 200, 0, "rossa"), t.moto(290, 200, 0, "blu")),
    "ciclomotore_coda": lambda: s(straight(), *(t.car(NB, 60 + 80 * k, 0, c) for k, c in
                                               enumerate(("blu", "grigia", "verde"))), t.moto(240, 210, 0, "rossa")),
    "ciclomotore_svolta": lambda: junction(t.moto(250, 270, 0, "rossa"), t.move([(250, 240), (240, 170), (60, WB)])),
    "sterrato": lambda: s(rect(190, 0, 100, 360, "#b99b6b"), "".join(circle(x, y, 4, "#8b7448")
                                                                       for x, y in ((210, 40), (250, 90), (270, 150),
                                                                                    (220, 210), (260, 280),
                                                                                    (230, 330))),
                          t.moto(250, 190, 0, "blu")),
    "ciclomotore_traino": lambda: s(straight(), t.moto(NB, 120, 0, "rossa"), t.bike(NB, 220, 0),
                                    line(NB, 142, NB, 202, BLACK, 2)),
    "ciclomotore_portiera": lambda: town(t.car(NB + 16, 180, 0, "grigia"), rect(264, 160, 8, 34, "#9aa0a6"),
                                         t.moto(NB - 24, 290, 0, "rossa")),
    "ciclomotore_camion": lambda: junction(t.truck(NB - 6, 250, 0),
                                           t.moto(296, 300, 0, "rossa"), t.move([(NB, 180), (330, EB), (460, EB)])),
    "ambulanza_strada": lambda: s(straight(), t.car(NB, 80, 0, "bianca", lights="blue"), t.car(296, 240, 0, "rossa"),
                                  t.moto(296, 320, 0, "blu")),
    "non_vedente": lambda: town(t.zebra_v(240, 180, 128), t.walker(210, 180, 90, "#444", cane=True),
                                t.moto(NB, 300, 0, "rossa")),
    "scuolabus": lambda: s(straight(), t.sidewalk_v(304, 480), t.bus(NB + 8, 150, 0, school=True),
                           t.walker(330, 150, 90, "#e05050"), t.walker(340, 190, 90, "#50a0e0"),
                           t.moto(SB, 300, 180, "blu")),
    "rifiuti": lambda: s(straight(), t.car(NB, 200, 0, "rossa"), rect(320, 150, 14, 18, WHITE, stroke=GREY, sw=2),
                         rect(340, 200, 18, 12, "#6a3"), circle(310, 250, 7, "#c33")),
    "posto_controllo": lambda: s(straight(), t.car(NB + 30, 100, 0, "#1f3c88", lights="blue"),
                                 t.walker(NB + 60, 170, 270, "#1f3c88"), t.moto(NB, 260, 0, "rossa")),
}


def officer(pose):
    """A traffic officer seen from the front, standing in a junction."""
    uniform, skin = "#1f3c88", "#f0c8a0"
    body = (t.crossing() + circle(240, 180, 40, WHITE, GREY, 3) +
            g(circle(0, -122, 20, skin) + rect(-24, -150, 48, 14, WHITE, rx=4) +
              rect(-30, -100, 60, 100, uniform, rx=10) + rect(-26, 0, 22, 90, uniform) + rect(4, 0, 22, 90, uniform) +
              rect(-34, -8, 68, 10, WHITE), 240, 180, 0.9))
    arm = lambda x, y, rot: g(rect(-8, 0, 16, 74, uniform, rx=7) + circle(0, 78, 9, WHITE), x, y, rot=rot)
    if pose == "braccia":
        body += arm(240 - 27, 100, 90) + arm(240 + 27, 100, -90)
    elif pose == "alzato":
        body += arm(240 + 27, 96, 180) + arm(240 - 27, 100, 10)
    elif pose == "paletta":
        body += arm(240 + 27, 100, -120) + arm(240 - 27, 100, 10)
        body += g(line(0, 0, 0, 40, "#666", 6) + circle(0, -12, 22, RED, WHITE, 6), 240 + 27 + 70, 64)
    else:
        body += arm(240 - 27, 100, 90) + arm(240 + 27, 100, 10) + t.move([(150, 60), (60, 60)], BLACK)
    return t.scene(body)


def scene(name):
    return SCENES[name]()
