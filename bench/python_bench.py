"""Times the Python module against its targets (make bench-python):
classify over 1,000,000 bit values under 0.1 s, matrix of 1,000 sets under
each measure under 0.5 s, PcSet("047").forte with the construction under
2 microseconds.  Each figure is the best of several runs; the status is 1
when a target is missed."""

import sys
import time
import timeit

import numpy as np

import pelantor


def best_of(runs, call):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        call()
        times.append(time.perf_counter() - start)
    return min(times)


def report(name, seconds, target, unit=1.0, unit_name="s"):
    met = seconds <= target
    print(f"{name:<40} {seconds / unit:9.3f} {unit_name:<3} (target {target / unit:g} {unit_name})"
          f"{'' if met else '  MISSED'}")
    return met


def main():
    rng = np.random.default_rng(1)
    values = rng.integers(0, 4096, 1_000_000)
    pelantor.classify(values[:1])  # the look-up tables are built at the first call
    met = report("classify, 1,000,000 values", best_of(5, lambda: pelantor.classify(values)), 0.1)

    comparable = [b for b in rng.integers(0, 4096, 4000) if 2 <= bin(b).count("1") <= 10]
    sets = np.array(comparable[:1000])
    for measure in pelantor.measures():
        seconds = best_of(3, lambda: pelantor.matrix(measure.number, sets))
        met &= report(f"matrix, 1,000 sets, {measure.name}", seconds, 0.5)

    calls = 200_000
    seconds = min(timeit.repeat('PcSet("047").forte', setup="from pelantor import PcSet",
                                number=calls, repeat=5)) / calls
    met &= report('PcSet("047").forte', seconds, 2e-6, 1e-6, "us")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
