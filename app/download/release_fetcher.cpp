#include "app/download/release_fetcher.h"

#include "app/download/release_check.h"

namespace app::download {

ReleaseFetcher::ReleaseFetcher(QObject* parent)
    : QObject(parent),
      listUrl_(QUrl(QString::fromLatin1(kMakerSite)).resolved(
          QUrl(QString::fromLatin1(kReleaseListPath)))) {
  options_.maxBytes = 64 * 1024;  // a few lines of text
}

bool ReleaseFetcher::Start(const QString& name) {
  HttpRequest request;
  request.url = listUrl_;
  const TransferOptions options = options_;
  return job_.Start<QString>(
      [=](const std::atomic<bool>& stop) {
        const HttpResponse answer = Perform(request, options, nullptr, &stop);
        return answer.Ok() ? LatestVersionFromList(answer.body, name) : QString();
      },
      [this](QString latest) { emit Fetched(latest); });
}

}  // namespace app::download
