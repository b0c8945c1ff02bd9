#!/usr/bin/env python3
"""Writes the speed-limit question file from its readable source.

    make_speed_limits.py SOURCE OUT

SOURCE (UTF-8) holds one question a line, "CC VVV text": the category 01-16, the right
speed in km/h (one of the speeds that has a sign on the exercise screen) and the Italian
text, where "$" starts a new line on the screen. Blank lines and lines starting with "#"
are skipped. OUT gets one line per question in the program's layout: the category in
positions 1-2, a sequence number in 4-5, the speed in 7-9 and the text from position 11,
Windows-1252 with CR LF. Every error is reported as FILE:LINE: reason, and nothing is
written.
"""
import os
import re
import sys
import tempfile

SPEEDS = {15, 40, 45, 50, 70, 80, 90, 100, 110, 130, 150}
CATEGORIES = 16
MAX_BYTES = 32768
LINE = re.compile(r"(\d\d) (\d\d\d) (.*)")


class SourceError(Exception):
    pass


def parse(path):
    questions = []
    closed = set()
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for n, raw in enumerate(lines, start=1):
        raw = raw.rstrip("\r")
        if not raw.strip() or raw.startswith("#"):
            continue
        m = LINE.fullmatch(raw)
        if not m:
            raise SourceError("%s:%d: la riga non è nella forma \"CC VVV testo\"" % (path, n))
        category, speed, text = int(m.group(1)), int(m.group(2)), m.group(3).strip()
        if not 1 <= category <= CATEGORIES:
            raise SourceError("%s:%d: la categoria %02d non esiste (01-%02d)" % (path, n, category, CATEGORIES))
        if speed not in SPEEDS:
            raise SourceError("%s:%d: nessun cartello per la velocità %d km/h" % (path, n, speed))
        if not text:
            raise SourceError("%s:%d: domanda senza testo" % (path, n))
        if "\t" in text:
            raise SourceError("%s:%d: il testo contiene un carattere di tabulazione" % (path, n))
        try:
            text.encode("cp1252")
        except UnicodeEncodeError as e:
            raise SourceError("%s:%d: il carattere \"%s\" non si può scrivere in Windows-1252"
                              % (path, n, text[e.start]))
        if questions and questions[-1][0] != category:
            closed.add(questions[-1][0])
        if category in closed:
            raise SourceError("%s:%d: le domande della categoria %02d devono essere consecutive" % (path, n, category))
        questions.append((category, speed, text))
    missing = sorted(set(range(1, CATEGORIES + 1)) - {q[0] for q in questions})
    if missing:
        raise SourceError("%s: mancano le domande delle categorie %s" % (path, ", ".join("%02d" % c for c in missing)))
    return questions


def encode(questions):
    out = []
    number = 0
    for i, (category, speed, text) in enumerate(questions):
        number = number + 1 if i and questions[i - 1][0] == category else 1
        out.append("%02d %02d %03d %s\r\n" % (category, number, speed, text))
    return "".join(out).encode("cp1252")


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("Uso: make_speed_limits.py FONTE USCITA\n")
        return 2
    try:
        data = encode(parse(argv[1]))
        if len(data) > MAX_BYTES:
            raise SourceError("%s: il file risultante ha %d byte, il massimo è %d" % (argv[1], len(data), MAX_BYTES))
    except SourceError as e:
        sys.stderr.write("make_speed_limits: %s\n" % e)
        return 1
    except (OSError, UnicodeDecodeError) as e:
        sys.stderr.write("make_speed_limits: %s: %s\n" % (argv[1], e))
        return 1
    folder = os.path.dirname(os.path.abspath(argv[2]))
    fd, tmp = tempfile.mkstemp(dir=folder, prefix=".tmp-")
    with os.fdopen(fd, "wb") as f:
        f.write(data)
    os.chmod(tmp, 0o644)
    os.replace(tmp, argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
