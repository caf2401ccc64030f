// The group pages of the settings panel: element files, satellite lists and selection,
// group names, the Group menu and the rename window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <cerrno>
#include <cstdio>

#include "app/form1.h"
#include "app/satellite_list_widget.h"
#include "app/form_rename.h"
#include "app/groups.h"
#include "base/ansi_text.h"
#include "prediction/element_content.h"

namespace app {

namespace {

std::size_t Gi(int group) {
  return static_cast<std::size_t>(std::clamp(group, 1, kGroupCount) - 1);
}

}  // namespace

QListWidget* TForm1::GroupList(int group) const {
  return ListBoxSatellitesG[Gi(group)];
}
QLineEdit* TForm1::GroupFileEdit(int group) const {
  return EditFichier2LignesG[Gi(group)];
}
Group& TForm1::GroupRecord(int group) {
  return GroupNumber(settings_.groups, group);
}
QString TForm1::SelectedName(int group, int slot) const {
  const Group& g = GroupNumber(settings_.groups, group);
  return g.SelectedNames[static_cast<std::size_t>(std::clamp(slot, 1, kGroupSelectionSize) - 1)];
}
bool TForm1::SameSelection(int a, int b) const {
  return GroupNumber(settings_.groups, a).SelectedNames ==
         GroupNumber(settings_.groups, b).SelectedNames;
}
void TForm1::SortRenames() {
  SortRenameTable(settings_.renames);
}

void TForm1::ConnectGroups() {
  connect(PageControlGroupe, &QTabWidget::currentChanged, this, &TForm1::PageControlGroupeChange);
  for (int g = 1; g <= kGroupCount; ++g) {
    connect(ButtonParcourirFichier2lignesG[Gi(g)], &QPushButton::clicked, this,
            [this, g] { ButtonParcourirFichier2lignesClick(g); });
    connect(EditFichier2LignesG[Gi(g)], &QLineEdit::textChanged, this,
            [this, g] { EditFichier2LignesChange(g); });
  }
  connect(BitBtnNomGroupe, &QPushButton::clicked, this, &TForm1::BitBtnNomGroupeClick);
  connect(BitBtnOKNomGroupe, &QPushButton::clicked, this, &TForm1::BitBtnOKNomGroupeClick);
  connect(BitBtnCancelNomGroupe, &QPushButton::clicked, this, &TForm1::BitBtnCancelNomGroupeClick);
  connect(EditNomGroupe, &QLineEdit::returnPressed, this, &TForm1::BitBtnOKNomGroupeClick);
  connect(SpeedButtonRAZ, &QToolButton::clicked, this, &TForm1::SpeedButtonRAZClick);
  connect(BitBtn_OK_Location, &QPushButton::clicked, this, &TForm1::BitBtn_OK_LocationClick);
}

void TForm1::SetGroupMenuEntry(int group, bool enabled, bool checked) {
  QAction* entry = MenuGroupeN[Gi(group)];
  if (enabled) {
    // A usable group is always reachable from the menu.
    entry->setVisible(true);
    MenuGroupe->menuAction()->setVisible(true);
  }
  entry->setEnabled(enabled);
  entry->setChecked(checked);
}

void TForm1::PageControlGroupeChange() {
  activeGroup_ = PageControlGroupe->currentIndex() + 1;
  if (activeGroup_ < 1) activeGroup_ = 1;
  QLineEdit* fileEdit = GroupFileEdit(activeGroup_);
  fileEdit->setCursorPosition(static_cast<int>(fileEdit->text().size()));
  currentElementFile_ = fileEdit->text();
  if (!currentElementFile_.isEmpty()) {
    LoadGroupFile();
  } else {
    GroupList(activeGroup_)->clear();
    keys_.clear();
  }
  const bool selection = !GroupList(activeGroup_)->selectedItems().isEmpty();
  SetGroupMenuEntry(activeGroup_, selection, selection);
  if (PanelNomGroupe->isVisible()) {
    EditNomGroupe->setText(PageControlGroupe->tabText(activeGroup_ - 1));
    EditNomGroupe->setFocus();
  }
  RefreshPassListTitle();
}

void TForm1::WriteDataFile(const QString& name, const std::vector<std::string>& lines,
                           bool readOnly) {
  const QString path = ProgramFile(name);
  QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
  QFile::remove(path);
  if (!base::WriteRawLines(path, lines)) return;
  if (readOnly) QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

void TForm1::LoadGroupFile() {
  const int g = activeGroup_;
  QLineEdit* fileEdit = GroupFileEdit(g);
  {
    const QSignalBlocker blocker(fileEdit);
    fileEdit->setText(currentElementFile_);
  }
  fileEdit->setCursorPosition(static_cast<int>(currentElementFile_.size()));
  GroupRecord(g).elementFile = currentElementFile_;
  if (!QFileInfo::exists(currentElementFile_)) {
    ShowSettingsPanel();
    return;
  }
  // Radio data and notes are read again: they may have been edited meanwhile.
  if (QFileInfo::exists(ProgramFile(QStringLiteral("Orvane.dat"))))
    base::ReadRawLines(ProgramFile(QStringLiteral("Orvane.dat")), &radioDataLines_);
  if (QFileInfo::exists(ProgramFile(QStringLiteral("Orvane.nfo"))))
    base::ReadRawLines(ProgramFile(QStringLiteral("Orvane.nfo")), &notesLines_);

  // Three-line sets or an OMM file (CSV, XML, JSON), told apart by their content.
  prediction::ElementRead read =
      prediction::ReadElementContentFile(currentElementFile_, !MenuNoChecksum->isChecked());
  if (read.status == orbit::ElementFileStatus::Unreadable) {
    env_.sounds->Warning();
    env_.dialogs->Warning(msg::CantOpenElementFile());
    ShowSettingsPanel();
    return;
  }
  GroupFileResult file = ScanGroupFile(GroupRecord(g), std::move(read), settings_.renames,
                                       radioDataLines_, notesLines_, settings_.groupFormat);
  if (file.tooManyLines) {
    env_.dialogs->Warning(msg::TooManyLines());
    ShowSettingsPanel();
    return;
  }
  if (file.radioDataChanged) WriteDataFile(QStringLiteral("Orvane.dat"), radioDataLines_, true);
  if (file.notesChanged) WriteDataFile(QStringLiteral("Orvane.nfo"), notesLines_, false);
  elementContent_ = std::move(file.elementContent);
  FillGroupList(g, file);
  const QString damage = DamagedElementsText(file, QFileInfo(currentElementFile_).fileName());
  if (!damage.isEmpty()) {
    env_.sounds->Warning();
    env_.dialogs->Warning(damage);
  }
}

QString TForm1::DamagedElementsText(const GroupFileResult& file, const QString& fileName) {
  QStringList parts;
  if (file.damagedLine > 0)
    parts.append(tr("The element file %1 cannot be read from line %2 on")
                     .arg(fileName)
                     .arg(file.damagedLine));
  if (!file.damaged.empty()) {
    // A file full of damaged records is named by its first few.
    constexpr std::size_t kNamed = 5;
    QStringList names;
    for (std::size_t i = 0; i < file.damaged.size() && i < kNamed; ++i)
      names.append(ElementText(file.damaged[i]));
    if (file.damaged.size() > kNamed) names.append(QStringLiteral("..."));
    parts.append(tr("The elements of %1 are damaged in your Two-Line-Elements file")
                     .arg(names.join(QStringLiteral(", "))));
  }
  return parts.join(QLatin1Char('\n'));
}

void TForm1::FillGroupList(int group, const GroupFileResult& file) {
  QListWidget* list = GroupList(group);
  const QSignalBlocker blocker(list);
  list->clear();
  keys_ = file.keys;
  StaticTextStatus->setVisible(file.outOfWork);
  for (std::size_t i = 0; i < file.list.size(); ++i) {
    const SatelliteListEntry& entry = file.list[i];
    auto* item = new QListWidgetItem(entry.name, list);
    item->setData(kSatelliteKeyRole, keys_.value(static_cast<qsizetype>(i)));
    item->setSelected(entry.selected);
  }
}

void TForm1::SelectGroupEntries(int group) {
  QListWidget* list = GroupList(group);
  const QSignalBlocker blocker(list);
  QStringList names;
  for (const QString& name : GroupRecord(group).SelectedNames) names.append(name);
  for (int i = 0; i < list->count(); ++i) {
    QListWidgetItem* item = list->item(i);
    item->setSelected(names.contains(item->text()));
  }
}

void TForm1::ListBoxSatellitesMouseUp(int group, Qt::MouseButton button, const QPoint& position) {
  QListWidget* list = GroupList(group);
  if (button != Qt::LeftButton) {
    QListWidgetItem* item = list->itemAt(position);
    if (!item) return;  // a click outside the entries does nothing
    const QString key = item->data(kSatelliteKeyRole).toString();
    OpenRenameWindow(item->text(), KeyNumber(key));
    return;
  }
  std::vector<std::size_t> rows;
  QStringList names;
  for (int i = 0; i < list->count(); ++i) {
    names.append(list->item(i)->text());
    if (list->item(i)->isSelected()) rows.push_back(static_cast<std::size_t>(i));
  }
  const SelectionResult chosen = SelectionFromList(rows, names, keys_);
  if (chosen.accepted) {
    GroupRecord(group).SelectedNames = chosen.names;
    GroupRecord(group).SelectedNumbers = chosen.numbers;
  } else {
    env_.sounds->Warning();
    env_.dialogs->Warning(msg::SatellitesMaximum(kGroupSelectionSize));
    if (QListWidgetItem* focused = list->currentItem()) focused->setSelected(false);
  }
  const bool any = !list->selectedItems().isEmpty();
  SetGroupMenuEntry(group, any, any);
}

void TForm1::ButtonParcourirFichier2lignesClick(int group) {
  const QString path = QFileDialog::getOpenFileName(
      this, QString(), QFileInfo(GroupFileEdit(group)->text()).absolutePath(),
      tr("2-Line,Text (*.tle *.2li *.txt)") + QStringLiteral(";;") +
          tr("OMM elements (*.csv *.xml *.json)") + QStringLiteral(";;") + tr("All/Tous (*)"));
  if (path.isEmpty()) return;
  std::FILE* test = std::fopen(QFile::encodeName(path).constData(), "rb");
  if (!test) {
    env_.dialogs->Warning(msg::CantOpenElementFile() + QStringLiteral(" ERR:") +
                          QString::number(errno));
    return;
  }
  std::fclose(test);
  GroupFileEdit(group)->setText(path);
  currentElementFile_ = path;
  LoadGroupFile();
  const bool any = !GroupList(group)->selectedItems().isEmpty();
  SetGroupMenuEntry(group, any, any);
}

void TForm1::EditFichier2LignesChange(int group) {
  GroupRecord(group).elementFile = GroupFileEdit(group)->text();
  if (group != activeGroup_ || !GroupFileEdit(group)->text().isEmpty()) return;
  GroupList(group)->clear();
  keys_.clear();
  SetGroupMenuEntry(group, false, false);
}

void TForm1::BitBtnNomGroupeClick() {
  EditNomGroupe->setText(PageControlGroupe->tabText(activeGroup_ - 1));
  PanelNomGroupe->show();
  EditNomGroupe->setFocus();
}

void TForm1::BitBtnOKNomGroupeClick() {
  const QString name = EditNomGroupe->text().trimmed();
  if (name.isEmpty()) {
    env_.sounds->Beep();
    EditNomGroupe->setFocus();
    return;
  }
  PageControlGroupe->setTabText(activeGroup_ - 1, name);
  MenuGroupeN[Gi(activeGroup_)]->setText(name);
  GroupRecord(activeGroup_).name = name;
  PanelNomGroupe->hide();
  RefreshPassListTitle();
}

void TForm1::BitBtnCancelNomGroupeClick() {
  PanelNomGroupe->hide();
}

void TForm1::SpeedButtonRAZClick() {
  const int g = activeGroup_;
  ResetGroup(GroupRecord(g), g);
  const QString caption = QStringLiteral("G") + QString::number(g);
  PageControlGroupe->setTabText(g - 1, caption);
  MenuGroupeN[Gi(g)]->setText(caption);
  GroupFileEdit(g)->clear();  // clears the list and disables the menu entry
  currentElementFile_.clear();
  PanelNomGroupe->hide();
  RefreshPassListTitle();
}

void TForm1::SelectGroup(int group) {
  Timerseconde->stop();
  for (std::size_t i = 0; i < Edit.size(); ++i) Edit[i]->clear();
  shownSlot_ = 0;
  PanelExplorer->hide();
  if (PageControlGroupe->currentIndex() == group - 1) {
    PageControlGroupeChange();
  } else {
    PageControlGroupe->setCurrentIndex(group - 1);  // runs PageControlGroupeChange
  }
  for (prediction::PassSlot& slot : slots_) slot.radio = orbit::SatRadioData{};
  if (!SettingsPanelShowing()) BitBtn_OK_LocationClick();
  MenuGroupeN[Gi(group)]->setChecked(true);
}

void TForm1::MenuRenameClick() {
  OpenRenameWindow(QString(), QString());
}

void TForm1::OpenRenameWindow(const QString& pendingName, const QString& pendingNumber) {
  RenameTable rows = settings_.renames;
  std::optional<int> row;
  if (!pendingNumber.isEmpty()) {
    if (const auto free = PreparePendingRename(rows, pendingName, pendingNumber))
      row = static_cast<int>(*free);
  }
  formRename_->Open(rows, row);
}

void TForm1::RenameAccepted(const RenameTable& rows) {
  ApplyRenameRows(rows, settings_.renames, settings_.groups);
  currentElementFile_ = GroupFileEdit(activeGroup_)->text();
  if (!currentElementFile_.isEmpty()) LoadGroupFile();
}

}  // namespace app
