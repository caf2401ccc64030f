#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

#include "tools/orbit_geometry.h"

class QLabel;
class QTimer;

namespace tools {

// What the orbit view shows of the shown satellite.
struct OrbitSnapshot {
  QString name;
  OrbitInputs inputs;
};

// "ORBIT [name]": the shown satellite's orbit face-on, the Earth at a focus, the satellite
// green when visible (its position now) or purple (at the start of its next pass).
class TFormOrbit : public QWidget {
  Q_OBJECT
 public:
  // `snapshot` gives nothing when no satellite is shown.
  explicit TFormOrbit(std::function<std::optional<OrbitSnapshot>()> snapshot,
                      QWidget* parent = nullptr);

  QLabel* ImageOrbit = nullptr;
  QLabel* LabelApogee = nullptr;
  QLabel* LabelPerigee = nullptr;
  QLabel* LabelAltitude = nullptr;
  QLabel* LabelPer = nullptr;
  QLabel* LabelApo = nullptr;
  QLabel* ImageSensOrbit = nullptr;
  QLabel* LabelVisible = nullptr;
  QLabel* LabelNotVisible = nullptr;

  void ApplyLanguage();
  // The explorer's button that opens the view, and its hint.
  static QString ButtonText();
  static QString ButtonHint();
  // Draws the figure again from the snapshot (shown, pass changed, minute tick).
  void Redraw();
  const OrbitGeometry& Geometry() const { return geometry_; }
  const QImage& Picture() const { return picture_; }

 signals:
  void Closed(const QPoint& position);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<std::optional<OrbitSnapshot>()> snapshot_;
  OrbitGeometry geometry_;
  QImage picture_;
  QString name_;
};

// The figure of a geometry in a square picture of `size` pixels.
QImage DrawOrbit(const OrbitGeometry& g, int size);

}  // namespace tools
