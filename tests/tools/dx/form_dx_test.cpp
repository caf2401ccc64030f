// The DX window over a real pass of the ISS over Paris: messages, rows, "+" and "-", the
// entry rules of its fields, the separator buttons and the following of the clock.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "base/locale_number.h"
#include "tests/tools/dx/dx_fixture.h"
#include "tools/form_dx.h"

namespace tools {
namespace {

struct DxWindowTest : ::testing::Test {
  DxWindowTest() {
    stored.altitude = QStringLiteral("0");
    DxWindowEnvironment env;
    env.clock = &pass.clock;
    env.sounds = &sounds;
    env.dialogs = &dialogs;
    env.shownSlot = [this] { return &pass.slot; };
    env.satelliteName = [] { return QStringLiteral("ISS"); };
    env.localOffsetHours = [] { return 0.0; };
    env.utcDisplay = [this] { return utc; };
    env.computationBusy = &busy;
    env.readSettings = [this] { return stored; };
    env.writeSettings = [this](const DxSettings& s) { stored = s; };
    env.places = [] {
      return ParseDxccList(QStringLiteral("F\tFrance (Eu)\t46,00N\t2,00E\tUTC+1*\n"
                                          "VK\tAustralia (Oc)\t25,00S\t135,00E\tUTC+10\n"));
    };
    form = std::make_unique<TFormDX>(std::move(env));
  }
  void ShowWithDx(const char* lat, const char* lon, const char* alt = "35") {
    stored.latitude = QString::fromLatin1(lat);
    stored.longitude = QString::fromLatin1(lon);
    stored.altitude = QString::fromLatin1(alt);
    stored.locator = QStringLiteral("JN18EU");
    form->show();
  }
  QString Row(int i) const { return form->ListBoxEphemeridsDX->item(i)->text(); }

  testing::IssOverParis pass;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  DxSettings stored;
  bool utc = false;
  bool busy = false;
  std::unique_ptr<TFormDX> form;
};

TEST_F(DxWindowTest, WithoutAPositionItAsksForOneAndBeeps) {
  form->show();
  EXPECT_EQ(Row(0), "Enter Locator or Latitude/Longitude, please");
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_FALSE(form->TimerSecondeDX->isActive());
  form->BitBtn_OK_Location->click();
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0], "Enter Locator or Latitude/Longitude, please");
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 2);
}

TEST_F(DxWindowTest, WithoutAltitudeItAsksForIt) {
  ShowWithDx("N48.85", "E2.35", "");
  EXPECT_EQ(Row(0), "Enter altitude, please");
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
}

TEST_F(DxWindowTest, TheStationItselfListsEveryMinuteOfThePass) {
  ShowWithDx("N48.85", "E2.35");
  EXPECT_EQ(form->windowTitle(), "DX via ISS");
  EXPECT_EQ(form->LabelEphemeridesDX->text(), " DATE & LOCAL TIME  EL   AZ   RANGE  SQU");
  const auto& rows = pass.slot.rows;
  ASSERT_EQ(form->ListBoxEphemeridsDX->count(), rows.count);
  EXPECT_TRUE(form->TimerSecondeDX->isActive());
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 0);
  for (int i = 0; i < rows.count; ++i) {
    // The columns after the date and time hold the pass search's own values.
    const QStringList f = Row(i).mid(18).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(f.size(), 4) << Row(i).toStdString();
    EXPECT_NEAR(f[0].toInt(), rows.elevation[i], 1);
    EXPECT_NEAR(f[1].toInt(), rows.azimuth[i], 1);
    EXPECT_NEAR(f[2].toInt(), rows.range[i], 1);
  }
  // "+" after the last covisibility of the pass and "-" with nothing stacked only beep.
  form->SpeedButtonNext->click();
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  form->SpeedButtonBefore->click();
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 2);
  EXPECT_EQ(form->ListBoxEphemeridsDX->count(), rows.count);
  // The UTC display changes the header.
  utc = true;
  form->ApplyLanguage();
  EXPECT_EQ(form->LabelEphemeridesDX->text(), " DATE &  UTC  TIME  EL   AZ   RANGE  SQU");
}

TEST_F(DxWindowTest, TheAntipodeCannotHearThePass) {
  ShowWithDx("S48.85", "W177.65");
  EXPECT_EQ(Row(0), "  This DX can't be heard during this pass!");
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
}

TEST_F(DxWindowTest, PlusAfterAPeriodEndingBeforeThePassOnlyBeeps) {
  // Some 25 degrees west of Paris the period ends before the pass does; none follows.
  ShowWithDx("N48.85", "W22.35", "0");
  const int first = form->ListBoxEphemeridsDX->count();
  ASSERT_GT(first, 0);
  ASSERT_LT(first, pass.slot.rows.count);
  const QString top = Row(0);
  form->SpeedButtonNext->click();
  EXPECT_EQ(form->StackSize(), 0);
  EXPECT_EQ(Row(0), top);
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
}

