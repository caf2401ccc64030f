#include "tracking/form_info.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "base/ansi_text.h"
#include "base/help_button.h"
#include "tracking/field_text.h"
#include "tracking/radio_data_file.h"
#include "tracking/satellite_notes.h"

namespace tracking {

TFormInfo::TFormInfo(base::Dialogs* dialogs, QString programFolder, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), folder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("TFormInfo"));
  auto* layout = new QVBoxLayout(this);
  RichEditInfo = new QPlainTextEdit(this);
  RichEditInfo->setObjectName(QStringLiteral("RichEditInfo"));
  RichEditInfo->setTabChangesFocus(true);
  layout->addWidget(RichEditInfo, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicSatelliteInfo));
  layout->addLayout(buttons);
  resize(420, 300);
  connect(RichEditInfo, &QPlainTextEdit::textChanged, this, [this] {
    if (!filling_) modified_ = true;
  });
}

void TFormInfo::RetranslateUi() {
  setWindowTitle(DecodeFieldText(name_) + tr(" Info"));
}

void TFormInfo::Open(const std::string& name, const std::string& number) {
  if (isVisible()) hide();  // the notes shown so far are saved
  name_ = name;
  number_ = number;
  std::vector<std::string> lines;
  base::ReadRawLines(folder_ + QLatin1Char('/') + QLatin1String(kNotesFileName), &lines);
  filling_ = true;
  RichEditInfo->clear();
  const QStringList notes = ReadSatelliteNotes(lines, name_, number_);
  if (!notes.isEmpty()) RichEditInfo->setPlainText(notes.join(QLatin1Char('\n')));
  filling_ = false;
  modified_ = false;
  RetranslateUi();
  show();
  raise();
  activateWindow();
}

void TFormInfo::SaveNotes() {
  modified_ = false;
  std::vector<std::string> lines;
  const QStringList notes = RichEditInfo->toPlainText().split(QLatin1Char('\n'));
  if (!SaveSatelliteNotes(folder_, name_, number_, notes, &lines)) {
    dialogs_->Error(NotesErrorText());
    return;
  }
  emit notesWritten(lines);
}

void TFormInfo::hideEvent(QHideEvent* event) {
  if (modified_) SaveNotes();
  QDialog::hideEvent(event);
}

void TFormInfo::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(event);
}

}  // namespace tracking
