#include "tools/form_lune.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "base/clock.h"
#include "base/help_button.h"
#include "base/locale_number.h"
#include "prediction/ephemeris_row.h"
#include "tools/sun_view.h"
#include "tools/tool_widgets.h"
#include "tracking/antenna_sources.h"
#include "tracking/tick_steps.h"

namespace tools {

namespace {

constexpr Real kSecond = 1.0L / 86400;

QString RateText(Real rate) {
  return QString::number(static_cast<double>(rate), 'g', 15);
}

}  // namespace

TFormLune::TFormLune(MoonWindowEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::Window), env_(std::move(environment)) {
  setObjectName(QStringLiteral("TFormLune"));
  BuildWidgets();
  ImageMercator = env_.world.isNull() ? QImage(QStringLiteral(":/tools/world_1194x765.png"))
                                      : env_.world;
  if (!ImageMercator.isNull()) ImageMercator = ImageMercator.convertToFormat(QImage::Format_RGB32);
  dxcc_ = env_.dxccList.empty() ? ReadDxccList() : env_.dxccList;
  FillDxList();

  connect(TimerSeconde, &QTimer::timeout, this, &TFormLune::TimerSecondeTimer);
  connect(TimerEME, &QTimer::timeout, this, &TFormLune::TimerEMETimer);
  connect(TimerInitEME, &QTimer::timeout, this, &TFormLune::BitBtn1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TFormLune::BitBtn1Click);
  connect(coverageStep_, &QTimer::timeout, this, &TFormLune::CoverageSlice);
  connect(ButtonCalcul, &QPushButton::clicked, this, &TFormLune::ButtonCalculClick);
  connect(SpeedButtonTrackLune, &QToolButton::clicked, this, &TFormLune::SpeedButtonTrackLuneClick);
  connect(MenuCopy, &QAction::triggered, this, &TFormLune::MenuCopyClick);
  connect(menuUTC, &QAction::triggered, this, &TFormLune::MenuUTCClick);
  connect(MenuLocal, &QAction::triggered, this, &TFormLune::MenuLocalClick);
  connect(MenuFDoppler, &QAction::triggered, this, &TFormLune::MenuFDopplerClick);
  connect(MenuQuit, &QAction::triggered, this, &QWidget::close);
  connect(MenuAide, &QAction::triggered, this, &TFormLune::MenuAideClick);
  connect(ButtonOKFDoppler, &QPushButton::clicked, this, &TFormLune::ButtonOKFDopplerClick);
  connect(ComboBoxListDX, &QComboBox::activated, this, &TFormLune::ComboBoxListDXChange);
  base::InstallHelpKey(this, base::kHelpTopicMoon);
  LoadSettings(settings_);
  ApplyLanguage();
}

// ----- Settings.

void TFormLune::LoadSettings(const MoonSettings& settings) {
  settings_ = settings;
  // A frequency that is not a number, not above 0 or above 12 GHz keeps the default.
  const auto own = ParseEmeFrequency(settings.ownFrequency);
  const auto dx = ParseEmeFrequency(settings.dxFrequency);
  if (!own) settings_.ownFrequency = QStringLiteral("1.000");
  if (!dx) settings_.dxFrequency = QStringLiteral("1.000");
  ownGhz_ = own.value_or(1);
  dxGhz_ = dx.value_or(1);
  const QString locator = settings.dxLocator.trimmed().toUpper();
  dxLocator_ = ValidDxLocator(locator) ? locator : QString();
  settings_.dxLocator = dxLocator_;
  bias_ = ClampBias(settings.bias);
  settings_.bias = bias_;
  if (isVisible()) {
    RecomputeTable();
    ShowDopplerTexts(nullptr);
  }
}

void TFormLune::SetListSeparator(QChar separator) {
  listSeparator_ = separator;
  FillDxList();
}

MoonInputs TFormLune::Inputs() const {
  return MakeMoonInputs(station_, dxLocator_, minimumElevation_,
                        EmeFrequencies{ownGhz_, dxGhz_, bias_});
}

// ----- Show and close.

void TFormLune::showEvent(QShowEvent* event) {
  if (env_.tools.station) station_ = env_.tools.station();
  minimumElevation_ = env_.tools.minimumElevation ? env_.tools.minimumElevation() : 0;
  utc_ = env_.utcDisplay && env_.utcDisplay();
  ApplyLanguage();
  RecomputeTable();
  ShowDopplerTexts(nullptr);
  TimerSecondeTimer();
  TimerEME->start();
  TimerInitEME->start();
  QWidget::showEvent(event);
}

void TFormLune::closeEvent(QCloseEvent* event) {
  TimerSeconde->stop();
  TimerEME->stop();
  TimerInitEME->stop();
  if (tracking_) StopTracking();
  SpeedButtonTrackLune->setEnabled(false);
  emit Closed(pos());
  QWidget::closeEvent(event);
}

void TFormLune::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

// ----- Clock.

Real TFormLune::NowUtc() const {
  const Real local = env_.tools.clock ? env_.tools.clock->Now() : 0;
  return local - station_.localUtcOffset / 24;
}

QString TFormLune::TimeText(Real utc) const {
  const Real shown = utc_ ? utc : utc + station_.localUtcOffset / 24;
  return QString::fromStdString(prediction::RowDateText(shown)) +
         (utc_ ? QStringLiteral(" UTC") : QStringLiteral(" LOC"));
}

void TFormLune::ShowDateTime(Real nowUtc) {
  const Real shown = utc_ ? nowUtc : nowUtc + station_.localUtcOffset / 24;
  const QDateTime t = base::FromDateTimeValue(static_cast<double>(shown));
  const QLocale locale;
  QString time;
  if (env_.display24h && env_.display24h()) {
    time = t.time().toString(QStringLiteral("HH:mm:ss"));
  } else {
    // The long time format without its zone name: the value carries no zone.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    time = t.time().toString(format.trimmed());
  }
  StaticTextDateTime->setText(locale.toString(t.date(), QLocale::ShortFormat) +
                              QLatin1Char(' ') + time +
                              (utc_ ? QStringLiteral(" UTC") : QStringLiteral(" LOC")));
}

// ----- The visibility table.

void TFormLune::RecomputeTable() {
  const bool emeRunning = TimerEME->isActive();
  TimerEME->stop();
  session_.Recompute(NowUtc(), Inputs());
  FillTableLists();
  ShowTableTexts();
  if (emeRunning) TimerEME->start();
}

void TFormLune::FillTableLists() {
  const MoonTable& t = session_.Table();
  ListBoxEphemerids->clear();
  ListBoxDoppler->clear();
  ListBoxDopplerDX->clear();
  const EmeFrequencies f{ownGhz_, dxGhz_, bias_};
  QStringList rows, own, dx;
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    rows << MoonRowText(MoonRowBase(t.rows[i], utc_, station_.localUtcOffset), t.ownRates[i],
                        t.dxRates[i], f);
    own << RateText(t.ownRates[i]);
    dx << RateText(t.dxRates[i]);
  }
  ListBoxEphemerids->addItems(rows);
  ListBoxDoppler->addItems(own);
  ListBoxDopplerDX->addItems(dx);
}

