#include "app/settings.h"
#include "app/antenna_binding.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <random>

#include "base/ansi_text.h"
#include "base/program_folder.h"
#include "base/sounds.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace app {
// The comparisons print their difference with LineDiff.
inline void PrintTo(const Settings&, std::ostream* os) {
  *os << "<Settings>";
}

namespace {

const QString kGolden = QStringLiteral(ORVANE_TEST_DATA "/settings/every_key.ini");

// Reads lines onto the defaults with a chosen separator; files named "missing..." do not open.
struct Harness {
  explicit Harness(char separator = '.') {
    context.decimalSeparator = separator;
    context.sounds = &sounds;
    context.dialogs = &dialogs;
    context.canOpenFile = [](const QString& path) {
      return !path.contains(QLatin1String("missing"));
    };
    SettingsEnvironment env;
    env.programFolder = QStringLiteral("/opt/orvane");
    env.decimalSeparator = separator;
    settings = DefaultSettings(env);
  }
  Settings& Read(const QStringList& lines) {
    ReadSettingsFile(lines, &settings, context);
    return settings;
  }
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  ReadContext context;
  Settings settings;
};

// Lines of two records side by side, so a failing comparison shows what differs.
std::string LineDiff(const Settings& a, const Settings& b) {
  const QStringList x = BuildSettingsLines(a), y = BuildSettingsLines(b);
  std::string out;
  for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i) {
    const QString l = x.value(i), r = y.value(i);
    if (l != r) out += (l + "  |  " + r + "\n").toStdString();
  }
  return out;
}

