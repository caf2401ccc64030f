// orvane-cli: the program's predictions for scripts and cross-checks.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/orvane_cli_hf.h"
#include "base/clock.h"
#include "orbit/element_content.h"
#include "orbit/elements.h"
#include "orbit/moon.h"
#include "orbit/sun.h"
#include "orbit/text_number.h"
#include "prediction/element_content.h"
#include "prediction/ephemeris_row.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"
#include "tools/moon_session.h"

namespace {

using orbit::Real;

const char* kUsage =
    "Usage:\n"
    "  orvane-cli passes --elements FILE [--name NAME] --lat DEG --lon DEG --alt M\n"
    "                    [--offset HOURS] [--start \"YYYY-MM-DD HH:MM\"] [--min-elevation DEG]\n"
    "                    [--count N] [--utc]\n"
    "  orvane-cli sun  --lat DEG --lon DEG [--at \"YYYY-MM-DD HH:MM:SS\"]\n"
    "  orvane-cli moon --lat DEG --lon DEG [--at \"YYYY-MM-DD HH:MM:SS\"] [--alt M]\n"
    "                  [--freq MHZ] [--dx-lat DEG --dx-lon DEG] [--window] [--min-elevation DEG]\n"
    "  orvane-cli list --elements FILE\n"
    "  orvane-cli beam --lat DEG --lon DEG (--to-lat DEG --to-lon DEG | --to PREFIX)\n"
    "  orvane-cli locator (--lat DEG --lon DEG | --locator LOCATOR)\n"
    "\n"
    "passes  prints, for each of N successive passes above the minimum elevation (default 0),\n"
    "        a header line with the pass start and end, then one 73-character row per minute\n"
    "        (date, eclipse mark *, EL, AZ, RANGE km, ALTIT km, LAT, LONG, PHAse, SQUint,\n"
    "        RX Doppler). Without --name it does so for every valid set of the file.\n"
    "sun     sub-solar point and the sun's azimuth and elevation at the station.\n"
    "moon    the moon's position and its azimuth, elevation and range at the station;\n"
    "        --freq: the EME Doppler of the station's own echoes (with --dx-lat/--dx-lon also\n"
    "        of the DX station's and of the path), as the moon window shows it;\n"
    "        --window: the next period (UTC) with the moon above the minimum elevation at\n"
    "        the station and, when given, at the DX station.\n"
    "list    name, catalogue number and service state of every valid set.\n"
    "beam    short-path and long-path azimuth (degrees from north) and great-circle\n"
    "        distance (km) from the station to a place or to a DXCC prefix's entity.\n"
    "locator the six-character Maidenhead locator of a place, or a locator's centre.\n"
    "\n"
    "--elements FILE holds three-line sets or OMM records (CSV, XML or JSON), told apart\n"
    "by their content; catalogue numbers from 100000 on are read in Alpha-5 or OMM form.\n"
    "--lat is north-positive, --lon east-positive (degrees); --alt in metres; --offset is\n"
    "local time minus UTC in hours (rows are shown in local time unless --utc);\n"
    "--start and --at are UTC (default: now); --count defaults to 1.\n";

struct Args {
  std::string command;
  std::map<std::string, std::string> values;  // options without "--"; a flag holds "1"
  bool help = false;
};

// The options each command takes: those followed by a value and the bare flags. A command
// of its own adds a row here; anything else on its line is refused with the usage.
struct CommandOptions {
  const char* command;
  std::set<std::string> values;
  std::set<std::string> flags;
  int (*run)(const Args&);
};

const std::vector<CommandOptions>& CommandTable();

const CommandOptions* FindCommand(const std::string& name) {
  for (const CommandOptions& c : CommandTable())
    if (name == c.command) return &c;
  return nullptr;
}

bool ParseArgs(int argc, char** argv, Args* args, std::string* error) {
  if (argc < 2) {
    *error = "missing command";
    return false;
  }
  args->command = argv[1];
  if (args->command == "--help" || args->command == "-h" || args->command == "help") {
    args->help = true;
    return true;
  }
  const CommandOptions* options = FindCommand(args->command);
  if (options == nullptr) {
    *error = "unknown command " + args->command;
    return false;
  }
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      args->help = true;
      continue;
    }
    if (a.rfind("--", 0) != 0) {
      *error = "unexpected argument: " + a;
      return false;
    }
    const std::string key = a.substr(2);
    if (options->flags.count(key)) {
      args->values[key] = "1";
    } else if (options->values.count(key)) {
      if (i + 1 >= argc) {
        *error = "missing value for " + a;
        return false;
      }
      args->values[key] = argv[++i];
    } else {
      *error = "unknown option " + a + " for " + args->command;
      return false;
    }
  }
  return true;
}

