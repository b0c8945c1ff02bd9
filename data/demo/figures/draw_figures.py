#!/usr/bin/env python3
"""Draws every figure of catalogue.tsv as NNN.svg into a folder.

    draw_figures.py CATALOGUE OUT_FOLDER

The last column of each catalogue line says what to draw ("P:curva_dx" a danger sign,
"S:sorpasso" a road situation, "C:NDA" a crossing...). Old drawings in the folder are
removed first, so the folder holds exactly the catalogue's figures."""

import os
import sys

# The drawing modules sit beside this script; keep the source folder free of caches.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import crossings  # noqa: E402
import indications  # noqa: E402
import scenes  # noqa: E402
import signs  # noqa: E402
import things  # noqa: E402


def drawing(code, number):
    kind, _, rest = code.partition(":")
    name, _, arg = rest.partition(":")
    if kind == "P":
        return signs.danger(name)
    if kind == "T":
        return signs.temporary(name)
    if kind == "D":
        return signs.prohibition(name, arg)
    if kind == "F":
        return signs.end_of(name, arg)
    if kind == "O":
        return signs.obligation(name, arg)
    if kind == "X":
        return signs.special(name)
    if kind == "I":
        return indications.indication(name)
    if kind == "PI":
        return indications.panel(name, arg)
    if kind == "L":
        return indications.light(name)
    if kind == "SP":
        return things.warning_light(name)
    if kind == "OG":
        return things.thing(name)
    if kind == "S":
        return scenes.scene(name)
    if kind == "C":
        return crossings.crossing(number, rest)
    raise ValueError(f"unknown drawing kind {kind!r}")


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("Uso: draw_figures.py CATALOGO CARTELLA\n")
        return 2
    catalogue, folder = argv[1], argv[2]
    os.makedirs(folder, exist_ok=True)
    for old in os.listdir(folder):
        if old.endswith(".svg"):
            os.remove(os.path.join(folder, old))
    with open(catalogue, encoding="utf-8") as f:
        for line_number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 7:
                sys.stderr.write(f"{catalogue}:{line_number}: servono 7 colonne, ce ne sono {len(fields)}\n")
                return 1
            number = int(fields[0])
            try:
                svg = drawing(fields[6], number)
            except (KeyError, ValueError) as error:
                sys.stderr.write(f"{catalogue}:{line_number}: disegno \"{fields[6]}\" sconosciuto ({error})\n")
                return 1
            with open(os.path.join(folder, f"{number:03d}.svg"), "w", encoding="utf-8") as out:
                out.write(svg)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
