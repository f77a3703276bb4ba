"""The searches as Python sees them: arguments by name or number, results
as records of sets and classes, and the refusals with their messages."""

import re

import pytest

import pelantor
from pelantor import OPERATORS, PcSet, SetClass


def test_combinations_by_name_or_number():
    expected = [(SetClass(f"3-{n}"), 2) for n in range(1, 6)]
    assert pelantor.combine(["01", "0"]) == pelantor.combine([[0, 1], "0"], 1) == expected
    assert [c.set_class.forte for c in pelantor.combine(["01", "0"], exclusions=["012"])] == [
        "3-2", "3-3", "3-4", "3-5"]
    assert pelantor.combine(["01", "0"], "of_cardinality", card=2)[0].placements == 2


@pytest.mark.parametrize(
    "call, message",
    [
        (lambda: pelantor.combine(["0123456", "012345"]), "the subsets hold 13 notes, too"),
        (lambda: pelantor.combine(["01", "0"], "of_cardinality", 5), "have 2 to 3 notes, not 5"),
        (lambda: pelantor.combine(["01"], 7), "7 is not a combination: give its number, 1 to 6"),
        (lambda: pelantor.combine(["01"], "overlap"), "overlap is not a combination"),
        (lambda: pelantor.subsets([]), "no superset given"),
        (lambda: pelantor.subsets("047", 2, 4), "have 1 to 3 notes; 2 to 4 is not within that"),
        (lambda: pelantor.classes_by_icv([1, 1]), "six entries"),
        (lambda: pelantor.classes_by_icv([-1] + [None] * 5), "cannot be negative"),
        (lambda: pelantor.mappings("01", "012"), "only sets of one size map onto each other"),
    ],
)
def test_refusals(call, message):
    with pytest.raises(ValueError, match=re.escape(message)):
        call()


def test_subsets_and_classes_by_interval_class_vector():
    both = pelantor.subsets(["047", "037"])  # up to the smaller superset's size
    assert list(both) == [1, 2, 3] and both[3][0].set_class == SetClass("3-11")
    assert [x.count for x in both[1][0].embeddings] == [3, 3]
    assert pelantor.classes_by_icv([1, 1, 1, 1, 1, 1]) == [SetClass("4-z15"), SetClass("4-z29")]
    assert pelantor.classes_by_icv([None] * 6, card=3) == pelantor.classes(card=3)


def test_operators_mappings_and_the_chart():
    assert pelantor.operators("048", "048", inversion=False) == ["T0", "T8", "T4"]
    assert pelantor.operators("01", "05", m=True, inversion=False, show_all=False) == ["T0M"]
    found = pelantor.mappings("012", "013")
    assert found.single == [] and found.splits
    for half in found.splits[0]:
        assert half.source.transform(half.operator) == half.target
    assert pelantor.mappings("012", "013", partitions=[0]).splits == []
    rows = pelantor.chart()
    assert len(rows) == 223 and rows[0].set_class == SetClass("1-1")
    assert [OPERATORS[i] for i, m in enumerate(rows[0].marks) if m == "onto_itself"] == [
        "T0", "T0I", "T0M", "T0MI"]
    assert pelantor.chart_marks("01")[:3] == ("onto_itself", "overlapping", "disjoint")
    assert isinstance(pelantor.chart_marks(PcSet("048")), tuple)
