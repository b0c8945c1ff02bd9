#!/usr/bin/env python3
"""Expands the readable sources of the demo question banks into the two bank files.

    make_banks.py SOURCES CATALOGUE OUTDIR NARRATION_LIST

SOURCES is the folder data/demo/banks (ab/NN.txt, am/NN.txt and traduzioni-segnali.tsv,
the French and German renderings of the sign meanings), CATALOGUE the figure
catalogue (number, kind, name, meaning, AB chapter, AM chapter; tab separated). Writes
OUTDIR/TAVRI.txt and OUTDIR/TAVRI_AM.txt, the records as UTF-8 text one a line, which
`tavri-bank encode` turns into the bank files, and NARRATION_LIST, the texts to record:
one line "relative path<TAB>Italian text" per narration file.

Source syntax, one directive per line (blank lines and lines starting with "#" are skipped):

    domanda [figura N] [lunga]   a new question stem; "lunga" keeps all its statements
    V text [|| français [|| deutsch]]   a true statement of the current stem
    F text [|| ...]                      a false one
    segnali SELECTION         one stem per catalogue sign of SELECTION ("AB2", "AM3", "AM3/AB8")
    modello                   the statements that follow are shared by the sign stems of the
                              "segnali" lines after them (each stem takes some, one alternative each)
    segnale N                 the statements that follow are added to the stem of sign N
    includi FILE [N]          the stems of another source file (only its first N)
    tabella COL;COL;...       a table: each following "riga v;v;..." makes one stem from the
                              V/F template lines after the rows ("<COL>" is the row's value,
                              "[<COL>|*]" is true for it and false for two other rows' values;
                              a column "figura" gives the stem's figure)

In a text, "{a|b}" gives one statement per alternative, all with the line's answer; on a
V line, "[right|wrong|wrong]" gives a true statement for the first choice and a false one
for each other (translations repeat the same choice with the same number of options).
In "modello" and "segnale" lines, "<significato>" is the sign's meaning and "<nome>" its name.

Every error is reported as FILE:LINE: reason, in Italian, and nothing is written.
"""
import os
import random
import re
import sys
import tempfile

AB_CHAPTERS = [531, 1193, 1714, 2147, 2390, 2650, 2903, 3506, 3687, 3950, 4206, 4341, 4720,
               5135, 5291, 5482, 5814, 5990, 6125, 6358, 6487, 6628, 6777, 6880, 7165]
AM_CHAPTERS = [252, 588, 865, 985, 1168, 1271, 1474, 1643, 1831, 2050]

# The stems of the revised AB exam: every statement of these stems carries the mark "R".
REVISED_GROUPS = """
12002 12004 12006 12008 12012 12016 12018 12019 12020 12023 12024 12025 12027 12029 12030
12035 12036 12038 12041 12043 12045 12046 12049 12051 12052
13001 13002 13003 13006 13007 13008 13009 13012 13014 13016 13025 13026 13027 13030 13031
13032 13034 13035 13037 13038 13041 13042 13043 14001 14002 14003 14005 14008 14009 14010
14012 14015 14016 14018 14020 14021 14023 14025 14026 14027 14028 14029 14031 14037 14038 14039
15001 15002 15003 15006 15007 15011 15012 15013 15014 15015 15016 15017 15018 15019
16001 16002 16003 16005 16010 16011 16013 16015 16018 16019 16020 16022 16023 16024 16025
16026 16027 16028 16029 16030 17001 17002 17003 17004 17006 17010 17011 17013 17014 17015
17016 17020 17021 17022 17023 17026 21001 21002 21003 21004 21005 21006 21007 21008 21010
21011 21013 21014 21015 22001 22002 22003 22004 22006 22008 22009 22010 22011 22012 22013
22014 22015
23002 23006 23007 23011 23012 23013 23014 23015 23016 23017 23018 23019 23020 23021 23022
23023 23024 23025 23026 23028 23029 23030 23031 23033
28001 28002 28003 28004 28013 28014 28015 28016 28017 29001 29002 29003 29004 29005 29006
29007 29008 29009
25001 25002 25003 25004 25005 25006 25007 25008 25009 25010 31002 31003 31004 31006 31008
31010 31011 31012 31013
26002 26005 26006 26007 26008 26009 27008 27010 27011 27012 27013 27014 27036 27039 27040
34001 34002 34003 34004 34005 34006 34007 34008 34009 34010 34011 34012 34013 34014 34015
32001 32002 32003 32004 32006 32007 32008 32020 32021
35001 35002 35003 35004 35005 35007 35008 35011 35012 35013 35015 35018 35019 35020 35021
35022 35023 35024 35025 35026 35028 35029
""".split()