QStringList Golden() {
  QStringList lines;
  EXPECT_EQ(base::ReadAnsiLines(kGolden, &lines), base::TextFileStatus::Ok);
  return lines;
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

class SettingsBothSeparators : public ::testing::TestWithParam<char> {};
INSTANTIATE_TEST_SUITE_P(Separators, SettingsBothSeparators, ::testing::Values('.', ','));

// --- one key at a time -------------------------------------------------------------------

struct KeyCase {
  const char* name;
  QStringList lines;
  std::function<void(const Settings&)> expect;
};

TEST(SettingsKeys, EachReadRuleAndBadValue) {
  using S = const Settings&;
  const auto& gs = [](S s) -> const tracking::AntennaValues& {
    return s.Antenna(tracking::Interface::Gs232);
  };
  const auto& pour = [](S s) -> const tracking::AntennaValues& {
    return s.Antenna(tracking::Interface::PourSat);
  };
  const KeyCase cases[] = {
      {"language", {"LANGUAGE=FRENCH"}, [](S s) { EXPECT_EQ(s.language, "FRENCH"); }},
      {"language unknown ignored",
       {"LANGUAGE=FRENCH", "LANGUAGE=Klingon"},
       [](S s) { EXPECT_EQ(s.language, "FRENCH"); }},
      {"window other value reduced", {"WINDOW=normal"}, [](S s) { EXPECT_FALSE(s.windowNormal); }},
      {"trackline other value off", {"TRACKLINE=YES"}, [](S s) { EXPECT_FALSE(s.trackLine); }},
      {"synchro", {"SYNCHRO=ON"}, [](S s) { EXPECT_TRUE(s.synchro); }},
      {"confirm quit", {"CONFIRM_QUIT=YES"}, [](S s) { EXPECT_TRUE(s.noConfirmQuit); }},
      {"confirm quit other", {"CONFIRM_QUIT=yes"}, [](S s) { EXPECT_FALSE(s.noConfirmQuit); }},
      {"longitude east",
       {"LONGITUDE=E2.35"},
       [](S s) {
         EXPECT_FALSE(s.longitudeWest);
         EXPECT_EQ(s.longitude, "2.35");
       }},
      {"latitude empty ignored",
       {"LATTITUDE=S10", "LATTITUDE="},
       [](S s) {
         EXPECT_FALSE(s.latitudeNorth);
         EXPECT_EQ(s.latitude, "10");
       }},
      {"dx locator empty is six blanks",
       {"QRA_LOCATOR_DX="},
       [](S s) { EXPECT_EQ(s.qraLocatorDx, "      "); }},
      {"elevation clamped high", {"ELEVATION=45"}, [](S s) { EXPECT_EQ(s.minElevation, 20); }},
      {"elevation clamped low", {"ELEVATION=-9"}, [](S s) { EXPECT_EQ(s.minElevation, -5); }},
      {"elevation bad is 0",
       {"ELEVATION=7", "ELEVATION=x"},
       [](S s) { EXPECT_EQ(s.minElevation, 0); }},
      {"local-utc kept as typed", {"LOCAL-UTC=+5.5"}, [](S s) { EXPECT_EQ(s.localUtc, "+5.5"); }},
      {"time zone", {"TIME_ZONE=2"}, [](S s) { EXPECT_EQ(s.timeZone, 2); }},
      {"time zone bad", {"TIME_ZONE=2", "TIME_ZONE=abc"}, [](S s) { EXPECT_EQ(s.timeZone, -1); }},
      {"show utc", {"SHOW_UTC=YES", "SHOW_UTC=YES"}, [](S s) { EXPECT_TRUE(s.showUtc); }},
      {"alarm length bad",
       {"ALARM_LENGTH=30", "ALARM_LENGTH=3O"},
       [](S s) { EXPECT_EQ(s.alarmLength, 10); }},
      {"alarm length clamped", {"ALARM_LENGTH=600"}, [](S s) { EXPECT_EQ(s.alarmLength, 60); }},
      {"preview before bad",
       {"PREVIEW_BEFORE=8", "PREVIEW_BEFORE="},
       [](S s) { EXPECT_EQ(s.previewBefore, 5); }},
      {"active group", {"ACTIVE_GROUP=4"}, [](S s) { EXPECT_EQ(s.activeGroup, 4); }},
      {"active group 77 ignored",
       {"ACTIVE_GROUP=4", "ACTIVE_GROUP=77", "ACTIVE_GROUP=0"},
       [](S s) { EXPECT_EQ(s.activeGroup, 4); }},
      {"alarm tle other value unchanged",
       {"ALARM_TLE=0", "ALARM_TLE=2"},
       [](S s) { EXPECT_FALSE(s.tleAgeAlarm); }},
      {"delay tle bad unchanged",
       {"DELAY_TLE=9", "DELAY_TLE=nine"},
       [](S s) { EXPECT_EQ(s.tleAgeDays, 9); }},
      {"autodwn other off",
       {"AUTODWN=1", "AUTODWN=yes"},
       [](S s) { EXPECT_FALSE(s.autoDownload); }},
      {"sepdxcc", {"SEPDXCC=;"}, [](S s) { EXPECT_EQ(s.dxccSeparator, ";"); }},
      {"zoom 175", {"ZOOM_MAP=175"}, [](S s) { EXPECT_EQ(s.mapZoom, 175); }},
      {"ant", {"ANT=TRAKBOX"}, [](S s) { EXPECT_EQ(s.antenna, tracking::Interface::TrakBox); }},
      {"ant empty", {"ANT=KCT", "ANT="}, [](S s) { EXPECT_FALSE(s.antenna.has_value()); }},
      {"lpt entry", {"LPT_POURSAT=3"}, [=](S s) { EXPECT_EQ(pour(s).lptEntry, 2); }},
      {"lpt bad",
       {"LPT_POURSAT=3", "LPT_POURSAT=9"},
       [=](S s) { EXPECT_EQ(pour(s).lptEntry, -1); }},
      {"lpt address", {"ADLPT_POURSAT=03bc"}, [=](S s) { EXPECT_EQ(pour(s).LptAddressValue(), 0x3BC); }},
      {"lpt address bad",
       {"ADLPT_POURSAT=378", "ADLPT_POURSAT=XYZ1"},
       [=](S s) {
         EXPECT_EQ(pour(s).LptAddressValue(), 0);
         EXPECT_EQ(pour(s).lptAddressText, "");
       }},
      {"port", {"PORT_GS232=USB0"}, [=](S s) { EXPECT_EQ(gs(s).port, "USB0"); }},
      {"baud empty keeps",
       {"BAUD_GS232=9600", "BAUD_GS232="},
       [=](S s) { EXPECT_EQ(gs(s).baud, "9600"); }},
      {"stop other value south", {"STOP_GS232=n"}, [=](S s) { EXPECT_TRUE(gs(s).stopSouth); }},
      {"max el", {"MAX_EL_GS232=180"}, [=](S s) { EXPECT_TRUE(gs(s).maxElevation180); }},
      {"max el kct read back",
       {"MAX_EL_KCT=180"},
       [](S s) { EXPECT_TRUE(s.Antenna(tracking::Interface::Kct).maxElevation180); }},
      {"az 450",
       {"AZ_FODTRACK=450"},
       [](S s) { EXPECT_TRUE(s.Antenna(tracking::Interface::FodTrack).azimuth450); }},
      {"step clamped", {"STEP_GS232=9"}, [=](S s) { EXPECT_EQ(gs(s).step, 5); }},
      {"step bad", {"STEP_GS232=3", "STEP_GS232=?"}, [=](S s) { EXPECT_EQ(gs(s).step, 1); }},
      {"step m2 range",
       {"STEP_M2ORION=45", "STEP_EGIS=0"},
       [](S s) {
         EXPECT_EQ(s.Antenna(tracking::Interface::M2Orion).step, 45);
         EXPECT_EQ(s.Antenna(tracking::Interface::Egis).step, 1);
       }},
      {"offsets",
       {"AZOFFSET_GS=-40", "ELOFFSET_GS=12"},
       [=](S s) {
         EXPECT_EQ(gs(s).azimuthOffset, -30);
         EXPECT_EQ(gs(s).elevationOffset, 12);
       }},
      {"egis elevation offset range",
       {"ELOFFSET_EGIS=-44", "ELOFFSET_EASY=-44"},
       [](S s) {
         EXPECT_EQ(s.Antenna(tracking::Interface::Egis).elevationOffset, -44);
         EXPECT_EQ(s.Antenna(tracking::Interface::EasyComm).elevationOffset, -15);
       }},
      {"offset suffix is the short one",
       {"AZOFFSET_GS232=5"},
       [=](S s) { EXPECT_EQ(gs(s).azimuthOffset, 0); }},
      {"test position",
       {"TESTAZ_TKB=500", "TESTEL_TKB=45"},
       [](S s) {
         EXPECT_EQ(s.Antenna(tracking::Interface::TrakBox).testAzimuth, 450);
         EXPECT_EQ(s.Antenna(tracking::Interface::TrakBox).testElevation, 45);
       }},
      {"calibration empty keeps default",
       {"CALAZ_POURSAT="},
       [=](S s) { EXPECT_EQ(pour(s).calibrationAz, "0.5138901"); }},
      {"parking last wins",
       {"PARKING=GS232", "PARKING=EGIS", "PARKING=BOGUS"},
       [](S s) {
         EXPECT_FALSE(s.Antenna(tracking::Interface::Gs232).parking);
         EXPECT_TRUE(s.Antenna(tracking::Interface::Egis).parking);
       }},
      {"trakbox host", {"TKB_HOST=Y"}, [](S s) { EXPECT_TRUE(s.trakBoxHostMode); }},
      {"trace minus", {"TRACE-=ON"}, [](S s) { EXPECT_EQ(s.groundTrack, GroundTrackMode::Minus); }},
      {"trace off changes nothing",
       {"TRACE+=ON", "TRACE=OFF"},
       [](S s) { EXPECT_EQ(s.groundTrack, GroundTrackMode::Plus); }},
      {"grid off changes nothing", {"GRID=ON", "GRID=OFF"}, [](S s) { EXPECT_TRUE(s.mapGrid); }},
      {"centre bad ignored",
       {"CENTRE=300", "CENTRE=east"},
       [](S s) { EXPECT_EQ(s.mapCentre, 300); }},
      {"map values out of range give the defaults",
       {"CENTRE=300", "CENTRE=180", "PENWIDTH=4", "PENWIDTH=9", "PIXEL=3", "PIXEL=0"},
       [](S s) {
         EXPECT_EQ(s.mapCentre, 0);
         EXPECT_EQ(s.mapPenWidth, 3);
         EXPECT_EQ(s.pixel, 1);
       }},
      {"map values in range are kept",
       {"PENWIDTH=2", "PIXEL=5"},
       [](S s) {
         EXPECT_EQ(s.mapPenWidth, 2);
         EXPECT_EQ(s.pixel, 5);
       }},
      {"refresh bad", {"REFRESH=20", "REFRESH=x"}, [](S s) { EXPECT_EQ(s.mapRefresh, 10); }},
      {"penwidth bad unchanged",
       {"PENWIDTH=5", "PENWIDTH=x"},
       [](S s) { EXPECT_EQ(s.mapPenWidth, 5); }},
      {"print font",
       {"PRINTFONT=Arial,12,BOLD,STRIKEOUT"},
       [](S s) {
         EXPECT_EQ(s.printFont, (FontSetting{"Arial", 12, true, false, false, true}));
       }},
      {"print font bad size keeps size",
       {"PRINTFONT24=Arial,big,ITALIC"},
       [](S s) {
         EXPECT_EQ(s.printFont24, (FontSetting{"Arial", 8, false, true, false, false}));
       }},
      {"ip checked adds",
       {"IP_CHECKED=10.0.0.1", "IP_CHECKED=10.0.0.2", "IP_CHECKED=10.0.0.1"},
       [](S s) {
         EXPECT_EQ(s.ipChecked, QStringList({"10.0.0.1", "10.0.0.2"}));
       }},
      {"favourites",
       {"FAV3AZ=270", "FAV3AZ=west", "FAV6TXT=Europe", "FAV7AZ=1"},
       [](S s) {
         EXPECT_EQ(s.favouriteAzimuth[2], 270);
         EXPECT_EQ(s.favouriteText[5], "Europe");
         EXPECT_EQ(s.favouriteText[0], "Fav.1");
       }},
      {"pixel empty unchanged", {"PIXEL=3", "PIXEL="}, [](S s) { EXPECT_EQ(s.pixel, 3); }},
      {"host empty keeps", {"HOST=a.org", "HOST="}, [](S s) { EXPECT_EQ(s.host, "a.org"); }},
      {"html and nocheck",
       {"HTML=1", "NOCHECK=1"},
       [](S s) {
         EXPECT_TRUE(s.htmlPage);
         EXPECT_TRUE(s.noChecksum);
       }},
      {"f doppler bad unchanged",
       {"F_DOPPLER=2.5", "F_DOPPLER=fast"},
       [](S s) { EXPECT_EQ(s.moonFrequencyFactor, "2.5"); }},
      {"form moon", {"FORM_MOON=1"}, [](S s) { EXPECT_TRUE(s.moonWindowOpen); }},
      {"bias bad", {"BIAS_EME=300", "BIAS_EME=x"}, [](S s) { EXPECT_EQ(s.biasEme, 0); }},
      {"display init extra values ignored",
       {"DISPLAY_INIT=500,700,9"},
       [](S s) {
         EXPECT_EQ(s.geometry.settingsHeight, 500);
         EXPECT_EQ(s.geometry.settingsWidth, 700);
       }},
      {"display sun second bad",
       {"DISPLAY_SUN=7,x"},
       [](S s) {
         EXPECT_EQ(s.geometry.sunLeft, 7);
         EXPECT_EQ(s.geometry.sunTop, 50);
       }},
      {"display non-numeric stops",
       {"DISPLAY=1,2,abc,4,5,6,7,8"},
       [](S s) {
         EXPECT_EQ(s.geometry.compactTop, 2);
         EXPECT_EQ(s.geometry.settingsLeft, 0);
         EXPECT_EQ(s.geometry.explorerHeight, 610);
       }},
      {"display empty value stops",
       {"DISPLAY_MAP=5,,7,8"},
       [](S s) {
         EXPECT_EQ(s.geometry.mapLeft, 5);
         EXPECT_EQ(s.geometry.mapWidth, 616);
       }},
      {"display map last is the rest",
       {"DISPLAY_MAP=5,6,7,8,9"},
       [](S s) {
         EXPECT_EQ(s.geometry.mapWidth, 7);
         EXPECT_EQ(s.geometry.mapHeight, 382);
       }},
      {"negative positions",
       {"DISPLAY_HF=-1200,-5"},
       [](S s) {
         EXPECT_EQ(s.geometry.hfLeft, -1200);
         EXPECT_EQ(s.geometry.hfTop, -5);
       }},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    c.expect(h.Read(c.lines));
  }
}

// The group-number families: only 1..10, and a prefix never takes another key's line.
TEST(SettingsKeys, GroupNumberFamilies) {
  Harness h;
  const Settings before = h.settings;
  h.Read({"URL=x", "URL0=x", "URL11=x", "URLX=x", "URL_2=x", "URL 2=x", "GROUP0=N,1", "GROUP11=N,1",
          "PATHNAME_G=x", "LOGIN_URL=x", "LOGIN_PASSWORD99=x", "GROUPX=N,1"});
  EXPECT_EQ(h.settings, before) << LineDiff(h.settings, before);
  EXPECT_TRUE(h.dialogs.warnings.isEmpty());

  h.Read(
      {"URL2=u2", "LOGIN_URL2=l2", "LOGIN_USERNAME10=n10", "LOGIN_PASSWORD10=p=10", "URL10=u10"});
  EXPECT_EQ(h.settings.groups[1].url, "u2");
  EXPECT_EQ(h.settings.groups[1].loginUrl, "l2");
  EXPECT_EQ(h.settings.groups[9].url, "u10");
  EXPECT_EQ(h.settings.groups[9].loginUserName, "n10");
  EXPECT_EQ(h.settings.groups[9].loginPassword, "p=10");
  EXPECT_EQ(h.settings.groups[0].url, "https://celestrak.org/NORAD/elements/amateur.txt");
}

TEST(SettingsKeys, DefaultsOfTheRunningProgram) {
  SettingsEnvironment env{"/srv/orvane", ',', 1.25, 1920};
  const Settings s = DefaultSettings(env);
  EXPECT_EQ(s.groups[0].elementFile, "/srv/orvane/amateur.txt");
  EXPECT_EQ(s.groups[0].name, "G1 - Amateur");
  EXPECT_EQ(s.groups[4].name, "G5");
  EXPECT_TRUE(s.groups[0].url.endsWith("/NORAD/elements/amateur.txt"));
  EXPECT_EQ(s.groups[1].elementFile, "");
  EXPECT_EQ(s.Antenna(tracking::Interface::PourSat).calibrationAz, "0,5138901");
  EXPECT_EQ(s.Antenna(tracking::Interface::FodTrack).calibrationEl, "1,422");
  EXPECT_EQ(s.moonFrequencyFactor, "1,000");
  EXPECT_EQ(s.geometry.compactLeft, 1920 - 325);
  EXPECT_EQ(s.geometry.explorerWidth, 869);   // 868.75
  EXPECT_EQ(s.geometry.explorerHeight, 762);  // 762.5, halves to even
  EXPECT_EQ(s.geometry.settingsHeight, 550);
  EXPECT_EQ(s.geometry.settingsWidth, 854);  // 853.75
}

// --- the edge cases of the file format -----------------------------------------------------

TEST_P(SettingsBothSeparators, LinesWithoutKeyAndCase) {
  Harness h(GetParam());
  const Settings before = h.settings;
  h.Read({"=ON", "GRID", "grid=ON", "", "[MAP]", "Grid=ON", " GRID=ON"});
  EXPECT_EQ(h.settings, before);
}

TEST_P(SettingsBothSeparators, ValuesKeepTheirEqualsSigns) {
  Harness h(GetParam());
  h.Read({"HOSTPASS=a=b==c", "LOGIN_PASSWORD3==x"});
  EXPECT_EQ(h.settings.hostPass, "a=b==c");
  EXPECT_EQ(h.settings.groups[2].loginPassword, "=x");
}

TEST_P(SettingsBothSeparators, GroupLines) {
  Harness h(GetParam());
  auto& g = h.settings.groups;
  h.Read({"VERSION=3.8.4", "GROUP2=Weather ,25544,25544 ,43017,,25544"});
  EXPECT_EQ(g[1].name, "Weather ");
  const std::array<QString, 15> numbers = {"25544", "", "43017"};
  EXPECT_EQ(g[1].SelectedNumbers, numbers);
  EXPECT_TRUE(g[1].menuVisible);
  EXPECT_TRUE(g[1].menuEnabled);
  EXPECT_EQ(h.settings.groupFormat, SelectionFormat::Numbers);

  // An empty name takes nothing but disables the entry.
  h.Read({"GROUP2=,11111,22222"});
  EXPECT_EQ(g[1].name, "Weather ");
  EXPECT_EQ(g[1].SelectedNumbers, numbers);
  EXPECT_TRUE(g[1].menuVisible);
  EXPECT_FALSE(g[1].menuEnabled);

  // More than 15 entries: the rest is dropped. No entry: the menu stays disabled.
  h.Read({"GROUP3=Big,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17", "GROUP4=Empty,,,"});
  EXPECT_EQ(g[2].SelectedNumbers[14], "15");
  EXPECT_TRUE(g[3].menuVisible);
  EXPECT_FALSE(g[3].menuEnabled);
}

TEST_P(SettingsBothSeparators, OldGroupFormatKeepsNamesWithoutNotes) {
  for (const char* version : {"VERSION=2.9", "VERSION=x3", "VERSION="}) {
    SCOPED_TRACE(version);
    Harness h(GetParam());
    h.Read({version, "GROUP1=Amateur,AO-7 [+]  ,ISS  ,ISS,SO-50[-] x"});
    EXPECT_EQ(h.settings.groupFormat, SelectionFormat::Names);
    const std::array<QString, 15> names = {"AO-7", "ISS", "ISS", "SO-50"};
    EXPECT_EQ(h.settings.groups[0].SelectedNames, names);
    EXPECT_EQ(h.settings.groups[0].SelectedNumbers, (std::array<QString, 15>{}));
  }
}

TEST_P(SettingsBothSeparators, ElementFileAndMyListOpenTest) {
  Harness h(GetParam());
  h.Read({"GROUP1=A,25544", "PATHNAME_G1=/tle/missing.txt", "PATHNAME_G2=/tle/ok.txt",
          "PATHNAME_G3=", "MYLIST=/hf/missing.bdx"});
  EXPECT_EQ(h.settings.groups[0].elementFile, "");
  EXPECT_FALSE(h.settings.groups[0].menuEnabled);
  EXPECT_EQ(h.settings.groups[1].elementFile, "/tle/ok.txt");
  EXPECT_EQ(h.settings.myList, "");
  EXPECT_EQ(h.dialogs.warnings, QStringList({"Can't open the satellite data file",
                                             "Can't open the satellite data file"}));
}

TEST_P(SettingsBothSeparators, RenamePairs) {
  Harness h(GetParam());
  QStringList lines = {"RENAME=25544,ISS", "RENAME=25544,ZARYA", "RENAME=,empty", "RENAME=nocomma",
                       "RENAME=AO-7,OSCAR,7"};
  for (int i = 0; i < 80; ++i) lines.append(QStringLiteral("RENAME=%1,N%1").arg(30000 + i));
  h.Read(lines);
  const auto& r = h.settings.renames;
  EXPECT_EQ(r[0], (RenamePair{"25544", "ISS"}));
  EXPECT_EQ(r[1], (RenamePair{"AO-7", "OSCAR,7"}));
  EXPECT_EQ(r[2], (RenamePair{"30000", "N30000"}));
  EXPECT_EQ(r[49], (RenamePair{"30047", "N30047"}));
}

TEST_P(SettingsBothSeparators, RangeRulesOfTheMoonWindow) {
  Harness h(GetParam());
  const QString sep(QChar::fromLatin1(GetParam()));
  const auto bias = [&](const char* v) {
    return h.Read({QStringLiteral("BIAS_EME=") + v}).biasEme;
  };
  EXPECT_EQ(bias("30"), 50);
  EXPECT_EQ(bias("0"), 0);
  EXPECT_EQ(bias("5000"), 1200);
  EXPECT_EQ(bias("49"), 50);
  EXPECT_EQ(bias("1200"), 1200);

  h.Read({"ZOOM_MAP=125", "ZOOM_MAP=110"});
  EXPECT_EQ(h.settings.mapZoom, 125);
  h.Read({"F_DOPPLER=12.5"});
  EXPECT_EQ(h.settings.moonFrequencyFactor, "1" + sep + "000");
  h.Read({"F_DOPPLER=12", "FDX_DOPPLER=0,5"});
  EXPECT_EQ(h.settings.moonFrequencyFactor, "12");
  EXPECT_EQ(h.settings.moonDxFrequencyFactor, "0" + sep + "5");
  h.Read({"DX_EME=JO65"});
  EXPECT_EQ(h.settings.dxEme, "");
  h.Read({"DX_EME=JO65HQ"});
  EXPECT_EQ(h.settings.dxEme, "JO65HQ");
}

TEST_P(SettingsBothSeparators, LatitudeGetsTheUserSeparator) {
  Harness h(GetParam());
  const QString sep(QChar::fromLatin1(GetParam()));
  h.Read({"LATTITUDE=S33.9"});
  EXPECT_FALSE(h.settings.latitudeNorth);
  EXPECT_EQ(h.settings.latitude, "33" + sep + "9");
  h.Read({"LATTITUDE=N33,9"});
  EXPECT_TRUE(h.settings.latitudeNorth);
  EXPECT_EQ(h.settings.latitude, "33" + sep + "9");
  EXPECT_TRUE(h.sounds.calls.isEmpty());
  h.Read({"LATTITUDE=N1,234.5"});
  EXPECT_EQ(h.settings.latitude, "1,234.5");
  EXPECT_EQ(h.sounds.Count("beep"), 1);
}

TEST_P(SettingsBothSeparators, TimeZone) {
  Harness h(GetParam());
  EXPECT_EQ(h.Read({"TIME_ZONE=1"}).timeZone, 1);
  EXPECT_EQ(h.Read({"TIME_ZONE="}).timeZone, 1);
  EXPECT_EQ(h.Read({"TIME_ZONE=-5"}).timeZone, -1);
  EXPECT_EQ(h.Read({"TIME_ZONE=0"}).timeZone, 0);
  EXPECT_EQ(h.Read({"TIME_ZONE=-1"}).timeZone, -1);
}

TEST_P(SettingsBothSeparators, DxWindowNeedsItsTrailingComma) {
  Harness h(GetParam());
  const WindowGeometry& g = h.Read({"DISPLAY_DX=1,2,3,4,"}).geometry;
  EXPECT_EQ(g.dxHeight, 4);
  h.Read({"DISPLAY_DX=10,20,30,40"});
  EXPECT_EQ(g.dxLeft, 10);
  EXPECT_EQ(g.dxTop, 20);
  EXPECT_EQ(g.dxWidth, 30);
  EXPECT_EQ(g.dxHeight, 4);
}

TEST_P(SettingsBothSeparators, PrinterPortNeedsTheDriver) {
  Harness h(GetParam());
  h.context.portIoUsable = false;
  h.Read({"LPT_FODTRACK=2"});
  EXPECT_EQ(h.settings.Antenna(tracking::Interface::FodTrack).lptEntry, -1);
}

// --- written form and round trip -------------------------------------------------------------

TEST(SettingsFile, GoldenFileIsWrittenBackLineForLine) {
  Harness h('.');
  h.Read(Golden());
  EXPECT_EQ(BuildSettingsLines(h.settings), Golden());
  EXPECT_TRUE(h.dialogs.warnings.isEmpty());
  EXPECT_TRUE(h.sounds.calls.isEmpty());
}

TEST(SettingsFile, GoldenFileSetsEveryWrittenKeyAwayFromItsDefault) {
  Harness fresh('.');
  Harness h('.');
  h.Read(Golden());
  QHash<QString, QString> written;
  for (const QString& line : BuildSettingsLines(h.settings))
    written.insert(line.section('=', 0, 0), line);
  for (const QString& line : BuildSettingsLines(fresh.settings)) {
    // The three ground-track keys name one mode: two of them are always OFF.
    if (!line.contains('=') || line.startsWith("VERSION=") || line.startsWith("TRACE-=")) continue;
    SCOPED_TRACE(line.toStdString());
    EXPECT_NE(written.value(line.section('=', 0, 0)), line);
  }
}

// Every antenna key goes to the panel's values and comes back unchanged; the interface
// names line up between the two enumerations.
TEST(SettingsFile, AntennaKeysCrossToThePanelAndBack) {
  Harness h('.');
  h.Read(Golden());
  const tracking::AntennaPanelValues values = ToPanelValues(h.settings);
  ASSERT_TRUE(h.settings.antenna.has_value());
  ASSERT_TRUE(values.selected.has_value());
  EXPECT_EQ(tracking::SettingsName(*values.selected), tracking::SettingsName(*h.settings.antenna));
  EXPECT_EQ(values.antennas[tracking::IndexOf(tracking::Interface::Gs232)].port,
            h.settings.Antenna(tracking::Interface::Gs232).port);
  Settings back;
  FromPanelValues(values, &back);
  EXPECT_EQ(back.antenna, h.settings.antenna);
  EXPECT_EQ(back.antennas, h.settings.antennas);
  EXPECT_EQ(back.trakBoxHostMode, h.settings.trakBoxHostMode);
  EXPECT_EQ(back.kctMoveNowFolder, h.settings.kctMoveNowFolder);
  EXPECT_EQ(back.trackNoStop, h.settings.trackNoStop);
  EXPECT_EQ(back.trackStop360, h.settings.trackStop360);
  // No interface selected stays so.
  tracking::AntennaPanelValues none = values;
  none.selected.reset();
  FromPanelValues(none, &back);
  EXPECT_FALSE(back.antenna.has_value());
}

TEST_P(SettingsBothSeparators, RoundTripGivesTheSameSettings) {
  Harness first(GetParam());
  first.Read(Golden());
  Harness second(GetParam());
  second.Read(BuildSettingsLines(first.settings));
  EXPECT_EQ(second.settings, first.settings) << LineDiff(second.settings, first.settings);

  // The defaults themselves.
  Harness defaults(GetParam());
  Harness fourth(GetParam());
  fourth.Read(BuildSettingsLines(defaults.settings));
  EXPECT_EQ(fourth.settings.groupFormat, SelectionFormat::Numbers);
  fourth.settings.groupFormat = defaults.settings.groupFormat;
  for (Group& g : fourth.settings.groups)
    g.menuVisible = false;  // the written lines define the groups
  EXPECT_EQ(fourth.settings, defaults.settings) << LineDiff(fourth.settings, defaults.settings);

  // And from a record filled by hand (unwritten fields in a state the reader produces).
  Settings s = first.settings;
  s.groups[4].SelectedNumbers = {"1", "", "3"};
  s.renames[2] = {"SO-50", "Saudi 50"};
  s.Antenna(tracking::Interface::Gs232).parking = false;
  s.Antenna(tracking::Interface::Kct).parking = true;
  s.antenna = tracking::Interface::Kct;
  s.groundTrack = GroundTrackMode::Minus;
  Harness third(GetParam());
  third.Read(BuildSettingsLines(s));
  EXPECT_EQ(third.settings, s) << LineDiff(third.settings, s);
}

// Keys written only when set are absent from a file of defaults; the others are all there.
TEST(SettingsFile, KeysWrittenOnlyWhenSet) {
  Settings s;
  s.tcpPort.clear();
  const QStringList lines = BuildSettingsLines(s);
  QSet<QString> keys;
  for (const QString& line : lines)
    keys.insert(line.section('=', 0, 0) + (line.contains('=') ? "=" : ""));
  for (const char* key :
       {"TRACK_NOSTOP=", "TRACK_STOP360=", "CONFIRM_QUIT=",   "LAST_DXCC=",        "RENAME=",
        "SEPDXCC=",      "ADLPT_POURSAT=", "ADLPT_FODTRACK=", "PORT_GS232=",       "PORT_TKB=",
        "AZ_POURSAT=",   "AZ_FODTRACK=",   "PARKING=",        "STAYONTOP=",        "TCPIP_PORT=",
        "IP_CHECKED=",   "MYLIST=",        "HTML=",           "UPLOAD=",           "HOST=",
        "HOSTDIR=",      "HOSTUSER=",      "HOSTPASS=",       "NOCHECK=",          "DX_EME=",
        "STOP_TKB=",     "STOP_KCT=",      "MAX_EL_TKB=",     "AZOFFSET_POURSAT=", "PORT_EA4TX="}) {
    EXPECT_FALSE(keys.contains(key)) << key;
  }
  for (const char* key :
       {"[ORVANE]",       "[POURSAT]",   "[GS-232]",      "[TRAKBOX]",         "[KCT]",
        "[MAP]",          "GROUP10=",    "PATHNAME_G10=", "LOGIN_PASSWORD10=", "LPT_FODTRACK=",
        "BAUD_EASYCOMM=", "STEP_KCT=",   "MAX_EL_KCT=",   "ZERO_FODTRACK=",    "ELOFFSET_EGIS=",
        "TESTEL_TKB=",    "TKB_HOST=",   "MOVENOW=",      "FAV6TXT=",          "FORM_MOON=",
        "ANT=",           "DISPLAY_DX=", "PRINTFONT24="}) {
    EXPECT_TRUE(keys.contains(key)) << key;
  }
  EXPECT_TRUE(lines.contains("GROUP2=G2,,,,,,,,,,,,,,,"));
  EXPECT_TRUE(lines.contains("DISPLAY_DX=401,302,456,447,"));
  EXPECT_TRUE(lines.contains("LPT_POURSAT=0"));
  EXPECT_TRUE(lines.contains("ANT="));
  EXPECT_TRUE(lines.contains("PRINTFONT=Courier,9"));
}

TEST(SettingsFile, WriterKeepsLinesWhole) {
  Settings s;
  s.groups[0].name = "A,B";
  s.hostPass = "x\r\nGRID=ON";
  const QStringList lines = BuildSettingsLines(s);
  EXPECT_TRUE(lines.contains("GROUP1=A;B,,,,,,,,,,,,,,,"));
  EXPECT_TRUE(lines.contains("HOSTPASS=x  GRID=ON"));
  EXPECT_TRUE(lines.contains("GRID=OFF"));
}

// --- saving -----------------------------------------------------------------------------

class SettingsSave : public ::testing::Test {
 protected:
  QString Ini() const { return dir.path() + "/Orvane.ini"; }
  QString Temp() const { return dir.path() + "/Orvane.~in"; }
  static mode_t Mode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
  }
  QTemporaryDir dir;
  base::RecordingDialogs dialogs;
};

