#include "tools/form_hf_beam.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <cmath>

#include "base/locale_number.h"
#include "base/sounds.h"
#include "tools/dxcc_list.h"
#include "tools/form_favorites.h"
#include "tools/form_help_my_list.h"
#include "tracking/antenna_sources.h"

namespace tools {

namespace {

std::vector<QStringList> DxccFields() {
  std::vector<QStringList> out;
  for (const DxccEntry& e : ReadDxccList())
    out.push_back({e.prefix, e.country, e.latitude, e.longitude, e.utcOffset});
  return out;
}

QPixmap LampPicture(bool on) {
  QPixmap p(16, 16);
  p.fill(Qt::transparent);
  QPainter painter(&p);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::darkGray, 1));
  painter.setBrush(on ? QColor(0, 230, 0) : QColor(40, 70, 40));
  painter.drawEllipse(2, 2, 12, 12);
  return p;
}

// The compass card under the needle: a ring with its four cardinal ticks.
QImage CompassBackground() {
  QImage image(69, 69, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  p.drawEllipse(QPointF(34, 34), 30, 30);
  for (int k = 0; k < 4; ++k) {
    const double a = k * 3.14159 / 2;
    p.drawLine(QPointF(34 + 26 * std::sin(a), 34 - 26 * std::cos(a)),
               QPointF(34 + 30 * std::sin(a), 34 - 30 * std::cos(a)));
  }
  QFont f = p.font();
  f.setPixelSize(8);
  p.setFont(f);
  p.drawText(QRectF(29, 5, 10, 10), Qt::AlignCenter, QStringLiteral("N"));
  return image;
}

}  // namespace

TFormHFBeam::TFormHFBeam(HfBeamEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::Window), env_(std::move(environment)) {
  setObjectName(QStringLiteral("TFormHFBeam"));
  for (int n = 0; n < kFavouriteButtons; ++n)
    settings_.favouriteText[static_cast<std::size_t>(n)] = QStringLiteral("Fav.%1").arg(n + 1);
  Build();
  favorites_ = new TFormFavorites(this);
  connect(favorites_, &TFormFavorites::Accepted, this, &TFormHFBeam::FavouritesAccepted);
  helpMyList_ = new TFormHelpMyList(this);
  lists_[ListDxcc] = env_.dxccList ? env_.dxccList() : DxccFields();
  lists_[ListUs] = ReadPlaceList(QString::fromLatin1(kUsStatesResource));
  lists_[ListFr] = ReadPlaceList(QString::fromLatin1(kFrenchDepartmentsResource));
  FillLists();
  ShowList(ListDxcc);
  ShowLamp(false);
  SetAzimuth(0);
  UpdateFavouriteCaptions();
  ApplyLanguage();
}

TFormHFBeam::~TFormHFBeam() = default;

void TFormHFBeam::LoadSettings(const HfBeamSettings& settings) {
  settings_ = settings;
  UpdateFavouriteCaptions();
  favorites_->Load(settings_.favouriteAzimuth, settings_.favouriteText);
}

void TFormHFBeam::UpdateFavouriteCaptions() {
  for (int n = 0; n < kFavouriteButtons; ++n)
    Button[static_cast<std::size_t>(n)]->setText(settings_.favouriteText[static_cast<std::size_t>(n)]);
}

// ----- Lists.

void TFormHFBeam::SetListSeparator(QChar separator) {
  separator_ = separator;
  FillLists();
}

void TFormHFBeam::FillLists() {
  for (int k = 0; k < kListCount; ++k) FillList(k);
}

void TFormHFBeam::FillList(int kind) {
  QComboBox* box = ListBoxes[static_cast<std::size_t>(kind)];
  const QSignalBlocker quiet(box);
  const int current = box->currentIndex();
  box->clear();
  for (const QStringList& fields : lists_[static_cast<std::size_t>(kind)]) {
    // A TAB would open a wide gap in the list: it shows as blanks, the entry keeps it.
    QString shown = fields.join(separator_);
    shown.replace(QLatin1Char('\t'), QStringLiteral("   "));
    box->addItem(shown, fields.join(separator_));
  }
  box->setCurrentIndex(current < box->count() ? current : -1);
}

