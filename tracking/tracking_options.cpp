#include "tracking/tracking_options.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "tracking/antenna_interfaces.h"
#include "tracking/tracking_controller.h"

namespace tracking {

TrackingOptions::TrackingOptions(AntennaSetup& setup, TrackingController* controller,
                                 QWidget* parent)
    : QWidget(parent), setup_(setup), controller_(controller) {
  setObjectName(QStringLiteral("TrackingOptions"));
  auto* layout = new QVBoxLayout(this);
  CheckBoxOverlap = new QCheckBox(OverlapCaption(false), this);
  CheckBoxOverlap->setObjectName(QStringLiteral("CheckBoxOverlap"));
  CheckBoxOverlap->setEnabled(false);
  CheckBoxStop360 = new QCheckBox(this);
  CheckBoxStop360->setObjectName(QStringLiteral("CheckBoxStop360"));
  CheckBoxTrackNoStop = new QCheckBox(this);
  CheckBoxTrackNoStop->setObjectName(QStringLiteral("CheckBoxTrackNoStop"));
  layout->addWidget(CheckBoxOverlap);
  layout->addWidget(CheckBoxStop360);
  layout->addWidget(CheckBoxTrackNoStop);
  RetranslateUi();

  connect(CheckBoxOverlap, &QCheckBox::clicked, this, &TrackingOptions::CheckBoxOverlapClick);
  connect(CheckBoxStop360, &QCheckBox::toggled, this,
          [this](bool on) { setup_.options.stopOn360 = on; });
  connect(CheckBoxTrackNoStop, &QCheckBox::toggled, this,
          [this](bool on) { setup_.trackNoStop = on; });
}

void TrackingOptions::CheckBoxOverlapClick() {
  setup_.options.overlap = CheckBoxOverlap->isChecked();
  if (controller_ != nullptr) controller_->CheckBoxOverlapClick();
}

void TrackingOptions::RetranslateUi() {
  CheckBoxStop360->setText(tr("Stop tracking on 360° Azimuth step"));
  CheckBoxTrackNoStop->setText(tr("Resume tracking when pass ends"));
}

}  // namespace tracking
