#include "tools/form_help_my_list.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "base/help_button.h"

namespace tools {

TFormHelpMyList::TFormHelpMyList(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TFormHelpMyList"));
  auto* layout = new QVBoxLayout(this);
  MemoHelp = new QPlainTextEdit;
  MemoHelp->setObjectName(QStringLiteral("MemoHelp"));
  MemoHelp->setReadOnly(true);
  MemoHelp->setMinimumSize(520, 300);
  layout->addWidget(MemoHelp);
  layout->addWidget(base::InstallHelp(this, base::kHelpTopicTools), 0, Qt::AlignRight);
  ApplyLanguage();
}

void TFormHelpMyList::ApplyLanguage() {
  setWindowTitle(tr("Your own list"));
  MemoHelp->setPlainText(
      tr("Your own list is a text file with the extension .bdx, one place a line.\n"
         "The fields of a line are separated by a TAB:\n"
         "  1) prefix, number or any reference\n"
         "  2) name of the place or call sign\n"
         "  3) latitude in decimal degrees, such as 48.85N or 33.87S\n"
         "  4) longitude in decimal degrees, such as 2.35E or 151.21E\n"
         "  5) a comment (optional)\n"
         "The decimal separator may be a point or a comma; the decimal part is optional.\n"
         "Lines containing \"=\", \"/\" or \"_\" are skipped; lines beginning with \"[\" are "
         "comments.\n"
         "Click right on MY LIST to choose the file."));
}

void TFormHelpMyList::showEvent(QShowEvent* event) {
  ApplyLanguage();
  QWidget::showEvent(event);
}

void TFormHelpMyList::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

}  // namespace tools
