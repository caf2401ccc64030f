// The "Printer" groups of the POURSAT and FODTrack tabs over a recording printer port.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "controller_fixture.h"
#include "tracking/page_control_antenne.h"
#include "tracking/printer_port_sender.h"
#include "tracking/radio_group.h"
#include "tracking/recording_port_io.h"
#include "tracking/tracking_options.h"

namespace tracking {
namespace {

struct LptPanel {
  explicit LptPanel(bool access = true) {
    io.driverInstalled = access;
    io.devices = {{0, 0x378, QStringLiteral("/dev/parport0")}};
    printer.StartUp();
    f.setup.selected.reset();
    options = std::make_unique<TrackingOptions>(f.setup, f.controller.get());
    PageControlAntenne::Environment env;
    env.sounds = &f.sounds;
    env.dialogs = &f.dialogs;
    env.bank = f.bank.get();
    env.printerPorts = &printer;
    env.state = &f.state;
    env.setup = &f.setup;
    env.controller = f.controller.get();
    env.options = options.get();
    env.serialPorts = QStringList{QStringLiteral("ttyS0")};
    panel = std::make_unique<PageControlAntenne>(env);
  }
  PageControlAntenne::Tab& Tab(Interface i) { return panel->Controls(i); }

  testing::ControllerFixture f;
  RecordingPortIo io;
  PrinterPortBank printer{io, f.setup};
  std::unique_ptr<TrackingOptions> options;
  std::unique_ptr<PageControlAntenne> panel;
};

TEST(PrinterPortGroup, RefreshShowsTheDetectedPortsAndChoosesLpt1) {
  LptPanel p;
  p.panel->RefreshPrinterPorts();
  for (Interface card : {Interface::PourSat, Interface::FodTrack}) {
    RadioGroup* group = p.Tab(card).port;
    EXPECT_EQ(group->Button(0)->text(), QStringLiteral("LPT1 [0378h]"));
    EXPECT_EQ(group->Button(1)->text(), QStringLiteral(" [0000h]"));
    EXPECT_EQ(group->Button(3)->text(), QStringLiteral("LPTx"));
    EXPECT_EQ(group->ItemIndex(), 0);
  }
  // Without access nothing stays chosen.
  LptPanel locked(false);
  locked.Tab(Interface::PourSat).port->SetItemIndex(0);
  locked.panel->RefreshPrinterPorts();
  EXPECT_EQ(locked.Tab(Interface::PourSat).port->ItemIndex(), -1);
}

TEST(PrinterPortGroup, InvalidLptxIsClearedAndTheCardUnselected) {
  LptPanel p;
  PageControlAntenne::Tab& t = p.Tab(Interface::PourSat);
  t.port->Click(0);
  t.select->click();
  ASSERT_TRUE(t.select->isChecked());
  t.lptAddress->setText(QStringLiteral("0000"));
  t.port->Click(3);
  EXPECT_EQ(t.port->ItemIndex(), -1);
  EXPECT_FALSE(t.select->isChecked());
  EXPECT_FALSE(p.f.setup.selected.has_value());
  ASSERT_EQ(p.f.dialogs.warnings.size(), 1);
  EXPECT_TRUE(p.f.dialogs.warnings[0].endsWith(QStringLiteral("LPT1 : 0378 / ")));
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 1);

  t.lptAddress->setText(QStringLiteral("378"));
  t.port->Click(3);
  EXPECT_EQ(t.port->ItemIndex(), 3);
  EXPECT_EQ(p.io.events, (std::vector<PortEvent>{{PortEvent::Enable, 0x378, 0x378}}));
  EXPECT_EQ(p.f.setup.pourSat.lptEntry, 3);
}

TEST(PrinterPortGroup, PortNotFoundOrNoAccessIsRefused) {
  LptPanel p;
  PageControlAntenne::Tab& t = p.Tab(Interface::FodTrack);
  t.port->Click(2);  // LPT3 was not found
  EXPECT_EQ(t.port->ItemIndex(), -1);
  EXPECT_TRUE(p.f.dialogs.warnings.isEmpty());
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 1);

  LptPanel locked(false);
  locked.Tab(Interface::FodTrack).port->Click(0);
  EXPECT_EQ(locked.Tab(Interface::FodTrack).port->ItemIndex(), -1);
  EXPECT_EQ(locked.f.dialogs.errors, QStringList{DriverMissingMessage()});
}

TEST(PrinterPortGroup, StoredChoiceOfAMissingPortIsDroppedAtStartUp) {
  LptPanel p;
  AntennaPanelValues v = DefaultAntennaPanelValues();
  v.selected = Interface::PourSat;
  v.antennas[IndexOf(Interface::PourSat)].lptEntry = 1;  // LPT2: not on this machine
  p.panel->Load(v);
  ASSERT_TRUE(p.Tab(Interface::PourSat).select->isChecked());
  p.panel->CheckPrinterPortChoices();
  EXPECT_FALSE(p.Tab(Interface::PourSat).select->isChecked());
  EXPECT_EQ(p.Tab(Interface::PourSat).port->ItemIndex(), -1);
  EXPECT_FALSE(p.f.setup.selected.has_value());
  // LPT1 is there: kept.
  v.antennas[IndexOf(Interface::PourSat)].lptEntry = 0;
  p.panel->Load(v);
  p.panel->CheckPrinterPortChoices();
  EXPECT_TRUE(p.Tab(Interface::PourSat).select->isChecked());
  EXPECT_EQ(p.f.setup.selected, Interface::PourSat);
}

}  // namespace
}  // namespace tracking