void TFormHFBeam::ShowList(int kind) {
  if (kind < 0 || kind >= kListCount) return;
  shownList_ = kind;
  ListButtons[static_cast<std::size_t>(kind)]->setChecked(true);
  for (int k = 0; k < kListCount; ++k) ListBoxes[static_cast<std::size_t>(k)]->setVisible(k == kind);
  const int current = ListBoxes[static_cast<std::size_t>(kind)]->currentIndex();
  if (current >= 0) ListEntryChosen(kind, current);
}

void TFormHFBeam::ListEntryChosen(int kind, int index) {
  QComboBox* box = ListBoxes[static_cast<std::size_t>(kind)];
  if (index < 0 || index >= box->count()) return;
  box->setToolTip(box->itemText(index));
  // The list keeps its entries with the separator they show.
  const auto position = ListEntryPosition(box->itemData(index).toString(), separator_);
  if (!position) {
    if (env_.tools.sounds) env_.tools.sounds->Beep();
    return;
  }
  dx_ = position;
  EditDXLattitude->setText(base::FormatUserFixed(std::fabs(position->latitude), 2));
  EditDXLongitude->setText(base::FormatUserFixed(std::fabs(position->longitude), 2));
  CheckBoxLattitudeNordDX->setChecked(position->latitude >= 0);
  CheckBoxLattitudeSudDX->setChecked(position->latitude < 0);
  CheckBoxLongitudeEstDX->setChecked(position->longitude >= 0);
  CheckBoxLongitudeOuestDX->setChecked(position->longitude < 0);
  ComputeGreatCircle();
}

void TFormHFBeam::ComputeGreatCircle() {
  if (!dx_) return;
  const ToolStation s = env_.tools.station ? env_.tools.station() : ToolStation{};
  const GreatCircleResult r =
      GreatCircle(static_cast<double>(s.latitude), -static_cast<double>(s.westLongitude),
                  dx_->latitude, dx_->longitude);
  EditAzimuth->setText(base::FormatUserFixed(r.azimuth, 1));
  EditDistance->setText(base::FormatUserFixed(r.distanceKm, 1));
  SpeedButtonLP->setChecked(false);
  SetAzimuth(CommandedAzimuth(r.azimuth));
}

void TFormHFBeam::SpeedButtonMYRightClick() {
  if (!env_.chooseUserList) return;
  const QString path = env_.chooseUserList();
  if (path.isEmpty()) return;
  if (LoadUserList(path)) ShowList(ListMy);
}

bool TFormHFBeam::LoadUserList(const QString& path) {
  const UserListRead r = ReadUserList(path);
  if (r.status != UserListStatus::Ok) {
    if (env_.tools.sounds) env_.tools.sounds->Beep();
    const QString text = r.status == UserListStatus::TooLarge
                             ? tr("The file is larger than 5 MB")
                             : tr("Can't open the file") + QStringLiteral(" ERR:") +
                                   QString::number(r.errorCode);
    if (env_.dialogs) env_.dialogs->Error(text);
    return false;
  }
  lists_[ListMy] = r.entries;
  ComboBoxListMy->setCurrentIndex(-1);
  FillList(ListMy);
  ComboBoxListMy->setCurrentIndex(-1);
  loadedList_ = path;
  if (settings_.myList != path) {
    settings_.myList = path;
    emit SettingsChanged(settings_);
  }
  return true;
}

void TFormHFBeam::ImageHelpClick() {
  helpMyList_->ApplyLanguage();
  helpMyList_->show();
  helpMyList_->raise();
}

// ----- Azimuth.

void TFormHFBeam::SetAzimuth(int azimuth) {
  azimuth = ((azimuth % 360) + 360) % 360;
  const QSignalBlocker quiet(UpDownAzi);
  UpDownAzi->setValue(azimuth);
  azimuth_ = azimuth;
  EditAzimut->setText(QString::number(azimuth));
  LCDAzi->display(QStringLiteral("%1").arg(azimuth, 3, 10, QLatin1Char('0')));
  DrawCompass();
  SendAzimuth();
}

void TFormHFBeam::AzimuthEdited(int value) {
  SpeedButtonLP->setChecked(false);
  SetAzimuth(value);
}

void TFormHFBeam::SpeedButtonLPClick() {
  // The button shows whether the heading is the long one; each press turns it round.
  const bool longPath = SpeedButtonLP->isChecked();
  SetAzimuth(LongPathAzimuth(azimuth_));
  SpeedButtonLP->setChecked(longPath);
}