# Ways of naming the picture of a sign stem. Each sign stem uses one, in turn, so that the
# statements that many stems share read differently from stem to stem.
SUBJECTS = {
    "segnale raffigurato": ["segnale raffigurato", "segnale in figura", "cartello raffigurato",
                            "cartello in figura", "segnale qui raffigurato", "cartello qui raffigurato",
                            "segnale stradale raffigurato", "segnale stradale in figura",
                            "segnale mostrato in figura", "cartello mostrato in figura"],
    "pannello raffigurato": ["pannello raffigurato", "pannello in figura", "pannello integrativo raffigurato",
                             "pannello integrativo in figura", "pannello qui raffigurato"],
    "segnaletica raffigurata": ["segnaletica raffigurata", "segnaletica in figura", "segnaletica qui raffigurata",
                                "segnaletica mostrata in figura"],
}

MAX_STEM = 14          # stems are cut to this length unless marked "lunga"
RECORDED_PER_CHAPTER = 4
SYNTHETIC_PER_CHAPTER = 1


class SourceError(Exception):
    pass


def fail(path, line, reason):
    raise SourceError("%s:%d: %s" % (path, line, reason))


class Statement:
    def __init__(self, answer, texts, origin):
        self.answer = answer
        self.texts = texts          # Italian, then optional French and German
        self.origin = origin        # (file, line) for messages


class Stem:
    def __init__(self, figure, long, origin):
        self.figure = figure
        self.long = long
        self.origin = origin
        self.statements = []


def split_top(text, sep):
    """Splits at sep outside of {} and []."""
    parts, depth, cur = [], 0, ""
    i = 0
    while i < len(text):
        c = text[i]
        if c in "{[":
            depth += 1
        elif c in "}]":
            depth -= 1
        if depth == 0 and text.startswith(sep, i):
            parts.append(cur)
            cur = ""
            i += len(sep)
            continue
        cur += c
        i += 1
    parts.append(cur)
    return parts


GROUP = re.compile(r"\{([^{}\[\]]*)\}")
CHOICE = re.compile(r"\[([^{}\[\]]*)\]")


def check_brackets(text, path, line):
    depth = 0
    for c in text:
        if c in "{[":
            depth += 1
            if depth > 1:
                fail(path, line, "parentesi annidate: {...} e [...] non si possono annidare")
        elif c in "}]":
            depth -= 1
            if depth < 0:
                fail(path, line, "parentesi chiusa senza la sua apertura")
    if depth:
        fail(path, line, "parentesi aperta e mai chiusa")


