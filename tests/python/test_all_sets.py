"""Every one of the 4,095 non-empty sets under both algorithms: the module
agrees with rules worked out here in plain Python, and the vectorised calls
agree with the per-set properties."""

import collections
import itertools

import numpy as np
import pytest

import pelantor
from pelantor import OPERATORS, PcSet

ALL_BITS = range(1, 4096)


def members(bits):
    return [pc for pc in range(12) if bits >> pc & 1]


def normal_forms(bits):
    """Every rotation of the set and of its inversion, moved to start on 0."""
    forms = []
    for pcs in (members(bits), sorted((-pc) % 12 for pc in members(bits))):
        for i in range(len(pcs)):
            rotation = pcs[i:] + [pc + 12 for pc in pcs[:i]]
            forms.append(tuple(pc - rotation[0] for pc in rotation))
    return forms


def rahn_prime(bits):
    # Least span, then least from the right: the least bit value.
    return PcSet(min(normal_forms(bits), key=lambda f: f[::-1]))


def forte_prime(bits):
    # Least span, then least from the left.
    return PcSet(min(normal_forms(bits), key=lambda f: (f[-1],) + f))


def interval_classes(bits):
    counts = [0] * 6
    for a, b in itertools.combinations(members(bits), 2):
        counts[min(b - a, 12 - (b - a)) - 1] += 1
    return tuple(counts)


@pytest.mark.parametrize("algorithm, rule", [("rahn", rahn_prime), ("forte", forte_prime)])
def test_prime_forms_and_operators_of_every_set(algorithm, rule):
    for bits in ALL_BITS:
        s = PcSet.from_bits(bits)
        form = s.prime(algorithm)
        assert form.prime == rule(bits), s
        assert form.prime.transform(form.operator) == s, s
        assert form.operator[-1] != "M"  # Tn or TnI only
        assert PcSet(form.ordered) == s and len(form.ordered) == len(s)


def test_forte_differs_from_rahn_on_six_classes():
    differing = {c.forte for c in pelantor.classes() if c.prime_form != c.prime_form_forte}
    assert differing == {"5-20", "6-z29", "6-31", "7-z18", "7-20", "8-26"}


def test_classes_and_vectors_of_every_set():
    for bits in ALL_BITS:
        s = PcSet.from_bits(bits)
        sc = s.set_class
        assert sc.prime_form == rahn_prime(bits) and sc.cardinality == len(s)
        assert s.icv == interval_classes(bits) == sc.icv
        assert pelantor.SetClass(s.forte) == sc
        assert len(s.vtics) == 12 and s.vtics[0] == len(s & s.inverted())
        symmetric = any(s.inverted().transposed(n) == s for n in range(12))
        transposition = any(sc.prime_form.transposed(n) == s for n in range(12))
        letter = "" if symmetric else "A" if transposition else "B"
        assert s.tn_class == s.forte + letter, s


@pytest.mark.parametrize("algorithm", ["rahn", "forte"])
def test_classify_agrees_with_each_set(algorithm):
    bits = np.arange(4096)
    result = pelantor.classify(bits, algorithm)
    everything = pelantor.classes()
    for value in bits:
        s = PcSet.from_bits(int(value))
        form = s.prime(algorithm)
        assert everything[result.class_index[value]] == s.set_class
        assert result.prime[value] == form.prime.bits
        assert OPERATORS[result.operator[value]] == form.operator


def test_count_agrees_with_each_set():
    sets = [PcSet.from_bits(bits) for bits in ALL_BITS]
    assert pelantor.count(sets) == collections.Counter(s.forte for s in sets)
    assert pelantor.count(np.arange(1, 4096)) == pelantor.count(sets)
    by_tn = pelantor.count(sets, tn_classes=True)
    assert by_tn == collections.Counter(s.tn_class for s in sets)
    # Table order: by class, A before B.
    assert list(by_tn)[:5] == ["1-1", "2-1", "2-2", "2-3", "2-4"]
    assert list(by_tn)[list(by_tn).index("3-2A") + 1] == "3-2B"
