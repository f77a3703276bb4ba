"""count_classes: counts the set classes of a list of sets and, where
matplotlib is installed, draws how alike the classes found are as a heatmap.

    python3 count_classes.py 047 037 0148 "0 3 7" 0146
    python3 count_classes.py corpus.txt --measure ANGLE --heatmap angle.png
    python3 count_classes.py corpus.txt --tn

An argument naming a file is a set list (one bit value a line, as the
program writes them); any other argument is a set.  The counts go to
standard output, most frequent first; the heatmap compares the prime forms
of the classes of 2 to 10 notes under the measure (ASIM unless given).
"""

import argparse
import os
import sys

import pelantor


def read_sets(arguments):
    sets = []
    for argument in arguments:
        if os.path.isfile(argument):
            with open(argument, encoding="ascii") as file:
                sets.extend(pelantor.read_set_list(file.read()).sets)
        else:
            sets.append(pelantor.PcSet(argument))
    return sets


def print_counts(counts):
    width = max(map(len, counts), default=0)
    for label, count in sorted(counts.items(), key=lambda item: -item[1]):
        print(f"{label:<{width}}  {count}")


def draw_heatmap(classes, measure, path):
    try:
        import matplotlib

        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        print("matplotlib is not installed: no heatmap", file=sys.stderr)
        return
    classes = [c for c in classes if 2 <= c.cardinality <= 10]
    if not classes:
        print("no class of 2 to 10 notes to compare: no heatmap", file=sys.stderr)
        return
    values = pelantor.matrix(measure, [c.prime_form for c in classes])
    labels = [c.forte for c in classes]
    figure, axes = plt.subplots(figsize=(2 + 0.4 * len(labels), 1.5 + 0.4 * len(labels)))
    image = axes.imshow(values, cmap="viridis")
    axes.set_xticks(range(len(labels)), labels, rotation=90)
    axes.set_yticks(range(len(labels)), labels)
    axes.set_title(measure)
    figure.colorbar(image, ax=axes)
    figure.tight_layout()
    figure.savefig(path)
    print(f"heatmap: {path}", file=sys.stderr)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("sets", nargs="+", help="sets, or files of set lists")
    parser.add_argument("--measure", default="ASIM", help="the heatmap's measure")
    parser.add_argument("--heatmap", default="heatmap.png", help="the picture's file")
    parser.add_argument("--tn", action="store_true", help="count Tn classes (3-11A, 3-11B)")
    arguments = parser.parse_args()
    try:
        sets = read_sets(arguments.sets)
        print_counts(pelantor.count(sets, tn_classes=arguments.tn))
        found = sorted({s.set_class for s in sets})
        draw_heatmap(found, arguments.measure, arguments.heatmap)
    except (ValueError, TypeError) as refusal:
        sys.exit(f"count_classes: {refusal}")


if __name__ == "__main__":
    main()
