#include "map/map_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace map {

MapView::MapView(const QImage* picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void MapView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), *picture_, event->rect());
}

void MapView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && rightClicked) {
    const QPoint at = event->position().toPoint();
    rightClicked(at.x(), at.y());
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

bool MapView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = hintAt ? hintAt(help->pos().x(), help->pos().y()) : QString();
    if (text.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace map
