#pragma once

// HF beam headings: the great circle from the station to a place, the long path, the
// azimuth steps of the up/down arrows, favourite azimuths and the place lists (the
// program's own and the user's ".bdx" file). Plain functions; the window calls them.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tools {

// Short-path azimuth (degrees, 0 <= a < 360, clockwise from north) and distance (km) on
// a sphere of one nautical mile (1.852 km) per minute of arc.
struct GreatCircleResult {
  double azimuth = 0;
  double distanceKm = 0;
};

// Latitudes north-positive, longitudes EAST-positive, degrees. Identical points give
// 0 km and azimuth 0; a station on a pole and an exact antipode give azimuth 0. Never NaN
// for finite input.
GreatCircleResult GreatCircle(double lat1, double lon1, double lat2, double lon2);

// The opposite heading of a whole-degree azimuth: a - 180 above 179, else a + 180.
int LongPathAzimuth(int azimuth);

// The commanded azimuth of a computed one: rounded (halves to even) into 0..359.
int CommandedAzimuth(double azimuth);

// The up/down arrows: one degree a click; while the mouse button stays down the step
// becomes ten as soon as the value reaches a multiple of ten; releasing goes back to one.
// Values wrap around within 0..359.
class StepAzimuth {
 public:
  int Step(int value, int direction);  // direction +1 or -1
  void Release() { step_ = 1; }
  int CurrentStep() const { return step_; }

 private:
  int step_ = 1;
};

// A favourite azimuth typed in the favourites window: limited to 0..359, an unreadable
// text gives 0.
int FavouriteAzimuth(const QString& text);

// A place chosen from a list: north-positive latitude, east-positive longitude.
struct PlacePosition {
  double latitude = 0;
  double longitude = 0;
};

// "35,83N" / "47.5N" / "12S" (or "E"/"W" for `longitude`): the signed degrees. Nothing for
// a number holding both "," and ".", an unreadable one, a missing letter or a value
// beyond 90 (latitude) or 180 (longitude).
std::optional<double> ListCoordinate(const QString& text, bool longitude);

// The third and fourth fields of a list entry split at `separator`. Nothing (the DX
// position stays as it was) when a field is missing or refused.
std::optional<PlacePosition> ListEntryPosition(const QString& entry, QChar separator);

// The user's list file.
inline constexpr qint64 kMaxUserListBytes = 5LL * 1024 * 1024;
inline constexpr int kMaxUserListLine = 1000;

// The accepted lines of a user list, each as its TAB-separated fields: lines beginning
// with "[" (comments) or holding "=", "/" or "_" are skipped, as are lines longer than
// kMaxUserListLine, lines with fewer than four fields and lines whose latitude or
// longitude cannot be read or is out of range. The file's order is kept.
std::vector<QStringList> ParseUserList(const QStringList& lines);

enum class UserListStatus { Ok, CannotOpen, TooLarge };

struct UserListRead {
  UserListStatus status = UserListStatus::Ok;
  int errorCode = 0;  // QFileDevice::FileError of a file that did not open
  std::vector<QStringList> entries;
};

// Reads the file read-only (its mode is never touched), UTF-8 when its bytes are valid
// UTF-8 with a non-ASCII character, else Windows-1252; refuses files above
// kMaxUserListBytes.
UserListRead ReadUserList(const QString& path);

// A place list of the program's resources (":/places/us_states.txt", ...): each line's
// TAB-separated fields, in the file's order; empty when it cannot be read.
std::vector<QStringList> ReadPlaceList(const QString& path);

inline constexpr const char* kUsStatesResource = ":/places/us_states.txt";
inline constexpr const char* kFrenchDepartmentsResource = ":/places/fr_departements.txt";

// The DXCC entry whose prefix field names `prefix` (case ignored): the field itself or
// one of its prefixes separated by "," or blanks ("JA", "JA-JS" ranges are not expanded).
// The longest matching start of `prefix` wins, so "JA1ABC" finds "JA".
struct PrefixMatch {
  QString prefix;
  QString country;
  PlacePosition position;
};
std::optional<PrefixMatch> FindPrefix(const QString& prefix, const QString& dxccPath = QString());

}  // namespace tools
