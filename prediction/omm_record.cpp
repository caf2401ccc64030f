#include "prediction/omm_record.h"

#include <array>
#include <cstdio>

#include "base/ansi_text.h"
#include "orbit/catalogue_number.h"
#include "orbit/text_number.h"

namespace prediction {

namespace {

using orbit::Real;

// Literals, not computed powers: the element columns are scaled by these constants.
constexpr std::array<Real, 19> kTenToMinus = {1.0L,   1e-1L,  1e-2L,  1e-3L,  1e-4L,
                                              1e-5L,  1e-6L,  1e-7L,  1e-8L,  1e-9L,
                                              1e-10L, 1e-11L, 1e-12L, 1e-13L, 1e-14L,
                                              1e-15L, 1e-16L, 1e-17L, 1e-18L};
constexpr std::size_t kMaxDigits = 18;  // what a long long holds without overflow

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

long long DigitsValue(std::string_view digits) {
  long long v = 0;
  for (char c : digits) v = v * 10 + (c - '0');
  return v;
}

bool ReadDigits(std::string_view text, std::size_t* pos, std::string* digits) {
  const std::size_t start = *pos;
  while (*pos < text.size() && IsDigit(text[*pos])) digits->push_back(text[(*pos)++]);
  return *pos > start;
}

std::string Field(const OmmFields& fields, const char* name) {
  const auto it = fields.find(name);
  if (it == fields.end()) return {};
  return std::string(orbit::TrimView(it->second.toStdString()));
}

}  // namespace

bool ParseOmmDecimal(std::string_view text, int columnDigits, Real* value) {
  text = orbit::TrimView(text);
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  std::string whole;
  std::string fraction;
  const bool hasWhole = ReadDigits(text, &pos, &whole);
  bool hasFraction = false;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    hasFraction = ReadDigits(text, &pos, &fraction);
  }
  if (!hasWhole && !hasFraction) return false;
  int exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool expNegative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
      expNegative = text[pos++] == '-';
    std::string digits;
    if (!ReadDigits(text, &pos, &digits) || digits.size() > 3) return false;
    exponent = static_cast<int>(DigitsValue(digits));
    if (expNegative) exponent = -exponent;
  }
  if (pos != text.size() || exponent < -40 || exponent > 40) return false;

  // Move the decimal point by the exponent, then split again into whole and fraction.
  std::string all = whole + fraction;
  long point = static_cast<long>(whole.size()) + exponent;
  if (point < 0) {
    all.insert(0, static_cast<std::size_t>(-point), '0');
    point = 0;
  }
  if (point > static_cast<long>(all.size())) all.append(static_cast<std::size_t>(point) - all.size(), '0');
  std::string_view w = std::string_view(all).substr(0, static_cast<std::size_t>(point));
  std::string_view f = std::string_view(all).substr(static_cast<std::size_t>(point));
  while (!w.empty() && w.front() == '0') w.remove_prefix(1);
  if (w.size() > kMaxDigits) return false;
  const std::size_t columns = static_cast<std::size_t>(columnDigits);
  while (f.size() > columns && f.back() == '0') f.remove_suffix(1);
  if (f.size() > kMaxDigits) f = f.substr(0, kMaxDigits);  // below 1e-18: nothing left to keep
  std::string padded(f);
  if (padded.size() < columns && columns <= kMaxDigits) padded.append(columns - padded.size(), '0');

  Real v = static_cast<Real>(DigitsValue(w));
  if (!padded.empty()) v += static_cast<Real>(DigitsValue(padded)) * kTenToMinus[padded.size()];
  *value = negative ? -v : v;
  return true;
}

