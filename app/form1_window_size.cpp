// The explorer's two window sizes (Window menu and the picture that toggles them), the
// "UTC" mark beside the clock and the "24" button's place on the faces.
#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/form1.h"
#include "app/named_widget.h"
#include "app/window_placement.h"
#include "prediction/panel_explorer.h"

namespace app {

namespace {

// A small globe with an orbit: the picture the user clicks to change the window size.
QPixmap ResizePicture() {
  QPixmap picture(56, 56);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x00, 0x00, 0x80), 1.5));
  p.setBrush(QColor(0x4f, 0x8f, 0xd8));
  p.drawEllipse(QRectF(12, 12, 32, 32));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(20, 12, 16, 32));
  p.drawLine(QPointF(12, 28), QPointF(44, 28));
  p.setPen(QPen(QColor(0xff, 0x00, 0x00), 1.5));
  p.translate(28, 28);
  p.rotate(-25);
  p.drawEllipse(QRectF(-26, -9, 52, 18));
  p.setBrush(QColor(0xff, 0x00, 0x00));
  p.drawEllipse(QRectF(20, -3, 6, 6));
  return picture;
}

}  // namespace

QList<QRect> ScreenAreas() {
  QList<QRect> areas;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary) areas.append(primary->availableGeometry());
  for (const QScreen* s : QGuiApplication::screens())
    if (s != primary) areas.append(s->availableGeometry());
  return areas;
}

void TForm1::BuildWindowSizeControls() {
  auto* layout = new QVBoxLayout(PanelImage);
  layout->setContentsMargins(0, 0, 0, 0);
  Image1 = Named(new QToolButton, QStringLiteral("Image1"));
  Image1->setAutoRaise(true);
  const QPixmap picture = ResizePicture();
  Image1->setIcon(picture);
  Image1->setIconSize(picture.size());
  Image1->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(Image1, 0, Qt::AlignHCenter);
  connect(Image1, &QToolButton::clicked, this, [this] {
    (MenuFenetreNormale->isChecked() ? MenuFenetreReduite : MenuFenetreNormale)->trigger();
  });
  // toggled fires only on a change, so choosing the size already shown does nothing; the
  // settings reader sets the item before the explorer shows, which changes no size either.
  connect(MenuFenetreNormale, &QAction::toggled, this, &TForm1::ExplorerSizeToggled);

  LabelTU = Named(new QLabel, QStringLiteral("LabelTU"));
  LabelTU->setMinimumWidth(LabelTU->fontMetrics().horizontalAdvance(QStringLiteral("UTC")) + 4);
  PassListClockRow->addWidget(LabelTU);
  connect(MenuTU, &QAction::toggled, this, [this](bool) { RetranslateWindowSize(); });
}

void TForm1::RetranslateWindowSize() {
  Image1->setToolTip(tr("Click here to resize window"));
  SpeedButton24h->setToolTip(tr("24 hour schedule"));
  LabelTU->setText(MenuTU->isChecked() ? tr("UTC") : QString());
}

void TForm1::ExplorerSizeToggled(bool normal) {
  if (!ExplorerShowing()) return;  // the next explorer face takes the chosen size
  WindowGeometry& g = settings_.geometry;
  if (!normal) {
    g.explorerWidth = width();
    g.explorerHeight = height();
  }
  resize(ExplorerWindowSize(normal, QSize(g.explorerWidth, g.explorerHeight),
                            static_cast<double>(ScaleFactor), minimumSizeHint()));
}

}  // namespace app
