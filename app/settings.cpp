#include "app/settings.h"

// Choices for values the program's own writer never produces:
// - DISPLAY=, DISPLAY_MAP=, DISPLAY_DX=: a value that is not an integer ends the line like
//   a missing ","; the values before it are taken, it and the later ones keep their values.
// - CENTRE=, FAV1AZ=..FAV6AZ=: a value that is not an integer is ignored (previous value).
// - CENTRE= other than 0 or 300, PENWIDTH= outside 2..5 and PIXEL= outside 1..5 give the
//   default (0, 3, 1): the map cannot draw with them.
// - PRINTFONT=, PRINTFONT24=: a size that is not a positive integer keeps the previous
//   size; name and styles of the line are still taken.
// - LATTITUDE=, LONGITUDE= with an empty value: the line is ignored.
// - RENAME=: lines beyond the 50th pair are ignored, and so is a line without "," or with
//   an empty old name (it cannot name a satellite).
// - ACTIVE_GROUP= outside 1..10 or not a number: ignored.
// Other choices:
// - MAX_EL_KCT= is read back like the other MAX_EL_ keys, so KCT keeps its range.
// - SHOW_UTC=YES and SHOW_24H=YES switch the display on (a repeated line does not toggle).
// - LPT_=, ADLPT_=: a port entry outside 1..4 means none; an address must be 1 to 4 hex digits.
// - REFRESH= below 1 counts as bad (10): a zero period would redraw the map without pause.
// - SEPDXCC= with an empty value is ignored: the DX list needs a separator.
// - Spin-edit values outside their range are clamped, as the spin edits do.
// - A group line is read in the format in force when it is met; the writer puts VERSION=
//   first, so this only matters for hand-made files.
// - The writer puts ";" for a "," in a group name (a "," would shift the selection) and
//   a blank for a line break in any value (it would split the line).


#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>

#include "base/ansi_text.h"
#include "base/atomic_file.h"
#include "base/locale_number.h"
#include "base/program_folder.h"
#include "base/sounds.h"
#include "orbit/text_number.h"

#ifndef ORVANE_VERSION
#define ORVANE_VERSION "3.8.4"
#endif

namespace app {

namespace {

constexpr const char* kInterfaceNames[kRotatorInterfaceCount] = {
    "POURSAT",  "FODTRACK", "EA4TX", "GS232",   "PROSISTEL",
    "EASYCOMM", "M2ORION",  "EGIS",  "TRAKBOX", "KCT"};
constexpr const char* kLanguages[] = {"ENGLISH", "SPANISH", "FRENCH", "DEUTSCH", "ITALIAN"};
constexpr int kZooms[] = {100, 125, 150, 175, 200};

// Which keys one interface section has, in the written order.
struct AntennaKeys {
  const char* section;
  const char* suffix;        // X of "STEP_" + X + "="
  const char* offsetSuffix;  // of "AZOFFSET_"/"ELOFFSET_", nullptr when none
  bool lpt, port, baud, stop, maxElevation, azimuth450, calibration;
  int stepMin, stepMax;
  int elevationOffsetLimit;
};
constexpr AntennaKeys kAntennaKeys[kRotatorInterfaceCount] = {
    {"[POURSAT]", "POURSAT", nullptr, true, false, false, true, true, true, true, 0, 5, 15},
    {"[FODTRACK]", "FODTRACK", nullptr, true, false, false, true, true, true, true, 0, 5, 15},
    {"[EA4TX]", "EA4TX", nullptr, false, false, false, true, true, false, false, 0, 5, 15},
    {"[GS-232]", "GS232", "GS", false, true, true, true, true, false, false, 0, 5, 15},
    {"[PROSISTEL]", "PROSISTEL", "PROSISTEL", false, true, false, true, true, false, false, 0, 5,
     15},
    {"[EASYCOMM]", "EASYCOMM", "EASY", false, true, true, true, true, false, false, 0, 5, 15},
    {"[M2ORION]", "M2ORION", "M2ORION", false, true, false, true, true, false, false, 1, 50, 15},
    {"[EGIS]", "EGIS", "EGIS", false, true, false, true, true, false, false, 1, 50, 45},
    {"[TRAKBOX]", "TKB", "TKB", false, true, false, false, false, false, false, 0, 5, 15},
    // KCT's "MAX_EL_KCT=" closes its section instead of standing in the usual place.
    {"[KCT]", "KCT", "KCT", false, false, false, false, false, false, false, 0, 5, 15},
};

QString S(const char* text) {
  return QString::fromLatin1(text);
}

bool ToInt(const QString& text, int* out) {
  long long v = 0;
  if (!orbit::ParseInteger(text.toStdString(), &v)) return false;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  *out = static_cast<int>(v);
  return true;
}

QString TrimRightBlanks(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1].unicode() <= ' ') --n;
  return s.left(n);
}

bool IsHexAddress(const QString& s) {
  if (s.isEmpty() || s.size() > 4) return false;
  return std::all_of(s.begin(), s.end(),
                     [](QChar c) { return std::isxdigit(c.unicode() < 128 ? c.toLatin1() : 'x'); });
}

QString CantOpenMessage() {
  return QCoreApplication::translate("Settings", "Can't open the satellite data file");
}

class Reader {
 public:
  Reader(Settings* settings, const ReadContext& context) : s(*settings), ctx(context) {}

  // Decimal values come to the user's separator; a text with both separators beeps.
  QString Decimal(const QString& value) {
    bool beep = false;
    const std::string out =
        orbit::NormalizeDecimalSeparator(value.toStdString(), ctx.decimalSeparator, &beep);
    if (beep && ctx.sounds != nullptr) ctx.sounds->Beep();
    return QString::fromStdString(out);
  }