bool ParseOmmEpoch(std::string_view text, OmmEpoch* out) {
  text = orbit::TrimView(text);
  if (!text.empty() && (text.back() == 'Z' || text.back() == 'z')) text.remove_suffix(1);
  // Date: "YYYY-MM-DD" or "YYYY-DDD".
  auto number = [&](std::size_t from, std::size_t count, int* v) {
    if (from + count > text.size()) return false;
    int r = 0;
    for (std::size_t i = from; i < from + count; ++i) {
      if (!IsDigit(text[i])) return false;
      r = r * 10 + (text[i] - '0');
    }
    *v = r;
    return true;
  };
  int year = 0, month = 0, day = 0, dayOfYear = 0;
  if (!number(0, 4, &year) || text.size() < 5 || text[4] != '-') return false;
  if (year < 1900 || year > 2099) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  std::size_t pos = 0;
  if (text.size() > 7 && text[7] == '-') {
    if (!number(5, 2, &month) || !number(8, 2, &day)) return false;
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return false;
    const int inMonth = kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
    if (day < 1 || day > inMonth) return false;
    dayOfYear = day;
    for (int m = 1; m < month; ++m)
      dayOfYear += kDays[static_cast<std::size_t>(m - 1)] + (m == 2 && leap ? 1 : 0);
    pos = 10;
  } else {
    if (!number(5, 3, &dayOfYear) || dayOfYear < 1 || dayOfYear > (leap ? 366 : 365)) return false;
    pos = 8;
  }
  // Time: "Thh:mm:ss" with an optional fraction of the second.
  int hour = 0, minute = 0, second = 0;
  if (pos >= text.size() || (text[pos] != 'T' && text[pos] != 't' && text[pos] != ' ')) return false;
  if (!number(pos + 1, 2, &hour) || text.size() < pos + 9 || text[pos + 3] != ':' ||
      !number(pos + 4, 2, &minute) || text[pos + 6] != ':' || !number(pos + 7, 2, &second))
    return false;
  if (hour > 23 || minute > 59 || second > 59) return false;
  pos += 9;
  long long nanos = 0;
  if (pos < text.size()) {
    if (text[pos] != '.') return false;
    std::string digits;
    ++pos;
    if (!ReadDigits(text, &pos, &digits) || pos != text.size()) return false;
    digits.resize(9, '0');  // nanoseconds; further digits are dropped
    nanos = DigitsValue(digits);
  }
  const long long dayNanos = ((hour * 60LL + minute) * 60 + second) * 1000000000LL + nanos;

  // 1e-8 day is 864 microseconds. An epoch copied from an element line is a whole number
  // of those and keeps the line's own conversion; a finer one keeps its precision.
  constexpr long long kNanosPerUnit = 864000;
  constexpr long long kNanosPerDay = 86400LL * 1000000000LL;
  long long units = (dayNanos + kNanosPerUnit / 2) / kNanosPerUnit;
  if (dayNanos % kNanosPerUnit == 0) {
    out->day = static_cast<Real>(dayOfYear) + static_cast<Real>(units) * 1e-8L;
  } else {
    out->day = static_cast<Real>(dayOfYear) +
               static_cast<Real>(dayNanos) / static_cast<Real>(kNanosPerDay);
  }
  out->year = static_cast<Real>(year % 100);
  if (units > 99999999) units = 99999999;  // the text only: 23:59:59.9996 and later
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d%03d.%08lld ", year % 100, dayOfYear, units);
  out->text = buffer;
  return true;
}

bool ConvertOmmRecord(const OmmFields& fields, orbit::ElementRecord* out, std::string* badField) {
  orbit::ElementRecord record;
  auto fail = [&](const char* field) {
    if (badField != nullptr) *badField = field;
    return false;
  };

  const auto nameIt = fields.find("OBJECT_NAME");
  if (nameIt == fields.end()) return fail("OBJECT_NAME");
  const QByteArray name = base::EncodeWindows1252(nameIt->second);
  record.name = orbit::NameFromNameLine(std::string_view(name.constData(), static_cast<std::size_t>(name.size())),
                                        &record.inService);
  if (record.name.empty()) return fail("OBJECT_NAME");

  const std::optional<long long> number = orbit::CatalogueNumberValue(Field(fields, "NORAD_CAT_ID"));
  if (!number) return fail("NORAD_CAT_ID");
  record.set.catalogueNumber = orbit::CatalogueNumberText(*number);

  OmmEpoch epoch;
  if (!ParseOmmEpoch(Field(fields, "EPOCH"), &epoch)) return fail("EPOCH");
  orbit::SatelliteElements& e = record.set.elements;
  e.epochYear = epoch.year;
  e.epochDay = epoch.day;
  record.set.epochText = epoch.text;

  struct Column {
    const char* field;
    int digits;  // fraction columns of the element line
    Real least;
    Real most;  // inclusive, except the eccentricity below 1
    Real* value;
  };
  const Column columns[] = {
      {"INCLINATION", 4, 0, 180, &e.inclination},
      {"RA_OF_ASC_NODE", 4, 0, 360, &e.raan},
      {"ECCENTRICITY", 7, 0, 0.9999999L, &e.eccentricity},
      {"ARG_OF_PERICENTER", 4, 0, 360, &e.argPerigee},
      {"MEAN_ANOMALY", 4, 0, 360, &e.meanAnomaly},
      {"MEAN_MOTION", 8, 1e-8L, 99.99999999L, &e.meanMotion},
      {"MEAN_MOTION_DOT", 8, -0.99999999L, 0.99999999L, &e.meanMotionDrift},
      {"REV_AT_EPOCH", 0, 0, static_cast<Real>(orbit::kLargestCatalogueNumber), &e.revolutionNumber},
  };
  for (const Column& c : columns) {
    Real v = 0;
    if (!ParseOmmDecimal(Field(fields, c.field), c.digits, &v) || !(v >= c.least && v <= c.most))
      return fail(c.field);
    *c.value = v;
  }
  if (e.revolutionNumber != orbit::Int(e.revolutionNumber)) return fail("REV_AT_EPOCH");
  *out = std::move(record);
  return true;
}

std::string OmmRecordLabel(const OmmFields& fields, std::size_t index) {
  const auto nameIt = fields.find("OBJECT_NAME");
  if (nameIt != fields.end()) {
    // A message names it: a name of any length is cut to what a message can show.
    const QByteArray name = base::EncodeWindows1252(nameIt->second.trimmed().left(48));
    if (!name.isEmpty()) return name.toStdString();
  }
  const std::string number = Field(fields, "NORAD_CAT_ID");
  // Appended rather than added: GCC 12 warns wrongly about "text" + std::string.
  if (!number.empty()) return std::string("NORAD ").append(number, 0, 12);
  return std::string("#").append(std::to_string(index + 1));
}

}  // namespace prediction
