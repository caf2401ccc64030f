#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>

namespace app {

// Role of a satellite list entry that holds its key: display name + "+"/"-" + number.
inline constexpr int kSatelliteKeyRole = Qt::UserRole + 1;

// True when the key marks the satellite out of work (the sign before the 5-digit number).
bool KeyMarksOutOfWork(const QString& key);

// Owner drawing of the satellite lists: bold names, red for satellites out of work,
// the highlight colour behind selected entries (their text white, or red).
class SatelliteItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A satellite list laid out in two columns that fill the list's width, scrolling sideways.
class SatelliteListWidget : public QListWidget {
 public:
  explicit SatelliteListWidget(QWidget* parent = nullptr);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateGrid();
};

}  // namespace app
