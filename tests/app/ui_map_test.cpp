// The map on the main window: the explorer's map button opens and closes it, the map
// shows the explorer's satellite, a right click sets the DX station kept in the settings
// file, and the map keys are read and written.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "map/form_map.h"
#include "map/map_view.h"
#include "prediction/panel_explorer.h"
#include "tests/app/ui_fixture.h"

namespace app::test {
namespace {

class MapTest : public UiTest {
 protected:
  TForm1& StartWithIss(const QStringList& extra = {}) {
    CopySampleElements();
    WriteSettings({QStringLiteral("25544")}, extra);
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    return f;
  }
};

TEST_F(MapTest, MapButtonShowsTheShownSatelliteAndComesUpWhenTheMapCloses) {
  TForm1& f = StartWithIss({QStringLiteral("ZOOM_MAP=200"), QStringLiteral("CENTRE=300"),
                            QStringLiteral("PENWIDTH=9"), QStringLiteral("SUN=ON")});
  QTest::mouseClick(f.Edit[0], Qt::LeftButton);
  ASSERT_TRUE(f.ExplorerShowing());
  ASSERT_NE(f.SpeedButtonMap, nullptr);
  EXPECT_EQ(f.SpeedButtonMap->toolTip(), "Show coverage area");
  f.SpeedButtonMap->click();
  map::TFormMap* m = f.MapWindow();
  ASSERT_NE(m, nullptr);
  EXPECT_TRUE(m->isVisible());
  EXPECT_TRUE(f.SpeedButtonMap->isChecked());
  EXPECT_EQ(m->windowTitle(), "ORVANE MAP [ISS (ZARYA)]");
  EXPECT_EQ(m->MapSize().width, 1200);
  EXPECT_TRUE(m->MenuLong180->isChecked());
  EXPECT_TRUE(m->menupen[1]->isChecked());  // PENWIDTH=9 read as 3
  EXPECT_TRUE(m->Picture().MarkerShown(map::MarkerKind::Qra));
  EXPECT_TRUE(m->Picture().MarkerShown(map::MarkerKind::Sun));
  EXPECT_TRUE(m->PanelNoir->text().startsWith("Black: Next visibility pass on"));
  // Closing the map releases the button; closing the explorer hides the map.
  m->close();
  EXPECT_FALSE(f.SpeedButtonMap->isChecked());
  f.SpeedButtonMap->click();
  EXPECT_TRUE(m->isVisible());
  f.Explorer()->BitBtnClosePanelExplorer->click();
  EXPECT_FALSE(m->isVisible());
  EXPECT_FALSE(f.SpeedButtonMap->isChecked());
}

TEST_F(MapTest, RightClickSetsTheDxStationOfTheSettingsFile) {
  TForm1& f = StartWithIss();
  QTest::mouseClick(f.Edit[0], Qt::LeftButton);
  f.SpeedButtonMap->click();
  map::TFormMap* m = f.MapWindow();
  ASSERT_TRUE(m->isVisible());
  // Zoom 100, centred on 0: (150, 100) is 30° N, 90° W.
  QTest::mouseClick(m->View, Qt::RightButton, Qt::NoModifier, QPoint(150, 100));
  EXPECT_EQ(f.CurrentSettings().latitudeDx, "N30" + QString(QLocale().decimalPoint()) + "00");
  EXPECT_TRUE(f.CurrentSettings().longitudeDx.startsWith("W90"));
  EXPECT_EQ(f.CurrentSettings().qraLocatorDx, "EM50AA");  // (180-90)/20 = E rest 10 -> 5; 120/10 = M rest 0
  EXPECT_TRUE(m->Picture().MarkerShown(map::MarkerKind::Dx));
  // The map keys go to the file at quit.
  m->MenuGrille->trigger();
  m->MenuNextOrbitPlus->trigger();
  AnswerNextQuestion(true);
  f.MenuQuitterClick();
  ASSERT_EQ(terminated, 1);
  QFile file(File(QStringLiteral("Orvane.ini")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromLatin1(file.readAll());
  EXPECT_TRUE(text.contains("GRID=ON\r\n"));
  EXPECT_TRUE(text.contains("TRACE+=ON\r\n"));
  EXPECT_TRUE(text.contains("TRACE=OFF\r\n"));
  EXPECT_TRUE(text.contains("QRA_LOCATOR_DX=EM50AA\r\n"));
  EXPECT_TRUE(text.contains("LATTITUDE_DX=N30"));
}

}  // namespace
}  // namespace app::test
