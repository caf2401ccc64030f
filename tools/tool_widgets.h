#pragma once

// Small pieces the tool windows share.

#include <QString>

class QLineEdit;
class QWidget;

namespace tools {

// Sets the object name (the control's name in the program's descriptions) and returns w.
template <typename W>
W* Named(W* w, const char* name) {
  w->setObjectName(QLatin1String(name));
  return w;
}

// A read-only value box.
QLineEdit* ValueBox(const char* name, int width);

// Green (RGB 00FF00) or red (RGB FF0000) background of a value box.
void SetVisibleColour(QLineEdit* edit, bool visible);

// Whether the box shows the green background (for tests and pictures).
bool ShowsVisibleColour(const QLineEdit* edit);

}  // namespace tools
