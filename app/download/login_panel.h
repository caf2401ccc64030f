#pragma once

// The download window's stand-in for a web browser during a login: the page's text,
// read-only, and its first form's fields to complete by hand (the password hidden as it
// is typed), sent with Submit.

#include <QWidget>
#include <vector>

#include "app/download/download_procedure.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QCheckBox;

namespace app::download {

class LoginPanel : public QWidget {
  Q_OBJECT
 public:
  explicit LoginPanel(QWidget* parent = nullptr);

  // Shows a page; the fields take the form's current values.
  void ShowPage(const LoginView& view);
  // The form with what the user typed.
  HtmlForm EditedForm() const;
  void Retranslate();

  QLabel* LabelPage = nullptr;
  QPlainTextEdit* MemoPage = nullptr;
  QPushButton* ButtonSubmit = nullptr;
  // One editor per editable field, in form order (a line edit or a check box).
  std::vector<QWidget*> FieldEditors() const;

 signals:
  void SubmitPressed(const app::download::HtmlForm& form);

 private:
  QFormLayout* fields_ = nullptr;
  LoginView view_;
  struct Editor {
    std::size_t input = 0;  // index into view_.form.inputs
    QLineEdit* line = nullptr;
    QCheckBox* check = nullptr;
  };
  std::vector<Editor> editors_;
};

}  // namespace app::download
