"""The one-shot commands against the dialogue and a real CSV reader.

Each command's text must be, byte for byte, the block the dialogue appends
to its report file for the same request: the dialogue is typed at in a
scratch folder with a report file, the block cut out after the file's
banner, and the command run in the same folder.  CSV is read by Python's
csv module and must hold what the JSON Lines hold.  A closed pipe ends a
command quietly.

Usage: commands_test.py PROGRAM SCRATCH
"""

import csv
import io
import json
import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

PROGRAM, SCRATCH = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def command(*args, stdin=None):
    """Runs the command in the scratch folder; its output as text."""
    result = subprocess.run([PROGRAM, *args], cwd=SCRATCH, input=stdin,
                            capture_output=True, text=True)
    check(result.returncode == 0 and result.stderr == "",
          f"{args}: status {result.returncode}, {result.stderr!r}")
    return result.stdout


def dialogue_block(keystrokes):
    """What the dialogue appends to a new report file for the keystrokes,
    after the banner's three lines and the empty line after them."""
    report = os.path.join(SCRATCH, "report.txt")
    if os.path.exists(report):
        os.remove(report)
    subprocess.run([PROGRAM], cwd=SCRATCH, input="y\nreport.txt\n" + keystrokes,
                   capture_output=True, text=True, check=True)
    with open(report, encoding="latin-1") as f:
        return f.read().split("\n", 4)[4]


def same(what, text, block):
    check(text == block, f"{what}: the command's text differs from the dialogue's block")
    if text != block:
        print("--- command\n" + text + "--- dialogue\n" + block)


FORTE = "#\n2\n"  # the prime-form algorithm dialogue, choosing Forte's


def info_blocks():
    for sets, forte in [(["047"], False), (["0146", "02378", "0123456789ab"], False),
                        (["02378", "0 3 6 9"], True), (["01", "t e 1"], False)]:
        keys = (FORTE if forte else "") + "1\n" + "\n".join(sets) + "\n\n"
        args = ["info", *sets] + (["--forte"] if forte else [])
        same(" ".join(args), command(*args), dialogue_block(keys))


def compare_blocks():
    with open(os.path.join(SCRATCH, "four.txt"), "w") as f:
        f.write("19\n133\n145\n1171\n")
    with open(os.path.join(SCRATCH, "two.txt"), "w") as f:
        f.write("73\n2189\n")
    requests = [
        ("6\n1\n3\n014\n0247\n01369\n8\n", ["--measure", "8", "014", "0247", "01369"]),
        ("6\n1\n2\n0 1 2 3\n0 2 4 6 8 t\n16\n", ["--measure", "angle", "0123", "02468a"]),
        (FORTE + "6\n1\n2\n02378\n014\n1\n", ["--forte", "--measure", "satsim", "02378", "014"]),
        ("6\n2\n8\n014\n3\n3\n", ["--measure", "ASIM", "--all-classes", "014", "--card", "3"]),
        ("6\n2\n13\n0 1 2\n2\n10\n", ["--measure", "emb", "--all-classes", "012"]),
        ("6\n4\nfour.txt\n12\n", ["--measure", "12", "--list", "four.txt"]),
        ("6\n5\nfour.txt\ntwo.txt\n3\n", ["--measure", "sat%sim", "--list", "four.txt",
                                          "--list", "two.txt"]),
        ("6\n6\nfour.txt\n14\n", ["--measure", "COV", "--list", "four.txt", "--stats"]),
        ("6\n6\nfour.txt\n10\n", ["--measure", "isim2", "--list", "four.txt", "--stats"]),
    ]
    for keys, args in requests:
        same("compare " + " ".join(args), command("compare", *args), dialogue_block(keys))


def combine_blocks():
    """Entry 2: the sets, n marking an exclusion set; then the option, the
    cardinality where it takes one, and 3 back to the main menu."""
    requests = [
        (["01", "01"], [], 1, None, False),
        (["013", "014"], ["0123"], 3, None, False),
        (["01", "01"], ["0"], 3, None, False),
        (["012", "0"], [], 4, 4, False),
        (["01", "02"], [], 5, 6, False),
        (["0 4 7"], [], 6, 7, True),
        (["0137", "8"], ["0 3 7"], 2, None, True),
    ]
    for subsets, exclusions, option, card, forte in requests:
        typed = subsets + [e + "n" for e in exclusions]
        keys = (FORTE if forte else "") + f"2\n{len(typed)}\n" + "\n".join(typed) + \
            f"\n{option}\n" + (f"{card}\n" if card else "") + "3\n"
        args = ["combine", *subsets, "--option", str(option)]
        for e in exclusions:
            args += ["--exclude", e]
        args += (["--card", str(card)] if card else []) + (["--forte"] if forte else [])
        same(" ".join(args), command(*args), dialogue_block(keys))


