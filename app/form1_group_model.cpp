// Only the group rules are included here: see form1_group_model.h.
#include "app/form1_group_model.h"

#include <algorithm>

#include "app/groups.h"
#include "base/ansi_text.h"

namespace app {

struct GroupModelData {
  GroupTable table;
  RenameTable renames;
};

namespace {

std::size_t G(int group) {
  return static_cast<std::size_t>(std::clamp(group, 1, kGroupCount) - 1);
}
std::size_t S(int slot) {
  return static_cast<std::size_t>(std::clamp(slot, 1, static_cast<int>(kMaxSelected)) - 1);
}

RenameTable ToTable(const RenameRows& rows) {
  RenameTable table;
  for (std::size_t i = 0; i < table.size() && i < rows.size(); ++i)
    table[i] = {ToAnsi(rows[i].oldSide), ToAnsi(rows[i].newSide)};
  return table;
}

RenameRows ToRows(const RenameTable& table) {
  RenameRows rows;
  for (std::size_t i = 0; i < table.size() && i < rows.size(); ++i)
    rows[i] = {FromAnsi(table[i].oldSide), FromAnsi(table[i].newSide)};
  return rows;
}

}  // namespace

QString FromAnsi(const std::string& text) {
  return base::DecodeWindows1252(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToAnsi(const QString& text) {
  return base::EncodeWindows1252(text).toStdString();
}

GroupModel::GroupModel(const QString& programFolder) : data_(std::make_unique<GroupModelData>()) {
  data_->table = DefaultGroupTable(ToAnsi(programFolder + QLatin1Char('/')));
}

GroupModel::~GroupModel() = default;

QString GroupModel::Name(int group) const {
  return FromAnsi(data_->table.groups[G(group)].name);
}
void GroupModel::SetName(int group, const QString& name) {
  data_->table.groups[G(group)].name = ToAnsi(name);
}
QString GroupModel::ElementFile(int group) const {
  return QString::fromStdString(data_->table.groups[G(group)].elementFile);
}
void GroupModel::SetElementFile(int group, const QString& path) {
  data_->table.groups[G(group)].elementFile = path.toStdString();
}
QString GroupModel::SelectedName(int group, int slot) const {
  return FromAnsi(data_->table.groups[G(group)].SelectedNames[S(slot)]);
}
QString GroupModel::SelectedNumber(int group, int slot) const {
  return FromAnsi(data_->table.groups[G(group)].SelectedNumbers[S(slot)]);
}
void GroupModel::SetSelected(int group, int slot, const QString& name, const QString& number) {
  Group& g = data_->table.groups[G(group)];
  g.SelectedNames[S(slot)] = ToAnsi(name);
  g.SelectedNumbers[S(slot)] = ToAnsi(number);
}
bool GroupModel::HasSelection(int group) const {
  return GroupHasSelection(data_->table.groups[G(group)]);
}
bool GroupModel::SameSelection(int a, int b) const {
  return data_->table.groups[G(a)].SelectedNames == data_->table.groups[G(b)].SelectedNames;
}
GroupModel::Download GroupModel::DownloadOf(int group) const {
  const Group& g = data_->table.groups[G(group)];
  return {QString::fromStdString(g.url), QString::fromStdString(g.loginUrl), FromAnsi(g.user),
          FromAnsi(g.password)};
}
void GroupModel::SetDownload(int group, const Download& d) {
  Group& g = data_->table.groups[G(group)];
  g.url = d.url.toStdString();
  g.loginUrl = d.loginUrl.toStdString();
  g.user = ToAnsi(d.user);
  g.password = ToAnsi(d.password);
}
void GroupModel::Reset(int group) {
  ResetGroup(data_->table.groups[G(group)], group);
}

RenameRows GroupModel::Renames() const {
  return ToRows(data_->renames);
}
void GroupModel::SetRenames(const RenameRows& rows) {
  data_->renames = ToTable(rows);
}
void GroupModel::SortRenames() {
  SortRenameTable(data_->renames);
}
void GroupModel::ApplyRenameRows(const RenameRows& rows) {
  app::ApplyRenameRows(ToTable(rows), data_->renames, data_->table);
}

std::optional<int> GroupModel::PreparePendingRename(RenameRows& rows, const QString& name,
                                                    const QString& number) {
  RenameTable table = ToTable(rows);
  const std::optional<std::size_t> row =
      app::PreparePendingRename(table, ToAnsi(name), ToAnsi(number));
  rows = ToRows(table);
  if (!row) return std::nullopt;
  return static_cast<int>(*row);
}

GroupFileResult GroupModel::Load(int group, const std::vector<std::string>& rawLines,
                                 bool checkChecksums, std::vector<std::string>& radioDataLines,
                                 std::vector<std::string>& notesLines, bool numbersFormat) {
  GroupLoadResult loaded = LoadGroupFile(
      data_->table.groups[G(group)], rawLines, data_->renames, checkChecksums, radioDataLines,
      notesLines, numbersFormat ? SelectionFormat::Numbers : SelectionFormat::Names);
  GroupFileResult result;
  result.tooManyLines = loaded.status == GroupLoadStatus::TooManyLines;
  result.outOfWork = loaded.outOfWork;
  result.radioDataChanged = loaded.radioDataChanged;
  result.notesChanged = loaded.notesChanged;
  result.elementText = std::move(loaded.elementText);
  for (std::size_t i = 0; i < loaded.list.size(); ++i) {
    result.entries.push_back({FromAnsi(loaded.list[i].name),
                              i < loaded.keys.size() ? FromAnsi(loaded.keys[i]) : QString(),
                              loaded.list[i].selected});
  }
  return result;
}

bool GroupModel::SelectFromList(int group, const std::vector<std::size_t>& rows,
                                const QStringList& names, const QStringList& keys,
                                QString* warning) {
  std::vector<std::string> listNames;
  std::vector<std::string> listKeys;
  for (const QString& n : names) listNames.push_back(ToAnsi(n));
  for (const QString& k : keys) listKeys.push_back(ToAnsi(k));
  const SelectionResult result = SelectionFromList(rows, listNames, listKeys);
  if (!result.accepted) {
    if (warning) *warning = QString::fromStdString(result.warning);
    return false;
  }
  Group& g = data_->table.groups[G(group)];
  g.SelectedNames = result.names;
  g.SelectedNumbers = result.numbers;
  return true;
}

}  // namespace app
