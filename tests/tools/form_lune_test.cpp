// The moon window: tracking a recording GS-232, moonset, the polar night, EME settings,
// the DX list, the coverage picture, the report lines, the time mode and the texts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include "base/catalogue_translator.h"
#include "base/help_request.h"
#include "base/locale_number.h"
#include "orbit/moon.h"
#include "tool_fixture.h"
#include "tools/form_lune.h"
#include "tools/tool_widgets.h"
#include "tracking/tick_steps.h"

namespace tools {
namespace {

using testing::Gs232Command;
using testing::ToolFixture;
using testing::Utc;

constexpr double kMinute = 1.0 / 1440;

// JN18EU's centre, 48.8542 N 2.375 E, as the moon window places the station.
orbit::MoonPosition Model(const ToolFixture& f) {
  const orbit::MoonPosition m =
      orbit::ComputeMoonPosition(orbit::MoonDayNumber(f.clock.Now()), 48.854166666666667L, 2.375L);
  return m;
}
long double Hundredth(long double x) { return std::nearbyint(x * 100) / 100; }

struct MoonFixture : ToolFixture {
  MoonWindowEnvironment Moon() {
    MoonWindowEnvironment env;
    env.tools = Environment();
    env.reportSink = [this] { return &sink; };
    env.utcDisplay = [this] { return utc; };
    env.setUtcDisplay = [this](bool u) {
      utc = u;
      ++utcClicks;
    };
    env.display24h = [this] { return h24; };
    env.world = world;
    return env;
  }
  tracking::RecordingReportSink sink;
  bool utc = true;
  bool h24 = true;
  int utcClicks = 0;
  QImage world;
};

TEST(FormLune, ThreeTicksGiveThreeCommandsAndMoonsetRecordsTheStop) {
  MoonFixture f;
  f.clock.Set(Utc(2023, 1, 15, 6, 10));  // the moon 31° over Paris
  TFormLune w(f.Moon());
  w.show();
  EXPECT_TRUE(ShowsVisibleColour(w.EditAzLune));
  EXPECT_TRUE(w.LabelInvisible->isHidden());
  ASSERT_TRUE(w.SpeedButtonTrackLune->isEnabled());
  w.SpeedButtonTrackLune->click();
  ASSERT_TRUE(w.Tracking());
  f.Gs232().clear();
  std::vector<std::string> expected;
  for (int tick = 0; tick < 3; ++tick) {
    f.clock.AdvanceSeconds(300);
    w.TimerSecondeTimer();
    const orbit::MoonPosition m = Model(f);
    expected.push_back(Gs232Command(Hundredth(m.azimuth), Hundredth(m.elevation)));
    EXPECT_EQ(w.EditAzLune->text(), base::FormatUserFixed(Hundredth(m.azimuth), 2));
    EXPECT_EQ(w.EditElLune->text(), base::FormatUserFixed(Hundredth(m.elevation), 2));
  }
  EXPECT_EQ(f.Gs232(), expected);

  // Moonset: the tick after the set stops the rotator and shows the next period.
  const Real set = w.Session().Table().setUtc;
  f.clock.Set(static_cast<double>(set) + 1.0 / 86400);
  w.TimerSecondeTimer();
  EXPECT_FALSE(w.Tracking());
  EXPECT_FALSE(w.SpeedButtonTrackLune->isEnabled());
  EXPECT_FALSE(ShowsVisibleColour(w.EditElLune));
  EXPECT_FALSE(w.LabelInvisible->isHidden());
  EXPECT_EQ(f.Gs232().back(), "S\r");
  EXPECT_EQ(f.state.LastSentAz, tracking::CommandState::kNothingSent);
  EXPECT_EQ(w.LabelEphemerids->text(), QStringLiteral("NEXT VISIBILITY PERIOD"));
  EXPECT_EQ(w.LabelVisibility->text(), QStringLiteral("The Moon is not visible"));
}

TEST(FormLune, TableRowsTextsAndTheMinuteThatPasses) {
  MoonFixture f;
  f.clock.Set(Utc(2023, 1, 15, 6, 10, 20));
  TFormLune w(f.Moon());
  w.show();
  const MoonTable& t = w.Session().Table();
  ASSERT_GT(t.rows.size(), 100u);
  EXPECT_EQ(w.ListBoxEphemerids->count(), static_cast<int>(t.rows.size()));
  EXPECT_EQ(w.ListBoxDoppler->count(), w.ListBoxEphemerids->count());
  EXPECT_EQ(w.ListBoxDopplerDX->count(), w.ListBoxEphemerids->count());
  EXPECT_TRUE(w.ListBoxEphemerids->item(0)->text().startsWith(QStringLiteral("15 JAN 2023  06:10")));
  // No DX station: the DX column reads N/A on every row.
  for (int i = 0; i < w.ListBoxEphemerids->count(); i += 37)
    EXPECT_EQ(w.ListBoxEphemerids->item(i)->text().mid(60), QStringLiteral("       N/A"));
  EXPECT_EQ(w.LabelEphemerids->text(), QStringLiteral("CURRENT VISIBILITY PERIOD"));
  EXPECT_EQ(w.LabelVisibility->text(), QStringLiteral("Moon is visible"));
  EXPECT_EQ(w.LabelNota->text(), QStringLiteral("Take note : UTC time !"));
  EXPECT_TRUE(w.LabelPositions->text().startsWith(QStringLiteral("DATE &  UTC  TIME    EL")));
  EXPECT_TRUE(w.StaticTextDoppler->text().startsWith(QStringLiteral("*SELF-DOPPLER @Ft=")));
  EXPECT_TRUE(w.StaticTextDopplerDX->text().contains(QStringLiteral("GHz  DX=None")));
  EXPECT_TRUE(w.StaticTextDopplerDX->text().endsWith(QStringLiteral("Current value = N/A")));
  EXPECT_TRUE(w.StaticTextDoppler->text().endsWith(QStringLiteral("Hz")));
  EXPECT_TRUE(w.StaticTextDateTime->text().endsWith(QStringLiteral("06:10:20 UTC")));

  const int rows = w.ListBoxEphemerids->count();
  f.clock.AdvanceSeconds(60);
  w.TimerSecondeTimer();
  EXPECT_EQ(w.ListBoxEphemerids->count(), rows - 1);
  EXPECT_EQ(w.ListBoxDoppler->count(), rows - 1);
  EXPECT_TRUE(w.ListBoxEphemerids->item(0)->text().startsWith(QStringLiteral("15 JAN 2023  06:11")));

  w.MenuCopyClick();
  EXPECT_EQ(QApplication::clipboard()->text().count(QLatin1Char('\n')), rows - 1);
}

TEST(FormLune, PolarStationWithoutMoonriseForDays) {
  MoonFixture f;
  f.station.latitude = 89.9L;
  f.station.westLongitude = 0;
  f.station.locator.clear();  // coordinates only: the station is not put at an empty locator
  f.clock.Set(Utc(2025, 1, 24, 0, 0));
  TFormLune w(f.Moon());
  w.show();
  EXPECT_EQ(w.ListBoxEphemerids->count(), 0);
  EXPECT_EQ(w.LabelWarning->text(), QStringLiteral("Warning: No moonrise in the next 48 hours!"));
  EXPECT_EQ(w.LabelMoonriseTime->text(), QStringLiteral("######"));
  EXPECT_EQ(w.LabelMoonsetTime->text(), QStringLiteral("######"));
  EXPECT_EQ(w.LabelVisibility->text(), QStringLiteral("The Moon is not visible"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("ORVANE - MOON TRACKING  @"));
  f.clock.AdvanceSeconds(1);
  w.TimerSecondeTimer();
  EXPECT_TRUE(w.StaticTextDoppler->text().endsWith(QStringLiteral("Current value = N/A")));
}

TEST(FormLune, MoonUpForTwoDaysWarnsOfNoSet) {
  MoonFixture f;
  f.station.latitude = 89.9L;
  f.station.locator.clear();
  f.clock.Set(Utc(2025, 1, 11, 0, 0));
  TFormLune w(f.Moon());
  w.show();
  EXPECT_EQ(w.ListBoxEphemerids->count(), kMoonRowLimit);
  EXPECT_EQ(w.LabelWarning->text(), QStringLiteral("Warning: No moon set in the next 48 hours!"));
  EXPECT_EQ(w.LabelMoonsetTime->text(), QStringLiteral("######"));
}

TEST(FormLune, EmeSettingsAreCheckedBeforeAnythingIsApplied) {
  MoonFixture f;
  f.clock.Set(Utc(2023, 1, 15, 6, 10));
  TFormLune w(f.Moon());
  w.show();
  QSignalSpy changed(&w, &TFormLune::SettingsChanged);
  const QString firstRow = w.ListBoxEphemerids->item(0)->text();
  w.MenuFDopplerClick();
  ASSERT_FALSE(w.PanelFDoppler->isHidden());
  auto tryValues = [&](const char* ft, const char* fx, const char* dx) {
    w.EditFDoppler->setText(QLatin1String(ft));
    w.EditFDopplerDX->setText(QLatin1String(fx));
    w.EditLocatorDX->setText(QLatin1String(dx));
    w.ButtonOKFDopplerClick();
  };
  for (const auto& bad : {std::array<const char*, 3>{"12.001", "1", ""},
                          {"0", "1", ""},
                          {"-1,296", "1", ""},
                          {"1.296", "abc", ""},
                          {"1.296", "1", "JN18D"},
                          {"1.296", "1", "SN18DU"}}) {
    tryValues(bad[0], bad[1], bad[2]);
    EXPECT_FALSE(w.PanelFDoppler->isHidden()) << bad[0] << " " << bad[1] << " " << bad[2];
  }
  EXPECT_EQ(f.sounds.Count(QStringLiteral("beep")), 6);
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(w.ListBoxEphemerids->item(0)->text(), firstRow);

  // 12 GHz is the limit; "," is taken; the DX locator is upper-cased.
  tryValues("12", "1,296", "ko85tr");
  EXPECT_TRUE(w.PanelFDoppler->isHidden());
  ASSERT_EQ(changed.count(), 1);
  const MoonSettings s = w.StoreSettings();
  EXPECT_EQ(s.ownFrequency, QStringLiteral("12"));
  EXPECT_EQ(s.dxFrequency, QStringLiteral("1,296"));
  EXPECT_EQ(s.dxLocator, QStringLiteral("KO85TR"));
  EXPECT_TRUE(w.StaticTextDopplerDX->text().contains(QStringLiteral("DX=KO85TR")));
  // The self column at 12 GHz of the first row's rate; Moscow sees the moon too.
  const MoonTable& t = w.Session().Table();
  const QString row = w.ListBoxEphemerids->item(0)->text();
  EXPECT_EQ(row.mid(52, 8), DopplerColumn(EmeDoppler(t.ownRates[0], 12, 0)));
  ASSERT_NE(t.dxRates[0], kNoDxRate);
  EXPECT_EQ(row.mid(62, 8),
            DopplerColumn(PathDoppler(t.ownRates[0], t.dxRates[0], EmeFrequencies{12, 1.296L, 0})));
}

TEST(FormLune, StoredSettingsOutsideTheLimitsKeepTheDefaults) {
  MoonFixture f;
  TFormLune w(f.Moon());
  w.LoadSettings({QStringLiteral("0"), QStringLiteral("-3"), QStringLiteral("ZZ99ZZ"), 30});
  const MoonSettings s = w.StoreSettings();
  EXPECT_EQ(s.ownFrequency, QStringLiteral("1.000"));
  EXPECT_EQ(s.dxFrequency, QStringLiteral("1.000"));
  EXPECT_TRUE(s.dxLocator.isEmpty());
  EXPECT_EQ(s.bias, 50);
}

TEST(FormLune, DxccChoiceFillsTheDxLocator) {
  MoonFixture f;
  TFormLune w(f.Moon());
  const int malta = w.ComboBoxListDX->findText(QStringLiteral("9H"), Qt::MatchStartsWith);
  ASSERT_GE(malta, 0);
  w.ComboBoxListDX->setCurrentIndex(malta);
  w.ComboBoxListDXChange(malta);
  EXPECT_EQ(w.EditLocatorDX->text(), QStringLiteral("JM75FV"));
  EXPECT_EQ(w.ComboBoxListDX->toolTip(), w.ComboBoxListDX->itemText(malta));
  EXPECT_EQ(w.ComboBoxListDX->itemText(malta), QStringLiteral("9H   Malta (Eu)   35,88N   14,42E   UTC+1"));
  EXPECT_EQ(w.ComboBoxListDX->itemData(malta).toString(),
            QStringLiteral("9H\tMalta (Eu)\t35,88N\t14,42E\tUTC+1"));
  // Another separator, the same place.
  w.SetListSeparator(QLatin1Char('/'));
  EXPECT_TRUE(w.ComboBoxListDX->itemText(malta).startsWith(QStringLiteral("9H/Malta (Eu)/")));
  w.EditLocatorDX->clear();
  w.ComboBoxListDXChange(malta);
  EXPECT_EQ(w.EditLocatorDX->text(), QStringLiteral("JM75FV"));
  EXPECT_EQ(f.sounds.Count(QStringLiteral("beep")), 0);
}

TEST(FormLune, CoveragePictureCentredOnTheSubLunarPoint) {
  MoonFixture f;
  // The world of the test: colour = column * 1024 + row.
  f.world = QImage(kWorldWidth, kWorldHeight, QImage::Format_RGB32);
  for (int j = 0; j < kWorldHeight; ++j)
    for (int k = 0; k < kWorldWidth; ++k) f.world.setPixel(k, j, 0xFF000000u | (k << 10) | j);
  f.clock.Set(Utc(2023, 1, 15, 6, 10));
  TFormLune w(f.Moon());
  EXPECT_FALSE(w.BitBtn1->isVisibleTo(&w));
  w.ToggleCoverageButton();
  EXPECT_TRUE(w.BitBtn1->isVisibleTo(&w));
  w.BitBtn1Click();
  EXPECT_TRUE(w.CoverageRunning());
  EXPECT_TRUE(w.ProgressBarCalcul->isVisibleTo(&w));
  w.BitBtn1Click();  // a second request while one runs is ignored
  w.FinishCoverage();
  EXPECT_FALSE(w.CoverageRunning());
  EXPECT_FALSE(w.ProgressBarCalcul->isVisibleTo(&w));
  EXPECT_EQ(w.ProgressBarCalcul->value(), kWorldWidth);

  const orbit::MoonPosition m = Model(f);
  const QRgb centre = w.CoverageImage().pixel(151, 151);
  const double lon = ((centre & 0xFFFFFF) >> 10) * 360.0 / kWorldWidth - 180;
  const double lat = 90 - (centre & 0x3FF) * 180.0 / kWorldHeight;
  const double lunarEast = static_cast<double>(m.subLunarWest ? -m.subLunarLongitude : m.subLunarLongitude);
  EXPECT_NEAR(lat, static_cast<double>(m.subLunarLatitude), 1.0);
  EXPECT_NEAR(lon, lunarEast, 1.2);
  EXPECT_EQ(w.CoverageImage().pixel(150, 10), 0xFFFF0000u);  // the red cross
  EXPECT_EQ(w.CoverageImage().pixel(2, 2), w.BaseImage().pixel(2, 2));
}

TEST(FormLune, ReportLinesEverySecondWhileUpAndOnceWhenDown) {
  MoonFixture f;
  f.sink.tcpConnected = true;
  f.clock.Set(Utc(2023, 1, 15, 6, 10));
  TFormLune w(f.Moon());
  w.show();
  for (int i = 0; i < 2; ++i) {
    f.clock.AdvanceSeconds(1);
    w.TimerSecondeTimer();
  }
  ASSERT_EQ(f.sink.tcpLines.size(), 3);
  for (const QString& line : f.sink.tcpLines) {
    EXPECT_TRUE(line.startsWith(QStringLiteral("MOON AZ:"))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral(" AH:Y")));
    EXPECT_FALSE(line.contains(QLatin1Char(',')));
  }
  // Without a DX station the path rate is the station's own: RR equals RS.
  const QString last = f.sink.tcpLines.back();
  const QString rr = last.section(QStringLiteral(" RR:"), 1).section(QLatin1Char(' '), 0, 0);
  const QString rs = last.section(QStringLiteral(" RS:"), 1).section(QLatin1Char(' '), 0, 0);
  EXPECT_EQ(rr, rs);
  EXPECT_TRUE(f.sink.ddeItems.isEmpty());  // no DDE conversation

  f.sink.tcpLines.clear();
  f.clock.Set(static_cast<double>(w.Session().Table().setUtc) + kMinute / 2);
  for (int i = 0; i < 3; ++i) {
    f.clock.AdvanceSeconds(1);
    w.TimerSecondeTimer();
  }
  ASSERT_EQ(f.sink.tcpLines.size(), 1);
  EXPECT_TRUE(f.sink.tcpLines[0].endsWith(QStringLiteral(" AH:N")));
  EXPECT_TRUE(f.sink.tcpLines[0].contains(QStringLiteral(" RR:0.00000000 ")));
}

TEST(FormLune, TimeModeIsTheMainWindowsAndChangesTheRows) {
  MoonFixture f;
  f.utc = false;
  f.station.localUtcOffset = 1;
  f.clock.Set(Utc(2023, 1, 15, 7, 10));  // 06:10 UTC
  TFormLune w(f.Moon());
  w.show();
  EXPECT_TRUE(w.MenuLocal->isChecked());
  EXPECT_EQ(w.LabelNota->text(), QStringLiteral("Take note : LOCAL time !"));
  EXPECT_TRUE(w.LabelPositions->text().startsWith(QStringLiteral("DATE & LOCAL TIME")));
  EXPECT_TRUE(w.ListBoxEphemerids->item(0)->text().startsWith(QStringLiteral("15 JAN 2023  07:10")));
  w.menuUTC->trigger();
  EXPECT_EQ(f.utcClicks, 1);
  EXPECT_TRUE(w.menuUTC->isChecked());
  EXPECT_FALSE(w.MenuLocal->isChecked());
  EXPECT_TRUE(w.ListBoxEphemerids->item(0)->text().startsWith(QStringLiteral("15 JAN 2023  06:10")));
  EXPECT_TRUE(w.StaticTextDateTime->text().endsWith(QStringLiteral(" UTC")));
  // The main window's own switch reaches the open window.
  w.SetUtcDisplay(false);
  EXPECT_TRUE(w.StaticTextDateTime->text().endsWith(QStringLiteral(" LOC")));
  EXPECT_EQ(f.utcClicks, 1);
  // The locale's own time: no zone name of its own before " LOC".
  f.h24 = false;
  w.TimerSecondeTimer();
  EXPECT_FALSE(w.StaticTextDateTime->text().contains(QStringLiteral("UTC")))
      << w.StaticTextDateTime->text().toStdString();
}

TEST(FormLune, CloseStopsTimersAndTrackingAndDisablesTheButton) {
  MoonFixture f;
  f.clock.Set(Utc(2023, 1, 15, 6, 10));
  TFormLune w(f.Moon());
  w.show();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("ORVANE - MOON TRACKING  @JN18EU"));
  w.SpeedButtonTrackLune->click();
  QSignalSpy closed(&w, &TFormLune::Closed);
  w.MenuQuit->trigger();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(w.Tracking());
  EXPECT_FALSE(w.SpeedButtonTrackLune->isEnabled());
  EXPECT_FALSE(w.TimerSeconde->isActive());
  EXPECT_FALSE(w.TimerEME->isActive());
  EXPECT_EQ(f.Gs232().back(), "S\r");
}

TEST(FormLune, HelpTopicFourteenFromTheMenuAndF1) {
  MoonFixture f;
  base::RecordingHelp help;
  TFormLune w(f.Moon());
  w.MenuAide->trigger();
  EXPECT_EQ(help.requests, std::vector<QString>{QStringLiteral("topic 14")});
}

TEST(FormLune, OtherLanguages) {
  MoonFixture f;
  f.clock.Set(Utc(2025, 1, 24, 0, 0));
  f.station.latitude = 89.9L;
  f.station.locator = "JQ00AA";
  TFormLune w(f.Moon());
  w.show();
  base::CatalogueTranslator tools(QStringLiteral("tools"));
  for (const char* code : {"es", "fr", "it", "de"}) {
    ASSERT_TRUE(tools.Apply(QLatin1String(code)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("@JQ00AA"))) << code;
    EXPECT_NE(w.windowTitle(), QStringLiteral("ORVANE - MOON TRACKING  @JQ00AA")) << code;
    EXPECT_NE(w.LabelWarning->text(), QStringLiteral("Warning: No moonrise in the next 48 hours!"));
    EXPECT_NE(w.LabelEphemerids->text(), QStringLiteral("NEXT VISIBILITY PERIOD"));
  }
  // German last: the starred line names the column the header calls EIGEN-DOP*.
  EXPECT_TRUE(w.StaticTextDoppler->text().startsWith(QStringLiteral("*EIGEN-DOPPLER @Ft=")))
      << w.StaticTextDoppler->text().toStdString();
  EXPECT_TRUE(w.LabelPositions->text().contains(QStringLiteral("EIGN-DOP*")));
  tools.Apply(QString());
  QCoreApplication::processEvents();
  EXPECT_EQ(w.LabelEphemerids->text(), QStringLiteral("NEXT VISIBILITY PERIOD"));
}

}  // namespace
}  // namespace tools