TEST_F(SettingsSave, WindowsTextWithCrLfOwnerReadOnly) {
  Settings s;
  s.qraLocator = "jn18du";
  s.hostUser = QString::fromUtf8("Andr\u00e9 \u20ac");  // é and the euro sign: both in the code page
  ASSERT_TRUE(save_configuration(s, dir.path(), &dialogs));
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_FALSE(QFile::exists(Temp()));
  EXPECT_EQ(Mode(Ini()), 0400u);

  const QByteArray bytes = FileBytes(Ini());
  EXPECT_EQ(bytes, base::EncodeAnsiLines(BuildSettingsLines(s)));
  EXPECT_TRUE(bytes.startsWith("[ORVANE]\r\nVERSION=3.8.4\r\nLANGUAGE=ENGLISH\r\n"));
  EXPECT_TRUE(bytes.endsWith("FORM_MOON=0\r\n"));
  EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
  EXPECT_EQ(bytes.count("\r"), bytes.count("\r\n"));
  EXPECT_TRUE(bytes.contains("QRA_LOCATOR=JN18DU\r\n"));
  EXPECT_TRUE(bytes.contains("HOSTUSER=Andr\xE9 \x80\r\n"));

  // Saving again replaces the read-only file.
  s.hostUser = "second";
  ASSERT_TRUE(save_configuration(s, dir.path(), &dialogs));
  EXPECT_TRUE(FileBytes(Ini()).contains("HOSTUSER=second\r\n"));
  EXPECT_EQ(Mode(Ini()), 0400u);
}

