#pragma once

#include "base/sounds.h"

class QWidget;

namespace app {

// Modal message boxes with one OK button, parented to the main window when it exists.
class WidgetDialogs : public base::Dialogs {
 public:
  explicit WidgetDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Warning(const QString& text) override;
  void Error(const QString& text) override;
  void Information(const QString& text) override;

 private:
  QWidget* parent_;
};

// The desktop has one system sound: every kind rings the bell.
class WidgetSounds : public base::Sounds {
 public:
  void Beep() override;
  void Information() override;
  void Warning() override;
};

}  // namespace app
