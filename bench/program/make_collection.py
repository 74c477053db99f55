#!/usr/bin/env python3
"""Writes a collection file (.kvd) of COUNT entries as a real catalogue has
them, the same for the same count: artists and titles of a few words (some
with umlauts), a year, a disc id, a dozen track lines and now and then notes,
about 270 bytes an entry.

  make_collection.py COUNT PATH
"""
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "e2e"))
import kvd  # noqa: E402  the file format, shared with the end-to-end flows

FIRST = ["Johann", "Anna", "Ludwig", "Clara", "Franz", "Hildegard", "Jürgen", "Ute",
         "Miles", "Nina", "Björk", "Ólafur", "Zoë", "Kurt", "Marlene", "Udo", "Nena",
         "Herbert", "Maria", "Dietrich", "Gérard", "Søren", "Ella", "John"]
LAST = ["Bach", "Schumann", "Beethoven", "Schubert", "von Bingen", "Müller", "Lemper",
        "Davis", "Simone", "Guðmundsdóttir", "Arnalds", "Weill", "Dietrich", "Lindenberg",
        "Grönemeyer", "Karajan", "Callas", "Fischer-Dieskau", "Östlund", "Fitzgerald",
        "Coltrane", "Zappa", "Ärzte", "Kraftwerk"]
WORDS = ["Nacht", "Sonate", "Lieder", "Reise", "Winter", "Sommer", "Blues", "Konzert",
         "Fuge", "Präludium", "Träume", "Straße", "Übergang", "Himmel", "Meer", "Stadt",
         "Live", "Sessions", "Best", "of", "in", "der", "am", "und", "Suite", "Nr.",
         "Kammermusik", "Variationen", "Étude", "Romanze", "Ballade", "Walzer"]
NOTES = ["Gekauft auf dem Flohmarkt, Hülle leicht beschädigt.",
         "Erstpressung.\r\nSeite B knistert ein wenig.",
         "Geschenk von Tante Ilse.",
         "Verliehen an Max (März).",
         "Remastered; Beiheft mit Texten."]


def text(rng, words):
    return " ".join(rng.choice(WORDS) for _ in range(words))


def entry(rng):
    artist = rng.choice(FIRST) + " " + rng.choice(LAST)
    if rng.random() < 0.1:
        artist = "Die " + rng.choice(LAST)
    title = text(rng, rng.randint(1, 4))
    year = str(rng.randint(1950, 2024)) if rng.random() < 0.9 else ""
    disc_id = "%08x" % rng.getrandbits(32) if rng.random() < 0.7 else ""
    tracks = "\r\n".join("%d. %s (%d:%02d)" % (n, text(rng, rng.randint(1, 2)),
                                              rng.randint(1, 9), rng.randint(0, 59))
                         for n in range(1, rng.randint(6, 14) + 1))
    notes = rng.choice(NOTES) if rng.random() < 0.3 else ""
    return [artist, title, year, disc_id, tracks, notes]


def main(count, path):
    rng = random.Random(count)
    entries = [[value.encode("cp1252") for value in entry(rng)] for _ in range(count)]
    with open(path, "wb") as out:
        out.write(kvd.serialize(entries))


if __name__ == "__main__":
    main(int(sys.argv[1]), sys.argv[2])