TEST_F(SettingsSave, TextOutsideTheCodePageMakesTheFileUtf8AndReadsBack) {
  Settings s = DefaultSettings(SettingsEnvironment{});
  const QString path = QString::fromUtf8("/home/op/\u0417\u0430\u0433\u0440\u0443\u0437\u043a\u0438/amateur.txt");
  s.groups[1].elementFile = path;
  s.groups[1].name = QString::fromUtf8("\u0413\u0440\u0443\u043f\u043f\u0430 2");
  s.renames[0] = {QStringLiteral("25544"), QString::fromUtf8("\u041c\u041a\u0421")};
  s.hostUser = QString::fromUtf8("Andr\u00e9");  // fits, but the file is UTF-8 now
  ASSERT_TRUE(save_configuration(s, dir.path(), &dialogs));
  const QByteArray bytes = FileBytes(Ini());
  EXPECT_TRUE(bytes.contains(("PATHNAME_G2=" + path + "\r\n").toUtf8()));
  EXPECT_TRUE(bytes.contains("HOSTUSER=Andr\xC3\xA9\r\n"));
  EXPECT_FALSE(bytes.contains('?'));

  Settings back = DefaultSettings(SettingsEnvironment{});
  ReadContext context;
  context.canOpenFile = [](const QString&) { return true; };
  ASSERT_EQ(ReadSettingsFromFile(Ini(), &back, context), SettingsFileStatus::Read);
  EXPECT_EQ(back.groups[1].elementFile, path);
  EXPECT_EQ(back.groups[1].name, s.groups[1].name);
  EXPECT_EQ(back.renames[0], s.renames[0]);
  EXPECT_EQ(back.hostUser, QString::fromUtf8("Andr\u00e9"));
}

