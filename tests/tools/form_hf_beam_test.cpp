// The HF beam window: lists, great circle shown, long path, favourites, the azimuth
// command over a recording GS-232, the user list, texts and help.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "base/catalogue_translator.h"
#include "base/help_button.h"
#include "base/locale_number.h"
#include "tool_fixture.h"
#include "tools/form_favorites.h"
#include "tools/form_help_my_list.h"
#include "tools/form_hf_beam.h"

namespace tools {
namespace {

using testing::ToolFixture;

struct HfFixture : ToolFixture {
  HfFixture() {
    station.latitude = 48.854L;  // Paris
    station.westLongitude = -2.292L;
  }
  HfBeamEnvironment Environment() {
    HfBeamEnvironment env;
    env.tools = ToolFixture::Environment();
    env.dialogs = &dialogs;
    env.selectedInterface = [this] { return setup.selected; };
    env.interfaceLabel = [this] {
      return setup.selected ? QStringLiteral("GS232") : QStringLiteral(" [NO Ant]");
    };
    env.chooseUserList = [this] { return chosenFile; };
    env.dxccList = [] {
      return std::vector<QStringList>{
          {"JA", "Japan (As)", "35.7N", "139.7E", "UTC+9"},
          {"W", "Broken (Na)", "1.2,3N", "70W", "UTC-5"},
          {"VK", "Australia (Oc)", "33,87S", "151,21E", "UTC+10"}};
    };
    return env;
  }
  base::RecordingDialogs dialogs;
  QString chosenFile;
};

TEST(FormHFBeam, ListClickShowsTheGreatCircleAndCommandsTheRoundedAzimuth) {
  HfFixture f;
  TFormHFBeam w(f.Environment());
  w.show();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("AZ BEAM GS232"));
  EXPECT_TRUE(w.ComboBoxListDX->isVisible());
  EXPECT_FALSE(w.ComboBoxListUS->isVisible());
  w.ListEntryChosen(TFormHFBeam::ListDxcc, 0);
  EXPECT_EQ(w.EditAzimuth->text(), base::FormatUserFixed(33.4, 1));
  EXPECT_EQ(w.EditDistance->text(), base::FormatUserFixed(9707.5, 1));
  EXPECT_EQ(w.Azimuth(), 33);
  EXPECT_EQ(w.UpDownAzi->value(), 33);
  EXPECT_EQ(w.EditAzimut->text(), QStringLiteral("33"));
  EXPECT_EQ(w.LCDAzi->intValue(), 33);
  EXPECT_EQ(w.EditDXLattitude->text(), base::FormatUserFixed(35.7, 2));
  EXPECT_TRUE(w.CheckBoxLattitudeNordDX->isChecked());
  EXPECT_TRUE(w.CheckBoxLongitudeEstDX->isChecked());
  EXPECT_FALSE(w.CheckBoxLongitudeOuestDX->isChecked());
  // No command yet: nothing reached the rotator.
  EXPECT_TRUE(f.Gs232().empty());

