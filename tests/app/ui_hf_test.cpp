// The HF beam window on the main window: its menu item, a list click, the DX window's
// separator, the shared rotator and the keys written at quit.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "base/locale_number.h"
#include "tests/app/ui_fixture.h"
#include "tools/form_dx.h"
#include "tools/form_favorites.h"
#include "tools/form_hf_beam.h"
#include "tools/form_soleil.h"
#include "tools/hf_beam.h"

namespace app::test {
namespace {

// Paris (JN18DU) with a GS-232 on ttyS0.
class HfUiTest : public UiTest {
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
  static int Find(QComboBox* box, const QString& start) {
    return box->findText(start, Qt::MatchStartsWith);
  }
};

TEST_F(HfUiTest, MenuItemOpensTheWindowAndAListClickFillsTheEdits) {
  TForm1& f = StartComputed();
  ASSERT_TRUE(f.MenuHFBeam->isEnabled());
  f.MenuHFBeam->trigger();
  tools::TFormHFBeam* hf = f.HfBeamWindow();
  ASSERT_TRUE(hf->isVisible());
  EXPECT_TRUE(f.MenuHFBeam->isChecked());
  EXPECT_EQ(hf->windowTitle(), QStringLiteral("AZ BEAM GS232"));
  const int japan = Find(hf->ComboBoxListDX, QStringLiteral("JA   "));
  ASSERT_GE(japan, 0);
  emit hf->ComboBoxListDX->activated(japan);
  const tools::GreatCircleResult expected = tools::GreatCircle(48.854, 2.292, 36.40, 138.38);
  EXPECT_EQ(hf->EditAzimuth->text(), base::FormatUserFixed(expected.azimuth, 1));
  EXPECT_EQ(hf->EditDistance->text(), base::FormatUserFixed(expected.distanceKm, 1));
  EXPECT_EQ(hf->EditDXLattitude->text(), base::FormatUserFixed(36.40, 2));
  EXPECT_EQ(hf->EditDXLongitude->text(), base::FormatUserFixed(138.38, 2));
  EXPECT_EQ(hf->Azimuth(), tools::CommandedAzimuth(expected.azimuth));

  // "=" chosen in the DX window rewrites the beam window's lists too.
  f.DxWindow()->SpeedButtonEgal->click();
  EXPECT_GE(Find(hf->ComboBoxListDX, QStringLiteral("JA=Japan")), 0);
  EXPECT_GE(Find(hf->ComboBoxListUS, QStringLiteral("AK=Alaska=")), 0);

  hf->close();
  EXPECT_FALSE(f.MenuHFBeam->isChecked());
  // The settings panel disables the item again.
  f.MenuInitialisationClick();
  EXPECT_FALSE(f.MenuHFBeam->isEnabled());
}

TEST_F(HfUiTest, AzimuthCommandTakesTheRotatorFromTheSunAndQuitKeepsTheSettings) {
  {
    TForm1& f = StartComputed({QStringLiteral("FAV2AZ=400"), QStringLiteral("FAV2TXT=VK")});
    f.MenuHFBeam->trigger();
    tools::TFormHFBeam* hf = f.HfBeamWindow();
    EXPECT_EQ(hf->Button[1]->text(), QStringLiteral("VK"));
    f.MenuSoleil->trigger();
    tools::TFormSoleil* sun = f.SunWindow();
    if (sun->SpeedButtonTrackSoleil->isEnabled()) {
      sun->SpeedButtonTrackSoleil->click();
      ASSERT_TRUE(sun->Tracking());
    }
    hf->SetAzimuth(77);
    hf->SpeedButtonTrackHF->click();
    EXPECT_TRUE(hf->Tracking());
    EXPECT_FALSE(sun->Tracking());
    ASSERT_FALSE(serial[0].writes.empty());
    EXPECT_EQ(serial[0].writes.back(), "W077 000\r");
    hf->move(321, 123);
    hf->Favorites()->show();
    hf->Favorites()->Edit[0]->setText(QStringLiteral("EU"));
    hf->Favorites()->SpinEdit[0]->setText(QStringLiteral("45"));
    hf->Favorites()->close();
    f.MenuNoConfirm->setChecked(true);
    f.MenuQuitterClick();
    EXPECT_FALSE(hf->Tracking());
  }
  QFile file(File(QStringLiteral("Orvane.ini")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  for (const char* line : {"FAV1AZ=45\r\n", "FAV1TXT=EU\r\n", "FAV2TXT=VK\r\n", "DISPLAY_HF=321,123"})
    EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
}

}  // namespace
}  // namespace app::test
