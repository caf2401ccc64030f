#include "app/download/http_client.h"

#include <curl/curl.h>

#include <array>
#include <mutex>

namespace app::download {

namespace {

// libcurl's global state is set up once, before the first transfer of any thread.
void EnsureCurl() {
  static const CURLcode init = curl_global_init(CURL_GLOBAL_DEFAULT);
  (void)init;
}

struct WriteSink {
  QByteArray* body = nullptr;
  qint64 cap = 0;
  bool tooLarge = false;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<WriteSink*>(user);
  const qint64 n = static_cast<qint64>(size * count);
  if (sink->body->size() + n > sink->cap) {
    sink->tooLarge = true;
    return 0;  // libcurl ends the transfer with a write error
  }
  sink->body->append(data, static_cast<qsizetype>(n));
  return size * count;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* abort = static_cast<const std::atomic<bool>*>(user);
  return abort != nullptr && abort->load() ? 1 : 0;
}

TransferFailure FailureOf(CURLcode code, bool tooLarge) {
  switch (code) {
    case CURLE_OK:
      return TransferFailure::None;
    case CURLE_WRITE_ERROR:
      return tooLarge ? TransferFailure::TooLarge : TransferFailure::Other;
    case CURLE_FILESIZE_EXCEEDED:
      return TransferFailure::TooLarge;
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
      return TransferFailure::Truncated;
    case CURLE_OPERATION_TIMEDOUT:
      return TransferFailure::TimedOut;
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return TransferFailure::Connect;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CACERT_BADFILE:
      return TransferFailure::Tls;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
      return TransferFailure::Protocol;
    case CURLE_TOO_MANY_REDIRECTS:
      return TransferFailure::Redirects;
    case CURLE_ABORTED_BY_CALLBACK:
      return TransferFailure::Aborted;
    default:
      return TransferFailure::Other;
  }
}

}  // namespace

struct HttpSession::Shared {
  CURLSH* handle = nullptr;
  std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;

  static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* user) {
    static_cast<Shared*>(user)->locks[static_cast<std::size_t>(data)].lock();
  }
  static void Unlock(CURL*, curl_lock_data data, void* user) {
    static_cast<Shared*>(user)->locks[static_cast<std::size_t>(data)].unlock();
  }
};

HttpSession::HttpSession() : shared_(std::make_unique<Shared>()) {
  EnsureCurl();
  shared_->handle = curl_share_init();
  curl_share_setopt(shared_->handle, CURLSHOPT_LOCKFUNC, &Shared::Lock);
  curl_share_setopt(shared_->handle, CURLSHOPT_UNLOCKFUNC, &Shared::Unlock);
  curl_share_setopt(shared_->handle, CURLSHOPT_USERDATA, shared_.get());
  curl_share_setopt(shared_->handle, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
}

HttpSession::~HttpSession() {
  curl_share_cleanup(shared_->handle);
}

int HttpSession::CookieCount() const {
  CURL* easy = curl_easy_init();
  if (easy == nullptr) return 0;
  curl_easy_setopt(easy, CURLOPT_SHARE, shared_->handle);
  curl_slist* list = nullptr;
  int count = 0;
  if (curl_easy_getinfo(easy, CURLINFO_COOKIELIST, &list) == CURLE_OK) {
    for (curl_slist* item = list; item != nullptr; item = item->next) ++count;
  }
  curl_slist_free_all(list);
  curl_easy_cleanup(easy);
  return count;
}

void HttpSession::ClearCookies() {
  CURL* easy = curl_easy_init();
  if (easy == nullptr) return;
  curl_easy_setopt(easy, CURLOPT_SHARE, shared_->handle);
  curl_easy_setopt(easy, CURLOPT_COOKIELIST, "ALL");
  curl_easy_cleanup(easy);
}

bool IsWebUrl(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return url.isValid() && !url.host().isEmpty() &&
         (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

HttpResponse Perform(const HttpRequest& request, const TransferOptions& options,
                     HttpSession* session, const std::atomic<bool>* abort) {
  HttpResponse response;
  if (!IsWebUrl(request.url)) {
    response.failure = TransferFailure::Protocol;
    return response;
  }
  EnsureCurl();
  CURL* easy = curl_easy_init();
  if (easy == nullptr) {
    response.failure = TransferFailure::Other;
    return response;
  }
  const QByteArray url = request.url.toEncoded();
  const QByteArray agent = options.userAgent.toUtf8();
  const QByteArray caFile = options.caFile.toLocal8Bit();
  const QByteArray referer = request.referer.toEncoded();
  WriteSink sink{&response.body, options.maxBytes, false};

  curl_easy_setopt(easy, CURLOPT_URL, url.constData());
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, options.maxRedirects);
  curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.constData());
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, options.connectTimeoutMs);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, options.lowSpeedLimit);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, options.lowSpeedTimeS);
  curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBytes));
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!caFile.isEmpty()) curl_easy_setopt(easy, CURLOPT_CAINFO, caFile.constData());
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &WriteBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Progress);
  curl_easy_setopt(easy, CURLOPT_XFERINFODATA, abort);
  if (!referer.isEmpty()) curl_easy_setopt(easy, CURLOPT_REFERER, referer.constData());
  if (session != nullptr) {
    curl_easy_setopt(easy, CURLOPT_SHARE, session->shared()->handle);
    curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");  // the cookie engine, in memory
  }
  if (request.post) {
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                     static_cast<curl_off_t>(request.postBody.size()));
    curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, request.postBody.constData());
  }
  // Always a fresh copy: a cache between us and the server would keep old elements.
  curl_slist* headers = nullptr;
  headers = curl_slist_append(headers, "Cache-Control: no-cache");
  headers = curl_slist_append(headers, "Pragma: no-cache");
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);

  const CURLcode code = curl_easy_perform(easy);
  response.curlCode = static_cast<int>(code);
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &response.httpStatus);
  char* effective = nullptr;
  if (curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
    response.effectiveUrl = QUrl::fromEncoded(QByteArray(effective));
  char* location = nullptr;
  if (curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location)
    response.redirectUrl = QUrl::fromEncoded(QByteArray(location));
  curl_slist_free_all(headers);
  curl_easy_cleanup(easy);

  response.failure = FailureOf(code, sink.tooLarge);
  if (response.failure == TransferFailure::None) {
    const bool redirect = response.httpStatus >= 300 && response.httpStatus < 400;
    if (redirect && !request.followRedirects && !response.redirectUrl.isEmpty()) {
      // The caller follows it itself.
    } else if (response.httpStatus < 200 || response.httpStatus >= 300) {
      response.failure = TransferFailure::Http;
    } else if (response.body.isEmpty()) {
      response.failure = TransferFailure::Empty;
    }
  }
  return response;
}

}  // namespace app::download
