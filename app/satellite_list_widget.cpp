#include "app/satellite_list_widget.h"

#include <QApplication>
#include <QPainter>

#include "app/groups.h"

namespace app {

bool KeyMarksOutOfWork(const QString& key) { return KeyStatusSign(key) == '-'; }

void SatelliteItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const bool outOfWork = KeyMarksOutOfWork(index.data(kSatelliteKeyRole).toString());
  const bool selected = option.state & QStyle::State_Selected;
  const QColor background =
      selected ? option.palette.color(QPalette::Active, QPalette::Highlight) : QColor(Qt::white);
  QColor text = selected ? QColor(Qt::white) : QColor(Qt::black);
  if (outOfWork) text = QColor(Qt::red);
  painter->save();
  painter->fillRect(option.rect, background);
  QFont font = option.font;
  font.setBold(true);
  painter->setFont(font);
  painter->setPen(text);
  painter->drawText(option.rect.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignTop,
                    index.data(Qt::DisplayRole).toString());
  painter->restore();
}

QSize SatelliteItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  QFont font = option.font;
  font.setBold(true);
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 8;
  return {std::max(width, 12 * metrics.averageCharWidth()), std::max(15, metrics.height())};
}

SatelliteListWidget::SatelliteListWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::MultiSelection);
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setItemDelegate(new SatelliteItemDelegate(this));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  UpdateGrid();
}

void SatelliteListWidget::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  UpdateGrid();
}

void SatelliteListWidget::UpdateGrid() {
  QFont bold = font();
  bold.setBold(true);
  const int height = std::max(15, QFontMetrics(bold).height());
  setGridSize(QSize(std::max(40, viewport()->width() / 2 - 1), height));
}

}  // namespace app
