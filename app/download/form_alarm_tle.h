#pragma once

// The element-age alarm (UnitAlarmTLE): the active group's element file is older than the
// limit; OK downloads a fresh copy, NO dismisses, and with automatic download on the
// window presses OK by itself after three seconds.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace app::download {

class TFormAlarmTLE : public QDialog {
  Q_OBJECT
 public:
  explicit TFormAlarmTLE(QWidget* parent = nullptr);

  enum class Mode {
    Manual,          // automatic download off
    Automatic,       // downloads after three seconds
    AlreadyTried,    // automatic download on, but this file was tried once in this run
  };
  // Shows the alarm for `fileName` (without folder) and the age limit in days.
  void ShowAlarm(const QString& fileName, int limitDays, Mode mode);
  Mode CurrentMode() const { return mode_; }
  void Retranslate();

  void BitBtnOKClick();
  void BitBtnNOClick();
  void TimerwaitTimer();

  QLabel* LabelMessage = nullptr;
  QLabel* LabelQuestion = nullptr;
  QLabel* LabelAutomatic = nullptr;
  QCheckBox* CheckBoxNoWarn = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnNO = nullptr;
  QTimer* Timerwait = nullptr;

 signals:
  // Timerwait fired: the run that follows is automatic.
  void AutomaticStart();
  // OK: download; `noWarn` when "Don't warn me anymore" was checked.
  void OkPressed(bool noWarn);
  void NoPressed(bool noWarn);

 protected:
  void reject() override;  // Esc and the title bar act as NO

 private:
  QString fileName_;
  int limitDays_ = 3;
  Mode mode_ = Mode::Manual;
};

}  // namespace app::download
