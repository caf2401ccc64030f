// The sun window: colours, track button, tracking a recording GS-232, sunset, texts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include "base/catalogue_translator.h"
#include "base/help_button.h"
#include "base/locale_number.h"
#include "orbit/sun.h"
#include "tool_fixture.h"
#include "tools/form_soleil.h"
#include "tools/tool_widgets.h"

namespace tools {
namespace {

using testing::Gs232Command;
using testing::ToolFixture;
using testing::Utc;

// The sun model at the fixture's station, rounded to hundredths as the window shows it.
orbit::SunAzEl Model(const ToolFixture& f) {
  const orbit::SubSolarPoint p = orbit::ComputeSubSolarPoint(f.clock.Now(), 0);
  orbit::SunAzEl s = orbit::ComputeSunAzEl(p, f.station.latitude, f.station.westLongitude);
  s.azimuth = std::nearbyint(s.azimuth * 100) / 100;
  s.elevation = std::nearbyint(s.elevation * 100) / 100;
  return s;
}

// The first minute after `from` when the sun of the model is below the horizon.
double Sunset(const ToolFixture& f, double from) {
  for (int m = 0; m < 24 * 60; ++m) {
    const double t = from + m / 1440.0;
    const orbit::SunAzEl s = orbit::ComputeSunAzEl(orbit::ComputeSubSolarPoint(t, 0),
                                                   f.station.latitude, f.station.westLongitude);
    if (std::nearbyint(s.elevation * 100) / 100 < 0) return t;
  }
  return from;
}

TEST(FormSoleil, ByDayGreenValuesOfTheModelAndTheButtonFollowsTheMainOne) {
  ToolFixture f;
  f.clock.Set(Utc(2024, 6, 21, 12, 0));
  TFormSoleil w(f.Environment());
  w.show();
  const orbit::SunAzEl s = Model(f);
  ASSERT_GT(s.elevation, 60);
  EXPECT_EQ(w.EditAzSoleil->text(), base::FormatUserFixed(s.azimuth, 2));
  EXPECT_EQ(w.EditElSoleil->text(), base::FormatUserFixed(s.elevation, 2));
  EXPECT_TRUE(ShowsVisibleColour(w.EditAzSoleil));
  EXPECT_TRUE(w.SpeedButtonTrackSoleil->isEnabled());
  EXPECT_EQ(w.SpeedButtonTrackSoleil->toolTip(), QStringLiteral("Tracking with GS232"));
  EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("SUN TRACKING"));

  // No antenna chosen: the button stays disabled even by day.
  ToolFixture g;
  g.clock.Set(Utc(2024, 6, 21, 12, 0));
  g.mainTrackEnabled = false;
  TFormSoleil dark(g.Environment());
  dark.show();
  EXPECT_FALSE(dark.SpeedButtonTrackSoleil->isEnabled());
  EXPECT_EQ(dark.SpeedButtonTrackSoleil->toolTip(),
            QStringLiteral("Tracking not available because no antenna chosen or Sun not visible"));
}

TEST(FormSoleil, ThreeTicksGiveThreeCommandsOfTheModel) {
  ToolFixture f;
  f.clock.Set(Utc(2024, 6, 21, 9, 0));
  TFormSoleil w(f.Environment());
  w.show();
  std::vector<std::string> expected{Gs232Command(Model(f).azimuth, Model(f).elevation)};
  w.SpeedButtonTrackSoleil->click();
  EXPECT_TRUE(w.Tracking());
  EXPECT_TRUE(w.SpeedButtonTrackSoleil->isChecked());
  EXPECT_EQ(w.SpeedButtonTrackSoleil->toolTip(), QStringLiteral("Tracking is running"));
  for (int tick = 0; tick < 3; ++tick) {
    f.clock.AdvanceSeconds(600);  // ten minutes: the sun moves by degrees
    w.TimerSoleilTimer();
    expected.push_back(Gs232Command(Model(f).azimuth, Model(f).elevation));
  }
  EXPECT_EQ(f.Gs232(), expected);
  EXPECT_EQ(f.state.LastSentAz, Model(f).azimuth);
  EXPECT_NE(expected[1], expected[3]);
}

TEST(FormSoleil, SunsetTurnsTheValuesRedAndStopsTheRotator) {
  ToolFixture f;
  const double sunset = Sunset(f, Utc(2024, 6, 21, 18, 0));
  f.clock.Set(sunset - 120.0 / 86400);
  TFormSoleil w(f.Environment());
  w.show();
  w.SpeedButtonTrackSoleil->click();
  ASSERT_TRUE(w.Tracking());
  f.clock.Set(sunset);
  w.TimerSoleilTimer();
  EXPECT_FALSE(w.Tracking());
  EXPECT_FALSE(w.SpeedButtonTrackSoleil->isChecked());
  EXPECT_FALSE(w.SpeedButtonTrackSoleil->isEnabled());
  EXPECT_FALSE(ShowsVisibleColour(w.EditElSoleil));
  ASSERT_FALSE(f.Gs232().empty());
  EXPECT_EQ(f.Gs232().back(), "S\r");
  EXPECT_EQ(f.state.LastSentAz, tracking::CommandState::kNothingSent);
}

TEST(FormSoleil, CloseStopsTrackingAndHandsItsPositionBack) {
  ToolFixture f;
  f.clock.Set(Utc(2024, 6, 21, 12, 0));
  TFormSoleil w(f.Environment());
  w.move(120, 80);
  w.show();
  w.SpeedButtonTrackSoleil->click();
  QSignalSpy closed(&w, &TFormSoleil::Closed);
  w.close();
  ASSERT_EQ(closed.count(), 1);
  EXPECT_FALSE(w.Tracking());
  EXPECT_FALSE(w.TimerSoleil->isActive());
  EXPECT_EQ(f.Gs232().back(), "S\r");
}

TEST(FormSoleil, HelpButtonAsksForTopicThree) {
  ToolFixture f;
  base::RecordingHelp help;
  TFormSoleil w(f.Environment());
  auto* button = w.findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"));
  ASSERT_NE(button, nullptr);
  button->click();
  EXPECT_EQ(help.requests, std::vector<QString>{QStringLiteral("topic 3")});
}

TEST(FormSoleil, OtherLanguages) {
  ToolFixture f;
  TFormSoleil w(f.Environment());
  base::CatalogueTranslator tools(QStringLiteral("tools"));
  const std::pair<const char*, const char*> captions[] = {{"es", "SEGUIMIENTO DEL SOL"},
                                                          {"fr", "POURSUITE SOLEIL"},
                                                          {"de", "SONNE-TRACKING"},
                                                          {"it", "TRACKING SOLE"}};
  for (const auto& [code, caption] : captions) {
    ASSERT_TRUE(tools.Apply(QLatin1String(code)));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8(caption)) << code;
  }
  tools.Apply(QString());
  QCoreApplication::processEvents();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("SUN TRACKING"));
}

}  // namespace
}  // namespace tools
