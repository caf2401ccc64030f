#include "prediction/form_print.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

#include "base/ansi_text.h"
#include "base/help_button.h"
#include "prediction/form_date.h"

namespace prediction {

namespace {

QLineEdit* Field(QWidget* parent, const char* name, int width, bool readOnly) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(name));
  e->setReadOnly(readOnly);
  if (!readOnly) e->setMaxLength(2);
  e->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  e->setFixedWidth(width);
  return e;
}

// Selects the whole text when the edit is clicked.
class SelectAllOnClick : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease)
      if (auto* e = qobject_cast<QLineEdit*>(watched)) e->selectAll();
    return false;
  }
};

}  // namespace

TFormPRINT::TFormPRINT(base::Sounds* sounds, base::Dialogs* dialogs, QWidget* parent)
    : QDialog(parent), sounds_(sounds), dialogs_(dialogs), printFont_(QStringLiteral("Courier"), 9) {
  setObjectName(QStringLiteral("TFormPRINT"));
  setFixedSize(334, 280);
  auto* grid = new QGridLayout(this);
  LabelDateTime = new QLabel(this);
  LabelDateTime->setObjectName(QStringLiteral("LabelDateTime"));
  LabelDateTime->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  grid->addWidget(LabelDateTime, 0, 1, 1, 7);

  auto* filter = new SelectAllOnClick(this);
  auto row = [&](int r, const char* label, const char* day, const char* month, const char* year,
                 const char* hour, const char* minute, const char* upDate, const char* upTime,
                 QLabel** labelOut, End* end, UpDownButtons** dateOut, UpDownButtons** timeOut) {
    *labelOut = new QLabel(this);
    (*labelOut)->setObjectName(QLatin1String(label));
    grid->addWidget(*labelOut, r, 0);
    end->day = Field(this, day, 28, true);
    end->month = Field(this, month, 40, true);
    end->year = Field(this, year, 46, true);
    end->hour = Field(this, hour, 28, false);
    end->minute = Field(this, minute, 28, false);
    end->hour->installEventFilter(filter);
    end->minute->installEventFilter(filter);
    *dateOut = new UpDownButtons(this);
    (*dateOut)->setObjectName(QLatin1String(upDate));
    *timeOut = new UpDownButtons(this);
    (*timeOut)->setObjectName(QLatin1String(upTime));
    grid->addWidget(end->day, r, 1);
    grid->addWidget(end->month, r, 2);
    grid->addWidget(end->year, r, 3);
    grid->addWidget(*dateOut, r, 4);
    grid->addWidget(end->hour, r, 5);
    grid->addWidget(end->minute, r, 6);
    grid->addWidget(*timeOut, r, 7);
  };
  row(1, "LabelStart", "EditStartDay", "EditStartMonth", "EditStartYear", "EditStartHour",
      "EditStartMin", "UpDownStartDate", "UpDownStartTime", &LabelStart, &start_, &UpDownStartDate,
      &UpDownStartTime);
  row(2, "LabelEnd", "EditEndDay", "EditEndMonth", "EditEndYear", "EditEndHour", "EditEndMin",
      "UpDownEndDate", "UpDownEndTime", &LabelEnd, &end_, &UpDownEndDate, &UpDownEndTime);
  EditStartDay = start_.day, EditStartMonth = start_.month, EditStartYear = start_.year;
  EditStartHour = start_.hour, EditStartMin = start_.minute;
  EditEndDay = end_.day, EditEndMonth = end_.month, EditEndYear = end_.year;
  EditEndHour = end_.hour, EditEndMin = end_.minute;

  LabelPrintEvery = new QLabel(this);
  LabelPrintEvery->setObjectName(QStringLiteral("LabelPrintEvery"));
  SpinEditPrint = new QSpinBox(this);
  SpinEditPrint->setObjectName(QStringLiteral("SpinEditPrint"));
  SpinEditPrint->setRange(1, 60);
  SpinEditPrint->setValue(1);
  LabelMinute = new QLabel(this);
  LabelMinute->setObjectName(QStringLiteral("LabelMinute"));
  grid->addWidget(LabelPrintEvery, 3, 0);
  grid->addWidget(SpinEditPrint, 3, 1, 1, 2);
  grid->addWidget(LabelMinute, 3, 3, 1, 4);
  LabelPrint = new QLabel(this);
  LabelPrint->setObjectName(QStringLiteral("LabelPrint"));
  LabelPrintLignes = new QLabel(this);
  LabelPrintLignes->setObjectName(QStringLiteral("LabelPrintLignes"));
  grid->addWidget(LabelPrint, 4, 0, 1, 5);
  grid->addWidget(LabelPrintLignes, 4, 5, 1, 3);

  BitBtnConfigurer = new QPushButton(this);
  BitBtnConfigurer->setObjectName(QStringLiteral("BitBtnConfigurer"));
  BitBtnPolice = new QPushButton(this);
  BitBtnPolice->setObjectName(QStringLiteral("BitBtnPolice"));
  BitBtnPrintOK = new QPushButton(this);
  BitBtnPrintOK->setObjectName(QStringLiteral("BitBtnPrintOK"));
  BitBtnCancelPrint = new QPushButton(this);
  BitBtnCancelPrint->setObjectName(QStringLiteral("BitBtnCancelPrint"));
  grid->addWidget(BitBtnConfigurer, 5, 0, 1, 2);
  grid->addWidget(BitBtnPolice, 5, 2, 1, 2);
  grid->addWidget(BitBtnPrintOK, 6, 0, 1, 2);
  grid->addWidget(BitBtnCancelPrint, 6, 2, 1, 2);
  grid->addWidget(base::InstallHelp(this, base::kHelpTopicMain), 6, 7, Qt::AlignRight);

  RichEditPrint = new QTextEdit(this);
  RichEditPrint->setObjectName(QStringLiteral("RichEditPrint"));
  RichEditPrint->setReadOnly(true);
  RichEditPrint->setLineWrapMode(QTextEdit::NoWrap);
  RichEditPrint->setVisible(false);

  connect(SpinEditPrint, &QSpinBox::valueChanged, this, &TFormPRINT::SpinEditPrintChange);
  connect(UpDownStartDate, &UpDownButtons::Clicked, this, &TFormPRINT::UpDownStartDateClick);
  connect(UpDownEndDate, &UpDownButtons::Clicked, this, &TFormPRINT::UpDownEndDateClick);
  connect(UpDownStartTime, &UpDownButtons::Clicked, this, &TFormPRINT::UpDownStartTimeClick);
  connect(UpDownEndTime, &UpDownButtons::Clicked, this, &TFormPRINT::UpDownEndTimeClick);
  connect(EditStartHour, &QLineEdit::textChanged, this, [this] { CheckTyped(EditStartHour, 23); });
  connect(EditStartMin, &QLineEdit::textChanged, this, [this] { CheckTyped(EditStartMin, 59); });
  connect(EditEndHour, &QLineEdit::textChanged, this, [this] { CheckTyped(EditEndHour, 23); });
  connect(EditEndMin, &QLineEdit::textChanged, this, [this] { CheckTyped(EditEndMin, 59); });
  connect(BitBtnPrintOK, &QPushButton::clicked, this, &TFormPRINT::BitBtnPrintOKClick);
  connect(BitBtnPolice, &QPushButton::clicked, this, &TFormPRINT::BitBtnPoliceClick);
  connect(BitBtnConfigurer, &QPushButton::clicked, this, &TFormPRINT::BitBtnConfigurerClick);
  connect(BitBtnCancelPrint, &QPushButton::clicked, this, &TFormPRINT::hide);
  ApplyLanguage();
}

