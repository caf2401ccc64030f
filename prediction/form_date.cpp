#include "prediction/form_date.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/help_button.h"

namespace prediction {

UpDownButtons::UpDownButtons(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* up = new QToolButton(this);
  up->setObjectName(QStringLiteral("Up"));
  up->setArrowType(Qt::UpArrow);
  up->setFixedSize(18, 12);
  auto* down = new QToolButton(this);
  down->setObjectName(QStringLiteral("Down"));
  down->setArrowType(Qt::DownArrow);
  down->setFixedSize(18, 12);
  layout->addWidget(up);
  layout->addWidget(down);
  connect(up, &QToolButton::clicked, this, [this] { emit Clicked(true); });
  connect(down, &QToolButton::clicked, this, [this] { emit Clicked(false); });
}

namespace {

QLineEdit* Field(QWidget* parent, const char* name, int width, bool readOnly) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(name));
  e->setMaxLength(readOnly ? 4 : 2);
  e->setReadOnly(readOnly);
  e->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  e->setFixedWidth(width);
  return e;
}

}  // namespace

TFormDate::TFormDate(base::Sounds* sounds, QWidget* parent) : QDialog(parent), sounds_(sounds) {
  setObjectName(QStringLiteral("FormDate"));
  auto* grid = new QGridLayout(this);
  RadioButtondateCourante = new QRadioButton(this);
  RadioButtondateCourante->setObjectName(QStringLiteral("RadioButtondateCourante"));
  RadioButtondateCourante->setChecked(true);
  RadioButtonDatePerso = new QRadioButton(this);
  RadioButtonDatePerso->setObjectName(QStringLiteral("RadioButtonDatePerso"));
  grid->addWidget(RadioButtondateCourante, 0, 0, 1, 7);
  grid->addWidget(RadioButtonDatePerso, 1, 0, 1, 7);
  LabelDateTime = new QLabel(this);
  LabelDateTime->setObjectName(QStringLiteral("LabelDateTime"));
  LabelDateTime->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  grid->addWidget(LabelDateTime, 2, 0, 1, 7);
  EditStartDay = Field(this, "EditStartDay", 30, true);
  EditStartMonth = Field(this, "EditStartMonth", 40, true);
  EditStartYear = Field(this, "EditStartYear", 48, true);
  UpDownStartDate = new UpDownButtons(this);
  UpDownStartDate->setObjectName(QStringLiteral("UpDownStartDate"));
  EditStartHour = Field(this, "EditStartHour", 30, false);
  EditStartMin = Field(this, "EditStartMin", 30, false);
  UpDownStartTime = new UpDownButtons(this);
  UpDownStartTime->setObjectName(QStringLiteral("UpDownStartTime"));
  grid->addWidget(EditStartDay, 3, 0);
  grid->addWidget(EditStartMonth, 3, 1);
  grid->addWidget(EditStartYear, 3, 2);
  grid->addWidget(UpDownStartDate, 3, 3);
  grid->addWidget(EditStartHour, 3, 4);
  grid->addWidget(EditStartMin, 3, 5);
  grid->addWidget(UpDownStartTime, 3, 6);
  BitBtnOKDate = new QPushButton(QStringLiteral("OK"), this);
  BitBtnOKDate->setObjectName(QStringLiteral("BitBtnOKDate"));
  grid->addWidget(BitBtnOKDate, 4, 0, 1, 7, Qt::AlignRight);
  grid->addWidget(base::InstallHelp(this, base::kHelpTopicMain), 4, 0, Qt::AlignLeft);

  connect(UpDownStartDate, &UpDownButtons::Clicked, this, &TFormDate::UpDownStartDateClick);
  connect(UpDownStartTime, &UpDownButtons::Clicked, this, &TFormDate::UpDownStartTimeClick);
  connect(BitBtnOKDate, &QPushButton::clicked, this, &TFormDate::ConfirmDate);
  connect(EditStartHour, &QLineEdit::textEdited, this, [this] { CheckTyped(EditStartHour, 23); });
  connect(EditStartMin, &QLineEdit::textEdited, this, [this] { CheckTyped(EditStartMin, 59); });
  ApplyLanguage();
}

void TFormDate::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QDialog::changeEvent(event);
}

