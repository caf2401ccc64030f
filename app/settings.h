#pragma once

// The settings file "Orvane.ini" as a plain record: every key with its default, the
// reader that applies the file line by line, and the writer that rebuilds it at quit.
// Decimal values are kept as text, with the user's decimal separator.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace base {
class Sounds;
class Dialogs;
}  // namespace base

#include "app/catalogue_limits.h"
#include "app/groups.h"
#include "tracking/antenna_values.h"

namespace app {

inline constexpr int kFavouriteCount = 6;

inline constexpr const char* kSettingsFileName = "Orvane.ini";
inline constexpr const char* kSettingsTempFileName = "Orvane.~in";

struct FontSetting {
  QString name;
  int size = 0;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const FontSetting&) const = default;
};

// Window positions and sizes in pixels.
struct WindowGeometry {
  int compactLeft = 0, compactTop = 0;  // the compact pass list
  int settingsLeft = 0, settingsTop = 0;
  int explorerLeft = 0, explorerTop = 0, explorerWidth = 695, explorerHeight = 610;
  int settingsHeight = 440, settingsWidth = 683;
  int compactExtraHeight = 0, compactExtraWidth = 0;
  int chartLeft = 159, chartTop = 113;  // 24-hour window
  int sunLeft = 50, sunTop = 50;
  int moonLeft = 50, moonTop = 50;
  int hfLeft = 50, hfTop = 221;
  int mapLeft = 0, mapTop = 181, mapWidth = 616, mapHeight = 382;
  int dxLeft = 401, dxTop = 302, dxWidth = 456, dxHeight = 447;
  bool operator==(const WindowGeometry&) const = default;
};

enum class GroundTrackMode { Normal, Plus, Minus };

std::array<tracking::AntennaValues, tracking::kInterfaceCount> DefaultAntennas();
std::array<QString, kFavouriteCount> DefaultFavouriteTexts();

// Everything the settings file holds. A default-constructed record has the defaults with
// "." as decimal separator, unscaled window sizes and no element file for group 1; use
// DefaultSettings() for the defaults of the running program.
struct Settings {
  // [ORVANE]
  // VERSION=: how the group lines hold the selection (numbers from version 3 on).
  SelectionFormat groupFormat = SelectionFormat::Names;
  QString language = QStringLiteral("ENGLISH");  // ENGLISH, SPANISH, FRENCH, DEUTSCH, ITALIAN
  bool windowNormal = true;                      // WINDOW= NORMAL (else REDUCED)
  bool trackLine = true;
  bool synchro = false;
  bool trackNoStop = false;    // "Resume tracking when pass ends"
  bool trackStop360 = false;   // "Stop tracking on 360° Azimuth step"
  bool noConfirmQuit = false;  // CONFIRM_QUIT=YES: do not ask when quitting
  QString qraLocator;          // text of the locator edit
  bool latitudeNorth = true;
  QString latitude;  // degrees, decimal text
  bool longitudeWest = true;
  QString longitude;
  QString altitude = QStringLiteral("0");  // metres
  QString qraLocatorDx =
      QStringLiteral("      ");  // six blanks: none (what an empty value reads as)
  QString latitudeDx;
  QString longitudeDx;
  QString altitudeDx = QStringLiteral("0");
  int minElevation = 0;  // degrees, -5..20
  QString localUtc;      // local time minus UTC, hours, as typed
  int timeZone = -1;     // time-zone state at the last quit: 0, 1, 2; -1 unknown
  bool showUtc = false;
  bool show24h = false;
  bool alarm = false;
  int alarmLength = 10;  // seconds, 1..60
  bool preview = true;
  int previewBefore = 5;  // minutes, 1..10
  QString mapPathname;
  QString mapPathname180;
  QString lastDxcc;
  RenameTable renames;
  GroupTable groups = DefaultGroupTable(QString());
  int activeGroup = 1;  // 1..10
  bool tleAgeAlarm = true;
  int tleAgeDays = 3;
  bool autoDownload = false;
  // LAST_FETCH=: local time (ISO) + "," + address of each recent element-file fetch.
  QStringList fetchLog;
  WindowGeometry geometry;
  QString dxccSeparator = QStringLiteral("\t");
  int mapZoom = 100;                        // percent: 100, 125, 150, 175, 200
  std::optional<tracking::Interface> antenna;  // ANT=, none when empty
  std::array<tracking::AntennaValues, tracking::kInterfaceCount> antennas = DefaultAntennas();
  bool trakBoxHostMode = false;                                   // TKB_HOST=
  QString kctMoveNowFolder = QStringLiteral("c:\\radio\\kct\\");  // MOVENOW=
  tracking::HamlibValues hamlib;  // [HAMLIB]: rotctld and rigctld, AOS/LOS commands

