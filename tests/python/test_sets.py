"""PcSet and SetClass: the ways of writing a set, value semantics, the
report of one set, Tn classes and the refusals with their messages."""

import copy
import pickle
import re

import pytest

from pelantor import PcSet, SetClass, classes

C_MAJOR = PcSet([0, 4, 7])


@pytest.mark.parametrize(
    "written",
    ["047", "0 4 7", "740", " 7\t4 0 ", [0, 4, 7], (7, 4, 0, 4), {0, 4, 7}, iter([7, 0, 4]),
     C_MAJOR],
)
def test_every_way_of_writing_a_set_gives_the_same_set(written):
    assert PcSet(written).bits == 145


def test_ten_and_eleven_take_the_program_letters():
    assert PcSet("aAtT+") == PcSet([10])
    assert PcSet("bBeE*") == PcSet([11])
    assert PcSet() == PcSet("") == PcSet([])
    assert len(PcSet()) == 0 and not PcSet()


def test_notes_midi_and_forte_labels():
    assert PcSet.from_notes("C E G") == C_MAJOR
    assert PcSet.from_notes("c, e, g") == C_MAJOR
    assert PcSet.from_notes(["E-4", "Bb3", "F#", "Cb", "B#", "G##"]) == PcSet([3, 10, 6, 11, 0, 9])
    assert PcSet.from_notes("D\u266d A\u266f5") == PcSet([1, 10])
    assert PcSet.from_midi([60, 64, 67, 72]) == C_MAJOR
    assert PcSet.from_midi([-1, 127]) == PcSet([11, 7])
    assert PcSet.from_forte("4-z15") == PcSet("0146")
    assert PcSet.from_forte("5-20") == PcSet("01568")
    assert PcSet.from_forte("5-20", algorithm="forte") == PcSet("01378")
    assert PcSet.from_bits(145) == C_MAJOR


@pytest.mark.parametrize(
    "make, error, message",
    [
        (lambda: PcSet("04x"), ValueError, "'x' is not a pitch class"),
        (lambda: PcSet("0\x01"), ValueError, "the byte 0x01 is not a pitch class"),
        (lambda: PcSet([0, 12]), ValueError, "not a pitch class: numbers run from 0 to 11"),
        (lambda: PcSet([-1]), ValueError, "not a pitch class: numbers run from 0 to 11"),
        (lambda: PcSet([2**80]), ValueError, "not a pitch class: numbers run from 0 to 11"),
        (lambda: PcSet([0.0]), TypeError, "a pitch class is an int from 0 to 11, not float"),
        (lambda: PcSet(["0"]), TypeError, "a pitch class is an int from 0 to 11, not str"),
        (lambda: PcSet(145), TypeError, "for a bit value use PcSet.from_bits"),
        (lambda: PcSet(1.5), TypeError, "not float"),
        (lambda: PcSet.from_bits(4096), ValueError, "not a pitch-class set: bits above"),
        (lambda: PcSet.from_bits(-1), ValueError, "not a pitch-class set: a negative bit value"),
        (lambda: PcSet.from_notes("C H"), ValueError, "'H' is not a note name"),
        (lambda: PcSet.from_notes("C4x"), ValueError, "'C4x' is not a note name"),
        (lambda: PcSet.from_notes([60]), TypeError, "a note name is a str"),
        (lambda: PcSet.from_midi([60.0]), TypeError, "a MIDI note number is an int, not float"),
        (lambda: PcSet.from_forte("4-30"), ValueError, "there is no set class 4-30"),
        (lambda: PcSet.from_forte("3-z11"), ValueError, "there is no set class 3-z11"),
        (lambda: SetClass("4/15"), ValueError, "'4/15' is not a Forte label"),
        (lambda: C_MAJOR.prime("Rahns"), ValueError,
         "the prime-form algorithms are 'rahn' and 'forte', not 'Rahns'"),
        (lambda: C_MAJOR.transform("T12"), ValueError, "'T12' is not an operator"),
    ],
)
def test_refusals_carry_their_message(make, error, message):
    with pytest.raises(error, match=re.escape(message)):
        make()


def test_sets_are_values_hashed_ordered_and_picklable():
    a, b = PcSet("047"), PcSet("037")
    assert {a: 1}[PcSet([7, 4, 0])] == 1
    assert len({a, PcSet("740"), b}) == 2
    assert sorted([a, b, PcSet("1")]) == [PcSet("1"), b, a]  # by bit value: 2, 137, 145
    assert b < a and a > b and a <= a and a != b
    assert (a == "047") is False
    for value in (a, PcSet(), PcSet("0123456789ab")):
        assert pickle.loads(pickle.dumps(value)) == value
        assert eval(repr(value)) == value
        assert copy.deepcopy(value) == value
    assert repr(a) == 'PcSet("047")' and str(a) == "047"
    assert list(PcSet("b73")) == [3, 7, 11]
    assert 4 in a and 5 not in a and "4" not in a and 16 not in a


def test_set_operations_and_operators():
    a, b = PcSet("047"), PcSet("037")
    assert a | b == PcSet("0347") and a & b == PcSet("07") and a - b == PcSet("4")
    assert PcSet("07").issubset(a) and a.issuperset(PcSet("4")) and not a.issubset(b)
    assert a.transposed(2) == PcSet("269") and a.transposed(-12) == a
    assert a.inverted() == PcSet("058") and a.multiplied(5) == PcSet("08b")
    assert a.transform("T7I") == PcSet("037")
    assert a.transform("tbmi") == a.multiplied(7).transposed(11)
    assert a.complement == PcSet("1235689ab")