  // Takes a frequency factor only when it is a number not above 12.
  void FrequencyFactor(const QString& value, QString* field) {
    const QString text = Decimal(value);
    long double v = 0;
    if (orbit::ParseDecimal(text.toStdString(), ctx.decimalSeparator, &v) && v <= 12) *field = text;
  }

  // Clears the path of a file that cannot be opened, with the message.
  void TestFile(QString* path) {
    if (path->isEmpty()) return;
    const bool ok =
        ctx.canOpenFile ? ctx.canOpenFile(*path) : QFile(*path).open(QIODevice::ReadOnly);
    if (ok) return;
    if (ctx.dialogs != nullptr) ctx.dialogs->Warning(CantOpenMessage());
    path->clear();
  }

  Settings& s;
  const ReadContext& ctx;
  std::optional<RotatorInterface> lastParking;
};

using Handler = std::function<void(Reader&, const QString&)>;

// "Every value but the last is taken only when a ',' follows it and is not empty."
enum class LastValue { Rest, UpToComma, NeedsComma };
void ReadGeometry(const QString& value, std::initializer_list<int*> targets, LastValue last) {
  qsizetype pos = 0;
  int index = 0;
  const int count = static_cast<int>(targets.size());
  for (int* target : targets) {
    const bool isLast = ++index == count;
    const qsizetype comma = value.indexOf(QLatin1Char(','), pos);
    QString piece;
    if (!isLast || last == LastValue::NeedsComma) {
      if (comma < 0) return;
      piece = value.mid(pos, comma - pos);
      if (piece.isEmpty()) return;
    } else if (last == LastValue::Rest) {
      piece = value.mid(pos);
    } else {
      piece = comma < 0 ? value.mid(pos) : value.mid(pos, comma - pos);
    }
    int v = 0;
    if (!ToInt(piece, &v)) return;
    *target = v;
    pos = comma + 1;
  }
}

void ReadFont(const QString& value, FontSetting* font) {
  const QStringList items = value.split(QLatin1Char(','));
  if (!items[0].isEmpty()) font->name = items[0];
  int size = 0;
  if (items.size() > 1 && ToInt(items[1], &size) && size > 0) font->size = size;
  font->bold = font->italic = font->underline = font->strikeOut = false;
  for (qsizetype i = 2; i < items.size(); ++i) {
    if (items[i] == u"BOLD")
      font->bold = true;
    else if (items[i] == u"ITALIC")
      font->italic = true;
    else if (items[i] == u"UNDERLINE")
      font->underline = true;
    else if (items[i] == u"STRIKEOUT")
      font->strikeOut = true;
  }
}

void ReadGroupLine(Reader& r, int n, const QString& value) {
  GroupSettings& g = r.s.groups[n - 1];
  qsizetype comma = value.indexOf(QLatin1Char(','));
  const QString name = comma < 0 ? value : value.left(comma);
  if (name.isEmpty()) {
    g.menuEnabled = false;
    return;
  }
  g.name = name;
  const bool numbers = r.s.groupFormat == GroupFormat::Numbers;
  std::array<QString, kGroupSelectionSize> taken;
  std::array<QString, kGroupSelectionSize> raw;
  bool any = false;
  for (int i = 0; i < kGroupSelectionSize && comma >= 0; ++i) {
    const qsizetype next = value.indexOf(QLatin1Char(','), comma + 1);
    raw[i] = TrimRightBlanks(value.mid(comma + 1, next < 0 ? -1 : next - comma - 1));
    comma = next;
    QString entry = raw[i];
    if (numbers) {
      for (int k = 0; k < i && !entry.isEmpty(); ++k) {
        if (raw[k] == entry) entry.clear();
      }
    } else {
      const qsizetype bracket = entry.indexOf(QLatin1Char('['));
      if (bracket >= 0) entry = TrimRightBlanks(entry.left(bracket));
    }
    any = any || !entry.isEmpty();
    taken[i] = entry;
  }
  (numbers ? g.selectedNumbers : g.selectedNames) = taken;
  g.menuVisible = true;
  g.menuEnabled = any;
}

void ReadPathLine(Reader& r, int n, const QString& value) {
  GroupSettings& g = r.s.groups[n - 1];
  g.elementFile = value;
  r.TestFile(&g.elementFile);
  if (g.elementFile.isEmpty()) g.menuEnabled = false;
}

// Fixed-text flag keys: `on` sets the flag; `elseOff` clears it for any other value.
Handler Flag(bool Settings::*field, const char* on, bool elseOff) {
  return [=](Reader& r, const QString& v) {
    if (v == QLatin1String(on))
      r.s.*field = true;
    else if (elseOff)
      r.s.*field = false;
  };
}
Handler Text(QString Settings::*field) {
  return [=](Reader& r, const QString& v) { r.s.*field = v; };
}
Handler TextWhenNotEmpty(QString Settings::*field) {
  return [=](Reader& r, const QString& v) {
    if (!v.isEmpty()) r.s.*field = v;
  };
}
Handler DecimalText(QString Settings::*field) {
  return [=](Reader& r, const QString& v) { r.s.*field = r.Decimal(v); };
}
// Integer into a spin edit: clamped to its range, `bad` when not a number.
Handler Clamped(int Settings::*field, int lo, int hi, int bad) {
  return [=](Reader& r, const QString& v) {
    int x = 0;
    r.s.*field = ToInt(v, &x) ? std::clamp(x, lo, hi) : bad;
  };
}
// Integer kept only when it converts.
Handler IntOrUnchanged(int Settings::*field) {
  return [=](Reader& r, const QString& v) {
    int x = 0;
    if (ToInt(v, &x)) r.s.*field = x;
  };
}

// Integer kept when it converts and `valid` holds; `fallback` when it converts but not.
Handler IntValidOrDefault(int Settings::*field, bool (*valid)(int), int fallback) {
  return [=](Reader& r, const QString& v) {
    int x = 0;
    if (ToInt(v, &x)) r.s.*field = valid(x) ? x : fallback;
  };
}

