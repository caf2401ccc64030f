// The moon window's widgets, menus and texts.
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/help_button.h"
#include "tools/form_lune.h"
#include "tools/tool_widgets.h"

namespace tools {

namespace {

QFont Fixed() {
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QLabel* Label(const char* name) {
  return Named(new QLabel, name);
}

// Black, with the 90° horizon of the view as a grey ring.
QImage BasePicture() {
  QImage base(kCoverageSize, kCoverageSize, QImage::Format_RGB32);
  base.fill(QColor(0, 0, 0));
  QPainter p(&base);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(90, 90, 90));
  p.drawEllipse(QPoint(150, 150), 150, 150);
  return base;
}

}  // namespace

void TFormLune::BuildWidgets() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(6, 0, 6, 6);
  BuildMenus();
  root->setMenuBar(MainMenu);

  StaticTextDateTime = Label("StaticTextDateTime");
  QFont bold = StaticTextDateTime->font();
  bold.setBold(true);
  StaticTextDateTime->setFont(bold);
  root->addWidget(StaticTextDateTime);

  auto* top = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildPositionBox());
  auto* status = new QGridLayout;
  LabelVisibility = Label("LabelVisibility");
  LabelVisibility->setFont(bold);
  LabelMoonrise = Label("LabelMoonrise");
  LabelMoonriseTime = Label("LabelMoonriseTime");
  LabelMoonset = Label("LabelMoonset");
  LabelMoonsetTime = Label("LabelMoonsetTime");
  LabelMoonriseTime->setFont(Fixed());
  LabelMoonsetTime->setFont(Fixed());
  LabelWarning = Label("LabelWarning");
  LabelWarning->setStyleSheet(QStringLiteral("color: #C00000;"));
  LabelWarning->setWordWrap(true);
  status->addWidget(LabelVisibility, 0, 0, 1, 2);
  status->addWidget(LabelMoonrise, 1, 0);
  status->addWidget(LabelMoonriseTime, 1, 1);
  status->addWidget(LabelMoonset, 2, 0);
  status->addWidget(LabelMoonsetTime, 2, 1);
  status->addWidget(LabelWarning, 3, 0, 1, 2);
  status->setColumnStretch(1, 1);
  left->addLayout(status);
  StaticTextDoppler = Label("StaticTextDoppler");
  StaticTextDopplerDX = Label("StaticTextDopplerDX");
  left->addWidget(StaticTextDoppler);
  left->addWidget(StaticTextDopplerDX);
  left->addStretch();
  top->addLayout(left, 1);
  top->addWidget(BuildCoverageBox());
  root->addLayout(top);

  root->addWidget(BuildSettingsPanel());

  auto* heads = new QHBoxLayout;
  LabelEphemerids = Label("LabelEphemerids");
  LabelEphemerids->setFont(bold);
  LabelNota = Label("LabelNota");
  heads->addWidget(LabelEphemerids);
  heads->addStretch();
  heads->addWidget(LabelNota);
  root->addLayout(heads);
  LabelPositions = Label("LabelPositions");
  LabelPositions->setFont(Fixed());
  LabelPositions->setTextFormat(Qt::PlainText);
  root->addWidget(LabelPositions);
  ListBoxEphemerids = Named(new QListWidget, "ListBoxEphemerids");
  ListBoxEphemerids->setFont(Fixed());
  ListBoxEphemerids->setMinimumHeight(180);
  ListBoxEphemerids->setMinimumWidth(QFontMetrics(Fixed()).horizontalAdvance(QString(72, 'W')));
  root->addWidget(ListBoxEphemerids, 1);
  ListBoxDoppler = Named(new QListWidget(this), "ListBoxDoppler");
  ListBoxDopplerDX = Named(new QListWidget(this), "ListBoxDopplerDX");
  ListBoxDoppler->hide();
  ListBoxDopplerDX->hide();
  ButtonCalcul = Named(new QPushButton(this), "ButtonCalcul");
  ButtonCalcul->hide();

  TimerSeconde = Named(new QTimer(this), "TimerSeconde");
  TimerSeconde->setInterval(1000);
  TimerEME = Named(new QTimer(this), "TimerEME");
  TimerEME->setInterval(120000);
  TimerInitEME = Named(new QTimer(this), "TimerInitEME");
  TimerInitEME->setInterval(200);
  TimerInitEME->setSingleShot(true);
  coverageStep_ = new QTimer(this);
  coverageStep_->setInterval(0);

  Imageoriginale = BasePicture();
  coverage_ = Imageoriginale.copy();
  ImageAzimut->setPixmap(QPixmap::fromImage(coverage_));
}

