// Help on the main window: the "?" menu and the help files in the program's folder.
#include <QAction>

#include "app/form1.h"
#include "app/help/help_files.h"
#include "base/help_request.h"

namespace app {

void TForm1::ConnectHelp() {
  // The viewer reads the files from the program's folder; they travel inside the program.
  help::InstallHelpFiles(env_.programFolder);
  MenuAide->setEnabled(true);
  connect(MenuAide, &QAction::triggered, this, [] { base::ShowContents(); });
  connect(menugettingstarted, &QAction::triggered, this, [] { base::ShowGettingStarted(); });
}

}  // namespace app
