#include "tools/tool_widgets.h"

#include <QLineEdit>

namespace tools {

namespace {
const QString kGreen = QStringLiteral("QLineEdit { background-color: #00FF00; color: black; }");
const QString kRed = QStringLiteral("QLineEdit { background-color: #FF0000; color: black; }");
}  // namespace

QLineEdit* ValueBox(const char* name, int width) {
  auto* edit = Named(new QLineEdit, name);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(width);
  QFont bold = edit->font();
  bold.setBold(true);
  edit->setFont(bold);
  return edit;
}

void SetVisibleColour(QLineEdit* edit, bool visible) {
  edit->setStyleSheet(visible ? kGreen : kRed);
}

bool ShowsVisibleColour(const QLineEdit* edit) {
  return edit->styleSheet() == kGreen;
}

}  // namespace tools
