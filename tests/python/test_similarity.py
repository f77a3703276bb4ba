"""The measures, comparisons, set lists and the numpy calls as Python sees
them: names and numbers, dtypes and shapes, records, refusals, and calls
from several threads at once."""

import concurrent.futures
import re

import numpy as np
import pytest

import pelantor
from pelantor import PcSet

# Sets of 2 to 10 pitch classes, a spread over the bit values.
SAMPLE = np.array([b for b in range(3, 4096, 7) if 2 <= bin(b).count("1") <= 10])


def test_a_measure_by_name_in_any_case_or_number():
    table = pelantor.measures()
    assert [m.number for m in table] == list(range(1, 17)) and table[13].kind == "count"
    value = pelantor.similarity("Adjusted %SAT%SIM", "047", "0148")
    assert pelantor.similarity(" adjusted%sat%SIM ", PcSet("047"), [0, 1, 4, 8]) == value
    assert pelantor.similarity(np.int64(6), "047", "0148") == value


@pytest.mark.parametrize(
    "call, error, message",
    [
        (lambda: pelantor.similarity("SIM", "01", "02"), ValueError,
         "'SIM' is not a similarity measure: give its number, 1 to 16, or its name"),
        (lambda: pelantor.similarity(1.0, "01", "02"), TypeError,
         "a measure is given by its name or its number, not float"),
        (lambda: pelantor.similarity(1, "0", "01"), ValueError,
         "only sets of 2 to 10 pitch classes can be compared, not {0}"),
        (lambda: pelantor.matrix(1, [145]), TypeError, "not an int"),
        (lambda: pelantor.compare_to_classes(1, "047", 1, 3), ValueError,
         "set classes to compare with have 2 to 10 pitch classes, the lowest first"),
        (lambda: pelantor.write_set_list(["0"]), ValueError,
         "a set list holds sets of 2 to 10 pitch classes, not {0}"),
        (lambda: pelantor.classify([0, 4096]), ValueError, "bits above pitch class 11"),
        (lambda: pelantor.classify(np.array([-5])), ValueError, "a negative bit value"),
        (lambda: pelantor.classify(np.array([1.0])), TypeError, "integers, not float64"),
        (lambda: pelantor.classify(["145"]), TypeError, "bit values are integers, not <U3"),
        (lambda: pelantor.classify([1], "Forte "), ValueError, "'rahn' and 'forte', not 'Forte '"),
    ],
)
def test_refusals(call, error, message):
    with pytest.raises(error, match=re.escape(message)):
        call()


@pytest.mark.parametrize("measure", ["SATSIM", "CSATSIM", "EMB"])
def test_matrix_holds_each_pair_value(measure):
    rows, columns = SAMPLE[:9], SAMPLE[-5:]
    values = pelantor.matrix(measure, rows, columns)
    assert values.dtype == np.float64 and values.shape == (9, 5)
    for i, j in np.ndindex(values.shape):
        a, b = PcSet.from_bits(int(rows[i])), PcSet.from_bits(int(columns[j]))
        assert values[i, j] == pelantor.similarity(measure, a, b)
    square = pelantor.matrix(measure, [PcSet.from_bits(int(b)) for b in rows])
    assert np.array_equal(square, pelantor.matrix(measure, rows, rows))
    assert pelantor.matrix(measure, []).shape == (0, 0)


def test_comparisons_and_set_lists_as_records():
    groups = pelantor.compare_to_classes("ASIM", "047", 3, 3)
    assert groups[0].value == 0.0 and groups[0].classes == [pelantor.SetClass("3-11")]
    lists = pelantor.compare_lists("ASIM", ["047", "037", "0148"])
    assert np.array_equal(lists.values, pelantor.matrix("ASIM", ["047", "037", "0148"]))
    assert len(lists.rows) == 3 and isinstance(lists.rows[0].average, float)
    assert pelantor.compare_lists("EMB", ["047"], ["01", "014"]).values.shape == (1, 2)
    read = pelantor.read_set_list("145\r\n1\n9999\n137\n\n146\n")
    assert read.sets == [PcSet("047"), PcSet("037")]
    assert [(s.entry, s.value, s.reason) for s in read.skipped] == [
        (2, 1, "too_few"), (3, 9999, "not_a_set")]
    assert pelantor.read_set_list(pelantor.write_set_list(SAMPLE)).sets == [
        PcSet.from_bits(int(b)) for b in SAMPLE]


def test_classify_keeps_the_shape_and_gives_small_dtypes():
    for bits in (np.arange(4096).reshape(64, 64), np.array(145), np.array([], dtype=np.int32)):
        result = pelantor.classify(bits)
        for array, dtype in zip(result, (np.int16, np.uint16, np.int8)):
            assert array.dtype == dtype and array.shape == bits.shape
    for bits in ([145, 137], np.array([145, 137], dtype=np.uint8), (145, 137)):
        result = pelantor.classify(bits, "FORTE")
        assert result.class_index.tolist() == [PcSet("037").set_class.index] * 2
        assert [pelantor.OPERATORS[op] for op in result.operator] == ["T7I", "T0"]
    assert pelantor.classify(np.array([145], dtype=np.uint64)).prime[0] == 137


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
