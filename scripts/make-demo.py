#!/usr/bin/env python3
"""Writes the demo collection demo/Sammlung.kvd that ./run.sh opens.

Native file layout: "KOLV", version 1, entry count, then six length-prefixed
code page 1252 strings per entry (artist, title, year, disc id, tracks, notes).
"""
import struct
import sys

ENTRIES = [
    ("Die Ärzte", "Die Bestie in Menschengestalt", "1993", "A3F0C212", ["Schrei nach Liebe", "Mach die Augen zu", "Friedenspanzer"], "Erstpressung mit Aufkleber."),
    ("Herbert Grönemeyer", "Ö", "1988", "", ["Halt mich", "Was soll das?", "Komm zurück"], ""),
    ("Johann Sebastian Bach", "Goldberg-Variationen BWV 988", "1981", "7B2214C9", ["Aria", "Variatio 1", "Variatio 2", "Variatio 3 Canone all'Unisono", "Aria da capo"], "Studioaufnahme, Flügel.\r\nBooklet mit Werkeinführung."),
    ("Ludwig van Beethoven", "Symphonie Nr. 9 d-Moll op. 125", "1963", "", ["Allegro ma non troppo", "Molto vivace", "Adagio molto e cantabile", "Presto – Allegro assai"], "Live-Mitschnitt"),
    ("Wolfgang Amadeus Mozart", "Die Zauberflöte (Gesamtaufnahme)", "1964", "9C00A1F3", ["Ouvertüre", "Zu Hilfe! Zu Hilfe!", "Der Vogelfänger bin ich ja", "Dies Bildnis ist bezaubernd schön"], "2 CDs im Schuber"),
    ("Kraftwerk", "Trans Europa Express", "1977", "4D11E808", ["Europa Endlos", "Spiegelsaal", "Schaufensterpuppen", "Trans Europa Express"], ""),
    ("Kraftwerk", "Die Mensch-Maschine", "1978", "", ["Die Roboter", "Spacelab", "Metropolis", "Das Model", "Neonlicht", "Die Mensch-Maschine"], "Remaster"),
    ("Nena", "99 Luftballons", "1983", "", ["99 Luftballons", "Leuchtturm", "Nur geträumt"], ""),
    ("Rammstein", "Mutter", "2001", "B8F2210C", ["Mein Herz brennt", "Links 2-3-4", "Sonne", "Ich will", "Mutter"], "Digipak"),
    ("Udo Lindenberg", "Stärker als die Zeit", "2016", "", ["Durch die schweren Zeiten", "Stärker als die Zeit", "Einer muss den Job ja machen"], ""),
    ("Marlene Dietrich", "Lili Marleen", "1959", "", ["Lili Marleen", "Sag mir, wo die Blumen sind", "Ich bin von Kopf bis Fuß auf Liebe eingestellt"], "Schallplatte, 25 cm"),
    ("Comedian Harmonists", "Veronika, der Lenz ist da", "1930", "", ["Veronika, der Lenz ist da", "Mein kleiner grüner Kaktus", "Wochenend und Sonnenschein"], "Schellack-Überspielungen"),
    ("Fritz Überall & Band", "Straßenmusik", "2004", "", ["Auf der Straße", "Grüße aus Köln"], "Signiert nach dem Konzert in Köln."),
    ("Ärzte ohne Grenzen Chor", "Benefiz", "1999", "", [], ""),
    ("", "Ohne Interpret: Sampler der Woche", "1996", "", ["Stück 1", "Stück 2"], "Interpret unbekannt"),
    ("Anonymer Künstler", "", "", "", [], "Titel fehlt, Hülle beschädigt"),
    ("Zappa-Tribute", "Zoot Allures (Nachspiel)", "2011", "", ["Wind Up Workin' in a Gas Station", "Black Napkins"], ""),
    ("abba-Cover Band", "Waterloo (live)", "1999", "", ["Waterloo", "SOS"], "Kleinschreibung im Namen ist Absicht."),
    ("Élodie Façon", "Chansons d'été", "2008", "12AB34CD", ["Été", "À la plage", "Ça va"], "Französische Chansons"),
    ("Søren Ødegaard", "Nordlys", "2015", "", ["Nordlys", "Fjord"], ""),
    ("Hildegard von Bingen", "Ordo Virtutum", "1982", "", ["Procession", "Prologue"], "Mittelalterliche Musik"),
    ("Die Fantastischen Vier", "Lauschgift", "1995", "0F0F0F0F", ["Intro", "Sie ist weg", "Lauschgift"], ""),
    ("Peter Maffay", "Tabaluga oder Die Reise zur Vernunft", "1983", "", ["Tabaluga", "Nessaja"], "Kinderzimmer-Exemplar"),
    ("Reinhard Mey", "Über den Wolken", "1974", "", ["Über den Wolken", "Gute Nacht, Freunde"], ""),
    ("Max Raabe & Palast Orchester", "Kein Schwein ruft mich an", "1993", "", ["Kein Schwein ruft mich an", "Mein kleiner grüner Kaktus"], ""),
    ("Tangerine Dream", "Phaedra", "1974", "5E5E0101", ["Phaedra", "Mysterious Semblance at the Strand of Nightmares", "Movements of a Visionary", "Sequent C'"], "Langspielplatte und CD"),
    ("Various", "Bravo Hits 12", "1996", "", ["Titel " + str(n) for n in range(1, 21)], "Doppel-CD, 40 Titel (hier nur CD 1)"),
    ("Clara Schumann", "Klavierkonzert a-Moll", "2019", "", ["Allegro maestoso", "Romanze", "Finale"], "Neuerscheinung"),
    ("Einstürzende Neubauten", "Halber Mensch", "1985", "", ["Halber Mensch", "Yü-Gung", "Sehnsucht"], ""),
    ("Zülpicher Blaskapelle", "Blasmusik aus der Eifel", "1990", "", ["Eifel-Marsch", "Polka"], "Geschenk von Tante Grete\r\nHülle fehlt"),
]


def field(text):
    data = text.encode("cp1252")
    n = len(data)
    if n < 255:
        prefix = struct.pack("<B", n)
    elif n < 65534:
        prefix = b"\xff" + struct.pack("<H", n)
    else:
        prefix = b"\xff\xff\xff" + struct.pack("<I", n)
    return prefix + data


def main(path):
    out = b"KOLV" + struct.pack("<Ii", 1, len(ENTRIES))
    for artist, title, year, disc_id, tracks, notes in ENTRIES:
        for text in (artist, title, year, disc_id, "\r\n".join(tracks), notes):
            out += field(text)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "demo/Sammlung.kvd")
