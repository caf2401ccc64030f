#pragma once

// TFormHelpMap: the map's legend ("MAP KEY"), each marker and line kind with its meaning.

#include <QWidget>
#include <vector>

class QLabel;

namespace map {

class TFormHelpMap : public QWidget {
  Q_OBJECT
 public:
  explicit TFormHelpMap(QWidget* parent = nullptr);
  void ApplyLanguage();
  // The explanation labels, in their order on the window.
  const std::vector<QLabel*>& Texts() const { return texts_; }

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::vector<QLabel*> texts_;
};

}  // namespace map