bool Number(const Args& args, const std::string& key, Real* out, bool required, Real fallback,
            std::string* error) {
  const auto it = args.values.find(key);
  if (it == args.values.end()) {
    if (required) {
      *error = "--" + key + " is required";
      return false;
    }
    *out = fallback;
    return true;
  }
  if (!orbit::ParseDecimal(it->second, '.', out)) {
    *error = "--" + key + " is not a number: " + it->second;
    return false;
  }
  return true;
}

// "YYYY-MM-DD HH:MM[:SS]" in UTC, or now.
bool Instant(const Args& args, const std::string& key, Real* out, std::string* error) {
  const auto it = args.values.find(key);
  if (it == args.values.end()) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    *out = base::DateTimeValue(now);
    return true;
  }
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  const int n = std::sscanf(it->second.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
  if (n < 5 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59 ||
      s < 0 || s > 59 || y < 1900 || y > 2099) {
    *error = "--" + key + " must read \"YYYY-MM-DD HH:MM\": " + it->second;
    return false;
  }
  *out = orbit::EncodeDateTimeValue(y, mo, d, h, mi, s);
  return true;
}

// Three-line sets or an OMM file (CSV, XML, JSON). Records skipped as damaged, and the
// line from which a file could not be read, are told on stderr; the rest is used.
bool LoadFile(const Args& args, prediction::ElementRead* file, std::string* error) {
  const auto it = args.values.find("elements");
  if (it == args.values.end()) {
    *error = "--elements is required";
    return false;
  }
  *file = prediction::ReadElementContentFile(QString::fromLocal8Bit(it->second.c_str()), true);
  if (file->status == orbit::ElementFileStatus::Unreadable) {
    *error = "Can't open the satellite data file: " + it->second;
    return false;
  }
  if (file->status == orbit::ElementFileStatus::TooManyLines) {
    std::string msg = orbit::kTooManyLinesMessage;
    const auto crlf = msg.find("\r\n");
    if (crlf != std::string::npos) msg.replace(crlf, 2, "\n");
    *error = msg;
    return false;
  }
  if (file->damagedLine > 0)
    std::fprintf(stderr, "orvane-cli: %s cannot be read from line %d on\n", it->second.c_str(),
                 file->damagedLine);
  for (const std::string& name : file->damaged)
    std::fprintf(stderr, "orvane-cli: damaged element set skipped: %s\n", name.c_str());
  if (file->sets.empty()) {
    *error = "no valid element set in " + it->second;
    return false;
  }
  return true;
}

int Fail(const std::string& error) {
  std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
  return 1;
}

std::string Stamp(Real value) { return prediction::RowDateText(value); }

int Passes(const Args& args) {
  std::string error;
  prediction::ElementRead file;
  if (!LoadFile(args, &file, &error)) return Fail(error);
  Real lat = 0, lon = 0, alt = 0, offset = 0, minEl = 0, count = 1, start = 0;
  if (!Number(args, "lat", &lat, true, 0, &error) || !Number(args, "lon", &lon, true, 0, &error) ||
      !Number(args, "alt", &alt, true, 0, &error) ||
      !Number(args, "offset", &offset, false, 0, &error) ||
      !Number(args, "min-elevation", &minEl, false, 0, &error) ||
      !Number(args, "count", &count, false, 1, &error) || !Instant(args, "start", &start, &error))
    return Fail(error);
  if (lat < -90 || lat > 90 || lon < -180 || lon > 180) return Fail("station out of range");
  if (offset < -12 || offset > 12) return Fail("--offset must lie in -12..12");
  if (minEl < -5 || minEl > 20) return Fail("--min-elevation must lie in -5..20");
  if (count < 1 || count > 1000) return Fail("--count must lie in 1..1000");

  std::vector<std::string> names;
  const auto name = args.values.find("name");
  if (name != args.values.end()) {
    names.push_back(name->second);
  } else {
    for (const auto& set : file.sets) names.push_back(set.name);
  }

  base::TestClock clock(start + offset / 24);
  prediction::SearchContext ctx;
  ctx.clock = &clock;
  ctx.station = {lat, -lon, alt};
  ctx.localOffsetHours = offset;
  ctx.minimumElevation = static_cast<int>(orbit::Round(minEl));
  auto slot = std::make_unique<prediction::PassSlot>();
  const bool utc = args.values.count("utc") > 0;
  const char* zone = utc ? "UTC" : "LOCAL";
  for (const std::string& satellite : names) {
    slot->name = satellite;
    slot->text = prediction::SlotPrefix(satellite);
    const orbit::LoadStatus status = orbit::LoadElementsByName(file.content, satellite, &slot->set);
    if (status == orbit::LoadStatus::NotFound)
      return Fail("One or more satellites are missing in your Two-Line-Elements file: " +
                  satellite);
    if (status == orbit::LoadStatus::Damaged)
      return Fail("damaged element set: " + satellite);
    ctx.navigating = true;
    ctx.navigationDate = start;
    for (int n = 1; n <= static_cast<int>(count); ++n) {
      prediction::SearchPass(ctx, *slot);
      if (!slot->HasPass()) {
        std::printf("%s  pass %d: none within 48 hours\n", satellite.c_str(), n);
        break;
      }
      const Real shift = utc ? 0 : offset / 24;
      std::printf("%s  pass %d: %s -> %s %s (%d rows)\n", satellite.c_str(), n,
                  Stamp(slot->passStart + shift).c_str(), Stamp(slot->passEnd + shift).c_str(),
                  zone, slot->rows.count);
      for (const std::string& row : prediction::BuildRowTexts(*slot, utc, offset))
        std::printf("%s\n", row.c_str());
      ctx.navigationDate = slot->passStart + (slot->rows.count + 1) / 1440.0L;
    }
  }
  return 0;
}

