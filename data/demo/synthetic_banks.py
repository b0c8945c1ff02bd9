#!/usr/bin/env python3
"""Writes plain synthetic bank texts (UTF-8, one record a line) that fill every chapter."""
import sys

AB = [531, 1193, 1714, 2147, 2390, 2650, 2903, 3506, 3687, 3950, 4206, 4341, 4720,
      5135, 5291, 5482, 5814, 5990, 6125, 6358, 6487, 6628, 6777, 6880, 7165]
AM = [252, 588, 865, 985, 1168, 1271, 1474, 1643, 1831, 2050]


def bank(lasts, offset, title):
    lines = [title]
    first = 1
    for chapter, last in enumerate(lasts, start=1):
        for i in range(first, last + 1):
            stem = (i - first) // 4 + 1
            statement = (i - first) % 4 + 1
            answer = "V" if i % 2 else "F"
            code = "%02d%03d %02d" % (chapter + offset, stem, statement)
            lines.append("%s 000 %s R              Affermazione %d del capitolo %d" % (code, answer, i, chapter))
        first = last + 1
    return "\n".join(lines) + "\n"


with open(sys.argv[1], "w", encoding="utf-8") as f:
    f.write(bank(AB, 10, "TAVRI banca sintetica AB"))
with open(sys.argv[2], "w", encoding="utf-8") as f:
    f.write(bank(AM, 0, "TAVRI banca sintetica AM"))
