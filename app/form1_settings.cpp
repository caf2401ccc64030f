// The settings record onto the controls at start, and back from them at quit.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include "app/form1.h"

namespace app {

void TForm1::ApplySettingsToControls() {
  Settings& s = settings_;
  ApplyExplorerSettings();
  ApplyMapSettings();
  MenuFenetreNormale->setChecked(s.windowNormal);
  MenuFenetreReduite->setChecked(!s.windowNormal);
  MenuNoConfirm->setChecked(s.noConfirmQuit);
  MenuNoChecksum->setChecked(s.noChecksum);
  MenuInfoVersion->setChecked(s.newReleaseCheck);
  MenuTU->setChecked(s.showUtc);
  MenuDisplay24h->setChecked(s.show24h);

  // Station: texts as stored; the locator rules stay idle for texts set by the program.
  updatingControls_ = true;
  EditQRAlocator->setText(s.qraLocator.trimmed());
  EditLattitude->setText(s.latitude);
  EditLongitude->setText(s.longitude);
  updatingControls_ = false;
  CheckBox_lattitude_Nord->setChecked(s.latitudeNorth);
  CheckBox_lattitude_Sud->setChecked(!s.latitudeNorth);
  CheckBox_longitude_Ouest->setChecked(s.longitudeWest);
  CheckBox_longitude_Est->setChecked(!s.longitudeWest);
  EditAltitude->setText(s.altitude);
  EditLocalUTC->setText(s.localUtc);
  station_.locator = EditQRAlocator->text().toUpper();
  station_.north = s.latitudeNorth;
  station_.west = s.longitudeWest;

  SpinEditElevation->setValue(s.minElevation);
  CheckBoxAlarme->setChecked(s.alarm);
  SpinEditDureeAlarme->setValue(s.alarmLength);
  CheckBoxPreVisu->setChecked(s.preview);
  SpinEditPreVisu->setValue(s.previewBefore);

  // Groups: captions and files; the records themselves are the settings' own.
  for (int g = 1; g <= kGroupCount; ++g) {
    Group& group = GroupRecord(g);
    if (group.name.isEmpty()) group.name = PageControlGroupe->tabText(g - 1);
    PageControlGroupe->setTabText(g - 1, group.name);
    MenuGroupeN[static_cast<std::size_t>(g - 1)]->setText(group.name);
    const QSignalBlocker blocker(GroupFileEdit(g));
    GroupFileEdit(g)->setText(group.elementFile);
  }
  activeGroup_ = std::clamp(s.activeGroup, 1, kGroupCount);
  ApplyServerSettings();
}

void TForm1::ApplyGroupMenuFromSettings() {
  bool anyVisible = false;
  for (int g = 1; g <= kGroupCount; ++g) {
    const Group& group = GroupRecord(g);
    QAction* entry = MenuGroupeN[static_cast<std::size_t>(g - 1)];
    entry->setVisible(group.menuVisible);
    entry->setEnabled(group.menuEnabled && !GroupFileEdit(g)->text().isEmpty());
    anyVisible = anyVisible || group.menuVisible;
  }
  MenuGroupe->menuAction()->setVisible(anyVisible);
}

void TForm1::CaptureGeometryForSave() {
  WindowGeometry& g = settings_.geometry;
  if (SettingsPanelShowing()) {
    g.settingsLeft = x();
    g.settingsTop = y();
    g.settingsWidth = width();
    g.settingsHeight = height();
  } else if (ExplorerShowing()) {
    g.explorerLeft = x();
    g.explorerTop = y();
    if (MenuFenetreNormale->isChecked()) {
      g.explorerWidth = width();
      g.explorerHeight = height();
    }
  } else {
    g.compactLeft = x();
    g.compactTop = y();
  }
}

void TForm1::CollectSettingsFromControls() {
  SaveExplorerSettings();
  SaveMapSettings();
  StoreAntennaSettings();
  CollectServerSettings();
  Settings& s = settings_;
  Language language = languages_.Current();
  if (MenuEspagnol->isChecked())
    language = Language::Spanish;
  else if (MenuFrancais->isChecked())
    language = Language::French;
  else if (MenuDeutsch->isChecked())
    language = Language::German;
  else if (MenuItalien->isChecked())
    language = Language::Italian;
  else
    language = Language::English;
  s.language = LanguageSettingValue(language);
  s.groupFormat = SelectionFormat::Numbers;  // the writer always writes numbers
  s.windowNormal = MenuFenetreNormale->isChecked();
  s.noConfirmQuit = MenuNoConfirm->isChecked();
  s.noChecksum = MenuNoChecksum->isChecked();
  s.newReleaseCheck = MenuInfoVersion->isChecked();
  s.showUtc = MenuTU->isChecked();
  s.show24h = MenuDisplay24h->isChecked();

  s.qraLocator = EditQRAlocator->text().toUpper();
  s.latitudeNorth = CheckBox_lattitude_Nord->isChecked();
  s.latitude = EditLattitude->text();
  s.longitudeWest = CheckBox_longitude_Ouest->isChecked();
  s.longitude = EditLongitude->text();
  s.altitude = EditAltitude->text();
  s.localUtc = EditLocalUTC->text();
  s.timeZone = env_.clock->DaylightState();
  s.minElevation = SpinEditElevation->value();
  s.alarm = CheckBoxAlarme->isChecked();
  s.alarmLength = SpinEditDureeAlarme->value();
  s.preview = CheckBoxPreVisu->isChecked();
  s.previewBefore = SpinEditPreVisu->value();

  s.activeGroup = activeGroup_;
  CaptureGeometryForSave();
}

}  // namespace app
