#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tools {

// How to write one's own place list (".bdx"), in the current language.
class TFormHelpMyList : public QWidget {
  Q_OBJECT
 public:
  explicit TFormHelpMyList(QWidget* parent = nullptr);
  QPlainTextEdit* MemoHelp = nullptr;
  void ApplyLanguage();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
};

}  // namespace tools