void TFormLune::RefreshRowTexts() {
  const MoonTable& t = session_.Table();
  const EmeFrequencies f{ownGhz_, dxGhz_, bias_};
  for (int i = 0; i < ListBoxEphemerids->count() && i < static_cast<int>(t.rows.size()); ++i) {
    const auto k = static_cast<std::size_t>(i);
    ListBoxEphemerids->item(i)->setText(MoonRowText(
        MoonRowBase(t.rows[k], utc_, station_.localUtcOffset), t.ownRates[k], t.dxRates[k], f));
  }
}

void TFormLune::ShowTableTexts() {
  if (!session_.HasTable()) {
    for (QLabel* l : {LabelVisibility, LabelMoonriseTime, LabelMoonsetTime, LabelWarning,
                      LabelEphemerids})
      l->clear();
    return;
  }
  const MoonTable& t = session_.Table();
  const QString unknown = QStringLiteral("######");
  QString warning;
  const bool current = t.period == MoonPeriod::Current;
  LabelVisibility->setText(current ? tr("Moon is visible") : tr("The Moon is not visible"));
  LabelEphemerids->setText(current ? tr("CURRENT VISIBILITY PERIOD") : tr("NEXT VISIBILITY PERIOD"));
  const bool risePending = !current || t.riseFound;
  LabelMoonrise->setVisible(risePending);
  LabelMoonriseTime->setVisible(risePending);
  if (t.riseFound) {
    LabelMoonriseTime->setText(TimeText(t.riseUtc));
  } else if (!current) {
    LabelMoonriseTime->setText(unknown);
    warning = tr("Warning: No moonrise in the next 48 hours!");
  }
  if (t.setFound) {
    LabelMoonsetTime->setText(TimeText(t.setUtc));
  } else {
    LabelMoonsetTime->setText(unknown);
    if (warning.isEmpty()) warning = tr("Warning: No moon set in the next 48 hours!");
  }
  LabelWarning->setText(warning);
  LabelWarning->setVisible(!warning.isEmpty());
}

