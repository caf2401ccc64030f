#pragma once

// The two help windows of the download window: how to fill in the login fields and the
// download fields. Short texts in the window's language; the help file has the rest.

#include <QDialog>

class QLabel;
class QPushButton;

namespace app::download {

class HelpTextWindow : public QDialog {
  Q_OBJECT
 public:
  void Retranslate();
  QLabel* LabelHelp = nullptr;
  QPushButton* BitBtnOK = nullptr;

 protected:
  explicit HelpTextWindow(const char* objectName, QWidget* parent);
  virtual QString Title() const = 0;
  virtual QString Text() const = 0;
  void showEvent(QShowEvent* event) override;
};

// "Login help" (OrvaneHlpLogin).
class TFormHlpLogin : public HelpTextWindow {
  Q_OBJECT
 public:
  explicit TFormHlpLogin(QWidget* parent = nullptr);

 protected:
  QString Title() const override;
  QString Text() const override;
};

// "Download help" (OrvaneHlpDownload).
class TFormHlpDownload : public HelpTextWindow {
  Q_OBJECT
 public:
  explicit TFormHlpDownload(QWidget* parent = nullptr);

 protected:
  QString Title() const override;
  QString Text() const override;
};

}  // namespace app::download
