#pragma once

// What the map window takes from the main window: the tracking state it draws, the DX
// station record and the seams of the main window's controls it works. The main window
// fills it; nothing in the map includes upward.

#include <QString>
#include <functional>

#include "map/map_state.h"
#include "prediction/pass_search.h"
#include "prediction/pass_slot.h"

namespace base {
class Clock;
class Dialogs;
class Sounds;
}  // namespace base

namespace map {

// A sub-satellite point: latitude, west longitude (degrees) and distance from the Earth's
// centre (km).
struct SubPoint {
  Real latitude = 0;
  Real westLongitude = 0;
  Real distance = 0;
};

// The shown satellite as the main window sees it now.
struct MapFeed {
  const prediction::PassSlot* slot = nullptr;  // the explorer's slot; nullptr = none shown
  QString satelliteName;
  bool visible = false;  // above the station's horizon now (the tick's flag)
  prediction::StationPosition station;
  Real localOffsetHours = 0;  // local minus UTC
  int minimumElevation = 0;
  SubPoint selectedPoint;  // ephemeris row 1 (the pass start)
  QString passText;        // first 20 characters of row 1
};

// The DX station: latitude text "N"/"S" + degrees, longitude text "W"/"E" + degrees, and
// its six-character locator. Empty texts: no DX station.
struct DxStation {
  QString latitude;
  QString longitude;
  QString locator;
  bool operator==(const DxStation&) const = default;
};

struct MapEnvironment {
  const base::Clock* clock = nullptr;
  base::Sounds* sounds = nullptr;
  base::Dialogs* dialogs = nullptr;
  MapSettings* settings = nullptr;  // kept current by the window
  QString programFolder;            // user maps are copied here
  std::function<MapFeed()> feed;
  std::function<DxStation()> dxStation;
  // A right click chose a new DX station (texts and locator already made).
  std::function<void(const DxStation&)> setDxStation;
  // The main window's next-pass button; going back to the first pass when it is disabled
  // while another pass is shown.
  std::function<void(bool enabled)> nextPassButtonEnabled;
  std::function<void()> firstPass;
  // The window was hidden: the main window releases its map button.
  std::function<void()> hidden;
  // The HTML settings window; an empty hook hides the "HTML" menu.
  std::function<void()> openHtmlSettings;
  std::function<void()> hideHtmlSettings;
  // The file dialog of the user maps (proposed name "original.bmp"); empty = cancelled.
  std::function<QString(const QString& proposed)> chooseImageFile;
  char decimalSeparator = '.';
};

}  // namespace map