int Sun(const Args& args) {
  std::string error;
  Real lat = 0, lon = 0, at = 0;
  if (!Number(args, "lat", &lat, true, 0, &error) || !Number(args, "lon", &lon, true, 0, &error) ||
      !Instant(args, "at", &at, &error))
    return Fail(error);
  const orbit::SubSolarPoint p = orbit::ComputeSubSolarPoint(at, 0);
  const orbit::SunAzEl s = orbit::ComputeSunAzEl(p, lat, -lon);
  std::printf("UTC %s\n", Stamp(at).c_str());
  std::printf("declination %.3f  sub-solar west longitude %.3f\n", static_cast<double>(p.declination),
              static_cast<double>(p.westLongitude));
  std::printf("azimuth %.2f  elevation %.2f\n", static_cast<double>(s.azimuth),
              static_cast<double>(s.elevation));
  return 0;
}

// The moon window's EME options, checked before anything is printed.
struct EmeOptions {
  tools::MoonSite station;
  std::optional<tools::MoonSite> dx;
  Real minimumElevation = 0;
  Real mhz = 0;  // 0: no Doppler asked for
  bool window = false;
};

bool ReadEmeOptions(const Args& args, Real lat, Real lon, EmeOptions* o, std::string* error) {
  Real alt = 0, dxLat = 0, dxLon = 0;
  const bool dxGiven = args.values.count("dx-lat") || args.values.count("dx-lon");
  if (!Number(args, "alt", &alt, false, 0, error) ||
      !Number(args, "min-elevation", &o->minimumElevation, false, 0, error) ||
      !Number(args, "dx-lat", &dxLat, dxGiven, 0, error) ||
      !Number(args, "dx-lon", &dxLon, dxGiven, 0, error) ||
      !Number(args, "freq", &o->mhz, false, 0, error))
    return false;
  *error = dxGiven && (dxLat < -90 || dxLat > 90 || dxLon < -180 || dxLon > 180)
               ? "DX station out of range"
           : o->minimumElevation < -5 || o->minimumElevation > 20
               ? "--min-elevation must lie in -5..20"
           : args.values.count("freq") && (!(o->mhz > 0) || o->mhz > tools::kMaxEmeFrequencyGhz * 1000)
               ? "--freq must lie above 0 and at most 12000 MHz"
               : "";
  o->station = tools::MoonSite{lat, lon, alt};
  if (dxGiven) o->dx = tools::MoonSite{dxLat, dxLon, 0};
  o->window = args.values.count("window") > 0;
  return error->empty();
}

std::string HzText(const std::optional<long long>& v) {
  return v ? std::to_string(*v) + " Hz" : std::string("N/A");
}

std::string RateText(bool known, Real rate) {
  return known ? std::to_string(static_cast<double>(rate)) + " m/s" : std::string("N/A");
}

