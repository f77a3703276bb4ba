#!/usr/bin/env python3
"""Reads every kind of picture back with an XML parser (the standard
library's): well-formed SVG 1.1 with a viewBox, a title and a description
first, unique ids, references that point inside the document and no empty
text.  What the pictures show is the business of the picture tests.

usage: svg_check.py SVGSAMPLE
"""

import subprocess
import sys
import xml.etree.ElementTree as ET

NS = "{http://www.w3.org/2000/svg}"

SAMPLES = [
    ["clock", "047"], ["clock", "0369", "sharps"], ["clock", "0124578ab", "flats", "forte"],
    ["clock", ""], ["clock", "0123456789ab"],
    ["heatmap", "asim", "047", "037", "0148", "0369", "02468"],
    ["heatmap", "%sat%sim", "cluster", "047", "037", "0148", "0369"],
    ["heatmap", "emb", "0147", "014", "/", "01", "014", "0148"],
    ["heatmap", "angle", "novalues", "0124"],
]


def problems(words, svg):
    """What the document owes its reader and does not give."""
    try:
        root = ET.fromstring(svg.encode("utf-8"))
    except ET.ParseError as error:
        return [f"not well-formed: {error}"]
    found = []
    box = [float(v) for v in root.get("viewBox", "").split()]
    if root.tag != NS + "svg" or root.get("version") != "1.1" or root.get("role") != "img":
        found.append("not an SVG 1.1 image")
    if len(box) != 4 or box[2] <= 0 or box[3] <= 0:
        found.append(f"viewBox {box}")
    if [c.tag for c in root[:2]] != [NS + "title", NS + "desc"] or not all(
            (c.text or "").strip() for c in root[:2]):
        found.append("no title and description first")
    ids = [e.get("id") for e in root.iter() if e.get("id") is not None]
    if len(ids) != len(set(ids)):
        found.append("repeated ids")
    for e in root.iter():
        refs = [v[5:-1] for v in e.attrib.values() if v.startswith("url(#")]
        if any(ref not in ids for ref in refs) or "href" in "".join(e.attrib):
            found.append(f"a reference outside: {e.attrib}")
        if e.tag == NS + "text" and not (e.text or "").strip():
            found.append("an empty text")
    return found


def main():
    failures = 0
    for words in SAMPLES:
        run = subprocess.run([sys.argv[1], *words], capture_output=True, text=True, check=False)
        found = [run.stderr.strip()] if run.returncode != 0 else problems(words, run.stdout)
        for problem in found:
            print(f"svgsample {' '.join(words)}: {problem}")
        failures += len(found)
    print(f"{failures} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
