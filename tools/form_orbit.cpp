#include "tools/form_orbit.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "base/help_button.h"
#include "tools/tool_widgets.h"

namespace tools {

namespace {

constexpr int kPicture = 170;

// The direction of travel: an arrow turning anticlockwise, as the satellite goes from the
// perigee on the left over the upper half.
QPixmap DirectionPicture() {
  QPixmap p(24, 24);
  p.fill(Qt::white);
  QPainter painter(&p);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawArc(QRect(4, 4, 16, 16), 30 * 16, 270 * 16);
  painter.setBrush(Qt::black);
  const QPointF tip(18.9, 7.5);
  painter.drawPolygon(QPolygonF({tip, QPointF(13.5, 6.0), QPointF(17.5, 11.5)}));
  return p;
}

}  // namespace

QImage DrawOrbit(const OrbitGeometry& g, int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);  // the blank picture
  if (!g.drawn) return image;
  QPainter p(&image);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRect(QPoint(g.orbit.left, g.orbit.top), QPoint(g.orbit.right, g.orbit.bottom)));
  p.setPen(QColor(0x00, 0x00, 0x80));
  p.setBrush(QColor(0x00, 0x00, 0x80));
  p.drawEllipse(QRect(QPoint(g.earth.left, g.earth.top), QPoint(g.earth.right, g.earth.bottom)));
  const QColor dot = g.visible ? QColor(0x00, 0xFF, 0x00) : QColor(0x80, 0x00, 0x80);
  p.setPen(dot);
  p.setBrush(dot);
  p.drawEllipse(QRect(QPoint(g.satelliteX + 7, g.satelliteY + 7),
                      QPoint(g.satelliteX + 13, g.satelliteY + 13)));
  if (g.attitudeLine) {
    p.setPen(QPen(Qt::red, 1));
    p.drawLine(g.lineFromX, g.lineFromY, g.lineToX, g.lineToY);
  }
  return image;
}

QString TFormOrbit::ButtonText() { return tr("Orbit"); }
QString TFormOrbit::ButtonHint() { return tr("Show the orbit of this satellite"); }

TFormOrbit::TFormOrbit(std::function<std::optional<OrbitSnapshot>()> snapshot, QWidget* parent)
    : QWidget(parent, Qt::Window), snapshot_(std::move(snapshot)) {
  setObjectName(QStringLiteral("TFormOrbit"));
  auto* grid = new QGridLayout(this);
  ImageOrbit = Named(new QLabel, "ImageOrbit");
  ImageOrbit->setFixedSize(kPicture, kPicture);
  LabelApogee = Named(new QLabel, "LabelApogee");
  LabelPerigee = Named(new QLabel, "LabelPerigee");
  LabelAltitude = Named(new QLabel, "LabelAltitude");
  LabelPer = Named(new QLabel(QStringLiteral("P>")), "LabelPer");
  LabelApo = Named(new QLabel(QStringLiteral("<A")), "LabelApo");
  ImageSensOrbit = Named(new QLabel, "ImageSensOrbit");
  ImageSensOrbit->setPixmap(DirectionPicture());
  LabelVisible = Named(new QLabel, "LabelVisible");
  LabelNotVisible = Named(new QLabel, "LabelNotVisible");
  LabelVisible->setStyleSheet(QStringLiteral("color: #008000"));
  LabelNotVisible->setStyleSheet(QStringLiteral("color: #800080"));
  grid->addWidget(LabelApogee, 0, 0, 1, 3);
  grid->addWidget(LabelPerigee, 1, 0, 1, 3);
  grid->addWidget(LabelAltitude, 2, 0, 1, 3);
  grid->addWidget(LabelPer, 3, 0, Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(ImageOrbit, 3, 1);
  grid->addWidget(LabelApo, 3, 2, Qt::AlignLeft | Qt::AlignVCenter);
  grid->addWidget(ImageSensOrbit, 4, 0);
  grid->addWidget(base::InstallHelp(this, base::kHelpTopicSatelliteInfo), 4, 2, Qt::AlignRight);
  grid->addWidget(LabelVisible, 5, 0, 1, 3);
  grid->addWidget(LabelNotVisible, 6, 0, 1, 3);
  ApplyLanguage();
}

void TFormOrbit::ApplyLanguage() {
  setWindowTitle(tr("ORBIT") + QStringLiteral(" [") + name_ + QStringLiteral("]"));
  LabelVisible->setText(tr("Satellite is green : visible, actual position"));
  LabelNotVisible->setText(tr("Satellite is purple : not visible, position at beginning of next pass"));
  ImageSensOrbit->setToolTip(tr("Direction of travel"));
  if (!geometry_.drawn) {
    LabelApogee->setText(tr("A(apogee)") + QStringLiteral("="));
    LabelPerigee->setText(tr("P(perigee)") + QStringLiteral("="));
    LabelAltitude->setText(tr("Sat altitude") + QStringLiteral("="));
    return;
  }
  LabelApogee->setText(tr("A(apogee)") + QStringLiteral("=%1 km").arg(geometry_.apogee));
  LabelPerigee->setText(tr("P(perigee)") + QStringLiteral("=%1 km").arg(geometry_.perigee));
  LabelAltitude->setText(tr("Sat altitude") + QStringLiteral("=%1 km").arg(geometry_.altitude));
}

void TFormOrbit::Redraw() {
  const std::optional<OrbitSnapshot> s = snapshot_ ? snapshot_() : std::nullopt;
  name_ = s ? s->name : QString();
  OrbitInputs in = s ? s->inputs : OrbitInputs{};
  in.pictureSize = kPicture;
  geometry_ = s ? ComputeOrbitGeometry(in) : OrbitGeometry{};
  picture_ = DrawOrbit(geometry_, kPicture);
  ImageOrbit->setPixmap(QPixmap::fromImage(picture_));
  // The end marks stand at the vertical middle of the ellipse.
  const int middle = geometry_.drawn ? (geometry_.orbit.top + geometry_.orbit.bottom) / 2 : kPicture / 2;
  LabelPer->setContentsMargins(0, std::max(0, 2 * middle - kPicture), 0, 0);
  LabelApo->setContentsMargins(0, std::max(0, 2 * middle - kPicture), 0, 0);
  ApplyLanguage();
}

void TFormOrbit::showEvent(QShowEvent* event) {
  Redraw();
  QWidget::showEvent(event);
}

void TFormOrbit::closeEvent(QCloseEvent* event) {
  emit Closed(pos());
  QWidget::closeEvent(event);
}

void TFormOrbit::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

void TFormOrbit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tools
