#include "app/download/login_panel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::download {

LoginPanel::LoginPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("WebBrowser1"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  LabelPage = new QLabel;
  LabelPage->setObjectName(QStringLiteral("LabelPage"));
  LabelPage->setTextInteractionFlags(Qt::TextSelectableByMouse);
  MemoPage = new QPlainTextEdit;
  MemoPage->setObjectName(QStringLiteral("MemoPage"));
  MemoPage->setReadOnly(true);
  MemoPage->setMinimumHeight(90);
  auto* fieldBox = new QWidget;
  fields_ = new QFormLayout(fieldBox);
  fields_->setContentsMargins(0, 0, 0, 0);
  ButtonSubmit = new QPushButton;
  ButtonSubmit->setObjectName(QStringLiteral("ButtonSubmit"));
  ButtonSubmit->setAutoDefault(false);
  layout->addWidget(LabelPage);
  layout->addWidget(MemoPage, 1);
  layout->addWidget(fieldBox);
  layout->addWidget(ButtonSubmit, 0, Qt::AlignLeft);
  connect(ButtonSubmit, &QPushButton::clicked, this, [this] { emit SubmitPressed(EditedForm()); });
  Retranslate();
}

void LoginPanel::Retranslate() {
  ButtonSubmit->setText(tr("Submit"));
  LabelPage->setText(view_.pageUrl.isEmpty()
                         ? tr("No page could be loaded.")
                         : tr("Page: %1").arg(view_.pageUrl.toDisplayString(QUrl::RemoveUserInfo)));
  ButtonSubmit->setVisible(view_.form.found);
}

void LoginPanel::ShowPage(const LoginView& view) {
  view_ = view;
  MemoPage->setPlainText(view.text);
  while (fields_->rowCount() > 0) fields_->removeRow(0);
  editors_.clear();
  for (std::size_t i = 0; i < view_.form.inputs.size(); ++i) {
    const FormInput& input = view_.form.inputs[i];
    if (!input.Editable() || input.disabled) continue;
    const QString label = !input.id.isEmpty() ? input.id : input.name;
    Editor editor;
    editor.input = i;
    if (input.type == QLatin1String("checkbox") || input.type == QLatin1String("radio")) {
      editor.check = new QCheckBox;
      editor.check->setChecked(input.checked);
      editor.check->setObjectName(QStringLiteral("Field_") + label);
      fields_->addRow(label, editor.check);
    } else {
      editor.line = new QLineEdit(input.value);
      editor.line->setObjectName(QStringLiteral("Field_") + label);
      if (input.Password()) editor.line->setEchoMode(QLineEdit::Password);
      connect(editor.line, &QLineEdit::returnPressed, ButtonSubmit, &QPushButton::click);
      fields_->addRow(label, editor.line);
    }
    editors_.push_back(editor);
  }
  Retranslate();
}

HtmlForm LoginPanel::EditedForm() const {
  HtmlForm form = view_.form;
  for (const Editor& editor : editors_) {
    FormInput& input = form.inputs[editor.input];
    if (editor.line != nullptr) input.value = editor.line->text();
    if (editor.check != nullptr) input.checked = editor.check->isChecked();
  }
  return form;
}

std::vector<QWidget*> LoginPanel::FieldEditors() const {
  std::vector<QWidget*> out;
  for (const Editor& editor : editors_)
    out.push_back(editor.line != nullptr ? static_cast<QWidget*>(editor.line) : editor.check);
  return out;
}

}  // namespace app::download
