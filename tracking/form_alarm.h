#pragma once

// TFormAlarm: asks whether to resume tracking after the stop on a 360° azimuth step.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tracking {

class TFormAlarm : public QDialog {
  Q_OBJECT
 public:
  explicit TFormAlarm(QWidget* parent = nullptr);

  QLabel* LabelStop360 = nullptr;
  QPushButton* BitBtnYes = nullptr;
  QPushButton* BitBtnNo = nullptr;

  void BitBtnYesClick();  // emits resumeRequested, then hides
  void BitBtnNoClick();   // hides

 signals:
  // The main window switches tracking on when its track button is up.
  void resumeRequested();

 protected:
  void showEvent(QShowEvent* event) override;  // the current language's text
};

// LabelStop360's text in the current language.
QString Stop360Text();

}  // namespace tracking