def expand_statement(answer, raw, path, line, fields):
    """One source line to its statements."""
    parts = [p.strip() for p in split_top(raw, "||")]
    if len(parts) > 3:
        fail(path, line, "al massimo tre testi: italiano || francese || tedesco")
    for p in parts:
        if not p:
            fail(path, line, "testo vuoto")
        check_brackets(p, path, line)
    italian = parts[0]
    for key, value in fields.items():
        italian = italian.replace("<%s>" % key, value)
    if "<" in italian or ">" in italian:
        fail(path, line, "segnaposto sconosciuto: si possono usare <significato> e <nome> solo nei segnali")
    choices = CHOICE.findall(italian)
    if len(choices) > 1:
        fail(path, line, "una sola scelta [...] per riga")
    translations = parts[1:]
    for t in translations:
        if GROUP.search(t):
            fail(path, line, "le alternative {...} si scrivono solo nel testo italiano")
        if len(CHOICE.findall(t)) != len(choices):
            fail(path, line, "la traduzione deve ripetere la scelta [...] del testo italiano")
    options = []
    if choices:
        if answer != "V":
            fail(path, line, "una scelta [giusta|sbagliata...] va solo su una riga V")
        options = [o.strip() for o in choices[0].split("|")]
        if len(options) < 2 or not all(options):
            fail(path, line, "una scelta [...] ha la risposta giusta e almeno una sbagliata")
        for t in translations:
            if len(CHOICE.search(t).group(1).split("|")) != len(options):
                fail(path, line, "la scelta tradotta ha un numero diverso di opzioni")
    variants = [italian]
    while True:
        expanded = []
        changed = False
        for v in variants:
            m = GROUP.search(v)
            if not m:
                expanded.append(v)
                continue
            changed = True
            alternatives = m.group(1).split("|")
            if len(alternatives) < 2:
                fail(path, line, "un gruppo {...} ha almeno due alternative")
            for a in alternatives:
                expanded.append(v[:m.start()] + a + v[m.end():])
        variants = expanded
        if not changed:
            break
    result = []
    for v in variants:
        if not choices:
            result.append(Statement(answer, [tidy(v)] + [tidy(t) for t in translations], (path, line)))
            continue
        for k, option in enumerate(options):
            texts = [tidy(CHOICE.sub(lambda _: option, v))]
            for t in translations:
                opts = [o.strip() for o in CHOICE.search(t).group(1).split("|")]
                texts.append(tidy(CHOICE.sub(lambda _: opts[k], t)))
            result.append(Statement("V" if k == 0 else "F", texts, (path, line)))
    for s in result:
        for t in s.texts:
            if "\t" in t:
                fail(path, line, "il testo contiene un carattere di tabulazione")
            try:
                t.encode("cp1252")
            except UnicodeEncodeError as e:
                fail(path, line, "il carattere \"%s\" non si può scrivere in Windows-1252" % t[e.start])
    return result


def tidy(text):
    """Single spaces, and a capital first letter: table values are written in lower case."""
    text = re.sub(r"\s+", " ", text).strip()
    return text[:1].upper() + text[1:]


def table_rows(path):
    """The (line number, columns) of a tab-separated UTF-8 file, without blank and "#" lines."""
    with open(path, encoding="utf-8") as f:
        for n, raw in enumerate(f, start=1):
            raw = raw.rstrip("\r\n")
            if raw.strip() and not raw.startswith("#"):
                yield n, raw.split("\t")


class Catalogue:
    def __init__(self, path):
        self.path = path
        self.entries = {}
        self.order = []
        for n, cols in table_rows(path):
            if not cols[0].strip().isdigit():
                if n == 1:
                    continue        # column headings
                fail(path, n, "il numero della figura non è un numero")
            if len(cols) < 6:
                fail(path, n, "servono le colonne numero, tipo, nome, significato, capitolo AB, capitolo AM")
            number = int(cols[0])
            if not 1 <= number <= 999:
                fail(path, n, "numero di figura fuori dall'intervallo 1-999")
            if number in self.entries:
                fail(path, n, "la figura %d compare due volte" % number)
            self.entries[number] = {"kind": cols[1].strip(), "name": cols[2].strip(),
                                    "meaning": cols[3].strip(),
                                    "AB": cols[4].strip(), "AM": cols[5].strip()}
            self.order.append(number)

    def signs(self, selection):
        """The signs of the chapters named as "AB2", "AM3" or both, "AM3/AB8"."""
        wanted = []
        for part in selection.split("/"):
            m = re.fullmatch(r"(AB|AM)(\d+)", part)
            if not m:
                return None
            wanted.append((m.group(1), m.group(2)))
        return [n for n in self.order if self.entries[n]["kind"] == "sign" and self.entries[n]["meaning"]
                and all(self.entries[n][category] == chapter for category, chapter in wanted)]


