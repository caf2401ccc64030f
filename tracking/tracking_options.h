#pragma once

// The tracking options of the main window shared by every interface: CheckBoxOverlap,
// CheckBoxStop360 and CheckBoxTrackNoStop. The main window places the widget.

#include <QWidget>

class QCheckBox;

namespace tracking {

class TrackingController;
struct AntennaSetup;

class TrackingOptions : public QWidget {
  Q_OBJECT
 public:
  // Clicks write `setup` and, for the overlap box, re-command the rotator at once.
  TrackingOptions(AntennaSetup& setup, TrackingController* controller, QWidget* parent = nullptr);

  QCheckBox* CheckBoxOverlap = nullptr;      // "Overlap 360-450°" / "Overlap 180-270°"
  QCheckBox* CheckBoxStop360 = nullptr;      // "Stop tracking on 360° Azimuth step"
  QCheckBox* CheckBoxTrackNoStop = nullptr;  // "Resume tracking when pass ends"

  void CheckBoxOverlapClick();
  void RetranslateUi();  // fixed captions; the overlap caption follows the interface

 private:
  AntennaSetup& setup_;
  TrackingController* controller_;
};

}  // namespace tracking
