#pragma once

#include <QDialog>

class QEventLoop;
class QLabel;
class QPushButton;

namespace app {

// The program's own Yes/No window (quit confirmation). Ask() shows it and keeps the
// event loop turning until a button is pressed.
class TFormDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TFormDialog(QWidget* parent = nullptr);

  // 1 for "Yes", 0 for "No" (closing the window counts as "No").
  int Ask(const QString& question);
  // -1 while the question is open, then the answer.
  int Answer() const { return answer_; }
  void Retranslate();

  QLabel* LabelDialog;
  QPushButton* ButtonYes;
  QPushButton* ButtonNo;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Finish(int answer);
  int answer_ = 0;
  QEventLoop* loop_ = nullptr;
};

}  // namespace app
