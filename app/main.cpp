// Program entry: the main window first, then the other windows, then the message loop.
#include <QApplication>
#include <QDir>

#include "app/form1.h"
#include "app/help/help_desk.h"
#include "app/widget_dialogs.h"
#include "base/clock.h"
#include "base/program_folder.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ORVANE"));
  QApplication::setApplicationDisplayName(QStringLiteral("ORVANE"));
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  base::SystemClock clock;
  app::WidgetSounds sounds;
  app::WidgetDialogs dialogs;
  app::Form1Environment environment;
  environment.clock = &clock;
  environment.sounds = &sounds;
  environment.dialogs = &dialogs;
  environment.programFolder = base::ProgramFolder();
  environment.terminate = [] { QCoreApplication::exit(0); };

  const QString programFolder = environment.programFolder;
  app::TForm1 form(std::move(environment));
  dialogs.SetParent(&form);

  // Every window's F1 and "?" button end here: the viewer with the current language's file.
  app::help::HelpDeskEnvironment help;
  help.helpFile = [&form] { return form.HelpFile(); };
  help.currentLanguage = [&form] { return form.CurrentLanguage; };
  help.programFolder = programFolder;
  help.dialogs = &dialogs;
  app::help::HelpDesk helpDesk(std::move(help));
  base::SetHelpHandler(&helpDesk);
  // The secondary windows are created here, after the main window, as they come.
  form.WindowsReady = true;
  if (!form.isVisible()) form.show();
  const int code = QApplication::exec();
  base::SetHelpHandler(nullptr);
  return code;
}
