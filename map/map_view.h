#pragma once

// The map's drawing surface: blits the window's cached picture, reports right clicks and
// shows the marker hints. It never composes anything itself.

#include <QImage>
#include <QWidget>
#include <functional>

namespace map {

class MapView : public QWidget {
  Q_OBJECT
 public:
  explicit MapView(const QImage* picture, QWidget* parent = nullptr);

  std::function<void(int x, int y)> rightClicked;
  std::function<QString(int x, int y)> hintAt;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const QImage* picture_;
};

}  // namespace map
