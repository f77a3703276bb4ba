"""The measures, their matrices and comparisons, set lists, and the numpy
calls: values worked out by hand, dtypes and shapes, refusals, and calls
from several threads at once."""

import concurrent.futures
import math
import re

import numpy as np
import pytest

import pelantor
from pelantor import PcSet

# Sets of 2 to 10 pitch classes, a spread over the bit values.
SAMPLE = np.array([b for b in range(3, 4096, 7) if 2 <= bin(b).count("1") <= 10])


def test_the_sixteen_measures():
    table = pelantor.measures()
    assert [m.number for m in table] == list(range(1, 17))
    assert [m.name for m in table][7:11] == ["ASIM", "IcVSIM", "ISIM2", "ATMEMB"]
    assert {m.kind for m in table} == {"dissimilarity", "similarity", "count"}
    assert table[13].name == "COV" and table[13].kind == "count"


def test_values_worked_out_from_the_interval_class_vectors():
    # <001110> against <101310>: differences 1, 0, 0, 2, 0, 0.
    assert pelantor.similarity("ASIM", "047", "0148") == pytest.approx(3 / 9)
    assert pelantor.similarity("IcVSIM", "047", "0148") == pytest.approx(math.sqrt(3.5 / 6))
    angle = math.degrees(math.acos(5 / 6))
    assert pelantor.similarity("ANGLE", "047", "0148") == pytest.approx(angle)


def test_a_measure_by_name_in_any_case_or_number():
    value = pelantor.similarity("Adjusted %SAT%SIM", "047", "0148")
    assert pelantor.similarity(" adjusted%sat%SIM ", PcSet("047"), [0, 1, 4, 8]) == value
    assert pelantor.similarity(6, "047", "0148") == value
    assert pelantor.similarity(np.int64(6), "047", "0148") == value


@pytest.mark.parametrize(
    "call, error, message",
    [
        (lambda: pelantor.similarity("SIM", "01", "02"), ValueError,
         "'SIM' is not a similarity measure: give its number, 1 to 16, or its name"),
        (lambda: pelantor.similarity(17, "01", "02"), ValueError,
         "'17' is not a similarity measure"),
        (lambda: pelantor.similarity(1.0, "01", "02"), TypeError,
         "a measure is given by its name or its number, not float"),
        (lambda: pelantor.similarity(1, "0", "01"), ValueError,
         "only sets of 2 to 10 pitch classes can be compared, not {0}"),
        (lambda: pelantor.matrix(1, ["01", "0123456789a"]), ValueError, "not {0123456789a}"),
        (lambda: pelantor.matrix(1, [145]), TypeError, "not an int"),
        (lambda: pelantor.compare_to_classes(1, "047", 1, 3), ValueError,
         "set classes to compare with have 2 to 10 pitch classes, the lowest first"),
        (lambda: pelantor.write_set_list(["0"]), ValueError,
         "a set list holds sets of 2 to 10 pitch classes, not {0}"),
    ],
)
def test_refusals(call, error, message):
    with pytest.raises(error, match=re.escape(message)):
        call()


@pytest.mark.parametrize("measure", range(1, 17))
def test_matrix_holds_each_pair_value(measure):
    rows, columns = SAMPLE[:9], SAMPLE[-5:]
    values = pelantor.matrix(measure, rows, columns)
    assert values.dtype == np.float64 and values.shape == (9, 5)
    for i, j in np.ndindex(values.shape):
        a, b = PcSet.from_bits(int(rows[i])), PcSet.from_bits(int(columns[j]))
        assert values[i, j] == pelantor.similarity(measure, a, b)
    square = pelantor.matrix(measure, [PcSet.from_bits(int(b)) for b in rows])
    assert square.shape == (9, 9)
    assert np.array_equal(square, pelantor.matrix(measure, rows, rows))
    assert pelantor.matrix(measure, []).shape == (0, 0)


def test_comparisons():
    groups = pelantor.compare_to_classes("ASIM", "047", 3, 3)
    assert groups[0].value == 0.0 and groups[0].classes == [pelantor.SetClass("3-11")]
    assert [g.value for g in groups] == sorted(g.value for g in groups)
    assert sorted(c for g in groups for c in g.classes) == pelantor.classes(3)
    sets = ["047", "037", "0148"]
    lists = pelantor.compare_lists("ASIM", sets)
    assert np.array_equal(lists.values, pelantor.matrix("ASIM", sets))
    assert len(lists.rows) == 3 and lists.rows[0].average == pytest.approx(np.mean(lists.values[0]))
    assert lists.average == pytest.approx(np.mean([r.average for r in lists.rows]))
    assert pelantor.compare_lists("EMB", sets, ["01"]).values.shape == (3, 1)


def test_set_lists():
    read = pelantor.read_set_list("145\r\n1\n4095\n9999\n137\n\n146\n")
    assert read.sets == [PcSet("047"), PcSet("037")]
    assert [(s.entry, s.value, s.reason) for s in read.skipped] == [
        (2, 1, "too_few"), (3, 4095, "too_many"), (4, 9999, "not_a_set")]
    assert pelantor.write_set_list(["047", "037"]) == "145\n137\n"
    assert pelantor.read_set_list(pelantor.write_set_list(SAMPLE)).sets == [
        PcSet.from_bits(int(b)) for b in SAMPLE]


def test_classify_keeps_the_shape_and_gives_small_dtypes():
    for bits in (np.arange(4096).reshape(64, 64), np.array(145), np.array([], dtype=np.int32)):
        result = pelantor.classify(bits)
        for array, dtype in zip(result, (np.int16, np.uint16, np.int8)):
            assert array.dtype == dtype and array.shape == bits.shape
    for bits in ([145, 137], np.array([145, 137], dtype=np.uint8), (145, 137)):
        result = pelantor.classify(bits)
        assert result.class_index.tolist() == [PcSet("037").set_class.index] * 2
        assert result.prime.tolist() == [137, 137]
        assert [pelantor.OPERATORS[op] for op in result.operator] == ["T7I", "T0"]
    assert pelantor.classify(np.array([145], dtype=np.uint64)).prime[0] == 137


@pytest.mark.parametrize(
    "bits, error, message",
    [
        ([0, 4096], ValueError, "not a pitch-class set: bits above pitch class 11"),
        (np.array([-5]), ValueError, "not a pitch-class set: a negative bit value"),
        (np.array([1.0]), TypeError, "bit values are integers, not float64"),
        (["145"], TypeError, "bit values are integers, not <U3"),
    ],
)
def test_classify_refusals(bits, error, message):
    with pytest.raises(error, match=re.escape(message)):
        pelantor.classify(bits)


def test_classify_takes_the_two_algorithms_in_any_case():
    assert pelantor.classify([145], "FORTE").prime[0] == 137
    with pytest.raises(ValueError, match="'rahn' and 'forte', not 'Forte '"):
        pelantor.classify([1], "Forte ")


def test_calls_from_several_threads_agree():
    bits = np.random.default_rng(7).integers(0, 4096, 200_000)
    expected_classes = pelantor.classify(bits).class_index
    expected_matrix = pelantor.matrix("TSATSIM", SAMPLE[:150])

    def work(_):
        return (
            pelantor.classify(bits).class_index,
            pelantor.matrix("TSATSIM", SAMPLE[:150]),
            pelantor.similarity("ANGLE", "047", "0148"),
        )

    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        for classes, values, angle in pool.map(work, range(8)):
            assert np.array_equal(classes, expected_classes)
            assert np.array_equal(values, expected_matrix)
            assert angle == pelantor.similarity("ANGLE", "047", "0148")
