// The DX station, converter and orbit windows on the main window: their buttons, the slot
// keys X and S, the map's right click and the keys written at quit.
#include <QFile>
#include <QLocale>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "map/form_map.h"
#include "map/map_view.h"
#include "prediction/panel_explorer.h"
#include "tests/app/ui_fixture.h"
#include "tools/form_conv.h"
#include "tools/form_dx.h"
#include "tools/form_orbit.h"

namespace app::test {
namespace {

class DxUiTest : public UiTest {
 protected:
  // The ISS shown, a DX station at the ground station's own place.
  TForm1& StartShown(const QStringList& extra = {}) {
    CopySampleElements();
    QStringList keys = {QStringLiteral("QRA_LOCATOR_DX=JN18DU"),
                        QStringLiteral("LATTITUDE_DX=N48.854"),
                        QStringLiteral("LONGITUDE_DX=E2.292"), QStringLiteral("ALTITUDE_DX=35")};
    keys.append(extra);
    WriteSettings({QStringLiteral("25544")}, keys);
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    QTest::mouseClick(f.Edit[0], Qt::LeftButton);
    EXPECT_TRUE(f.ExplorerShowing());
    return f;
  }
};

TEST_F(DxUiTest, DxButtonAndKeyXShowTheStationsOwnPass) {
  TForm1& f = StartShown();
  ASSERT_NE(f.SpeedButtonSked, nullptr);
  EXPECT_EQ(f.SpeedButtonSked->text(), "DX");
  f.SpeedButtonSked->click();
  tools::TFormDX* dx = f.DxWindow();
  ASSERT_TRUE(dx->isVisible());
  EXPECT_EQ(dx->windowTitle(), "DX via ISS (ZARYA)");
  // The DX station stands where the station does: every minute of the pass is listed.
  EXPECT_EQ(dx->ListBoxEphemeridsDX->count(), f.Explorer()->ListBoxEphemerids->count());
  EXPECT_EQ(dx->ListBoxEphemeridsDX->item(0)->text().left(18),
            f.Explorer()->ListBoxEphemerids->item(0)->text().left(18));
  EXPECT_TRUE(dx->TimerSecondeDX->isActive());
  dx->close();
  EXPECT_FALSE(f.SpeedButtonSked->isChecked());
  // X on the shown slot opens and closes it, in either case.
  QTest::keyClick(f.Edit[0], Qt::Key_X);
  EXPECT_TRUE(dx->isVisible());
  EXPECT_TRUE(f.SpeedButtonSked->isChecked());
  QTest::keyClick(f.Edit[0], Qt::Key_X, Qt::ShiftModifier);
  EXPECT_FALSE(dx->isVisible());
  // Closing the explorer hides the window and releases the button.
  f.SpeedButtonSked->click();
  ASSERT_TRUE(dx->isVisible());
  f.Explorer()->BitBtnClosePanelExplorer->click();
  EXPECT_FALSE(dx->isVisible());
  EXPECT_FALSE(f.SpeedButtonSked->isChecked());
}

TEST_F(DxUiTest, KeySSwitchesTheSynchronisationKeptAtQuit) {
  TForm1& f = StartShown();
  EXPECT_FALSE(f.DxSynchronised());
  QTest::keyClick(f.Edit[0], Qt::Key_S);
  EXPECT_TRUE(f.DxSynchronised());
  EXPECT_TRUE(f.DxWindow()->SpeedButtonSynchro->isChecked());
  QTest::keyClick(f.Edit[0], Qt::Key_S);
  EXPECT_FALSE(f.DxSynchronised());
  f.DxWindow()->SpeedButtonSynchro->click();
  EXPECT_TRUE(f.DxSynchronised());
  AnswerNextQuestion(true);
  f.MenuQuitterClick();
  ASSERT_EQ(terminated, 1);
  QFile file(File(QStringLiteral("Orvane.ini")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromLatin1(file.readAll());
  EXPECT_TRUE(text.contains("SYNCHRO=ON\r\n"));
  // The settings file keeps the numbers with the user's decimal separator.
  EXPECT_TRUE(text.contains("LATTITUDE_DX=N48" + QString(QLocale().decimalPoint()) + "854\r\n"));
}

TEST_F(DxUiTest, SynchronisationIsReadFromTheSettings) {
  TForm1& f = StartShown({QStringLiteral("SYNCHRO=ON")});
  EXPECT_TRUE(f.DxSynchronised());
  EXPECT_TRUE(f.DxWindow()->SpeedButtonSynchro->isChecked());
}

TEST_F(DxUiTest, MapRightClickHandsTheDxStationOver) {
  TForm1& f = StartShown();
  f.SpeedButtonMap->click();
  map::TFormMap* m = f.MapWindow();
  ASSERT_TRUE(m->isVisible());
  ASSERT_FALSE(f.DxWindow()->isVisible());
  // Zoom 100, centred on 0: (150, 100) is 30 N, 90 W.
  QTest::mouseClick(m->View, Qt::RightButton, Qt::NoModifier, QPoint(150, 100));
  tools::TFormDX* dx = f.DxWindow();
  ASSERT_TRUE(dx->isVisible());
  EXPECT_TRUE(f.SpeedButtonSked->isChecked());
  EXPECT_EQ(dx->EditQRALocator->text(), "EM50AA");
  EXPECT_NEAR(dx->EditLattitude->text().replace(',', '.').toDouble(), 30, 1e-9);
  EXPECT_NEAR(dx->EditLongitude->text().replace(',', '.').toDouble(), 90, 1e-9);
  EXPECT_TRUE(dx->CheckBox_Lattitude_Nord->isChecked());
  EXPECT_TRUE(dx->CheckBox_Longitude_Ouest->isChecked());
  // Texas hardly sees a pass over Paris: the window says so.
  EXPECT_EQ(dx->ListBoxEphemeridsDX->item(0)->text(), "  This DX can't be heard during this pass!");
  // A second click while the window is open moves it again: 60 N, 90 W.
  QTest::mouseClick(m->View, Qt::RightButton, Qt::NoModifier, QPoint(150, 50));
  EXPECT_NEAR(dx->EditLattitude->text().replace(',', '.').toDouble(), 60, 1e-9);
  EXPECT_EQ(dx->EditQRALocator->text(), "EP50AA");
}

TEST_F(DxUiTest, BothQuestionButtonsOpenTheConverter) {
  TForm1& f = StartShown();
  ASSERT_TRUE(f.ButtonConv->isEnabled());
  f.ButtonConv->click();
  tools::TFormConv* conv = f.ConverterWindow();
  ASSERT_TRUE(conv->isVisible());
  EXPECT_EQ(conv->windowTitle(), "Deg/Min/Sec => Decimal");
  conv->close();
  f.SpeedButtonSked->click();
  f.DxWindow()->ButtonConv->click();
  EXPECT_TRUE(conv->isVisible());
}

TEST_F(DxUiTest, OrbitButtonDrawsTheShownSatellite) {
  TForm1& f = StartShown();
  ASSERT_NE(f.SpeedButtonOrbit, nullptr);
  f.SpeedButtonOrbit->click();
  tools::TFormOrbit* orbit = f.OrbitWindow();
  ASSERT_TRUE(orbit->isVisible());
  EXPECT_EQ(orbit->windowTitle(), "ORBIT [ISS (ZARYA)]");
  // The ISS flies some 400 km up on a nearly round orbit.
  const QString perigee = orbit->LabelPerigee->text();
  ASSERT_TRUE(perigee.startsWith("P(perigee)=")) << perigee.toStdString();
  const int height = perigee.mid(11).chopped(3).toInt();
  EXPECT_GT(height, 300);
  EXPECT_LT(height, 450);
  EXPECT_TRUE(orbit->Geometry().drawn);
  EXPECT_FALSE(orbit->Geometry().visible);  // the purple dot: the next pass's start
  orbit->close();
  EXPECT_FALSE(f.SpeedButtonOrbit->isChecked());
}

}  // namespace
}  // namespace app::test
