#include "prediction/form_print24h.h"

#include <QEvent>
#include <QFontDialog>
#include <QGridLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "base/help_button.h"

namespace prediction {

TFormPrint24HPreview::TFormPrint24HPreview(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormPrint24HPreview"));
  setFixedSize(525, 506);
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setReadOnly(true);
  RichEdit1->setGeometry(18, 28, 489, 449);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  base::InstallHelp(this, base::kHelpTopicChart24)->setGeometry(483, 2, 24, 24);
  QPalette pal = RichEdit1->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
  pal.setColor(QPalette::Text, pal.color(QPalette::ToolTipText));
  RichEdit1->setPalette(pal);
  ApplyLanguage();
}

void TFormPrint24HPreview::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QDialog::changeEvent(event);
}

void TFormPrint24HPreview::ApplyLanguage() { setWindowTitle(tr("PRINT 24H - PREVIEW")); }

void TFormPrint24HPreview::ShowText(const QString& text, const QFont& font) {
  RichEdit1->document()->setDefaultFont(font);
  RichEdit1->setPlainText(text);
  show();
  raise();
}

TFormPrint24H::TFormPrint24H(std::function<QStringList()> timetable, QWidget* parent)
    : QDialog(parent), timetable_(std::move(timetable)), font_(QStringLiteral("MS Sans Serif"), 8) {
  setObjectName(QStringLiteral("TFormPrint24H"));
  auto* grid = new QGridLayout(this);
  auto button = [this](const char* name) {
    auto* b = new QPushButton(this);
    b->setObjectName(QLatin1String(name));
    return b;
  };
  BitBtnConfigurer = button("BitBtnConfigurer");
  BitBtnPolice = button("BitBtnPolice");
  BitBtnVisu = button("BitBtnVisu");
  BitBtnPrintOK = button("BitBtnPrintOK");
  BitBtnCancelPrint = button("BitBtnCancelPrint");
  grid->addWidget(BitBtnConfigurer, 0, 0);
  grid->addWidget(BitBtnPolice, 0, 1);
  grid->addWidget(BitBtnVisu, 1, 0);
  grid->addWidget(BitBtnPrintOK, 1, 1);
  grid->addWidget(BitBtnCancelPrint, 2, 1);
  grid->addWidget(base::InstallHelp(this, base::kHelpTopicChart24), 2, 0, Qt::AlignLeft);
  RichEditPrint24H = new QTextEdit(this);
  RichEditPrint24H->setObjectName(QStringLiteral("RichEditPrint24H"));
  RichEditPrint24H->setReadOnly(true);
  RichEditPrint24H->setLineWrapMode(QTextEdit::NoWrap);
  RichEditPrint24H->setVisible(false);
  preview_ = new TFormPrint24HPreview(this);

  connect(BitBtnConfigurer, &QPushButton::clicked, this, &TFormPrint24H::BitBtnConfigurerClick);
  connect(BitBtnPolice, &QPushButton::clicked, this, &TFormPrint24H::BitBtnPoliceClick);
  connect(BitBtnVisu, &QPushButton::clicked, this, &TFormPrint24H::BitBtnVisuClick);
  connect(BitBtnPrintOK, &QPushButton::clicked, this, &TFormPrint24H::BitBtnPrintOKClick);
  connect(BitBtnCancelPrint, &QPushButton::clicked, this, &TFormPrint24H::hide);
  ApplyLanguage();
}

TFormPrint24H::~TFormPrint24H() = default;

void TFormPrint24H::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QDialog::changeEvent(event);
}

void TFormPrint24H::showEvent(QShowEvent* event) {
  ApplyLanguage();
  SetPrintFont(font_);
  QDialog::showEvent(event);
}

void TFormPrint24H::hideEvent(QHideEvent* event) {
  preview_->hide();
  QDialog::hideEvent(event);
}

void TFormPrint24H::ApplyLanguage() {
  setWindowTitle(tr("PRINT 24H"));
  BitBtnPrintOK->setText(tr("PRINT"));
  BitBtnConfigurer->setText(tr("Configure"));
  BitBtnPolice->setText(tr("Fonts"));
  BitBtnVisu->setText(tr("Preview"));
  BitBtnCancelPrint->setText(tr("Cancel"));
}

void TFormPrint24H::SetPrintFont(const QFont& font) {
  font_ = font;
  RichEditPrint24H->document()->setDefaultFont(font_);
  preview_->RichEdit1->document()->setDefaultFont(font_);
}

void TFormPrint24H::BuildTimetableText() {
  RichEditPrint24H->clear();
  RichEditPrint24H->setPlainText(timetable_ ? timetable_().join(QLatin1Char('\n')) : QString());
}

void TFormPrint24H::BitBtnVisuClick() {
  BuildTimetableText();
  preview_->ShowText(RichEditPrint24H->toPlainText(), font_);
}

void TFormPrint24H::RefreshPreview() {
  if (!isVisible() || !preview_->isVisible()) return;
  BuildTimetableText();
  preview_->ShowText(RichEditPrint24H->toPlainText(), font_);
}

QPrinter& TFormPrint24H::Printer() {
  if (printer_ != nullptr) return *printer_;
  if (!ownPrinter_) ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *ownPrinter_;
}

bool TFormPrint24H::BitBtnPrintOKClick() {
  BuildTimetableText();
  RichEditPrint24H->document()->setDefaultFont(font_);
  QPrinter& printer = Printer();
  printer.setDocName(QStringLiteral("liste"));
  RichEditPrint24H->document()->print(&printer);
  return true;
}

void TFormPrint24H::BitBtnPoliceClick() {
  QFont font = font_;
  bool ok = false;
  if (chooseFont_) {
    ok = chooseFont_(&font);
  } else {
    QFontDialog dialog(font_, this);
    dialog.setObjectName(QStringLiteral("FontDialogPrint24"));
    ok = dialog.exec() == QDialog::Accepted;
    if (ok) font = dialog.selectedFont();
  }
  if (ok) SetPrintFont(font);
}

void TFormPrint24H::BitBtnConfigurerClick() {
  QPrintDialog dialog(&Printer(), this);
  dialog.setObjectName(QStringLiteral("PrintDialog"));
  dialog.exec();
}

}  // namespace prediction
