// The writer of the settings file: every key in the written order.
#include <QStringList>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "tracking/antenna_interfaces.h"

#ifndef ORVANE_VERSION
#define ORVANE_VERSION "3.8.4"
#endif

namespace app {

namespace {

using settings_keys::AntennaKeys;
using settings_keys::kAntennaKeys;
using settings_keys::S;

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
    w.AddIf(!p.oldSide.isEmpty() && !p.newSide.isEmpty(),
            "RENAME=", p.oldSide + QLatin1Char(',') + p.newSide);
  }
  for (int n = 0; n < kGroupCount; ++n) {
    const Group& g = s.groups[static_cast<std::size_t>(n)];
    QString line = g.name;
    line.replace(QLatin1Char(','), QLatin1Char(';'));
    for (const QString& number : g.SelectedNumbers) line += QLatin1Char(',') + number;
    w.Add("GROUP" + QString::number(n + 1) + "=", line);
  }
  w.Add("ACTIVE_GROUP=", s.activeGroup);
  for (int n = 0; n < kGroupCount; ++n)
    w.Add("PATHNAME_G" + QString::number(n + 1) + "=", s.groups[static_cast<std::size_t>(n)].elementFile);
  for (int n = 0; n < kGroupCount; ++n) {
    const Group& g = s.groups[static_cast<std::size_t>(n)];
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
  for (const tracking::Interface which : tracking::kSendOrder) {
    if (which == tracking::Interface::Rotctld) continue;  // WriteHamlib
    const AntennaKeys& k = kAntennaKeys[tracking::IndexOf(which)];
    const tracking::AntennaValues& a = s.Antenna(which);
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
    w.AddIf(a.parking, "PARKING=", tracking::SettingsName(which));
    if (which == tracking::Interface::TrakBox)
      w.Add("TKB_HOST=", s.trakBoxHostMode ? QStringLiteral("Y") : QStringLiteral("N"));
    if (which == tracking::Interface::Kct) {
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

// The Hamlib daemons and the pass commands, only when one of them is not at its default.
void WriteHamlib(const Settings& s, Writer& w) {
  const tracking::Interface rot = tracking::Interface::Rotctld;
  const tracking::AntennaValues& a = s.Antenna(rot);
  const tracking::HamlibValues& h = s.hamlib;
  if (h == tracking::HamlibValues{} && a == DefaultAntennas()[tracking::IndexOf(rot)]) return;
  const QString x = S(kAntennaKeys[tracking::IndexOf(rot)].suffix) + "=";
  w.lines.append(QStringLiteral("[HAMLIB]"));
  w.Add("ROTCTLD_HOST=", h.rotatorHost);
  w.Add("ROTCTLD_PORT=", h.rotatorPort);
  w.Add("STOP_" + x, a.stopSouth ? QStringLiteral("S") : QStringLiteral("N"));
  w.Add("MAX_EL_" + x, a.maxElevation180 ? QStringLiteral("180") : QStringLiteral("90"));
  w.Add("STEP_" + x, a.step);
  w.Add("AZOFFSET_" + x, a.azimuthOffset);
  w.Add("ELOFFSET_" + x, a.elevationOffset);
  w.Add("TESTAZ_" + x, a.testAzimuth);
  w.Add("TESTEL_" + x, a.testElevation);
  w.AddIf(a.parking, "PARKING=", tracking::SettingsName(rot));
  w.OnOff("RIGCTLD=", h.rig.enabled);
  w.Add("RIGCTLD_HOST=", h.rig.host);
  w.Add("RIGCTLD_PORT=", h.rig.port);
  w.Add("RIGCTLD_STEP=", h.rig.stepHz);
  w.AddIf(!h.commands.aosCommand.isEmpty(), "AOS_COMMAND=", h.commands.aosCommand);
  w.AddIf(!h.commands.losCommand.isEmpty(), "LOS_COMMAND=", h.commands.losCommand);
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
  for (const QString& fetch : s.fetchLog) w.Add("LAST_FETCH=", fetch);
  WriteGeometry(s.geometry, w);
  w.AddIf(s.dxccSeparator != u"\t", "SEPDXCC=", s.dxccSeparator);
  w.Add("ZOOM_MAP=", s.mapZoom);
  w.Add("ANT=", s.antenna ? tracking::SettingsName(*s.antenna) : QString());
  WriteAntennas(s, w);
  WriteMap(s, w);
  WriteHamlib(s, w);
  return w.lines;
}

}  // namespace app
