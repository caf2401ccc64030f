// Renders the explorer, the 24-hour chart (15 and 4 satellites) and a printed page into
// a folder, to look at them: prediction_shots <folder>.
#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>

#include "prediction/form_24h.h"
#include "prediction/form_date.h"
#include "prediction/form_print.h"
#include "prediction/panel_explorer.h"
#include "sample_slots.h"

using namespace prediction;

namespace {

int Fill(SlotTable& table, testing::Station& st, int count) {
  int n = 0;
  auto& content = testing::SampleContent();
  for (std::size_t i = 0; i + 2 < content.size() && n < count; ++i) {
    const std::string line = content[i];
    if (content[i + 1].rfind("1 ", 0) != 0) continue;
    PassSlot& slot = table[static_cast<std::size_t>(n)];
    if (!testing::LoadSample(slot, line)) continue;
    SearchPass(st.ctx, slot);
    ++n;
  }
  return n;
}

void Chart(const QString& dir, int count, const QString& file) {
  testing::Station st;
  st.SetUtc(21, 13, 37);
  auto table = std::make_unique<SlotTable>();
  Fill(*table, st, count);
  NavigationHistory history;
  Chart24Environment env;
  env.slotTable = table.get();
  env.search = &st.ctx;
  env.history = &history;
  env.clock = &st.clock;
  env.timerRunning = [] { return true; };
  env.utcDisplay = [] { return false; };
  TForm24H chart(env);
  chart.SpeedButton24hClick();
  chart.grab().save(dir + file);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString dir = (argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")) + QLatin1Char('/');
  QDir().mkpath(dir);

  testing::Station st;
  st.SetUtc(21, 18, 0);
  auto table = std::make_unique<SlotTable>();
  testing::LoadSample((*table)[0], "ISS (ZARYA)");
  SearchPass(st.ctx, (*table)[0]);
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  ExplorerEnvironment env;
  env.slotTable = table.get();
  env.search = &st.ctx;
  env.sounds = &sounds;
  env.dialogs = &dialogs;
  PanelExplorer panel(env);
  panel.resize(880, 360);
  panel.ShowEphemeris(1);
  panel.grab().save(dir + QStringLiteral("explorer.png"));

  TFormDate date(&sounds);
  date.ShowDateWindow(0, st.clock.Now(), 1, false);
  date.grab().save(dir + QStringLiteral("date.png"));

  TFormPRINT print(&sounds, &dialogs);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir + QStringLiteral("print.pdf"));
  print.SetPrinter(&printer);
  print.ShowFor(panel.SatelliteName(), panel.ShownRows(), panel.FileHeaderText());
  print.grab().save(dir + QStringLiteral("print_window.png"));
  print.BitBtnPrintOKClick();
  QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                                                 QStringLiteral("-singlefile"), dir + QStringLiteral("print.pdf"),
                                                 dir + QStringLiteral("print_page")});

  Chart(dir, 15, QStringLiteral("chart15.png"));
  Chart(dir, 4, QStringLiteral("chart4.png"));
  return 0;
}
