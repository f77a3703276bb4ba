"""Type stubs of pelantor._engine, the binding over the C++ engine."""

from typing import Iterable, Iterator, Optional, Union

import numpy
import numpy.typing

from ._records import (
    ChartRow,
    Classification,
    CombinationCount,
    EmbeddedClass,
    ListComparison,
    Mappings,
    MeasureInfo,
    PrimeForm,
    Saturation,
    SetList,
    ValueGroup,
)

# A set wherever one is taken: a PcSet, a string in the program's set
# syntax ("047", "0 4 7") or an iterable of pitch classes 0..11.
SetLike = Union["PcSet", str, Iterable[int]]
# A list of sets: a PcSet or a string alone is one set; a one-dimensional
# numpy array of integers holds bit values.
SetsLike = Union["PcSet", str, Iterable[SetLike], numpy.typing.NDArray[numpy.integer]]
# A measure by its short name in any case ("ANGLE", "adjusted%sat%sim") or
# its menu number 1..16.
MeasureLike = Union[str, int]

__version__: str
# The 48 operators T0..Tb, T0I..TbI, T0M..TbM, T0MI..TbMI; classify's
# operator codes and chart marks index this tuple.
OPERATORS: tuple[str, ...]

class PcSet:
    """A pitch-class set; see help(pelantor.PcSet)."""

    def __init__(self, pitch_classes: SetLike = "") -> None: ...
    @staticmethod
    def from_bits(bits: int) -> PcSet:
        """from_bits(145) is {0, 4, 7}; ValueError outside 0..4095."""
    @staticmethod
    def from_notes(notes: Union[str, Iterable[str]]) -> PcSet:
        """from_notes("C E G"), from_notes(["F#4", "B-3"])."""
    @staticmethod
    def from_midi(keys: Iterable[int]) -> PcSet:
        """from_midi([60, 64, 67]) is {0, 4, 7}."""
    @staticmethod
    def from_forte(label: str, algorithm: str = "rahn") -> PcSet:
        """The prime form of the class: from_forte("4-z15") is [0146]."""
    @property
    def bits(self) -> int: ...
    def __len__(self) -> int: ...
    def __iter__(self) -> Iterator[int]: ...
    def __contains__(self, pc: object) -> bool: ...
    def __hash__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    def __lt__(self, other: PcSet) -> bool: ...
    def __le__(self, other: PcSet) -> bool: ...
    def __gt__(self, other: PcSet) -> bool: ...
    def __ge__(self, other: PcSet) -> bool: ...
    def __or__(self, other: PcSet) -> PcSet: ...
    def __and__(self, other: PcSet) -> PcSet: ...
    def __sub__(self, other: PcSet) -> PcSet: ...
    def issubset(self, other: PcSet) -> bool: ...
    def issuperset(self, other: PcSet) -> bool: ...
    def transposed(self, n: int) -> PcSet: ...
    def inverted(self) -> PcSet: ...
    def multiplied(self, m: int) -> PcSet: ...
    def transform(self, operator: str) -> PcSet:
        """The image under "T7", "T7I", "TaM", "T0MI" (any case)."""
    @property
    def prime_form(self) -> PcSet:
        """Rahn's prime form."""
    @property
    def prime_form_forte(self) -> PcSet:
        """Forte's prime form."""
    @property
    def operator(self) -> str:
        """The operator carrying Rahn's prime form onto the set."""
    def prime(self, algorithm: str = "rahn") -> PrimeForm: ...
    @property
    def forte(self) -> str: ...
    @property
    def tn_class(self) -> str:
        """"3-11A" (a transposition of the prime form), "3-11B" (of its
        inversion), "3-12" (symmetric)."""
    @property
    def set_class(self) -> SetClass: ...
    @property
    def icv(self) -> tuple[int, int, int, int, int, int]: ...
    @property
    def invariance(self) -> tuple[int, ...]:
        """8 entries: onto itself under Tn, TnI, TnM, TnMI; then onto a
        disjoint set."""
    @property
    def vtics(self) -> tuple[int, ...]:
        """12 entries."""
    @property
    def adjusted_icv(self) -> tuple[int, int, int, int, int, int]: ...
    @property
    def ic_saturation_a(self) -> tuple[Saturation, ...]: ...
    @property
    def ic_saturation_b(self) -> tuple[Saturation, ...]: ...
    @property
    def proportional_icsatv(self) -> tuple[float, float, float, float, float, float]: ...
    @property
    def picsat_percent(self) -> tuple[float, float, float, float, float, float]: ...
    @property
    def cycle_fragmentation(self) -> tuple[tuple[str, ...], ...]: ...
    @property
    def ic_cycle_vector(self) -> tuple[tuple[int, ...], ...]:
        """Rows of 4, 4, 3, 4, 4 and 6 chains."""
    @property
    def weighted_cycle_vector(self) -> tuple[float, float, float, float, float, float]: ...
    @property
    def cycle_saturation_a(self) -> tuple[Saturation, ...]: ...
    @property
    def cycle_saturation_b(self) -> tuple[Saturation, ...]: ...
    @property
    def proportional_cycsatv(self) -> tuple[float, float, float, float, float, float]: ...
    @property
    def complement(self) -> PcSet:
        """The literal complement."""
    @property
    def z_partner(self) -> Optional[SetClass]: ...
    @property
    def m_partner(self) -> SetClass: ...

