// The converter window's fields and the orbit view's labels and picture.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>

#include "base/locale_number.h"
#include "tools/form_conv.h"
#include "tools/form_orbit.h"

namespace tools {
namespace {

TEST(ConverterWindow, TypedFieldsGiveTheDecimalDegrees) {
  TFormConv w;
  w.show();
  EXPECT_EQ(w.windowTitle(), "Deg/Min/Sec => Decimal");
  QTest::keyClicks(w.EditDeg, "48");
  QTest::keyClicks(w.EditMin, "51");
  QTest::keyClicks(w.EditSec, "14");
  QTest::keyClicks(w.EditMil, "400");
  const QString sep(QLatin1Char(base::UserDecimalSeparator()));
  EXPECT_EQ(w.EditDec->text(), "48" + sep + "854000");
  // A fourth digit in the milliseconds (1000 or more) gives the previous value back.
  QTest::keyClicks(w.EditMil, "0");
  EXPECT_EQ(w.EditMil->text(), "400");
  // 180 degrees is refused; 60 minutes too.
  w.EditDeg->clear();
  QTest::keyClicks(w.EditDeg, "18");
  QTest::keyClicks(w.EditDeg, "0");
  EXPECT_EQ(w.EditDeg->text(), "18");
  w.EditMin->clear();
  QTest::keyClicks(w.EditMin, "60");
  EXPECT_EQ(w.EditMin->text(), "6");
  // Emptied fields count as 0: 18 + 6/60 + 14.4/3600 = 18.104
  EXPECT_EQ(w.EditDec->text(), "18" + sep + "104000");
  // Emptied by the keyboard: 18 + 6/60 = 18.1; a letter gives the empty field back.
  w.EditSec->selectAll();
  QTest::keyClick(w.EditSec, Qt::Key_Backspace);
  QTest::keyClicks(w.EditSec, "x");
  EXPECT_EQ(w.EditSec->text(), "");
  w.EditMil->selectAll();
  QTest::keyClick(w.EditMil, Qt::Key_Backspace);
  EXPECT_EQ(w.EditDec->text(), "18" + sep + "100000");
  QTest::keyClicks(w.EditMil, "5");
  EXPECT_EQ(w.EditDec->text(), "18" + sep + "100001");  // 0.005 s = 1.4e-6 degree
}

TEST(OrbitWindow, ShowsTheShownSatellite) {
  bool present = true;
  const double a = std::cbrt(398600.4418 / std::pow(1.0027 * 2 * M_PI / 86400, 2));
  TFormOrbit w([&]() -> std::optional<OrbitSnapshot> {
    if (!present) return std::nullopt;
    OrbitSnapshot s;
    s.name = QStringLiteral("GEO-1");
    s.inputs.meanMotion = 1.0027;
    s.inputs.eccentricity = 0.0002;
    s.inputs.altitude10 = 357860;
    s.inputs.phase = 64;
    s.inputs.visible = false;
    return s;
  });
  w.show();
  EXPECT_EQ(w.windowTitle(), "ORBIT [GEO-1]");
  const QString apogee = w.LabelApogee->text();
  ASSERT_TRUE(apogee.startsWith("A(apogee)=")) << apogee.toStdString();
  ASSERT_TRUE(apogee.endsWith(" km"));
  EXPECT_NEAR(apogee.mid(10).chopped(3).toDouble(), a * 1.0002 - 6378.137, 2);
  EXPECT_TRUE(w.LabelPerigee->text().startsWith("P(perigee)="));
  EXPECT_EQ(w.LabelAltitude->text(), "Sat altitude=35786 km");
  EXPECT_EQ(w.LabelPer->text(), "P>");
  EXPECT_EQ(w.LabelApo->text(), "<A");
  // Not visible: the purple dot at the top of the circle (phase 64, dot box from y + 7).
  EXPECT_EQ(w.Picture().pixelColor(85, 10), QColor(0x80, 0x00, 0x80));
  present = false;
  w.Redraw();
  EXPECT_EQ(w.windowTitle(), "ORBIT []");
  EXPECT_EQ(w.LabelApogee->text(), "A(apogee)=");
  EXPECT_EQ(w.Picture().pixelColor(85, 85), QColor(Qt::white));
}

}  // namespace
}  // namespace tools
