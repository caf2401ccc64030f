#pragma once

#include <string>
#include <vector>

#include "prediction/pass_slot.h"

namespace prediction {

inline constexpr int kRowTextLength = 73;
inline constexpr int kModeColumn = 60;  // 1-based column of the mode letter

// Column headers of the table and of the saved file (English; the windows translate).
inline constexpr const char* kHeaderLocal =
    "  DATE && LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP";
inline constexpr const char* kHeaderUtc =
    "  DATE &&  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP";
inline constexpr const char* kFileHeaderLocal =
    " DATE & LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP";
inline constexpr const char* kFileHeaderUtc =
    " DATE &  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP";

// "dd MMM yyyy  hh:mm" (18 characters) of a date-time value.
std::string RowDateText(Real dateTimeValue);

// Row k (1-based) of a slot: times in local time (UTC + offset) or UTC.
// *inEclipse tells whether the eclipse mark was set.
std::string BuildRowText(const PassSlot& slot, int k, bool utc, Real localOffsetHours,
                         bool* inEclipse = nullptr);

// All rows of the slot's pass in order.
std::vector<std::string> BuildRowTexts(const PassSlot& slot, bool utc, Real localOffsetHours);

// Mode letter of a row phase from the slot's schedule (' ' when none).
char RowModeLetter(const PassSlot& slot, int phase);

// Receive Doppler of a row, or nothing when no mode applies.
bool RowRxDoppler(const PassSlot& slot, int k, long long* hz);

// Parses the date and time of a row text (local or UTC as written) into a date-time value.
bool ParseRowTime(const std::string& row, Real* value);

}  // namespace prediction