void TFormHFBeam::FavouriteClick(int n) {
  SpeedButtonLP->setChecked(false);
  SetAzimuth(settings_.favouriteAzimuth[static_cast<std::size_t>(n)]);
}

void TFormHFBeam::OpenFavorites() {
  favorites_->Load(settings_.favouriteAzimuth, settings_.favouriteText);
  favorites_->show();
  favorites_->raise();
}

void TFormHFBeam::FavouritesAccepted(const std::array<int, kFavouriteButtons>& azimuths,
                                     const std::array<QString, kFavouriteButtons>& texts) {
  settings_.favouriteAzimuth = azimuths;
  settings_.favouriteText = texts;
  UpdateFavouriteCaptions();
  emit SettingsChanged(settings_);
}

QImage TFormHFBeam::CompassImage() const { return ImageCompass->pixmap().toImage(); }

void TFormHFBeam::DrawCompass() {
  QImage image = CompassBackground();
  QPainter p(&image);
  p.setPen(QPen(Qt::red, 2));
  const double a = azimuth_ * 3.14159 / 180;
  p.drawLine(QPoint(34, 34), QPoint(static_cast<int>(std::nearbyint(34 + 22 * std::sin(a))),
                                    static_cast<int>(std::nearbyint(34 - 22 * std::cos(a)))));
  p.end();
  ImageCompass->setPixmap(QPixmap::fromImage(image));
}

// ----- Azimuth command.

void TFormHFBeam::SpeedButtonTrackHFClick() {
  if (tracking_) {
    StopTracking();
    return;
  }
  if (!SpeedButtonTrackHF->isEnabled()) {
    SpeedButtonTrackHF->setChecked(false);
    return;
  }
  // Satellite, sun and moon tracking give the rotator up.
  if (env_.tools.sources) env_.tools.sources->Start(tracking::AntennaSource::HfBeam);
  tracking_ = true;
  SpeedButtonTrackHF->setChecked(true);
  SendAzimuth();
}

void TFormHFBeam::SendAzimuth() {
  if (!tracking_) return;
  // The EGIS card is for the sun and moon windows only: nothing is sent to it.
  const auto selected = env_.selectedInterface ? env_.selectedInterface() : std::nullopt;
  if (selected == tracking::Interface::Egis) return;
  if (env_.tools.sources &&
      !env_.tools.sources->Send(tracking::AntennaSource::HfBeam, azimuth_, 0))
    return;  // the source was released (port error, 360° step)
  ShowLamp(true);
  TimerBlink->start();
  TimerTrackOK->start();
}

void TFormHFBeam::StopTracking() {
  SpeedButtonTrackHF->setChecked(false);
  if (!tracking_) return;
  tracking_ = false;
  if (env_.tools.sources) env_.tools.sources->Stop(tracking::AntennaSource::HfBeam);
}

void TFormHFBeam::BitBtnStopClick() {
  SpeedButtonLP->setChecked(false);
  const bool wasTracking = tracking_;
  StopTracking();
  // Stopped already above when the command was on.
  if (!wasTracking && env_.tools.sources)
    env_.tools.sources->Stop(tracking::AntennaSource::HfBeam);
}

void TFormHFBeam::ShowLamp(bool on) {
  lampOn_ = on;
  ImageLamp->setPixmap(LampPicture(on));
}

void TFormHFBeam::TimerBlinkTimer() { ShowLamp(!lampOn_); }

void TFormHFBeam::TimerTrackOKTimer() {
  TimerBlink->stop();
  ShowLamp(false);
}

// ----- Show and close.

void TFormHFBeam::showEvent(QShowEvent* event) {
  const bool enabled = env_.tools.mainTrackEnabled && env_.tools.mainTrackEnabled();
  SpeedButtonTrackHF->setEnabled(enabled);
  BitBtnStop->setEnabled(enabled);
  UpdateFavouriteCaptions();
  ApplyLanguage();
  DrawCompass();
  FillLists();
  if (!settings_.myList.isEmpty() && settings_.myList != loadedList_)
    LoadUserList(settings_.myList);
  QWidget::showEvent(event);
}

void TFormHFBeam::closeEvent(QCloseEvent* event) {
  StopTracking();
  TimerBlink->stop();
  TimerTrackOK->stop();
  ShowLamp(false);
  favorites_->hide();
  helpMyList_->hide();
  emit Closed(pos());
  QWidget::closeEvent(event);
}

void TFormHFBeam::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

}  // namespace tools
