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


# The CSV cell of a JSON value; name tells sets (pitch-class strings) from
# lists (entries separated by blanks).
SET_FIELDS = {"set", "prime_form", "a", "b", "complement_set", "complement_prime_form"}


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
csv_checks()
closed_pipe()
if failures:
    print(len(failures), "check(s) failed")
    sys.exit(1)
