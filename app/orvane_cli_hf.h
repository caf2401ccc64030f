#pragma once

// orvane-cli's HF commands: "beam" (great-circle headings and distance) and "locator"
// (coordinates to Maidenhead locator and back).

#include <map>
#include <string>

namespace app::cli {

using OptionValues = std::map<std::string, std::string>;  // option name without "--"

// --lat/--lon of the station and --to-lat/--to-lon or --to PREFIX: prints the short-path
// azimuth, the long-path azimuth and the distance in km. Exit code 0, 1 on bad input.
int Beam(const OptionValues& values);
// --lat/--lon: prints the six-character locator; --locator: prints its centre.
int Locator(const OptionValues& values);

}  // namespace app::cli
