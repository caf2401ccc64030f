// Pictures of the program's windows in each language, to look at them by eye (not a test):
// app_shots <folder>. Writes <window>_<language>.png for every window and language.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "app/download/download_desk.h"
#include "app/download/form_alarm_tle.h"
#include "app/download/form_apropos.h"
#include "app/download/form_web.h"
#include "app/form1.h"
#include "app/form_rename.h"
#include "base/ansi_text.h"
#include "base/clock.h"
#include "base/sounds.h"
#include "map/form_help_map.h"
#include "map/form_html.h"
#include "map/form_map.h"
#include "prediction/form_24h.h"
#include "tools/form_conv.h"
#include "tools/form_dx.h"
#include "tools/form_lune.h"
#include "tools/form_orbit.h"
#include "tools/form_soleil.h"
#include "tracking/form_alarm.h"
#include "tracking/form_extra_info.h"
#include "tracking/recording_port_io.h"

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
  QDir().mkpath(out);

  QTemporaryDir folder;
  const QString elements = folder.filePath(QStringLiteral("amateur.txt"));
  QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/amateur.txt"), elements);
  base::WriteAnsiLines(folder.filePath(QStringLiteral("Orvane.ini")),
                       {QStringLiteral("[ORVANE]"), QStringLiteral("VERSION=3.8.4"),
                        QStringLiteral("QRA_LOCATOR=JN18DU"), QStringLiteral("LATTITUDE=N48.854"),
                        QStringLiteral("LONGITUDE=E2.292"), QStringLiteral("ALTITUDE=35"),
                        QStringLiteral("LOCAL-UTC=1"),
                        QStringLiteral("GROUP1=G1 - Amateur,25544,,,,,,,,,,,,,,"),
                        QStringLiteral("ACTIVE_GROUP=1"), QStringLiteral("PREVIEW=OFF"),
                        QStringLiteral("PATHNAME_G1=") + elements});

  base::TestClock clock(base::DateTimeValue(2018, 1, 21, 12, 0, 0));
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  tracking::RecordingPortIo portIo;
  app::Form1Environment environment;
  environment.clock = &clock;
  environment.sounds = &sounds;
  environment.dialogs = &dialogs;
  environment.programFolder = folder.path();
  environment.terminate = [] {};
  environment.serialPorts = QStringList{QStringLiteral("ttyS0")};
  environment.portIo = &portIo;
  app::TForm1 form(std::move(environment));
  form.WindowsReady = true;
  form.show();
  form.TimerFinCreateTimer();
  form.ShowSlot(1);

  app::download::DownloadDesk& desk = form.Downloads();
  const std::pair<const char*, QWidget*> windows[] = {
      {"map", form.MapWindow()},
      {"legend", form.MapWindow()->Legend()},
      {"html", form.MapWindow()->HtmlSettings()},
      {"sun", form.SunWindow()},
      {"moon", form.MoonWindow()},
      {"download", desk.WebWindow()},
      {"passalarm", form.AlarmWindow()},
      {"agealarm", desk.AlarmWindow()},
      {"about", desk.AboutWindow()},
      {"extrainfo", form.ExtraInfoWindow()},
      {"rename", form.RenameWindow()},
      {"chart24", form.Chart24Window()},
      {"dx", form.DxWindow()},
      {"converter", form.ConverterWindow()},
      {"orbit", form.OrbitWindow()},
      {"main", &form},
  };
  const std::pair<const char*, QAction*> languages[] = {
      {"en", form.MenuEnglish}, {"es", form.MenuEspagnol}, {"fr", form.MenuFrancais},
      {"de", form.MenuDeutsch}, {"it", form.MenuItalien}};
  for (const auto& [code, item] : languages) {
    item->trigger();
    for (const auto& [name, window] : windows) {
      if (window == desk.AlarmWindow())
        desk.AlarmWindow()->ShowAlarm(QStringLiteral("amateur.txt"), 7,
                                      app::download::TFormAlarmTLE::Mode::Manual);
      else if (window == form.Chart24Window())
        form.Chart24Window()->SpeedButton24hClick();  // opens it on the shown passes
      else
        window->show();
      if (!window->isVisible()) window->show();
      QApplication::processEvents();
      QApplication::processEvents();
      window->grab().save(QStringLiteral("%1/%2_%3.png").arg(out, QLatin1String(name),
                                                              QLatin1String(code)));
      if (window != &form) window->hide();
    }
  }
  form.MenuEnglish->trigger();
  QTextStream(stdout) << "written to " << out << "\n";
  return 0;
}
