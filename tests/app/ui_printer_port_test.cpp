// The printer-port cards on the main window: the detected ports on their pages, parking
// and the release of the port at quit, and a machine without port access.
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "tests/app/ui_fixture.h"
#include "tracking/page_control_antenne.h"
#include "tracking/printer_ports.h"
#include "tracking/radio_group.h"

namespace app::test {
namespace {

class PrinterPortUiTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    portIo.devices = {{0, 0x378, QStringLiteral("/dev/parport0")}};
  }
  tracking::PageControlAntenne::Tab& Tab(tracking::Interface card) {
    return form->PageControlAntenne->Controls(card);
  }
};

TEST_F(PrinterPortUiTest, PagesShowTheDetectedPortAndQuitParksThenReleasesIt) {
  WriteSettings({}, {QStringLiteral("ANT=POURSAT"), QStringLiteral("LPT_POURSAT=1"),
                     QStringLiteral("PARKING=POURSAT"), QStringLiteral("TESTAZ_POURSAT=180"),
                     QStringLiteral("TESTEL_POURSAT=45")});
  TForm1& f = Start();
  EXPECT_TRUE(Tab(tracking::Interface::PourSat).select->isChecked());
  EXPECT_TRUE(f.SpeedButtonTrack->isEnabled());
  f.BitBtnAntenneClick();
  EXPECT_FALSE(f.GroupBoxAntenna->isHidden());
  for (tracking::Interface card : {tracking::Interface::PourSat, tracking::Interface::FodTrack}) {
    EXPECT_EQ(Tab(card).port->Button(0)->text(), QStringLiteral("LPT1 [0378h]"));
    EXPECT_EQ(Tab(card).port->Button(2)->text(), QStringLiteral(" [0000h]"));
  }
  EXPECT_EQ(Tab(tracking::Interface::FodTrack).port->ItemIndex(), 0);

  portIo.events.clear();
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  EXPECT_EQ(terminated, 1);
  // Parking: the test position 180°/45° as bits 93/46 inside an opening and closing of the
  // port, then the quit's own release of the chosen port.
  using tracking::PortEvent;
  ASSERT_EQ(portIo.events.size(), 11u);
  EXPECT_EQ(portIo.events[0], (PortEvent{PortEvent::Enable, 0x378, 0x378}));
  EXPECT_EQ(portIo.Sequence(0x378),
            (std::vector<std::string>{"C0", "C8", "B93", "C10", "C1", "B46", "C3", "C0"}));
  EXPECT_EQ(portIo.events[9], (PortEvent{PortEvent::Disable, 0x378, 0x378}));
  EXPECT_EQ(portIo.events[10], (PortEvent{PortEvent::Disable, 0x378, 0x378}));
  QFile ini(File(QStringLiteral("Orvane.ini")));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QByteArray text = ini.readAll();
  EXPECT_TRUE(text.contains("ANT=POURSAT\r\n"));
  EXPECT_TRUE(text.contains("LPT_POURSAT=1\r\n"));
}

TEST_F(PrinterPortUiTest, WithoutPortAccessNoPortCanBeChosen) {
  portIo.driverInstalled = false;
  WriteSettings({}, {QStringLiteral("ANT=FODTRACK"), QStringLiteral("LPT_FODTRACK=1")});
  TForm1& f = Start();
  // The stored choice is not kept, so the card is not selected.
  EXPECT_FALSE(Tab(tracking::Interface::FodTrack).select->isChecked());
  EXPECT_FALSE(f.SpeedButtonTrack->isEnabled());
  f.BitBtnAntenneClick();
  EXPECT_EQ(Tab(tracking::Interface::FodTrack).port->ItemIndex(), -1);
  Tab(tracking::Interface::FodTrack).port->Click(0);
  EXPECT_EQ(Tab(tracking::Interface::FodTrack).port->ItemIndex(), -1);
  EXPECT_EQ(dialogs.errors, QStringList{tracking::DriverMissingMessage()});
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_TRUE(portIo.events.empty());
}

}  // namespace
}  // namespace app::test
