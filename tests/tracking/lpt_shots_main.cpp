// Shows the POURSAT or FODTrack tab over a recording printer port with LPT1 at 0378 and
// LPT3 at 03BC, to look at it (not a test): lpt_shots pour|fod|lptx|locked.
//   lptx: chooses LPTx with the text "ZZZ" and shows the warning;
//   locked: no port access, LPT1 clicked, the error box.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "base/sounds.h"
#include "tracking/page_control_antenne.h"
#include "tracking/printer_port_sender.h"
#include "tracking/radio_group.h"
#include "tracking/recording_links.h"
#include "tracking/recording_port_io.h"
#include "tracking/tracking_controller.h"
#include "tracking/tracking_options.h"

namespace {

class BoxDialogs : public base::Dialogs {
 public:
  void Warning(const QString& text) override { QMessageBox::warning(nullptr, "ORVANE", text); }
  void Error(const QString& text) override { QMessageBox::critical(nullptr, "ORVANE", text); }
  void Information(const QString& text) override { QMessageBox::information(nullptr, "ORVANE", text); }
};

}  // namespace

int main(int argc, char** argv) {
  using namespace tracking;
  QApplication app(argc, argv);
  const QString what = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("pour");

  std::array<RecordingSerialLink, 6> serial;
  RecordingArswin arswin;
  RecordingLauncher launcher;
  RotatorBank::Links links;
  for (std::size_t i = 0; i < serial.size(); ++i) links.serial[i] = &serial[i];
  links.arswin = &arswin;
  links.launcher = &launcher;
  RotatorBank bank(links, [](int) {});
  RecordingPortIo io;
  io.devices = {{0, 0x378, QStringLiteral("/dev/parport0")}, {2, 0x3BC, QStringLiteral("/dev/parport2")}};
  io.driverInstalled = what != QStringLiteral("locked");
  CommandState state;
  AntennaSetup setup;
  PrinterPortBank printer(io, setup);
  printer.StartUp();
  base::RecordingSounds sounds;
  BoxDialogs dialogs;
  TrackingController controller(bank, state, setup, printer, {});
  TrackingOptions options(setup, &controller);

  PageControlAntenne::Environment env;
  env.sounds = &sounds;
  env.dialogs = &dialogs;
  env.bank = &bank;
  env.printerPorts = &printer;
  env.state = &state;
  env.setup = &setup;
  env.controller = &controller;
  env.options = &options;
  env.serialPorts = QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
  PageControlAntenne panel(env);
  panel.resize(640, 380);
  panel.move(20, 20);
  panel.show();
  const Interface card = what == QStringLiteral("pour") ? Interface::PourSat : Interface::FodTrack;
  panel.setCurrentWidget(panel.Controls(card).sheet);
  panel.RefreshPrinterPorts();
  if (what == QStringLiteral("lptx")) {
    QTimer::singleShot(300, [&] {
      panel.Controls(card).lptAddress->setText(QStringLiteral("ZZ"));
      panel.Controls(card).port->Click(3);
    });
  } else if (what == QStringLiteral("locked")) {
    QTimer::singleShot(300, [&] { panel.Controls(card).port->Click(0); });
  } else {
    panel.Controls(card).select->click();
  }
  return QApplication::exec();
}
