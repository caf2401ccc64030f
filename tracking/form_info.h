#pragma once

// TFormInfo: the operator's personal notes about one satellite, kept in "Orvane.nfo".

#include <QDialog>
#include <string>
#include <vector>

#include "base/sounds.h"

class QPlainTextEdit;

namespace tracking {

class TFormInfo : public QDialog {
  Q_OBJECT
 public:
  // `programFolder` holds the notes file.
  TFormInfo(base::Dialogs* dialogs, QString programFolder, QWidget* parent = nullptr);

  // Shows the notes of the satellite (`name` and `number` as the files hold them). Notes
  // of another satellite still open are saved first.
  void Open(const std::string& name, const std::string& number);

  QPlainTextEdit* RichEditInfo = nullptr;
  bool Modified() const { return modified_; }
  void RetranslateUi();

 signals:
  // The notes file was written; `lines` is what it holds now.
  void notesWritten(const std::vector<std::string>& lines);

 protected:
  void hideEvent(QHideEvent* event) override;  // saves changed notes
  void changeEvent(QEvent* event) override;

 private:
  void SaveNotes();

  base::Dialogs* dialogs_;
  QString folder_;
  std::string name_;
  std::string number_;
  bool modified_ = false;
  bool filling_ = false;
};

}  // namespace tracking