TFormPRINT::~TFormPRINT() = default;

void TFormPRINT::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QDialog::changeEvent(event);
}

void TFormPRINT::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  emit Hidden();
}

void TFormPRINT::ApplyLanguage() {
  setWindowTitle(tr("PRINT") + (name_.isEmpty() ? QString() : QStringLiteral(" [") + name_ + QLatin1Char(']')));
  LabelPrint->setText(tr("The number of lines to print is "));
  BitBtnConfigurer->setText(tr("Configure"));
  BitBtnPolice->setText(tr("Fonts"));
  BitBtnPrintOK->setText(tr("PRINT"));
  BitBtnCancelPrint->setText(tr("Cancel"));
  LabelPrintEvery->setText(tr("Print every "));
  LabelMinute->setText(tr("Minute(s)"));
  LabelEnd->setText(tr("until"));
  LabelStart->setText(tr("Print from"));
  LabelDateTime->setText(tr("DD/MMM/YYYY     HH:MN"));
}

PrintEndFields TFormPRINT::Read(const End& e) const {
  return {e.day->text().toStdString(), e.month->text().toStdString(), e.year->text().toStdString(),
          e.hour->text().toStdString(), e.minute->text().toStdString()};
}

void TFormPRINT::Write(const End& e, const PrintEndFields& f) {
  writing_ = true;
  e.day->setText(QString::fromStdString(f.day));
  e.month->setText(QString::fromStdString(f.month));
  e.year->setText(QString::fromStdString(f.year));
  e.hour->setText(QString::fromStdString(f.hour));
  e.minute->setText(QString::fromStdString(f.minute));
  writing_ = false;
}