void AddAntennaHandlers(QHash<QString, Handler>& h) {
  for (int i = 0; i < kRotatorInterfaceCount; ++i) {
    const AntennaKeys& k = kAntennaKeys[i];
    const QString x = S(k.suffix);
    auto a = [i](Reader& r) -> AntennaSettings& { return r.s.antennas[i]; };
    if (k.lpt) {
      h.insert("LPT_" + x + "=", [=](Reader& r, const QString& v) {
        int entry = 0;
        a(r).lptEntry =
            (ToInt(v, &entry) && entry >= 1 && entry <= 4 && r.ctx.portIoUsable) ? entry - 1 : -1;
      });
      h.insert("ADLPT_" + x + "=", [=](Reader& r, const QString& v) {
        const bool ok = IsHexAddress(v);
        a(r).lptAddressText = ok ? v : QString();
        a(r).lptAddress = ok ? v.toInt(nullptr, 16) : 0;
      });
    }
    if (k.port) h.insert("PORT_" + x + "=", [=](Reader& r, const QString& v) { a(r).port = v; });
    if (k.baud) {
      h.insert("BAUD_" + x + "=", [=](Reader& r, const QString& v) {
        if (!v.isEmpty()) a(r).baud = v;
      });
    }
    if (k.stop)
      h.insert("STOP_" + x + "=", [=](Reader& r, const QString& v) { a(r).stopSouth = v != u"N"; });
    if (k.maxElevation || i == Index(RotatorInterface::Kct)) {
      h.insert("MAX_EL_" + x + "=",
               [=](Reader& r, const QString& v) { a(r).maxElevation180 = v == u"180"; });
    }
    if (k.azimuth450) {
      h.insert("AZ_" + x + "=", [=](Reader& r, const QString& v) {
        if (v == u"450") a(r).azimuth450 = true;
      });
    }
    h.insert("STEP_" + x + "=", [=](Reader& r, const QString& v) {
      int n = 0;
      a(r).step = ToInt(v, &n) ? std::clamp(n, k.stepMin, k.stepMax) : 1;
    });
    if (k.calibration) {
      const std::pair<const char*, QString AntennaSettings::*> cal[] = {
          {"CALAZ_", &AntennaSettings::calibrationAz},
          {"CALEL_", &AntennaSettings::calibrationEl},
          {"ZERO_", &AntennaSettings::calibrationZero}};
      for (const auto& [prefix, field] : cal) {
        h.insert(S(prefix) + x + "=", [=](Reader& r, const QString& v) {
          if (!v.isEmpty()) a(r).*field = r.Decimal(v);
        });
      }
    }
    if (k.offsetSuffix != nullptr) {
      const QString o = S(k.offsetSuffix);
      h.insert("AZOFFSET_" + o + "=", [=](Reader& r, const QString& v) {
        int n = 0;
        a(r).azimuthOffset = ToInt(v, &n) ? std::clamp(n, -30, 30) : 0;
      });
      h.insert("ELOFFSET_" + o + "=", [=](Reader& r, const QString& v) {
        int n = 0;
        const int lim = k.elevationOffsetLimit;
        a(r).elevationOffset = ToInt(v, &n) ? std::clamp(n, -lim, lim) : 0;
      });
    }
    h.insert("TESTAZ_" + x + "=", [=](Reader& r, const QString& v) {
      int n = 0;
      a(r).testAzimuth = ToInt(v, &n) ? std::clamp(n, 0, 450) : 0;
    });
    h.insert("TESTEL_" + x + "=", [=](Reader& r, const QString& v) {
      int n = 0;
      a(r).testElevation = ToInt(v, &n) ? std::clamp(n, 0, 180) : 0;
    });
  }
  h.insert("PARKING=", [](Reader& r, const QString& v) {
    if (const auto i = RotatorInterfaceFromName(v)) r.lastParking = i;
  });
  h.insert("TKB_HOST=", [](Reader& r, const QString& v) {
    if (v == u"Y") r.s.trakBoxHostMode = true;
  });
  h.insert("MOVENOW=", Text(&Settings::kctMoveNowFolder));
}

