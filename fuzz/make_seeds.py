#!/usr/bin/env python3
"""Writes the seed corpus of fuzz_screens: inputs that decode into real data files (new, full,
damaged) followed by user actions that visit every screen."""
import os
import sys

NONE, RAW, NEW = 0, 1, 2
TRUNCATED = 4


def settings(kind, patches=(), raw=b""):
    if kind == RAW:
        return bytes([RAW, len(raw)]) + raw
    if kind == NONE:
        return bytes([NONE])
    out = bytes([NEW, len(patches)])
    for offset, value in patches:
        out += bytes([offset, value])
    return out


def word_list(kind, fills=(), patches=(), raw=b"", cut=0):
    if kind == NONE:
        return bytes([NONE])
    if kind == RAW:
        return bytes([RAW]) + len(raw).to_bytes(2, "big") + raw
    out = bytes([kind, len(fills)])
    for lst, count in fills:
        out += bytes([lst, count])
    out += bytes([len(patches)])
    for record, offset, data in patches:
        out += record.to_bytes(2, "big") + bytes([offset, len(data)]) + data
    if kind == TRUNCATED:
        out += cut.to_bytes(3, "big")
    return out


def text(s):
    b = s.encode("cp1252")
    return bytes([len(b)]) + b


# User actions (the first byte of each chooses it; see fuzz_screens.cpp).
LANGUAGE, LIST, RENAME_LANGUAGE, RENAME_LIST, EDITOR, LEARN, QUIZ, INFO, COUNTERS, EXIT = range(10)


def editor_session(steps):
    return bytes([EDITOR, len(steps)]) + b"".join(steps)


def editor_type(sv, other):
    return bytes([0]) + text(sv) + text(other)


SAVE, INSERT, REMOVE = bytes([1]), bytes([2]), bytes([3])


def select(row):
    return bytes([4, row])


def learn(random, presses):
    return bytes([LEARN, 1 if random else 0, presses])


def quiz(random, steps):
    return bytes([QUIZ, 1 if random else 0, len(steps) - 1]) + b"".join(steps)


def answer(word):
    return bytes([1]) + text(word)


NEXT = bytes([2])


def click_row(row):
    return bytes([0, row])


everything = (
    editor_session([editor_type("hus", "house"), SAVE, editor_type("katt", "cat"), SAVE,
                    select(0), editor_type("[ala", "{a"), INSERT, bytes([1]), select(1), REMOVE,
                    bytes([1])])
    + learn(False, 9)
    + quiz(False, [answer("house"), answer("Cat"), NEXT, click_row(0), click_row(1), NEXT,
                   bytes([1]), answer("cat"), NEXT])
    + learn(True, 25)
    + quiz(True, [NEXT] * 12 + [click_row(3), NEXT, bytes([1])] + [NEXT] * 12)
    + bytes([INFO, 6, 1, 1, 1, 1, 0, 0])
    + bytes([LANGUAGE, 1, 1]) + bytes([LIST, 4]) + bytes([RENAME_LANGUAGE, 0]) + text("Engelska")
    + bytes([RENAME_LIST, 0]) + text("Djur och natur") + bytes([COUNTERS])
    + bytes([EXIT, 0])
)

seeds = {
    "first-start": b"",
    "first-start-actions": settings(NONE) + word_list(NONE) * 3 + everything,
    "full-lists": settings(NEW) + word_list(NEW, [(1, 99), (2, 12), (98, 5), (0, 40), (99, 40)])
    + word_list(NEW, [(3, 10)]) + word_list(NONE) + everything,
    "language-two": settings(NEW, [(0, 2), (8, 3)]) + word_list(NONE)
    + word_list(NEW, [(3, 11)]) + word_list(NONE) + everything,
    "counts-out-of-range": settings(NEW) + word_list(NEW, [(1, 200), (2, 255), (5, 3)],
                                                     [(300, 0, b"\xff\xff\xff\xff"),
                                                      (400, 3, b"\x80")]) + word_list(NONE) * 2
    + everything,
    "long-length-bytes": settings(NEW, [(16, 200), (47, 31)]) + word_list(
        NEW, [(1, 4)], [(100, 4, b"\xee"), (101, 4, b"\xff"), (101, 35, b"\x40")])
    + word_list(NONE) * 2 + everything,
    "settings-out-of-range": settings(NEW, [(0, 7), (4, 200), (5, 1), (8, 0)])
    + word_list(NEW, [(1, 3)]) + word_list(NONE) * 2 + everything,
    "short-settings": settings(RAW, raw=b"\x01\x00\x00\x00" * 5) + word_list(NEW, [(1, 3)])
    + word_list(NONE) * 2 + everything,
    "cut-word-list": settings(NEW) + word_list(TRUNCATED, [(1, 20), (2, 20)], cut=100 * 68 + 30)
    + word_list(NONE) * 2 + everything,
    "raw-word-list": settings(NEW) + word_list(RAW, raw=b"\x05" * 500) + word_list(NONE) * 2
    + everything,
}

folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "seeds")
os.makedirs(folder, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
