#include "app/download/form_tle_info.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "base/help_button.h"

namespace app::download {

TFormTLEinfo::TFormTLEinfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormTLEinfo"));
  setWindowTitle(QStringLiteral("ORVANE"));
  LabelInfo = new QLabel;
  LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
  LabelInfo->setAlignment(Qt::AlignCenter);
  LabelInfo->setMargin(16);
  QFont bold = LabelInfo->font();
  bold.setBold(true);
  LabelInfo->setFont(bold);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelInfo);
  layout->addWidget(base::InstallHelp(this, base::kHelpTopicDownload), 0, Qt::AlignRight);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(5000);
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &QDialog::hide);
}

void TFormTLEinfo::Retranslate() {
  LabelInfo->setText(tr("The TLE file %1 has been updated!").arg(fileName_));
}

void TFormTLEinfo::ShowNotice(const QString& fileName) {
  fileName_ = fileName;
  Retranslate();
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(static_cast<int>(std::lround((area.width() - width()) / 2.0)),
         static_cast<int>(std::lround((area.height() - height()) / 2.0)));
  }
  show();
  raise();
  Timer1->start();
}

}  // namespace app::download
