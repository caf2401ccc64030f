#include "map/form_help_map.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "base/help_button.h"
#include "map/map_picture.h"

namespace map {

namespace {

enum class Sample { None, Marker, Line, Dots };

struct Row {
  Sample sample;
  MarkerKind marker;
  QRgb colour;
  const char* text;
};

// The legend's rows; the texts are translated in the TFormHelpMap context.
const Row kRows[] = {
    {Sample::Marker, MarkerKind::Qra, 0, QT_TRANSLATE_NOOP("map::TFormHelpMap", "Local station location")},
    {Sample::Marker, MarkerKind::Dx, 0,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "DX station location (click right to change location)")},
    {Sample::Marker, MarkerKind::Sat, 0,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Current satellite location when visible (*). Refreshed as menu")},
    {Sample::Marker, MarkerKind::SatEclipse, 0,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Same as above but satellite in eclipse")},
    {Sample::Marker, MarkerKind::SatOrbite, 0,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Current satellite location if NOT visible. Refreshed every min")},
    {Sample::Marker, MarkerKind::SatFutur, 0,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Future satellite location when visible on DD/MM/YY HH:MM (*)")},
    {Sample::Marker, MarkerKind::Sun, 0,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Current sun location. Refreshed every 2 min")},
    {Sample::Line, MarkerKind::Qra, kRed,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Current coverage if satellite is visible. Refreshed as menu")},
    {Sample::Line, MarkerKind::Qra, kViolet,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Current coverage of satellite if NOT visible. Refreshed every min")},
    {Sample::Line, MarkerKind::Qra, kBlack,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Future coverage when satellte will be visible on DD/MM/YY HH:MM")},
    {Sample::Dots, MarkerKind::Qra, kBlack,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Future or current orbit until next visibility")},
    {Sample::Line, MarkerKind::Qra, kWhite,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Footprint during current or future visibility")},
    {Sample::Line, MarkerKind::Qra, kYellow,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Day/night transition (Sun). Refreshed every 2 minutes")},
    {Sample::None, MarkerKind::Qra, 0, QT_TRANSLATE_NOOP("map::TFormHelpMap", "* : asterisk = satellite in eclipse")},
    {Sample::None, MarkerKind::Qra, 0,
     QT_TRANSLATE_NOOP("map::TFormHelpMap", "Move the mouse on an element to know more about it")},
};

// A sample of a line kind on the map's ocean blue, so that white and yellow show.
QPixmap LineSample(QRgb colour, bool dots) {
  QPixmap pixmap(34, 17);
  pixmap.fill(QColor(70, 120, 190));
  QPainter p(&pixmap);
  if (dots) {
    for (int x = 3; x < 32; x += 7) p.fillRect(x, 7, 3, 3, QColor(colour));
  } else {
    p.fillRect(2, 7, 30, 3, QColor(colour));
  }
  return pixmap;
}

}  // namespace

TFormHelpMap::TFormHelpMap(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TFormHelpMap"));
  auto* grid = new QGridLayout(this);
  int row = 0;
  for (const Row& r : kRows) {
    auto* sample = new QLabel;
    if (r.sample == Sample::Marker) {
      sample->setPixmap(QPixmap::fromImage(MarkerImage(r.marker)));
    } else if (r.sample != Sample::None) {
      sample->setPixmap(LineSample(r.colour, r.sample == Sample::Dots));
    }
    sample->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel;
    texts_.push_back(text);
    grid->addWidget(sample, row, 0);
    grid->addWidget(text, row, 1);
    ++row;
  }
  grid->addWidget(base::InstallHelp(this, base::kHelpTopicMap), row, 1, Qt::AlignRight);
  ApplyLanguage();
}

void TFormHelpMap::ApplyLanguage() {
  setWindowTitle(tr("MAP KEY"));
  for (std::size_t i = 0; i < texts_.size(); ++i) texts_[i]->setText(tr(kRows[i].text));
}

void TFormHelpMap::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

void TFormHelpMap::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace map
