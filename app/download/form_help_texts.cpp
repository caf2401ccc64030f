#include "app/download/form_help_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/help_button.h"

namespace app::download {

HelpTextWindow::HelpTextWindow(const char* objectName, QWidget* parent) : QDialog(parent) {
  setObjectName(QLatin1String(objectName));
  LabelHelp = new QLabel;
  LabelHelp->setObjectName(QStringLiteral("LabelHelp"));
  LabelHelp->setWordWrap(true);
  LabelHelp->setTextFormat(Qt::PlainText);
  LabelHelp->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
  BitBtnOK = new QPushButton;
  BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
  connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicDownload));
  buttons->addStretch();
  buttons->addWidget(BitBtnOK);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelHelp, 1);
  layout->addLayout(buttons);
}

void HelpTextWindow::Retranslate() {
  setWindowTitle(Title());
  LabelHelp->setText(Text());
  BitBtnOK->setText(tr("OK"));
}

void HelpTextWindow::showEvent(QShowEvent* event) {
  Retranslate();
  QDialog::showEvent(event);
}

TFormHlpLogin::TFormHlpLogin(QWidget* parent) : HelpTextWindow("TFormHlpLogin", parent) {}

QString TFormHlpLogin::Title() const {
  return tr("ORVANE - Login help");
}

QString TFormHlpLogin::Text() const {
  return tr("Some services give their element files only to registered users.\n\n"
            "Login URL: the address of the service's login page (http or https). Leave "
            "\"http://\" when the file needs no login.\n"
            "User name and password: your account at that service. The password is sent "
            "only to the login page's own site, and only in a form.\n\n"
            "For the space-track.org service Orvane fills in the login page itself. For "
            "any other service the page is shown with its fields: complete them, press "
            "Submit, and press Continue once you are logged in.\n\n"
            "A successful login is kept until the program ends or you press Disconnect.");
}

TFormHlpDownload::TFormHlpDownload(QWidget* parent)
    : HelpTextWindow("TFormHlpDownload", parent) {}

QString TFormHlpDownload::Title() const {
  return tr("ORVANE - Download help");
}

QString TFormHlpDownload::Text() const {
  return tr("File URL: the address of a 3-line element file (http or https). A file "
            "compressed with gzip is unpacked.\n"
            "To local file: where the file is stored, usually the element file of the "
            "group. The previous file is replaced only when the new one holds valid "
            "element sets.\n\n"
            "Orvane asks a server for the same file at most once in two hours; press "
            "Download a second time to fetch it anyway.\n\n"
            "The age alarm warns when the group's element file is older than the number "
            "of days given. With automatic download, the file is fetched without a click.");
}

}  // namespace app::download
