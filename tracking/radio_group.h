#pragma once

// A titled group of exclusive radio buttons with an item index (-1 = none chosen), the
// way the settings panels use them.

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

#include <vector>

class QRadioButton;

namespace tracking {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit RadioGroup(const QString& title, QWidget* parent = nullptr);

  void SetItems(const QStringList& items);
  QStringList Items() const;
  int ItemIndex() const;
  // -1 clears the choice.
  void SetItemIndex(int index);
  QString ItemText() const;  // empty when none chosen
  void SetItemText(int index, const QString& text);
  QRadioButton* Button(int index) const;
  int Count() const { return static_cast<int>(buttons_.size()); }
  // Chooses `index` as a click of the operator would (emits itemClicked).
  void Click(int index);

 signals:
  void itemClicked(int index);  // only for the operator's choice

 private:
  QButtonGroup group_;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace tracking