class SignTranslations:
    """French and German renderings of the catalogue's sign meanings, by figure number."""

    def __init__(self, path, catalogue):
        self.entries = {}
        if not os.path.exists(path):
            return
        for n, cols in table_rows(path):
            if len(cols) != 3 or not cols[0].isdigit() or not cols[1].strip() or not cols[2].strip():
                fail(path, n, "servono tre colonne: numero della figura, francese, tedesco")
            number = int(cols[0])
            if catalogue.entries.get(number, {}).get("kind") != "sign":
                fail(path, n, "la figura %d non è un segnale del catalogo" % number)
            if number in self.entries:
                fail(path, n, "la figura %d è tradotta due volte" % number)
            self.entries[number] = (cols[1].strip(), cols[2].strip())

    def statement(self, number):
        """The " || français || deutsch" tail of "Il segnale raffigurato indica ..." for a sign."""
        if number not in self.entries:
            return ""
        french, german = self.entries[number]
        german = ("Das abgebildete Zeichen zeigt an, " + german if german.startswith("dass ")
                  else "Das abgebildete Zeichen bedeutet: " + german)
        return " || Le panneau représenté indique %s || %s" % (french, german)


class ChapterSource:
    """The stems one source file gives, in order, including the files it includes."""

    def __init__(self, path, catalogue, translations, seen=()):
        self.path = path
        self.catalogue = catalogue
        self.translations = translations
        self.stems = []
        if path in seen:
            fail(path, 1, "il file include se stesso")
        seen = seen + (path,)
        try:
            with open(path, encoding="utf-8") as f:
                lines = f.read().split("\n")
        except OSError:
            fail(path, 1, "il file non si può leggere")
        except UnicodeDecodeError:
            fail(path, 1, "il file non è un testo UTF-8")
        stem = None
        mode = None                # "stem", "model", "sign", "table"
        model = []                 # (answer, raw, line) of the latest "modello"
        extras = {}                # sign number -> (line, [(answer, raw, line)])
        selections = []            # (selection, line)
        table = None
        for n, raw in enumerate(lines, start=1):
            text = raw.rstrip("\r").strip()
            if not text or text.startswith("#"):
                continue
            word, _, rest = text.partition(" ")
            rest = rest.strip()
            if mode == "table" and word not in ("V", "F", "riga"):
                self.stems.extend(self.table_stems(table))
                table = None
            if word == "domanda":
                stem = Stem(*self.stem_header(rest, n), origin=(path, n))
                self.stems.append(stem)
                mode = "stem"
            elif word in ("V", "F"):
                if not rest:
                    fail(path, n, "affermazione senza testo")
                if mode == "model":
                    model.append((word, rest, n))
                elif mode == "sign":
                    extras[current_sign][1].append((word, rest, n))
                elif mode == "table":
                    table["lines"].append((word, rest, n))
                elif mode == "stem":
                    stem.statements.extend(expand_statement(word, rest, path, n, {}))
                else:
                    fail(path, n, "affermazione prima di ogni \"domanda\"")
            elif word == "modello":
                if rest:
                    fail(path, n, "\"modello\" non vuole argomenti")
                model = []
                mode = "model"
            elif word == "segnale":
                if not rest.isdigit() or int(rest) not in catalogue.entries:
                    fail(path, n, "\"%s\" non è una figura del catalogo" % rest)
                current_sign = int(rest)
                extras.setdefault(current_sign, (n, []))
                mode = "sign"
            elif word == "segnali":
                if not rest:
                    fail(path, n, "\"segnali\" vuole il capitolo del catalogo")
                selections.append((rest, n, model, len(self.stems)))
                mode = None
            elif word == "tabella":
                columns = [c.strip() for c in rest.split(";")]
                if not rest or not all(columns) or len(set(columns)) != len(columns):
                    fail(path, n, "\"tabella\" vuole i nomi delle colonne, diversi, separati da \";\"")
                table = {"columns": columns, "rows": [], "lines": [], "line": n}
                mode = "table"
            elif word == "riga":
                if mode != "table":
                    fail(path, n, "\"riga\" fuori da una tabella")
                values = [v.strip() for v in rest.split(";")]
                if len(values) != len(table["columns"]) or not all(values):
                    fail(path, n, "la riga ha %d valori, la tabella %d colonne"
                         % (len(values), len(table["columns"])))
                row = dict(zip(table["columns"], values))
                if "figura" in row:
                    self.check_figure(row["figura"], n)
                table["rows"].append((row, n))
            elif word == "includi":
                name, _, limit = rest.partition(" ")
                limit = limit.strip()
                if not name or (limit and not limit.isdigit()):
                    fail(path, n, "si scrive \"includi FILE\" o \"includi FILE N\" (le prime N domande)")
                other = os.path.join(os.path.dirname(path), name)
                included = ChapterSource(other, catalogue, translations, seen).stems
                self.stems.extend(included[:int(limit)] if limit else included)
                mode = None
            elif len(word) == 1 and word.isalpha():
                fail(path, n, "la risposta dev'essere V o F, non \"%s\"" % word)
            else:
                fail(path, n, "riga non riconosciuta: \"%s\"" % word)
        if mode == "table":
            self.stems.extend(self.table_stems(table))
        for stem in self.stems:
            if stem.origin[0] == path and len(stem.statements) < 2:
                fail(path, stem.origin[1], "una domanda ha almeno due affermazioni")
        for selection, n, sign_model, position in reversed(selections):
            signs = catalogue.signs(selection)
            if signs is None:
                fail(path, n, "\"%s\" non è un capitolo: si scrive AB2, AM3 o AM3/AB8" % selection)
            if not signs:
                fail(path, n, "il catalogo non ha segnali del capitolo \"%s\"" % selection)
            self.stems[position:position] = self.sign_stems(signs, selection, sign_model, extras)
        for number, (line, _) in extras.items():
            if not any(s.figure == number for s in self.stems):
                fail(path, line, "la figura %d non è tra i segnali generati da questo file" % number)

    def check_figure(self, word, n):
        if not word.isdigit():
            fail(self.path, n, "il numero della figura non è un numero")
        figure = int(word)
        if figure and figure not in self.catalogue.entries:
            fail(self.path, n, "la figura %d non è nel catalogo" % figure)
        return figure

    def stem_header(self, rest, n):
        figure, long = 0, False
        words = rest.split()
        i = 0
        while i < len(words):
            if words[i] == "figura" and i + 1 < len(words):
                figure = self.check_figure(words[i + 1], n)
                i += 2
            elif words[i] == "lunga":
                long = True
                i += 1
            else:
                fail(self.path, n, "dopo \"domanda\" si scrive \"figura N\" o \"lunga\", non \"%s\"" % words[i])
        return figure, long

    def table_stems(self, table):
        """One stem per row; "[<col>|*]" is true for the row's value, false for other rows' values."""
        if not table["rows"] or not table["lines"]:
            fail(self.path, table["line"], "una tabella ha almeno una riga e un'affermazione")
        stems = []
        for row, n in table["rows"]:
            rng = random.Random("%s-%d" % (self.path, n))
            figure = int(row.get("figura", "0"))
            stem = Stem(figure, False, (self.path, n))
            for answer, raw, line in table["lines"]:
                chosen = {}

                def choice(m):
                    column = m.group(1)
                    if column not in row:
                        fail(self.path, line, "la tabella non ha la colonna \"%s\"" % column)
                    if column not in chosen:
                        own = row[column]
                        others = []
                        for other, _ in table["rows"]:
                            if other[column] != own and other[column] not in others:
                                others.append(other[column])
                        wrong = rng.sample(others, min(len(others), 2))
                        wrong += [w.strip() for w in m.group(2).split("|") if w.strip()]
                        if not wrong:
                            fail(self.path, line, "nessun valore sbagliato per la colonna \"%s\"" % column)
                        chosen[column] = "[" + "|".join([own] + wrong) + "]"
                    return chosen[column]

                text = re.sub(r"\[<([^<>\[\]|]+)>\|\*([^\[\]]*)\]", choice, raw)
                for column, value in row.items():
                    text = text.replace("<%s>" % column, value)
                stem.statements.extend(expand_statement(answer, text, self.path, line, {}))
            if len(stem.statements) < 2:
                fail(self.path, n, "la riga dà meno di due affermazioni")
            stems.append(stem)
        return stems

    def sign_stems(self, signs, selection, model, extras):
        stems = []
        for number in signs:
            entry = self.catalogue.entries[number]
            rng = random.Random("%s-%d" % (selection, number))
            fields = {"significato": entry["meaning"], "nome": entry["name"].lower()}
            stem = Stem(number, False, (self.path, 0))
            stem.statements.extend(expand_statement(
                "V", "Il segnale raffigurato {indica|segnala} " + entry["meaning"] + self.translations.statement(number),
                self.path, 0, {}))
            others = [n for n in signs if n != number
                      and self.catalogue.entries[n]["meaning"] != entry["meaning"]]
            for other in rng.sample(others, min(len(others), rng.randint(3, 4))):
                stem.statements.extend(expand_statement(
                    "F", "Il segnale raffigurato indica " + self.catalogue.entries[other]["meaning"]
                    + self.translations.statement(other), self.path, 0, {}))
            for answer, raw, line in extras.get(number, (0, []))[1]:
                stem.statements.extend(expand_statement(answer, raw, self.path, line, fields))
            room = max(0, rng.randint(12, MAX_STEM) - len(stem.statements))
            picked = rng.sample(model, min(room, len(model)))
            picked.sort(key=lambda item: item[2])
            for answer, raw, line in picked:
                stem.statements.append(rng.choice(expand_statement(answer, raw, self.path, line, fields)))
            for statement in stem.statements:
                statement.texts[0] = name_picture(statement.texts[0], len(stems))
            stems.append(stem)
        return stems


