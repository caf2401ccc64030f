#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tools {

// "Deg/Min/Sec => Decimal": four whole-number fields and their decimal degrees.
class TFormConv : public QWidget {
  Q_OBJECT
 public:
  explicit TFormConv(QWidget* parent = nullptr);

  QLabel* LabelDeg = nullptr;
  QLabel* LabelMin = nullptr;
  QLabel* LabelSec = nullptr;
  QLabel* LabelMil = nullptr;
  QLabel* LabelDec = nullptr;
  QLineEdit* EditDeg = nullptr;
  QLineEdit* EditMin = nullptr;
  QLineEdit* EditSec = nullptr;
  QLineEdit* EditMil = nullptr;
  QLineEdit* EditDec = nullptr;

  void ApplyLanguage();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // A field's edit: kept when below its limit, else its previous value comes back.
  void FieldEdited(QLineEdit* edit, int limit, QString* previous);
  void Recompute();

  QString previousDeg_, previousMin_, previousSec_, previousMil_;
};

}  // namespace tools
