#pragma once

// When each element-file address was last fetched, so that the program does not ask a
// server for the same file again within two hours unless the user insists. Kept in the
// settings file as lines "LAST_FETCH=" + local time (ISO, seconds) + "," + address.

#include <QString>
#include <QStringList>
#include <optional>

namespace app::download {

inline constexpr double kPoliteIntervalDays = 2.0 / 24.0;
inline constexpr int kFetchLogSize = 20;  // addresses remembered at most

// Time (date-time value, local) of the last fetch of `url`; none when not in the log or
// the entry cannot be read.
std::optional<double> LastFetch(const QStringList& log, const QString& url);

// True when `url` was fetched less than two hours before `now`. A fetch stamped after
// `now` (the clock was set back) does not count.
bool FetchedRecently(const QStringList& log, const QString& url, double now);

// Notes a fetch of `url` at `now`: its old entry goes, entries older than two hours go,
// and the log keeps the newest kFetchLogSize entries.
void RecordFetch(QStringList* log, const QString& url, double now);

}  // namespace app::download
