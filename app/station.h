#pragma once

// The station box of the settings panel as plain rules: the window forwards every edit
// change and box click here and writes the outcome back into its controls (with the
// change signals of the edits it rewrites blocked, the way focus kept the original's
// handlers idle).

#include <QString>
#include <optional>

#include "orbit/calendar.h"

namespace app {

using orbit::Real;

inline constexpr Real kMaxAltitudeMetres = 8000;
inline constexpr Real kMaxUtcOffsetHours = 12;

struct StationRecord {
  QString locator;         // upper-cased; 6 characters when complete
  Real latitude = 0;       // degrees, magnitude
  bool north = true;       // hemisphere box "N" (false: "S")
  Real longitude = 0;      // degrees, magnitude
  bool west = true;        // hemisphere box "W" (false: "E")
  Real altitude = 0;       // metres, 0..8000
  Real localUtcOffset = 0; // hours, local time minus UTC, -12..12
};

// Signed values for the orbit geometry: latitude north positive, longitude WEST positive.
Real SignedLatitude(const StationRecord& station);
Real SignedLongitude(const StationRecord& station);

// Centre of the sub-square of a complete locator (case ignored), with the edit texts:
// magnitudes in fixed point with 3 decimals and the user's decimal separator.
struct LocatorCentre {
  Real latitude = 0;  // magnitude
  bool north = true;
  Real longitude = 0; // magnitude
  bool west = true;
  QString latitudeText;
  QString longitudeText;
};
std::optional<LocatorCentre> CoordinatesFromLocator(const QString& locator);

// The locator of the record's last converted coordinates, or empty when either edit is
// empty or the values are out of range (West 0..180, East strictly between 0 and 180;
// North 0..89.99, South above 0 up to 89.99).
QString LocatorFromCoordinates(const QString& latitudeText, const QString& longitudeText,
                               const StationRecord& record);

// Outcome of one rule: the edited control's new text and caret, whether to beep, the
// other controls to rewrite (unset: leave alone) and the record afterwards.
struct StationEdit {
  QString text;
  int caret = 0;
  bool beep = false;
  std::optional<QString> locatorText;
  std::optional<QString> latitudeText;
  std::optional<QString> longitudeText;
  std::optional<bool> north;
  std::optional<bool> west;
  // Set by the local-offset rule when the text is not a number: the caller shows its
  // conversion error report; the offset keeps its previous value.
  bool conversionError = false;
  StationRecord record;
};

// The other texts of the box that some rules read.
struct StationTexts {
  QString latitude;
  QString longitude;
};

// EditQRAlocatorChange while the locator edit has the focus. `caret` is the number of
// characters before the caret, i.e. the 1-based position of the character just typed.
StationEdit LocatorEdited(const QString& text, int caret, const StationRecord& record);

// EditLattitudeChange / EditLongitudeChange while focused. `others` holds the box's
// current coordinate texts (the edited one is taken from `text`).
StationEdit LatitudeEdited(const QString& text, int caret, const StationTexts& others,
                           const StationRecord& record);
StationEdit LongitudeEdited(const QString& text, int caret, const StationTexts& others,
                            const StationRecord& record);

// EditAltitudeChange, on every change.
StationEdit AltitudeEdited(const QString& text, int caret, const StationRecord& record);

// EditLocalUTCChange, on every change.
StationEdit LocalUtcEdited(const QString& text, int caret, const StationRecord& record);

enum class HemisphereBox { North, South, West, East };

// A hemisphere box changed to `checked`; its partner takes the opposite state. Only a
// user click (`focused`) recomputes the locator. `text`/`caret` of the result are unused.
StationEdit HemisphereBoxChanged(HemisphereBox box, bool checked, bool focused,
                                 const StationTexts& texts, const StationRecord& record);

}  // namespace app
