#pragma once

// Whether downloaded bytes are an element file worth keeping, and the bytes to keep.

#include <QByteArray>
#include <QByteArrayView>

#include "app/download/http_client.h"

namespace app::download {

// True for content holding at least one valid three-line set.
bool IsElementContent(QByteArrayView bytes, bool checkChecksums);

enum class Verdict {
  Accepted,       // `content` is what goes into the element file
  TransferError,  // no usable answer: status, truncation, size, connection
  NotText,        // an answer that is not element content (a page, JSON, ...)
  ExtractError,   // gzip that does not unpack
};

struct DownloadVerdict {
  Verdict verdict = Verdict::TransferError;
  bool gzip = false;
  QByteArray content;
};

// Judges one answer: a failed or non-2xx transfer, an empty or cut body is a transfer
// error; gzip is unpacked (first member, at most `maxUnpacked` bytes); what remains must
// be element content.
DownloadVerdict JudgeDownload(const HttpResponse& response, bool checkChecksums,
                              qsizetype maxUnpacked);

}  // namespace app::download
