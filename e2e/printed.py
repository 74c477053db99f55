#!/usr/bin/env python3
"""The print flow's collection and its check of what the printer received.

  printed.py make OUT.kvd                 the flow's collection (300 entries)
  printed.py check JOB.ps JOB.pdf KVD HEADING COPIES [ROW ...]
      checks the printed job page by page against the entries of KVD (or
      only the rows named, as positions into the entries in the order given)
      and prints one line "PASS what" or "FAIL what" per check.

Geometry (page height, margin, line height, in device units) comes from the
PostScript the printer received; the texts from the PDF made of it, through
pdftotext, as a person would read the paper.
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


def make(path):
    entries = []
    for i in range(300):
        n = i + 1
        artist, title, year = f"Interpret {n:03d}", f"Titel {n:03d}", str(1950 + i % 70)
        if n == 3:
            artist = LONG_ARTIST
        if n == 4:
            title = ""
        if n == 7:
            artist, title = "Die \u00c4rzte 007", "Ger\u00e4usch"
        if n == 9:
            year = ""
        entries.append([f.encode("cp1252") for f in (artist, title, year, "", "", "")])
    with open(path, "wb") as f:
        f.write(kvd.serialize(entries))


def ps_geometry(ps):
    """Resolution, page height, and per page the text boxes (x, y, w, h) in
    device units, as the printer driver wrote them."""
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
    """Per page the lines of text, each a list of its column texts (words
    closer than 4 pt belong to one column)."""
    bbox = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, check=True,
                          text=True).stdout
    pages = []
    for page in re.findall(r"<page [^>]*>(.*?)</page>", bbox, re.S):
        words = [(float(y0), float(x0), float(x1), w) for x0, y0, x1, _, w in
                 re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>', page)]
        # Words of one line: their tops differ by less than a third of a line
        # (a glyph such as "\u00d8" can raise a word's top a little).
        lines = []
        for y0, x0, x1, w in sorted(words):
            if not lines or y0 - lines[-1][0] > 3:
                lines.append((y0, []))
            lines[-1][1].append((x0, x1, unescape(w)))
        rows = []
        for _, line_words in lines:
            columns, last_end = [], None
            for x0, x1, w in sorted(line_words):
                if last_end is None or x0 - last_end > 4:
                    columns.append(w)
                else:
                    columns[-1] += " " + w
                last_end = x1
            rows.append(columns)
        pages.append(rows)
    return pages


def unescape(word):
    word = html.unescape(word)
    # Wine's PostScript driver names the hyphen's glyph after the soft hyphen.
    return word.replace("\u00ad", "-")


def printed_form(entry):
    return [f.decode("cp1252") or "<ohne>" for f in entry[:3]]


def check(ps, pdf, kvd_path, heading, copies, rows):
    results = []

    def report(ok, what):
        results.append(("PASS " if ok else "FAIL ") + what)
        return ok

    entries = [printed_form(e) for e in kvd.read(kvd_path)]
    if rows:
        entries = [entries[int(r)] for r in rows]
    res, width, height, boxes = ps_geometry(ps)
    pages = pdf_rows(pdf)
    report(len(pages) == len(boxes) and len(pages) > 0,
           f"the PDF has the pages the printer received ({len(pages)})")

    # The layout rule: margin = heading top, line height = a text box's height.
    margin, line = boxes[0][0][1], boxes[0][0][3]
    top = margin + 2 * line
    per_page = max(1, math.ceil((height - margin - top) / line))
    n = len(entries)
    pages_per_copy = math.ceil(n / per_page)
    report(len(pages) == copies * pages_per_copy,
           f"{copies} cop{'y' if copies == 1 else 'ies'} of {n} entries at {per_page} a page "
           f"(page height {height}, margin {margin}, line {line} at {res} dpi) "
           f"make {copies * pages_per_copy} pages (got {len(pages)})")

    headings = all(p and p[0] == [heading] for p in pages)
    report(headings, f'every page begins with the heading "{heading}"')

    expected_pages = []
    for _ in range(copies):
        for start in range(0, n, per_page):
            expected_pages.append(entries[start:start + per_page])
    order_ok = True
    first_bad = ""
    for i, page in enumerate(pages):
        got = page[1:]
        want = expected_pages[i] if i < len(expected_pages) else []
        if len(got) != len(want):
            order_ok = False
            first_bad = first_bad or f"page {i + 1}: {len(got)} lines, {len(want)} expected"
            continue
        for g, w in zip(got, want):
            if not matches(g, w):
                order_ok = False
                first_bad = first_bad or f"page {i + 1}: {g} for {w}"
    report(order_ok, "every page holds the next entries in list order, three columns each"
           + (f" ({first_bad})" if first_bad else ""))

    # Columns at fixed places: every entry line's texts start at the same x.
    xs = {tuple(b[0] for b in page_boxes[1 + 3 * k:4 + 3 * k])
          for page_boxes in boxes for k in range((len(page_boxes) - 1) // 3)}
    report(len(xs) == 1, f"the three columns start at the same place on every line ({sorted(xs)[:2]})")
    centres = {b[0][0] * 2 + b[0][2] for b in boxes}  # twice the centre
    report(len(centres) == 1 and abs(min(centres) - width) <= 10,
           f"the heading is centred on every page ({min(centres) / 2} of {width})")

    printed = [row for page in pages for row in page[1:]]
    def row_of(artist):
        return next((r for r in printed if r and r[0].startswith(artist)), None)
    if any(e[0] == LONG_ARTIST for e in entries):
        r = row_of("Interpret 003")
        report(r is not None and r[0].endswith("...") and len(r[0]) < len(LONG_ARTIST) and
               LONG_ARTIST.startswith(r[0][:-3]), f"the long artist is cut to its column with ... ({r and r[0]})")
    if any(e[0] == "Interpret 004" for e in entries):
        r = row_of("Interpret 004")
        report(r is not None and r[1] == "<ohne>", f"the empty title prints <ohne> ({r})")
    if any(e[0] == "Die \u00c4rzte 007" for e in entries):
        r = row_of("Die ")
        report(r == ["Die \u00c4rzte 007", "Ger\u00e4usch", "1956"], f"umlauts print as they are ({r})")
    return results


def matches(got, want):
    if got == want:
        return True
    # A text too wide for its column is cut and ends with "...".
    if len(got) != 3:
        return False
    for g, w in zip(got, want):
        if g != w and not (g.endswith("...") and w.startswith(g[:-3]) and len(g) - 3 < len(w)):
            return False
    return True


def main(args):
    if args[0] == "make":
        make(args[1])
        return 0
    if args[0] == "check":
        ps, pdf, kvd_path, heading, copies = args[1:6]
        for line in check(ps, pdf, kvd_path, heading, int(copies), args[6:]):
            print(line)
        return 0
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