QWidget* TFormLune::BuildPositionBox() {
  auto* box = Named(new QGroupBox, "GroupBoxMoon");
  auto* grid = new QGridLayout(box);
  LabelAzimuth = Label("LabelAzimuth");
  LabelElevation = Label("LabelElevation");
  EditAzLune = ValueBox("EditAzLune", 90);
  EditElLune = ValueBox("EditElLune", 90);
  LabelInvisible = Label("LabelInvisible");
  LabelInvisible->setStyleSheet(QStringLiteral("color: #FF0000; font-weight: bold;"));
  LabelSubLunar = Label("LabelSubLunar");
  LabelLongMoon = Label("LabelLongMoon");
  LabelLatMoon = Label("LabelLatMoon");
  LabelLongMoon->setFont(Fixed());
  LabelLatMoon->setFont(Fixed());
  SpeedButtonTrackLune = Named(new QToolButton, "SpeedButtonTrackLune");
  SpeedButtonTrackLune->setCheckable(true);
  SpeedButtonTrackLune->setEnabled(false);
  SpeedButtonTrackLune->setMinimumWidth(80);
  grid->addWidget(LabelAzimuth, 0, 0);
  grid->addWidget(LabelElevation, 0, 1);
  grid->addWidget(EditAzLune, 1, 0);
  grid->addWidget(EditElLune, 1, 1);
  grid->addWidget(SpeedButtonTrackLune, 1, 2);
  grid->addWidget(LabelInvisible, 2, 0, 1, 3);
  grid->addWidget(LabelSubLunar, 3, 0);
  grid->addWidget(LabelLongMoon, 3, 1);
  grid->addWidget(LabelLatMoon, 3, 2);
  grid->setColumnStretch(3, 1);
  return box;
}

QWidget* TFormLune::BuildCoverageBox() {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  ImageAzimut = Label("ImageAzimut");
  ImageAzimut->setFixedSize(kCoverageSize, kCoverageSize);
  layout->addWidget(ImageAzimut);
  ProgressBarCalcul = Named(new QProgressBar, "ProgressBarCalcul");
  ProgressBarCalcul->setRange(0, kWorldWidth);
  ProgressBarCalcul->setTextVisible(false);
  ProgressBarCalcul->setFixedWidth(kCoverageSize);
  ProgressBarCalcul->setMaximumHeight(10);
  ProgressBarCalcul->hide();
  layout->addWidget(ProgressBarCalcul);
  BitBtn1 = Named(new QPushButton, "BitBtn1");
  BitBtn1->hide();  // until MenuEME shows it
  layout->addWidget(BitBtn1);
  layout->addStretch();
  return box;
}

QWidget* TFormLune::BuildSettingsPanel() {
  PanelFDoppler = Named(new QFrame, "PanelFDoppler");
  PanelFDoppler->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(PanelFDoppler);
  LabelFDoppler = Label("LabelFDoppler");
  LabelFDopplerDX = Label("LabelFDopplerDX");
  LabelFmax = Label("LabelFmax");
  LabelLocatorDX = Label("LabelLocatorDX");
  LabelListDX = Label("LabelListDX");
  EditFDoppler = Named(new QLineEdit, "EditFDoppler");
  EditFDopplerDX = Named(new QLineEdit, "EditFDopplerDX");
  EditLocatorDX = Named(new QLineEdit, "EditLocatorDX");
  for (QLineEdit* e : {EditFDoppler, EditFDopplerDX, EditLocatorDX}) e->setFixedWidth(80);
  EditLocatorDX->setMaxLength(6);
  ComboBoxListDX = Named(new QComboBox, "ComboBoxListDX");
  ComboBoxListDX->setMaxVisibleItems(20);
  ComboBoxListDX->setMinimumContentsLength(40);
  ComboBoxListDX->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ButtonOKFDoppler = Named(new QPushButton(QStringLiteral("OK")), "ButtonOKFDoppler");
  grid->addWidget(LabelFDoppler, 0, 0);
  grid->addWidget(EditFDoppler, 0, 1);
  grid->addWidget(LabelFmax, 0, 2);
  grid->addWidget(LabelFDopplerDX, 1, 0);
  grid->addWidget(EditFDopplerDX, 1, 1);
  grid->addWidget(LabelLocatorDX, 2, 0);
  grid->addWidget(EditLocatorDX, 2, 1);
  grid->addWidget(LabelListDX, 3, 0);
  grid->addWidget(ComboBoxListDX, 3, 1, 1, 3);
  grid->addWidget(ButtonOKFDoppler, 4, 3, Qt::AlignRight);
  grid->setColumnStretch(3, 1);
  PanelFDoppler->hide();
  return PanelFDoppler;
}