void AddGeneralHandlers(QHash<QString, Handler>& h) {
  h.insert("VERSION=", [](Reader& r, const QString& v) {
    const bool current = !v.isEmpty() && v[0] >= u'3' && v[0] <= u'9';
    r.s.groupFormat = current ? GroupFormat::Numbers : GroupFormat::Names;
  });
  h.insert("LANGUAGE=", [](Reader& r, const QString& v) {
    for (const char* language : kLanguages) {
      if (v == QLatin1String(language)) r.s.language = v;
    }
  });
  h.insert("WINDOW=", Flag(&Settings::windowNormal, "NORMAL", true));
  h.insert("TRACKLINE=", Flag(&Settings::trackLine, "ON", true));
  h.insert("SYNCHRO=", Flag(&Settings::synchro, "ON", false));
  h.insert("TRACK_NOSTOP=", Flag(&Settings::trackNoStop, "YES", false));
  h.insert("TRACK_STOP360=", Flag(&Settings::trackStop360, "YES", false));
  h.insert("CONFIRM_QUIT=", Flag(&Settings::noConfirmQuit, "YES", false));
  h.insert("QRA_LOCATOR=", Text(&Settings::qraLocator));
  const auto hemisphere = [](bool Settings::*side, const char* letter, QString Settings::*field) {
    return [=](Reader& r, const QString& v) {
      if (v.isEmpty()) return;
      r.s.*side = v[0] == QLatin1Char(letter[0]);
      r.s.*field = r.Decimal(v.mid(1));
    };
  };
  h.insert("LATTITUDE=", hemisphere(&Settings::latitudeNorth, "N", &Settings::latitude));
  h.insert("LONGITUDE=", hemisphere(&Settings::longitudeWest, "W", &Settings::longitude));
  h.insert("ALTITUDE=", DecimalText(&Settings::altitude));
  h.insert("QRA_LOCATOR_DX=", [](Reader& r, const QString& v) {
    r.s.qraLocatorDx = v.isEmpty() ? QStringLiteral("      ") : v;
  });
  h.insert("LATTITUDE_DX=", DecimalText(&Settings::latitudeDx));
  h.insert("LONGITUDE_DX=", DecimalText(&Settings::longitudeDx));
  h.insert("ALTITUDE_DX=", DecimalText(&Settings::altitudeDx));
  h.insert("ELEVATION=", Clamped(&Settings::minElevation, -5, 20, 0));
  h.insert("LOCAL-UTC=", Text(&Settings::localUtc));
  h.insert("TIME_ZONE=", [](Reader& r, const QString& v) {
    if (v.isEmpty()) return;
    int x = 0;
    r.s.timeZone = (ToInt(v, &x) && x >= 0) ? x : -1;
  });
  h.insert("SHOW_UTC=", Flag(&Settings::showUtc, "YES", false));
  h.insert("SHOW_24H=", Flag(&Settings::show24h, "YES", false));
  h.insert("ALARM=", Flag(&Settings::alarm, "ON", true));
  h.insert("ALARM_LENGTH=", Clamped(&Settings::alarmLength, 1, 60, 10));
  h.insert("PREVIEW=", Flag(&Settings::preview, "ON", true));
  h.insert("PREVIEW_BEFORE=", Clamped(&Settings::previewBefore, 1, 10, 5));
  h.insert("MAP_PATHNAME=", Text(&Settings::mapPathname));
  h.insert("MAP_PATHNAME_180=", Text(&Settings::mapPathname180));
  h.insert("LAST_DXCC=", Text(&Settings::lastDxcc));
  h.insert("RENAME=", [](Reader& r, const QString& v) {
    const qsizetype comma = v.indexOf(QLatin1Char(','));
    if (comma <= 0) return;
    const QString oldName = v.left(comma);
    auto& table = r.s.renames;
    if (std::any_of(table.begin(), table.end(),
                    [&](const RenamePair& p) { return p.oldName == oldName; }))
      return;
    const auto free = std::find_if(table.begin(), table.end(),
                                   [](const RenamePair& p) { return p.oldName.isEmpty(); });
    if (free != table.end()) *free = {oldName, v.mid(comma + 1)};
  });
  h.insert("ACTIVE_GROUP=", [](Reader& r, const QString& v) {
    int n = 0;
    if (ToInt(v, &n) && n >= 1 && n <= kGroupCount) r.s.activeGroup = n;
  });
  h.insert("ALARM_TLE=", [](Reader& r, const QString& v) {
    if (v == u"0")
      r.s.tleAgeAlarm = false;
    else if (v == u"1")
      r.s.tleAgeAlarm = true;
  });
  h.insert("DELAY_TLE=", IntOrUnchanged(&Settings::tleAgeDays));
  h.insert("AUTODWN=", Flag(&Settings::autoDownload, "1", true));
  h.insert("SEPDXCC=", TextWhenNotEmpty(&Settings::dxccSeparator));
  h.insert("ZOOM_MAP=", [](Reader& r, const QString& v) {
    for (int zoom : kZooms) {
      if (v == QString::number(zoom)) r.s.mapZoom = zoom;
    }
  });
  h.insert("ANT=", [](Reader& r, const QString& v) { r.s.antenna = RotatorInterfaceFromName(v); });
}

void AddGeometryHandlers(QHash<QString, Handler>& h) {
  using G = WindowGeometry;
  const auto key = [&](const char* name, std::initializer_list<int G::*> fields, LastValue last) {
    const std::vector<int G::*> list(fields);
    h.insert(S(name), [list, last](Reader& r, const QString& v) {
      G& g = r.s.geometry;
      int* t[8] = {};
      for (std::size_t i = 0; i < list.size(); ++i) t[i] = &(g.*list[i]);
      if (list.size() == 2)
        ReadGeometry(v, {t[0], t[1]}, last);
      else if (list.size() == 4)
        ReadGeometry(v, {t[0], t[1], t[2], t[3]}, last);
      else
        ReadGeometry(v, {t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]}, last);
    });
  };
  key("DISPLAY=",
      {&G::compactLeft, &G::compactTop, &G::settingsLeft, &G::settingsTop, &G::explorerLeft,
       &G::explorerTop, &G::explorerWidth, &G::explorerHeight},
      LastValue::Rest);
  key("DISPLAY_INIT=", {&G::settingsHeight, &G::settingsWidth}, LastValue::UpToComma);
  key("RESIZE=", {&G::compactExtraHeight, &G::compactExtraWidth}, LastValue::UpToComma);
  key("DISPLAY_24H=", {&G::chartLeft, &G::chartTop}, LastValue::UpToComma);
  key("DISPLAY_SUN=", {&G::sunLeft, &G::sunTop}, LastValue::UpToComma);
  key("DISPLAY_MOON=", {&G::moonLeft, &G::moonTop}, LastValue::UpToComma);
  key("DISPLAY_HF=", {&G::hfLeft, &G::hfTop}, LastValue::UpToComma);
  key("DISPLAY_MAP=", {&G::mapLeft, &G::mapTop, &G::mapWidth, &G::mapHeight}, LastValue::Rest);
  key("DISPLAY_DX=", {&G::dxLeft, &G::dxTop, &G::dxWidth, &G::dxHeight}, LastValue::NeedsComma);
}

