#pragma once

#include <QDialog>

#include "base/sounds.h"
#include "prediction/date_fields.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace prediction {

class UpDownButtons;

// The calculation start date window (`FormDate`): a date and time for the shown slot,
// handed over to the explorer's hidden `EditDateOrigine` box.
class TFormDate : public QDialog {
  Q_OBJECT
 public:
  TFormDate(base::Sounds* sounds, QWidget* parent = nullptr);

  // The box that receives the 13-character text (the explorer's `EditDateOrigine`).
  void SetHandOverEdit(QLineEdit* edit) { handOver_ = edit; }

  // `ShowDateWindow`: calculationDate is the slot's local date (0 = none), nowLocal the clock.
  void ShowDateWindow(Real calculationDate, Real nowLocal, Real localOffsetHours, bool utc);
  void ConfirmDate();  // BitBtnOKDate
  void UpDownStartDateClick(bool up);
  void UpDownStartTimeClick(bool up);
  void ApplyLanguage();

  QRadioButton* RadioButtondateCourante = nullptr;
  QRadioButton* RadioButtonDatePerso = nullptr;
  QLineEdit* EditStartDay = nullptr;
  QLineEdit* EditStartMonth = nullptr;
  QLineEdit* EditStartYear = nullptr;
  QLineEdit* EditStartHour = nullptr;
  QLineEdit* EditStartMin = nullptr;
  UpDownButtons* UpDownStartDate = nullptr;
  UpDownButtons* UpDownStartTime = nullptr;
  QLabel* LabelDateTime = nullptr;
  QPushButton* BitBtnOKDate = nullptr;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void CheckTyped(QLineEdit* edit, int maxValue);
  void ShowFields(const CivilDate& d, const ClockTime& t);

  base::Sounds* sounds_;
  QLineEdit* handOver_ = nullptr;
  bool utc_ = false;
};

// An up-down arrow pair (the toolkit's TUpDown): `Clicked(true)` for up.
class UpDownButtons : public QWidget {
  Q_OBJECT
 public:
  explicit UpDownButtons(QWidget* parent = nullptr);
 signals:
  void Clicked(bool up);
};

}  // namespace prediction
