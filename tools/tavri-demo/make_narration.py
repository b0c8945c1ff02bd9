#!/usr/bin/env python3
"""Records the demo narration: each statement read by espeak-ng's Italian voice and
encoded to MP3 with lame (-t: no Xing/LAME frame).

    make_narration.py LIST FOLDER MANIFEST

LIST has one line "relative path<TAB>text" per file. Only files that are missing or whose
text changed since the last run (kept in MANIFEST) are recorded again; files of earlier
runs that are no longer listed are removed. Each file is written under a temporary name
and renamed into place.
"""
import concurrent.futures
import hashlib
import os
import subprocess
import sys
import tempfile

# The "recorded" narration and the program's synthetic voice sound a little different.
VOICES = {"it/": ["-v", "it", "-s", "150"], "audio voce sintetica/": ["-v", "it", "-s", "165", "-p", "65"]}


def voice_for(path):
    for prefix, options in VOICES.items():
        if path.startswith(prefix):
            return options
    return VOICES["it/"]


def read_table(path):
    table = {}
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for n, line in enumerate(f, start=1):
                line = line.rstrip("\n")
                if not line:
                    continue
                if "\t" not in line:
                    raise ValueError("%s:%d: manca la tabulazione tra percorso e testo" % (path, n))
                key, value = line.split("\t", 1)
                table[key] = value
    return table


def record(folder, path, text):
    target = os.path.join(folder, path)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        wav = os.path.join(work, "voice.wav")
        mp3 = os.path.join(work, "voice.mp3")
        subprocess.run(["espeak-ng"] + voice_for(path) + ["-w", wav, text], check=True)
        subprocess.run(["lame", "-t", "--quiet", "-b", "64", wav, mp3], check=True)
        fd, tmp = tempfile.mkstemp(dir=os.path.dirname(target), prefix=".tmp-")
        with os.fdopen(fd, "wb") as out, open(mp3, "rb") as src:
            out.write(src.read())
        os.chmod(tmp, 0o644)
        os.replace(tmp, target)


def digest(text):
    return hashlib.sha1(text.encode("utf-8")).hexdigest()


def main(argv):
    if len(argv) != 4:
        sys.stderr.write("Uso: make_narration.py ELENCO CARTELLA MANIFESTO\n")
        return 2
    listing, folder, manifest_path = argv[1:]
    try:
        wanted = read_table(listing)
        done = read_table(manifest_path)
    except (OSError, ValueError) as e:
        sys.stderr.write("make_narration: %s\n" % e)
        return 1
    for path in set(done) - set(wanted):
        try:
            os.remove(os.path.join(folder, path))
        except FileNotFoundError:
            pass
    todo = [(p, t) for p, t in wanted.items()
            if done.get(p) != digest(t) or not os.path.exists(os.path.join(folder, p))]
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        futures = {pool.submit(record, folder, p, t): p for p, t in todo}
        failed = {}
        for future in concurrent.futures.as_completed(futures):
            try:
                future.result()
            except (OSError, subprocess.CalledProcessError) as e:
                failed[futures[future]] = e
    recorded = {p: digest(t) for p, t in wanted.items() if p not in failed}
    for path, error in sorted(failed.items()):
        sys.stderr.write("make_narration: %s: %s\n" % (path, error))
    fd, tmp = tempfile.mkstemp(dir=os.path.dirname(os.path.abspath(manifest_path)), prefix=".tmp-")
    with os.fdopen(fd, "w", encoding="utf-8") as f:
        for p in sorted(recorded):
            f.write("%s\t%s\n" % (p, recorded[p]))
    os.replace(tmp, manifest_path)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