void AddMapHandlers(QHash<QString, Handler>& h) {
  h.insert("CENTRE=", IntValidOrDefault(&Settings::mapCentre, [](int x) { return x == 0 || x == 300; }, 0));
  const std::pair<const char*, GroundTrackMode> traces[] = {{"TRACE=", GroundTrackMode::Normal},
                                                            {"TRACE+=", GroundTrackMode::Plus},
                                                            {"TRACE-=", GroundTrackMode::Minus}};
  for (const auto& [key, mode] : traces) {
    h.insert(S(key), [mode](Reader& r, const QString& v) {
      if (v == u"ON") r.s.groundTrack = mode;
    });
  }
  h.insert("GRID=", Flag(&Settings::mapGrid, "ON", false));
  h.insert("SUN=", Flag(&Settings::mapSun, "ON", false));
  h.insert("SUNPLUS=", Flag(&Settings::mapSunPlus, "ON", false));
  h.insert("REFRESH=", [](Reader& r, const QString& v) {
    int x = 0;
    r.s.mapRefresh = (ToInt(v, &x) && x >= 1) ? x : 10;
  });
  h.insert("PENWIDTH=", IntValidOrDefault(&Settings::mapPenWidth, [](int x) { return x >= 2 && x <= 5; }, 3));
  h.insert("STAYONTOP=", Flag(&Settings::mapStayOnTop, "ON", false));
  h.insert("PRINTFONT=", [](Reader& r, const QString& v) { ReadFont(v, &r.s.printFont); });
  h.insert("PRINTFONT24=", [](Reader& r, const QString& v) { ReadFont(v, &r.s.printFont24); });
  h.insert("TCPIP_PORT=", Text(&Settings::tcpPort));
  h.insert("IP_CHECKED=", [](Reader& r, const QString& v) {
    if (!v.isEmpty() && !r.s.ipChecked.contains(v)) r.s.ipChecked.append(v);
  });
  for (int n = 0; n < kFavouriteCount; ++n) {
    const QString fav = "FAV" + QString::number(n + 1);
    h.insert(fav + "AZ=", [n](Reader& r, const QString& v) {
      int x = 0;
      if (ToInt(v, &x)) r.s.favouriteAzimuth[n] = x;
    });
    h.insert(fav + "TXT=", [n](Reader& r, const QString& v) { r.s.favouriteText[n] = v; });
  }
  h.insert("MYLIST=", [](Reader& r, const QString& v) {
    r.s.myList = v;
    r.TestFile(&r.s.myList);
  });
  h.insert("VERSTART=", Flag(&Settings::newReleaseCheck, "1", true));
  h.insert("HTML=", Flag(&Settings::htmlPage, "1", false));
  h.insert("UPLOAD=", Flag(&Settings::upload, "1", false));
  h.insert("PIXEL=", IntValidOrDefault(&Settings::pixel, [](int x) { return x >= 1 && x <= 5; }, 1));
  h.insert("HOST=", TextWhenNotEmpty(&Settings::host));
  h.insert("HOSTDIR=", TextWhenNotEmpty(&Settings::hostDir));
  h.insert("HOSTUSER=", TextWhenNotEmpty(&Settings::hostUser));
  h.insert("HOSTPASS=", TextWhenNotEmpty(&Settings::hostPass));
  h.insert("BROWSER_PERIOD=", IntOrUnchanged(&Settings::browserPeriod));
  h.insert("NOCHECK=", Flag(&Settings::noChecksum, "1", false));
  h.insert("F_DOPPLER=",
           [](Reader& r, const QString& v) { r.FrequencyFactor(v, &r.s.moonFrequencyFactor); });
  h.insert("FDX_DOPPLER=",
           [](Reader& r, const QString& v) { r.FrequencyFactor(v, &r.s.moonDxFrequencyFactor); });
  h.insert("DX_EME=", [](Reader& r, const QString& v) {
    if (v.size() == 6) r.s.dxEme = v;
  });
  h.insert("BIAS_EME=", [](Reader& r, const QString& v) {
    int x = 0;
    if (!ToInt(v, &x) || x < 1)
      r.s.biasEme = 0;
    else
      r.s.biasEme = std::clamp(x, 50, 1200);
  });
  h.insert("FORM_MOON=", Flag(&Settings::moonWindowOpen, "1", false));
}

const QHash<QString, Handler>& FixedKeys() {
  static const QHash<QString, Handler> handlers = [] {
    QHash<QString, Handler> h;
    AddGeneralHandlers(h);
    AddGeometryHandlers(h);
    AddAntennaHandlers(h);
    AddMapHandlers(h);
    return h;
  }();
  return handlers;
}

// The six families whose key ends in a group number.
enum class Family { Group, Path, Url, LoginUrl, LoginUser, LoginPassword };
constexpr std::pair<const char*, Family> kFamilies[] = {{"GROUP", Family::Group},
                                                        {"PATHNAME_G", Family::Path},
                                                        {"URL", Family::Url},
                                                        {"LOGIN_URL", Family::LoginUrl},
                                                        {"LOGIN_USERNAME", Family::LoginUser},
                                                        {"LOGIN_PASSWORD", Family::LoginPassword}};

void ApplyFamily(Reader& r, const QString& key, const QString& value) {
  for (const auto& [prefix, family] : kFamilies) {
    const QLatin1String p(prefix);
    if (!key.startsWith(p)) continue;
    // The rest up to the final "=" is the group number; anything else counts as 0.
    const QString number = key.mid(p.size(), key.size() - p.size() - 1);
    const bool digits =
        !number.isEmpty() && number.size() <= 2 &&
        std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int n = digits ? number.toInt() : 0;
    if (n < 1 || n > kGroupCount) return;
    GroupSettings& g = r.s.groups[n - 1];
    switch (family) {
      case Family::Group:
        ReadGroupLine(r, n, value);
        break;
      case Family::Path:
        ReadPathLine(r, n, value);
        break;
      case Family::Url:
        g.url = value;
        break;
      case Family::LoginUrl:
        g.loginUrl = value;
        break;
      case Family::LoginUser:
        g.loginUserName = value;
        break;
      case Family::LoginPassword:
        g.loginPassword = value;
        break;
    }
    return;
  }
}

}  // namespace

