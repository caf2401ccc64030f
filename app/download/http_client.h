#pragma once

// One HTTP(S) exchange on libcurl, run to its end on the calling thread: the element
// files, the login pages and the release list all go through here. The window thread
// never calls Perform itself; see background_job.h.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <atomic>
#include <memory>

namespace app::download {

// Why a transfer did not deliver a body, for the status line.
enum class TransferFailure {
  None,
  Http,         // the server answered with a status outside 2xx
  Empty,        // 2xx without a single byte
  Truncated,    // the connection ended before the announced length
  TimedOut,     // no connection in time, or the data stalled below the speed limit
  Connect,      // refused, unreachable or the name unknown
  Tls,          // the server's certificate did not verify, or the handshake failed
  TooLarge,     // the body went past the size cap
  Protocol,     // not http:// or https://, or a redirect that leaves them
  Redirects,    // more redirects than allowed
  Aborted,      // cancelled by the program (window closed)
  Other,
};

// What every request of the program respects.
struct TransferOptions {
  long connectTimeoutMs = 20000;
  long lowSpeedLimit = 10;  // bytes per second ...
  long lowSpeedTimeS = 30;  // ... over this many seconds, or the transfer ends
  long maxRedirects = 5;
  qint64 maxBytes = 32LL * 1024 * 1024;  // cap on the received body
  QString caFile;  // certificates to trust; empty: the system's store
  QString userAgent = QStringLiteral("Orvane/") + QStringLiteral(ORVANE_VERSION);
};

struct HttpRequest {
  QUrl url;
  QByteArray postBody;  // sent as application/x-www-form-urlencoded when `post`
  bool post = false;
  bool followRedirects = true;
  QUrl referer;
};

struct HttpResponse {
  int curlCode = 0;  // CURLE_OK is 0
  long httpStatus = 0;
  QByteArray body;
  QUrl effectiveUrl;  // after the redirects that were followed
  QUrl redirectUrl;   // Location of a 3xx that was not followed
  TransferFailure failure = TransferFailure::None;
  bool ReachedServer() const { return httpStatus > 0; }
  bool Ok() const { return failure == TransferFailure::None; }
};

// The cookies of one run of the program, shared by every request made with the same
// session (the login pages and the download that follows them). Kept in memory only.
class HttpSession {
 public:
  HttpSession();
  ~HttpSession();
  HttpSession(const HttpSession&) = delete;
  HttpSession& operator=(const HttpSession&) = delete;

  // Number of cookies held (any host); thread-safe.
  int CookieCount() const;
  // Forgets every cookie (the user disconnects).
  void ClearCookies();

  struct Shared;
  Shared* shared() const { return shared_.get(); }

 private:
  std::unique_ptr<Shared> shared_;
};

// Runs the request to its end. `session` may be null (no cookies kept); `abort`, when
// set by another thread, ends the transfer as Aborted. Only http and https, also for
// redirects; TLS peers are verified.
HttpResponse Perform(const HttpRequest& request, const TransferOptions& options,
                     HttpSession* session = nullptr, const std::atomic<bool>* abort = nullptr);

// True for an URL the program fetches at all: http:// or https:// with a host.
bool IsWebUrl(const QUrl& url);

}  // namespace app::download