def name_picture(text, turn):
    """The Italian text with the picture named in the turn-th of its ways."""
    for phrase, forms in SUBJECTS.items():
        text = text.replace(phrase, forms[turn % len(forms)])
    return text


def fit(stems, count, where):
    """Cuts the stems to exactly count statements: longest stems first, then whole stems."""
    total = sum(len(s.statements) for s in stems)
    if total < count:
        raise SourceError("%s: servono %d affermazioni, le fonti ne danno %d" % (where, count, total))
    for s in stems:
        if not s.long and len(s.statements) > MAX_STEM:
            total -= len(s.statements) - MAX_STEM
            del s.statements[MAX_STEM:]
    if total < count:
        raise SourceError("%s: servono %d affermazioni, dopo il taglio a %d per domanda le fonti ne danno %d"
                          % (where, count, MAX_STEM, total))
    for floor in (8, 6, 4, 3, 2):
        while total > count:
            cuttable = [s for s in stems if not s.long and len(s.statements) > floor]
            if not cuttable:
                break
            longest = max(cuttable, key=lambda s: len(s.statements))
            drop_from(longest)
            total -= 1
    while total > count:
        last = stems[-1]
        if total - len(last.statements) >= count or len(last.statements) <= 2:
            stems.pop()
            total -= len(last.statements)
        else:
            drop_from(last)
            total -= 1
    if total < count:
        raise SourceError("%s: l'ultima domanda non si può accorciare fino a %d affermazioni" % (where, count))
    return stems


