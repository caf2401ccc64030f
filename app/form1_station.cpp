// The station box: every edit and box click goes through the station rules, and their
// outcome is written back with the change signals of the rewritten controls blocked.
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/form1.h"

namespace app {

namespace {

void SetTextQuietly(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  const QSignalBlocker blocker(edit);
  edit->setText(text);
}

void SetCheckedQuietly(QCheckBox* box, bool checked) {
  const QSignalBlocker blocker(box);
  box->setChecked(checked);
}

}  // namespace

void TForm1::ConnectStation() {
  // The locator and coordinate rules act on the user's typing only (textEdited); the
  // altitude and offset rules on every change.
  connect(EditQRAlocator, &QLineEdit::textEdited, this, &TForm1::EditQRAlocatorChange);
  connect(EditLattitude, &QLineEdit::textEdited, this, &TForm1::EditLattitudeChange);
  connect(EditLongitude, &QLineEdit::textEdited, this, &TForm1::EditLongitudeChange);
  connect(EditAltitude, &QLineEdit::textChanged, this, &TForm1::EditAltitudeChange);
  connect(EditLocalUTC, &QLineEdit::textChanged, this, &TForm1::EditLocalUTCChange);
  connect(CheckBox_lattitude_Nord, &QCheckBox::clicked, this,
          [this](bool on) { HemisphereClick(HemisphereBox::North, on); });
  connect(CheckBox_lattitude_Sud, &QCheckBox::clicked, this,
          [this](bool on) { HemisphereClick(HemisphereBox::South, on); });
  connect(CheckBox_longitude_Ouest, &QCheckBox::clicked, this,
          [this](bool on) { HemisphereClick(HemisphereBox::West, on); });
  connect(CheckBox_longitude_Est, &QCheckBox::clicked, this,
          [this](bool on) { HemisphereClick(HemisphereBox::East, on); });
}

StationTexts TForm1::CurrentStationTexts() const {
  return {EditLattitude->text(), EditLongitude->text()};
}

void TForm1::ApplyStationEdit(QLineEdit* edited, const StationEdit& result) {
  if (edited) {
    SetTextQuietly(edited, result.text);
    edited->setCursorPosition(result.caret);
  }
  if (result.beep) env_.sounds->Beep();
  if (result.locatorText) SetTextQuietly(EditQRAlocator, *result.locatorText);
  if (result.latitudeText) SetTextQuietly(EditLattitude, *result.latitudeText);
  if (result.longitudeText) SetTextQuietly(EditLongitude, *result.longitudeText);
  if (result.north) {
    SetCheckedQuietly(CheckBox_lattitude_Nord, *result.north);
    SetCheckedQuietly(CheckBox_lattitude_Sud, !*result.north);
  }
  if (result.west) {
    SetCheckedQuietly(CheckBox_longitude_Ouest, *result.west);
    SetCheckedQuietly(CheckBox_longitude_Est, !*result.west);
  }
  station_ = result.record;
  if (result.conversionError) {
    // The platform's plain conversion report; the offset keeps its previous value.
    env_.dialogs->Error(tr("'%1' is not a valid floating point value").arg(result.text));
  }
}

void TForm1::EditQRAlocatorChange() {
  if (updatingControls_) return;
  ApplyStationEdit(EditQRAlocator, LocatorEdited(EditQRAlocator->text(),
                                                 EditQRAlocator->cursorPosition(), station_));
}

void TForm1::EditLattitudeChange() {
  if (updatingControls_) return;
  ApplyStationEdit(EditLattitude,
                   LatitudeEdited(EditLattitude->text(), EditLattitude->cursorPosition(),
                                  CurrentStationTexts(), station_));
}

void TForm1::EditLongitudeChange() {
  if (updatingControls_) return;
  ApplyStationEdit(EditLongitude,
                   LongitudeEdited(EditLongitude->text(), EditLongitude->cursorPosition(),
                                   CurrentStationTexts(), station_));
}

void TForm1::EditAltitudeChange() {
  ApplyStationEdit(EditAltitude,
                   AltitudeEdited(EditAltitude->text(), EditAltitude->cursorPosition(), station_));
}

void TForm1::EditLocalUTCChange() {
  ApplyStationEdit(EditLocalUTC,
                   LocalUtcEdited(EditLocalUTC->text(), EditLocalUTC->cursorPosition(), station_));
}

void TForm1::HemisphereClick(HemisphereBox box, bool checked) {
  ApplyStationEdit(nullptr,
                   HemisphereBoxChanged(box, checked, true, CurrentStationTexts(), station_));
}

}  // namespace app
