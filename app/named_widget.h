#pragma once

#include <QString>

namespace app {

// Gives a new control its object name (the original form's) and hands it back.
template <typename T>
T* Named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace app
