#pragma once

// FTP upload of the published files with libcurl: the transfer itself (one connection,
// user name and password given to the library, never put in the URL; one CWD; passive
// mode; a connect and a total time-out) and the worker thread that runs it, one upload at
// a time, handing its result back to the thread that started it.

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace map {

struct FtpFile {
  QString localPath;
  QString remoteName;  // stored under this name in the server folder, replacing it
};

struct FtpJob {
  QString host;    // "name" or "name:port"; an "ftp://" typed in front is dropped
  QString folder;  // empty: the login folder; "/x" from the root, "x" from the login folder
  QString user;    // empty: anonymous
  QString password;
  std::vector<FtpFile> files;
  int connectTimeoutMs = 20000;
  int totalTimeoutMs = 55000;  // the whole upload, all files together
};

struct FtpResult {
  bool success = false;
  // What went wrong, for a reader of the code and the tests: libcurl's code and message.
  // It never holds the password.
  int curlCode = 0;
  QString detail;
};

// "ftp://host[:port]/folder/" with every character of the folder that is not plain
// percent-encoded; empty when the host text cannot name a server (empty, blanks, "@",
// "/", "?", "#" and the like).
QString FtpFolderUrl(const QString& host, const QString& folder);

// The whole upload, on the calling thread: connect, log in, change to the folder, store
// each file, QUIT. Any failure ends it (nothing is retried). `cancel`, when given and set,
// ends it early as a failure.
FtpResult RunFtpUpload(const FtpJob& job, const std::atomic<bool>* cancel = nullptr);

// One upload at a time on a worker thread. Window thread only.
class FtpUploader {
 public:
  FtpUploader();
  ~FtpUploader();  // Stop()
  FtpUploader(const FtpUploader&) = delete;
  FtpUploader& operator=(const FtpUploader&) = delete;

  // Starts the upload; `done` runs later on this thread through its event loop. While an
  // upload runs the request is ignored and false returned.
  bool Start(FtpJob job, std::function<void(const FtpResult&)> done);
  // True from Start until the worker's result has come back (or Stop).
  bool Running() const { return running_; }
  // Gives up the running upload without waiting: it ends at its next progress check and
  // its result is not reported. Running() stays true until its thread has ended, so a
  // new upload never overlaps it.
  void Abandon();
  // Ends a running upload now and waits for its thread; its result is dropped.
  void Stop();

 private:
  void Join();

  QObject context_;  // lives on the starting thread; receives the queued result
  std::thread worker_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
  bool abandoned_ = false;
  unsigned generation_ = 0;  // the result of an upload stopped meanwhile is dropped
};

}  // namespace map