void TFormLune::BuildMenus() {
  MainMenu = Named(new QMenuBar(this), "MainMenu");
  MenuFile = Named(MainMenu->addMenu(QString()), "MenuFile");
  MenuCopy = Named(MenuFile->addAction(QString()), "MenuCopy");
  MenuFDoppler = Named(MenuFile->addAction(QString()), "MenuFDoppler");
  MenuFile->addSeparator();
  MenuQuit = Named(MenuFile->addAction(QString()), "MenuQuit");
  MenuTime = Named(MainMenu->addMenu(QString()), "MenuTime");
  menuUTC = Named(MenuTime->addAction(QString()), "menuUTC");
  MenuLocal = Named(MenuTime->addAction(QString()), "MenuLocal");
  menuUTC->setCheckable(true);
  MenuLocal->setCheckable(true);
  MenuAide = Named(MainMenu->addAction(QStringLiteral("?")), "MenuAide");
  // The title bar has no help button here: a visible one sits at the menu bar's end.
  MainMenu->setCornerWidget(base::NewHelpButton(MainMenu, base::kHelpTopicMoon), Qt::TopRightCorner);
}

void TFormLune::FillDxList() {
  const QSignalBlocker quiet(ComboBoxListDX);
  const int current = ComboBoxListDX->currentIndex();
  ComboBoxListDX->clear();
  // A TAB would open a wide gap in the list: it shows as blanks, the entry keeps it.
  for (const DxccEntry& e : dxcc_) {
    const QString entry = DxccEntryText(e, listSeparator_);
    QString shown = entry;
    shown.replace(QLatin1Char('\t'), QStringLiteral("   "));
    ComboBoxListDX->addItem(shown, entry);
  }
  ComboBoxListDX->setCurrentIndex(current < ComboBoxListDX->count() ? current : -1);
}

void TFormLune::ApplyLanguage() {
  const QString locator = QString::fromStdString(station_.locator);
  setWindowTitle(tr("ORVANE - MOON TRACKING  @") + locator);
  MenuFile->setTitle(tr("&Moon"));
  MenuCopy->setText(tr("Copy visibility"));
  MenuFDoppler->setText(tr("EME settings"));
  MenuQuit->setText(tr("Quit"));
  MenuTime->setTitle(tr("&Time"));
  menuUTC->setText(tr("UTC"));
  MenuLocal->setText(tr("Local time"));
  LabelAzimuth->setText(tr("Azimuth"));
  LabelElevation->setText(tr("Elevation"));
  LabelInvisible->setText(tr("Below the minimum elevation"));
  LabelSubLunar->setText(tr("Sub-lunar point"));
  SpeedButtonTrackLune->setText(tr("TRACK"));
  LabelMoonrise->setText(tr("Moonrise at:"));
  LabelMoonset->setText(tr("Moonset at:"));
  BitBtn1->setText(tr("EME coverage"));
  ButtonCalcul->setText(tr("Compute"));
  LabelFDoppler->setText(tr("Self-Doppler frequency (GHz)"));
  LabelFDopplerDX->setText(tr("DX-Doppler frequency (GHz)"));
  LabelFmax->setText(tr("Max 12GHz"));
  LabelLocatorDX->setText(tr("DX locator"));
  LabelListDX->setText(tr("DXCC list"));
  LabelPositions->setText(
      utc_ ? tr("DATE &&  UTC  TIME    EL     AZ   ALTIT   LAT  LONG  SELF-DOP*  DX-DOP*")
                 .replace(QStringLiteral("&&"), QStringLiteral("&"))
           : tr("DATE && LOCAL TIME    EL     AZ   ALTIT   LAT  LONG  SELF-DOP*  DX-DOP*")
                 .replace(QStringLiteral("&&"), QStringLiteral("&")));
  LabelNota->setText(utc_ ? tr("Take note : UTC time !") : tr("Take note : LOCAL time !"));
  menuUTC->setChecked(utc_);
  MenuLocal->setChecked(!utc_);
  ShowTableTexts();
  ShowDopplerTexts(session_.HasTable() ? &second_ : nullptr);
  RefreshTrackHint();
}

}  // namespace tools
