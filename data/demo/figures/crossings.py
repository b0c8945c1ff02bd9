"""The junctions of the intersections exercise ("C:" drawings, figures 603-669).

The drawing is laid out from the figure's first accepted order so that Italian
right-of-way rules give that order: the first vehicle has nobody on its right, each
following one has the previous one on its right; a fourth vehicle faces a STOP or give
way sign, a fifth waits behind it. A tram comes first when its letter T opens the order;
in the figures where every vehicle has another on its right, the vehicle that engages
the junction first is drawn already inside it."""

import random

import signs
import topview as t
from svg import WHITE

ARMS = "NESW"                    # clockwise from the top: each arm has the one before it on its right
RIGHT_OF = {"S": "E", "E": "N", "N": "W", "W": "S"}
OPPOSITE = {"N": "S", "S": "N", "E": "W", "W": "E"}
HEADING = {"S": 0, "N": 180, "E": 270, "W": 90}
EXIT = {"N": (272, 54), "S": (208, 306), "E": (396, 212), "W": (84, 148)}

# Figures in which every vehicle has the right side occupied: the vehicle that engages
# the junction first, by its position in the order.
ENGAGES = {617: 0, 638: 0, 642: 1}
PAINTS = ["rossa", "blu", "verde", "gialla", "arancio", "grigia", "bianca"]


def approach(arm, queue=0, engaged=False):
    x, y = {"S": (272, 296), "N": (208, 64), "E": (358, 148), "W": (122, 212)}[arm]
    step = 50 if engaged else -(78 if arm in "NS" else 82) * queue
    dx, dy = {"S": (0, -1), "N": (0, 1), "E": (-1, 0), "W": (1, 0)}[arm]
    return x + dx * step, y + dy * step


def movement(arm, turn, start):
    exit_arm = {"straight": OPPOSITE[arm], "right": RIGHT_OF[arm], "left": OPPOSITE[RIGHT_OF[arm]]}[turn]
    ex, ey = EXIT[exit_arm]
    sx, sy = start
    dx, dy = {"S": (0, -1), "N": (0, 1), "E": (-1, 0), "W": (1, 0)}[arm]
    fx, fy = sx + dx * 40, sy + dy * 40
    control = (fx, ey) if arm in "NS" else (ex, fy)
    if turn == "straight":
        return t.move([(fx, fy), (ex, ey)], width=5)
    return t.move([(fx, fy), control, (ex, ey)], width=5)


def crossing(number, spec):
    order = spec
    n = len(order)
    rng = random.Random(number)
    tram_first = order[0] == "T"
    deadlock = number in ENGAGES
    # The first vehicle's arm; a tram and a queue need one of the longer side arms.
    if tram_first:
        start = rng.choice("EW")
    elif n >= 4 and not deadlock:
        start = rng.choice("NS")
    else:
        start = rng.choice(ARMS)
    chain = [ARMS[(ARMS.index(start) + k) % 4] for k in range(4)]
    tee = n == 3 and number % 2 == 0 and not deadlock
    arms = "".join(a for a in ARMS if not (tee and a == chain[3]))
    signed = n >= 4 and not deadlock

    body = t.crossing(arms=arms)
    for x, y in ((60, 50), (420, 50), (60, 310), (420, 310)):
        body += t.tree(x + rng.randint(-15, 15), y + rng.randint(-10, 10), rng.randint(16, 26))
    if signed:
        arm = chain[3]
        give_way = number % 3 == 0
        body += t.stop_line(arm, kind="triangles" if give_way else "solid")
        sx, sy = {"S": (330, 262), "N": (150, 98), "E": (424, 100), "W": (56, 262)}[arm]
        body += t.post_sign(signs.special("dare_precedenza" if give_way else "stop"), sx, sy, 44)
    if tram_first:
        a = chain[0]
        if a in "EW":
            body += t.rails(0, 148 if a == "E" else 212, 480, 148 if a == "E" else 212)
        else:
            body += t.rails(208 if a == "N" else 272, 0, 208 if a == "N" else 272, 360)

    vehicles = ""
    arrows = ""
    paints = PAINTS[:]
    rng.shuffle(paints)
    for k, letter in enumerate(order):
        arm = chain[3] if k == 4 else chain[k]
        queue = 1 if k == 4 else 0
        engaged = deadlock and ENGAGES[number] == k
        x, y = approach(arm, queue, engaged)
        heading = HEADING[arm]
        allowed = [turn for turn in ("straight", "right", "left")
                   if not (tee and {"straight": OPPOSITE[arm], "right": RIGHT_OF[arm],
                                    "left": OPPOSITE[RIGHT_OF[arm]]}[turn] == chain[3])]
        turn = "straight" if k == 0 and tram_first else rng.choice(allowed)
        if k == 0 and tram_first:
            vehicles += t.tram(x + (60 if arm == "E" else -60 if arm == "W" else 0), y, heading, label=letter,
                               length=150)
        else:
            kind = rng.random()
            if kind < 0.18:
                vehicles += t.moto(x, y, heading, paints[k % len(paints)], label=letter)
            elif kind < 0.3 and arm in "EW" and n < 5:
                vehicles += t.truck(x + (30 if arm == "E" else -30), y, heading, "#e9e9e9", label=letter, length=110)
            else:
                vehicles += t.car(x, y, heading, paints[k % len(paints)], label=letter,
                                  lights={"right": "right", "left": "left"}.get(turn))
        if queue == 0:
            arrows += movement(arm, turn, (x, y))
    body += arrows + vehicles + t.text(10, 350, str(number), 16, WHITE, anchor="start")
    return t.scene(body)
