#include "base/help_button.h"

#include <QEvent>
#include <QShortcut>

#include "base/help_request.h"

namespace base {

HelpButton::HelpButton(int topic, QWidget* parent) : QToolButton(parent), topic_(topic) {
  setText(QStringLiteral("?"));
  setAutoRaise(false);
  setFocusPolicy(Qt::TabFocus);
  connect(this, &QToolButton::clicked, this, [this] { ShowTopic(topic_); });
  Retranslate();
}

void HelpButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QToolButton::changeEvent(event);
}

void HelpButton::Retranslate() {
  setToolTip(tr("Help on this window (F1)"));
}

void InstallHelpKey(QWidget* window, int topic) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
  key->setObjectName(QStringLiteral("HelpKey"));
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, window, [topic] { ShowTopic(topic); });
}

HelpButton* NewHelpButton(QWidget* parent, int topic, const QString& objectName) {
  auto* button = new HelpButton(topic, parent);
  button->setObjectName(objectName);
  return button;
}

HelpButton* InstallHelp(QWidget* window, int topic) {
  InstallHelpKey(window, topic);
  return NewHelpButton(window, topic);
}

}  // namespace base
