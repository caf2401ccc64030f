#pragma once

// The ten satellite groups, their selections and the rename table, as plain records and
// functions over them. The windows read files into line lists, call these and show the
// results; nothing here touches a widget or a file.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/catalogue_limits.h"

namespace app {

inline constexpr std::size_t kMaxSelected = 15;
inline constexpr std::size_t kCatalogueNumberLength = 5;

// The download source of group 1 unless the settings file says otherwise.
inline constexpr const char* kDefaultAmateurUrl =
    "https://celestrak.org/NORAD/elements/amateur.txt";
inline constexpr const char* kEmptyUrl = "http://";

struct Group {
  std::string name;
  std::string elementFile;
  std::array<std::string, kMaxSelected> SelectedNames;    // display names, slot order
  std::array<std::string, kMaxSelected> SelectedNumbers;  // catalogue numbers of the same slots
  std::string url = kEmptyUrl;
  std::string loginUrl = kEmptyUrl;
  std::string user;
  std::string password;
};

struct GroupTable {
  std::array<Group, kGroupCount> groups;  // groups[0] is group 1
  int active = 1;                         // 1..10

  Group& Active() { return groups[static_cast<std::size_t>(ActiveIndex())]; }
  const Group& Active() const { return groups[static_cast<std::size_t>(ActiveIndex())]; }
  int ActiveIndex() const { return (active >= 1 && active <= kGroupCount) ? active - 1 : 0; }
};

// "G1 - Amateur" for group 1, "G" + n for the others.
std::string DefaultGroupName(int n);

// Defaults before the settings file is read; `programDir` ends with a path separator.
GroupTable DefaultGroupTable(const std::string& programDir);

// The reset button: caption "G" + n and no element file; the selection slots stay.
void ResetGroup(Group& group, int n);

// True when at least one slot has a name (the Group menu entry is then enabled).
bool GroupHasSelection(const Group& group);

// --- Satellite keys: display name + "+"/"-" + 5-character catalogue number ---

std::string SatelliteKey(std::string_view displayName, bool inService, std::string_view number);
// The last 5 characters (the whole key when it is shorter).
std::string KeyNumber(std::string_view key);
// The status sign before the number: '+' in service, '-' out of work ('+' when absent).
char KeyStatusSign(std::string_view key);

// Alphabetical order ignoring case (ASCII letters), then the exact text.
bool LessIgnoringCase(std::string_view a, std::string_view b);

// --- Rename table ---

struct GroupRenamePair {
  std::string oldSide;  // satellite name or, preferably, catalogue number
  std::string newSide;  // display name; empty cancels an earlier pair
  bool operator==(const GroupRenamePair&) const = default;
};
using RenameTable = std::array<GroupRenamePair, kRenamePairCount>;

// A new name as it can be shown and found again: cut at the first "[" or "]" (those start
// the status mark of a name line and the number of a data-file header) and trimmed.
std::string CleanDisplayName(std::string_view newSide);

// Sorts the pairs by old side ignoring case, keeps the first pair of each old side and
// puts the empty pairs at the end.
void SortRenameTable(RenameTable& table);

// The rename window's OK: the rows become the table; every slot of every group whose name
// or number equals a row's old side takes that row's new name (when not empty; the last
// matching row counts, compared with the slot as it was); then SortRenameTable.
void ApplyRenameRows(const RenameTable& rows, RenameTable& table, GroupTable& groups);

// Row for a pending rename (right click on a list entry): the row whose old side is the
// number, else the first row with an empty old side. That row is set to (number, name).
// With all 50 rows in use by other satellites there is no row: nullopt, nothing changes,
// and the window opens on the table as it is.
std::optional<std::size_t> PreparePendingRename(RenameTable& rows, std::string_view name,
                                                std::string_view number);

// --- Reading a group's element file ---

// How the settings file held the selection: catalogue numbers (version 3 and later) or
// display names (older files).
enum class SelectionFormat { Numbers, Names };

enum class GroupLoadStatus { Loaded, TooManyLines };

struct SatelliteListEntry {
  std::string name;    // display name
  std::string number;  // catalogue number, 5 characters
  bool inService = true;
  bool selected = false;
};

struct GroupLoadResult {
  GroupLoadStatus status = GroupLoadStatus::Loaded;
  std::vector<SatelliteListEntry> list;   // sorted by name ignoring case
  std::vector<std::string> keys;          // `SatelliteKeys`, entry i belongs to list[i]
  std::vector<std::string> elementText;   // cleaned lines, renamed name lines replaced
  bool outOfWork = false;                 // show "Red satellites out of work"
  bool radioDataChanged = false;          // rewrite "Orvane.dat" (already re-indexed)
  bool notesChanged = false;              // rewrite "Orvane.nfo" (already re-indexed)
};

// Reads the group's element file from its raw lines. More than kMaxElementFileLines lines:
// status TooManyLines and nothing else is touched (the caller shows
// orbit::kTooManyLinesMessage and the settings panel). Otherwise the sets are scanned,
// renamed through `renames` (a pair matched by name gets the catalogue number as its old
// side), the data-file headers of the listed satellites and of renamed names are rewritten,
// changed data files are re-indexed, and, when the file gave at least one satellite, the
// group's selection is rebuilt against the list and compacted (name and number move
// together; a slot whose satellite is gone is emptied in both). With SelectionFormat::Names
// a kept slot also takes its catalogue number, so the selection is written back as numbers.
GroupLoadResult LoadGroupFile(Group& group, const std::vector<std::string>& rawLines,
                              RenameTable& renames, bool checkChecksums,
                              std::vector<std::string>& radioDataLines,
                              std::vector<std::string>& notesLines, SelectionFormat format);

// --- Selecting in a list ---

// English text of the refusal; the window shows its language's version after the limit.
inline constexpr const char* kSelectionLimitSuffix = " satellites maximum please ...";
std::string SelectionLimitWarning();  // "15 satellites maximum please ..."

struct SelectionResult {
  bool accepted = false;
  std::array<std::string, kMaxSelected> names;
  std::array<std::string, kMaxSelected> numbers;
  std::string warning;  // set when refused; the caller deselects the focused entry
};

// The list's selected rows in list order become slots 1, 2, ...: names from the list,
// numbers from the matching keys; more than 15 rows are refused.
SelectionResult SelectionFromList(const std::vector<std::size_t>& selectedRows,
                                  const std::vector<std::string>& listNames,
                                  const std::vector<std::string>& keys);

}  // namespace app
