#pragma once

// A station in Paris, one satellite of the sample file searched at a fixed clock, and the
// map window's environment around them, for the window tests and the pictures.
#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "base/clock.h"
#include "base/sounds.h"
#include "map/form_map.h"
#include "map/map_environment.h"
#include "orbit/elements.h"
#include "prediction/ephemeris_row.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace map::testing {

inline Real Utc(int year, int month, int day, int h, int m, int s = 0) {
  return orbit::EncodeDateTimeValue(year, month, day, h, m, s);
}

class MapWorld {
 public:
  explicit MapWorld(const std::string& satellite = "ISS (ZARYA)") {
    ctx.clock = &clock;
    ctx.station = {48.854L, -2.292L, 35};
    ctx.localOffsetHours = 1;
    static std::vector<std::string> content =
        orbit::ReadElementFile(ORVANE_TEST_DATA "/amateur.txt", false).content;
    slot.name = satellite;
    slot.text = prediction::SlotPrefix(satellite);
    loaded = orbit::LoadElementsByName(content, satellite, &slot.set) == orbit::LoadStatus::Found;
    SetUtc(Utc(2018, 1, 21, 12, 0));
  }

  // Sets the clock (UTC) and searches the slot's next pass from it.
  void SetUtc(Real utc) {
    clock.Set(static_cast<double>(utc + ctx.localOffsetHours / 24));
    prediction::SearchPass(ctx, slot);
  }

  // The live position at the clock, as the tick hands it to the map.
  void HandCurrentPosition(TFormMap& form) {
    prediction::LiveView live;
    prediction::SearchPass(ctx, slot, prediction::SearchMode::RealTime, &live);
    form.SetCurrentPosition(live.view.azimuth, live.view.elevation,
                            {live.view.subLatitude, live.westLongitude, live.view.distance});
  }

  MapFeed Feed() const {
    MapFeed f;
    f.slot = &slot;
    f.satelliteName = QString::fromStdString(slot.name);
    f.visible = visible;
    f.station = ctx.station;
    f.localOffsetHours = ctx.localOffsetHours;
    f.minimumElevation = ctx.minimumElevation;
    if (slot.HasPass()) {
      f.selectedPoint = {slot.rows.latitude[0], slot.rows.westLongitude[0],
                         6378.137L + slot.rows.altitude10[0] / 10};
      f.passText = QString::fromStdString(
          prediction::BuildRowText(slot, 1, false, ctx.localOffsetHours).substr(0, 20));
    }
    return f;
  }

  MapEnvironment Env() {
    MapEnvironment e;
    e.clock = &clock;
    e.sounds = &sounds;
    e.dialogs = &dialogs;
    e.settings = &settings;
    e.programFolder = folder.path();
    e.feed = [this] { return Feed(); };
    e.dxStation = [this] { return dx; };
    e.setDxStation = [this](const DxStation& d) {
      dx = d;
      ++dxSet;
    };
    e.nextPassButtonEnabled = [this](bool on) { nextPassEnabled = on; };
    e.hidden = [this] { ++hiddenCount; };
    e.chooseImageFile = [this](const QString&) { return chosenFile; };
    return e;
  }

  std::unique_ptr<TFormMap> MakeForm() { return std::make_unique<TFormMap>(Env()); }

  base::TestClock clock;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  prediction::SearchContext ctx;
  prediction::PassSlot slot;
  bool loaded = false;
  bool visible = false;
  MapSettings settings;
  DxStation dx;
  int dxSet = 0;
  bool nextPassEnabled = true;
  int hiddenCount = 0;
  QString chosenFile;
  QTemporaryDir folder;
};

}  // namespace map::testing