def subsets_blocks():
    """Entry 3: the supersets, all sizes (1) or one (2 and the size), x back."""
    for supersets, card, forte in [(["0148"], None, False), (["0148", "037"], None, False),
                                   (["013579"], 4, True), (["012", "048"], None, False),
                                   (["0123456789ab"], 6, False)]:
        keys = (FORTE if forte else "") + f"3\n{len(supersets)}\n" + "\n".join(supersets) + \
            (f"\n2\n{card}" if card else "\n1") + "\nx\n"
        args = ["subsets", *supersets] + (["--card", str(card)] if card else []) + \
            (["--forte"] if forte else [])
        same(" ".join(args), command(*args), dialogue_block(keys))


def icv_blocks():
    """Entry 4: the cardinality or x, the six counts in decimal or x, x back."""
    for vector, card, forte in [("111111", None, False), ("1x1x1x", 4, False),
                                ("211231", 5, True), ("cccccx", None, False),
                                ("000000", 3, False)]:
        counts = [c if c == "x" else str(int(c, 16)) for c in vector]
        keys = (FORTE if forte else "") + f"4\n{card or 'x'}\n" + "\n".join(counts) + "\nx\n"
        args = ["icv", vector] + (["--card", str(card)] if card else []) + \
            (["--forte"] if forte else [])
        same(" ".join(args), command(*args), dialogue_block(keys))


def map_blocks():
    """Entry 5: a pair, the defaults menu (n keeps them), ENTER for another
    pair, x back."""
    requests = [
        ("014\n23b\nn\nx\n", ["014", "23b"]),
        ("014\n237\nn\n\n0146\n0137\nn\nx\n", ["014", "237", "0146", "0137"]),
        ("01\n05\ny\n1\nn\ny\ny\n4\nx\n", ["01", "05", "--canon", "T,TM,TMI"]),
        ("014\n237\ny\n2\nn\n4\nx\n", ["014", "237", "--first"]),
        ("012345\n012346\ny\n3\nn\nn\ny\nn\n4\nx\n", ["012345", "012346", "--partitions", "4+2"]),
        ("0123\n0146\ny\n1\nn\nn\nn\n3\nn\ny\ny\n4\nx\n",
         ["0123", "0146", "--canon", "t", "--partitions", "3+1,2+2"]),
    ]
    for keys, args in requests:
        same("map " + " ".join(args), command("map", *args), dialogue_block("5\n" + keys))


def chart_block():
    same("chart", command("chart"), dialogue_block("7\n"))


# The CSV cell of a JSON value; name tells sets (pitch-class strings) from
# lists (entries separated by blanks).
SET_FIELDS = {"set", "prime_form", "a", "b", "complement_set", "complement_prime_form", "source",
              "target", "second_source", "second_target"}


def cell(name, value):
    if value is None:
        return ""
    if name in SET_FIELDS:
        return "".join("0123456789ab"[pc] for pc in value)
    if isinstance(value, list):
        if value and isinstance(value[0], list):
            return ";".join(cell("", row) for row in value)
        return " ".join(cell("", entry) for entry in value)
    return str(value)


def flattened(record):
    """The JSON record with its objects' fields as columns a_b."""
    flat = {}
    for name, value in record.items():
        if isinstance(value, dict):
            for inner, v in value.items():
                flat[name + "_" + inner] = v
        else:
            flat[name] = value
    return flat


def csv_matches_json(*args, stdin=None):
    text = command(*args, "--format", "csv", stdin=stdin)
    rows = list(csv.DictReader(io.StringIO(text, newline="")))
    records = [flattened(json.loads(line))
               for line in command(*args, "--format", "json", stdin=stdin).splitlines()]
    check(len(rows) == len(records) > 0, f"{args}: {len(rows)} CSV rows, {len(records)} records")
    for row, record in zip(rows, records):
        check(list(row) == list(record), f"{args}: columns {list(row)} against {list(record)}")
        for name, value in record.items():
            text = row.get(name)
            if isinstance(value, float):
                ok = float(text) == value
            else:
                ok = text == cell(name, value)
            check(ok, f"{args}: {name} is {text!r} in CSV, {value!r} in JSON")


