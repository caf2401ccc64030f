// The Group and Window menus on the main window: a group switch from an open explorer,
// the UTC mark, the "24" button, the first run, the slot keys
// and the AOS line with the explorer closed.
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "prediction/form_24h.h"
#include "prediction/form_date.h"
#include "prediction/panel_explorer.h"
#include "tests/app/ui_fixture.h"
#include "tracking/tracking_controller.h"

namespace app::test {
namespace {

class WindowMenuUiTest : public UiTest {
 protected:
  // Group 1 holds the first satellite of the sample file, group 2 the second; a GS-232.
  TForm1& StartTwoGroups() {
    CopySampleElements();
    numbers = SampleNumbers(2);
    QStringList second = {numbers[1]};
    while (second.size() < 15) second.append(QString());
    WriteSettings({numbers[0]},
                  {QStringLiteral("PREVIEW=OFF"), QStringLiteral("ANT=GS232"),
                   QStringLiteral("PORT_GS232=S0"),
                   QStringLiteral("GROUP2=Second,") + second.join(QLatin1Char(',')),
                   QStringLiteral("PATHNAME_G2=") + File(QStringLiteral("amateur.txt"))});
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    return f;
  }
  QStringList numbers;
};

TEST_F(WindowMenuUiTest, AGroupSwitchClosesTheExplorerAndRedrawsTheOpenChart) {
  TForm1& f = StartTwoGroups();
  ASSERT_TRUE(f.CompactListShowing());
  const std::string firstName = f.Slots()[0].name;
  ASSERT_FALSE(firstName.empty());
  f.SpeedButton24h->click();
  ASSERT_TRUE(f.Chart24Window()->isVisible());
  EXPECT_TRUE(f.Chart24Window()->LabelS[0]->text().contains(QString::fromStdString(firstName)));

  f.ShowSlot(1);
  ASSERT_TRUE(f.ExplorerShowing());
  EXPECT_TRUE(f.SpeedButton24h->isHidden());  // no "24" while the explorer is open
  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  ASSERT_TRUE(f.Tracking().TrackingActive);
  f.MenuDateCalcul->trigger();
  ASSERT_TRUE(f.DateWindow()->isVisible());

  f.MenuGroupeN[1]->trigger();
  EXPECT_EQ(f.ActiveGroup(), 2);
  EXPECT_FALSE(f.Tracking().TrackingActive);
  ASSERT_FALSE(serial[0].writes.empty());
  EXPECT_EQ(serial[0].writes.back(), "S\r");
  EXPECT_FALSE(f.DateWindow()->isVisible());
  EXPECT_FALSE(f.ExplorerShowing());
  EXPECT_TRUE(f.CompactListShowing());
  EXPECT_FALSE(f.SpeedButton24h->isHidden());
  const std::string secondName = f.Slots()[0].name;
  ASSERT_NE(secondName, firstName);
  ASSERT_TRUE(f.Chart24Window()->isVisible());
  EXPECT_TRUE(f.Chart24Window()->LabelS[0]->text().contains(QString::fromStdString(secondName)));
}

TEST_F(WindowMenuUiTest, UtcMarkAndTheChartButtonHint) {
  TForm1& f = StartTwoGroups();
  EXPECT_EQ(f.SpeedButton24h->toolTip(), QStringLiteral("24 hour schedule"));
  EXPECT_EQ(f.LabelTU->text(), QString());
  f.MenuTU->trigger();
  EXPECT_EQ(f.LabelTU->text(), QStringLiteral("UTC"));
  f.MenuTU->trigger();
  EXPECT_EQ(f.LabelTU->text(), QString());
}

TEST_F(WindowMenuUiTest, TheFirstRunKeepsTheGroupMenuHidden) {
  TForm1& f = Start();
  EXPECT_TRUE(f.SettingsPanelShowing());
  EXPECT_FALSE(f.MenuGroupe->menuAction()->isVisible());
}

TEST_F(WindowMenuUiTest, SlotKeyTStartsTrackingAndTheCurrencySignNeedsNoModifier) {
  TForm1& f = StartTwoGroups();
  f.ShowSlot(1);
  ASSERT_TRUE(f.ExplorerShowing());
  QLineEdit* slot = f.Edit[0];
  const bool line = f.Explorer()->TrackingLineOn();
  QKeyEvent shifted(QEvent::KeyPress, Qt::Key_currency, Qt::ShiftModifier, QStringLiteral("\u00a4"));
  QCoreApplication::sendEvent(slot, &shifted);
  EXPECT_EQ(f.Explorer()->TrackingLineOn(), line);
  QKeyEvent plain(QEvent::KeyPress, Qt::Key_currency, Qt::NoModifier, QStringLiteral("\u00a4"));
  QCoreApplication::sendEvent(slot, &plain);
  EXPECT_EQ(f.Explorer()->TrackingLineOn(), !line);

  QKeyEvent ctrlT(QEvent::KeyPress, Qt::Key_T, Qt::ControlModifier, QStringLiteral("\x14"));
  QCoreApplication::sendEvent(slot, &ctrlT);
  EXPECT_FALSE(f.Tracking().TrackingActive);
  QKeyEvent t(QEvent::KeyPress, Qt::Key_T, Qt::ShiftModifier, QStringLiteral("T"));
  QCoreApplication::sendEvent(slot, &t);
  EXPECT_TRUE(f.Tracking().TrackingActive);
  ASSERT_EQ(serial[0].writes.size(), 1u);
  EXPECT_EQ(serial[0].writes[0].front(), 'W');
  // T again does not switch tracking off.
  QCoreApplication::sendEvent(slot, &t);
  EXPECT_TRUE(f.Tracking().TrackingActive);
}

TEST_F(WindowMenuUiTest, TheAosLineGoesOutWithTheExplorerClosed) {
  reports.tcpConnected = true;
  TForm1& f = StartTwoGroups();
  f.ShowSlot(1);
  ASSERT_TRUE(f.ExplorerShowing());
  f.Explorer()->CloseExplorer();
  ASSERT_FALSE(f.ExplorerShowing());
  reports.tcpLines.clear();
  for (int i = 0; i < 3; ++i) {
    clock.AdvanceSeconds(1);
    f.TimersecondeTimer();
  }
  // Once, until something clears it, with the values of the slot's first minute: ALSAT 1N
  // is in its pass at 11:00 UTC, azimuth 352, elevation 13, 18965 ppb, by the reference
  // formulas.
  ASSERT_EQ(reports.tcpLines.size(), 1);
  EXPECT_EQ(reports.tcpLines[0], QStringLiteral("ALSAT 1N AZ:352.0 EL:13.0 RR:-5.68556396597 AH:N"));
}

}  // namespace
}  // namespace app::test
