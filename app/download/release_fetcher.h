#pragma once

// FetchLatestVersion in the background: the release list is fetched into memory (no file
// is written), read, and the latest version of a name handed back; empty on any failure.

#include <QObject>
#include <QUrl>

#include "app/download/background_job.h"
#include "app/download/http_client.h"

namespace app::download {

class ReleaseFetcher : public QObject {
  Q_OBJECT
 public:
  explicit ReleaseFetcher(QObject* parent = nullptr);

  void SetListUrl(const QUrl& url) { listUrl_ = url; }
  QUrl ListUrl() const { return listUrl_; }
  TransferOptions& Options() { return options_; }

  // False (nothing started) while a fetch runs.
  bool Start(const QString& name);
  bool Busy() const { return job_.Busy(); }

 signals:
  void Fetched(const QString& latest);

 private:
  QUrl listUrl_;
  TransferOptions options_;
  BackgroundJob job_;
};

}  // namespace app::download
