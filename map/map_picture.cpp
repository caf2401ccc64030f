#include "map/map_picture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace map {

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

QImage Blank() {
  QImage image(kLayerWidth, kLayerHeight, kFormat);
  image.fill(Qt::transparent);
  return image;
}

int HalfSize(MarkerKind kind) {
  return kind == MarkerKind::Sun ? 8 : 4;
}

// A 9 x 9 disc or square with a dark rim.
QImage Dot(QColor fill, QColor rim, bool square) {
  QImage image(9, 9, kFormat);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setPen(QPen(rim, 1));
  p.setBrush(fill);
  if (square) {
    p.drawRect(1, 1, 6, 6);
  } else {
    p.setRenderHint(QPainter::Antialiasing);
    p.drawEllipse(QRectF(0.5, 0.5, 8, 8));
  }
  return image;
}

// A satellite: body with two panels.
QImage Satellite(QColor body, QColor panels) {
  QImage image(9, 9, kFormat);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.fillRect(0, 3, 9, 3, panels);
  p.fillRect(3, 1, 3, 7, body);
  p.setPen(QColor(20, 20, 20));
  p.drawRect(3, 1, 2, 6);
  return image;
}

}  // namespace

QImage MarkerImage(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::Qra:
      return Dot(QColor(0, 200, 255), QColor(0, 0, 90), false);
    case MarkerKind::Dx:
      return Dot(QColor(0, 230, 120), QColor(0, 70, 20), true);
    case MarkerKind::Sat:
      return Satellite(QColor(255, 60, 60), QColor(255, 230, 40));
    case MarkerKind::SatEclipse:
      return Satellite(QColor(120, 0, 0), QColor(60, 60, 60));
    case MarkerKind::SatOrbite:
      return Satellite(QColor(255, 80, 255), QColor(255, 230, 40));
    case MarkerKind::SatEclipseOrbit:
      return Satellite(QColor(110, 0, 110), QColor(60, 60, 60));
    case MarkerKind::SatFutur:
      return Satellite(QColor(40, 40, 40), QColor(255, 230, 40));
    case MarkerKind::SatEclipseFutur:
      return Satellite(QColor(40, 40, 40), QColor(90, 90, 90));
    case MarkerKind::Sun: {
      QImage image(17, 17, kFormat);
      image.fill(Qt::transparent);
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(QColor(255, 140, 0), 1.5));
      for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(8.5, 8.5);
        p.rotate(45.0 * k);
        p.drawLine(QPointF(0, 5), QPointF(0, 8));
        p.restore();
      }
      p.setBrush(QColor(255, 215, 0));
      p.setPen(QPen(QColor(200, 90, 0), 1));
      p.drawEllipse(QRectF(4, 4, 9, 9));
      return image;
    }
  }
  return {};
}

QImage BuiltInMap(int shift) {
  const QImage image(shift == kShift180 ? QStringLiteral(":/maps/world_180.png")
                                        : QStringLiteral(":/maps/world_0.png"));
  if (image.format() != QImage::Format_Indexed8) return image.convertToFormat(kFormat);
  // The shipped pictures have a palette: each pixel is its entry of the premultiplied
  // table, the same as Qt's general conversion at a fraction of its cost.
  QList<QRgb> table = image.colorTable();
  for (QRgb& c : table) c = qPremultiply(c);
  table.resize(256, 0);
  QImage out(image.size(), kFormat);
  for (int v = 0; v < image.height(); ++v) {
    const uchar* in = image.constScanLine(v);
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(v));
    for (int u = 0; u < image.width(); ++u) row[u] = table[in[u]];
  }
  return out;
}

MapPicture::MapPicture() {
  // One transparent picture shared by every layer until something is drawn on it (the
  // drawing detaches a copy): layers that stay empty cost nothing at start.
  const QImage blank = Blank();
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    layers_[i] = blank;
    empty_[i] = true;
  }
  for (int k = 0; k < kMarkerCount; ++k)
    markerImages_[static_cast<std::size_t>(k)] = MarkerImage(static_cast<MarkerKind>(k));
  SetCentring(kShift0);
}

void MapPicture::SetCentring(int shift) {
  const int wanted = shift == kShift180 ? kShift180 : kShift0;
  if (wanted == shift_ && !base_.isNull()) return;  // the picture is that one already
  shift_ = wanted;
  if (!hasUserMap_) base_ = BuiltInMap(shift_);
  RebuildGrid();
  belowValid_ = false;
}

void MapPicture::SetUserMap(const QImage& image) {
  if (image.isNull() && !hasUserMap_ && !base_.isNull()) return;  // built-in one shown
  if (image.isNull()) {
    hasUserMap_ = false;
    userMap_ = QImage();
    base_ = BuiltInMap(shift_);
    belowValid_ = false;
    return;
  }
  hasUserMap_ = true;
  userMap_ = image.scaled(kLayerWidth, kLayerHeight, Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation)
                 .convertToFormat(kFormat);
  base_ = userMap_;
  belowValid_ = false;
}

void MapPicture::SetGridShown(bool shown) {
  gridShown_ = shown;
  belowValid_ = false;
}

void MapPicture::Touch(Layer layer) {
  if (layer == Layer::Sun || layer == Layer::CovFut) belowValid_ = false;
}

