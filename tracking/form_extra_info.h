#pragma once

// TFormExtraInfo: the radio modes of one satellite (letter, comment, downlink and uplink
// frequencies and notes), the attitude of its antenna and the mode schedule by MA.

#include <QDialog>
#include <array>

#include "base/sounds.h"
#include "orbit/radio_data.h"
#include "tracking/extra_info_check.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tracking {

class TFormExtraInfo : public QDialog {
  Q_OBJECT
 public:
  TFormExtraInfo(base::Sounds* sounds, base::Dialogs* dialogs, QWidget* parent = nullptr);

  // Fills the window with a copy of the satellite's data and shows it. Nothing reaches
  // the satellite before OK has passed every check.
  void Open(const QString& satelliteName, const orbit::SatRadioData& data);

  QTableWidget* StringGridModeFreq = nullptr;  // 6 columns, headings + rows 1-8
  QLabel* LabelAlat = nullptr;
  QLabel* LabelAlon = nullptr;
  QLabel* LabelMA = nullptr;
  QLineEdit* EditAlat = nullptr;
  QLineEdit* EditALon = nullptr;
  std::array<QLineEdit*, kModeRows> EditMA{};    // EditMA1..EditMA8, 3 characters
  std::array<QLineEdit*, kModeRows> EditMode{};  // EditMode1..EditMode8, 1 character
  QCheckBox* CheckBoxSaveInfo = nullptr;         // "Save info", checked at first
  QPushButton* BitBtnOKInfoSat = nullptr;
  QPushButton* BitBtnCancelInfoSat = nullptr;

  void BitBtnOKInfoSatClick();
  void BitBtnCancelInfoSatClick();
  void RetranslateUi();

  // What the controls hold now, and the texts of a record.
  ExtraInfoTexts CurrentTexts() const;
  void ShowTexts(const ExtraInfoTexts& texts);

 signals:
  // Every check passed: the satellite's new radio data. The window is hidden already.
  void dataAccepted(const orbit::SatRadioData& data);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;  // Esc and the close box act as Cancel

 private:
  void BuildWidgets();
  void NumberEditChange(QLineEdit* edit, bool loneMinusAllowed);
  bool LetterKey(QObject* watched, QEvent* event);

  base::Sounds* sounds_;
  base::Dialogs* dialogs_;
  QString satelliteName_;
  orbit::SatRadioData data_;    // the copy the window works on
  ExtraInfoTexts openedTexts_;  // what Cancel brings back
};

}  // namespace tracking