TEST(DxWindowLongPass, PlusShowsTheNextPeriodAndMinusTheOneBefore) {
  // A long pass of an inclined geostationary satellite, seen twice from the far limb.
  testing::GeoOverParis pass;
  base::RecordingSounds sounds;
  DxSettings stored;
  stored.latitude = QStringLiteral("S78");
  stored.longitude = QStringLiteral("E72.8");
  stored.altitude = QStringLiteral("0");
  stored.locator = QStringLiteral("MB62JA");
  DxWindowEnvironment env;
  env.clock = &pass.clock;
  env.sounds = &sounds;
  env.shownSlot = [&] { return &pass.slot; };
  env.satelliteName = [] { return QStringLiteral("KALPANA-1"); };
  env.localOffsetHours = [] { return 0.0; };
  env.utcDisplay = [] { return true; };
  env.readSettings = [&] { return stored; };
  env.writeSettings = [&](const DxSettings& s) { stored = s; };
  TFormDX form(std::move(env));
  form.show();
  // 11:34 to 16:39 (PyEphem), then 00:42 on the 22nd to the end of the pass.
  const QString firstTop = form.ListBoxEphemeridsDX->item(0)->text();
  EXPECT_TRUE(firstTop.startsWith("21 JAN 2018  11:3")) << firstTop.toStdString();
  const int firstRows = form.ListBoxEphemeridsDX->count();
  EXPECT_NEAR(firstRows, 306, 4);
  form.SpeedButtonNext->click();
  EXPECT_EQ(form.StackSize(), 1);
  const QString secondTop = form.ListBoxEphemeridsDX->item(0)->text();
  EXPECT_TRUE(secondTop.startsWith("22 JAN 2018  00:4")) << secondTop.toStdString();
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 0);
  // After the last period of the pass "+" only beeps and the list stays.
  form.SpeedButtonNext->click();
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_EQ(form.StackSize(), 1);
  EXPECT_EQ(form.ListBoxEphemeridsDX->item(0)->text(), secondTop);
  // "-" comes back to the first period; with nothing stacked it only beeps.
  form.SpeedButtonBefore->click();
  EXPECT_EQ(form.StackSize(), 0);
  EXPECT_EQ(form.ListBoxEphemeridsDX->item(0)->text(), firstTop);
  EXPECT_EQ(form.ListBoxEphemeridsDX->count(), firstRows);
  form.SpeedButtonBefore->click();
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 2);
}

TEST_F(DxWindowTest, TheClockSelectsTheCurrentMinute) {
  ShowWithDx("N48.85", "E2.35");
  pass.clock.Set(static_cast<double>(pass.slot.passStart + 3.5L / 1440));
  form->TimerSecondeDXTimer();
  EXPECT_EQ(form->ListBoxEphemeridsDX->currentRow(), 3);
  EXPECT_TRUE(form->ListBoxEphemeridsDX->item(3)->isSelected());
  pass.clock.Set(static_cast<double>(pass.slot.passStart + 4.5L / 1440));
  form->TimerSecondeDXTimer();
  EXPECT_FALSE(form->ListBoxEphemeridsDX->item(3)->isSelected());
  EXPECT_TRUE(form->ListBoxEphemeridsDX->item(4)->isSelected());
}

TEST_F(DxWindowTest, ANewDxStationIsComputedOnTheNextSecond) {
  ShowWithDx("N48.85", "E2.35");
  ASSERT_GT(form->ListBoxEphemeridsDX->count(), 1);
  stored.latitude = QStringLiteral("S48.85");
  stored.longitude = QStringLiteral("W177.65");
  form->DxStationHandedOver();  // the map's right click
  EXPECT_EQ(Row(0), "  This DX can't be heard during this pass!");
  EXPECT_EQ(form->EditLattitude->text(), "48.85");
  EXPECT_TRUE(form->CheckBox_Lattitude_Sud->isChecked());
  EXPECT_TRUE(form->CheckBox_Longitude_Ouest->isChecked());
}