void TFormPRINT::ShowFor(const QString& satelliteName, const std::vector<std::string>& shownRows,
                         const QString& fileHeader) {
  name_ = satelliteName;
  header_ = fileHeader;
  rows_ = shownRows;
  printMinuteCount_ = static_cast<int>(rows_.size());
  firstRow_ = rows_.empty() ? std::string() : rows_.front();
  lastRow_ = rows_.empty() ? std::string() : rows_.back();
  ApplyLanguage();
  Write(start_, FieldsFromRow(firstRow_));
  Write(end_, FieldsFromRow(lastRow_));
  SpinEditPrintChange();
  show();
  raise();
}

void TFormPRINT::SpinEditPrintChange() {
  if (writing_) return;
  const PrintCount c = RecountPrint(Read(start_), Read(end_), SpinEditPrint->value());
  printMinuteCount_ = c.minuteCount;
  LabelPrintLignes->setText(QString::fromStdString(c.label));
}

void TFormPRINT::StepDate(const End& e, bool up) {
  PrintEndFields f = Read(e);
  if (!StepPrintDate(f, up, firstRow_, lastRow_)) {
    if (sounds_ != nullptr) sounds_->Beep();
    return;
  }
  Write(e, f);
  SpinEditPrintChange();
}

void TFormPRINT::StepTime(const End& e, bool up) {
  PrintEndFields f = Read(e);
  if (f.hour.empty()) f.hour = "00";
  if (f.minute.empty()) f.minute = "00";
  if (StepPrintTime(f, up)) Write(e, f);
  SpinEditPrintChange();
}

void TFormPRINT::UpDownStartDateClick(bool up) { StepDate(start_, up); }
void TFormPRINT::UpDownEndDateClick(bool up) { StepDate(end_, up); }
void TFormPRINT::UpDownStartTimeClick(bool up) { StepTime(start_, up); }
void TFormPRINT::UpDownEndTimeClick(bool up) { StepTime(end_, up); }

void TFormPRINT::CheckTyped(QLineEdit* edit, int maxValue) {
  if (writing_) return;
  switch (CheckTypedField(edit->text().toStdString(), maxValue)) {
    case TypedField::Accepted:
      break;
    case TypedField::Emptied:
      if (sounds_ != nullptr) sounds_->Beep();
      writing_ = true;
      edit->clear();
      writing_ = false;
      break;
    case TypedField::Zeroed:
      if (sounds_ != nullptr) sounds_->Beep();
      writing_ = true;
      edit->setText(QStringLiteral("00"));
      writing_ = false;
      break;
  }
  SpinEditPrintChange();
}

QPrinter& TFormPRINT::Printer() {
  if (printer_ != nullptr) return *printer_;
  if (!ownPrinter_) ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *ownPrinter_;
}

bool TFormPRINT::BitBtnPrintOKClick() {
  const PrintPlan plan = PlanPrint(Read(start_), Read(end_), SpinEditPrint->value(), rows_);
  QString refusal;
  switch (plan.refusal) {
    case PrintRefusal::None: break;
    case PrintRefusal::TimeNotSet: refusal = tr("Starting or ending time is not set !"); break;
    case PrintRefusal::NothingToPrint:
      refusal = tr("Nothing to print ! Verify starting or ending date and time.");
      break;
    case PrintRefusal::StartOutOfPass: refusal = tr("Starting time is out of pass !"); break;
    case PrintRefusal::EndOutOfPass: refusal = tr("Ending time is out of pass !"); break;
  }
  if (!refusal.isEmpty()) {
    if (dialogs_ != nullptr) dialogs_->Warning(refusal);
    return false;
  }
  QStringList lines{name_, header_};
  for (int r : plan.rows) lines << QString::fromStdString(rows_[static_cast<std::size_t>(r)]);
  RichEditPrint->clear();
  RichEditPrint->setPlainText(lines.join(QLatin1Char('\n')));
  RichEditPrint->document()->setDefaultFont(printFont_);
  QPrinter& printer = Printer();
  printer.setDocName(QStringLiteral("liste"));
  RichEditPrint->document()->print(&printer);
  return true;
}

void TFormPRINT::BitBtnPoliceClick() {
  QFont font = printFont_;
  bool ok = false;
  if (chooseFont_) {
    ok = chooseFont_(&font);
  } else {
    QFontDialog dialog(printFont_, this);
    dialog.setObjectName(QStringLiteral("FontDialogPrint"));
    ok = dialog.exec() == QDialog::Accepted;
    if (ok) font = dialog.selectedFont();
  }
  if (ok) printFont_ = font;
}

void TFormPRINT::BitBtnConfigurerClick() {
  QPrintDialog dialog(&Printer(), this);
  dialog.setObjectName(QStringLiteral("PrintDialog"));
  dialog.exec();
}

}  // namespace prediction
