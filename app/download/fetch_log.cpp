#include "app/download/fetch_log.h"

#include <QDateTime>

#include "base/clock.h"

namespace app::download {

namespace {

struct Entry {
  double when = 0;
  QString url;
};

std::optional<Entry> ReadEntry(const QString& line) {
  const qsizetype comma = line.indexOf(QLatin1Char(','));
  if (comma <= 0) return std::nullopt;
  const QDateTime when = QDateTime::fromString(line.left(comma), Qt::ISODate);
  if (!when.isValid()) return std::nullopt;
  return Entry{base::DateTimeValue(when), line.mid(comma + 1)};
}

QString EntryText(const QString& url, double when) {
  return base::FromDateTimeValue(when).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
         QLatin1Char(',') + url;
}

}  // namespace

std::optional<double> LastFetch(const QStringList& log, const QString& url) {
  std::optional<double> last;
  for (const QString& line : log) {
    const auto entry = ReadEntry(line);
    if (entry && entry->url == url) last = entry->when;  // the later line wins
  }
  return last;
}

bool FetchedRecently(const QStringList& log, const QString& url, double now) {
  const auto last = LastFetch(log, url);
  return last && *last <= now && now - *last < kPoliteIntervalDays;
}

void RecordFetch(QStringList* log, const QString& url, double now) {
  QStringList kept;
  for (const QString& line : *log) {
    const auto entry = ReadEntry(line);
    if (!entry || entry->url == url) continue;
    if (entry->when > now || now - entry->when >= kPoliteIntervalDays) continue;
    kept.append(line);
  }
  kept.append(EntryText(url, now));
  while (kept.size() > kFetchLogSize) kept.removeFirst();
  *log = kept;
}

}  // namespace app::download
