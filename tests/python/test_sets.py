"""PcSet and SetClass as Python values: the ways of writing a set, the
refusals with their messages, hashing, ordering, pickling, and the types of
the properties of one set."""

import copy
import pickle
import re

import pytest

from pelantor import PcSet, Saturation, SetClass, classes

C_MAJOR = PcSet([0, 4, 7])


@pytest.mark.parametrize(
    "written",
    ["047", " 7\t4 0 ", [0, 4, 7], (7, 4, 0, 4), {0, 4, 7}, iter([7, 0, 4]), C_MAJOR],
)
def test_every_way_of_writing_a_set(written):
    assert PcSet(written) == C_MAJOR


def test_notes_midi_and_forte_labels():
    assert PcSet("aAtT+") == PcSet([10]) and PcSet("bBeE*") == PcSet([11])
    assert PcSet.from_notes("C E G") == PcSet.from_notes("c, e, g") == C_MAJOR
    assert PcSet.from_notes(["E-4", "Bb3", "F#", "Cb", "B#", "G##"]) == PcSet([3, 10, 6, 11, 0, 9])
    assert PcSet.from_notes("D\u266d A\u266f5") == PcSet([1, 10])
    assert PcSet.from_midi([60, 64, 67, 72]) == C_MAJOR and PcSet.from_midi([-1]) == PcSet([11])
    assert PcSet.from_forte("5-20", algorithm="forte") == PcSet("01378")
    assert PcSet.from_bits(145) == C_MAJOR


@pytest.mark.parametrize(
    "make, error, message",
    [
        (lambda: PcSet("04x"), ValueError, "'x' is not a pitch class"),
        (lambda: PcSet([2**80]), ValueError, "not a pitch class: numbers run from 0 to 11"),
        (lambda: PcSet([0.0]), TypeError, "a pitch class is an int from 0 to 11, not float"),
        (lambda: PcSet(["0"]), TypeError, "a pitch class is an int from 0 to 11, not str"),
        (lambda: PcSet(145), TypeError, "for a bit value use PcSet.from_bits"),
        (lambda: PcSet.from_bits(-1), ValueError, "not a pitch-class set: a negative bit value"),
        (lambda: PcSet.from_notes("C H"), ValueError, "'H' is not a note name"),
        (lambda: PcSet.from_notes([60]), TypeError, "a note name is a str"),
        (lambda: PcSet.from_midi([60.0]), TypeError, "a MIDI note number is an int, not float"),
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


def test_sets_and_classes_are_values():
    a, b = PcSet("047"), PcSet("037")
    assert {a: 1}[PcSet([7, 4, 0])] == 1 and len({a, PcSet("740"), b}) == 2
    assert sorted([a, b, PcSet("1")]) == [PcSet("1"), b, a]  # by bit value: 2, 137, 145
    assert (a == "047") is False and 4 in a and "4" not in a and 16 not in a
    assert repr(a) == 'PcSet("047")' and str(a) == "047" and list(PcSet("b73")) == [3, 7, 11]
    assert a | b == PcSet("0347") and a - b == PcSet("4") and a.issuperset(PcSet("4"))
    assert a.transform("tbmi") == a.multiplied(7).transposed(11)
    z = SetClass("4-Z15")
    assert z == SetClass("4-15") and str(z) == "4-z15" and z.z_partner == SetClass("4-z29")
    assert sorted([SetClass("4-1"), SetClass("3-1")]) == [SetClass("3-1"), SetClass("4-1")]
    assert {SetClass("4-15"): 1}[PcSet("0146").set_class] == 1
    assert [len(classes(n)) for n in (0, 6, 12)] == [1, 50, 1]
    for value in (a, PcSet(), PcSet("0123456789ab"), z, SetClass("0-0")):
        assert pickle.loads(pickle.dumps(value)) == value
        assert eval(repr(value)) == value and copy.deepcopy(value) == value


def test_the_report_of_a_set_in_python_types():
    s = PcSet([1, 4, 6, 0])
    assert s.prime("rahn") == (PcSet("0146"), "T0", "0146")
    assert (s.forte, s.tn_class) == ("4-z15", "4-z15A")
    assert s.icv == (1, 1, 1, 1, 1, 1) and len(s.invariance) == 8 and len(s.vtics) == 12
    assert s.cycle_fragmentation[1] == ("0-46--", "1-----")
    assert s.ic_cycle_vector[5] == (1, 0, 0, 0, 0, 0)
    assert s.weighted_cycle_vector == (1.2,) * 6
    assert s.ic_saturation_a[0] == Saturation("min", 1) and str(s.ic_saturation_a[5]) == "max-1"
    assert str(s.cycle_saturation_b[2]) == "max-5.24"
    assert s.cycle_saturation_b[2].distance == pytest.approx(5.24)
    assert s.picsat_percent == pytest.approx((0.16, 0.16, 0.12, 0.16, 0.16, 0.24))
    assert all(isinstance(x, float) for x in s.proportional_cycsatv + s.proportional_icsatv)
    assert s.complement.prime("rahn") == (PcSet("01234689"), "TbI", "ba987532")
    assert s.z_partner == SetClass("4-z29") and C_MAJOR.z_partner is None
    assert PcSet("0123456789ab").complement.prime() == (PcSet(), "T0", "")
