#pragma once

// F1 and the visible "?" button of a window, both going through base/help_request.h.

#include <QToolButton>

#include "base/help_request.h"

namespace base {

// A small "?" button that asks for one help topic; its hint follows the language.
class HelpButton : public QToolButton {
  Q_OBJECT
 public:
  HelpButton(int topic, QWidget* parent = nullptr);
  int Topic() const { return topic_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  int topic_;
};

// F1 anywhere in `window` asks for `topic`.
void InstallHelpKey(QWidget* window, int topic);

// A help button for `topic`, child of `parent`, named `objectName`; the caller places it.
HelpButton* NewHelpButton(QWidget* parent, int topic,
                          const QString& objectName = QStringLiteral("ButtonHelp"));

// Both at once for a whole window: F1 and a button named "ButtonHelp" to place.
HelpButton* InstallHelp(QWidget* window, int topic);

}  // namespace base
