#include "tracking/form_alarm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/help_button.h"

namespace tracking {

QString Stop360Text() {
  return TFormAlarm::tr(
      "Tracking has been stopped on a 360° azimuth step. Nevertheless, do you want to resume "
      "tracking ?");
}

TFormAlarm::TFormAlarm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormAlarm"));
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  auto* layout = new QVBoxLayout(this);
  LabelStop360 = new QLabel(Stop360Text(), this);
  LabelStop360->setObjectName(QStringLiteral("LabelStop360"));
  LabelStop360->setWordWrap(true);
  layout->addWidget(LabelStop360);
  auto* buttons = new QHBoxLayout;
  BitBtnYes = new QPushButton(tr("Yes"), this);
  BitBtnYes->setObjectName(QStringLiteral("BitBtnYes"));
  BitBtnNo = new QPushButton(tr("No"), this);
  BitBtnNo->setObjectName(QStringLiteral("BitBtnNo"));
  buttons->addWidget(BitBtnYes);
  buttons->addWidget(BitBtnNo);
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicAlarms));
  layout->addLayout(buttons);
  connect(BitBtnYes, &QPushButton::clicked, this, &TFormAlarm::BitBtnYesClick);
  connect(BitBtnNo, &QPushButton::clicked, this, &TFormAlarm::BitBtnNoClick);
}

void TFormAlarm::BitBtnYesClick() {
  emit resumeRequested();
  hide();
}

void TFormAlarm::BitBtnNoClick() { hide(); }

void TFormAlarm::showEvent(QShowEvent* event) {
  LabelStop360->setText(Stop360Text());
  BitBtnYes->setText(tr("Yes"));
  BitBtnNo->setText(tr("No"));
  // A longer language's text needs more lines than the size the box had before.
  adjustSize();
  QDialog::showEvent(event);
}

}  // namespace tracking
