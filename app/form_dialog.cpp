#include "app/form_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "base/help_button.h"

namespace app {

TFormDialog::TFormDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormDialog"));
  setWindowTitle(QStringLiteral("ORVANE"));
  LabelDialog = new QLabel(this);
  LabelDialog->setObjectName(QStringLiteral("LabelDialog"));
  LabelDialog->setAlignment(Qt::AlignCenter);
  LabelDialog->setWordWrap(true);
  ButtonYes = new QPushButton(this);
  ButtonYes->setObjectName(QStringLiteral("ButtonYes"));
  ButtonNo = new QPushButton(this);
  ButtonNo->setObjectName(QStringLiteral("ButtonNo"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonYes);
  buttons->addSpacing(20);
  buttons->addWidget(ButtonNo);
  buttons->addStretch();
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicMain));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelDialog);
  layout->addLayout(buttons);
  setMinimumWidth(300);
  connect(ButtonYes, &QPushButton::clicked, this, [this] { Finish(1); });
  connect(ButtonNo, &QPushButton::clicked, this, [this] { Finish(0); });
  connect(this, &QDialog::rejected, this, [this] { Finish(0); });
  Retranslate();
}

void TFormDialog::Retranslate() {
  ButtonYes->setText(tr("Yes"));
  ButtonNo->setText(tr("No"));
}

int TFormDialog::Ask(const QString& question) {
  Retranslate();
  LabelDialog->setText(question);
  answer_ = -1;
  setModal(true);
  show();
  raise();
  activateWindow();
  // Keep the program responsive (timers, repaints) until an answer is given.
  QEventLoop loop;
  loop_ = &loop;
  if (answer_ == -1) loop.exec();
  loop_ = nullptr;
  return answer_;
}

void TFormDialog::Finish(int answer) {
  if (answer_ != -1) return;
  answer_ = answer;
  hide();
  if (loop_) loop_->quit();
}

void TFormDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  adjustSize();
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    move(static_cast<int>(std::nearbyint((area.width() - width()) / 2.0)),
         static_cast<int>(std::nearbyint((area.height() - height()) / 2.0)));
  }
}

void TFormDialog::closeEvent(QCloseEvent* event) {
  QDialog::closeEvent(event);
  Finish(0);
}

}  // namespace app
