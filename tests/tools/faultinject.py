#!/usr/bin/env python3
"""Fault injection: how many realistic single-point faults the suite catches.

Each fault below is one exact text in one file and its replacement, the
kind of slip a developer makes: a bound off by one, < for <=, a wrong
constant in a table, swapped operands, a dropped line, an inverted
condition, a wrong branch, a missing flush.  They are applied one at a time
to a copy of the tree (WORK/src), built in a folder of its own (WORK/build,
RelWithDebInfo, reused so that rebuilds stay incremental); the suite then
runs without its slow parts, and the fault is caught when the build or some
test fails.  The copy is put back after each fault.  Results go to
WORK/faults.tsv: the number, caught/build/missed, the file, the fault and
the tests that failed.

  tests/tools/faultinject.py                  # every fault (20-40 min on 2 cores)
  tests/tools/faultinject.py --only 12,40     # some of them
  tests/tools/faultinject.py --check          # every text still found once
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

# Left out of each run: the slow tests (the end of input everywhere, the
# soak, the package and the installed package), the terminal (tmux), and the
# format check, which would count a fault as caught for its layout alone.
EXCLUDED = "eofeverywhere|soak|package|findpackage|terminal|^format$"

# (file, text, replacement, the fault).  Appended to, never renumbered: a
# fault's number is its place in the list, counted from 1.
FAULTS = [
    # engine/ and include/
    ("engine/rules.h", "for (int k = 1; k <= 12; ++k) {", "for (int k = 0; k < 12; ++k) {",
     "TnI operator of the prime form searched from T0I"),
    ("engine/rules.h", "    {pcs(\"0125679\"), pcs(\"0124789\"), 5},    // 7-20\n", "",
     "a Forte correction dropped from its table"),
    ("include/pelantor/icvsearch.h", "most_searched_cardinality = 12;",
     "most_searched_cardinality = 11;", "the x search of entry 4 stops at 11"),
    ("include/pelantor/setclass.h", "algorithm == Algorithm::rahn ? rahn_prime : forte_prime",
     "algorithm == Algorithm::forte ? rahn_prime : forte_prime",
     "a class's prime per algorithm swapped"),
    ("include/pelantor/transformations.h", "        return inversion;", "        return m;",
     "the canon's I flag read from M"),
    ("engine/setclass.cpp", "(set_class.is_z() ? \"-z\" : \"-\")",
     "(set_class.is_z() ? \"-Z\" : \"-\")", "Z labels in upper case"),
    ("engine/setclass.cpp", "return set_class_of(set_class.rahn_prime.complement());",
     "return set_class_of(set_class.rahn_prime);", "complement class is the class itself"),
    ("engine/intervals.cpp", "++vector[slot + 4];", "++vector[slot + 3];",
     "disjoint count of the invariance vector one slot off"),
    ("engine/intervals.cpp", "for (int i = 0; i < 24; ++i) {", "for (int i = 0; i < 12; ++i) {",
     "embedding counts see Tn forms only"),
    ("engine/intervals.cpp", "return a.is_subset_of(form);", "return form.is_subset_of(a);",
     "COV counts as EMB"),
    ("engine/vectors.cpp", "form == Form::a ? up <= down : up > down",
     "form == Form::a ? up < down : up > down", "saturation a: ties go to the minimum"),
    ("engine/vectors.cpp", "std::accumulate(vector.begin(), vector.end(), 0.0)",
     "std::accumulate(vector.begin(), vector.end() - 1, 0.0)", "PICSAT%V sum misses ic6"),
    ("engine/vectors.cpp", "const std::array<int, 6> least = ic_bounds(set.size()).least;",
     "const std::array<int, 6> least = ic_bounds(set.size()).most;",
     "adjusted IC vector from the maxima"),
    ("engine/similarity.cpp", "1.732,  2.0,    2.236, 2.4494,", "1.732,  2.0,    2.236, 2.4495,",
     "ISIM2 weight of 6 rounded differently"),
    ("engine/similarity.cpp", "std::max(2, std::min(size1, size2) - 1)",
     "std::max(2, std::min(size1, size2))", "TSATSIM compares the smaller set's own cardinality"),
    ("engine/similarity.cpp", "(othera > T(-1) ? othera : otherb)",
     "(othera >= T(-1) ? othera : otherb)", "saturation distance: min+0 taken as a maximum"),
    ("engine/similarity.cpp", "const bool nearer_least = below > above;",
     "const bool nearer_least = below >= above;", "subset saturation ties go to the least"),
    ("engine/similarity.cpp", "- double(p.size_ + q.size_ + 2);",
     "- double(p.size_ + q.size_ + 1);", "ATMEMB counts the empty set"),
    ("engine/similarity.cpp", "    if (dot * dot == norm_p * norm_q) return 0.0;\n", "",
     "ANGLE of proportional vectors from acos"),
    ("engine/similarity.cpp", "        Kind::similarity, 0.0, 1.0, true, K::atmemb},",
     "        Kind::dissimilarity, 0.0, 1.0, true, K::atmemb},",
     "ATMEMB listed as a dissimilarity"),
    ("engine/similarity.cpp", "Kind::dissimilarity, 0.0, unbounded, false, K::csatsim},",
     "Kind::dissimilarity, 0.0, unbounded, true, K::csatsim},", "CSATSIM taken as symmetric"),
    ("engine/comparisons.cpp", "node->group.value > value ? node->left : node->right",
     "node->group.value < value ? node->left : node->right", "value groups in falling order"),
    ("engine/comparisons.cpp", "if (v > 0 && (!least_above_zero_",
     "if (v >= 0 && (!least_above_zero_", "smallest value may be zero"),
    ("engine/comparisons.cpp", "result.average = average(total, rows);",
     "result.average = average(total, columns);", "list average over the columns"),
    ("engine/combinations.cpp", "return size < std::min(total, 12);",
     "return size <= std::min(total, 12);",
     "overlapping combinations include those without overlap"),
    ("engine/combinations.cpp", "!piece.symmetric && !symmetric(base)",
     "!piece.symmetric || !symmetric(base)", "inversions placed against a symmetric base"),
    ("engine/combinations.cpp", "total >= 12)) {", "total > 12)) {",
     "option 5 runs on twelve notes"),
    ("engine/combinations.cpp", "return {size.largest, std::min(size.total, 12)};",
     "return {size.largest, std::min(size.total, 13)};", "option 4 range ends at 13"),
    ("engine/combinations.cpp", "embedding_count(set, excluded) != 0",
     "embedding_count(set, excluded) == 0", "exclusion inverted"),
    ("engine/subsets.cpp", "if (!std::all_of(counts.begin(), counts.end(), in_all)) continue;",
     "if (!std::any_of(counts.begin(), counts.end(), in_all)) continue;",
     "mutual subsets: in any superset"),
    ("engine/subsets.cpp", "{counts[s][i], b.least[i], b.most[i]}",
     "{counts[s][i], b.most[i], b.least[i]}", "embedding bounds swapped"),
    ("engine/icvsearch.cpp", "if (!cardinality) return {0, 12};",
     "if (!cardinality) return {0, 6};", "counts of the x search end at 6"),
    ("engine/transformations.cpp", "if (found && !options.show_all) return;",
     "if (found && options.show_all) return;",
     "splits: the first operator alone when all are asked"),
    ("engine/transformations.cpp", "options.partitions[std::min(part.size(), n - part.size())]",
     "options.partitions[part.size()]", "partition filter by the cut-out part"),
    ("engine/transformations.cpp", "if (mappings.single.empty()) mappings.splits",
     "mappings.splits", "splits searched after a single operator was found"),
    ("engine/setlist.cpp", "  if (c == '\\r' && source.peek() == '\\n') source.get();\n", "",
     "set lists with CR LF end at the first line"),
    # reports/
    ("reports/format.cpp", "  if (set_class.ordinal < 10) cell += ' ';\n", "",
     "label cell: no blank after a one-digit ordinal"),
    ("reports/setreport.cpp", "text += static_cast<char>('0' + hundredths / 10 % 10);",
     "text += static_cast<char>('0' + hundredths / 10);", "hundredths: tenths digit unbounded"),
    ("reports/setreport.cpp",
     "  text += \"\\n    VTICS:  \";\n  text += digit_vector(vtics(set));\n",
     "",
     "set report without the VTICS line"),
    ("reports/setreport.cpp", "  text += z_correspondent(set_class, algorithm);\n", "",
     "set report without the Z line"),
    ("reports/subsets.cpp", "(count < 10 ? \" \" : \"\")", "(count < 9 ? \" \" : \"\")",
     "embedding count 9 loses its blank"),
    ("reports/similarity.cpp", "j % 3 == 0 ? \"\\n     \" : \",   \"",
     "j % 3 == 1 ? \"\\n     \" : \",   \"", "list comparison: line breaks after the wrong column"),
    ("reports/similarity.cpp", "(k < 10 ? \"      \" : \"     \")", "\"      \"",
     "matrix heading: two-digit columns too wide"),
    ("reports/transformations.cpp", "\"\\nSorry there were no operations",
     "\"Sorry there were no operations", "no empty line before the apology"),
    ("reports/chart.cpp", "(14 - row.prime.size())", "(13 - row.prime.size())",
     "chart marks one column early"),
    # features/
    ("features/prompts.cpp", "c == 'H' || c == 'h' || c == '?'", "c == 'H' || c == '?'",
     "h does not open the instructions"),
    ("features/prompts.cpp", "number(1, 2)) == 1 ? pelantor::Algorithm::rahn",
     "number(1, 2)) == 2 ? pelantor::Algorithm::rahn", "algorithm menu answers swapped"),
    ("features/setinput.cpp",
     "      screen(\"ERROR -- bad input: %c is not a pitch-class!\\n\", c);\n",
     "",
     "bad characters of a set skipped silently"),
    ("features/setreport.cpp", "while (set.size() < 2) {", "while (set.size() < 1) {",
     "entry 1 takes a one-note set"),
    ("features/combinesubsets.cpp", "number(1, 12), \"\\n\");\n  SubsetGroup group;",
     "number(1, 11), \"\\n\");\n  SubsetGroup group;", "entry 2 takes at most 11 subsets"),
    ("features/showsubsets.cpp", "while (set.size() < 3) {", "while (set.size() < 2) {",
     "entry 3 takes a two-note superset"),
    ("features/icvsets.cpp", "for (int ic = 1; ic <= 6; ++ic) {",
     "for (int ic = 1; ic < 6; ++ic) {", "entry 4 never asks for ic6"),
    ("features/settransformer.cpp", "for (int k = 0; k <= n / 2; ++k) {",
     "for (int k = 0; k < n / 2; ++k) {", "the even partition is never asked about"),
    ("features/similarity.cpp", "} else if (set.size() > 10) {", "} else if (set.size() >= 10) {",
     "a ten-note set gets the refusal text"),
    ("features/similarity.cpp", "constexpr int maxsets = 15;", "constexpr int maxsets = 16;",
     "entry 6 compares up to 16 typed sets"),
    ("features/setlistfiles.cpp", "constexpr int maxlistsets = 222;",
     "constexpr int maxlistsets = 221;", "a comparison takes 221 sets"),
    ("features/setlistfiles.cpp",
     "file << pelantor::write_set_list(std::span(&set, 1)) << std::flush;",
     "file << pelantor::write_set_list(std::span(&set, 1));",
     "sets typed into a list are not flushed"),
    # console/
    ("console/charsource.cpp", "    if (lastconsolechar != '\\n') {",
     "    if (lastconsolechar == '\\n') {", "end of input: line end supplied forever"),
    ("console/charsource.cpp", "    c = getcharacter(*in);\n  }\n  ungetch(c);\n",
     "    c = getcharacter(*in);\n  }\n", "the character after a number is lost"),
    ("console/charsource.cpp", "if (length == 29 && name[28] != '\\n') droplineend();",
     "if (length == 30 && name[28] != '\\n') droplineend();",
     "line end after a 29-character name kept"),
    ("console/charsource.cpp", "name[length - 1] == '\\t' || name[length - 1] == '\\r'",
     "name[length - 1] == '\\t'", "CR kept in file names"),
    ("console/charsource.cpp", "void sendscreentext() {\n  writereporttodisk();\n",
     "void sendscreentext() {\n", "screen leaves before the report file is flushed"),
    ("console/funnel.cpp", "spaces((37 - static_cast<int>(filename.size())) / 2);",
     "spaces((36 - static_cast<int>(filename.size())) / 2);", "banner name centred off by one"),
    ("console/funnel.cpp", "outfp = std::fopen(name, \"a\");", "outfp = std::fopen(name, \"w\");",
     "report file overwritten instead of appended to"),
    ("console/funnel.cpp", "return outfp != nullptr && std::filesystem::equivalent",
     "return std::filesystem::equivalent", "report-file guard without an open report"),
    # pictures/
    ("pictures/svg.cpp", "      case '&':\n        out += \"&amp;\";\n        break;\n", "",
     "& not escaped"),
    ("pictures/svg.cpp", "  if (digits.back() == '.') digits.pop_back();\n", "",
     "numbers keep a trailing point"),
    ("pictures/svg.cpp", "return digits == \"-0\" ? \"0\" : digits;", "return digits;",
     "minus zero written"),
    ("pictures/colourscale.cpp", "{0x21, 0x90, 0x8c},  // 0.5 teal",
     "{0x21, 0x91, 0x8c},  // 0.5 teal", "a colour stop off by one"),
    ("pictures/colourscale.cpp", "std::min(std::floor(place), stops - 2.0)",
     "std::min(std::floor(place), stops - 1.0)", "the top of the scale reads past the table"),
    ("pictures/colourscale.cpp", "return luma(blend(t)) < 128;", "return luma(blend(t)) > 128;",
     "value text colour inverted"),
    ("pictures/clustering.cpp", "const int higher_size = a_is_lower ? size_b : size_a;",
     "const int higher_size = a_is_lower ? size_a : size_b;",
     "average linkage weighs the wrong cluster"),
    ("pictures/clustering.cpp",
     "if (table.at(live[a], live[b]) < table.at(best.first, best.second)) {",
     "if (table.at(live[a], live[b]) <= table.at(best.first, best.second)) {",
     "ties merge the last pair"),
    ("pictures/clustering.cpp",
     "    pending.push_back(merge.second);\n    pending.push_back(merge.first);\n",
     "    pending.push_back(merge.first);\n    pending.push_back(merge.second);\n",
     "leaves in reverse order"),
    ("pictures/clockface.cpp", "centre_y - radius * std::cos(angle)",
     "centre_y + radius * std::cos(angle)", "clock face upside down"),
    ("pictures/clockface.cpp", "const Point from = toward(t.n / 2.0, axis_radius);",
     "const Point from = toward(t.n / 2, axis_radius);", "odd axes start at a pitch class"),
    ("pictures/heatmap.cpp",
     "if (measure.kind == Kind::dissimilarity) return {top, measure.least};",
     "if (measure.kind == Kind::dissimilarity) return {measure.least, top};",
     "dissimilarity scale upside down"),
    ("pictures/heatmap.cpp", "  text.back() = '.';\n", "", "description ends with a semicolon"),
]


def run(command, cwd, log, timeout):
    """Runs command with its output in log; its status, or None past timeout."""
    with open(log, "w") as out:
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return None


def read(path, mode="r"):
    with open(path, mode) as f:
        return f.read()


def mirror(root, src):
    """Makes src a copy of the tree (its files known to git, new ones too),
    touching only the files that differ, so that the build stays incremental."""
    listing = subprocess.run(["git", "ls-files", "-z", "--cached", "--others",
                              "--exclude-standard"], cwd=root, capture_output=True, text=True,
                             check=True).stdout
    files = {f for f in listing.split("\0") if f and os.path.isfile(os.path.join(root, f))}
    for f in files:
        there = os.path.join(src, f)
        if not os.path.exists(there) or read(there, "rb") != read(os.path.join(root, f), "rb"):
            os.makedirs(os.path.dirname(there), exist_ok=True)
            shutil.copy(os.path.join(root, f), there)
    for folder, _, names in os.walk(src):
        for path in (os.path.join(folder, name) for name in names):
            if os.path.relpath(path, src) not in files:
                os.remove(path)


def build_and_test(work, name, args):
    """'build' when the build fails, else the tests that failed (None past the time limit)."""
    logs = os.path.join(work, "logs")
    if run(["cmake", "--build", "build", "-j", str(args.jobs)], work,
           os.path.join(logs, name + "-build.log"), args.timeout) != 0:
        return "build"
    failed_list = os.path.join(work, "build", "Testing", "Temporary", "LastTestsFailed.log")
    if os.path.exists(failed_list):
        os.remove(failed_list)
    # A test of the unchanged tree takes well under a second: 20 s ends a
    # hang without waiting for the transcripts' own limit of a minute.
    status = run(["ctest", "--test-dir", "build", "-E", EXCLUDED, "-j", str(args.jobs),
                  "--timeout", "20"], work, os.path.join(logs, name + "-test.log"), args.timeout)
    if status is None or not os.path.exists(failed_list):
        return None if status is None else []
    # "12:Suite.Test  # GetParam() = ...": the name alone.
    return [line.split(":", 1)[1].split("  #")[0].strip()
            for line in read(failed_list).splitlines() if ":" in line]


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--work", default="build-faults", help="the copy, its build and the logs")
    parser.add_argument("--only", help="fault numbers, comma-separated")
    parser.add_argument("--check", action="store_true", help="only check that every text is found")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=1200,
                        help="seconds for a build or a test run")
    args = parser.parse_args()
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True, text=True,
                          check=True).stdout.strip()
    work = os.path.abspath(args.work)
    src = os.path.join(work, "src")
    os.makedirs(os.path.join(work, "logs"), exist_ok=True)
    mirror(root, src)
    bad = [f"fault {number}: {path} holds the text {read(os.path.join(src, path)).count(old)} times"
           for number, (path, old, _, _) in enumerate(FAULTS, 1)
           if read(os.path.join(src, path)).count(old) != 1]
    if bad or args.check:
        print("\n".join(bad) or f"all {len(FAULTS)} faults found once")
        return 1 if bad else 0
    if not os.path.exists(os.path.join(work, "build", "CMakeCache.txt")):
        run(["cmake", "-S", "src", "-B", "build", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], work,
            os.path.join(work, "logs", "configure.log"), args.timeout)
    baseline = build_and_test(work, "baseline", args)
    if baseline != []:
        print(f"the unchanged tree does not pass: {baseline}")
        return 1
    chosen = [int(n) for n in args.only.split(",")] if args.only else range(1, len(FAULTS) + 1)
    results = os.path.join(work, "faults.tsv")
    caught = 0
    with open(results, "w") as table:
        for number in chosen:
            path, old, new, what = FAULTS[number - 1]
            file = os.path.join(src, path)
            original = read(file)
            started = time.time()
            try:
                with open(file, "w") as f:
                    f.write(original.replace(old, new))
                outcome = build_and_test(work, f"fault{number}", args)
            finally:
                with open(file, "w") as f:
                    f.write(original)
            caught += outcome != []
            verdict = "missed" if outcome == [] else "build" if outcome == "build" else "caught"
            tests = ("timeout" if outcome is None else
                     " ".join(outcome) if verdict == "caught" else "")
            line = f"{number}\t{verdict}\t{path}\t{what}\t{tests}"
            print(f"{line[:150]}  ({time.time() - started:.0f} s)", flush=True)
            table.write(line + "\n")
            table.flush()
    print(f"caught {caught} of {len(chosen)} ({100.0 * caught / len(chosen):.1f} %); "
          f"table in {results}")
    # The unchanged tree built again, ready for the next run.
    run(["cmake", "--build", "build", "-j", str(args.jobs)], work,
        os.path.join(work, "logs", "restore-build.log"), args.timeout)
    return 0


if __name__ == "__main__":
    sys.exit(main())