QString RotatorInterfaceName(RotatorInterface i) {
  return S(kInterfaceNames[Index(i)]);
}

std::optional<RotatorInterface> RotatorInterfaceFromName(const QString& name) {
  for (int i = 0; i < kRotatorInterfaceCount; ++i) {
    if (name == QLatin1String(kInterfaceNames[i])) return static_cast<RotatorInterface>(i);
  }
  return std::nullopt;
}

std::array<GroupSettings, kGroupCount> DefaultGroups() {
  std::array<GroupSettings, kGroupCount> groups;
  for (int n = 0; n < kGroupCount; ++n) groups[n].name = "G" + QString::number(n + 1);
  groups[0].name = QStringLiteral("G1 - Amateur");
  groups[0].url = QStringLiteral("https://celestrak.org/NORAD/elements/amateur.txt");
  return groups;
}

std::array<AntennaSettings, kRotatorInterfaceCount> DefaultAntennas() {
  std::array<AntennaSettings, kRotatorInterfaceCount> antennas;
  for (int i = 0; i < kRotatorInterfaceCount; ++i)
    antennas[i].step = std::max(1, kAntennaKeys[i].stepMin);
  auto& pourSat = antennas[Index(RotatorInterface::PourSat)];
  pourSat.calibrationAz = QStringLiteral("0.5138901");
  pourSat.calibrationEl = QStringLiteral("1.0277802");
  pourSat.calibrationZero = QStringLiteral("0");
  auto& fod = antennas[Index(RotatorInterface::FodTrack)];
  fod.calibrationAz = QStringLiteral("0.711");
  fod.calibrationEl = QStringLiteral("1.422");
  fod.calibrationZero = QStringLiteral("0");
  return antennas;
}

std::array<QString, kFavouriteCount> DefaultFavouriteTexts() {
  std::array<QString, kFavouriteCount> texts;
  for (int n = 0; n < kFavouriteCount; ++n) texts[n] = "Fav." + QString::number(n + 1);
  return texts;
}

SettingsEnvironment CurrentSettingsEnvironment() {
  SettingsEnvironment e;
  e.programFolder = base::ProgramFolder();
  e.decimalSeparator = base::UserDecimalSeparator();
  return e;
}

Settings DefaultSettings(const SettingsEnvironment& env) {
  Settings s;
  s.groups[0].elementFile = env.programFolder + QStringLiteral("/amateur.txt");
  const auto localise = [&](QString& text) {
    text.replace(QLatin1Char('.'), QLatin1Char(env.decimalSeparator));
  };
  for (AntennaSettings& a : s.antennas) {
    localise(a.calibrationAz);
    localise(a.calibrationEl);
    localise(a.calibrationZero);
  }
  localise(s.moonFrequencyFactor);
  localise(s.moonDxFrequencyFactor);
  // Built-in sizes follow the screen's font scaling, rounded halves to even.
  const auto scaled = [&](int size) {
    return static_cast<int>(std::nearbyint(size * env.scaleFactor));
  };
  WindowGeometry& g = s.geometry;
  g.explorerWidth = scaled(695);
  g.explorerHeight = scaled(610);
  g.settingsHeight = scaled(440);
  g.settingsWidth = scaled(683);
  g.compactLeft = env.screenWidth - scaled(kCompactWidth);
  return s;
}

ReadContext CurrentReadContext(base::Sounds* sounds, base::Dialogs* dialogs) {
  ReadContext c;
  c.decimalSeparator = base::UserDecimalSeparator();
  c.sounds = sounds;
  c.dialogs = dialogs;
  return c;
}

void ReadSettingsFile(const QStringList& lines, Settings* settings, const ReadContext& context) {
  Reader reader(settings, context);
  const auto& fixed = FixedKeys();
  for (const QString& line : lines) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0) continue;  // no key: section headers, empty lines, "=..."
    const QString key = line.left(eq + 1);
    const QString value = line.mid(eq + 1);
    const auto it = fixed.constFind(key);
    if (it != fixed.constEnd())
      it.value()(reader, value);
    else
      ApplyFamily(reader, key, value);
  }
  // Only one interface parks: the last "PARKING=" line read.
  if (reader.lastParking) settings->antennas[Index(*reader.lastParking)].parking = true;
}

SettingsFileStatus ReadSettingsFromFile(const QString& path, Settings* settings,
                                        const ReadContext& context) {
  QStringList lines;
  switch (base::ReadAnsiLines(path, &lines)) {
    case base::TextFileStatus::Ok:
      break;
    case base::TextFileStatus::Missing:
      return SettingsFileStatus::Missing;
    default:
      return SettingsFileStatus::Unreadable;
  }
  ReadSettingsFile(lines, settings, context);
  return SettingsFileStatus::Read;
}

