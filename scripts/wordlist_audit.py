#!/usr/bin/env python3
"""Draws the word-list audit sample: the solution words of boards dealt as a player sees them.

    python3 scripts/wordlist_audit.py [--solve build/bin/vocari-solve] [--dict build/data/Base3.txt]
                                      [--boards 1000] [--words 300] [--seed 20]

Deals BOARDS boards with `vocari-solve --deal` (seeded), solves each with `vocari-solve --dict`,
and draws WORDS of all the solution occurrences at random without putting back, with a fixed seed:
a word on many boards is drawn more often, as a player meets it more often. Prints one line per
drawn word, in the order drawn: the word and on how many of the boards it is a solution. Also
prints, on standard error, the words per board and how many of them have 2 or 3 letters.
"""
import argparse
import random
import subprocess
import sys


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--solve", default="build/bin/vocari-solve")
    p.add_argument("--dict", default="build/data/Base3.txt")
    p.add_argument("--boards", type=int, default=1000)
    p.add_argument("--words", type=int, default=300)
    p.add_argument("--seed", type=int, default=20)
    a = p.parse_args()
    boards = subprocess.run([a.solve, "--deal", str(a.boards), "--seed", str(a.seed)],
                            check=True, capture_output=True, text=True).stdout
    solved = subprocess.run([a.solve, "--dict", a.dict], input=boards,
                            check=True, capture_output=True, text=True).stdout.splitlines()
    occurrences = [w for line in solved for w in line.split()]
    boardsOf = {}
    for w in occurrences:
        boardsOf[w] = boardsOf.get(w, 0) + 1
    short = sum(1 for w in occurrences if len(w) <= 3)
    print(f"{len(solved)} boards, {len(occurrences) / max(1, len(solved)):.2f} words a board, "
          f"{100 * short / max(1, len(occurrences)):.1f} % of them of 2 or 3 letters", file=sys.stderr)
    for w in random.Random(a.seed).sample(occurrences, a.words):
        print(w, boardsOf[w])


if __name__ == "__main__":
    main()
