#pragma once

// The antenna keys of the settings file as the antenna panel takes them, and back.

#include "app/settings.h"
#include "tracking/antenna_setup.h"

namespace app {

tracking::AntennaPanelValues ToPanelValues(const Settings& settings);

// Writes the panel's values into `settings`; the overlap box is not a settings key.
void FromPanelValues(const tracking::AntennaPanelValues& values, Settings* settings);

}  // namespace app
