#pragma once

// The main window's view of the satellite groups. It keeps the group records and the
// rename table of the group rules behind Qt types, so that the window code never mixes
// those records with the settings record of the same names.

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace app {

struct GroupModelData;

// One entry of a group's satellite list.
struct GroupListEntry {
  QString name;  // display name
  QString key;   // display name + "+"/"-" + catalogue number
  bool selected = false;
};

struct GroupFileResult {
  bool tooManyLines = false;
  std::vector<GroupListEntry> entries;  // sorted by name
  bool outOfWork = false;
  std::vector<std::string> elementText;  // cleaned lines for the element loader
  bool radioDataChanged = false;
  bool notesChanged = false;
};

struct RenameRow {
  QString oldSide;
  QString newSide;
};
using RenameRows = std::array<RenameRow, 50>;

// Texts of the raw element files (Windows-1252) and the windows' texts.
QString FromAnsi(const std::string& text);
std::string ToAnsi(const QString& text);

class GroupModel {
 public:
  explicit GroupModel(const QString& programFolder);
  ~GroupModel();
  GroupModel(const GroupModel&) = delete;
  GroupModel& operator=(const GroupModel&) = delete;

  // Group numbers are 1..10, slots 1..15.
  QString Name(int group) const;
  void SetName(int group, const QString& name);
  QString ElementFile(int group) const;
  void SetElementFile(int group, const QString& path);
  QString SelectedName(int group, int slot) const;
  QString SelectedNumber(int group, int slot) const;
  void SetSelected(int group, int slot, const QString& name, const QString& number);
  bool HasSelection(int group) const;
  bool SameSelection(int a, int b) const;
  struct Download {
    QString url, loginUrl, user, password;
  };
  Download DownloadOf(int group) const;
  void SetDownload(int group, const Download& download);
  void Reset(int group);  // name "G" + n, no file; the selection stays

  RenameRows Renames() const;
  void SetRenames(const RenameRows& rows);
  void SortRenames();
  // The rename window's OK: rows become the table and every group's slots follow it.
  void ApplyRenameRows(const RenameRows& rows);
  // Row for a right-clicked satellite, set to (number, name); none when all rows are taken.
  static std::optional<int> PreparePendingRename(RenameRows& rows, const QString& name,
                                                 const QString& number);

  // Reads the group's element file from its raw lines (see LoadGroupFile of the rules).
  GroupFileResult Load(int group, const std::vector<std::string>& rawLines, bool checkChecksums,
                       std::vector<std::string>& radioDataLines,
                       std::vector<std::string>& notesLines, bool numbersFormat);

  // The list's selected rows become the group's slots; false (and the warning text's
  // English form in *warning) for more than 15.
  bool SelectFromList(int group, const std::vector<std::size_t>& rows, const QStringList& names,
                      const QStringList& keys, QString* warning);

 private:
  std::unique_ptr<GroupModelData> data_;
};

}  // namespace app