  // [MAP]
  int mapCentre = 0;
  GroundTrackMode groundTrack = GroundTrackMode::Normal;
  bool mapGrid = false;
  bool mapSun = false;
  bool mapSunPlus = false;
  int mapRefresh = 10;  // seconds
  int mapPenWidth = 3;
  bool mapStayOnTop = false;
  FontSetting printFont{QStringLiteral("Courier"), 9};
  FontSetting printFont24{QStringLiteral("MS Sans Serif"), 8};
  QString tcpPort = QStringLiteral("10987");
  QStringList ipChecked;  // checked local addresses of the TCP/IP server
  std::array<int, kFavouriteCount> favouriteAzimuth{};
  std::array<QString, kFavouriteCount> favouriteText = DefaultFavouriteTexts();
  QString myList;                // HF beam "my list" file
  bool newReleaseCheck = false;  // VERSTART=
  bool htmlPage = false;
  bool upload = false;
  int pixel = 1;
  QString host, hostDir, hostUser, hostPass;
  int browserPeriod = 30;
  bool noChecksum = false;  // "Don't control checksums of the TLE files"
  QString moonFrequencyFactor = QStringLiteral("1.000");    // F_DOPPLER=
  QString moonDxFrequencyFactor = QStringLiteral("1.000");  // FDX_DOPPLER=
  QString dxEme;                // DX locator of the Moon window, 6 characters
  int biasEme = 0;              // 0 or 50..1200
  bool moonWindowOpen = false;  // FORM_MOON=

  tracking::AntennaValues& Antenna(tracking::Interface i) {
    return antennas[static_cast<std::size_t>(tracking::IndexOf(i))];
  }
  const tracking::AntennaValues& Antenna(tracking::Interface i) const {
    return antennas[static_cast<std::size_t>(tracking::IndexOf(i))];
  }

  bool operator==(const Settings&) const = default;
};

// What the defaults depend on.
struct SettingsEnvironment {
  QString programFolder;        // group 1's element file is programFolder + "/amateur.txt"
  char decimalSeparator = '.';  // of the decimal defaults
  double scaleFactor = 1.0;     // screen font scaling of the built-in window sizes
  int screenWidth = 1024;       // the compact window starts at the right edge
};

// The running program's environment: ProgramFolder(), the user's separator, scale 1.
SettingsEnvironment CurrentSettingsEnvironment();
Settings DefaultSettings(const SettingsEnvironment& environment);
inline Settings DefaultSettings() {
  return DefaultSettings(CurrentSettingsEnvironment());
}

// Base size of the compact window at scale 1 (not in the file).
inline constexpr int kCompactWidth = 260;
inline constexpr int kCompactHeight = 350;

struct ReadContext {
  char decimalSeparator = '.';       // the user's separator; see CurrentReadContext()
  base::Sounds* sounds = nullptr;    // beeps of decimal values holding both separators
  base::Dialogs* dialogs = nullptr;  // "Can't open the satellite data file"
  // Whether a file can be opened for reading (element files, "my list"); QFile by default.
  std::function<bool(const QString& path)> canOpenFile;
  bool portIoUsable = true;  // printer-port choices are kept only when true
};

// A context with the user's decimal separator and the real file test.
ReadContext CurrentReadContext(base::Sounds* sounds, base::Dialogs* dialogs);

// Applies the lines in file order onto *settings (which holds the defaults or earlier
// values). Never fails: an unusable line or value leaves the previous value.
void ReadSettingsFile(const QStringList& lines, Settings* settings, const ReadContext& context);

enum class SettingsFileStatus { Read, Missing, Unreadable };

// Reads the file (UTF-8 or Windows-1252 text) and applies it. A missing, unreadable or
// oversized file applies nothing; for the last two `*why` (when given) says why, in the
// current language where the program words it.
SettingsFileStatus ReadSettingsFromFile(const QString& path, Settings* settings,
                                        const ReadContext& context, QString* why = nullptr);

// The file's lines in the written order, without line ends.
QStringList BuildSettingsLines(const Settings& settings);

// Writes folder/"Orvane.ini" through "Orvane.~in" (Windows-1252, CR LF), then makes it
// owner-read-only. On failure shows "Can't create Orvane.ini", leaves the old file as it
// was and returns false.
// A settings file that existed but could not be read at start is never replaced: with
// `keepUnreadFile` the settings go to "Orvane.ini.new" beside it and the user is told so.
inline constexpr const char* kSettingsBesideFileName = "Orvane.ini.new";
bool save_configuration(const Settings& settings, const QString& folder, base::Dialogs* dialogs,
                        bool keepUnreadFile = false);

}  // namespace app
