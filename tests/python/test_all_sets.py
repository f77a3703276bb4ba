"""The one sweep: every one of the 4,095 non-empty sets under both
algorithms, the module against rules worked out here in plain Python, and
the vectorised calls against the per-set properties."""

import collections
import itertools

import numpy as np
import pytest

import pelantor
from pelantor import OPERATORS, PcSet


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


RULES = {
    # Least span, then least from the right: the least bit value.
    "rahn": lambda bits: PcSet(min(normal_forms(bits), key=lambda f: f[::-1])),
    # Least span, then least from the left.
    "forte": lambda bits: PcSet(min(normal_forms(bits), key=lambda f: (f[-1],) + f)),
}


def interval_classes(bits):
    counts = [0] * 6
    for a, b in itertools.combinations(members(bits), 2):
        counts[min(b - a, 12 - (b - a)) - 1] += 1
    return tuple(counts)


@pytest.mark.parametrize("algorithm", ["rahn", "forte"])
def test_every_set_agrees_with_the_rules_and_with_classify(algorithm):
    result = pelantor.classify(np.arange(4096), algorithm)
    everything = pelantor.classes()
    for bits in range(1, 4096):
        s = PcSet.from_bits(bits)
        form = s.prime(algorithm)
        assert form.prime == RULES[algorithm](bits), s
        assert form.prime.transform(form.operator) == s and PcSet(form.ordered) == s, s
        assert s.icv == interval_classes(bits) == s.set_class.icv, s
        assert pelantor.SetClass(s.forte) == s.set_class
        # Tn classes: A for the transpositions of the prime form, B for the
        # rest, no letter for a set that inversion maps onto itself.
        symmetric = any(s.inverted().transposed(n) == s for n in range(12))
        transposition = any(s.set_class.prime_form.transposed(n) == s for n in range(12))
        assert s.tn_class == s.forte + ("" if symmetric else "A" if transposition else "B"), s
        assert everything[result.class_index[bits]] == s.set_class
        assert result.prime[bits] == form.prime.bits
        assert OPERATORS[result.operator[bits]] == form.operator


def test_count_agrees_with_each_set():
    sets = [PcSet.from_bits(bits) for bits in range(1, 4096)]
    assert pelantor.count(sets) == collections.Counter(s.forte for s in sets)
    assert pelantor.count(np.arange(1, 4096)) == pelantor.count(sets)
    by_tn = pelantor.count(sets, tn_classes=True)
    assert by_tn == collections.Counter(s.tn_class for s in sets)
    # Table order: by class, A before B.
    assert list(by_tn)[:5] == ["1-1", "2-1", "2-2", "2-3", "2-4"]
    assert list(by_tn)[list(by_tn).index("3-2A") + 1] == "3-2B"
