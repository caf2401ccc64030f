#include "orbit/data_sections.h"

#include <set>

#include "orbit/text_number.h"

namespace orbit {

SectionHeader ParseSectionHeader(std::string_view line) {
  SectionHeader header;
  if (!IsSectionHeaderLine(line)) return header;
  std::string rest(line.substr(1));
  // An old annotation inside the name bracket: "AO-7 [+]][07530]" -> "AO-7 ][07530]".
  const auto closing = rest.find("]]");
  if (closing != std::string::npos) {
    const auto open = rest.find('[');
    if (open != std::string::npos && open < closing) rest.erase(open, closing + 1 - open);
  }
  const auto nameEnd = rest.find(']');
  header.name = std::string(TrimRightView(std::string_view(rest).substr(0, nameEnd)));
  if (nameEnd == std::string::npos) return header;
  std::string_view after = TrimView(std::string_view(rest).substr(nameEnd + 1));
  if (!after.empty() && after.front() == '[') {
    after.remove_prefix(1);
    header.number = std::string(TrimView(after.substr(0, after.find(']'))));
  }
  return header;
}

std::string FormatSectionHeader(std::string_view name, std::string_view number) {
  std::string out = "[";
  out += name;
  out += ']';
  if (!number.empty()) {
    out += '[';
    out += number;
    out += ']';
  }
  return out;
}

std::vector<SectionRange> ListSections(const std::vector<std::string>& lines) {
  std::vector<SectionRange> sections;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!IsSectionHeaderLine(lines[i])) continue;
    if (!sections.empty()) sections.back().end = i;
    sections.push_back({i, lines.size()});
  }
  return sections;
}

std::optional<SectionRange> FindSectionByName(const std::vector<std::string>& lines,
                                              std::string_view name) {
  for (const SectionRange& s : ListSections(lines)) {
    if (ParseSectionHeader(lines[s.begin]).name == name) return s;
  }
  return std::nullopt;
}

namespace {

bool Matches(const SectionHeader& h, std::string_view name, std::string_view number) {
  return h.name == name || (!number.empty() && h.number == number);
}

void EraseRanges(std::vector<std::string>& lines, const std::vector<SectionRange>& ranges) {
  // Ranges are in file order and do not overlap; erase from the back so indices hold.
  for (auto it = ranges.rbegin(); it != ranges.rend(); ++it) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(it->begin),
                lines.begin() + static_cast<std::ptrdiff_t>(it->end));
  }
}

}  // namespace

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines,
                                        std::string_view name, std::string_view number) {
  for (const SectionRange& s : ListSections(lines)) {
    if (Matches(ParseSectionHeader(lines[s.begin]), name, number)) return s;
  }
  return std::nullopt;
}

bool RemoveSections(std::vector<std::string>& lines, std::string_view name,
                    std::string_view number) {
  std::vector<SectionRange> doomed;
  for (const SectionRange& s : ListSections(lines)) {
    if (Matches(ParseSectionHeader(lines[s.begin]), name, number)) doomed.push_back(s);
  }
  EraseRanges(lines, doomed);
  return !doomed.empty();
}

bool NormalizeSectionHeaders(std::vector<std::string>& lines) {
  bool changed = false;
  for (std::string& line : lines) {
    if (!IsSectionHeaderLine(line)) continue;
    const SectionHeader h = ParseSectionHeader(line);
    std::string normal = FormatSectionHeader(h.name, h.number);
    if (normal != line) {
      line = std::move(normal);
      changed = true;
    }
  }
  return changed;
}

bool ReindexSections(std::vector<std::string>& lines, std::size_t maxSections) {
  bool changed = NormalizeSectionHeaders(lines);
  const std::vector<SectionRange> sections = ListSections(lines);

  // From the last section backwards: a section sharing a name or a number with any later
  // one (kept or not) is replaced by it.
  std::set<std::string> laterNames;
  std::set<std::string> laterNumbers;
  std::vector<bool> keep(sections.size(), true);
  std::size_t kept = 0;
  for (std::size_t k = sections.size(); k-- > 0;) {
    const SectionHeader h = ParseSectionHeader(lines[sections[k].begin]);
    const bool repeated = (!h.name.empty() && laterNames.count(h.name) > 0) ||
                          (!h.number.empty() && laterNumbers.count(h.number) > 0);
    if (!h.name.empty()) laterNames.insert(h.name);
    if (!h.number.empty()) laterNumbers.insert(h.number);
    if (repeated || kept >= maxSections) {
      keep[k] = false;
    } else {
      ++kept;
    }
  }

  std::vector<SectionRange> doomed;
  for (std::size_t k = 0; k < sections.size(); ++k) {
    if (!keep[k]) doomed.push_back(sections[k]);
  }
  EraseRanges(lines, doomed);
  return changed || !doomed.empty();
}

}  // namespace orbit
