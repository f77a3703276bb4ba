#!/usr/bin/env python3
"""Reads every kind of picture back with an XML parser (the standard
library's): well-formed SVG 1.1 with a viewBox, a title and a description,
unique ids; twelve positions on a clock face; N x N cells, their labels, the
legend and the dendrogram of a heatmap.

usage: svg_check.py SVGSAMPLE
"""

import subprocess
import sys
import xml.etree.ElementTree as ET

NS = "{http://www.w3.org/2000/svg}"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def draw(tool, *words):
    run = subprocess.run([tool, *words], capture_output=True, text=True, check=False)
    if run.returncode != 0:
        failures.append(f"svgsample {' '.join(words)}: {run.stderr.strip()}")
        return None
    try:
        return ET.fromstring(run.stdout.encode("utf-8"))
    except ET.ParseError as error:
        failures.append(f"svgsample {' '.join(words)}: not well-formed: {error}")
        return None


def check_document(root, name):
    """What every picture owes its reader."""
    check(root.tag == NS + "svg", f"{name}: root is {root.tag}")
    check(root.get("version") == "1.1", f"{name}: version {root.get('version')}")
    box = [float(v) for v in root.get("viewBox", "").split()]
    check(len(box) == 4 and box[2] > 0 and box[3] > 0, f"{name}: viewBox {box}")
    check(root.get("role") == "img", f"{name}: role")
    first = [child.tag for child in root[:2]]
    check(first == [NS + "title", NS + "desc"], f"{name}: begins with {first}")
    check(all((child.text or "").strip() for child in root[:2]), f"{name}: empty title or desc")
    ids = [e.get("id") for e in root.iter() if e.get("id") is not None]
    check(len(ids) == len(set(ids)), f"{name}: repeated ids")
    for e in root.iter():
        for value in e.attrib.values():
            if value.startswith("url(#"):
                check(value[5:-1] in ids, f"{name}: {value} points nowhere")
        check("href" not in "".join(e.attrib), f"{name}: a reference outside")
        if e.tag == NS + "text":
            check((e.text or "").strip() != "", f"{name}: an empty text")


def by_id(root, ident):
    return next((e for e in root.iter() if e.get("id") == ident), None)


def mirrors(members):
    """The n of every TnI that maps the set onto itself."""
    return [n for n in range(12) if {(n - k) % 12 for k in members} == set(members)]


def check_clock(tool, digits, names, labels):
    name = f"clock {digits or '(empty)'} {names}"
    root = draw(tool, "clock", digits, names)
    if root is None:
        return
    check_document(root, name)
    members = [int(d, 16) for d in digits]
    for pc in range(12):
        group = by_id(root, f"pc-{pc}")
        if group is None:
            failures.append(f"{name}: no position {pc}")
            continue
        check(len(group.findall(NS + "circle")) == 1, f"{name}: position {pc} without its dot")
        label = group.find(NS + "text")
        check(label is not None and label.text == labels[pc], f"{name}: label of {pc}")
        expected = "member" if pc in members else "other"
        check(group.get("class") == expected, f"{name}: {pc} is not {expected}")
    polygon = root.find(NS + "polygon")
    if members:
        corners = polygon.get("points").split() if polygon is not None else []
        check(len(corners) == len(members), f"{name}: polygon of {len(corners)} corners")
    else:
        check(polygon is None, f"{name}: a polygon without members")
    axes = [e.get("id") for e in root.iter(NS + "line") if e.get("class") == "axis"]
    check(len(axes) == len(mirrors(members)), f"{name}: axes {axes}")


def check_heatmap(tool, measure, rows, columns=None, cluster=False):
    words = [measure] + (["cluster"] if cluster else []) + rows
    if columns is not None:
        words += ["/"] + columns
    name = f"heatmap {measure} of {len(rows)} x {len(columns or rows)}" + (
        " clustered" if cluster else "")
    root = draw(tool, "heatmap", *words)
    if root is None:
        return
    check_document(root, name)
    n_rows, n_columns = len(rows), len(columns if columns is not None else rows)
    cells = [e for e in root.iter(NS + "rect") if e.get("data-row") is not None]
    places = {(int(e.get("data-row")), int(e.get("data-col"))) for e in cells}
    check(len(cells) == n_rows * n_columns, f"{name}: {len(cells)} cells")
    check(places == {(r, c) for r in range(n_rows) for c in range(n_columns)},
          f"{name}: cells miss places")
    for e in cells:
        tip = e.find(NS + "title")
        check(tip is not None and float(tip.text.rsplit(": ", 1)[1]) >= 0, f"{name}: tooltip")
    for kind, count, sets in (("row", n_rows, rows), ("col", n_columns, columns or rows)):
        for i in range(count):
            label = by_id(root, f"{kind}-{i}")
            check(label is not None and label.text.startswith("{" + sets[i] + "} "),
                  f"{name}: label {kind}-{i}")
    legend = by_id(root, "legend")
    if legend is None:
        failures.append(f"{name}: no legend")
    else:
        words_shown = " ".join(e.text for e in legend.iter(NS + "text"))
        check("alike" in words_shown or "forms" in words_shown, f"{name}: legend {words_shown}")
        check(any(e.get("fill", "").startswith("url(#") for e in legend.iter(NS + "rect")),
              f"{name}: legend without its scale")
    merges = [e for e in root.iter(NS + "path") if e.get("id", "").startswith("merge-")]
    check(len(merges) == (n_rows - 1 if cluster else 0), f"{name}: {len(merges)} merges")


def some_sets(count):
    """Sets of 2 to 10 pitch classes, spread over all masks."""
    sets = []
    for bits in range(3, 4096, 13):
        if 2 <= bin(bits).count("1") <= 10:
            sets.append("".join("0123456789ab"[k] for k in range(12) if bits >> k & 1))
    return sets[:count]


def main():
    tool = sys.argv[1]
    numbers = [str(pc) for pc in range(12)]
    sharps = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    flats = ["C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"]
    check_clock(tool, "047", "numbers", numbers)
    check_clock(tool, "0369", "sharps", sharps)
    check_clock(tool, "0124578ab", "flats", flats)
    check_clock(tool, "", "numbers", numbers)
    check_clock(tool, "0123456789ab", "numbers", numbers)
    check_heatmap(tool, "asim", ["047", "037", "0148", "0369", "02468"])
    check_heatmap(tool, "%sat%sim", ["047", "037", "0148", "0369"], cluster=True)
    check_heatmap(tool, "emb", ["0147", "014"], ["01", "014", "0148"])
    check_heatmap(tool, "angle", ["0124"])
    check_heatmap(tool, "rel", some_sets(200), cluster=True)
    for failure in failures:
        print(failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
