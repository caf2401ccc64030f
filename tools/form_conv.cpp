#include "tools/form_conv.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "base/help_button.h"
#include "base/locale_number.h"
#include "tools/dms.h"
#include "tools/tool_widgets.h"

namespace tools {

TFormConv::TFormConv(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TFormConv"));
  auto* grid = new QGridLayout(this);
  auto field = [this](const char* name, int width) {
    auto* e = Named(new QLineEdit, name);
    e->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * width + 16);
    e->setAlignment(Qt::AlignRight);
    return e;
  };
  LabelDeg = Named(new QLabel, "LabelDeg");
  LabelMin = Named(new QLabel, "LabelMin");
  LabelSec = Named(new QLabel, "LabelSec");
  LabelMil = Named(new QLabel, "LabelMil");
  LabelDec = Named(new QLabel, "LabelDec");
  EditDeg = field("EditDeg", 3);
  EditMin = field("EditMin", 2);
  EditSec = field("EditSec", 2);
  EditMil = field("EditMil", 3);
  EditDec = field("EditDec", 11);
  EditDec->setReadOnly(true);
  grid->addWidget(LabelDeg, 0, 0);
  grid->addWidget(LabelMin, 0, 1);
  grid->addWidget(LabelSec, 0, 2);
  grid->addWidget(LabelMil, 0, 3);
  grid->addWidget(EditDeg, 1, 0);
  grid->addWidget(EditMin, 1, 1);
  grid->addWidget(EditSec, 1, 2);
  grid->addWidget(EditMil, 1, 3);
  grid->addWidget(LabelDec, 2, 0, 1, 2);
  grid->addWidget(EditDec, 2, 2, 1, 2);
  grid->addWidget(base::InstallHelp(this, base::kHelpTopicMain), 3, 3, Qt::AlignRight);
  connect(EditDeg, &QLineEdit::textEdited, this,
          [this] { FieldEdited(EditDeg, kDegreeLimit, &previousDeg_); });
  connect(EditMin, &QLineEdit::textEdited, this,
          [this] { FieldEdited(EditMin, kMinuteLimit, &previousMin_); });
  connect(EditSec, &QLineEdit::textEdited, this,
          [this] { FieldEdited(EditSec, kSecondLimit, &previousSec_); });
  connect(EditMil, &QLineEdit::textEdited, this,
          [this] { FieldEdited(EditMil, kMillisecondLimit, &previousMil_); });
  ApplyLanguage();
  Recompute();
}

void TFormConv::ApplyLanguage() {
  setWindowTitle(tr("Deg/Min/Sec => Decimal"));
  LabelDeg->setText(tr("Degrees"));
  LabelMin->setText(tr("Minutes"));
  LabelSec->setText(tr("Seconds"));
  LabelMil->setText(tr("Milliseconds"));
  LabelDec->setText(tr("Decimal degrees"));
  EditDeg->setToolTip(tr("Below 180"));
  EditMin->setToolTip(tr("Below 60"));
  EditSec->setToolTip(tr("Below 60"));
  EditMil->setToolTip(tr("Below 1000"));
}

void TFormConv::showEvent(QShowEvent* event) {
  ApplyLanguage();
  Recompute();  // the user's separator may have changed
  QWidget::showEvent(event);
}

void TFormConv::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

void TFormConv::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFormConv::FieldEdited(QLineEdit* edit, int limit, QString* previous) {
  const std::string kept =
      AcceptedField(edit->text().toStdString(), previous->toStdString(), limit);
  const QString text = QString::fromStdString(kept);
  if (text != edit->text()) {
    const int caret = std::min(edit->cursorPosition(), static_cast<int>(text.size()));
    edit->setText(text);
    edit->setCursorPosition(caret);
  }
  *previous = text;
  Recompute();
}

void TFormConv::Recompute() {
  const double value = DmsToDecimal(FieldValue(EditDeg->text().toStdString()),
                                    FieldValue(EditMin->text().toStdString()),
                                    FieldValue(EditSec->text().toStdString()),
                                    FieldValue(EditMil->text().toStdString()));
  EditDec->setText(QString::fromStdString(DecimalText(value, base::UserDecimalSeparator())));
}

}  // namespace tools
