// The HF beam window's controls, their layout and their texts.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/help_button.h"
#include "tools/form_hf_beam.h"
#include "tools/tool_widgets.h"

namespace tools {

namespace {

// The arrows of the azimuth: one degree a click, ten while held from a multiple of ten on.
class AzimuthUpDown : public QSpinBox {
 public:
  AzimuthUpDown() {
    setRange(0, 359);
    setWrapping(true);
    setAccelerated(false);
  }
  void stepBy(int steps) override { setValue(stepper_.Step(value(), steps < 0 ? -1 : 1)); }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    stepper_.Release();
    QSpinBox::mouseReleaseEvent(event);
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    stepper_.Release();
    QSpinBox::keyReleaseEvent(event);
  }

 private:
  StepAzimuth stepper_;
};

QToolButton* ListButton(const char* name, const char* text) {
  auto* b = Named(new QToolButton, name);
  b->setText(QLatin1String(text));  // list names, the same in every language
  b->setCheckable(true);
  b->setMinimumWidth(64);
  return b;
}

QCheckBox* Box(const char* name) {
  auto* c = Named(new QCheckBox, name);
  c->setEnabled(false);  // shows the side of the chosen place
  return c;
}

}  // namespace

void TFormHFBeam::Build() {
  auto* top = new QVBoxLayout(this);

  auto* listRow = new QHBoxLayout;
  SpeedButtonDXCC = ListButton("SpeedButtonDXCC", "DXCC");
  SpeedButtonCB = ListButton("SpeedButtonCB", "CB");
  SpeedButtonUS = ListButton("SpeedButtonUS", "US-WAS");
  SpeedButtonFR = ListButton("SpeedButtonFR", "F-DDFM");
  SpeedButtonMY = ListButton("SpeedButtonMY", "MY LIST");
  SpeedButtonMY->setContextMenuPolicy(Qt::CustomContextMenu);
  ListButtons = {SpeedButtonDXCC, SpeedButtonCB, SpeedButtonUS, SpeedButtonFR, SpeedButtonMY};
  auto* group = new QButtonGroup(this);
  for (int k = 0; k < kListCount; ++k) {
    group->addButton(ListButtons[static_cast<std::size_t>(k)], k);
    listRow->addWidget(ListButtons[static_cast<std::size_t>(k)]);
  }
  // No openly licensed CB list exists: the button stays off.
  SpeedButtonCB->setEnabled(false);
  ImageHelp = Named(new QToolButton, "ImageHelp");
  ImageHelp->setText(QStringLiteral("?"));
  listRow->addWidget(ImageHelp);
  listRow->addStretch(1);
  top->addLayout(listRow);

  ComboBoxListDX = Named(new QComboBox, "ComboBoxListDX");
  ComboBoxListCB = Named(new QComboBox, "ComboBoxListCB");
  ComboBoxListUS = Named(new QComboBox, "ComboBoxListUS");
  ComboBoxListFR = Named(new QComboBox, "ComboBoxListFR");
  ComboBoxListMy = Named(new QComboBox, "ComboBoxListMy");
  ListBoxes = {ComboBoxListDX, ComboBoxListCB, ComboBoxListUS, ComboBoxListFR, ComboBoxListMy};
  for (int k = 0; k < kListCount; ++k) {
    QComboBox* c = ListBoxes[static_cast<std::size_t>(k)];
    c->setMaxVisibleItems(20);
    c->setMinimumContentsLength(44);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    top->addWidget(c);
    connect(c, &QComboBox::activated, this, [this, k](int index) { ListEntryChosen(k, index); });
  }

  auto* grid = new QGridLayout;
  LabelDX = Named(new QLabel, "LabelDX");
  EditDXLattitude = ValueBox("EditDXLattitude", 70);
  EditDXLongitude = ValueBox("EditDXLongitude", 70);
  CheckBoxLattitudeNordDX = Box("CheckBoxLattitudeNordDX");
  CheckBoxLattitudeSudDX = Box("CheckBoxLattitudeSudDX");
  CheckBoxLongitudeEstDX = Box("CheckBoxLongitudeEstDX");
  CheckBoxLongitudeOuestDX = Box("CheckBoxLongitudeOuestDX");
  CheckBoxLattitudeNordDX->setText(QStringLiteral("N"));
  CheckBoxLattitudeSudDX->setText(QStringLiteral("S"));
  CheckBoxLongitudeEstDX->setText(QStringLiteral("E"));
  CheckBoxLongitudeOuestDX->setText(QStringLiteral("W"));
  LabelAzimuth = Named(new QLabel, "LabelAzimuth");
  LabelDistance = Named(new QLabel, "LabelDistance");
  EditAzimuth = ValueBox("EditAzimuth", 70);
  EditDistance = ValueBox("EditDistance", 90);
  grid->addWidget(LabelDX, 0, 0, 1, 6);
  grid->addWidget(EditDXLattitude, 1, 0);
  grid->addWidget(CheckBoxLattitudeNordDX, 1, 1);
  grid->addWidget(CheckBoxLattitudeSudDX, 1, 2);
  grid->addWidget(EditDXLongitude, 1, 3);
  grid->addWidget(CheckBoxLongitudeEstDX, 1, 4);
  grid->addWidget(CheckBoxLongitudeOuestDX, 1, 5);
  grid->addWidget(LabelAzimuth, 2, 0, 1, 3);
  grid->addWidget(LabelDistance, 2, 3, 1, 3);
  grid->addWidget(EditAzimuth, 3, 0, 1, 3);
  grid->addWidget(EditDistance, 3, 3, 1, 3);
  top->addLayout(grid);

  auto* azimuthRow = new QHBoxLayout;
  ImageCompass = Named(new QLabel, "ImageCompass");
  ImageCompass->setFixedSize(69, 69);
  LCDAzi = Named(new QLCDNumber(3), "LCDAzi");
  LCDAzi->setSegmentStyle(QLCDNumber::Flat);
  LCDAzi->setMinimumSize(90, 44);
  EditAzimut = Named(new QLineEdit, "EditAzimut");
  EditAzimut->hide();
  UpDownAzi = Named(new AzimuthUpDown, "UpDownAzi");
  SpeedButtonLP = Named(new QToolButton, "SpeedButtonLP");
  SpeedButtonLP->setCheckable(true);
  SpeedButtonLP->setText(QStringLiteral("LP"));
  azimuthRow->addWidget(ImageCompass);
  azimuthRow->addWidget(LCDAzi);
  azimuthRow->addWidget(UpDownAzi);
  azimuthRow->addWidget(SpeedButtonLP);
  azimuthRow->addWidget(EditAzimut);
  azimuthRow->addStretch(1);
  top->addLayout(azimuthRow);

  auto* favouriteRow = new QHBoxLayout;
  for (int n = 0; n < kFavouriteButtons; ++n) {
    auto* b = new QPushButton;
    b->setObjectName(QStringLiteral("Button%1").arg(n + 1));
    b->setContextMenuPolicy(Qt::CustomContextMenu);
    b->setMinimumWidth(60);
    Button[static_cast<std::size_t>(n)] = b;
    favouriteRow->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, n] { FavouriteClick(n); });
    connect(b, &QPushButton::customContextMenuRequested, this, [this] { OpenFavorites(); });
  }
  top->addLayout(favouriteRow);

  auto* commandRow = new QHBoxLayout;
  SpeedButtonTrackHF = Named(new QToolButton, "SpeedButtonTrackHF");
  SpeedButtonTrackHF->setCheckable(true);
  SpeedButtonTrackHF->setMinimumWidth(80);
  ImageLamp = Named(new QLabel, "ImageLamp");
  ImageLamp->setFixedSize(16, 16);
  BitBtnStop = Named(new QPushButton, "BitBtnStop");
  commandRow->addWidget(SpeedButtonTrackHF);
  commandRow->addWidget(ImageLamp);
  commandRow->addWidget(BitBtnStop);
  commandRow->addStretch(1);
  commandRow->addWidget(base::InstallHelp(this, base::kHelpTopicTools));
  top->addLayout(commandRow);

  TimerBlink = new QTimer(this);
  TimerBlink->setObjectName(QStringLiteral("TimerBlink"));
  TimerBlink->setInterval(300);
  TimerTrackOK = new QTimer(this);
  TimerTrackOK->setObjectName(QStringLiteral("TimerTrackOK"));
  TimerTrackOK->setInterval(3600);
  TimerTrackOK->setSingleShot(true);

  connect(group, &QButtonGroup::idClicked, this, &TFormHFBeam::ShowList);
  connect(SpeedButtonMY, &QToolButton::customContextMenuRequested, this,
          &TFormHFBeam::SpeedButtonMYRightClick);
  connect(ImageHelp, &QToolButton::clicked, this, &TFormHFBeam::ImageHelpClick);
  connect(UpDownAzi, &QSpinBox::valueChanged, this, &TFormHFBeam::AzimuthEdited);
  connect(SpeedButtonLP, &QToolButton::clicked, this, &TFormHFBeam::SpeedButtonLPClick);
  connect(SpeedButtonTrackHF, &QToolButton::clicked, this, &TFormHFBeam::SpeedButtonTrackHFClick);
  connect(BitBtnStop, &QPushButton::clicked, this, &TFormHFBeam::BitBtnStopClick);
  connect(TimerBlink, &QTimer::timeout, this, &TFormHFBeam::TimerBlinkTimer);
  connect(TimerTrackOK, &QTimer::timeout, this, &TFormHFBeam::TimerTrackOKTimer);
}

void TFormHFBeam::ApplyLanguage() {
  const QString label = env_.interfaceLabel ? env_.interfaceLabel() : QStringLiteral(" [NO Ant]");
  setWindowTitle(tr("AZ BEAM ") + label);
  LabelDX->setText(tr("DX position"));
  LabelAzimuth->setText(tr("Azimuth (deg)"));
  LabelDistance->setText(tr("Distance (km)"));
  SpeedButtonTrackHF->setText(tr("AZ COMMAND"));
  BitBtnStop->setText(tr("STOP"));
  for (QPushButton* b : Button) b->setToolTip(tr("Click right to define the favorite azimuths"));
  SpeedButtonTrackHF->setToolTip(tr("To enable or disable azimuth command"));
  BitBtnStop->setToolTip(tr("To stop azimuth command"));
  SpeedButtonLP->setToolTip(tr("Opposite azimuth (Long Pass)"));
  SpeedButtonCB->setToolTip(tr("No CB country list is available"));
  SpeedButtonMY->setToolTip(tr("Click right to load your own list (*.bdx)"));
  ImageHelp->setToolTip(tr("Format of your own list"));
  UpDownAzi->setToolTip(tr("Azimuth to command"));
}

}  // namespace tools
