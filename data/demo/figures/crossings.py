"""The junctions of the intersections exercise ("C:" drawings, figures 603-669).

The drawing code holds the figure's accepted orders ("C:LCAD>LACD"). Vehicles are placed
so that Italian right-of-way rules give the first order:
- a chain: the first vehicle has nobody on its right and each following one has the
  previous one on its right; a fourth faces a STOP or give-way sign, a fifth waits
  behind it;
- where a second order swaps two vehicles, those two pass together: they face each
  other, either on the main road or on two side roads with STOP signs, going straight
  or turning right so that their paths do not cross; a vehicle after them waits behind
  one of them;
- a tram comes first when its letter T opens the order;
- in the figures where every vehicle has another on its right, the vehicle that
  engages the junction first is drawn already inside it."""

import random

import signs
import topview as t
from svg import WHITE, text

ARMS = "NESW"                    # clockwise from the top: each arm has the one before it on its right
RIGHT_OF = {"S": "E", "E": "N", "N": "W", "W": "S"}
OPPOSITE = {"N": "S", "S": "N", "E": "W", "W": "E"}
HEADING = {"S": 0, "N": 180, "E": 270, "W": 90}
TOWARDS_CENTRE = {"S": (0, -1), "N": (0, 1), "E": (-1, 0), "W": (1, 0)}
EXIT = {"N": (272, 54), "S": (208, 306), "E": (396, 212), "W": (84, 148)}
SIGN_POST = {"S": (330, 262), "N": (150, 98), "E": (424, 100), "W": (56, 262)}

# Figures in which every vehicle has the right side occupied: the position in the order
# of the vehicle that engages the junction first.
ENGAGES = {617: 0, 638: 0, 642: 1}
PAINTS = ["rossa", "blu", "verde", "gialla", "arancio", "grigia", "bianca"]


def next_arm(arm, k=1):
    return ARMS[(ARMS.index(arm) + k) % 4]


def exit_of(arm, turn):
    return {"straight": OPPOSITE[arm], "right": RIGHT_OF[arm], "left": OPPOSITE[RIGHT_OF[arm]]}[turn]


class Vehicle:
    def __init__(self, letter, arm, queue=0, engaged=False, turns=("straight", "right", "left")):
        self.letter, self.arm, self.queue, self.engaged, self.turns = letter, arm, queue, engaged, turns


def chain_layout(number, order, rng):
    """Returns the vehicles, the arms with a STOP or give-way sign, and the missing arm."""
    n = len(order)
    deadlock = number in ENGAGES
    if order[0] == "T":
        start = rng.choice("EW")          # a tram needs one of the longer side arms
    elif n >= 4 and not deadlock:
        start = rng.choice("NS")          # so that the queue forms on a side arm
    else:
        start = rng.choice(ARMS)
    chain = [next_arm(start, k) for k in range(4)]
    vehicles = [Vehicle(letter, chain[3] if k == 4 else chain[k], 1 if k == 4 else 0,
                        deadlock and ENGAGES[number] == k) for k, letter in enumerate(order)]
    signed = [chain[3]] if n >= 4 and not deadlock else []
    # Three vehicles on a T junction when the figure number is even: the arm on the
    # first vehicle's right is then missing.
    missing = chain[3] if n == 3 and number % 2 == 0 and not deadlock else None
    return vehicles, signed, missing


def pair_layout(order, pair_at, rng):
    """Two vehicles that pass together, at positions pair_at and pair_at + 1."""
    # The side roads run across the picture, where a waiting vehicle has room behind.
    main = rng.choice("NS")
    side = next_arm(main)
    calm = ("straight", "right")
    if pair_at == 0:
        # The pair on the main road, facing each other; the others on a side road with a STOP.
        a, b = order[0], order[1]
        vehicles = [Vehicle(a, main, turns=("straight",)), Vehicle(b, OPPOSITE[main], turns=("straight",))]
        rest = order[2:]
        vehicles += [Vehicle(letter, side, k) for k, letter in enumerate(rest)]
        return vehicles, [side], None
    # The first vehicle alone on the main road; the pair on the two side roads, each
    # with a STOP; anyone after the pair waits behind its first vehicle.
    vehicles = [Vehicle(order[0], main)]
    vehicles.append(Vehicle(order[pair_at], side, turns=calm))
    vehicles.append(Vehicle(order[pair_at + 1], OPPOSITE[side], turns=calm))
    vehicles += [Vehicle(letter, side, k + 1) for k, letter in enumerate(order[pair_at + 2:])]
    return vehicles, [side, OPPOSITE[side]], None


