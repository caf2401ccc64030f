#include "app/groups.h"

#include <algorithm>
#include <set>

#include "base/ansi_text.h"
#include "orbit/catalogue_number.h"
#include "orbit/data_sections.h"
#include "orbit/elements.h"

namespace app {

namespace {

std::size_t Index(int n) {
  return static_cast<std::size_t>((n >= 1 && n <= kGroupCount) ? n - 1 : 0);
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

QString TrimmedBlanks(const QString& s) {
  qsizetype from = 0;
  qsizetype to = s.size();
  while (from < to && IsBlank(s[from])) ++from;
  while (to > from && IsBlank(s[to - 1])) --to;
  return s.mid(from, to - from);
}

QString TrimmedRightBlanks(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return s.left(n);
}

char16_t LowerAscii(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

int CompareIgnoringCase(const QString& a, const QString& b) {
  const qsizetype n = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t ca = LowerAscii(a[i].unicode());
    const char16_t cb = LowerAscii(b[i].unicode());
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// A number typed in its Alpha-5 form ("A0000") stands for its digits ("100000").
QString KeptNumber(const QString& text) {
  const QString t = TrimmedBlanks(text);
  std::string digits;
  if (t.size() == 5 && t[0].isLetter() &&
      orbit::CatalogueNumberFromField(t.toStdString(), &digits))
    return QString::fromStdString(digits);
  return t;
}

bool SameNumber(const QString& a, const QString& b) {
  const QString x = KeptNumber(a);
  return !x.isEmpty() && x == KeptNumber(b);
}

}  // namespace

Group& GroupNumber(GroupTable& table, int n) { return table[Index(n)]; }
const Group& GroupNumber(const GroupTable& table, int n) { return table[Index(n)]; }

QString DefaultGroupName(int n) {
  return n == 1 ? QStringLiteral("G1 - Amateur") : QStringLiteral("G") + QString::number(n);
}

GroupTable DefaultGroupTable(const QString& programDir) {
  GroupTable table;
  for (int n = 1; n <= kGroupCount; ++n) table[Index(n)].name = DefaultGroupName(n);
  if (!programDir.isEmpty()) table[0].elementFile = programDir + QStringLiteral("amateur.txt");
  table[0].url = QString::fromLatin1(kDefaultAmateurUrl);
  return table;
}

void ResetGroup(Group& group, int n) {
  group.name = QStringLiteral("G") + QString::number(n);
  group.elementFile.clear();
}

bool GroupHasSelection(const Group& group) {
  return std::any_of(group.SelectedNames.begin(), group.SelectedNames.end(),
                     [](const QString& s) { return !s.isEmpty(); });
}

QString SatelliteKey(const QString& displayName, bool inService, const QString& number) {
  return TrimmedRightBlanks(displayName) + QLatin1Char(inService ? '+' : '-') + number;
}

namespace {
// Five characters whenever a sign stands before them, so that every key of a 5-character
// number reads as it always did; longer numbers are digits only and follow the last sign.
qsizetype KeyNumberLength(const QString& key) {
  if (key.size() <= kCatalogueNumberLength) return key.size();
  const QChar before = key[key.size() - kCatalogueNumberLength - 1];
  if (before == u'+' || before == u'-') return kCatalogueNumberLength;
  const qsizetype sign = std::max(key.lastIndexOf(u'+'), key.lastIndexOf(u'-'));
  return sign < 0 ? kCatalogueNumberLength : key.size() - sign - 1;
}
}  // namespace

QString KeyNumber(const QString& key) { return key.right(KeyNumberLength(key)); }

char KeyStatusSign(const QString& key) {
  const qsizetype length = KeyNumberLength(key);
  if (length >= key.size()) return '+';
  return key[key.size() - length - 1] == u'-' ? '-' : '+';
}

bool LessIgnoringCase(const QString& a, const QString& b) {
  const int c = CompareIgnoringCase(a, b);
  return c != 0 ? c < 0 : a < b;
}

QString CleanDisplayName(const QString& newSide) {
  qsizetype cut = newSide.size();
  for (qsizetype i = 0; i < newSide.size(); ++i) {
    if (newSide[i] == u'[' || newSide[i] == u']') {
      cut = i;
      break;
    }
  }
  return TrimmedBlanks(newSide.left(cut));
}

void SortRenameTable(RenameTable& table) {
  // Sorting with the exact text as tie-break puts equal old sides next to each other, so
  // that no duplicate survives whatever the letter case of its neighbours.
  std::vector<QString> olds;
  for (const RenamePair& p : table) {
    if (!p.oldSide.isEmpty()) olds.push_back(p.oldSide);
  }
  std::sort(olds.begin(), olds.end(), LessIgnoringCase);
  olds.erase(std::unique(olds.begin(), olds.end()), olds.end());

  RenameTable sorted;
  std::size_t k = 0;
  for (const QString& old : olds) {
    const auto first = std::find_if(table.begin(), table.end(),
                                    [&](const RenamePair& p) { return p.oldSide == old; });
    sorted[k++] = *first;
  }
  table = sorted;
}

void ApplyRenameRows(const RenameTable& rows, RenameTable& table, GroupTable& groups) {
  table = rows;
  for (Group& group : groups) {
    for (std::size_t s = 0; s < group.SelectedNames.size(); ++s) {
      const QString& name = group.SelectedNames[s];
      if (name.isEmpty()) continue;
      QString renamed;
      for (const RenamePair& row : rows) {
        if (row.oldSide.isEmpty()) continue;
        if (row.oldSide != name && !SameNumber(row.oldSide, group.SelectedNumbers[s])) continue;
        const QString clean = CleanDisplayName(row.newSide);
        if (!clean.isEmpty()) renamed = clean;
      }
      if (!renamed.isEmpty()) group.SelectedNames[s] = renamed;
    }
  }
  SortRenameTable(table);
}

std::optional<std::size_t> PreparePendingRename(RenameTable& rows, const QString& name,
                                                const QString& number) {
  std::optional<std::size_t> row;
  for (std::size_t i = 0; i < rows.size() && !row; ++i) {
    if (SameNumber(rows[i].oldSide, number)) row = i;
  }
  for (std::size_t i = 0; i < rows.size() && !row; ++i) {
    if (rows[i].oldSide.isEmpty()) row = i;
  }
  if (row) rows[*row] = {number, name};
  return row;
}

QString ElementText(const std::string& bytes) {
  return base::DecodeWindows1252(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string ElementBytes(const QString& text) {
  return base::EncodeWindows1252(text).toStdString();
}

namespace {

// Headers of the sections that belong to a listed satellite become "[display][number]".
// A header that carries a number belongs by number only: two sets of one file may share
// a name, and matching those by name would hand the sections back and forth.
bool RetagSections(std::vector<std::string>& lines, const QString& name, const QString& display,
                   const QString& number) {
  bool changed = false;
  const std::string wanted = orbit::FormatSectionHeader(ElementBytes(display), ElementBytes(number));
  for (std::string& line : lines) {
    if (!orbit::IsSectionHeaderLine(line)) continue;
    const orbit::SectionHeader h = orbit::ParseSectionHeader(line);
    const QString headerName = ElementText(h.name);
    const bool belongs = h.number.empty() ? (headerName == name || headerName == display)
                                          : SameNumber(ElementText(h.number), number);
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
    const QString headerName = ElementText(h.name);
    QString newName;
    for (const RenamePair& p : renames) {
      if (p.oldSide != headerName) continue;
      const QString clean = CleanDisplayName(p.newSide);
      if (!clean.isEmpty()) newName = clean;
    }
    if (newName.isEmpty()) continue;
    std::string renamed = orbit::FormatSectionHeader(ElementBytes(newName), h.number);
    if (renamed != line) {
      line = std::move(renamed);
      changed = true;
    }
  }
  return changed;
}

// Renaming of one satellite: the last pair whose old side is its name or number decides.
QString DisplayNameOf(const QString& name, const QString& number, RenameTable& renames) {
  const RenamePair* decider = nullptr;
  for (RenamePair& p : renames) {
    if (p.oldSide.isEmpty()) continue;
    const bool byName = p.oldSide == name;
    if (!byName && !SameNumber(p.oldSide, number)) continue;
    decider = &p;
    // Later reads match by number, which survives a change of the published name.
    if (byName && !p.newSide.isEmpty()) p.oldSide = number;
    // An Alpha-5 old side is kept as the digits every other place shows.
    if (!byName && TrimmedBlanks(p.oldSide) != TrimmedBlanks(number)) p.oldSide = number;
  }
  if (decider == nullptr) return name;
  const QString clean = CleanDisplayName(decider->newSide);
  return clean.isEmpty() ? name : clean;
}

void RebuildSelection(Group& group, const std::vector<SatelliteListEntry>& list,
                      SelectionFormat format) {
  const std::size_t count = group.SelectedNames.size();
  for (std::size_t s = 0; s < count; ++s) {
    const SatelliteListEntry* found = nullptr;
    for (const SatelliteListEntry& e : list) {
      const bool match = format == SelectionFormat::Numbers
                             ? SameNumber(e.number, group.SelectedNumbers[s])
                             : (!group.SelectedNames[s].isEmpty() && e.name == group.SelectedNames[s]);
      if (match) {
        found = &e;
        break;
      }
    }
    group.SelectedNames[s] = found != nullptr ? found->name : QString();
    group.SelectedNumbers[s] = found != nullptr ? found->number : QString();
  }
  // Compaction: named slots move up in order, name and number together.
  std::size_t next = 0;
  for (std::size_t s = 0; s < count; ++s) {
    if (group.SelectedNames[s].isEmpty()) continue;
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

GroupFileResult ScanGroupFile(Group& group, const std::vector<std::string>& rawLines,
                              RenameTable& renames, bool checkChecksums,
                              std::vector<std::string>& radioDataLines,
                              std::vector<std::string>& notesLines, SelectionFormat format) {
  prediction::ElementRead file;
  if (rawLines.size() > orbit::kMaxElementFileLines) {
    file.status = orbit::ElementFileStatus::TooManyLines;
  } else {
    file.content.lines = orbit::CleanElementLines(rawLines);
    file.sets = orbit::ScanElementSets(file.content.lines, checkChecksums);
  }
  return ScanGroupFile(group, std::move(file), renames, radioDataLines, notesLines, format);
}

GroupFileResult ScanGroupFile(Group& group, prediction::ElementRead file, RenameTable& renames,
                              std::vector<std::string>& radioDataLines,
                              std::vector<std::string>& notesLines, SelectionFormat format) {
  GroupFileResult result;
  if (file.status == orbit::ElementFileStatus::TooManyLines) {
    result.tooManyLines = true;
    return result;
  }
  result.elementContent = std::move(file.content);
  result.damaged = std::move(file.damaged);
  result.damagedLine = file.damagedLine;
  const std::vector<orbit::ElementSetEntry>& sets = file.sets;

  for (const orbit::ElementSetEntry& set : sets) {
    if (!set.inService) result.outOfWork = true;
    const QString name = ElementText(set.name);
    const QString number = ElementText(set.catalogueNumber);
    const QString display = DisplayNameOf(name, number, renames);
    if (RetagSections(radioDataLines, name, display, number)) result.radioDataChanged = true;
    if (RetagSections(notesLines, name, display, number)) result.notesChanged = true;
    if (display != name) orbit::RenameSet(result.elementContent, set, ElementBytes(display));
    result.list.push_back({display, number, set.inService, false});
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
  for (const SatelliteListEntry& e : result.list)
    result.keys.append(SatelliteKey(e.name, e.inService, e.number));

  RebuildSelection(group, result.list, format);
  std::set<QString> chosen;
  for (const QString& n : group.SelectedNames) {
    if (!n.isEmpty()) chosen.insert(n);
  }
  for (SatelliteListEntry& e : result.list) e.selected = chosen.count(e.name) > 0;
  return result;
}

QString SelectionLimitWarning() {
  return QString::number(kGroupSelectionSize) + QString::fromLatin1(kSelectionLimitSuffix);
}

SelectionResult SelectionFromList(const std::vector<std::size_t>& selectedRows,
                                  const QStringList& listNames, const QStringList& keys) {
  SelectionResult result;
  if (selectedRows.size() > static_cast<std::size_t>(kGroupSelectionSize)) {
    result.warning = SelectionLimitWarning();
    return result;
  }
  result.accepted = true;
  std::size_t slot = 0;
  for (std::size_t row : selectedRows) {
    if (row >= static_cast<std::size_t>(listNames.size())) continue;
    const auto i = static_cast<qsizetype>(row);
    result.names[slot] = listNames[i];
    result.numbers[slot] = i < keys.size() ? KeyNumber(keys[i]) : QString();
    ++slot;
  }
  return result;
}

}  // namespace app