namespace {

class Writer {
 public:
  // A line break inside a value would split the line and so the setting.
  void Add(const QString& key, const QString& value) {
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    lines.append(key + v);
  }
  void Add(const QString& key, int value) { Add(key, QString::number(value)); }
  void AddIf(bool condition, const QString& key, const QString& value) {
    if (condition) Add(key, value);
  }
  void OnOff(const QString& key, bool on) {
    Add(key, on ? QStringLiteral("ON") : QStringLiteral("OFF"));
  }
  void YesNo(const QString& key, bool yes) {
    Add(key, yes ? QStringLiteral("YES") : QStringLiteral("NO"));
  }
  void OneZero(const QString& key, bool one) {
    Add(key, one ? QStringLiteral("1") : QStringLiteral("0"));
  }
  void Values(const QString& key, std::initializer_list<int> values, bool trailingComma = false) {
    QStringList parts;
    for (int v : values) parts.append(QString::number(v));
    Add(key, parts.join(QLatin1Char(',')) + (trailingComma ? QStringLiteral(",") : QString()));
  }
  QStringList lines;
};

QString FontText(const FontSetting& f) {
  QString text = f.name + QLatin1Char(',') + QString::number(f.size);
  if (f.bold) text += QStringLiteral(",BOLD");
  if (f.italic) text += QStringLiteral(",ITALIC");
  if (f.underline) text += QStringLiteral(",UNDERLINE");
  if (f.strikeOut) text += QStringLiteral(",STRIKEOUT");
  return text;
}

void WriteGroups(const Settings& s, Writer& w) {
  for (const RenamePair& p : s.renames) {
    w.AddIf(!p.oldName.isEmpty() && !p.newName.isEmpty(),
            "RENAME=", p.oldName + QLatin1Char(',') + p.newName);
  }
  for (int n = 0; n < kGroupCount; ++n) {
    const GroupSettings& g = s.groups[n];
    QString line = g.name;
    line.replace(QLatin1Char(','), QLatin1Char(';'));
    for (const QString& number : g.selectedNumbers) line += QLatin1Char(',') + number;
    w.Add("GROUP" + QString::number(n + 1) + "=", line);
  }
  w.Add("ACTIVE_GROUP=", s.activeGroup);
  for (int n = 0; n < kGroupCount; ++n)
    w.Add("PATHNAME_G" + QString::number(n + 1) + "=", s.groups[n].elementFile);
  for (int n = 0; n < kGroupCount; ++n) {
    const GroupSettings& g = s.groups[n];
    const QString num = QString::number(n + 1) + "=";
    w.Add("URL" + num, g.url);
    w.Add("LOGIN_URL" + num, g.loginUrl);
    w.Add("LOGIN_USERNAME" + num, g.loginUserName);
    w.Add("LOGIN_PASSWORD" + num, g.loginPassword);
  }
}

void WriteGeometry(const WindowGeometry& g, Writer& w) {
  w.Values("DISPLAY=", {g.compactLeft, g.compactTop, g.settingsLeft, g.settingsTop, g.explorerLeft,
                        g.explorerTop, g.explorerWidth, g.explorerHeight});
  w.Values("DISPLAY_INIT=", {g.settingsHeight, g.settingsWidth});
  w.Values("RESIZE=", {g.compactExtraHeight, g.compactExtraWidth});
  w.Values("DISPLAY_24H=", {g.chartLeft, g.chartTop});
  w.Values("DISPLAY_SUN=", {g.sunLeft, g.sunTop});
  w.Values("DISPLAY_MOON=", {g.moonLeft, g.moonTop});
  w.Values("DISPLAY_HF=", {g.hfLeft, g.hfTop});
  w.Values("DISPLAY_MAP=", {g.mapLeft, g.mapTop, g.mapWidth, g.mapHeight});
  // The reader takes the DX height only when a "," follows it.
  w.Values("DISPLAY_DX=", {g.dxLeft, g.dxTop, g.dxWidth, g.dxHeight}, true);
}

void WriteAntennas(const Settings& s, Writer& w) {
  for (int i = 0; i < kRotatorInterfaceCount; ++i) {
    const AntennaKeys& k = kAntennaKeys[i];
    const AntennaSettings& a = s.antennas[i];
    const QString x = S(k.suffix) + "=";
    w.lines.append(S(k.section));
    if (k.lpt) {
      w.Add("LPT_" + x, a.lptEntry + 1);
      w.AddIf(!a.lptAddressText.isEmpty(), "ADLPT_" + x, a.lptAddressText);
    }
    if (k.port) w.AddIf(!a.port.isEmpty(), "PORT_" + x, a.port);
    if (k.baud) w.Add("BAUD_" + x, a.baud);
    if (k.stop) w.Add("STOP_" + x, a.stopSouth ? QStringLiteral("S") : QStringLiteral("N"));
    const QString maxEl = a.maxElevation180 ? QStringLiteral("180") : QStringLiteral("90");
    if (k.maxElevation) w.Add("MAX_EL_" + x, maxEl);
    if (k.azimuth450) w.AddIf(a.azimuth450, "AZ_" + x, QStringLiteral("450"));
    w.Add("STEP_" + x, a.step);
    if (k.calibration) {
      w.Add("CALAZ_" + x, a.calibrationAz);
      w.Add("CALEL_" + x, a.calibrationEl);
      w.Add("ZERO_" + x, a.calibrationZero);
    }
    if (k.offsetSuffix != nullptr) {
      w.Add("AZOFFSET_" + S(k.offsetSuffix) + "=", a.azimuthOffset);
      w.Add("ELOFFSET_" + S(k.offsetSuffix) + "=", a.elevationOffset);
    }
    w.Add("TESTAZ_" + x, a.testAzimuth);
    w.Add("TESTEL_" + x, a.testElevation);
    w.AddIf(a.parking, "PARKING=", S(kInterfaceNames[i]));
    if (i == Index(RotatorInterface::TrakBox))
      w.Add("TKB_HOST=", s.trakBoxHostMode ? QStringLiteral("Y") : QStringLiteral("N"));
    if (i == Index(RotatorInterface::Kct)) {
      w.Add("MAX_EL_" + x, maxEl);
      w.Add("MOVENOW=", s.kctMoveNowFolder);
    }
  }
}

void WriteMap(const Settings& s, Writer& w) {
  w.lines.append(QStringLiteral("[MAP]"));
  w.Add("CENTRE=", s.mapCentre);
  w.OnOff("TRACE=", s.groundTrack == GroundTrackMode::Normal);
  w.OnOff("TRACE+=", s.groundTrack == GroundTrackMode::Plus);
  w.OnOff("TRACE-=", s.groundTrack == GroundTrackMode::Minus);
  w.OnOff("GRID=", s.mapGrid);
  w.OnOff("SUN=", s.mapSun);
  w.OnOff("SUNPLUS=", s.mapSunPlus);
  w.Add("REFRESH=", s.mapRefresh);
  w.Add("PENWIDTH=", s.mapPenWidth);
  w.AddIf(s.mapStayOnTop, "STAYONTOP=", QStringLiteral("ON"));
  w.Add("PRINTFONT=", FontText(s.printFont));
  w.Add("PRINTFONT24=", FontText(s.printFont24));
  w.AddIf(!s.tcpPort.isEmpty(), "TCPIP_PORT=", s.tcpPort);
  for (const QString& address : s.ipChecked) w.Add("IP_CHECKED=", address);
  for (int n = 0; n < kFavouriteCount; ++n)
    w.Add("FAV" + QString::number(n + 1) + "AZ=", s.favouriteAzimuth[n]);
  for (int n = 0; n < kFavouriteCount; ++n)
    w.Add("FAV" + QString::number(n + 1) + "TXT=", s.favouriteText[n]);
  w.AddIf(!s.myList.isEmpty(), "MYLIST=", s.myList);
  w.OneZero("VERSTART=", s.newReleaseCheck);
  w.AddIf(s.htmlPage, "HTML=", QStringLiteral("1"));
  w.AddIf(s.upload, "UPLOAD=", QStringLiteral("1"));
  w.Add("PIXEL=", s.pixel);
  w.AddIf(!s.host.isEmpty(), "HOST=", s.host);
  w.AddIf(!s.hostDir.isEmpty(), "HOSTDIR=", s.hostDir);
  w.AddIf(!s.hostUser.isEmpty(), "HOSTUSER=", s.hostUser);
  w.AddIf(!s.hostPass.isEmpty(), "HOSTPASS=", s.hostPass);
  w.Add("BROWSER_PERIOD=", s.browserPeriod);
  w.AddIf(s.noChecksum, "NOCHECK=", QStringLiteral("1"));
  w.Add("F_DOPPLER=", s.moonFrequencyFactor);
  w.Add("FDX_DOPPLER=", s.moonDxFrequencyFactor);
  w.AddIf(!s.dxEme.isEmpty(), "DX_EME=", s.dxEme);
  w.Add("BIAS_EME=", s.biasEme);
  w.OneZero("FORM_MOON=", s.moonWindowOpen);
}

}  // namespace

