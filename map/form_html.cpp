#include "map/form_html.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/help_button.h"

namespace map {

TFormHTML::TFormHTML(MapSettings* settings, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(*settings) {
  setObjectName(QStringLiteral("TFormHTML"));
  auto* layout = new QVBoxLayout(this);

  StaticTextHTML = new QLabel;
  StaticTextHTML->setObjectName(QStringLiteral("StaticTextHTML"));
  StaticTextHTML->setWordWrap(true);
  StaticTextHTML->setMinimumWidth(380);
  layout->addWidget(StaticTextHTML);

  CheckBoxEnableHTML = new QCheckBox;
  CheckBoxEnableHTML->setObjectName(QStringLiteral("CheckBoxEnableHTML"));
  layout->addWidget(CheckBoxEnableHTML);
  LabelHTML = new QLabel;
  LabelHTML->setObjectName(QStringLiteral("LabelHTML"));
  layout->addWidget(LabelHTML);

  labelSize_ = new QLabel;
  layout->addWidget(labelSize_);
  auto* sizes = new QHBoxLayout;
  const char* const kSizeTexts[] = {nullptr, "1200 x 600 px", "900 x 450 px", "600 x 300 px",
                                    "300 x 150 px"};
  for (std::size_t i = 0; i < RadioButton.size(); ++i) {
    RadioButton[i] = new QRadioButton;
    RadioButton[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
    if (kSizeTexts[i] != nullptr) RadioButton[i]->setText(QString::fromLatin1(kSizeTexts[i]));
    sizes->addWidget(RadioButton[i]);
    const int pixel = static_cast<int>(i) + 1;
    connect(RadioButton[i], &QRadioButton::toggled, this, [this, pixel](bool on) {
      if (on && !filling_) settings_.pixel = pixel;
    });
  }
  layout->addLayout(sizes);

  auto* refresh = new QHBoxLayout;
  labelRefresh_ = new QLabel;
  SpinEditRefreshBrowser = new QSpinBox;
  SpinEditRefreshBrowser->setObjectName(QStringLiteral("SpinEditRefreshBrowser"));
  SpinEditRefreshBrowser->setRange(10, 60);
  refresh->addWidget(labelRefresh_);
  refresh->addWidget(SpinEditRefreshBrowser);
  refresh->addStretch(1);
  layout->addLayout(refresh);
  connect(SpinEditRefreshBrowser, &QSpinBox::valueChanged, this, [this](int seconds) {
    if (!filling_) settings_.browserPeriod = seconds;
  });

  CheckBoxEnableUploadFTP = new QCheckBox;
  CheckBoxEnableUploadFTP->setObjectName(QStringLiteral("CheckBoxEnableUploadFTP"));
  layout->addWidget(CheckBoxEnableUploadFTP);
  auto* server = new QGridLayout;
  auto edit = [&](int row, QLabel** label, const char* name, QString MapSettings::*field) {
    *label = new QLabel;
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    (*label)->setBuddy(e);
    server->addWidget(*label, row, 0);
    server->addWidget(e, row, 1);
    connect(e, &QLineEdit::textChanged, this, [this, field](const QString& text) {
      if (!filling_) settings_.*field = text;
    });
    return e;
  };
  EditHost = edit(0, &labelHost_, "EditHost", &MapSettings::host);
  EditHostDir = edit(1, &labelHostDir_, "EditHostDir", &MapSettings::hostDir);
  Edituser = edit(2, &labelUser_, "Edituser", &MapSettings::hostUser);
  EditPass = edit(3, &labelPass_, "EditPass", &MapSettings::hostPass);
  EditPass->setEchoMode(QLineEdit::Password);
  layout->addLayout(server);
  LabelUpload = new QLabel;
  LabelUpload->setObjectName(QStringLiteral("LabelUpload"));
  layout->addWidget(LabelUpload);

  auto* buttons = new QHBoxLayout;
  Button1 = new QPushButton;
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2 = new QPushButton;
  Button2->setObjectName(QStringLiteral("Button2"));
  ButtonOK = new QPushButton(QStringLiteral("OK"));
  ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  buttons->addStretch(1);
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicMap));
  buttons->addWidget(ButtonOK);
  layout->addLayout(buttons);

  connect(CheckBoxEnableHTML, &QCheckBox::clicked, this, &TFormHTML::CheckBoxEnableHTMLClick);
  connect(CheckBoxEnableUploadFTP, &QCheckBox::clicked, this,
          &TFormHTML::CheckBoxEnableUploadFTPClick);
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (testHtml) testHtml();
  });
  connect(Button2, &QPushButton::clicked, this, [this] {
    if (testUpload) testUpload();
  });
  connect(ButtonOK, &QPushButton::clicked, this, &QWidget::hide);

  FillFromSettings();
  ApplyLanguage();
}

