#!/usr/bin/env python3
"""KVTML both ways through KDE's own vocabulary library (the one KWordQuiz and Parley open files
with): every export is read back by it with every language, lesson and pair; documents it
writes, and the examples KWordQuiz ships, import to exactly the pairs it reads.

Usage: kde_test.py TOOL SOURCE_DIR WORK_DIR. Builds tests/kde in WORK_DIR; exits 77 (skipped)
when the library is missing."""
import atexit
import os
import shutil
import subprocess
import sys
import tempfile
import unicodedata

tool, source, work = sys.argv[1:4]
os.makedirs(work, exist_ok=True)
kde_build = os.path.join(work, "kde")
log = open(os.path.join(work, "kde.log"), "w")
if subprocess.call(["cmake", "-S", os.path.join(source, "tests", "kde"), "-B", kde_build],
                   stdout=log, stderr=log) != 0:
    print("KDE's vocabulary library (libkeduvocdocument-dev) is missing: skipped")
    sys.exit(77)
subprocess.check_call(["cmake", "--build", kde_build], stdout=log, stderr=log)
kde = os.path.join(kde_build, "kvtml_kde")
scratch = tempfile.mkdtemp()
atexit.register(shutil.rmtree, scratch, ignore_errors=True)
os.environ["XDG_RUNTIME_DIR"] = scratch
failures = []


def run(*arguments):
    return subprocess.run(list(arguments), check=True, capture_output=True, text=True).stdout


def ordlykta(data, *arguments):
    return run(tool, *arguments, "--data", data)


def kde_read(path):
    """The document as KDE's library reads it: languages, then (lesson, pairs) in its order."""
    languages, lessons = [], []
    for line in run(kde, "read", path).splitlines():
        kind, _, rest = line.partition("\t")
        if kind == "language":
            languages.append(rest)
        elif kind == "lesson":
            lessons.append((rest, []))
        else:
            lessons[-1][1].append(tuple(rest.split("\t")))
    return languages, [(name, pairs) for name, pairs in lessons if pairs]


def lists(data):
    """The language's lists that hold pairs, as `show` prints them: (name, pairs)."""
    result = []
    for line in ordlykta(data, "show", "--language", "1").splitlines():
        number, name, count = line.split("\t")
        if int(count):
            pairs = ordlykta(data, "show", "--language", "1", "--list", number).splitlines()
            result.append((name, [tuple(p.split("\t")[1:]) for p in pairs]))
    return result


def expect(what, actual, expected):
    if actual != expected:
        failures.append(f"{what}:\n  read:     {actual}\n  expected: {expected}")


# An export opens in KDE's library with every language name, lesson name and pair.
data = os.path.join(scratch, "export")
words = os.path.join(scratch, "words.csv")
with open(words, "w", encoding="utf-8") as f:
    f.write('Svenska,Tyska,Lista\nhund,Hund,Djur\nälg,Elch,Djur\n'
            '"säg ""hej""","sag „hallo“",Fraser\n"en, två",eins & zwei,Fraser\n'
            'smörgåsbordsförberedelserna,Vorbereitungen,Långa ord på trettio tecken!!\n')
ordlykta(data, "import", words, "--language", "1", "--list", "1")
export = os.path.join(scratch, "export.kvtml")
ordlykta(data, "export", "--language", "1", "--format", "kvtml", "--output", export)
languages, lessons = kde_read(export)
# Language 1 had its first name and no words: it takes the file's, "Tyska".
expect("the export's languages", languages, ["Svenska", "Tyska"])
expect("the export's lessons", lessons, lists(data))
expect("the export's first lesson", lessons[0],
       ("Djur", [("hund", "Hund"), ("älg", "Elch")]))

# A document KDE's library writes: several lessons, one inside another, entries outside every
# lesson (a list named after the title) and a word of 30 characters.
written = os.path.join(scratch, "written.kvtml")
run(kde, "write", written)
data = os.path.join(scratch, "written")
ordlykta(data, "import", written, "--language", "1", "--list", "1")
_, lessons = kde_read(written)
expected = [(name or "Tyska glosor", pairs) for name, pairs in lessons]
expected = [e for e in expected if e[0] != "Default Lesson"] + \
    [("Tyska glosor", p) for n, p in expected if n == "Default Lesson"]
expect("KDE's document", sorted(lists(data)), sorted(expected))


# KWordQuiz's examples: every pair KDE's library reads, as the import keeps it (words cut to
# 30 characters, rows with an empty side left out on the user's say).
def kept(word):
    return unicodedata.normalize("NFC", word).strip()[:30].strip()


examples = os.path.join(source, "tests", "fixtures", "kwordquiz")
for name in sorted(os.listdir(examples)):
    if not name.endswith(".kvtml"):
        continue
    path = os.path.join(examples, name)
    data = os.path.join(scratch, name)
    ordlykta(data, "import", path, "--language", "1", "--list", "1", "--cut", "--skip-bad-rows")
    _, lessons = kde_read(path)
    read = sorted((kept(a), kept(b)) for _, pairs in lessons for a, b in pairs
                  if kept(a) and kept(b))
    imported = sorted(p for _, pairs in lists(data) for p in pairs)
    expect(name, imported, read)
    if not read:
        failures.append(f"{name}: KDE's library read no pairs")

# A list KWordQuiz saved itself, its Swedish in the second column and its unused rows empty:
# imported with no option, its pairs as KDE's library reads them, the Swedish word first, in a
# new list named after the file.
saved = os.path.join(source, "tests", "fixtures", "kwordquiz-saved", "glosor v12.kvtml")
data = os.path.join(scratch, "saved")
ordlykta(data, "import", saved)
languages, lessons = kde_read(saved)
expect("KWordQuiz's languages", languages, ["Tyska", "Svenska"])
expect("KWordQuiz's list", lists(data),
       [("glosor v12", [(b, a) for _, pairs in lessons for a, b in pairs if a and b])])

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