TEST_F(SettingsSave, WindowsTextFileStaysByteIdenticalThroughReadAndWrite) {
  // A file of an earlier run with every byte of the code page that a value may hold.
  QByteArray all;
  for (int b = 0x20; b <= 0xFF; ++b) {
    if (b != ',' && b != '=' && b != 0x7F) all.append(static_cast<char>(b));
  }
  Settings s = DefaultSettings(SettingsEnvironment{});
  s.hostUser = base::DecodeWindows1252(all);
  s.groups[2].name = base::DecodeWindows1252("Gr\xFCppe \x80");
  ASSERT_TRUE(save_configuration(s, dir.path(), &dialogs));
  const QByteArray first = FileBytes(Ini());
  EXPECT_TRUE(first.contains("HOSTUSER=" + all + "\r\n"));
  Settings back = DefaultSettings(SettingsEnvironment{});
  ReadContext context;
  context.canOpenFile = [](const QString&) { return true; };
  ASSERT_EQ(ReadSettingsFromFile(Ini(), &back, context), SettingsFileStatus::Read);
  ASSERT_TRUE(save_configuration(back, dir.path(), &dialogs));
  EXPECT_EQ(FileBytes(Ini()), first);
}

TEST_F(SettingsSave, ReadOnlyLeftoverIsReplaced) {
  ASSERT_TRUE(base::WriteAnsiLines(Temp(), {"half a file"}));
  ASSERT_TRUE(QFile::setPermissions(Temp(), QFileDevice::ReadOwner));
  ASSERT_TRUE(save_configuration(Settings{}, dir.path(), &dialogs));
  EXPECT_FALSE(QFile::exists(Temp()));
  Settings back;
  EXPECT_EQ(ReadSettingsFromFile(Ini(), &back, ReadContext{}), SettingsFileStatus::Read);
  EXPECT_EQ(back.groupFormat, SelectionFormat::Numbers);
}

