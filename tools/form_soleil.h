#pragma once

#include <QWidget>

#include "tools/sun_view.h"
#include "tools/tool_window_environment.h"

class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace tools {

// "SUN TRACKING": the sun's azimuth and elevation at the station once a second, and the
// rotator following it. Stays above the other windows.
class TFormSoleil : public QWidget {
  Q_OBJECT
 public:
  explicit TFormSoleil(ToolWindowEnvironment environment, QWidget* parent = nullptr);

  QLabel* LabelAzimuth = nullptr;
  QLabel* LabelElevation = nullptr;
  QLineEdit* EditAzSoleil = nullptr;
  QLineEdit* EditElSoleil = nullptr;
  QToolButton* SpeedButtonTrackSoleil = nullptr;
  QTimer* TimerSoleil = nullptr;

  void TimerSoleilTimer();
  void SpeedButtonTrackSoleilClick();
  // Sun tracking off: button up, rotators stopped (also the other sources' release).
  void StopTracking();
  bool Tracking() const { return tracking_; }
  // The 360° step window's Yes: tracking again when the button can be pressed.
  void ResumeTracking();
  void ApplyLanguage();
  const SunView& LastView() const { return view_; }

 signals:
  // The window closed: keep its position ("DISPLAY_SUN=") and untick the menu item.
  void Closed(const QPoint& position);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Update();
  void StartTracking();
  void RefreshHint();

  ToolWindowEnvironment env_;
  ToolStation station_;
  Real minimumElevation_ = 0;
  SunView view_;
  bool tracking_ = false;
};

}  // namespace tools
