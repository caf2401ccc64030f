#include "app/widget_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QStringLiteral("ORVANE"), text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

void WidgetDialogs::Warning(const QString& text) {
  ShowBox(parent_, QMessageBox::Warning, text);
}
void WidgetDialogs::Error(const QString& text) {
  ShowBox(parent_, QMessageBox::Critical, text);
}
void WidgetDialogs::Information(const QString& text) {
  ShowBox(parent_, QMessageBox::Information, text);
}

void WidgetSounds::Beep() {
  QApplication::beep();
}
void WidgetSounds::Information() {
  QApplication::beep();
}
void WidgetSounds::Warning() {
  QApplication::beep();
}

}  // namespace app
