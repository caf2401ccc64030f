#pragma once

#include <QDialog>
#include <optional>

#include "app/groups.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace app {

// "ORVANE - Rename Satellites": the 50 rename pairs in an editable two-column grid.
class TFormRename : public QDialog {
  Q_OBJECT
 public:
  explicit TFormRename(QWidget* parent = nullptr);

  // Shows the pairs; a pending row (right click in a list) is selected and scrolled to.
  void Open(const RenameTable& rows, std::optional<int> pendingRow);
  RenameTable Rows() const;
  void Retranslate();

  QTableWidget* StringGridRename;
  QLabel* LabelRenameNum;
  QPushButton* BitBtnOKRename;
  QPushButton* BitBtnCancelRename;

 signals:
  void Accepted(const RenameTable& rows);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BitBtnOKRenameClick();
};

}  // namespace app
