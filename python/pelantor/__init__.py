"""Pelantor for Python: pitch-class sets, set classes, their vectors, the
program's searches and sixteen similarity measures.

>>> import pelantor
>>> s = pelantor.PcSet("047")
>>> s.prime_form, s.operator, s.forte, s.tn_class
(PcSet("037"), 'T7I', '3-11', '3-11B')
>>> round(pelantor.similarity("ANGLE", "047", "0148"), 3)
33.557

Sets are PcSet values; wherever a set is taken, a string in the program's
set syntax ("047", "0 4 7") or an iterable of pitch classes does as well.
Lists of sets may be one-dimensional numpy arrays of bit values (pitch
class k counting 2**k).  Bad input raises ValueError with a message a user
can read as it is, or TypeError for a value of the wrong type.
"""

from ._engine import (
    OPERATORS,
    PcSet,
    SetClass,
    __version__,
    chart,
    chart_marks,
    classes,
    classes_by_icv,
    classify,
    combine,
    compare_lists,
    compare_to_classes,
    count,
    mappings,
    matrix,
    measures,
    operators,
    read_set_list,
    similarity,
    subsets,
    write_set_list,
)
from ._records import (
    ChartRow,
    Classification,
    CombinationCount,
    EmbeddedClass,
    Embedding,
    ListComparison,
    Mappings,
    MeasureInfo,
    PrimeForm,
    RowSummary,
    Saturation,
    SetList,
    SkippedEntry,
    SplitHalf,
    SplitMapping,
    ValueGroup,
)

__all__ = [
    "OPERATORS",
    "ChartRow",
    "Classification",
    "CombinationCount",
    "EmbeddedClass",
    "Embedding",
    "ListComparison",
    "Mappings",
    "MeasureInfo",
    "PcSet",
    "PrimeForm",
    "RowSummary",
    "Saturation",
    "SetClass",
    "SetList",
    "SkippedEntry",
    "SplitHalf",
    "SplitMapping",
    "ValueGroup",
    "__version__",
    "chart",
    "chart_marks",
    "classes",
    "classes_by_icv",
    "classify",
    "combine",
    "compare_lists",
    "compare_to_classes",
    "count",
    "mappings",
    "matrix",
    "measures",
    "operators",
    "read_set_list",
    "similarity",
    "subsets",
    "write_set_list",
]