class SetClass:
    """A set class; see help(pelantor.SetClass)."""

    def __init__(self, label: str) -> None: ...
    @property
    def index(self) -> int: ...
    @property
    def cardinality(self) -> int: ...
    @property
    def ordinal(self) -> int: ...
    @property
    def forte(self) -> str: ...
    @property
    def is_z(self) -> bool: ...
    @property
    def prime_form(self) -> PcSet: ...
    @property
    def prime_form_forte(self) -> PcSet: ...
    @property
    def icv(self) -> tuple[int, int, int, int, int, int]: ...
    @property
    def z_partner(self) -> Optional[SetClass]: ...
    @property
    def m_partner(self) -> SetClass: ...
    @property
    def complement(self) -> SetClass:
        """The abstract complement."""
    def __hash__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    def __lt__(self, other: SetClass) -> bool: ...
    def __le__(self, other: SetClass) -> bool: ...
    def __gt__(self, other: SetClass) -> bool: ...
    def __ge__(self, other: SetClass) -> bool: ...

def classes(card: Optional[int] = None) -> list[SetClass]:
    """All 224 classes, or those of one cardinality; classes()[i].index == i."""

def count(sets: SetsLike, tn_classes: bool = False) -> dict[str, int]:
    """{Forte label (or Tn class label): count}, in the order of classes()."""

def classify(
    bits: numpy.typing.ArrayLike, algorithm: str = "rahn"
) -> Classification:
    """Class index (int16), prime form bits (uint16) and operator code (int8,
    into OPERATORS) of every bit value, in arrays of the input's shape."""

def similarity(measure: MeasureLike, a: SetLike, b: SetLike) -> float: ...
def measures() -> list[MeasureInfo]: ...
def matrix(
    measure: MeasureLike, sets: SetsLike, columns: Optional[SetsLike] = None
) -> numpy.typing.NDArray[numpy.float64]:
    """Shape (len(sets), len(columns)); square when columns is None."""

def compare_to_classes(
    measure: MeasureLike, set: SetLike, lowest: int = 2, highest: int = 10
) -> list[ValueGroup]: ...
def compare_lists(
    measure: MeasureLike, rows: SetsLike, columns: Optional[SetsLike] = None
) -> ListComparison: ...
def read_set_list(text: str) -> SetList: ...
def write_set_list(sets: SetsLike) -> str: ...
def combine(
    subsets: SetsLike,
    combination: Union[str, int] = "without_overlap",
    card: Optional[int] = None,
    exclusions: SetsLike = (),
) -> list[CombinationCount]:
    """combination: "without_overlap" (1), "with_overlap" (2), "both" (3),
    "of_cardinality" (4), "supersets_without_overlap" (5),
    "supersets_with_overlap" (6); the last three need a card, the size of
    the results."""

def subsets(
    supersets: SetsLike, least: int = 1, most: Optional[int] = None
) -> dict[int, list[EmbeddedClass]]:
    """most defaults to the smallest superset's size."""

def classes_by_icv(
    pattern: Iterable[Optional[int]], card: Optional[int] = None
) -> list[SetClass]: ...
def operators(
    source: SetLike,
    target: SetLike,
    *,
    inversion: bool = True,
    m: bool = False,
    mi: bool = False,
    show_all: bool = True,
) -> list[str]: ...
def mappings(
    source: SetLike,
    target: SetLike,
    *,
    inversion: bool = True,
    m: bool = False,
    mi: bool = False,
    show_all: bool = True,
    partitions: Optional[Iterable[int]] = None,
) -> Mappings:
    """partitions: the sizes of the smaller part of the cuts searched, 0
    standing for the single operators; None for all."""

def chart_marks(set: SetLike) -> tuple[str, ...]: ...
def chart() -> list[ChartRow]: ...