// The moon window's EME numbers for one instant: Doppler now and the next common period.
void PrintEme(const EmeOptions& o, Real at) {
  if (o.mhz > 0) {
    const tools::EmeFrequencies f{o.mhz / 1000, o.mhz / 1000, 0};
    const tools::MoonInputs in{o.station, o.dx, o.minimumElevation, f};
    tools::MoonSession session;
    session.Recompute(at, in);
    const tools::MoonSecond s = session.Second(at, in);
    std::printf("EME Doppler at %.3f MHz\n", static_cast<double>(o.mhz));
    std::printf("station %s  range rate %s\n", HzText(s.selfDoppler).c_str(),
                RateText(s.selfDoppler.has_value(), s.ownRate).c_str());
    if (o.dx) {
      const bool dxKnown = s.selfDoppler && s.dxRate != tools::kNoDxRate;
      std::optional<long long> dxOwn;
      if (dxKnown) dxOwn = tools::EmeDoppler(s.dxRate, f.dxGhz, 0);
      std::printf("dx %s  range rate %s\n", HzText(dxOwn).c_str(),
                  RateText(dxKnown, s.dxRate).c_str());
      std::printf("path %s\n", HzText(s.dxDoppler).c_str());
    }
  }
  if (o.window) {
    const tools::MutualWindow w = tools::NextMutualWindow(at, o.station, o.dx, o.minimumElevation);
    if (!w.found) {
      std::printf("window none within 48 hours\n");
    } else {
      std::printf("window %s -> %s UTC\n", Stamp(w.startUtc).c_str(),
                  w.endFound ? Stamp(w.endUtc).c_str() : "beyond 48 hours");
    }
  }
}

int Moon(const Args& args) {
  std::string error;
  Real lat = 0, lon = 0, at = 0;
  if (!Number(args, "lat", &lat, true, 0, &error) || !Number(args, "lon", &lon, true, 0, &error) ||
      !Instant(args, "at", &at, &error))
    return Fail(error);
  EmeOptions eme;
  if (!ReadEmeOptions(args, lat, lon, &eme, &error)) return Fail(error);
  const orbit::MoonPosition m = orbit::ComputeMoonPosition(orbit::MoonDayNumber(at), lat, lon);
  std::printf("UTC %s\n", Stamp(at).c_str());
  std::printf("right ascension %.3f  declination %.3f  distance %.3f Earth radii\n",
              static_cast<double>(m.rightAscension), static_cast<double>(m.declination),
              static_cast<double>(m.geocentricDistance));
  std::printf("sub-lunar point %.2f %s %.2f %s\n", static_cast<double>(m.subLunarLongitude),
              m.subLunarWest ? "W" : "E", static_cast<double>(std::fabs(m.subLunarLatitude)),
              m.subLunarLatitude >= 0 ? "N" : "S");
  std::printf("azimuth %.2f  elevation %.2f  range %.3f Earth radii\n",
              static_cast<double>(m.azimuth), static_cast<double>(m.elevation),
              static_cast<double>(m.range));
  PrintEme(eme, at);
  return 0;
}

int List(const Args& args) {
  std::string error;
  prediction::ElementRead file;
  if (!LoadFile(args, &file, &error)) return Fail(error);
  for (const auto& set : file.sets)
    std::printf("%-24s %s %s\n", set.name.c_str(), set.catalogueNumber.c_str(),
                set.inService ? "in service" : "out of service");
  return 0;
}

const std::vector<CommandOptions>& CommandTable() {
  static const std::vector<CommandOptions> table = {
      {"passes",
       {"elements", "name", "lat", "lon", "alt", "offset", "start", "min-elevation", "count"},
       {"utc"},
       Passes},
      {"sun", {"lat", "lon", "at"}, {}, Sun},
      {"moon",
       {"lat", "lon", "at", "alt", "freq", "dx-lat", "dx-lon", "min-elevation"},
       {"window"},
       Moon},
      {"list", {"elements"}, {}, List},
      {"beam", {"lat", "lon", "to-lat", "to-lon", "to"}, {}, [](const Args& a) {
         return app::cli::Beam(a.values);
       }},
      {"locator", {"lat", "lon", "locator"}, {}, [](const Args& a) {
         return app::cli::Locator(a.values);
       }},
  };
  return table;
}

}  // namespace

int main(int argc, char** argv) {
  Args args;
  std::string error;
  if (!ParseArgs(argc, argv, &args, &error)) {
    std::fprintf(stderr, "orvane-cli: %s\n\n%s", error.c_str(), kUsage);
    return 2;
  }
  if (args.help) {
    std::printf("%s", kUsage);
    return 0;
  }
  return FindCommand(args.command)->run(args);
}
