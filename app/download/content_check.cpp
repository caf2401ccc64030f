#include "app/download/content_check.h"

#include <string_view>

#include "app/download/gunzip.h"
#include "orbit/elements.h"
#include "prediction/element_content.h"

namespace app::download {

bool IsElementContent(QByteArrayView bytes, bool checkChecksums) {
  const std::string_view text(bytes.data(), static_cast<std::size_t>(bytes.size()));
  // No line limit here: a file too long for a group is still an element file, and the
  // group loader tells the user so.
  std::vector<std::string> lines = orbit::CleanElementLines(orbit::SplitLines(text));
  if (!orbit::ScanElementSets(lines, checkChecksums).empty()) return true;
  // OMM records (CSV, XML, JSON) are element content too.
  return prediction::LooksLikeElementContent(bytes, checkChecksums);
}

DownloadVerdict JudgeDownload(const HttpResponse& response, bool checkChecksums,
                              qsizetype maxUnpacked) {
  DownloadVerdict result;
  if (!response.Ok()) return result;
  result.gzip = IsGzip(response.body);
  if (result.gzip) {
    if (GunzipFirstMember(response.body, maxUnpacked, &result.content) != GunzipStatus::Ok) {
      result.verdict = Verdict::ExtractError;
      result.content.clear();
      return result;
    }
  } else {
    result.content = response.body;
  }
  if (!IsElementContent(result.content, checkChecksums)) {
    result.verdict = Verdict::NotText;
    result.content.clear();
    return result;
  }
  result.verdict = Verdict::Accepted;
  return result;
}

}  // namespace app::download
