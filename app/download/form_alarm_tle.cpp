#include "app/download/form_alarm_tle.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/help_button.h"

namespace app::download {

TFormAlarmTLE::TFormAlarmTLE(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormAlarmTLE"));
  LabelMessage = new QLabel;
  LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
  LabelMessage->setAlignment(Qt::AlignCenter);
  LabelMessage->setTextFormat(Qt::PlainText);
  QFont bold = LabelMessage->font();
  bold.setBold(true);
  LabelMessage->setFont(bold);
  LabelQuestion = new QLabel;
  LabelQuestion->setObjectName(QStringLiteral("LabelQuestion"));
  LabelQuestion->setAlignment(Qt::AlignCenter);
  LabelAutomatic = new QLabel;
  LabelAutomatic->setObjectName(QStringLiteral("LabelAutomatic"));
  LabelAutomatic->setAlignment(Qt::AlignCenter);
  LabelAutomatic->setTextFormat(Qt::PlainText);
  CheckBoxNoWarn = new QCheckBox;
  CheckBoxNoWarn->setObjectName(QStringLiteral("CheckBoxNoWarn"));
  BitBtnOK = new QPushButton;
  BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
  BitBtnNO = new QPushButton;
  BitBtnNO->setObjectName(QStringLiteral("BitBtnNO"));
  BitBtnOK->setAutoDefault(false);
  BitBtnNO->setAutoDefault(false);
  Timerwait = new QTimer(this);
  Timerwait->setObjectName(QStringLiteral("Timerwait"));
  Timerwait->setInterval(3000);
  Timerwait->setSingleShot(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicAlarms));
  buttons->addStretch();
  buttons->addWidget(BitBtnOK);
  buttons->addWidget(BitBtnNO);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelMessage);
  layout->addWidget(LabelQuestion);
  layout->addWidget(LabelAutomatic);
  layout->addWidget(CheckBoxNoWarn);
  layout->addLayout(buttons);

  connect(BitBtnOK, &QPushButton::clicked, this, &TFormAlarmTLE::BitBtnOKClick);
  connect(BitBtnNO, &QPushButton::clicked, this, &TFormAlarmTLE::BitBtnNOClick);
  connect(Timerwait, &QTimer::timeout, this, &TFormAlarmTLE::TimerwaitTimer);
  Retranslate();
}

void TFormAlarmTLE::Retranslate() {
  setWindowTitle(QStringLiteral("ORVANE"));
  LabelMessage->setText(
      tr("The TLE file \r\n%1\r\n is older than %2 days !").arg(fileName_).arg(limitDays_));
  LabelQuestion->setText(tr("Do you want to download a more recent release ?"));
  CheckBoxNoWarn->setText(tr("Don't warn me anymore when a TLE file is too old (not recommended !)"));
  switch (mode_) {
    case Mode::Automatic:
      LabelAutomatic->setText(tr("PLEASE WAIT !\n\rOrvane is downloading the last TLE file"));
      break;
    case Mode::AlreadyTried:
      LabelAutomatic->setText(
          tr("Automatic download of this file was already tried in this run.\n\rClick OK to "
             "download"));
      break;
    case Mode::Manual:
      LabelAutomatic->setText(tr("Automatic downloading is disabled.\n\rClick OK to download"));
      break;
  }
  BitBtnOK->setText(tr("OK"));
  BitBtnNO->setText(tr("NO"));
}

void TFormAlarmTLE::ShowAlarm(const QString& fileName, int limitDays, Mode mode) {
  fileName_ = fileName;
  limitDays_ = limitDays;
  mode_ = mode;
  Retranslate();
  BitBtnOK->setEnabled(mode != Mode::Automatic);
  if (mode == Mode::Automatic) {
    Timerwait->start();
  } else {
    Timerwait->stop();
  }
  show();
  raise();
}

void TFormAlarmTLE::TimerwaitTimer() {
  Timerwait->stop();
  emit AutomaticStart();
  BitBtnOK->setEnabled(true);
  BitBtnOKClick();
}

void TFormAlarmTLE::BitBtnOKClick() {
  Timerwait->stop();
  const bool noWarn = CheckBoxNoWarn->isChecked();
  CheckBoxNoWarn->setChecked(false);
  hide();
  emit OkPressed(noWarn);
}

void TFormAlarmTLE::BitBtnNOClick() {
  Timerwait->stop();
  const bool noWarn = CheckBoxNoWarn->isChecked();
  CheckBoxNoWarn->setChecked(false);
  hide();
  emit NoPressed(noWarn);
}

void TFormAlarmTLE::reject() {
  BitBtnNOClick();
}

}  // namespace app::download