def drop_from(stem):
    """Removes the last statement of the answer that the stem has more of."""
    trues = sum(1 for s in stem.statements if s.answer == "V")
    majority = "V" if trues * 2 > len(stem.statements) else "F"
    for i in range(len(stem.statements) - 1, -1, -1):
        if stem.statements[i].answer == majority:
            del stem.statements[i]
            return


def check_figures(stems, where):
    """A paper takes up to three stems of a chapter, each with a figure of its own."""
    distinct = len({s.figure for s in stems if s.figure}) + sum(1 for s in stems if not s.figure)
    if distinct < 3:
        raise SourceError("%s: servono almeno tre domande con figure diverse o senza figura" % where)


def narration_tag(code, stem, statement):
    return "%02d%03d%03d001" % (code, stem, statement)


def build_bank(folder, chapters, code_offset, catalogue, translations, title, narration):
    records = [title]
    revised = set(REVISED_GROUPS) if code_offset else set()
    first = 1
    for chapter, last in enumerate(chapters, start=1):
        path = os.path.join(folder, "%02d.txt" % chapter)
        where = "%s (capitolo %d)" % (path, chapter)
        stems = fit(ChapterSource(path, catalogue, translations).stems, last - first + 1, where)
        if len(stems) > 999:
            raise SourceError("%s: più di 999 domande" % where)
        check_figures(stems, where)
        code = chapter + code_offset
        recorded = synthetic = 0
        for stem_number, stem in enumerate(stems, start=1):
            key = "%02d%03d" % (code, stem_number)
            if len(stem.statements) > 99:
                raise SourceError("%s:%d: una domanda ha al massimo 99 affermazioni" % stem.origin)
            mark = "R" if key in revised else " "
            for number, s in enumerate(stem.statements, start=1):
                tag = " " * 11
                if stem_number <= 2 and recorded < RECORDED_PER_CHAPTER and number % 2 == 1:
                    tag = narration_tag(code, stem_number, number)
                    narration.append(("it/%s/it_it_%s.mp3" % (tag[:3], tag), s.texts[0]))
                    recorded += 1
                elif stem_number == 3 and synthetic < SYNTHETIC_PER_CHAPTER:
                    narration.append(("audio voce sintetica/%s-%03d-%02d%s.mp3"
                                      % (format_vb_00(code - 10), stem_number, number, s.answer), s.texts[0]))
                    synthetic += 1
                records.append("%s %02d %03d %s %s  %s %s" % (key, number, stem.figure, s.answer, mark, tag,
                                                              "\t".join(s.texts)))
        first = last + 1
    return records


