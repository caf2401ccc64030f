#include "tracking/radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace tracking {

RadioGroup::RadioGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  new QVBoxLayout(this);
  group_.setExclusive(true);
  connect(&group_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

void RadioGroup::SetItems(const QStringList& items) {
  for (QRadioButton* b : buttons_) {
    group_.removeButton(b);
    delete b;
  }
  buttons_.clear();
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(objectName() + QStringLiteral("_") + QString::number(i));
    group_.addButton(b, i);
    layout()->addWidget(b);
    buttons_.push_back(b);
  }
}

QStringList RadioGroup::Items() const {
  QStringList items;
  for (const QRadioButton* b : buttons_) items.append(b->text());
  return items;
}

int RadioGroup::ItemIndex() const { return group_.checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < Count()) {
    buttons_[static_cast<std::size_t>(index)]->setChecked(true);
    return;
  }
  group_.setExclusive(false);
  for (QRadioButton* b : buttons_) b->setChecked(false);
  group_.setExclusive(true);
}

QString RadioGroup::ItemText() const {
  const int i = ItemIndex();
  return i >= 0 ? buttons_[static_cast<std::size_t>(i)]->text() : QString();
}

void RadioGroup::SetItemText(int index, const QString& text) {
  if (index >= 0 && index < Count()) buttons_[static_cast<std::size_t>(index)]->setText(text);
}

QRadioButton* RadioGroup::Button(int index) const {
  return index >= 0 && index < Count() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void RadioGroup::Click(int index) {
  if (QRadioButton* b = Button(index)) b->click();
}

}  // namespace tracking