TEST_F(DxWindowTest, TypingTheCoordinatesKeepsTheSharedTextsAndTheLocator) {
  ShowWithDx("N48.85", "E2.35");
  const QChar sep = QLatin1Char(base::UserDecimalSeparator());
  form->EditLattitude->setFocus();
  form->EditLattitude->clear();
  QTest::keyClicks(form->EditLattitude, "51x.5");  // "x" goes with a beep, "." is mended
  EXPECT_EQ(form->EditLattitude->text(), QStringLiteral("51") + sep + QStringLiteral("5"));
  EXPECT_GE(sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_EQ(Row(0), "  Enter or OK to show DX visibility period");
  EXPECT_EQ(stored.latitude, QStringLiteral("N51") + sep + QStringLiteral("5"));
  // 51.5 N 2.35 E: fields J (182.35 / 20 = 9.1) O (141.5 / 10 = 14.1), squares 1 (2.35 / 2)
  // 1 (1.5), sub-squares E (0.35 * 12 = 4.2) M (0.5 * 24 = 12).
  EXPECT_EQ(stored.locator, "JO11EM");
  EXPECT_EQ(form->EditQRALocator->text(), "JO11EM");
  // 90 with N is out of range: the DX station is cleared.
  form->EditLattitude->clear();
  QTest::keyClicks(form->EditLattitude, "90");
  EXPECT_TRUE(form->EditQRALocator->text().isEmpty());
  EXPECT_TRUE(stored.latitude.isEmpty());
  EXPECT_TRUE(stored.longitude.isEmpty());
  // 0 with the S box too; 0 with N is accepted.
  form->EditLattitude->clear();
  QTest::keyClicks(form->EditLattitude, "0");
  EXPECT_EQ(stored.latitude, "N0");
  form->CheckBox_Lattitude_Sud->click();
  EXPECT_TRUE(stored.latitude.isEmpty());
  // A locator sets the fields to its centre.
  form->EditQRALocator->setFocus();
  form->EditQRALocator->clear();
  QTest::keyClicks(form->EditQRALocator, "QF56OD");  // Sydney: 33.854 S 151.208 E
  EXPECT_NEAR(*ParseEntryNumber(form->EditLattitude->text().toStdString()), 33.854, 1e-3);
  EXPECT_NEAR(*ParseEntryNumber(form->EditLongitude->text().toStdString()), 151.208, 1e-3);
  EXPECT_TRUE(form->CheckBox_Lattitude_Sud->isChecked());
  EXPECT_TRUE(form->CheckBox_Longitude_Est->isChecked());
  EXPECT_TRUE(stored.latitude.startsWith("S33"));
  EXPECT_EQ(stored.locator, "QF56OD");
}

TEST_F(DxWindowTest, APlaceOfTheListAndTheSeparatorButtons) {
  ShowWithDx("N48.85", "E2.35");
  ASSERT_EQ(form->ComboBoxListDX->count(), 2);
  // The entry keeps its TAB; the list shows blanks for it.
  EXPECT_EQ(form->ComboBoxListDX->itemData(1).toString(), "VK\tAustralia (Oc)\t25,00S\t135,00E\tUTC+10");
  EXPECT_EQ(form->ComboBoxListDX->itemText(1), "VK   Australia (Oc)   25,00S   135,00E   UTC+10");
  QSignalSpy chosen(form.get(), &TFormDX::SeparatorChosen);
  form->SpeedButtonSlash->click();
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].value<QChar>(), QLatin1Char('/'));
  EXPECT_EQ(stored.separator, QLatin1Char('/'));
  EXPECT_EQ(form->ComboBoxListDX->itemText(1), "VK/Australia (Oc)/25,00S/135,00E/UTC+10");
  form->SpeedButtonDef->click();
  EXPECT_EQ(stored.separator, QLatin1Char('\t'));
  form->ComboBoxListDX->setCurrentIndex(1);
  emit form->ComboBoxListDX->activated(1);
  EXPECT_TRUE(form->CheckBox_Lattitude_Sud->isChecked());
  EXPECT_TRUE(form->CheckBox_Longitude_Est->isChecked());
  // 25 S 135 E: fields P (315 / 20 = 15.75) G (65 / 10 = 6.5), squares 7 (15 / 2 = 7.5) 5,
  // sub-squares M (1 * 12) A (0).
  EXPECT_EQ(stored.locator, "PG75MA");
  EXPECT_EQ(stored.lastDxcc, "VK\tAustralia (Oc)\t25,00S\t135,00E\tUTC+10");
  EXPECT_EQ(form->ComboBoxListDX->toolTip(), form->ComboBoxListDX->itemText(1));
}

TEST_F(DxWindowTest, EscapeAndCancelCloseAndGiveThePlace) {
  ShowWithDx("N48.85", "E2.35");
  QSignalSpy closed(form.get(), &TFormDX::Closed);
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(closed.size(), 1);
  EXPECT_FALSE(form->TimerSecondeDX->isActive());
  form->show();
  form->BitBtnCancelDX->click();
  EXPECT_FALSE(form->isVisible());
  QSignalSpy conv(form.get(), &TFormDX::ConverterRequested);
  form->ButtonConv->click();
  EXPECT_EQ(conv.size(), 1);
}

TEST_F(DxWindowTest, ABusyPassComputationIsWaitedFor) {
  busy = true;
  ShowWithDx("N48.85", "E2.35");
  EXPECT_EQ(Row(0), "  Enter or OK to show DX visibility period");
  busy = false;
  QTRY_COMPARE_WITH_TIMEOUT(form->ListBoxEphemeridsDX->count(), pass.slot.rows.count, 1000);
}

}  // namespace
}  // namespace tools
