#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/sounds.h"
#include "prediction/print_selection.h"

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTextEdit;

namespace prediction {

class UpDownButtons;

// The ephemeris print window: a stretch of the shown table, every step-th row.
class TFormPRINT : public QDialog {
  Q_OBJECT
 public:
  TFormPRINT(base::Sounds* sounds, base::Dialogs* dialogs, QWidget* parent = nullptr);
  ~TFormPRINT() override;

  // `FormShow`: the satellite, the rows as the explorer shows them and the saved-file
  // header of the shown time scale.
  void ShowFor(const QString& satelliteName, const std::vector<std::string>& shownRows,
               const QString& fileHeader);

  void SpinEditPrintChange();  // the recount
  void UpDownStartDateClick(bool up);
  void UpDownEndDateClick(bool up);
  void UpDownStartTimeClick(bool up);
  void UpDownEndTimeClick(bool up);
  bool BitBtnPrintOKClick();
  void BitBtnPoliceClick();
  void BitBtnConfigurerClick();
  void ApplyLanguage();

  // The print font ("PRINTFONT=", Courier 9 by default).
  QFont PrintFont() const { return printFont_; }
  void SetPrintFont(const QFont& font) { printFont_ = font; }
  int PrintMinuteCount() const { return printMinuteCount_; }

  // Seams: the printer (a PDF printer in the tests) and the font dialog.
  void SetPrinter(QPrinter* printer) { printer_ = printer; }
  void SetFontChooser(std::function<bool(QFont*)> chooser) { chooseFont_ = std::move(chooser); }

  QLabel* LabelDateTime = nullptr;
  QLabel* LabelStart = nullptr;
  QLineEdit* EditStartDay = nullptr;
  QLineEdit* EditStartMonth = nullptr;
  QLineEdit* EditStartYear = nullptr;
  QLineEdit* EditStartHour = nullptr;
  QLineEdit* EditStartMin = nullptr;
  UpDownButtons* UpDownStartDate = nullptr;
  UpDownButtons* UpDownStartTime = nullptr;
  QLabel* LabelEnd = nullptr;
  QLineEdit* EditEndDay = nullptr;
  QLineEdit* EditEndMonth = nullptr;
  QLineEdit* EditEndYear = nullptr;
  QLineEdit* EditEndHour = nullptr;
  QLineEdit* EditEndMin = nullptr;
  UpDownButtons* UpDownEndDate = nullptr;
  UpDownButtons* UpDownEndTime = nullptr;
  QLabel* LabelPrintEvery = nullptr;
  QSpinBox* SpinEditPrint = nullptr;
  QLabel* LabelMinute = nullptr;
  QLabel* LabelPrint = nullptr;
  QLabel* LabelPrintLignes = nullptr;
  QPushButton* BitBtnConfigurer = nullptr;
  QPushButton* BitBtnPolice = nullptr;
  QPushButton* BitBtnPrintOK = nullptr;
  QPushButton* BitBtnCancelPrint = nullptr;
  QTextEdit* RichEditPrint = nullptr;

 signals:
  void Hidden();  // releases the explorer's print button

 protected:
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  struct End {
    QLineEdit *day, *month, *year, *hour, *minute;
  };
  PrintEndFields Read(const End& e) const;
  void Write(const End& e, const PrintEndFields& f);
  void StepDate(const End& e, bool up);
  void StepTime(const End& e, bool up);
  void CheckTyped(QLineEdit* edit, int maxValue);
  QPrinter& Printer();

  base::Sounds* sounds_;
  base::Dialogs* dialogs_;
  End start_{};
  End end_{};
  QString name_;
  QString header_;
  std::vector<std::string> rows_;
  std::string firstRow_, lastRow_;
  int printMinuteCount_ = 0;
  QFont printFont_;
  QPrinter* printer_ = nullptr;
  std::unique_ptr<QPrinter> ownPrinter_;
  std::function<bool(QFont*)> chooseFont_;
  bool writing_ = false;
};

}  // namespace prediction
