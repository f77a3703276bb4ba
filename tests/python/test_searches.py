"""The searches: combining subsets, subsets of supersets, classes by
interval-class vector, operators between two sets and the chart."""

import re

import pytest

import pelantor
from pelantor import OPERATORS, PcSet, SetClass


def labelled(counts):
    return [(c.set_class.forte, c.placements) for c in counts]


def test_a_dyad_and_a_note_side_by_side_give_each_trichord_twice():
    # {0, 1} with {k} for k = 2..11: k and 13 - k give the same class.
    expected = [("3-1", 2), ("3-2", 2), ("3-3", 2), ("3-4", 2), ("3-5", 2)]
    assert labelled(pelantor.combine(["01", "0"])) == expected
    assert labelled(pelantor.combine(["01", "0"], 1)) == expected
    assert labelled(pelantor.combine(["01", "0"], "with_overlap")) == [("2-1", 2)]
    assert labelled(pelantor.combine(["01", "0"], exclusions=["012"])) == expected[1:]
    assert labelled(pelantor.combine(["01", "0"], "of_cardinality", card=2)) == [("2-1", 2)]


def test_a_single_subset_against_an_empty_piece():
    assert labelled(pelantor.combine("047", "both")) == [("3-11", 12)]


@pytest.mark.parametrize(
    "call, message",
    [
        (lambda: pelantor.combine(["0123456", "012345"]), "the subsets hold 13 notes, too"),
        (lambda: pelantor.combine(["01"]), "a single subset has nothing to combine with"),
        (lambda: pelantor.combine(["01", "0"], "both", 3), "only combinations of a given size"),
        (lambda: pelantor.combine(["01", "0"], "of_cardinality", 5), "have 2 to 3 notes, not 5"),
        (lambda: pelantor.combine(["01"] * 13, "both"), "at most 12 subsets, not 13"),
        (lambda: pelantor.combine(["01"], 7), "7 is not a combination: give its number, 1 to 6"),
        (lambda: pelantor.combine(["01"], "overlap"), "overlap is not a combination"),
    ],
)
def test_combinations_refused(call, message):
    with pytest.raises(ValueError, match=re.escape(message)):
        call()


def test_subsets_of_supersets():
    by_size = pelantor.subsets(["0146"], 2, 2)
    assert list(by_size) == [2]
    dyads = by_size[2]
    assert [e.set_class.forte for e in dyads] == ["2-1", "2-2", "2-3", "2-4", "2-5", "2-6"]
    assert all(len(e.embeddings) == 1 and e.embeddings[0].count == 1 for e in dyads)
    assert all(e.embeddings[0].least <= 1 <= e.embeddings[0].most for e in dyads)
    both = pelantor.subsets(["047", "037"])  # up to the smaller superset's size
    assert list(both) == [1, 2, 3]
    assert [e.set_class.forte for e in both[3]] == ["3-11"]
    assert [x.count for x in both[3][0].embeddings] == [1, 1]
    assert [x.count for x in both[1][0].embeddings] == [3, 3]
    with pytest.raises(ValueError, match="no superset given"):
        pelantor.subsets([])
    with pytest.raises(ValueError, match="have 1 to 3 notes; 2 to 4 is not within that"):
        pelantor.subsets("047", 2, 4)


def test_classes_by_interval_class_vector():
    assert pelantor.classes_by_icv([1, 1, 1, 1, 1, 1]) == [SetClass("4-z15"), SetClass("4-z29")]
    assert pelantor.classes_by_icv([None] * 6, card=3) == pelantor.classes(card=3)
    assert [c.forte for c in pelantor.classes_by_icv([None] * 5 + [6])] == ["12-1"]  # 6 tritones
    assert pelantor.classes_by_icv([9, None, None, None, None, None], 3) == []
    with pytest.raises(ValueError, match="six entries"):
        pelantor.classes_by_icv([1, 1])
    with pytest.raises(ValueError, match="the search covers sets of 2 to 12 pitch classes, not 1"):
        pelantor.classes_by_icv([None] * 6, 1)
    with pytest.raises(ValueError, match="an interval-class count cannot be negative"):
        pelantor.classes_by_icv([-1] + [None] * 5)


def test_operators_between_two_sets():
    assert pelantor.operators("014", "23b") == ["T3I"]
    assert pelantor.operators("048", "048") == ["T0", "T8", "T4", "T0I", "T4I", "T8I"]
    assert pelantor.operators("048", "048", show_all=False) == ["T0"]
    assert pelantor.operators("048", "048", inversion=False) == ["T0", "T8", "T4"]
    assert pelantor.operators("01", "05", m=True, inversion=False) == ["T0M"]
    assert pelantor.operators("014", "0123") == []


def test_split_mappings_where_no_single_operator_maps():
    found = pelantor.mappings("012", "013")
    assert found.single == [] and found.splits
    for split in found.splits:
        assert split.first.source | split.second.source == PcSet("012")
        assert split.first.target | split.second.target == PcSet("013")
        for half in split:
            assert half.source.transform(half.operator) == half.target
    assert pelantor.mappings("012", "013", partitions=[0]).splits == []
    assert pelantor.mappings("014", "23b").single == ["T3I"]
    with pytest.raises(ValueError, match="only sets of one size map onto each other"):
        pelantor.mappings("01", "012")


def test_the_chart():
    rows = pelantor.chart()
    assert len(rows) == 223 and rows[0].set_class == SetClass("1-1")
    assert all(row.marks[0] == "onto_itself" and len(row.marks) == 48 for row in rows)
    # A single note goes onto itself exactly when n is 0.
    assert [OPERATORS[i] for i, m in enumerate(rows[0].marks) if m == "onto_itself"] == [
        "T0", "T0I", "T0M", "T0MI"]
    augmented = pelantor.chart_marks("048")[:12]
    assert augmented == tuple("onto_itself" if n % 4 == 0 else "disjoint" for n in range(12))
    assert pelantor.chart_marks("01")[1] == "overlapping"
