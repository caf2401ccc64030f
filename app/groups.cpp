#include "app/groups.h"

#include <algorithm>
#include <set>

#include "orbit/data_sections.h"
#include "orbit/elements.h"
#include "orbit/text_number.h"

namespace app {

std::string DefaultGroupName(int n) {
  return n == 1 ? std::string("G1 - Amateur") : "G" + std::to_string(n);
}

GroupTable DefaultGroupTable(const std::string& programDir) {
  GroupTable table;
  for (int n = 1; n <= kGroupCount; ++n) {
    table.groups[static_cast<std::size_t>(n - 1)].name = DefaultGroupName(n);
  }
  table.groups[0].elementFile = programDir + "amateur.txt";
  table.groups[0].url = kDefaultAmateurUrl;
  return table;
}

void ResetGroup(Group& group, int n) {
  group.name = "G" + std::to_string(n);
  group.elementFile.clear();
}

bool GroupHasSelection(const Group& group) {
  return std::any_of(group.SelectedNames.begin(), group.SelectedNames.end(),
                     [](const std::string& s) { return !s.empty(); });
}

std::string SatelliteKey(std::string_view displayName, bool inService, std::string_view number) {
  std::string key(orbit::TrimRightView(displayName));
  key += inService ? '+' : '-';
  key += number;
  return key;
}

std::string KeyNumber(std::string_view key) {
  if (key.size() <= kCatalogueNumberLength) return std::string(key);
  return std::string(key.substr(key.size() - kCatalogueNumberLength));
}

char KeyStatusSign(std::string_view key) {
  if (key.size() <= kCatalogueNumberLength) return '+';
  return key[key.size() - kCatalogueNumberLength - 1] == '-' ? '-' : '+';
}

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(LowerAscii(a[i]));
    const auto cb = static_cast<unsigned char>(LowerAscii(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameNumber(std::string_view a, std::string_view b) {
  a = orbit::TrimView(a);
  b = orbit::TrimView(b);
  return !a.empty() && a == b;
}

}  // namespace

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  const int c = CompareIgnoringCase(a, b);
  return c != 0 ? c < 0 : a < b;
}

std::string CleanDisplayName(std::string_view newSide) {
  const auto cut = newSide.find_first_of("[]");
  return std::string(orbit::TrimView(newSide.substr(0, cut)));
}

void SortRenameTable(RenameTable& table) {
  // Sorting with the exact text as tie-break puts equal old sides next to each other, so
  // that no duplicate survives whatever the letter case of its neighbours.
  std::vector<std::string> olds;
  for (const GroupRenamePair& p : table) {
    if (!p.oldSide.empty()) olds.push_back(p.oldSide);
  }
  std::sort(olds.begin(), olds.end(),
            [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); });
  olds.erase(std::unique(olds.begin(), olds.end()), olds.end());

  RenameTable sorted;
  std::size_t k = 0;
  for (const std::string& old : olds) {
    const auto first = std::find_if(table.begin(), table.end(),
                                    [&](const GroupRenamePair& p) { return p.oldSide == old; });
    sorted[k++] = *first;
  }
  table = sorted;
}

void ApplyRenameRows(const RenameTable& rows, RenameTable& table, GroupTable& groups) {
  table = rows;
  for (Group& group : groups.groups) {
    for (std::size_t s = 0; s < kMaxSelected; ++s) {
      const std::string& name = group.SelectedNames[s];
      if (name.empty()) continue;
      std::string renamed;
      for (const GroupRenamePair& row : rows) {
        if (row.oldSide.empty()) continue;
        if (row.oldSide != name && !SameNumber(row.oldSide, group.SelectedNumbers[s])) continue;
        std::string clean = CleanDisplayName(row.newSide);
        if (!clean.empty()) renamed = std::move(clean);
      }
      if (!renamed.empty()) group.SelectedNames[s] = renamed;
    }
  }
  SortRenameTable(table);
}

std::optional<std::size_t> PreparePendingRename(RenameTable& rows, std::string_view name,
                                                std::string_view number) {
  std::optional<std::size_t> row;
  for (std::size_t i = 0; i < rows.size() && !row; ++i) {
    if (SameNumber(rows[i].oldSide, number)) row = i;
  }
  for (std::size_t i = 0; i < rows.size() && !row; ++i) {
    if (rows[i].oldSide.empty()) row = i;
  }
  if (row) {
    rows[*row].oldSide = std::string(number);
    rows[*row].newSide = std::string(name);
  }
  return row;
}

