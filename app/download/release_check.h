#pragma once

// The new-release check: the maker's release list "versions.txt" holds lines
// name=version; the version texts compare through VersionNumber.

#include <QByteArray>
#include <QString>

namespace app::download {

// Where the release list lives.
inline constexpr const char* kMakerSite = "https://orvane.org/";
inline constexpr const char* kReleaseListPath = "index_fichiers/versions.txt";

// The release list's value for `name` ("orvane"): the rest of the first line whose key,
// the text up to and including its first "=" found after the first character, equals
// name + "=". Empty when the list looks like a web page (a "<" in its first 3 bytes) or
// no line matches.
QString LatestVersionFromList(const QByteArray& list, const QString& name);

// The version's weight: the first character of the first three parts (split at ".")
// counts 100, 10 and 1 times its digit; a missing part or an empty text adds 0, and a
// part that does not start with a digit ends the count with the value so far.
// "3.8.4" gives 384; "3.10.1" gives 311 (first digit of each part only).
int VersionNumber(const QString& version);

// True when `latest` weighs more than `running`.
bool IsNewerRelease(const QString& running, const QString& latest);

}  // namespace app::download
