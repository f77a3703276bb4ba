#pragma once
// The writers of the engine's values, through the output funnel: sets in
// braces or brackets, a set as the image of its prime form, vectors and
// set-class labels.  Every result block of the dialogue is built from these
// and from the plain writers of console/funnel.h.

#include <array>
#include <span>

#include "pelantor/icvsearch.h"
#include "pelantor/notation.h"
#include "pelantor/primeform.h"
#include "pelantor/setclass.h"

// Braces for a literal set ({740}), brackets for a prime form or a class
// ([037]).
enum class setstyle { braces, brackets };

// The members in increasing order as hexadecimal digits: "{047}", "[]".
void writeset(pelantor::PcSet set, setstyle style);
// The same, after "not " when the set carries the exclusion mark.
void writeset(const pelantor::MarkedSet& set, setstyle style);
// The prime form of the set under the algorithm, in brackets: "[037]".
void writeprimeform(pelantor::PcSet set, pelantor::Algorithm algorithm);
// The set a prime form stands for, its members in the order of the prime
// form's members, in braces: "{740}" for T7I of [037].
void writeimage(const pelantor::PrimeForm& form);

// "<" the entries as hexadecimal digits ">": "<001110>".
void writevector(std::span<const int> entries);
// The same with x for an entry left open: "<1x0000>".
void writevector(const pelantor::IcPattern& pattern);
// Hundredths as decimals with two places: "<1.20, 0.00, 2.64, 0.00, 0.00, 4.75>".
void writehundredths(const std::array<int, 6>& hundredths);

// The Forte label: "4-z15".
void writeforte(const pelantor::SetClass& setclass);
// The label as a cell of a listing: 12 - c blanks for a class of c pitch
// classes, the label padded to 6 characters, 2 more blanks.
void writelabelcell(const pelantor::SetClass& setclass);
// "    Z = [0137] (4-z29)": the Z-correspondent's prime form under the
// algorithm and its label; nothing for a class without one.
void writezpartner(const pelantor::SetClass& setclass, pelantor::Algorithm algorithm);
// The one-line summary of the set's class in a listing, without a line end
// (pelantor::text::class_summary).
void writeclasssummary(pelantor::PcSet set, pelantor::Algorithm algorithm);