void TFormHTML::FillFromSettings() {
  filling_ = true;
  EditHost->setText(settings_.host);
  EditHostDir->setText(settings_.hostDir);
  Edituser->setText(settings_.hostUser);
  EditPass->setText(settings_.hostPass);
  const int pixel = settings_.pixel >= 1 && settings_.pixel <= 5 ? settings_.pixel : 1;
  RadioButton[static_cast<std::size_t>(pixel - 1)]->setChecked(true);
  SpinEditRefreshBrowser->setValue(settings_.browserPeriod);
  filling_ = false;
  // The check boxes go through their click handling, as a click would.
  CheckBoxEnableHTML->setChecked(settings_.htmlPage);
  CheckBoxEnableUploadFTP->setChecked(settings_.htmlPage && settings_.upload);
  CheckBoxEnableHTMLClick();
  if (settings_.htmlPage) CheckBoxEnableUploadFTPClick();
}

void TFormHTML::CheckBoxEnableHTMLClick() {
  const bool on = CheckBoxEnableHTML->isChecked();
  settings_.htmlPage = on;
  CheckBoxEnableUploadFTP->setEnabled(on);
  if (on) {
    if (page_ == PageStatus::Disabled) page_ = PageStatus::Idle;  // switched on: empty
  } else {
    // No page, no upload.
    page_ = PageStatus::Disabled;
    settings_.upload = false;
    CheckBoxEnableUploadFTP->setChecked(false);
    upload_ = UploadStatus::Disabled;
  }
  ShowLabels();
}

void TFormHTML::CheckBoxEnableUploadFTPClick() {
  const bool on = CheckBoxEnableUploadFTP->isChecked() && settings_.htmlPage;
  settings_.upload = on;
  if (!on) {
    upload_ = UploadStatus::Disabled;
  } else if (upload_ == UploadStatus::Disabled) {
    upload_ = UploadStatus::Idle;  // switched on: empty; a running upload keeps its text
  }
  ShowLabels();
}

void TFormHTML::ShowPageWritten(const QString& localTime) {
  page_ = PageStatus::Written;
  pageTime_ = localTime;
  ShowLabels();
}

void TFormHTML::ShowUploadStatus(UploadStatus status) {
  upload_ = status;
  ShowLabels();
}

void TFormHTML::ShowLabels() {
  switch (page_) {
    case PageStatus::Disabled:
      LabelHTML->setText(tr("HTML disabled"));
      break;
    case PageStatus::Idle:
      LabelHTML->clear();
      break;
    case PageStatus::Written:
      LabelHTML->setText(tr("Update:") + QLatin1Char(' ') + pageTime_);
      break;
  }
  switch (upload_) {
    case UploadStatus::Disabled:
      LabelUpload->setText(tr("Upload disabled"));
      break;
    case UploadStatus::Idle:
      LabelUpload->clear();
      break;
    case UploadStatus::Process:
      LabelUpload->setText(tr("Upload process"));
      break;
    case UploadStatus::Success:
      LabelUpload->setText(tr("Upload success"));
      break;
    case UploadStatus::Failure:
      LabelUpload->setText(tr("Upload failure"));
      break;
  }
}

void TFormHTML::ApplyLanguage() {
  setWindowTitle(QStringLiteral("ORVANE HTML"));  // the product's and the format's names
  StaticTextHTML->setText(
      tr("The HTML page and relevant image are saved in the \"html\" directory of Orvane. If "
         "upload on ftp server is enabled, give authorization to the firewall."));
  CheckBoxEnableHTML->setText(tr("Check to enable the HTML creation each minute"));
  CheckBoxEnableUploadFTP->setText(tr("Check to upload on ftp server each minute"));
  labelSize_->setText(tr("Picture size in the page"));
  RadioButton[0]->setText(tr("Original"));
  labelRefresh_->setText(tr("Refresh period of the browser (sec)"));
  labelHost_->setText(tr("host: ftp."));
  labelHostDir_->setText(tr("host dir:"));
  labelUser_->setText(tr("user:"));
  labelPass_->setText(tr("pw:"));
  Button1->setText(tr("TEST HTML"));
  Button2->setText(tr("TEST Upload"));
  ShowLabels();
}

void TFormHTML::showEvent(QShowEvent* event) {
  ApplyLanguage();
  FillFromSettings();
  QWidget::showEvent(event);
}

void TFormHTML::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

void TFormHTML::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace map