void TFormLune::ShowDopplerTexts(const MoonSecond* second) {
  const QString ft = base::FormatUserFixed(ownGhz_, 3);
  const QString fx = base::FormatUserFixed(dxGhz_, 3);
  const QString dx = dxLocator_.isEmpty() ? tr("None") : dxLocator_;
  // The star refers to the self-Doppler column of the table header.
  const QString selfPrefix = tr("*SELF-DOPPLER @Ft=");
  if (second == nullptr) {
    StaticTextDoppler->setText(selfPrefix + ft + QStringLiteral("GHz"));
    StaticTextDopplerDX->setText(QStringLiteral("*DX-DOPPLER @Fx=") + fx +
                                 QStringLiteral("GHz  DX=") + dx);
    return;
  }
  const QString na = QStringLiteral("N/A");
  const QString self = second->selfDoppler ? QString::number(*second->selfDoppler) : na;
  const QString path = second->dxDoppler ? QString::number(*second->dxDoppler) : na;
  StaticTextDoppler->setText(selfPrefix + ft + QStringLiteral("GHz.  ") +
                             tr("Current value = ") + self +
                             (second->selfDoppler ? QStringLiteral("Hz") : QString()));
  StaticTextDopplerDX->setText(QStringLiteral("*DX-DOPPLER @Fx=") + fx + QStringLiteral("GHz  DX=") +
                               dx + QStringLiteral("  ") + tr("Current value = ") + path +
                               (second->dxDoppler ? QStringLiteral("Hz") : QString()));
}

// ----- One second.

void TFormLune::TimerSecondeTimer() {
  TimerSeconde->stop();
  const Real now = NowUtc();
  ShowDateTime(now);
  const int countBefore = static_cast<int>(session_.Table().rows.size());
  second_ = session_.Second(now, Inputs());
  const MoonSecond& s = second_;

  EditAzLune->setText(base::FormatUserFixed(s.azimuth, 2));
  EditElLune->setText(base::FormatUserFixed(s.elevation, 2));
  SetVisibleColour(EditAzLune, s.visible);
  SetVisibleColour(EditElLune, s.visible);
  LabelInvisible->setVisible(!s.visible);
  const bool mainEnabled = env_.tools.mainTrackEnabled && env_.tools.mainTrackEnabled();
  if (s.visible) {
    SpeedButtonTrackLune->setEnabled(mainEnabled);
  } else {
    if (tracking_) StopTracking();
    SpeedButtonTrackLune->setEnabled(false);
  }
  LabelLongMoon->setText(SubLunarLongitudeText(s.subLunarLongitude, s.subLunarWest));
  LabelLatMoon->setText(SubLunarLatitudeText(s.subLunarLatitude));

  if (s.tableRebuilt) {
    FillTableLists();
    ShowTableTexts();
  } else {
    for (int i = 0; i < s.rowsDropped && i < countBefore; ++i) {
      delete ListBoxEphemerids->takeItem(0);
      delete ListBoxDoppler->takeItem(0);
      delete ListBoxDopplerDX->takeItem(0);
    }
    if (s.periodBecameCurrent) ShowTableTexts();
  }
  ShowDopplerTexts(&s);
  PublishReport(s);
  if (tracking_ && env_.tools.sources)
    env_.tools.sources->Send(tracking::AntennaSource::Moon, s.azimuth, s.elevation);
  RefreshTrackHint();
  if (isVisible()) TimerSeconde->start();
}

void TFormLune::PublishReport(const MoonSecond& s) {
  tracking::ReportSink* sink = env_.reportSink ? env_.reportSink() : nullptr;
  if (sink == nullptr) return;
  if (!sink->DdeConversationOpen() && !sink->TcpClientConnected()) return;
  if (s.visible) {
    tracking::PublishInView(*sink, s.reportLine, ahnSent_);
    ahnSent_ = false;
  } else {
    tracking::PublishNotInView(*sink, s.reportLine, ahnSent_);
    ahnSent_ = true;
  }
}

void TFormLune::RefreshTrackHint() {
  QString hint;
  if (!SpeedButtonTrackLune->isEnabled()) {
    hint = tr("Tracking not available because no antenna chosen or Moon not visible");
  } else if (tracking_) {
    hint = tr("Tracking is running");
  } else if (env_.tools.mainTrackHint) {
    hint = env_.tools.mainTrackHint();
  }
  SpeedButtonTrackLune->setToolTip(hint);
}

void TFormLune::ButtonCalculClick() {
  const orbit::MoonPosition m = MoonAt(NowUtc(), Inputs().station);
  EditAzLune->setText(base::FormatUserFixed(RoundHundredth(m.azimuth), 2));
  EditElLune->setText(base::FormatUserFixed(RoundHundredth(m.elevation), 2));
  LabelLongMoon->setText(SubLunarLongitudeText(m.subLunarLongitude, m.subLunarWest));
  LabelLatMoon->setText(SubLunarLatitudeText(m.subLunarLatitude));
}