void TFormDate::ApplyLanguage() {
  setWindowTitle(tr("STARTING DATE"));
  RadioButtondateCourante->setText(tr("Current date"));
  RadioButtonDatePerso->setText(tr("This date :"));
  LabelDateTime->setText(utc_ ? tr(" UTC     DD/MMM/YYYY    HH:MN") : tr("LOCAL    DD/MMM/YYYY    HH:MN"));
}

void TFormDate::ShowFields(const CivilDate& d, const ClockTime& t) {
  EditStartDay->setText(QString::fromStdString(DayField(d.day)));
  EditStartMonth->setText(QString::fromStdString(MonthField(d.month)));
  EditStartYear->setText(QString::fromStdString(YearField(d.year)));
  EditStartHour->setText(QString::fromStdString(TwoDigitField(t.hour)));
  EditStartMin->setText(QString::fromStdString(TwoDigitField(t.minute)));
}

void TFormDate::ShowDateWindow(Real calculationDate, Real nowLocal, Real localOffsetHours, bool utc) {
  utc_ = utc;
  ApplyLanguage();
  const bool custom = calculationDate != 0;
  Real shown = custom ? calculationDate : nowLocal;
  if (utc) shown -= localOffsetHours / 24;
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(shown);
  ShowFields({d.day, d.month, d.year}, {d.hour, d.minute});
  (custom ? RadioButtonDatePerso : RadioButtondateCourante)->setChecked(true);
  show();
  raise();
}

void TFormDate::UpDownStartDateClick(bool up) {
  CivilDate d;
  if (!ReadDateFields(EditStartDay->text().toStdString(), EditStartMonth->text().toStdString(),
                      EditStartYear->text().toStdString(), &d)) {
    if (sounds_ != nullptr) sounds_->Beep();
    return;
  }
  d = up ? NextDay(d) : PreviousDay(d);
  EditStartDay->setText(QString::fromStdString(DayField(d.day)));
  EditStartMonth->setText(QString::fromStdString(MonthField(d.month)));
  EditStartYear->setText(QString::fromStdString(YearField(d.year)));
}

void TFormDate::UpDownStartTimeClick(bool up) {
  ClockTime t;
  // An empty box counts as 00.
  if (!ReadWholeNumber(EditStartHour->text().toStdString(), &t.hour)) t.hour = 0;
  if (!ReadWholeNumber(EditStartMin->text().toStdString(), &t.minute)) t.minute = 0;
  t = up ? NextMinute(t) : PreviousMinute(t);
  EditStartHour->setText(QString::fromStdString(TwoDigitField(t.hour)));
  EditStartMin->setText(QString::fromStdString(TwoDigitField(t.minute)));
}

void TFormDate::CheckTyped(QLineEdit* edit, int maxValue) {
  switch (CheckTypedField(edit->text().toStdString(), maxValue)) {
    case TypedField::Accepted:
      return;
    case TypedField::Emptied:
      if (sounds_ != nullptr) sounds_->Beep();
      edit->clear();
      return;
    case TypedField::Zeroed:
      if (sounds_ != nullptr) sounds_->Beep();
      edit->setText(QStringLiteral("00"));
      return;
  }
}

void TFormDate::ConfirmDate() {
  for (QLineEdit* edit : {EditStartHour, EditStartMin}) {
    if (edit->text().isEmpty()) {
      if (sounds_ != nullptr) sounds_->Beep();
      edit->setFocus();
      return;
    }
  }
  for (QLineEdit* edit : {EditStartHour, EditStartMin})
    if (edit->text().size() == 1) edit->setText(QLatin1Char('0') + edit->text());
  hide();
  if (handOver_ == nullptr) return;
  if (RadioButtondateCourante->isChecked()) {
    handOver_->setEnabled(false);
    handOver_->clear();
    return;
  }
  CivilDate d;
  ClockTime t;
  if (!ReadDateFields(EditStartDay->text().toStdString(), EditStartMonth->text().toStdString(),
                      EditStartYear->text().toStdString(), &d) ||
      !ReadWholeNumber(EditStartHour->text().toStdString(), &t.hour) ||
      !ReadWholeNumber(EditStartMin->text().toStdString(), &t.minute))
    return;
  handOver_->setEnabled(true);
  handOver_->setText(QString::fromStdString(HandOverText(d, t)));
}

}  // namespace prediction
