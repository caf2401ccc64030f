// Defaults of the settings record and the interface names of the file.
#include <algorithm>
#include <cmath>

#include "app/settings.h"
#include "tracking/antenna_setup.h"
#include "base/locale_number.h"
#include "base/program_folder.h"

namespace app {

std::array<tracking::AntennaValues, tracking::kInterfaceCount> DefaultAntennas() {
  return tracking::DefaultAntennaPanelValues().antennas;
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
  s.groups = DefaultGroupTable(env.programFolder + QLatin1Char('/'));
  const auto localise = [&](QString& text) {
    text.replace(QLatin1Char('.'), QLatin1Char(env.decimalSeparator));
  };
  for (tracking::AntennaValues& a : s.antennas) {
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

}  // namespace app
