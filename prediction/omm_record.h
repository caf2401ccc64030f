#pragma once

// One record of an OMM element file (CSV, XML or JSON), as its reader found it, and its
// conversion into the element record a three-line set gives.

#include <QString>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "orbit/calendar.h"
#include "orbit/element_content.h"

namespace prediction {

// Field name in capitals ("MEAN_MOTION") -> its text as read.
using OmmFields = std::map<std::string, QString>;

// Converts a decimal text ("51.6416", ".0006703", "-1.2E-05", "15") into
// whole + fraction digits x 10^-n, the way the element columns are converted: a fraction
// shorter than `columnDigits` is scaled as that many columns would be, so that a value
// copied from an element line gives the line's own number to the last bit. False for
// anything but one decimal number (blanks around it allowed).
bool ParseOmmDecimal(std::string_view text, int columnDigits, orbit::Real* value);

// An OMM epoch, "YYYY-MM-DDThh:mm:ss[.f][Z]" or "YYYY-DDDThh:mm:ss[.f][Z]" (UTC), as the
// element record's two-digit year and day of year with fraction, and the 15-character
// epoch text of element line 1 ("18021.16309598 ").
struct OmmEpoch {
  orbit::Real year = 0;
  orbit::Real day = 0;
  std::string text;
};
bool ParseOmmEpoch(std::string_view text, OmmEpoch* out);

// The fields every record needs; BSTAR and the others are not used by the propagator.
inline constexpr const char* kOmmRequiredFields[] = {
    "OBJECT_NAME",    "NORAD_CAT_ID",      "EPOCH",        "MEAN_MOTION",
    "ECCENTRICITY",   "INCLINATION",       "RA_OF_ASC_NODE", "ARG_OF_PERICENTER",
    "MEAN_ANOMALY",   "MEAN_MOTION_DOT",   "REV_AT_EPOCH"};

// Fills the record: the name through the name-line rules (encoded as the program keeps
// names, Windows-1252), the number as kept (catalogue_number.h), the elements converted
// as the element columns are. Values the element columns could not hold (a negative
// angle, an eccentricity of 1 or more...) count as unreadable. False with the name of the
// first missing or unreadable field.
bool ConvertOmmRecord(const OmmFields& fields, orbit::ElementRecord* out, std::string* badField);

// How the damaged-set message names a record: its name, else "NORAD " + its number, else
// "#" + its place in the file (1-based).
std::string OmmRecordLabel(const OmmFields& fields, std::size_t index);

}  // namespace prediction
