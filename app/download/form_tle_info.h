#pragma once

// The "updated" notice after an automatic download (OrvaneTLEinfo): centred on the screen,
// it closes itself after five seconds.

#include <QDialog>

class QLabel;
class QTimer;

namespace app::download {

class TFormTLEinfo : public QDialog {
  Q_OBJECT
 public:
  explicit TFormTLEinfo(QWidget* parent = nullptr);
  void ShowNotice(const QString& fileName);
  void Retranslate();

  QLabel* LabelInfo = nullptr;
  QTimer* Timer1 = nullptr;

 private:
  QString fileName_;
};

}  // namespace app::download