QStringList BuildSettingsLines(const Settings& s) {
  Writer w;
  w.lines.append(QStringLiteral("[ORVANE]"));
  w.Add("VERSION=", QStringLiteral(ORVANE_VERSION));
  w.Add("LANGUAGE=", s.language);
  w.Add("WINDOW=", s.windowNormal ? QStringLiteral("NORMAL") : QStringLiteral("REDUCED"));
  w.OnOff("TRACKLINE=", s.trackLine);
  w.OnOff("SYNCHRO=", s.synchro);
  w.AddIf(s.trackNoStop, "TRACK_NOSTOP=", QStringLiteral("YES"));
  w.AddIf(s.trackStop360, "TRACK_STOP360=", QStringLiteral("YES"));
  w.AddIf(s.noConfirmQuit, "CONFIRM_QUIT=", QStringLiteral("YES"));
  w.Add("QRA_LOCATOR=", s.qraLocator.toUpper());
  w.Add("LATTITUDE=", (s.latitudeNorth ? QStringLiteral("N") : QStringLiteral("S")) + s.latitude);
  w.Add("LONGITUDE=", (s.longitudeWest ? QStringLiteral("W") : QStringLiteral("E")) + s.longitude);
  w.Add("ALTITUDE=", s.altitude);
  w.Add("QRA_LOCATOR_DX=", s.qraLocatorDx.toUpper());
  w.Add("LATTITUDE_DX=", s.latitudeDx);
  w.Add("LONGITUDE_DX=", s.longitudeDx);
  w.Add("ALTITUDE_DX=", s.altitudeDx);
  w.Add("ELEVATION=", s.minElevation);
  w.Add("LOCAL-UTC=", s.localUtc);
  w.Add("TIME_ZONE=", s.timeZone);
  w.YesNo("SHOW_UTC=", s.showUtc);
  w.YesNo("SHOW_24H=", s.show24h);
  w.OnOff("ALARM=", s.alarm);
  w.Add("ALARM_LENGTH=", s.alarmLength);
  w.OnOff("PREVIEW=", s.preview);
  w.Add("PREVIEW_BEFORE=", s.previewBefore);
  w.Add("MAP_PATHNAME=", s.mapPathname);
  w.Add("MAP_PATHNAME_180=", s.mapPathname180);
  w.AddIf(!s.lastDxcc.isEmpty(), "LAST_DXCC=", s.lastDxcc);
  WriteGroups(s, w);
  w.OneZero("ALARM_TLE=", s.tleAgeAlarm);
  w.Add("DELAY_TLE=", s.tleAgeDays);
  w.OneZero("AUTODWN=", s.autoDownload);
  WriteGeometry(s.geometry, w);
  w.AddIf(s.dxccSeparator != u"\t", "SEPDXCC=", s.dxccSeparator);
  w.Add("ZOOM_MAP=", s.mapZoom);
  w.Add("ANT=", s.antenna ? RotatorInterfaceName(*s.antenna) : QString());
  WriteAntennas(s, w);
  WriteMap(s, w);
  return w.lines;
}

bool save_configuration(const Settings& settings, const QString& folder, base::Dialogs* dialogs) {
  const QString target = folder + QLatin1Char('/') + S(kSettingsFileName);
  const QString temp = folder + QLatin1Char('/') + S(kSettingsTempFileName);
  const QByteArray bytes = base::EncodeAnsiLines(BuildSettingsLines(settings));
  // It holds passwords: owner read only, as the program leaves it between runs.
  if (!base::AtomicSave(target, bytes, QFileDevice::ReadOwner, temp)) {
    if (dialogs != nullptr)
      dialogs->Error(QCoreApplication::translate("Settings", "Can't create Orvane.ini"));
    return false;
  }
  return true;
}

}  // namespace app