def csv_checks():
    csv_matches_json("info", "047", "0146", "0123456789ab", "1", "0 2 4 6 8 t")
    csv_matches_json("classes", "--card", "5")
    csv_matches_json("count", "--notes", "--tn", stdin="C E G\nA C E\nC Eb Gb Bbb\n")
    csv_matches_json("compare", "--measure", "all", "014", "0247")
    csv_matches_json("compare", "--measure", "Adjusted %SAT%SIM", "--all-classes", "014")
    csv_matches_json("compare", "--measure", "angle", "--list", "four.txt", "--stats")
    csv_matches_json("combine", "013", "014", "--exclude", "0123", "--option", "3")
    csv_matches_json("subsets", "0148", "037")
    csv_matches_json("icv", "1x1x1x")
    csv_matches_json("map", "014", "237", "014", "23b")
    csv_matches_json("chart")


SVG = "{http://www.w3.org/2000/svg}"


def picture(*args):
    """The SVG the command writes, parsed."""
    try:
        return ET.fromstring(command(*args).encode("utf-8"))
    except ET.ParseError as error:
        check(False, f"{args}: not well-formed: {error}")
        return ET.Element("none")


def by_id(root, ident):
    return next((e for e in root.iter() if e.get("id") == ident), None)


def svg_checks():
    """Twelve positions on the clock face, the members marked, labelled as
    asked."""
    flats = ["C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"]
    for args, members, labels in [(["047"], {0, 4, 7}, [str(pc) for pc in range(12)]),
                                  (["--notes", "C Eb G", "--names", "flats"], {0, 3, 7}, flats)]:
        root = picture("draw", *args)
        for pc in range(12):
            group = by_id(root, f"pc-{pc}")
            kind = "member" if pc in members else "other"
            check(group is not None and group.get("class") == kind, f"draw {args}: position {pc}")
            label = group.find(SVG + "text") if group is not None else None
            check(label is not None and label.text == labels[pc], f"draw {args}: label of {pc}")
    heatmap_checks()


def heatmap_checks():
    """A cell per pair of sets at its place, the labels, the legend, and with
    --cluster a merge per join."""
    four, two = ["014", "027", "047", "0147a"], ["036", "0237b"]  # four.txt, two.txt
    for args, rows, columns, merges in [
            (["--measure", "asim", *four], four, four, 0),
            (["--measure", "rel", "--cluster", *four], four, four, 3),
            (["--measure", "emb", "--list", "four.txt", "--list", "two.txt"], four, two, 0),
            (["--measure", "12", "--list", "four.txt", "--cluster"], four, four, 3)]:
        root = picture("compare", "--format", "svg", *args)
        cells = {(int(e.get("data-row")), int(e.get("data-col")))
                 for e in root.iter(SVG + "rect") if e.get("data-row") is not None}
        check(cells == {(i, j) for i in range(len(rows)) for j in range(len(columns))},
              f"heatmap {args}: cells {sorted(cells)}")
        for kind, sets in (("row", rows), ("col", columns)):
            for i, digits in enumerate(sets):
                label = by_id(root, f"{kind}-{i}")
                check(label is not None and label.text.startswith("{" + digits + "} "),
                      f"heatmap {args}: label {kind}-{i}")
        check(by_id(root, "legend") is not None, f"heatmap {args}: no legend")
        found = [e for e in root.iter(SVG + "path") if e.get("id", "").startswith("merge-")]
        check(len(found) == merges, f"heatmap {args}: {len(found)} merges")


def closed_pipe():
    """The reader stops after one line: no message, nothing reported."""
    path = os.path.join(SCRATCH, "big.txt")
    with open(path, "w") as f:
        f.write("\n".join(str(1 + k % 4095) for k in range(300000)) + "\n")
    with open(path) as big:
        process = subprocess.Popen([PROGRAM, "info", "--bits", "--input", "-"], cwd=SCRATCH,
                                   stdin=big, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        process.stdout.readline()
        process.stdout.close()
        error = process.stderr.read()
        status = process.wait(timeout=60)
    check(error == b"" and status == 0, f"closed pipe: status {status}, {error!r}")


shutil.rmtree(SCRATCH, ignore_errors=True)
os.makedirs(SCRATCH)
info_blocks()
compare_blocks()
combine_blocks()
subsets_blocks()
icv_blocks()
map_blocks()
chart_block()
csv_checks()
svg_checks()
closed_pipe()
if failures:
    print(len(failures), "check(s) failed")
    sys.exit(1)
