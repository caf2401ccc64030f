#include "app/antenna_binding.h"

namespace app {

tracking::AntennaPanelValues ToPanelValues(const Settings& s) {
  tracking::AntennaPanelValues v;
  v.selected = s.antenna;
  v.antennas = s.antennas;
  v.trakBoxHostMode = s.trakBoxHostMode;
  v.movenowFolder = s.kctMoveNowFolder;
  v.trackNoStop = s.trackNoStop;
  v.trackStop360 = s.trackStop360;
  v.hamlib = s.hamlib;
  return v;
}

void FromPanelValues(const tracking::AntennaPanelValues& v, Settings* s) {
  s->antenna = v.selected;
  s->antennas = v.antennas;
  s->trakBoxHostMode = v.trakBoxHostMode;
  s->kctMoveNowFolder = v.movenowFolder;
  s->trackNoStop = v.trackNoStop;
  s->trackStop360 = v.trackStop360;
  s->hamlib = v.hamlib;
}

}  // namespace app