def approach(vehicle):
    x, y = {"S": (272, 296), "N": (208, 64), "E": (358, 148), "W": (122, 212)}[vehicle.arm]
    dx, dy = TOWARDS_CENTRE[vehicle.arm]
    step = 50 if vehicle.engaged else -(78 if vehicle.arm in "NS" else 82) * vehicle.queue
    return x + dx * step, y + dy * step


def movement(arm, turn, start):
    ex, ey = EXIT[exit_of(arm, turn)]
    dx, dy = TOWARDS_CENTRE[arm]
    fx, fy = start[0] + dx * 40, start[1] + dy * 40
    if turn == "straight":
        return t.move([(fx, fy), (ex, ey)], width=5)
    control = (fx, ey) if arm in "NS" else (ex, fy)
    return t.move([(fx, fy), control, (ex, ey)], width=5)


def crossing(number, code):
    orders = code.split(">")
    order = orders[0]
    rng = random.Random(number)
    pair_at = None
    if len(orders) > 1 and number not in ENGAGES:
        second = orders[1][:len(order)]
        diff = [k for k in range(len(order)) if order[k] != second[k]]
        if len(diff) == 2 and diff[1] == diff[0] + 1:
            pair_at = diff[0]
    if pair_at is None:
        vehicles, signed, missing = chain_layout(number, order, rng)
    else:
        vehicles, signed, missing = pair_layout(order, pair_at, rng)

    body = t.crossing(arms="".join(a for a in ARMS if a != missing))
    for x, y in ((60, 50), (420, 50), (60, 310), (420, 310)):
        body += t.tree(x + rng.randint(-15, 15), y + rng.randint(-10, 10), rng.randint(16, 26))
    give_way = number % 3 == 0
    for arm in signed:
        body += t.stop_line(arm, kind="triangles" if give_way else "solid")
        sx, sy = SIGN_POST[arm]
        body += t.post_sign(signs.special("dare_precedenza" if give_way else "stop"), sx, sy, 44)
    tram = vehicles[0] if vehicles[0].letter == "T" else None
    if tram:
        if tram.arm in "EW":
            y = 148 if tram.arm == "E" else 212
            body += t.rails(0, y, 480, y)
        else:
            x = 208 if tram.arm == "N" else 272
            body += t.rails(x, 0, x, 360)

    paints = PAINTS[:]
    rng.shuffle(paints)
    drawn, arrows = "", ""
    for k, v in enumerate(vehicles):
        x, y = approach(v)
        turns = [turn for turn in v.turns if exit_of(v.arm, turn) != missing]
        turn = "straight" if v is tram else rng.choice(turns)
        if v is tram:
            # The tram's front stops where a car's would; on the short arms across the
            # picture it is drawn shorter so that its letter stays in sight.
            length = 150 if v.arm in "EW" else 110
            shift = (length / 2 - 31) * (-1 if v.arm in "WN" else 1)
            tx, ty = (x + shift, y) if v.arm in "EW" else (x, y + shift)
            drawn += t.tram(tx, ty, HEADING[v.arm], label=v.letter, length=length)
        else:
            kind = rng.random()
            long_room = v.arm in "EW" and not any(o.arm == v.arm and o.queue for o in vehicles)
            if kind < 0.18:
                drawn += t.moto(x, y, HEADING[v.arm], paints[k % len(paints)], label=v.letter)
            elif kind < 0.3 and long_room and v.queue == 0:
                drawn += t.truck(x + (30 if v.arm == "E" else -30), y, HEADING[v.arm], "#e9e9e9", label=v.letter,
                                 length=110)
            else:
                drawn += t.car(x, y, HEADING[v.arm], paints[k % len(paints)], label=v.letter,
                               lights={"right": "right", "left": "left"}.get(turn))
        if v.queue == 0:
            arrows += movement(v.arm, turn, (x, y))
    body += arrows + drawn + text(10, 350, str(number), 16, WHITE, anchor="start")
    return t.scene(body)