TEST_F(SettingsSave, FailureLeavesTheOldFile) {
  ASSERT_TRUE(base::WriteAnsiLines(Ini(), {"[ORVANE]", "LANGUAGE=FRENCH"}));
  const QByteArray old = FileBytes(Ini());
  // A leftover that cannot be removed (a folder with content) stops the save, even for root.
  ASSERT_TRUE(QDir(dir.path()).mkpath("Orvane.~in/inner"));
  EXPECT_FALSE(save_configuration(Settings{}, dir.path(), &dialogs));
  EXPECT_EQ(dialogs.errors, QStringList{"Can't create Orvane.ini"});
  EXPECT_EQ(FileBytes(Ini()), old);

  EXPECT_FALSE(save_configuration(Settings{}, dir.path() + "/no/such/folder", &dialogs));
  EXPECT_EQ(dialogs.errors.size(), 2);
}

TEST_F(SettingsSave, UnwritableFolder) {
  ASSERT_TRUE(base::WriteAnsiLines(Ini(), {"[ORVANE]", "LANGUAGE=FRENCH"}));
  const QByteArray old = FileBytes(Ini());
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                    QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther));
  const auto attempt = [&] {
    // Root may write anywhere: try as an ordinary user, in a child process.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(3);
    base::RecordingDialogs childDialogs;
    const bool saved = save_configuration(Settings{}, dir.path(), &childDialogs);
    std::_Exit(!saved && childDialogs.errors == QStringList{"Can't create Orvane.ini"} ? 0 : 1);
  };
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(attempt(), ::testing::ExitedWithCode(0), "");
  QFile::setPermissions(dir.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(FileBytes(Ini()), old);
  EXPECT_FALSE(QFile::exists(Temp()));
}

