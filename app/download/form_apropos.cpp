#include "app/download/form_apropos.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/download/release_check.h"
#include "app/download/release_fetcher.h"
#include "base/help_button.h"
#include "base/sounds.h"

namespace app::download {

TFormAPropos::TFormAPropos(ReleaseFetcher* fetcher, base::Sounds* sounds, base::Dialogs* dialogs,
                           QWidget* parent)
    : QDialog(parent), fetcher_(fetcher), sounds_(sounds), dialogs_(dialogs) {
  setObjectName(QStringLiteral("TFormAPropos"));
  LabelVersion = new QLabel(QStringLiteral("Orvane V") + QStringLiteral(ORVANE_VERSION));
  LabelVersion->setObjectName(QStringLiteral("LabelVersion"));
  QFont big = LabelVersion->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.6);
  LabelVersion->setFont(big);
  LabelVersion->setAlignment(Qt::AlignCenter);
  CheckBoxVersion = new QCheckBox;
  CheckBoxVersion->setObjectName(QStringLiteral("CheckBoxVersion"));
  BitBtnNewRelease = new QPushButton;
  BitBtnNewRelease->setObjectName(QStringLiteral("BitBtnNewRelease"));
  BitBtnNewRelease->setAutoDefault(false);
  LabelLink = new QLabel;
  LabelLink->setObjectName(QStringLiteral("LabelLink"));
  LabelLink->setOpenExternalLinks(true);
  LabelLink->setTextFormat(Qt::RichText);
  LabelLink->setAlignment(Qt::AlignCenter);
  BitBtnOK = new QPushButton;
  BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
  connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtnNewRelease, &QPushButton::clicked, this, &TFormAPropos::BitBtnNewReleaseClick);
  connect(CheckBoxVersion, &QCheckBox::toggled, this, &TFormAPropos::ReleaseCheckToggled);
  connect(fetcher_, &ReleaseFetcher::Fetched, this, &TFormAPropos::Answer);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicMain));
  buttons->addStretch();
  buttons->addWidget(BitBtnOK);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelVersion);
  layout->addSpacing(8);
  layout->addWidget(CheckBoxVersion);
  layout->addWidget(BitBtnNewRelease, 0, Qt::AlignCenter);
  layout->addSpacing(8);
  layout->addWidget(LabelLink);
  layout->addLayout(buttons);
  Retranslate();
}

QString TFormAPropos::NewerReleaseText() {
  return tr("A more recent release is available ! Please see menu ? About Orvane");
}

void TFormAPropos::Retranslate() {
  setWindowTitle(tr("About Orvane"));
  CheckBoxVersion->setText(tr("Look for a new release when opening the program."));
  BitBtnNewRelease->setText(tr("Check if I am up to date"));
  const QString site = QString::fromLatin1(kMakerSite);
  LabelLink->setText(tr("Other programs of the maker: %1")
                         .arg(QStringLiteral("<a href=\"%1\">%1</a>").arg(site)));
  BitBtnOK->setText(tr("OK"));
}

void TFormAPropos::showEvent(QShowEvent* event) {
  Retranslate();
  QDialog::showEvent(event);
}

void TFormAPropos::BitBtnNewReleaseClick() {
  if (!fetcher_->Start(QStringLiteral("orvane"))) return;  // one check at a time
  asking_ = true;
  BitBtnNewRelease->setEnabled(false);
}

void TFormAPropos::Answer(const QString& latest) {
  if (!asking_) return;  // the check at start: it speaks for itself
  asking_ = false;
  BitBtnNewRelease->setEnabled(true);
  if (latest.isEmpty()) {
    dialogs_->Warning(tr("Internet failure !"));
  } else if (IsNewerRelease(QStringLiteral(ORVANE_VERSION), latest)) {
    sounds_->Beep();
    dialogs_->Information(NewerReleaseText());
  } else {
    dialogs_->Information(tr("You are using the latest release!"));
  }
}

}  // namespace app::download