const QImage& MapPicture::Below() const {
  if (!belowValid_) {
    below_ = base_;
    QPainter p(&below_);
    if (gridShown_) p.drawImage(0, 0, grid_);
    for (Layer l : {Layer::Sun, Layer::CovFut})
      if (shown_[Index(l)] && !empty_[Index(l)]) p.drawImage(0, 0, layers_[Index(l)]);
    belowValid_ = true;
  }
  return below_;
}

void MapPicture::RebuildGrid() {
  grid_ = Blank();
  QPainter p(&grid_);
  const QColor white(kWhite);
  for (int u : GridColumns()) p.fillRect(u, 0, 2, kLayerHeight, white);
  for (int v : GridRows()) p.fillRect(0, v, kLayerWidth, 2, white);
}

void MapPicture::Clear(Layer layer) {
  if (!empty_[Index(layer)]) layers_[Index(layer)].fill(Qt::transparent);
  empty_[Index(layer)] = true;
  shown_[Index(layer)] = false;
  Touch(layer);
}

void MapPicture::SetShown(Layer layer, bool shown) {
  shown_[Index(layer)] = shown;
  Touch(layer);
}

void MapPicture::DrawLines(Layer layer, const Polylines& lines, QRgb colour, int penWidth) {
  Touch(layer);
  QPainter p(&layers_[Index(layer)]);
  QPen pen{QColor(colour)};
  pen.setWidth(std::max(1, penWidth));
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  std::vector<QPoint> points;
  for (const Polyline& line : lines) {
    if (line.empty()) continue;
    points.clear();
    for (const LayerPoint& q : line) points.emplace_back(q.u, q.v);
    if (points.size() == 1) {
      p.drawPoint(points.front());
    } else {
      p.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    empty_[Index(layer)] = false;
  }
}

void MapPicture::DrawDots(Layer layer, const std::vector<LayerPoint>& points, QRgb colour,
                          int size) {
  if (points.empty()) return;
  Touch(layer);
  QPainter p(&layers_[Index(layer)]);
  const QColor c(colour);
  const int half = size / 2;
  for (const LayerPoint& q : points) p.fillRect(q.u - half, q.v - half, size, size, c);
  empty_[Index(layer)] = false;
}

void MapPicture::DrawDarkness(const std::vector<unsigned char>& mask) {
  Touch(Layer::Sun);
  QImage& image = layers_[Index(Layer::Sun)];
  const QRgb grey = qRgb(128, 128, 128);
  for (int v = 0; v < kLayerHeight; ++v) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(v));
    const unsigned char* m = mask.data() + static_cast<std::size_t>(v) * kLayerWidth;
    for (int u = 0; u < kLayerWidth; ++u)
      if (m[u] && HatchPixel(u, v) && qAlpha(row[u]) == 0) row[u] = grey;
  }
  empty_[Index(Layer::Sun)] = false;
}

void MapPicture::PlaceMarker(MarkerKind kind, Real latitude, Real westLongitude) {
  markers_[Index(kind)] = {true, {latitude, westLongitude}};
}

void MapPicture::HideMarker(MarkerKind kind) {
  markers_[Index(kind)].shown = false;
}

bool MapPicture::MarkerAt(int x, int y, const Scale& scale, MarkerKind* kind) const {
  for (int k = kMarkerCount - 1; k >= 0; --k) {
    const Marker& m = markers_[static_cast<std::size_t>(k)];
    if (!m.shown) continue;
    const DisplayPoint c = ProjectMarker(m.at.latitude, m.at.westLongitude, scale, shift_);
    const int half = HalfSize(static_cast<MarkerKind>(k));
    if (x >= c.x - half && x <= c.x + half && y >= c.y - half && y <= c.y + half) {
      *kind = static_cast<MarkerKind>(k);
      return true;
    }
  }
  return false;
}

QImage MapPicture::Compose(Size display) const {
  QImage full = Below();
  {
    QPainter p(&full);
    for (Layer l : {Layer::CovAct, Layer::Trace, Layer::TraceOrbite, Layer::CovAll})
      if (shown_[Index(l)] && !empty_[Index(l)]) p.drawImage(0, 0, layers_[Index(l)]);
  }
  QImage out = (display.width == kLayerWidth && display.height == kLayerHeight)
                   ? std::move(full)
                   : full.scaled(display.width, display.height, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
  const Scale scale = ScaleOf(display);
  QPainter p(&out);
  if (gridShown_) {
    QFont font;
    font.setPixelSize(9);
    p.setFont(font);
    p.setPen(QColor(kWhite));
    for (const GridLabel& l : GridLabels(shift_)) {
      if (l.meridian) {
        const int x = static_cast<int>(l.u * scale.zx / 2) + 3;
        p.drawText(x, 10, QString::fromStdString(l.text));
        p.drawText(x, display.height - 3, QString::fromStdString(l.text));
      } else {
        const int y = static_cast<int>(l.u * scale.zy / 2) - 3;
        p.drawText(3, y, QString::fromStdString(l.text));
        const QString text = QString::fromStdString(l.text);
        p.drawText(display.width - 3 - p.fontMetrics().horizontalAdvance(text), y, text);
      }
    }
  }
  for (int k = 0; k < kMarkerCount; ++k) {
    const Marker& m = markers_[static_cast<std::size_t>(k)];
    if (!m.shown) continue;
    const DisplayPoint c = ProjectMarker(m.at.latitude, m.at.westLongitude, scale, shift_);
    const int half = HalfSize(static_cast<MarkerKind>(k));
    p.drawImage(c.x - half, c.y - half, markerImages_[static_cast<std::size_t>(k)]);
  }
  return out;
}

}  // namespace map
