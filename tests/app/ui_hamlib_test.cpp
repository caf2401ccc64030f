// The main window with the Hamlib daemons: ISS tracked on a dummy rotctld, the radio's
// daemon missing (its fault in LabelHamlibStatus, no box), the AOS command run, and the
// rotator daemon killed mid-pass (tracking stops with its warning, the tick goes on).
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "tests/app/ui_fixture.h"
#include "tests/tracking/hamlib_fixture.h"
#include "tracking/page_control_antenne.h"
#include "tracking/tracking_controller.h"

namespace app::test {
namespace {

class HamlibUiTest : public UiTest {
 protected:
  void TickFor(int seconds) {
    for (int s = 0; s < seconds; ++s) {
      clock.AdvanceSeconds(1);
      form->TimersecondeTimer();
      tracking::testing::SpinUntil([] { return false; }, 5);
    }
  }
};

TEST_F(HamlibUiTest, RotctldTracksTheRigFaultShowsInTheLabelAndTheAosCommandRuns) {
  tracking::testing::Daemon rotctld(QStringLiteral("rotctld"));
  ASSERT_TRUE(rotctld.ready()) << "rotctld (libhamlib-utils) did not start";
  const int noRig = tracking::testing::FreeLoopbackPort();
  const QString marks = folder.filePath(QStringLiteral("aos.txt"));
  const QString script = folder.filePath(QStringLiteral("aos.sh"));
  {
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\necho \"$ORVANE_EVENT $ORVANE_NORAD\" > \"$1\"\n");
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  CopySampleElements();
  WriteSettings({QStringLiteral("25544")},
                {QStringLiteral("PREVIEW=OFF"), QStringLiteral("ANT=ROTCTLD"),
                 QStringLiteral("ROTCTLD_PORT=%1").arg(rotctld.port()), QStringLiteral("RIGCTLD=ON"),
                 QStringLiteral("RIGCTLD_PORT=%1").arg(noRig),
                 QStringLiteral("AOS_COMMAND=") + script + QLatin1Char(' ') + marks});
  TForm1& f = Start();
  f.TimerFinCreateTimer();
  const double aos = static_cast<double>(f.Slots()[0].passStart) + 1.0 / 24;
  clock.Set(aos - 30.0 / 86400);
  f.MenuInitialisation->trigger();
  f.BitBtn_OK_Location->click();
  f.ShowSlot(1);
  ASSERT_TRUE(f.ExplorerShowing());
  ASSERT_TRUE(f.SpeedButtonTrack->isEnabled());
  EXPECT_TRUE(f.SpeedButtonTrack->toolTip().contains(
      QStringLiteral("Ant=ROTCTLD/127.0.0.1:%1/").arg(rotctld.port())))
      << f.SpeedButtonTrack->toolTip().toStdString();
  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  ASSERT_TRUE(f.Tracking().TrackingActive);

  TickFor(60);  // through AOS
  EXPECT_TRUE(f.Tracking().TrackingActive);
  EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join(" / ").toStdString();
  ASSERT_TRUE(tracking::testing::SpinUntil([&] { return QFile::exists(marks); }, 3000));
  QFile m(marks);
  ASSERT_TRUE(m.open(QIODevice::ReadOnly));
  EXPECT_EQ(m.readAll().trimmed(), QByteArray("AOS 25544"));
  QLabel* status = f.PageControlAntenne->LabelHamlibStatus;
  EXPECT_TRUE(status->text().startsWith(QStringLiteral("rigctld 127.0.0.1:%1 error (").arg(noRig)))
      << status->text().toStdString();
  // The daemon has the pass's position (the dummy needs time to get there).
  const QStringList p = rotctld.Ask(QStringLiteral("p"), 2);
  ASSERT_EQ(p.size(), 2);

  rotctld.Kill();
  TickFor(5);
  EXPECT_FALSE(f.Tracking().TrackingActive);
  EXPECT_FALSE(f.SpeedButtonTrack->isChecked());
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_TRUE(dialogs.warnings[0].startsWith(
      QStringLiteral("rotctld 127.0.0.1:%1 error (").arg(rotctld.port())));
  TickFor(3);  // the tick goes on, without more boxes
  EXPECT_EQ(dialogs.warnings.size(), 1);
  EXPECT_NE(f.EditElevation->text(), QStringLiteral("####"));
}

}  // namespace
}  // namespace app::test
