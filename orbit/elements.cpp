#include "orbit/elements.h"

#include <fstream>
#include <sstream>

#include "orbit/catalogue_number.h"
#include "orbit/text_number.h"

namespace orbit {

SatelliteElements MoonElements() {
  SatelliteElements e;
  e.epochYear = 2;
  e.epochDay = 292.8325802195L;
  e.inclination = 25.1909L;
  e.raan = 11.1617L;
  e.eccentricity = 0.0572L;
  e.argPerigee = 187.2761L;
  e.meanAnomaly = 171.7374L;
  e.meanMotion = 0.036600996L;
  e.meanMotionDrift = 0;
  e.revolutionNumber = 0;
  return e;
}

std::string NameFromNameLine(std::string_view line, bool* inService) {
  line = TrimView(line);
  if (line.size() >= 2 && line[0] == '0' && line[1] == ' ') line.remove_prefix(2);
  bool service = true;
  const auto bracket = line.find('[');
  if (bracket != std::string_view::npos) {
    if (bracket + 1 < line.size() && line[bracket + 1] == '-') service = false;
    line = line.substr(0, bracket);
  }
  if (inService != nullptr) *inService = service;
  return std::string(TrimView(line));
}

bool ElementLineChecksumOk(std::string_view line) {
  if (line.size() < 69) return false;
  const bool secondLine = line[0] == '2';
  int sum = 0;
  for (std::size_t i = 0; i < 68; ++i) {
    const char c = line[i];
    if (c >= '0' && c <= '9') {
      sum += c - '0';
    } else if (c == '-') {
      sum += 1;
    } else if (c == '+' && secondLine) {
      sum += 2;
    }
  }
  const char last = line[68];
  return last >= '0' && last <= '9' && (last - '0') == sum % 10;
}

bool LooksLikeElementLine(std::string_view line) {
  line = TrimView(line);
  return line.size() == 69 && (line.substr(0, 2) == "1 " || line.substr(0, 2) == "2 ");
}

std::vector<std::string> CleanElementLines(const std::vector<std::string>& raw) {
  std::vector<std::string> out;
  out.reserve(raw.size());
  for (const auto& line : raw) {
    const std::string_view t = TrimView(line);
    if (!t.empty()) out.emplace_back(t);
  }
  return out;
}

namespace {
bool IsSetTriple(const std::vector<std::string>& lines, std::size_t i, bool checkChecksums) {
  const std::string& l1 = lines[i + 1];
  const std::string& l2 = lines[i + 2];
  if (l1.size() != 69 || l2.size() != 69) return false;
  if (l1[0] != '1' || l2[0] != '2') return false;
  if (checkChecksums && !(ElementLineChecksumOk(l1) && ElementLineChecksumOk(l2))) return false;
  std::string number;
  return CatalogueNumberFromField(std::string_view(l1).substr(2, 5), &number) &&
         CatalogueNumberFromField(std::string_view(l2).substr(2, 5), &number);
}
}  // namespace

std::vector<ElementSetEntry> ScanElementSets(std::vector<std::string>& lines, bool checkChecksums) {
  std::vector<ElementSetEntry> sets;
  std::size_t i = 0;
  while (i < lines.size()) {
    // An element line is never a name line, so files of bare two-line sets are read
    // as nothing rather than as sets named after their neighbours' lines.
    if (LooksLikeElementLine(lines[i])) {
      ++i;
      continue;
    }
    if (lines[i].size() >= 2 && lines[i][0] == '0' && lines[i][1] == ' ') lines[i].erase(0, 2);
    if (i + 2 >= lines.size()) break;
    if (IsSetTriple(lines, i, checkChecksums)) {
      ElementSetEntry entry;
      entry.name = NameFromNameLine(lines[i], &entry.inService);
      CatalogueNumberFromField(std::string_view(lines[i + 1]).substr(2, 5), &entry.catalogueNumber);
      entry.nameLine = i;
      sets.push_back(std::move(entry));
      i += 3;
    } else {
      ++i;
    }
  }
  return sets;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

ElementFile ReadElementText(std::string_view text, bool checkChecksums) {
  ElementFile file;
  std::vector<std::string> raw = SplitLines(text);
  if (raw.size() > kMaxElementFileLines) {
    file.status = ElementFileStatus::TooManyLines;
    return file;
  }
  file.content = CleanElementLines(raw);
  file.sets = ScanElementSets(file.content, checkChecksums);
  return file;
}

ElementFile ReadElementFile(const std::string& path, bool checkChecksums) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ElementFile file;
    file.status = ElementFileStatus::Unreadable;
    return file;
  }
  // A file far beyond 3000 lines of 80 characters is refused without reading it whole.
  constexpr std::streamsize kMaxBytes = 64 * 1024 * 1024;
  in.seekg(0, std::ios::end);
  const std::streamsize size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > kMaxBytes) {
    ElementFile file;
    file.status = ElementFileStatus::TooManyLines;
    return file;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return ReadElementText(buffer.str(), checkChecksums);
}

