#include "app/download/gunzip.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace app::download {

bool IsGzip(QByteArrayView bytes) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 31 &&
         static_cast<unsigned char>(bytes[1]) == 139;
}

GunzipStatus GunzipFirstMember(QByteArrayView input, qsizetype maxOutput, QByteArray* out) {
  out->clear();
  z_stream stream{};
  // 15 window bits + 16: a gzip header and trailer, not zlib's own.
  if (inflateInit2(&stream, 31) != Z_OK) return GunzipStatus::Damaged;
  const char* next = input.data();
  qsizetype left = input.size();
  GunzipStatus status = GunzipStatus::Damaged;
  char buffer[64 * 1024];
  int code = Z_OK;
  while (code == Z_OK) {
    if (stream.avail_in == 0 && left > 0) {
      const auto chunk = static_cast<uInt>(
          std::min<qsizetype>(left, std::numeric_limits<uInt>::max() / 2));
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(next));
      stream.avail_in = chunk;
      next += chunk;
      left -= chunk;
    }
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    code = inflate(&stream, Z_NO_FLUSH);
    const qsizetype produced = static_cast<qsizetype>(sizeof buffer - stream.avail_out);
    if (code != Z_OK && code != Z_STREAM_END && code != Z_BUF_ERROR) break;
    if (out->size() + produced > maxOutput) {
      status = GunzipStatus::TooLarge;
      break;
    }
    out->append(buffer, produced);
    if (code == Z_STREAM_END) {
      status = GunzipStatus::Ok;  // the end of the first member: stop here
      break;
    }
    if (code == Z_BUF_ERROR) {
      // No progress possible: more input is needed and there is none.
      if (stream.avail_in == 0 && left == 0) break;
      code = Z_OK;
    }
  }
  inflateEnd(&stream);
  if (status != GunzipStatus::Ok) out->clear();
  return status;
}

}  // namespace app::download
