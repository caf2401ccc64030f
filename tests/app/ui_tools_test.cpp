// The sun and moon windows on the main window: their menu items and checks, the shared
// rotator, the coverage button, the time mode, FORM_MOON and the keys written at quit.
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QToolButton>

#include "sharing/tcp_server.h"
#include "tests/app/ui_fixture.h"
#include "tests/sharing/net_fixture.h"
#include "tools/form_lune.h"
#include "tools/form_soleil.h"
#include "tracking/form_alarm.h"
#include "tracking/tracking_controller.h"

namespace app::test {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Paris with a GS-232 on ttyS0, 2018-01-21 11:00 UTC: sun and moon both up.
class ToolsUiTest : public UiTest {
 protected:
  TForm1& StartComputed(const QStringList& extra = {}) {
    CopySampleElements();
    QStringList keys = {QStringLiteral("PREVIEW=OFF"), QStringLiteral("ANT=GS232"),
                        QStringLiteral("PORT_GS232=S0")};
    keys.append(extra);
    WriteSettings({QStringLiteral("25544")}, keys);
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    return f;
  }
  std::vector<std::string>& GsWrites() { return serial[0].writes; }
};

TEST_F(ToolsUiTest, SunItemOpensTheWindowAndClosingUnticksIt) {
  TForm1& f = StartComputed();
  ASSERT_TRUE(f.MenuSoleil->isEnabled());
  f.MenuSoleil->trigger();
  ASSERT_TRUE(f.SunWindow()->isVisible());
  EXPECT_TRUE(f.MenuSoleil->isChecked());
  EXPECT_TRUE(f.SunWindow()->LastView().visible);
  EXPECT_TRUE(f.SunWindow()->SpeedButtonTrackSoleil->isEnabled());  // the GS-232 is chosen
  f.SunWindow()->move(210, 130);
  f.SunWindow()->close();
  EXPECT_FALSE(f.MenuSoleil->isChecked());
  f.MenuSoleil->trigger();  // and back
  EXPECT_TRUE(f.SunWindow()->isVisible());
  f.MenuSoleil->trigger();
  EXPECT_FALSE(f.SunWindow()->isVisible());
}

TEST_F(ToolsUiTest, IncompleteStationIsRefusedAndTheItemStaysUnticked) {
  TForm1& f = StartComputed();
  f.EditAltitude->clear();
  f.MenuLune->trigger();
  EXPECT_FALSE(f.MoonWindow()->isVisible());
  EXPECT_FALSE(f.MenuLune->isChecked());
  EXPECT_EQ(dialogs.warnings.back(), QStringLiteral("Enter your altitude please ..."));
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  f.EditAltitude->setText(QStringLiteral("35"));
  f.EditLocalUTC->setText(QStringLiteral("one"));
  f.MenuSoleil->trigger();
  EXPECT_FALSE(f.SunWindow()->isVisible());
  EXPECT_FALSE(f.MenuSoleil->isChecked());
  EXPECT_EQ(dialogs.warnings.back(),
            QStringLiteral("Enter your locator or lattitude+longitude, please ..."));
}

TEST_F(ToolsUiTest, OneSourceAtATimeOnTheSameRotator) {
  TForm1& f = StartComputed();
  f.MenuLune->trigger();
  f.MenuSoleil->trigger();
  tools::TFormLune& moon = *f.MoonWindow();
  tools::TFormSoleil& sun = *f.SunWindow();
  ASSERT_TRUE(moon.SpeedButtonTrackLune->isEnabled());
  moon.SpeedButtonTrackLune->click();
  ASSERT_TRUE(moon.Tracking());
  ASSERT_EQ(GsWrites().size(), 1u);
  EXPECT_EQ(GsWrites()[0].substr(0, 1), "W");
  sun.SpeedButtonTrackSoleil->click();
  EXPECT_TRUE(sun.Tracking());
  EXPECT_FALSE(moon.Tracking());
  EXPECT_FALSE(moon.SpeedButtonTrackLune->isChecked());
  ASSERT_EQ(GsWrites().size(), 3u);
  EXPECT_EQ(GsWrites()[1], "S\r");
  // The main window's track button takes the rotator from the sun window.
  f.SpeedButtonTrackClick();
  EXPECT_TRUE(f.Tracking().TrackingActive);
  EXPECT_FALSE(sun.Tracking());
  EXPECT_EQ(GsWrites().back(), "S\r");
  EXPECT_EQ(f.RotatorCommandState().LastSentAz, tracking::CommandState::kNothingSent);
}

TEST_F(ToolsUiTest, HiddenMenuItemShowsTheCoverageButtonAndTimeModeIsShared) {
  TForm1& f = StartComputed();
  f.MenuLune->trigger();
  tools::TFormLune& moon = *f.MoonWindow();
  EXPECT_FALSE(moon.BitBtn1->isVisible());
  f.MenuEME->trigger();
  EXPECT_TRUE(moon.BitBtn1->isVisible());
  f.MenuEME->trigger();
  EXPECT_FALSE(moon.BitBtn1->isVisible());

  EXPECT_FALSE(moon.UtcMode());
  moon.menuUTC->trigger();
  EXPECT_TRUE(f.MenuTU->isChecked());
  EXPECT_TRUE(moon.UtcMode());
  f.MenuTU->trigger();
  EXPECT_FALSE(moon.UtcMode());
  EXPECT_TRUE(moon.MenuLocal->isChecked());
}

TEST_F(ToolsUiTest, MoonWindowOpenAtQuitIsKeptAndReopensAtStart) {
  {
    TForm1& f = StartComputed();
    f.MenuLune->trigger();
    tools::TFormLune& moon = *f.MoonWindow();
    moon.move(333, 222);
    moon.MenuFDopplerClick();
    moon.EditFDoppler->setText(QStringLiteral("1.296"));
    moon.EditLocatorDX->setText(QStringLiteral("km72ma"));
    moon.ButtonOKFDopplerClick();
    f.MenuNoConfirm->setChecked(true);
    f.MenuQuitterClick();
    EXPECT_FALSE(moon.isVisible());
  }
  const QByteArray text = ReadAll(File(QStringLiteral("Orvane.ini")));
  for (const char* line : {"FORM_MOON=1\r\n", "F_DOPPLER=1.296\r\n", "DX_EME=KM72MA\r\n"})
    EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
  EXPECT_TRUE(text.contains("DISPLAY_MOON=")) << text.toStdString();

  form.reset();
  TForm1& again = Start();
  EXPECT_FALSE(again.MoonWindow()->isVisible());
  ASSERT_TRUE(again.TimerFinCreate->isActive());  // the first computation, 75 ms away
  EXPECT_TRUE(QTest::qWaitFor([&] { return again.MoonWindow()->isVisible(); }, 2000));
  EXPECT_FALSE(again.TimerFinCreate->isActive());
  EXPECT_TRUE(again.MenuLune->isChecked());
  EXPECT_EQ(again.MoonWindow()->StoreSettings().dxLocator, QStringLiteral("KM72MA"));
  EXPECT_TRUE(again.MoonWindow()->StaticTextDopplerDX->text().contains(QStringLiteral("DX=KM72MA")));
}

TEST_F(ToolsUiTest, SettingsPanelPutsTheToolWindowsAway) {
  TForm1& f = StartComputed();
  f.MenuLune->trigger();
  f.MenuSoleil->trigger();
  f.MenuInitialisation->trigger();
  EXPECT_FALSE(f.MoonWindow()->isVisible());
  EXPECT_FALSE(f.SunWindow()->isVisible());
  EXPECT_FALSE(f.MenuSoleil->isChecked());
  // EXPLORE computes again; the moon window that was open comes back.
  f.BitBtn_OK_Location->click();
  EXPECT_TRUE(f.MoonWindow()->isVisible());
}

// The moon's line takes the program's own road to a real TCP client, next to the tick's.
TEST_F(ToolsUiTest, MoonLineReachesATcpClientOfTheProgramsServer) {
  realReports = true;
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const quint16 port = probe.serverPort();
  probe.close();
  TForm1& f = StartComputed({QStringLiteral("TCPIP_PORT=%1").arg(port),
                             QStringLiteral("IP_CHECKED=127.0.0.1")});
  ASSERT_TRUE(f.TcpServer().Running());
  sharing::test::LineClient client(port);
  ASSERT_TRUE(client.WaitLines(1));  // the greeting
  ASSERT_TRUE(sharing::test::WaitUntil([&] { return f.Reports().TcpClientConnected(); }));
  f.MenuLune->trigger();
  tools::TFormLune& moon = *f.MoonWindow();
  ASSERT_TRUE(moon.LastSecond().visible);
  moon.TimerSecondeTimer();
  auto moonLines = [&] {
    QList<QByteArray> found;
    for (const QByteArray& line : client.lines_)
      if (line.startsWith("MOON AZ:")) found.append(line);
    return found;
  };
  ASSERT_TRUE(sharing::test::WaitUntil([&] { return !moonLines().isEmpty(); }));
  const QByteArray line = moonLines().back();
  EXPECT_TRUE(line.endsWith(" AH:Y\r\n")) << line.toStdString();
  // The azimuth of the line is the one the window shows, with a period.
  const QString az = moon.EditAzLune->text().replace(QLatin1Char(','), QLatin1Char('.'));
  EXPECT_TRUE(line.startsWith(("MOON AZ:" + az + " EL:").toLatin1())) << line.toStdString();
}

TEST_F(ToolsUiTest, LanguageOfTheMainWindowReachesTheToolWindows) {
  TForm1& f = StartComputed({QStringLiteral("LANGUAGE=DEUTSCH")});
  QCoreApplication::processEvents();
  EXPECT_EQ(f.SunWindow()->windowTitle(), QStringLiteral("SONNE-TRACKING"));
  f.MenuItalien->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(f.SunWindow()->windowTitle(), QStringLiteral("TRACKING SOLE"));
  EXPECT_TRUE(f.MoonWindow()->windowTitle().startsWith(QStringLiteral("ORVANE - TRACKING LUNA")));
}

}  // namespace
}  // namespace app::test