def format_vb_00(value):
    return "-%02d" % -value if value < 0 else "%02d" % value


def bank_text(records):
    return ("\n".join(records) + "\n").encode("utf-8")


def write_atomically(path, data):
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, tmp = tempfile.mkstemp(dir=folder, prefix=".tmp-")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        os.chmod(tmp, 0o644)
        os.replace(tmp, path)
    except BaseException:
        os.unlink(tmp)
        raise


def main(argv):
    if len(argv) != 5:
        sys.stderr.write("Uso: make_banks.py FONTI CATALOGO CARTELLA_USCITA ELENCO_NARRAZIONI\n")
        return 2
    sources, catalogue_path, outdir, narration_path = argv[1:]
    try:
        catalogue = Catalogue(catalogue_path)
        translations = SignTranslations(os.path.join(sources, "traduzioni-segnali.tsv"), catalogue)
        narration = []
        ab = build_bank(os.path.join(sources, "ab"), AB_CHAPTERS, 10, catalogue, translations,
                        "TAVRI - banca dimostrativa Patente A e B", narration)
        am = build_bank(os.path.join(sources, "am"), AM_CHAPTERS, 0, catalogue, translations,
                        "TAVRI - banca dimostrativa Patente AM", narration)
    except SourceError as e:
        sys.stderr.write("make_banks: %s\n" % e)
        return 1
    except OSError as e:
        sys.stderr.write("make_banks: %s: %s\n" % (e.filename, e.strerror))
        return 1
    outputs = [(os.path.join(outdir, "TAVRI.txt"), bank_text(ab)),
               (os.path.join(outdir, "TAVRI_AM.txt"), bank_text(am)),
               (narration_path, "".join("%s\t%s\n" % item for item in narration).encode("utf-8"))]
    for path, data in outputs:
        write_atomically(path, data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