namespace {

// Headers of the sections that belong to a listed satellite become "[display][number]".
// A header that carries a number belongs by number only: two sets of one file may share
// a name, and matching those by name would hand the sections back and forth.
bool RetagSections(std::vector<std::string>& lines, const std::string& name,
                   const std::string& display, const std::string& number) {
  bool changed = false;
  const std::string wanted = orbit::FormatSectionHeader(display, number);
  for (std::string& line : lines) {
    if (!orbit::IsSectionHeaderLine(line)) continue;
    const orbit::SectionHeader h = orbit::ParseSectionHeader(line);
    const bool belongs =
        h.number.empty() ? (h.name == name || h.name == display) : SameNumber(h.number, number);
    if (belongs && line != wanted) {
      line = wanted;
      changed = true;
    }
  }
  return changed;
}

// Headers named after the old side of a pair with a new name take that new name.
bool RenameSectionHeaders(std::vector<std::string>& lines, const RenameTable& renames) {
  bool changed = false;
  for (std::string& line : lines) {
    if (!orbit::IsSectionHeaderLine(line)) continue;
    const orbit::SectionHeader h = orbit::ParseSectionHeader(line);
    if (h.name.empty()) continue;
    std::string newName;
    for (const GroupRenamePair& p : renames) {
      if (p.oldSide != h.name) continue;
      std::string clean = CleanDisplayName(p.newSide);
      if (!clean.empty()) newName = std::move(clean);
    }
    if (newName.empty()) continue;
    std::string renamed = orbit::FormatSectionHeader(newName, h.number);
    if (renamed != line) {
      line = std::move(renamed);
      changed = true;
    }
  }
  return changed;
}

// Renaming of one satellite: the last pair whose old side is its name or number decides.
std::string DisplayNameOf(const std::string& name, const std::string& number,
                          RenameTable& renames) {
  const GroupRenamePair* decider = nullptr;
  for (GroupRenamePair& p : renames) {
    if (p.oldSide.empty()) continue;
    const bool byName = p.oldSide == name;
    if (!byName && !SameNumber(p.oldSide, number)) continue;
    decider = &p;
    // Later reads match by number, which survives a change of the published name.
    if (byName && !p.newSide.empty()) p.oldSide = number;
  }
  if (decider == nullptr) return name;
  std::string clean = CleanDisplayName(decider->newSide);
  return clean.empty() ? name : clean;
}

void RebuildSelection(Group& group, const std::vector<SatelliteListEntry>& list,
                      SelectionFormat format) {
  for (std::size_t s = 0; s < kMaxSelected; ++s) {
    const SatelliteListEntry* found = nullptr;
    for (const SatelliteListEntry& e : list) {
      const bool match = format == SelectionFormat::Numbers
                             ? SameNumber(e.number, group.SelectedNumbers[s])
                             : (!group.SelectedNames[s].empty() && e.name == group.SelectedNames[s]);
      if (match) {
        found = &e;
        break;
      }
    }
    group.SelectedNames[s] = found != nullptr ? found->name : std::string();
    group.SelectedNumbers[s] = found != nullptr ? found->number : std::string();
  }
  // Compaction: named slots move up in order, name and number together.
  std::size_t next = 0;
  for (std::size_t s = 0; s < kMaxSelected; ++s) {
    if (group.SelectedNames[s].empty()) continue;
    if (s != next) {
      group.SelectedNames[next] = std::move(group.SelectedNames[s]);
      group.SelectedNumbers[next] = std::move(group.SelectedNumbers[s]);
      group.SelectedNames[s].clear();
      group.SelectedNumbers[s].clear();
    }
    ++next;
  }
}

}  // namespace

GroupLoadResult LoadGroupFile(Group& group, const std::vector<std::string>& rawLines,
                              RenameTable& renames, bool checkChecksums,
                              std::vector<std::string>& radioDataLines,
                              std::vector<std::string>& notesLines, SelectionFormat format) {
  GroupLoadResult result;
  if (rawLines.size() > orbit::kMaxElementFileLines) {
    result.status = GroupLoadStatus::TooManyLines;
    return result;
  }
  result.elementText = orbit::CleanElementLines(rawLines);
  const std::vector<orbit::ElementSetEntry> sets =
      orbit::ScanElementSets(result.elementText, checkChecksums);

  for (const orbit::ElementSetEntry& set : sets) {
    if (!set.inService) result.outOfWork = true;
    const std::string display = DisplayNameOf(set.name, set.catalogueNumber, renames);
    if (RetagSections(radioDataLines, set.name, display, set.catalogueNumber))
      result.radioDataChanged = true;
    if (RetagSections(notesLines, set.name, display, set.catalogueNumber))
      result.notesChanged = true;
    if (display != set.name) result.elementText[set.nameLine] = display;
    result.list.push_back({display, set.catalogueNumber, set.inService, false});
  }

  if (RenameSectionHeaders(radioDataLines, renames)) result.radioDataChanged = true;
  if (RenameSectionHeaders(notesLines, renames)) result.notesChanged = true;
  if (result.radioDataChanged) orbit::ReindexSections(radioDataLines);
  if (result.notesChanged) orbit::ReindexSections(notesLines);

  if (result.list.empty()) return result;

  // One sort for both lists keeps entry i of the keys with entry i of the list.
  std::stable_sort(result.list.begin(), result.list.end(),
                   [](const SatelliteListEntry& a, const SatelliteListEntry& b) {
                     return LessIgnoringCase(a.name, b.name);
                   });
  result.keys.reserve(result.list.size());
  for (const SatelliteListEntry& e : result.list) {
    result.keys.push_back(SatelliteKey(e.name, e.inService, e.number));
  }

  RebuildSelection(group, result.list, format);
  std::set<std::string> chosen;
  for (const std::string& n : group.SelectedNames) {
    if (!n.empty()) chosen.insert(n);
  }
  for (SatelliteListEntry& e : result.list) e.selected = chosen.count(e.name) > 0;
  return result;
}

std::string SelectionLimitWarning() {
  return std::to_string(kMaxSelected) + kSelectionLimitSuffix;
}

SelectionResult SelectionFromList(const std::vector<std::size_t>& selectedRows,
                                  const std::vector<std::string>& listNames,
                                  const std::vector<std::string>& keys) {
  SelectionResult result;
  if (selectedRows.size() > kMaxSelected) {
    result.warning = SelectionLimitWarning();
    return result;
  }
  result.accepted = true;
  std::size_t slot = 0;
  for (std::size_t row : selectedRows) {
    if (row >= listNames.size()) continue;
    result.names[slot] = listNames[row];
    result.numbers[slot] = row < keys.size() ? KeyNumber(keys[row]) : std::string();
    ++slot;
  }
  return result;
}

}  // namespace app