namespace {
// Columns are 1-based and inclusive. Blanks are allowed only as leading padding.
bool DigitsField(std::string_view line, std::size_t from, std::size_t to, long long* value) {
  if (to > line.size() || from < 1 || from > to) return false;
  std::string_view f = line.substr(from - 1, to - from + 1);
  while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
  if (f.empty()) {
    *value = 0;
    return true;
  }
  long long v = 0;
  for (char c : f) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  *value = v;
  return true;
}

// Integer part with an optional minus sign among its leading blanks.
bool SignedIntField(std::string_view line, std::size_t from, std::size_t to, long long* value) {
  if (to > line.size()) return false;
  std::string_view f = line.substr(from - 1, to - from + 1);
  while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
  bool negative = false;
  if (!f.empty() && (f.front() == '-' || f.front() == '+')) {
    negative = f.front() == '-';
    f.remove_prefix(1);
  }
  long long v = 0;
  for (char c : f) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  *value = negative ? -v : v;
  return true;
}

bool AngleField(std::string_view line, std::size_t intFrom, std::size_t intTo, std::size_t fracFrom,
                std::size_t fracTo, Real scale, Real* out) {
  long long whole = 0;
  long long frac = 0;
  if (!DigitsField(line, intFrom, intTo, &whole)) return false;
  if (!DigitsField(line, fracFrom, fracTo, &frac)) return false;
  *out = static_cast<Real>(whole) + static_cast<Real>(frac) * scale;
  return true;
}
}  // namespace

bool ParseElementLines(std::string_view line1, std::string_view line2, ParsedSet* out) {
  line1 = TrimView(line1);
  line2 = TrimView(line2);
  if (line1.size() < 69 || line2.size() < 69) return false;
  SatelliteElements e;
  long long year = 0, day = 0, dayFrac = 0, drift = 0, rev = 0, ecc = 0;
  if (!DigitsField(line1, 19, 20, &year)) return false;
  if (!DigitsField(line1, 21, 23, &day)) return false;
  if (!DigitsField(line1, 25, 32, &dayFrac)) return false;
  if (!DigitsField(line1, 36, 43, &drift)) return false;
  e.epochYear = static_cast<Real>(year);
  e.epochDay = static_cast<Real>(day) + static_cast<Real>(dayFrac) * 1e-8L;
  e.meanMotionDrift = static_cast<Real>(drift) * 1e-8L;
  if (line1[33] == '-') e.meanMotionDrift = -e.meanMotionDrift;
  if (!AngleField(line2, 9, 11, 13, 16, 1e-4L, &e.inclination)) return false;
  if (!AngleField(line2, 18, 20, 22, 25, 1e-4L, &e.raan)) return false;
  if (!DigitsField(line2, 27, 33, &ecc)) return false;
  e.eccentricity = static_cast<Real>(ecc) * 1e-7L;
  if (!AngleField(line2, 35, 37, 39, 42, 1e-4L, &e.argPerigee)) return false;
  if (!AngleField(line2, 44, 46, 48, 51, 1e-4L, &e.meanAnomaly)) return false;
  long long mmWhole = 0, mmFrac = 0;
  if (!SignedIntField(line2, 53, 54, &mmWhole)) return false;
  if (!DigitsField(line2, 56, 63, &mmFrac)) return false;
  e.meanMotion = static_cast<Real>(mmWhole) + static_cast<Real>(mmFrac) * 1e-8L;
  if (!DigitsField(line2, 64, 68, &rev)) return false;
  e.revolutionNumber = static_cast<Real>(rev);
  std::string number;
  if (!CatalogueNumberFromField(line2.substr(2, 5), &number)) return false;
  out->elements = e;
  out->catalogueNumber = std::move(number);
  out->epochText = std::string(line1.substr(18, 15));
  return true;
}

LoadStatus LoadElementsByName(std::vector<std::string>& content, std::string_view name,
                              ParsedSet* out) {
  const std::string_view wanted = TrimView(name);
  if (wanted == "MOON") {
    *out = ParsedSet{};
    out->elements = MoonElements();
    return LoadStatus::Found;
  }
  for (std::size_t i = 0; i < content.size(); ++i) {
    std::string& line = content[i];
    const auto bracket = line.find('[');
    if (bracket != std::string::npos) line.erase(bracket);
    line = std::string(TrimRightView(line));
    // Both sides trimmed: a "0  FOO" line is listed as "FOO" and must be found as "FOO".
    if (TrimView(line) != wanted) continue;
    if (i + 2 >= content.size()) return LoadStatus::NotFound;
    if (!ParseElementLines(content[i + 1], content[i + 2], out)) return LoadStatus::Damaged;
    return LoadStatus::Found;
  }
  return LoadStatus::NotFound;
}

}  // namespace orbit