def test_report_of_a_set_with_a_z_correspondent():
    s = PcSet([1, 4, 6, 0])
    assert s.prime("rahn") == (PcSet("0146"), "T0", "0146")
    assert (s.forte, s.tn_class) == ("4-z15", "4-z15A")
    assert s.icv == (1, 1, 1, 1, 1, 1)
    assert s.invariance == (1, 0, 0, 0, 0, 3, 3, 1)
    assert s.vtics == (2, 2, 1, 0, 2, 2, 2, 2, 1, 0, 2, 0)
    assert s.cycle_fragmentation == (
        ("01--4-6-----",),
        ("0-46--", "1-----"),
        ("0-6-", "14--", "----"),
        ("04-", "1--", "-6-", "---"),
        ("0----16-4---",),
        ("06", "1-", "--", "--", "4-", "--"),
    )
    assert s.ic_cycle_vector == (
        (1, 0, 0, 0), (1, 0, 0, 0), (1, 0, 0), (1, 0, 0, 0), (1, 0, 0, 0), (1, 0, 0, 0, 0, 0))
    assert s.weighted_cycle_vector == (1.2,) * 6
    assert [str(e) for e in s.ic_saturation_a] == ["min+1"] * 5 + ["max-1"]
    assert [str(e) for e in s.ic_saturation_b] == ["max-2"] * 2 + ["max-3"] + ["max-2"] * 2 + [
        "min+1"]
    assert s.adjusted_icv == (1, 1, 1, 1, 1, 1)
    assert s.proportional_icsatv == pytest.approx((1 / 3, 1 / 3, 0.25, 1 / 3, 1 / 3, 0.5))
    assert s.picsat_percent == pytest.approx((0.16, 0.16, 0.12, 0.16, 0.16, 0.24))
    assert [str(e) for e in s.cycle_saturation_a] == ["min+1.20"] * 5 + ["max-1.20"]
    assert [str(e) for e in s.cycle_saturation_b] == ["max-3.17"] * 2 + ["max-5.24"] + [
        "max-3.17"] * 2 + ["min+1.20"]
    assert s.cycle_saturation_b[2].distance == pytest.approx(5.24)
    assert s.proportional_cycsatv == pytest.approx((0.275, 0.275, 0.186, 0.275, 0.275, 0.5),
                                                   abs=5e-4)
    assert s.complement.prime("rahn") == (PcSet("01234689"), "TbI", "ba987532")
    assert s.z_partner == SetClass("4-z29") and s.m_partner == SetClass("4-z29")
    assert s.z_partner.prime_form == PcSet("0137")


def test_report_of_the_major_triad():
    s = C_MAJOR
    assert (s.prime_form, s.operator, s.prime().ordered) == (PcSet("037"), "T7I", "740")
    assert s.forte == "3-11"
    assert s.z_partner is None and s.m_partner.forte == "3-3"
    assert s.ic_saturation_a[0] == ("min", 0) and s.ic_saturation_b[2] == ("min", 1)
    assert s.weighted_cycle_vector == (0.0, 0.0, 1.2, 1.2, 1.2, 0.0)
    assert s.complement.prime().operator == "T8" and s.complement.prime_form == PcSet("01235679a")


def test_forte_and_rahn_differ_on_five_twenty():
    s = PcSet("02378")
    assert s.prime("forte") == (PcSet("01378"), "T3I", "32087")
    assert s.prime("rahn") == (PcSet("01568"), "T8I", "87320")
    assert s.prime_form_forte == PcSet("01378") and s.forte == "5-20"


def test_tn_classes_name_transpositions_a_and_inversions_b():
    assert PcSet("037").tn_class == "3-11A"  # minor triad: the prime form itself
    assert C_MAJOR.tn_class == "3-11B"
    assert PcSet("048").tn_class == "3-12"  # symmetric: no letter
    assert PcSet("0146").inverted().tn_class == "4-z15B"


def test_full_and_near_full_sets_report_without_failing():
    for s in (PcSet("0123456789ab"), PcSet("0123456789a")):
        assert s.proportional_icsatv == (0.0,) * 6 and s.picsat_percent == (0.0,) * 6
        assert all(0.0 <= x <= 1.0 for x in s.proportional_cycsatv)
    assert PcSet("0123456789ab").complement.prime() == (PcSet(), "T0", "")


def test_set_classes():
    assert [len(classes(n)) for n in range(13)] == [1, 1, 6, 12, 29, 38, 50, 38, 29, 12, 6, 1, 1]
    assert [sc.index for sc in classes()] == list(range(224))
    z = SetClass("4-Z15")
    assert z == SetClass("4-15") == SetClass("4-z15") and z.is_z and str(z) == "4-z15"
    assert (z.cardinality, z.ordinal, z.icv) == (4, 15, (1, 1, 1, 1, 1, 1))
    assert z.z_partner == SetClass("4-z29") and SetClass("3-11").z_partner is None
    assert z.complement == SetClass("8-z15")
    assert SetClass("5-20").prime_form_forte == PcSet("01378")
    assert SetClass("0-0").prime_form == PcSet() and repr(SetClass("0-0")) == 'SetClass("0-0")'
    assert sorted([SetClass("4-1"), SetClass("3-1")]) == [SetClass("3-1"), SetClass("4-1")]
    assert {SetClass("4-15"): 1}[PcSet("0146").set_class] == 1
    for sc in (z, SetClass("0-0"), SetClass("12-1")):
        assert pickle.loads(pickle.dumps(sc)) == sc and eval(repr(sc)) == sc