// Whatever a file holds, reading ends, and a save afterwards writes a file that reads back
// to the same settings.
TEST_F(SettingsSave, BadInputReadsAndSavesCleanly) {
  std::mt19937 random(20240117);
  QByteArray bytes;
  for (int i = 0; i < 200000; ++i) bytes.append(static_cast<char>(random() & 0xFF));
  bytes.append("\r\nHOSTPASS=" + QByteArray(10 * 1024 * 1024, 'x') + "\r\n");
  bytes.append(QByteArray(3 * 1024 * 1024, '=') + "\n");
  bytes.append("DISPLAY=a,b,c\nDISPLAY_MAP=1,2,,\nDISPLAY_DX=,,,\nACTIVE_GROUP=77\nCENTRE=\xFF\n");
  bytes.append("GROUP5=" + QByteArray(100000, ',') + "\nNO EQUALS SIGN\n\0\0=\0\n");
  for (int i = 0; i < 80; ++i) bytes.append("RENAME=" + QByteArray::number(i) + ",x\r\n");
  for (const char* key :
       {"LATTITUDE=", "LONGITUDE=", "PRINTFONT=,,,", "FAV1AZ=\x80", "BIAS_EME=99999999999"})
    bytes.append(QByteArray(key) + "\r");
  const QString path = dir.path() + "/bad.ini";
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();

  Harness h;
  ASSERT_EQ(ReadSettingsFromFile(path, &h.settings, h.context), SettingsFileStatus::Read);
  EXPECT_EQ(h.settings.hostPass.size(), 10 * 1024 * 1024);
  EXPECT_EQ(h.settings.activeGroup, 1);
  EXPECT_EQ(h.settings.renames[49].oldSide, "49");
  EXPECT_EQ(h.settings.biasEme, 0);

  ASSERT_TRUE(save_configuration(h.settings, dir.path(), &dialogs));
  const QByteArray saved = FileBytes(Ini());
  Harness back;
  ASSERT_EQ(ReadSettingsFromFile(Ini(), &back.settings, back.context), SettingsFileStatus::Read);
  // Every written value comes back (the group lines now in the current format).
  EXPECT_EQ(BuildSettingsLines(back.settings), BuildSettingsLines(h.settings))
      << LineDiff(back.settings, h.settings);
  EXPECT_EQ(back.settings.groupFormat, SelectionFormat::Numbers);
  ASSERT_TRUE(save_configuration(back.settings, dir.path(), &dialogs));
  EXPECT_EQ(FileBytes(Ini()), saved);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(SettingsSave, MissingAndOversizedFilesApplyNothing) {
  Harness h;
  const Settings before = h.settings;
  EXPECT_EQ(ReadSettingsFromFile(dir.path() + "/none.ini", &h.settings, h.context),
            SettingsFileStatus::Missing);
  const QString big = dir.path() + "/big.ini";
  QFile f(big);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("LANGUAGE=FRENCH\r\n");
  ASSERT_TRUE(f.resize(base::kMaxTextFileBytes + 1));  // sparse: no real 64 MiB written
  f.close();
  EXPECT_EQ(ReadSettingsFromFile(big, &h.settings, h.context), SettingsFileStatus::Unreadable);
  EXPECT_EQ(h.settings, before);
}

// --- Windows-1252 text files and the program folder ------------------------------------------

TEST(AnsiText, EveryByteSurvivesDecodeAndEncode) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  const QString text = base::DecodeWindows1252(all);
  EXPECT_EQ(text[0x80], QChar(0x20AC));
  EXPECT_EQ(text[0x9F], QChar(0x0178));
  EXPECT_EQ(text[0x81], QChar(0x0081));  // undefined in the code page: kept as is
  EXPECT_EQ(text[0xE9], QChar(0x00E9));
  EXPECT_EQ(base::EncodeWindows1252(text), all);
  EXPECT_EQ(base::EncodeWindows1252(QString::fromUtf8("\u0080 \u0100 \U0001F600 \u2122")),
            QByteArray("? ? ? \x99"));
}