  // An entry holding both separators is refused: the previous place stays.
  w.ListEntryChosen(TFormHFBeam::ListDxcc, 1);
  EXPECT_EQ(w.Azimuth(), 33);
  EXPECT_EQ(f.sounds.Count(QStringLiteral("beep")), 1);
  // Southern, eastern place: the side boxes follow.
  w.ListEntryChosen(TFormHFBeam::ListDxcc, 2);
  EXPECT_TRUE(w.CheckBoxLattitudeSudDX->isChecked());
  EXPECT_FALSE(w.CheckBoxLattitudeNordDX->isChecked());
}

TEST(FormHFBeam, ListButtonsShowOneListAndApplyItsCurrentEntry) {
  HfFixture f;
  TFormHFBeam w(f.Environment());
  w.show();
  ASSERT_EQ(w.ComboBoxListUS->count(), 51);
  ASSERT_EQ(w.ComboBoxListFR->count(), 96);
  EXPECT_FALSE(w.SpeedButtonCB->isEnabled());
  EXPECT_EQ(w.SpeedButtonCB->toolTip(), QStringLiteral("No CB country list is available"));
  w.SpeedButtonUS->click();
  EXPECT_TRUE(w.ComboBoxListUS->isVisible());
  EXPECT_FALSE(w.ComboBoxListDX->isVisible());
  EXPECT_FALSE(w.DxPosition());  // no current entry yet
  w.ComboBoxListUS->setCurrentIndex(w.ComboBoxListUS->findText(QStringLiteral("NY"), Qt::MatchStartsWith));
  w.SpeedButtonFR->click();
  w.SpeedButtonUS->click();
  ASSERT_TRUE(w.DxPosition());
  EXPECT_NEAR(w.DxPosition()->longitude, -75.51, 1e-9);
  EXPECT_GT(w.Azimuth(), 270);  // New York lies west-north-west of Paris

  // Another separator rewrites every list; a click still reads its place.
  w.SetListSeparator(QLatin1Char('='));
  EXPECT_TRUE(w.ComboBoxListFR->itemText(0).startsWith(QStringLiteral("01=Ain")));
  const int paris = w.ComboBoxListFR->findText(QStringLiteral("75="), Qt::MatchStartsWith);
  ASSERT_GE(paris, 0);
  w.ListEntryChosen(TFormHFBeam::ListFr, paris);
  EXPECT_NEAR(w.DxPosition()->latitude, 48.86, 1e-9);
  EXPECT_EQ(w.ComboBoxListFR->toolTip(), w.ComboBoxListFR->itemText(paris));
}

TEST(FormHFBeam, LongPathArrowsAndFavourites) {
  HfFixture f;
  TFormHFBeam w(f.Environment());
  w.show();
  w.SetAzimuth(10);
  w.SpeedButtonLP->click();
  EXPECT_TRUE(w.SpeedButtonLP->isChecked());
  EXPECT_EQ(w.Azimuth(), 190);
  w.SpeedButtonLP->click();
  EXPECT_EQ(w.Azimuth(), 10);
  EXPECT_FALSE(w.SpeedButtonLP->isChecked());
  w.SetAzimuth(180);
  w.SpeedButtonLP->click();
  EXPECT_EQ(w.Azimuth(), 0);
  // Any change of the arrows releases the long path.
  w.UpDownAzi->stepUp();
  EXPECT_EQ(w.Azimuth(), 1);
  EXPECT_FALSE(w.SpeedButtonLP->isChecked());
  EXPECT_EQ(w.LCDAzi->intValue(), 1);

  // Favourites: the window's values limited, labels on the buttons, a press turns there.
  QSignalSpy changed(&w, &TFormHFBeam::SettingsChanged);
  w.Button[0]->customContextMenuRequested(QPoint());
  TFormFavorites* fav = w.Favorites();
  ASSERT_TRUE(fav->isVisible());
  EXPECT_EQ(fav->windowTitle(), QStringLiteral("Favorite azimuths"));
  EXPECT_EQ(w.Button[0]->text(), QStringLiteral("Fav.1"));
  fav->SpinEdit[0]->setText(QStringLiteral("400"));
  fav->SpinEdit[1]->setText(QStringLiteral("east"));
  fav->SpinEdit[2]->setText(QStringLiteral("45"));
  fav->Edit[2]->setText(QStringLiteral("EU"));
  fav->close();
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(w.Settings().favouriteAzimuth[0], 359);
  EXPECT_EQ(w.Settings().favouriteAzimuth[1], 0);
  EXPECT_EQ(w.Settings().favouriteText[2], QStringLiteral("EU"));
  EXPECT_EQ(w.Button[2]->text(), QStringLiteral("EU"));
  EXPECT_EQ(fav->SpinEdit[0]->text(), QStringLiteral("359"));
  w.SpeedButtonLP->click();
  w.Button[2]->click();
  EXPECT_EQ(w.Azimuth(), 45);
  EXPECT_FALSE(w.SpeedButtonLP->isChecked());
  EXPECT_EQ(w.Button[2]->toolTip(), QStringLiteral("Click right to define the favorite azimuths"));
}

TEST(FormHFBeam, CompassNeedlePointsAtTheAzimuth) {
  HfFixture f;
  TFormHFBeam w(f.Environment());
  const QRgb red = qRgb(255, 0, 0);
  w.SetAzimuth(90);
  QImage east = w.CompassImage();
  EXPECT_EQ(east.pixel(50, 34) & 0xFFFFFF, red & 0xFFFFFF);
  EXPECT_NE(east.pixel(34, 18) & 0xFFFFFF, red & 0xFFFFFF);
  w.SetAzimuth(0);
  QImage north = w.CompassImage();
  EXPECT_EQ(north.pixel(34, 20) & 0xFFFFFF, red & 0xFFFFFF);
  EXPECT_NE(north.pixel(50, 34) & 0xFFFFFF, red & 0xFFFFFF);
}

TEST(FormHFBeam, AzimuthCommandSendsElevationZeroAndStopsTheOtherSources) {
  HfFixture f;
  bool sunTracking = true;
  int sunReleased = 0;
  f.sources->Register(tracking::AntennaSource::Sun,
                      {[&] { return sunTracking; }, [&] { ++sunReleased; sunTracking = false; }, {}});
  TFormHFBeam w(f.Environment());
  f.sources->Register(tracking::AntennaSource::HfBeam,
                      {[&] { return w.Tracking(); }, [&] { w.StopTracking(); }, {}});
  w.show();
  EXPECT_TRUE(w.SpeedButtonTrackHF->isEnabled());
  EXPECT_TRUE(w.BitBtnStop->isEnabled());
  w.SetAzimuth(123);
  w.SpeedButtonTrackHF->click();
  EXPECT_TRUE(w.Tracking());
  EXPECT_EQ(sunReleased, 1);
  ASSERT_EQ(f.Gs232(), std::vector<std::string>{"W123 000\r"});
  EXPECT_TRUE(w.LampOn());
  EXPECT_TRUE(w.TimerBlink->isActive());
  EXPECT_EQ(w.TimerBlink->interval(), 300);
  EXPECT_EQ(w.TimerTrackOK->interval(), 3600);
  // Every later change goes out too.
  w.UpDownAzi->stepDown();
  EXPECT_EQ(f.Gs232().back(), "W122 000\r");
  // The lamp alternates, then goes out.
  QMetaObject::invokeMethod(w.TimerBlink, "timeout", Qt::DirectConnection);
  EXPECT_FALSE(w.LampOn());
  QMetaObject::invokeMethod(w.TimerBlink, "timeout", Qt::DirectConnection);
  EXPECT_TRUE(w.LampOn());
  QMetaObject::invokeMethod(w.TimerTrackOK, "timeout", Qt::DirectConnection);
  EXPECT_FALSE(w.LampOn());
  EXPECT_FALSE(w.TimerBlink->isActive());
  // Pressing again: stop command.
  w.SpeedButtonTrackHF->click();
  EXPECT_FALSE(w.Tracking());
  EXPECT_EQ(f.Gs232().back(), "S\r");
  // STOP releases the command and the long path and stops the rotator.
  w.SpeedButtonTrackHF->click();
  w.SpeedButtonLP->click();
  EXPECT_EQ(f.Gs232().back(), "W302 000\r");
  const std::size_t before = f.Gs232().size();
  w.BitBtnStop->click();
  EXPECT_FALSE(w.SpeedButtonLP->isChecked());
  EXPECT_FALSE(w.SpeedButtonTrackHF->isChecked());
  EXPECT_FALSE(w.Tracking());
  EXPECT_GT(f.Gs232().size(), before);
  EXPECT_EQ(f.Gs232().back(), "S\r");
}

TEST(FormHFBeam, EgisGetsNothingAndWithoutAnAntennaTheButtonsAreOff) {
  HfFixture f;
  f.setup.selected = tracking::Interface::Egis;
  TFormHFBeam w(f.Environment());
  w.show();
  w.SpeedButtonTrackHF->click();
  ASSERT_TRUE(w.Tracking());
  w.SetAzimuth(200);
  EXPECT_TRUE(f.Gs232().empty());
  EXPECT_TRUE(f.Link(tracking::Interface::Egis).writes.empty());
  EXPECT_FALSE(w.LampOn());
  w.close();
  EXPECT_FALSE(w.Tracking());

  HfFixture g;
  g.mainTrackEnabled = false;
  g.setup.selected.reset();
  TFormHFBeam off(g.Environment());
  off.show();
  EXPECT_FALSE(off.SpeedButtonTrackHF->isEnabled());
  EXPECT_FALSE(off.BitBtnStop->isEnabled());
  EXPECT_EQ(off.windowTitle(), QStringLiteral("AZ BEAM  [NO Ant]"));
}

TEST(FormHFBeam, UserListLoadsReadOnlyFilesWithoutTouchingThemAndIsReloadedWhenChanged) {
  HfFixture f;
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("mine.bdx"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[ friends\r\nJA1\tTokyo\t35.7N\t139.7E\r\nJA/1\tTokyo\t35.7N\t139.7E\r\n"
               "VK2\tSydney\t33,87S\t151,21E\tdawn\r\n");
  }
  const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
  ASSERT_TRUE(QFile::setPermissions(path, readOnly));
  TFormHFBeam w(f.Environment());
  QSignalSpy changed(&w, &TFormHFBeam::SettingsChanged);
  f.chosenFile = path;
  w.SpeedButtonMYRightClick();
  EXPECT_EQ(QFileInfo(path).permissions() & 0x7077, readOnly);
  ASSERT_EQ(w.ComboBoxListMy->count(), 2);
  EXPECT_TRUE(w.SpeedButtonMY->isChecked());
  EXPECT_EQ(w.Settings().myList, path);
  EXPECT_EQ(changed.count(), 1);
  w.ListEntryChosen(TFormHFBeam::ListMy, 0);
  EXPECT_EQ(w.Azimuth(), 33);

  // A file that cannot be opened: the message with its code, the list stays.
  f.chosenFile = dir.filePath(QStringLiteral("none.bdx"));
  w.SpeedButtonMYRightClick();
  ASSERT_EQ(f.dialogs.errors.size(), 1);
  EXPECT_TRUE(f.dialogs.errors[0].contains(QStringLiteral(" ERR:"))) << f.dialogs.errors[0].toStdString();
  EXPECT_EQ(w.ComboBoxListMy->count(), 2);

  // The remembered file is loaded when the window is shown.
  TFormHFBeam other(f.Environment());
  HfBeamSettings s;
  s.myList = path;
  other.LoadSettings(s);
  EXPECT_EQ(other.ComboBoxListMy->count(), 0);
  other.show();
  EXPECT_EQ(other.ComboBoxListMy->count(), 2);
  QFile::setPermissions(path, readOnly | QFileDevice::WriteOwner);
}

TEST(FormHFBeam, HelpWindowTopicThreeAndLanguages) {
  HfFixture f;
  base::RecordingHelp help;
  TFormHFBeam w(f.Environment());
  w.ImageHelp->click();
  ASSERT_TRUE(w.HelpMyList()->isVisible());
  EXPECT_TRUE(w.HelpMyList()->MemoHelp->toPlainText().contains(QStringLiteral(".bdx")));
  auto* button = w.findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"));
  ASSERT_NE(button, nullptr);
  button->click();
  EXPECT_EQ(help.requests, std::vector<QString>{QStringLiteral("topic 3")});
  EXPECT_EQ(w.BitBtnStop->text(), QStringLiteral("STOP"));
  EXPECT_EQ(w.SpeedButtonTrackHF->toolTip(), QStringLiteral("To enable or disable azimuth command"));
  EXPECT_EQ(w.BitBtnStop->toolTip(), QStringLiteral("To stop azimuth command"));
  EXPECT_EQ(w.SpeedButtonLP->toolTip(), QStringLiteral("Opposite azimuth (Long Pass)"));

  base::CatalogueTranslator catalogue(QStringLiteral("hfbeam"));
  const std::pair<const char*, const char*> hints[] = {
      {"es", "Azimut opuesto (camino largo)"},
      {"fr", "Azimut opposé (grand chemin)"},
      {"de", "Gegenazimut (Long Path)"},
      {"it", "Azimut opposto (percorso lungo)"}};
  for (const auto& [code, hint] : hints) {
    ASSERT_TRUE(catalogue.Apply(QLatin1String(code)));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.SpeedButtonLP->toolTip(), QString::fromUtf8(hint)) << code;
    EXPECT_NE(w.Favorites()->windowTitle(), QStringLiteral("Favorite azimuths")) << code;
    EXPECT_NE(w.HelpMyList()->MemoHelp->toPlainText().left(20),
              QStringLiteral("Your own list is a t")) << code;
  }
  catalogue.Apply(QString());
  QCoreApplication::processEvents();
  EXPECT_EQ(w.SpeedButtonLP->toolTip(), QStringLiteral("Opposite azimuth (Long Pass)"));
}

}  // namespace
}  // namespace tools

