#include "tools/form_soleil.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include "base/help_button.h"
#include "base/locale_number.h"
#include "tools/tool_widgets.h"
#include "tracking/antenna_sources.h"

namespace tools {

TFormSoleil::TFormSoleil(ToolWindowEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), env_(std::move(environment)) {
  setObjectName(QStringLiteral("TFormSoleil"));
  auto* grid = new QGridLayout(this);
  LabelAzimuth = Named(new QLabel, "LabelAzimuth");
  LabelElevation = Named(new QLabel, "LabelElevation");
  EditAzSoleil = ValueBox("EditAzSoleil", 90);
  EditElSoleil = ValueBox("EditElSoleil", 90);
  SpeedButtonTrackSoleil = Named(new QToolButton, "SpeedButtonTrackSoleil");
  SpeedButtonTrackSoleil->setCheckable(true);
  SpeedButtonTrackSoleil->setEnabled(false);
  SpeedButtonTrackSoleil->setMinimumWidth(80);
  grid->addWidget(LabelAzimuth, 0, 0);
  grid->addWidget(LabelElevation, 0, 1);
  grid->addWidget(EditAzSoleil, 1, 0);
  grid->addWidget(EditElSoleil, 1, 1);
  grid->addWidget(SpeedButtonTrackSoleil, 2, 0, 1, 2, Qt::AlignHCenter);
  grid->addWidget(base::InstallHelp(this, base::kHelpTopicTools), 2, 1, Qt::AlignRight);
  TimerSoleil = new QTimer(this);
  TimerSoleil->setObjectName(QStringLiteral("TimerSoleil"));
  TimerSoleil->setInterval(1000);
  connect(TimerSoleil, &QTimer::timeout, this, &TFormSoleil::TimerSoleilTimer);
  connect(SpeedButtonTrackSoleil, &QToolButton::clicked, this,
          &TFormSoleil::SpeedButtonTrackSoleilClick);
  ApplyLanguage();
}

void TFormSoleil::ApplyLanguage() {
  setWindowTitle(tr("SUN TRACKING"));
  LabelAzimuth->setText(tr("Azimuth"));
  LabelElevation->setText(tr("Elevation"));
  SpeedButtonTrackSoleil->setText(tr("TRACK"));
  RefreshHint();
}

void TFormSoleil::showEvent(QShowEvent* event) {
  ApplyLanguage();
  minimumElevation_ = env_.minimumElevation ? env_.minimumElevation() : 0;
  SpeedButtonTrackSoleil->setEnabled(env_.mainTrackEnabled && env_.mainTrackEnabled());
  if (env_.station) station_ = env_.station();
  Update();
  RefreshHint();
  QWidget::showEvent(event);
}

void TFormSoleil::closeEvent(QCloseEvent* event) {
  TimerSoleil->stop();
  if (tracking_) StopTracking();
  emit Closed(pos());
  QWidget::closeEvent(event);
}

void TFormSoleil::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

void TFormSoleil::Update() {
  const Real now = env_.clock ? env_.clock->Now() : 0;
  view_ = SunAt(now, station_, minimumElevation_);
  const bool mainEnabled = env_.mainTrackEnabled && env_.mainTrackEnabled();
  SetVisibleColour(EditAzSoleil, view_.visible);
  SetVisibleColour(EditElSoleil, view_.visible);
  if (view_.visible) {
    SpeedButtonTrackSoleil->setEnabled(mainEnabled);
  } else {
    if (tracking_) StopTracking();  // sunset
    SpeedButtonTrackSoleil->setEnabled(false);
  }
  EditAzSoleil->setText(base::FormatUserFixed(view_.azimuth, 2));
  EditElSoleil->setText(base::FormatUserFixed(view_.elevation, 2));
  if (tracking_ && env_.sources)
    env_.sources->Send(tracking::AntennaSource::Sun, view_.azimuth, view_.elevation);
  if (isVisible()) TimerSoleil->start();
}

void TFormSoleil::TimerSoleilTimer() {
  TimerSoleil->stop();
  Update();
  RefreshHint();
}

void TFormSoleil::RefreshHint() {
  QString hint;
  if (!SpeedButtonTrackSoleil->isEnabled()) {
    hint = tr("Tracking not available because no antenna chosen or Sun not visible");
  } else if (tracking_) {
    hint = tr("Tracking is running");
  } else if (env_.mainTrackHint) {
    hint = env_.mainTrackHint();
  }
  SpeedButtonTrackSoleil->setToolTip(hint);
}

void TFormSoleil::SpeedButtonTrackSoleilClick() {
  if (tracking_) {
    StopTracking();
  } else {
    StartTracking();
  }
}

void TFormSoleil::StartTracking() {
  if (!SpeedButtonTrackSoleil->isEnabled()) {
    SpeedButtonTrackSoleil->setChecked(false);
    return;
  }
  if (env_.sources) env_.sources->Start(tracking::AntennaSource::Sun);
  tracking_ = true;
  SpeedButtonTrackSoleil->setChecked(true);
  RefreshHint();
  if (env_.sources)
    env_.sources->Send(tracking::AntennaSource::Sun, view_.azimuth, view_.elevation);
}

void TFormSoleil::StopTracking() {
  if (!tracking_) {
    SpeedButtonTrackSoleil->setChecked(false);
    return;
  }
  tracking_ = false;
  SpeedButtonTrackSoleil->setChecked(false);
  if (env_.sources) env_.sources->Stop(tracking::AntennaSource::Sun);
  RefreshHint();
}

void TFormSoleil::ResumeTracking() {
  if (!tracking_ && SpeedButtonTrackSoleil->isEnabled()) StartTracking();
}

}  // namespace tools
