#!/usr/bin/env python3
"""The print flow's collection and its check of what the printer received.

  printed.py make OUT.kvd                 the flow's collection (300 entries)
  printed.py check JOB.ps JOB.pdf KVD HEADING COPIES [ROW ...]
      "PASS what" or "FAIL what" per check of the job against KVD's entries
      (or the rows named); geometry from the PostScript, texts from the PDF.
"""
import html
import math
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kvd  # noqa: E402

LONG_ARTIST = "Interpret 003 mit einem ausgesprochen langen Namen, " \
              "der auf einer Seite nie und nimmer in seine Spalte passen wird"


# A text too long for its column, an empty title, umlauts, an empty year.
SPECIAL = {3: (LONG_ARTIST, "Titel 003", "1952"), 4: ("Interpret 004", "", "1953"),
           7: ("Die \u00c4rzte 007", "Ger\u00e4usch", "1956"), 9: ("Interpret 009", "Titel 009", "")}


def make(path):
    entries = [SPECIAL.get(n, (f"Interpret {n:03d}", f"Titel {n:03d}", str(1950 + (n - 1) % 70)))
               for n in range(1, 301)]
    with open(path, "wb") as f:
        f.write(kvd.serialize([[f.encode("cp1252") for f in e + ("", "", "")] for e in entries]))


def ps_geometry(ps):
    """Resolution, page size and per page the text boxes (x, y, w, h)."""
    text = open(ps, encoding="latin-1").read()
    res = int(re.search(r"^72 (\d+) div 72 \1 div scale$", text, re.M).group(1))
    llx, lly, urx, ury = map(int, re.search(r"^%%BoundingBox: (\d+) (\d+) (\d+) (\d+)$", text, re.M).groups())
    ty = int(re.search(r"^\d+ (\d+) translate$", text, re.M).group(1))
    pages = []
    for page in re.split(r"^%%Page: ", text, flags=re.M)[1:]:
        boxes = re.findall(r"^gsave\n(\d+) (\d+) moveto\n(\d+) 0 rlineto\n0 (\d+) rlineto$", page, re.M)
        pages.append([tuple(map(int, b)) for b in boxes])
    # The printable area in the driver's units: its top edge is the origin.
    height = ty - round(lly * res / 72)
    width = round((urx - llx) * res / 72)
    return res, width, height, pages


def pdf_rows(pdf):
    """Per page the lines, each its columns (words closer than 4 pt)."""
    bbox = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, check=True,
                          text=True).stdout
    pages = []
    for page in re.findall(r"<page [^>]*>(.*?)</page>", bbox, re.S):
        words = [(float(y0), float(x0), float(x1), w) for x0, y0, x1, _, w in
                 re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>', page)]
        # One line: tops less than a third of a line apart.
        lines = []
        for y0, x0, x1, w in sorted(words):
            if not lines or y0 - lines[-1][0] > 3:
                lines.append((y0, []))
            lines[-1][1].append((x0, x1, unescape(w)))
        rows = []
        for _, line_words in lines:
            columns, last_end = [], -99
            for x0, x1, w in sorted(line_words):
                if x0 - last_end > 4:
                    columns.append(w)
                else:
                    columns[-1] += " " + w
                last_end = x1
            rows.append(columns)
        pages.append(rows)
    return pages


def unescape(word):
    # Wine's PostScript driver names the hyphen's glyph after the soft hyphen.
    return html.unescape(word).replace("\u00ad", "-")


def printed_form(entry):
    return [f.decode("cp1252") or "<ohne>" for f in entry[:3]]


def check(ps, pdf, kvd_path, heading, copies, rows):
    results = []

    def report(ok, what):
        results.append(("PASS " if ok else "FAIL ") + what)

    entries = [printed_form(e) for e in kvd.read(kvd_path)]
    if rows:
        entries = [entries[int(r)] for r in rows]
    res, width, height, boxes = ps_geometry(ps)
    pages = pdf_rows(pdf)
    report(len(pages) == len(boxes) and len(pages) > 0,
           f"the PDF has the pages the printer received ({len(pages)})")

    # The layout rule: margin = heading top, line height = a text box's height;
    # the entries begin two lines below the heading.
    margin, line = boxes[0][0][1], boxes[0][0][3]
    per_page = max(1, math.ceil((height - 2 * margin - 2 * line) / line))
    n = len(entries)
    expected = [entries[start:start + per_page] for start in range(0, n, per_page)] * copies
    report(len(pages) == len(expected),
           f"{copies} cop{'y' if copies == 1 else 'ies'} of {n} entries at {per_page} a page "
           f"(page height {height}, margin {margin}, line {line} at {res} dpi) "
           f"make {len(expected)} pages (got {len(pages)})")
    report(all(p and p[0] == [heading] for p in pages), f'every page begins with the heading "{heading}"')

    bad = [f"page {i + 1}: {page[1:]} for {want}"
           for i, (page, want) in enumerate(zip(pages, expected + [[]] * len(pages)))
           if len(page[1:]) != len(want) or not all(map(matches, page[1:], want))]
    report(not bad, "every page holds the next entries in list order, three columns each"
           + (f" ({bad[0][:300]})" if bad else ""))

    # Columns at fixed places: every entry line's texts start at the same x.
    xs = {tuple(b[0] for b in page_boxes[1 + 3 * k:4 + 3 * k])
          for page_boxes in boxes for k in range((len(page_boxes) - 1) // 3)}
    report(len(xs) == 1, f"the three columns start at the same place on every line ({sorted(xs)[:2]})")
    centres = {b[0][0] * 2 + b[0][2] for b in boxes}  # twice the centre
    report(len(centres) == 1 and abs(min(centres) - width) <= 10,
           f"the heading is centred on every page ({min(centres) / 2} of {width})")

    # The entries of SPECIAL, where printed: each shows one rule.
    artists = {e[0] for e in entries}
    for artist, start, ok, what in (
            (LONG_ARTIST, "Interpret 003",
             lambda r: r[0].endswith("...") and len(r[0]) < len(LONG_ARTIST) and LONG_ARTIST.startswith(r[0][:-3]),
             "the long artist is cut to its column with ..."),
            ("Interpret 004", "Interpret 004", lambda r: r[1] == "<ohne>", "the empty title prints <ohne>"),
            ("Die \u00c4rzte 007", "Die ", lambda r: r == ["Die \u00c4rzte 007", "Ger\u00e4usch", "1956"],
             "umlauts print as they are")):
        if artist in artists:
            r = next((r for page in pages for r in page[1:] if r and r[0].startswith(start)), None)
            report(r is not None and ok(r), f"{what} ({r})")
    return results


def matches(got, want):
    # A text too wide for its column is cut and ends with "...".
    return got == want or len(got) == 3 and all(
        g == w or g.endswith("...") and w.startswith(g[:-3]) and len(g) - 3 < len(w) for g, w in zip(got, want))


def main(args):
    if args[0] == "make":
        make(args[1])
    else:
        ps, pdf, kvd_path, heading, copies = args[1:6]
        print("\n".join(check(ps, pdf, kvd_path, heading, int(copies), args[6:])))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
