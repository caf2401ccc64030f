#pragma once

// Sections of the per-satellite text files (radio data "Orvane.dat", notes "Orvane.nfo").
// A section starts at a line beginning with "[" and runs up to the next such line or the
// end of the file. Its header is "[" + name + "][" + catalogue number + "]"; older files
// may carry an annotation ("[AO-7 [+]]") or no number at all ("[AO-7]").

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbit {

// No limit: a file holds every satellite it has ever been given (dropping the oldest
// sections would lose their data).
inline constexpr std::size_t kMaxDataSections = std::numeric_limits<std::size_t>::max();

struct SectionHeader {
  std::string name;    // trailing blanks removed
  std::string number;  // text of the second bracket group, empty when there is none
};

// Half-open range of line indices: the header line and the section's body lines.
struct SectionRange {
  std::size_t begin = 0;
  std::size_t end = 0;
};

inline bool IsSectionHeaderLine(std::string_view line) { return !line.empty() && line[0] == '['; }

// Splits a header line: the leading "[" is dropped; when the rest holds "]]" the first
// bracket group before it is removed (old annotations such as "[+]"); the name is the text
// before the first "]" with trailing blanks removed; the number is the text of a following
// "[...]" group. A line that does not start with "[" gives an empty header.
SectionHeader ParseSectionHeader(std::string_view line);

// "[name][number]", or "[name]" when the number is empty.
std::string FormatSectionHeader(std::string_view name, std::string_view number);

// Every section of the file, in file order. Lines before the first header belong to none.
std::vector<SectionRange> ListSections(const std::vector<std::string>& lines);

// First section whose parsed name equals `name` exactly.
std::optional<SectionRange> FindSectionByName(const std::vector<std::string>& lines,
                                              std::string_view name);

// First section whose name equals `name` or whose number equals a non-empty `number`.
std::optional<SectionRange> FindSection(const std::vector<std::string>& lines,
                                        std::string_view name, std::string_view number);

// Removes every section found as by FindSection; true when something was removed. With an
// empty number only the name counts (the radio-data saver's rule).
bool RemoveSections(std::vector<std::string>& lines, std::string_view name,
                    std::string_view number);

// Rewrites every header into its normal form; true when a line changed.
bool NormalizeSectionHeaders(std::vector<std::string>& lines);

// Normalises the headers and removes duplicates: a section whose non-empty name or
// non-empty number repeats one of an earlier section replaces that earlier section (the
// earlier is removed, the later stays where it is), since sections are appended when
// saved and the last one is the newest. Of the sections left, only the last `maxSections`
// are kept (all of them unless told otherwise). Lines before the first header stay. True
// when the lines changed.
bool ReindexSections(std::vector<std::string>& lines, std::size_t maxSections = kMaxDataSections);

}  // namespace orbit
