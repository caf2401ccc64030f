#include "map/ftp_upload.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>
#include <QUrl>
#include <algorithm>
#include <cstring>
#include <mutex>

#include <curl/curl.h>

namespace map {

namespace {

void GlobalInit() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// A host name, an IPv4 address or a bracketed IPv6 address, and an optional port: letters,
// digits and ".-_:[]" only, so the text cannot carry a user, a path or a query.
bool PlainHost(const QString& host) {
  if (host.isEmpty()) return false;
  return std::all_of(host.begin(), host.end(), [](QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
           c == QLatin1Char('_') || c == QLatin1Char(':') || c == QLatin1Char('[') ||
           c == QLatin1Char(']');
  });
}

struct Source {
  const QByteArray* bytes = nullptr;
  qsizetype offset = 0;
};

size_t ReadSource(char* buffer, size_t size, size_t count, void* user) {
  auto* s = static_cast<Source*>(user);
  const qsizetype left = s->bytes->size() - s->offset;
  const qsizetype n = std::min<qsizetype>(left, static_cast<qsizetype>(size * count));
  std::memcpy(buffer, s->bytes->constData() + s->offset, static_cast<size_t>(n));
  s->offset += n;
  return static_cast<size_t>(n);
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* cancel = static_cast<const std::atomic<bool>*>(user);
  return cancel != nullptr && cancel->load() ? 1 : 0;
}

FtpResult Failure(int code, const QString& detail) {
  FtpResult r;
  r.curlCode = code;
  r.detail = detail;
  return r;
}

struct EasyHandle {
  CURL* curl = curl_easy_init();
  ~EasyHandle() {
    if (curl != nullptr) curl_easy_cleanup(curl);  // sends QUIT on a live connection
  }
};

}  // namespace

QString FtpFolderUrl(const QString& hostText, const QString& folderText) {
  QString host = hostText.trimmed();
  if (host.startsWith(QLatin1String("ftp://"), Qt::CaseInsensitive)) host = host.mid(6);
  while (host.endsWith(QLatin1Char('/'))) host.chop(1);
  if (!PlainHost(host)) return {};
  QString folder = folderText.trimmed();
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  QString url = QStringLiteral("ftp://") + host + QLatin1Char('/');
  if (!folder.isEmpty()) {
    url += QString::fromLatin1(QUrl::toPercentEncoding(folder, "/"));
    if (folder != QLatin1String("/")) url += QLatin1Char('/');
  }
  return url;
}

FtpResult RunFtpUpload(const FtpJob& job, const std::atomic<bool>* cancel) {
  GlobalInit();
  const QString folderUrl = FtpFolderUrl(job.host, job.folder);
  if (folderUrl.isEmpty()) return Failure(CURLE_URL_MALFORMAT, QStringLiteral("no usable host"));
  // The files are read whole first: each was replaced in one step, so this is one version.
  std::vector<QByteArray> contents;
  for (const FtpFile& f : job.files) {
    QFile file(f.localPath);
    if (!file.open(QIODevice::ReadOnly))
      return Failure(CURLE_READ_ERROR, QStringLiteral("cannot read ") + f.localPath);
    contents.push_back(file.readAll());
  }
  EasyHandle easy;
  CURL* curl = easy.curl;
  if (curl == nullptr) return Failure(CURLE_FAILED_INIT, QStringLiteral("no libcurl handle"));
  char errorText[CURL_ERROR_SIZE] = {};
  const QByteArray user = job.user.toUtf8();
  const QByteArray password = job.password.toUtf8();
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(job.connectTimeoutMs));
  if (!user.isEmpty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
  }
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadSource);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(cancel));

  QElapsedTimer clock;
  clock.start();
  for (std::size_t i = 0; i < job.files.size(); ++i) {
    // The time-out is the whole upload's: each file gets what the ones before left.
    const qint64 left = job.totalTimeoutMs - clock.elapsed();
    if (left <= 0) return Failure(CURLE_OPERATION_TIMEDOUT, QStringLiteral("time-out"));
    const QByteArray url =
        folderUrl.toUtf8() + QUrl::toPercentEncoding(job.files[i].remoteName);
    Source source{&contents[i], 0};
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_READDATA, &source);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(contents[i].size()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(left));
    errorText[0] = '\0';
    const CURLcode code = curl_easy_perform(curl);
    if (code != CURLE_OK) {
      const QString detail = QString::fromUtf8(errorText[0] != '\0' ? errorText : curl_easy_strerror(code));
      return Failure(code, detail);
    }
  }
  FtpResult ok;
  ok.success = true;
  return ok;
}

FtpUploader::FtpUploader() {
  GlobalInit();
}

FtpUploader::~FtpUploader() {
  Stop();
}

void FtpUploader::Join() {
  if (worker_.joinable()) worker_.join();
}

bool FtpUploader::Start(FtpJob job, std::function<void(const FtpResult&)> done) {
  if (running_) return false;
  Join();  // the previous worker has posted its result and is ending
  running_ = true;
  abandoned_ = false;
  cancel_ = false;
  const unsigned generation = ++generation_;
  worker_ = std::thread([this, job = std::move(job), done = std::move(done), generation]() mutable {
    const FtpResult result = RunFtpUpload(job, &cancel_);
    QMetaObject::invokeMethod(
        &context_,
        [this, result, generation, done = std::move(done)] {
          if (generation != generation_) return;
          running_ = false;
          if (done && !abandoned_) done(result);
        },
        Qt::QueuedConnection);
  });
  return true;
}

void FtpUploader::Abandon() {
  if (!running_) return;
  abandoned_ = true;
  cancel_ = true;
}

void FtpUploader::Stop() {
  cancel_ = true;
  Join();
  running_ = false;
  ++generation_;
}

}  // namespace map
