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
// The reader of the settings file: one handler per key, applied in file order.

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cctype>
#include <cstdint>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "base/ansi_text.h"
#include "base/locale_number.h"
#include "base/sounds.h"
#include "orbit/text_number.h"
#include "tracking/antenna_interfaces.h"

namespace app {

namespace {

using settings_keys::AntennaKeys;
using settings_keys::kAntennaKeys;
using settings_keys::S;

constexpr const char* kLanguages[] = {"ENGLISH", "SPANISH", "FRENCH", "DEUTSCH", "ITALIAN"};
constexpr int kZooms[] = {100, 125, 150, 175, 200};
constexpr qsizetype kFetchLogLines = 20;  // as many as the download remembers

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
  std::optional<tracking::Interface> lastParking;
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
  Group& g = r.s.groups[static_cast<std::size_t>(n - 1)];
  qsizetype comma = value.indexOf(QLatin1Char(','));
  const QString name = comma < 0 ? value : value.left(comma);
  if (name.isEmpty()) {
    g.menuEnabled = false;
    return;
  }
  g.name = name;
  const bool numbers = r.s.groupFormat == SelectionFormat::Numbers;
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
  (numbers ? g.SelectedNumbers : g.SelectedNames) = taken;
  g.menuVisible = true;
  g.menuEnabled = any;
}

void ReadPathLine(Reader& r, int n, const QString& value) {
  Group& g = r.s.groups[static_cast<std::size_t>(n - 1)];
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

// A TCP port: 1..65535, else the default stays.
Handler PortNumber(int tracking::HamlibValues::*field) {
  return [=](Reader& r, const QString& v) {
    int n = 0;
    if (ToInt(v, &n) && n >= 1 && n <= 65535) r.s.hamlib.*field = n;
  };
}

void AddHamlibHandlers(QHash<QString, Handler>& h) {
  h.insert("ROTCTLD_HOST=", [](Reader& r, const QString& v) {
    if (!v.trimmed().isEmpty()) r.s.hamlib.rotatorHost = v.trimmed();
  });
  h.insert("ROTCTLD_PORT=", PortNumber(&tracking::HamlibValues::rotatorPort));
  h.insert("RIGCTLD=", [](Reader& r, const QString& v) { r.s.hamlib.rig.enabled = v == u"ON"; });
  h.insert("RIGCTLD_HOST=", [](Reader& r, const QString& v) {
    if (!v.trimmed().isEmpty()) r.s.hamlib.rig.host = v.trimmed();
  });
  h.insert("RIGCTLD_PORT=", [](Reader& r, const QString& v) {
    int n = 0;
    if (ToInt(v, &n) && n >= 1 && n <= 65535) r.s.hamlib.rig.port = n;
  });
  h.insert("RIGCTLD_STEP=", [](Reader& r, const QString& v) {
    int n = 0;
    if (ToInt(v, &n)) r.s.hamlib.rig.stepHz = std::clamp(n, 1, 100000);
  });
  h.insert("AOS_COMMAND=", [](Reader& r, const QString& v) { r.s.hamlib.commands.aosCommand = v; });
  h.insert("LOS_COMMAND=", [](Reader& r, const QString& v) { r.s.hamlib.commands.losCommand = v; });
}

void AddAntennaHandlers(QHash<QString, Handler>& h) {
  for (const tracking::Interface which : tracking::kSendOrder) {
    const AntennaKeys& k = kAntennaKeys[tracking::IndexOf(which)];
    const QString x = S(k.suffix);
    auto a = [which](Reader& r) -> tracking::AntennaValues& { return r.s.Antenna(which); };
    if (k.lpt) {
      h.insert("LPT_" + x + "=", [=](Reader& r, const QString& v) {
        int entry = 0;
        a(r).lptEntry =
            (ToInt(v, &entry) && entry >= 1 && entry <= 4 && r.ctx.portIoUsable) ? entry - 1 : -1;
      });
      h.insert("ADLPT_" + x + "=", [=](Reader& r, const QString& v) {
        const bool ok = IsHexAddress(v);
        a(r).lptAddressText = ok ? v : QString();
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
    if (k.maxElevation || which == tracking::Interface::Kct) {
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
      const std::pair<const char*, QString tracking::AntennaValues::*> cal[] = {
          {"CALAZ_", &tracking::AntennaValues::calibrationAz},
          {"CALEL_", &tracking::AntennaValues::calibrationEl},
          {"ZERO_", &tracking::AntennaValues::calibrationZero}};
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
    if (const auto i = tracking::InterfaceFromSettingsName(v)) r.lastParking = i;
  });
  h.insert("TKB_HOST=", [](Reader& r, const QString& v) {
    if (v == u"Y") r.s.trakBoxHostMode = true;
  });
  h.insert("MOVENOW=", Text(&Settings::kctMoveNowFolder));
  AddHamlibHandlers(h);
}

void AddGeneralHandlers(QHash<QString, Handler>& h) {
  h.insert("VERSION=", [](Reader& r, const QString& v) {
    const bool current = !v.isEmpty() && v[0] >= u'3' && v[0] <= u'9';
    r.s.groupFormat = current ? SelectionFormat::Numbers : SelectionFormat::Names;
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
                    [&](const RenamePair& p) { return p.oldSide == oldName; }))
      return;
    const auto free = std::find_if(table.begin(), table.end(),
                                   [](const RenamePair& p) { return p.oldSide.isEmpty(); });
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
  h.insert("LAST_FETCH=", [](Reader& r, const QString& v) {
    // Kept as text; the download reads it. A bounded number of lines, like the writer's.
    if (!v.isEmpty() && r.s.fetchLog.size() < kFetchLogLines) r.s.fetchLog.append(v);
  });
  h.insert("SEPDXCC=", TextWhenNotEmpty(&Settings::dxccSeparator));
  h.insert("ZOOM_MAP=", [](Reader& r, const QString& v) {
    for (int zoom : kZooms) {
      if (v == QString::number(zoom)) r.s.mapZoom = zoom;
    }
  });
  h.insert("ANT=", [](Reader& r, const QString& v) { r.s.antenna = tracking::InterfaceFromSettingsName(v); });
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
    Group& g = r.s.groups[static_cast<std::size_t>(n - 1)];
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
  if (reader.lastParking) settings->Antenna(*reader.lastParking).parking = true;
}

SettingsFileStatus ReadSettingsFromFile(const QString& path, Settings* settings,
                                        const ReadContext& context, QString* why) {
  QStringList lines;
  QString reason;
  switch (base::ReadAnsiLines(path, &lines, &reason)) {
    case base::TextFileStatus::Ok:
      break;
    case base::TextFileStatus::Missing:
      return SettingsFileStatus::Missing;
    case base::TextFileStatus::TooLarge:
      if (why != nullptr) {
        *why = QCoreApplication::translate("Messages", "larger than %1 MB")
                   .arg(base::kMaxTextFileBytes >> 20);
      }
      return SettingsFileStatus::Unreadable;
    default:
      if (why != nullptr) *why = reason;
      return SettingsFileStatus::Unreadable;
  }
  ReadSettingsFile(lines, settings, context);
  return SettingsFileStatus::Read;
}

}  // namespace app