// ----- Tracking.

void TFormLune::SpeedButtonTrackLuneClick() {
  if (tracking_) {
    StopTracking();
  } else {
    StartTracking();
  }
}

void TFormLune::StartTracking() {
  if (!SpeedButtonTrackLune->isEnabled()) {
    SpeedButtonTrackLune->setChecked(false);
    return;
  }
  if (env_.tools.sources) env_.tools.sources->Start(tracking::AntennaSource::Moon);
  tracking_ = true;
  SpeedButtonTrackLune->setChecked(true);
  RefreshTrackHint();
  if (env_.tools.sources)
    env_.tools.sources->Send(tracking::AntennaSource::Moon, second_.azimuth, second_.elevation);
}

void TFormLune::StopTracking() {
  SpeedButtonTrackLune->setChecked(false);
  if (!tracking_) return;
  tracking_ = false;
  if (env_.tools.sources) env_.tools.sources->Stop(tracking::AntennaSource::Moon);
  RefreshTrackHint();
}

void TFormLune::ResumeTracking() {
  if (!tracking_ && SpeedButtonTrackLune->isEnabled()) StartTracking();
}

// ----- Menus and the settings panel.

void TFormLune::MenuCopyClick() {
  QStringList lines;
  for (int i = 0; i < ListBoxEphemerids->count(); ++i) lines << ListBoxEphemerids->item(i)->text();
  QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TFormLune::SetUtcDisplay(bool utc) {
  if (utc == utc_) return;
  utc_ = utc;
  ApplyLanguage();
  RefreshRowTexts();
  ShowDateTime(NowUtc());
}

void TFormLune::MenuUTCClick() {
  if (env_.setUtcDisplay && !utc_) env_.setUtcDisplay(true);
  SetUtcDisplay(true);
}

void TFormLune::MenuLocalClick() {
  if (env_.setUtcDisplay && utc_) env_.setUtcDisplay(false);
  SetUtcDisplay(false);
}

void TFormLune::MenuFDopplerClick() {
  EditFDoppler->setText(settings_.ownFrequency);
  EditFDopplerDX->setText(settings_.dxFrequency);
  EditLocatorDX->setText(dxLocator_);
  PanelFDoppler->show();
  EditFDoppler->setFocus();
}

void TFormLune::ButtonOKFDopplerClick() {
  auto refuse = [this](QLineEdit* edit) {
    if (env_.tools.sounds) env_.tools.sounds->Beep();
    edit->setFocus();
  };
  // 1. Frequencies: above 0 and at most 12 GHz, "." or ",".
  const auto own = ParseEmeFrequency(EditFDoppler->text());
  if (!own) return refuse(EditFDoppler);
  const auto dx = ParseEmeFrequency(EditFDopplerDX->text());
  if (!dx) return refuse(EditFDopplerDX);
  // 2. DX locator: empty clears it.
  const QString locator = EditLocatorDX->text().trimmed().toUpper();
  if (!locator.isEmpty() && !ValidDxLocator(locator)) return refuse(EditLocatorDX);
  EditLocatorDX->setText(locator);

  // 3. Applied.
  PanelFDoppler->hide();
  const bool dxChanged = locator != dxLocator_;
  const bool ownChanged = *own != ownGhz_;
  const bool dxFrequencyChanged = *dx != dxGhz_;
  settings_.ownFrequency = EditFDoppler->text().trimmed();
  settings_.dxFrequency = EditFDopplerDX->text().trimmed();
  settings_.dxLocator = locator;
  ownGhz_ = *own;
  dxGhz_ = *dx;
  dxLocator_ = locator;
  if (dxChanged) {
    RecomputeTable();
  } else if (ownChanged || dxFrequencyChanged) {
    RefreshRowTexts();  // the Doppler columns from the same rates
  }
  ShowDopplerTexts(session_.HasTable() && isVisible() ? &second_ : nullptr);
  emit SettingsChanged(settings_);
}

void TFormLune::ComboBoxListDXChange(int index) {
  if (index < 0) return;
  const QString entry = ComboBoxListDX->itemData(index).toString();
  ComboBoxListDX->setToolTip(ComboBoxListDX->itemText(index));
  const auto locator = EntryLocator(entry, listSeparator_);
  if (!locator) {
    if (env_.tools.sounds) env_.tools.sounds->Beep();
    return;
  }
  EditLocatorDX->setText(*locator);
}

void TFormLune::MenuAideClick() {
  base::ShowTopic(base::kHelpTopicMoon);
}

void TFormLune::ToggleCoverageButton() {
  coverageButtonShown_ = !coverageButtonShown_;
  BitBtn1->setVisible(coverageButtonShown_);
}

}  // namespace tools
