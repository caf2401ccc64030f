#include "app/form_rename.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/help_button.h"

namespace app {

TFormRename::TFormRename(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormRename"));
  StringGridRename = new QTableWidget(static_cast<int>(RenameTable().size()), 2, this);
  StringGridRename->setObjectName(QStringLiteral("StringGridRename"));
  StringGridRename->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  StringGridRename->setSelectionMode(QAbstractItemView::SingleSelection);
  LabelRenameNum = new QLabel(this);
  LabelRenameNum->setObjectName(QStringLiteral("LabelRenameNum"));
  LabelRenameNum->setWordWrap(true);
  BitBtnOKRename = new QPushButton(this);
  BitBtnOKRename->setObjectName(QStringLiteral("BitBtnOKRename"));
  BitBtnCancelRename = new QPushButton(this);
  BitBtnCancelRename->setObjectName(QStringLiteral("BitBtnCancelRename"));
  BitBtnOKRename->setAutoDefault(false);
  BitBtnCancelRename->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(LabelRenameNum, 1);
  buttons->addWidget(BitBtnOKRename);
  buttons->addWidget(BitBtnCancelRename);
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicTools));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StringGridRename, 1);
  layout->addLayout(buttons);
  resize(520, 420);
  connect(BitBtnOKRename, &QPushButton::clicked, this, &TFormRename::BitBtnOKRenameClick);
  connect(BitBtnCancelRename, &QPushButton::clicked, this, &QDialog::hide);
  Retranslate();
}

void TFormRename::Retranslate() {
  setWindowTitle(tr("ORVANE - Rename Satellites"));
  StringGridRename->setHorizontalHeaderLabels({tr("Old name or NORAD number"), tr("New name")});
  LabelRenameNum->setText(tr("It is recommanded to use the NORAD satellite number as reference"));
  BitBtnOKRename->setText(tr("OK"));
  BitBtnCancelRename->setText(tr("CANCEL"));
}

void TFormRename::showEvent(QShowEvent* event) {
  Retranslate();
  QDialog::showEvent(event);
}

void TFormRename::Open(const RenameTable& rows, std::optional<int> pendingRow) {
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const RenamePair& row = rows[static_cast<std::size_t>(r)];
    StringGridRename->setItem(r, 0, new QTableWidgetItem(row.oldSide));
    StringGridRename->setItem(r, 1, new QTableWidgetItem(row.newSide));
  }
  StringGridRename->clearSelection();
  StringGridRename->scrollToTop();
  show();
  raise();
  activateWindow();
  if (pendingRow) {
    StringGridRename->setCurrentCell(*pendingRow, 1);
    StringGridRename->selectRow(*pendingRow);
    // Scrolled like the original grid: top, then down by row - 6 beyond the sixth row.
    StringGridRename->scrollToTop();
    if (*pendingRow > 6) StringGridRename->verticalScrollBar()->setValue(*pendingRow - 6);
  }
}

RenameTable TFormRename::Rows() const {
  RenameTable rows;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const QTableWidgetItem* oldItem = StringGridRename->item(r, 0);
    const QTableWidgetItem* newItem = StringGridRename->item(r, 1);
    rows[static_cast<std::size_t>(r)] = {oldItem ? oldItem->text().trimmed() : QString(),
                                         newItem ? newItem->text().trimmed() : QString()};
  }
  return rows;
}

void TFormRename::BitBtnOKRenameClick() {
  const RenameTable rows = Rows();
  hide();
  emit Accepted(rows);
}

}  // namespace app
