"""The records results come back in: named tuples, so that fields read by
name, unpack like tuples and go into pandas as they are
(``pandas.DataFrame(pelantor.measures())``)."""

from __future__ import annotations

from typing import TYPE_CHECKING, NamedTuple, Union

if TYPE_CHECKING:
    import numpy

    from ._engine import PcSet, SetClass


class PrimeForm(NamedTuple):
    """A prime form with the operator carrying it onto the set, and the set
    in the order of the prime form's members ('740' for {0, 4, 7})."""

    prime: PcSet
    operator: str
    ordered: str


class Saturation(NamedTuple):
    """One entry of a saturation vector: the distance from the least
    ('min') or the most ('max') the cardinality reaches.  Distances are
    counts in the IC saturation vectors and weights in the cycle ones."""

    bound: str
    distance: Union[int, float]

    def __str__(self) -> str:
        sign = "+" if self.bound == "min" else "-"
        if isinstance(self.distance, float):
            return f"{self.bound}{sign}{self.distance:.2f}"
        return f"{self.bound}{sign}{self.distance}"


class MeasureInfo(NamedTuple):
    """A similarity measure: its menu number, short name and menu label;
    kind 'dissimilarity' (0 for one class), 'similarity' (1 for one class)
    or 'count' (EMB, COV); the range of its values (most is inf where open);
    whether (a, b) and (b, a) always give the same value."""

    number: int
    name: str
    label: str
    kind: str
    least: float
    most: float
    symmetric: bool


class CombinationCount(NamedTuple):
    """A class among the unions of a combination, with the number of
    placements of the subsets that gave it."""

    set_class: SetClass
    placements: int


class Embedding(NamedTuple):
    """How often a class lies in one superset, against the fewest and the
    most times it lies in any class of the superset's cardinality."""

    count: int
    least: int
    most: int


class EmbeddedClass(NamedTuple):
    """A class lying in every superset, with one Embedding per superset."""

    set_class: SetClass
    embeddings: tuple[Embedding, ...]


class SplitHalf(NamedTuple):
    """One half of a split operation: the operator maps source onto target."""

    operator: str
    source: PcSet
    target: PcSet


class SplitMapping(NamedTuple):
    """A split operation: two parts of a set mapped by two operators."""

    first: SplitHalf
    second: SplitHalf


class Mappings(NamedTuple):
    """The single operators mapping one set onto another, and, only where
    there are none, the split operations."""

    single: list[str]
    splits: list[SplitMapping]


class ChartRow(NamedTuple):
    """A class of the chart with what each of the 48 operators (in the order
    of OPERATORS) makes of its prime form: 'onto_itself', 'disjoint' or
    'overlapping'."""

    set_class: SetClass
    marks: tuple[str, ...]


class ValueGroup(NamedTuple):
    """The classes sharing one value of a measure against a set."""

    value: float
    classes: list[SetClass]


class RowSummary(NamedTuple):
    """The figures of one row of a list comparison.  The extremes leave out
    the values that only say a set meets its own class."""

    average: float
    smallest: float
    largest: float


class ListComparison(NamedTuple):
    """Row sets against column sets: the values (rows x columns), each row's
    summary and the average of the row averages."""

    values: numpy.ndarray
    rows: list[RowSummary]
    average: float


class SkippedEntry(NamedTuple):
    """An entry of a set list left out: its place from 1, its value and
    why: 'not_a_set' (over 4095), 'too_few' or 'too_many' pitch classes."""

    entry: int
    value: int
    reason: str


class SetList(NamedTuple):
    """A set list as read: the sets of 2 to 10 pitch classes, in order, and
    the entries skipped."""

    sets: list[PcSet]
    skipped: list[SkippedEntry]


class Classification(NamedTuple):
    """classify's arrays, each of the input's shape: the class's place in
    classes() (int16), the prime form's bit value (uint16), the operator's
    place in OPERATORS (int8)."""

    class_index: numpy.ndarray
    prime: numpy.ndarray
    operator: numpy.ndarray
