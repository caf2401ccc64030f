#pragma once

// The ten satellite groups, their selections and the rename table: one record each, and
// the rules over them. The main window holds these records (inside its settings record),
// reads files into line lists, calls the rules and shows the results; nothing here touches
// a widget or a file.

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/catalogue_limits.h"
#include "orbit/element_content.h"
#include "prediction/element_content.h"

namespace app {

inline constexpr int kCatalogueNumberLength = 5;

// The download source of group 1 unless the settings file says otherwise.
inline constexpr const char* kDefaultAmateurUrl =
    "https://celestrak.org/NORAD/elements/amateur.txt";
inline constexpr const char* kEmptyUrl = "http://";

// One group: its page on the settings panel, its Group menu entry and its file keys.
struct Group {
  QString name;         // tab page and menu entry caption
  QString elementFile;  // path of the 3-line element file; empty = none
  std::array<QString, kGroupSelectionSize> SelectedNames;    // display names, slot order
  std::array<QString, kGroupSelectionSize> SelectedNumbers;  // catalogue numbers, same slots
  QString url = QString::fromLatin1(kEmptyUrl);  // download settings
  QString loginUrl = QString::fromLatin1(kEmptyUrl);
  QString loginUserName;
  QString loginPassword;
  // Group menu entry as the settings reader leaves it (not written to the file).
  bool menuVisible = false;
  bool menuEnabled = false;
  bool operator==(const Group&) const = default;
};

// The ten groups; index 0 is group 1.
using GroupTable = std::array<Group, kGroupCount>;

// Group n (1..10); a number outside the range gives group 1.
Group& GroupNumber(GroupTable& table, int n);
const Group& GroupNumber(const GroupTable& table, int n);

// "G1 - Amateur" for group 1, "G" + n for the others.
QString DefaultGroupName(int n);

// Defaults before the settings file is read. Group 1's element file is `programDir` (which
// ends with a path separator) + "amateur.txt"; none when `programDir` is empty.
GroupTable DefaultGroupTable(const QString& programDir);

// The reset button: caption "G" + n and no element file; the selection slots stay.
void ResetGroup(Group& group, int n);

// True when at least one slot has a name (the Group menu entry is then enabled).
bool GroupHasSelection(const Group& group);

// How the settings file held the selection: catalogue numbers (version 3 and later) or
// display names (older files).
enum class SelectionFormat { Numbers, Names };

// --- Satellite keys: display name + "+"/"-" + catalogue number ---
// The number has 5 characters as element lines print it, or 6 digits and more from 100000
// on (orbit/catalogue_number.h).

QString SatelliteKey(const QString& displayName, bool inService, const QString& number);
// The number: the last 5 characters when a sign stands before them (the whole key when it
// is shorter), else the digits after the last sign.
QString KeyNumber(const QString& key);
// The status sign before the number: '+' in service, '-' out of work ('+' when absent).
char KeyStatusSign(const QString& key);

// Alphabetical order ignoring the case of ASCII letters, then the exact text.
bool LessIgnoringCase(const QString& a, const QString& b);

// --- Rename table ---

struct RenamePair {
  QString oldSide;  // satellite name or, preferably, catalogue number
  QString newSide;  // display name; empty cancels an earlier pair
  bool operator==(const RenamePair&) const = default;
};
using RenameTable = std::array<RenamePair, kRenamePairCount>;

// A new name as it can be shown and found again: cut at the first "[" or "]" (those start
// the status mark of a name line and the number of a data-file header) and trimmed.
QString CleanDisplayName(const QString& newSide);

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
std::optional<std::size_t> PreparePendingRename(RenameTable& rows, const QString& name,
                                                const QString& number);

// --- The file steps of the main window's LoadGroupFile ---

// Names in element files and in the data files' headers are 8-bit text; these turn them
// into the records' text and back.
QString ElementText(const std::string& bytes);
std::string ElementBytes(const QString& text);

struct SatelliteListEntry {
  QString name;    // display name
  QString number;  // catalogue number as kept (orbit/catalogue_number.h)
  bool inService = true;
  bool selected = false;
};

struct GroupFileResult {
  bool tooManyLines = false;              // more than 3000 lines: nothing else was done
  std::vector<SatelliteListEntry> list;   // sorted by name ignoring case
  QStringList keys;                       // `SatelliteKeys`, entry i belongs to list[i]
  orbit::ElementContent elementContent;   // for the element loader, renamed names replaced
  std::vector<std::string> damaged;       // OMM records skipped as damaged (their names)
  int damagedLine = 0;                    // OMM file unreadable from this line on; 0 = whole
  bool outOfWork = false;                 // show "Red satellites out of work"
  bool radioDataChanged = false;          // rewrite "Orvane.dat" (already re-indexed)
  bool notesChanged = false;              // rewrite "Orvane.nfo" (already re-indexed)
};

// Takes a group's element file as the element reader gave it (any format). A refused file
// (more than orbit::kMaxElementFileLines lines, or more sets than three-line files may hold):
// tooManyLines and nothing else is touched (the caller shows
// orbit::kTooManyLinesMessage and the settings panel); an unreadable one is the caller's to
// report and gives an empty list. Otherwise the sets are
// renamed through `renames` (a pair matched by name gets the catalogue number as its old
// side), the data-file headers of the listed satellites and of renamed names are rewritten,
// changed data files are re-indexed, and, when the file gave at least one satellite, the
// group's selection is rebuilt against the list and compacted (name and number move
// together; a slot whose satellite is gone is emptied in both). With SelectionFormat::Names
// a kept slot also takes its catalogue number, so the selection is written back as numbers.
GroupFileResult ScanGroupFile(Group& group, prediction::ElementRead file, RenameTable& renames,
                              std::vector<std::string>& radioDataLines,
                              std::vector<std::string>& notesLines, SelectionFormat format);

// The same for the raw lines of a three-line file.
GroupFileResult ScanGroupFile(Group& group, const std::vector<std::string>& rawLines,
                              RenameTable& renames, bool checkChecksums,
                              std::vector<std::string>& radioDataLines,
                              std::vector<std::string>& notesLines, SelectionFormat format);

// --- Selecting in a list ---

// English text of the refusal; the window shows its language's version after the limit.
inline constexpr const char* kSelectionLimitSuffix = " satellites maximum please ...";
QString SelectionLimitWarning();  // "15 satellites maximum please ..."

struct SelectionResult {
  bool accepted = false;
  std::array<QString, kGroupSelectionSize> names;
  std::array<QString, kGroupSelectionSize> numbers;
  QString warning;  // set when refused; the caller deselects the focused entry
};

// The list's selected rows in list order become slots 1, 2, ...: names from the list,
// numbers from the matching keys; more than 15 rows are refused.
SelectionResult SelectionFromList(const std::vector<std::size_t>& selectedRows,
                                  const QStringList& listNames, const QStringList& keys);

}  // namespace app