TEST(AnsiText, LineEnds) {
  EXPECT_EQ(base::SplitTextLines(u"a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
  EXPECT_EQ(base::SplitTextLines(u"a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
  EXPECT_EQ(base::SplitTextLines(u"\n"), QStringList({""}));
  EXPECT_TRUE(base::SplitTextLines(u"").isEmpty());
  EXPECT_EQ(base::SplitRawLines("x\r\r\ny\n\xE9"),
            (std::vector<std::string>{"x", "", "y", "\xE9"}));
}

TEST(AnsiText, FilesWholeAndRaw) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/f.txt";
  ASSERT_TRUE(base::WriteAnsiLines(path, {QString::fromUtf8("\u00e9t\u00e9"), "", "fin"}));
  EXPECT_EQ(FileBytes(path), QByteArray("\xE9t\xE9\r\n\r\nfin\r\n"));
  QStringList lines;
  EXPECT_EQ(base::ReadAnsiLines(path, &lines), base::TextFileStatus::Ok);
  EXPECT_EQ(lines, QStringList({QString::fromUtf8("\u00e9t\u00e9"), "", "fin"}));
  std::vector<std::string> raw;
  EXPECT_EQ(base::ReadRawLines(path, &raw), base::TextFileStatus::Ok);
  EXPECT_EQ(raw, (std::vector<std::string>{"\xE9t\xE9", "", "fin"}));
  ASSERT_TRUE(base::WriteRawLines(path, {"1 25544U", "2 25544"}));
  EXPECT_EQ(FileBytes(path), QByteArray("1 25544U\r\n2 25544\r\n"));
  EXPECT_EQ(base::ReadRawLines(dir.path() + "/none", &raw), base::TextFileStatus::Missing);
  EXPECT_TRUE(raw.empty());
  EXPECT_NE(base::ReadAnsiLines(dir.path(), &lines), base::TextFileStatus::Ok);
  EXPECT_FALSE(base::WriteAnsiLines(dir.path() + "/no/such/f.txt", {"x"}));
}

TEST(ProgramFolder, ExecutableDirElseDataFolder) {
  QTemporaryDir dir;
  EXPECT_EQ(base::ChooseProgramFolder(dir.path(), "", "/nonexistent"), dir.path());
  const QString missing = dir.path() + "/gone";
  EXPECT_EQ(base::ChooseProgramFolder(missing, dir.path() + "/xdg", "/nonexistent"),
            dir.path() + "/xdg/Orvane");
  EXPECT_TRUE(QFileInfo(dir.path() + "/xdg/Orvane").isDir());
  // A relative XDG_DATA_HOME does not count.
  EXPECT_EQ(base::ChooseProgramFolder(missing, "rel", dir.path()),
            dir.path() + "/.local/share/Orvane");
  EXPECT_TRUE(QFileInfo(dir.path() + "/.local/share/Orvane").isDir());

  // Installed under a prefix: bin/ is writable (as for root) but the data folder is used.
  QDir(dir.path()).mkpath("usr/bin");
  QDir(dir.path()).mkpath("usr/share/orvane");
  EXPECT_TRUE(base::IsInstalledLayout(dir.path() + "/usr/bin"));
  EXPECT_FALSE(base::IsInstalledLayout(dir.path()));
  EXPECT_EQ(base::ChooseProgramFolder(dir.path() + "/usr/bin", dir.path() + "/home/.data", ""),
            dir.path() + "/home/.data/Orvane");

  base::SetProgramFolderOverride(dir.path() + "/");
  EXPECT_EQ(base::ProgramFolder(), dir.path());
  EXPECT_EQ(base::ProgramFilePath("Orvane.ini"), dir.path() + "/Orvane.ini");
  EXPECT_EQ(DefaultSettings().groups[0].elementFile, dir.path() + "/amateur.txt");
  base::SetProgramFolderOverride(QString());
  EXPECT_FALSE(base::ProgramFolder().isEmpty());
  EXPECT_NE(base::ProgramFolder(), dir.path());
}

}  // namespace
}  // namespace app

namespace app {
namespace {

// The daemons' section: absent from a file that never had it (which reads and writes back
// line for line), present and read back whole once anything in it is set.
TEST(SettingsFile, HamlibSectionOnlyWhenAwayFromItsDefaults) {
  Harness h('.');
  h.Read(Golden());
  ASSERT_FALSE(Golden().contains(QStringLiteral("[HAMLIB]")));
  EXPECT_FALSE(BuildSettingsLines(h.settings).contains(QStringLiteral("[HAMLIB]")));

  Settings s = h.settings;
  s.hamlib.rotatorHost = QStringLiteral("shack.local");
  s.hamlib.rotatorPort = 14533;
  s.hamlib.rig.enabled = true;
  s.hamlib.rig.port = 14532;
  s.hamlib.rig.stepHz = 25;
  s.hamlib.commands.aosCommand = QStringLiteral("/usr/bin/notify-send \"AOS now\"");
  s.hamlib.commands.losCommand = QStringLiteral("logger los=1");
  tracking::AntennaValues& rot = s.Antenna(tracking::Interface::Rotctld);
  rot.stopSouth = true;
  rot.maxElevation180 = true;
  rot.step = 3;
  rot.azimuthOffset = -4;
  rot.elevationOffset = 2;
  rot.testAzimuth = 270;
  rot.testElevation = 45;
  s.antenna = tracking::Interface::Rotctld;
  const QStringList lines = BuildSettingsLines(s);
  const qsizetype at = lines.indexOf(QStringLiteral("[HAMLIB]"));
  ASSERT_GE(at, 0);
  EXPECT_TRUE(lines.contains(QStringLiteral("ROTCTLD_HOST=shack.local")));
  EXPECT_TRUE(lines.contains(QStringLiteral("ANT=ROTCTLD")));
  EXPECT_TRUE(lines.contains(QStringLiteral("AOS_COMMAND=/usr/bin/notify-send \"AOS now\"")));
  // Everything before the new section is what the old file had.
  EXPECT_EQ(lines.mid(0, at).filter(QStringLiteral("ROTCTLD")), QStringList{"ANT=ROTCTLD"});
  Harness back('.');
  back.Read(lines);
  EXPECT_EQ(back.settings, s) << LineDiff(back.settings, s);

  // Parking on the daemon's rotator survives too, and a bad port keeps the default.
  s.Antenna(tracking::Interface::Rotctld).parking = true;
  Harness parked('.');
  parked.Read(BuildSettingsLines(s));
  EXPECT_TRUE(parked.settings.Antenna(tracking::Interface::Rotctld).parking);
  Harness bad('.');
  bad.Read({QStringLiteral("ROTCTLD_PORT=99999"), QStringLiteral("RIGCTLD_PORT=x"),
            QStringLiteral("RIGCTLD_STEP=-5"), QStringLiteral("STEP_ROTCTLD=9")});
  EXPECT_EQ(bad.settings.hamlib.rotatorPort, 4533);
  EXPECT_EQ(bad.settings.hamlib.rig.port, 4532);
  EXPECT_EQ(bad.settings.hamlib.rig.stepHz, 1);
  EXPECT_EQ(bad.settings.Antenna(tracking::Interface::Rotctld).step, 5);
}

}  // namespace
}  // namespace app