namespace tools {
namespace {

// In every language each button and label is at least as wide as its text needs. With
// ORVANE_SHOTS_DIR set, the window is saved there once per language.
TEST(FormHFBeam, NoTextIsCutInAnyLanguage) {
  HfFixture f;
  TFormHFBeam w(f.Environment());
  w.show();
  base::CatalogueTranslator catalogue(QStringLiteral("hfbeam"));
  const QString shots = qEnvironmentVariable("ORVANE_SHOTS_DIR");
  for (const char* code : {"", "es", "fr", "de", "it"}) {
    catalogue.Apply(QLatin1String(code));
    QCoreApplication::processEvents();
    w.adjustSize();
    QCoreApplication::processEvents();
    for (QWidget* c : w.findChildren<QWidget*>()) {
      if (!c->isVisible() || !(qobject_cast<QAbstractButton*>(c) || qobject_cast<QLabel*>(c)))
        continue;
      EXPECT_GE(c->width(), c->minimumSizeHint().width())
          << code << " " << c->objectName().toStdString();
    }
    if (!shots.isEmpty()) {
      w.grab().save(shots + QStringLiteral("/hf_beam_%1.png").arg(*code ? code : "en"));
      w.Favorites()->show();
      w.Favorites()->grab().save(shots + QStringLiteral("/favorites_%1.png").arg(*code ? code : "en"));
      w.Favorites()->hide();
    }
  }
}

}  // namespace
}  // namespace tools
