#pragma once

// Element files delivered gzip-compressed.

#include <QByteArray>
#include <QByteArrayView>

namespace app::download {

// Bytes 31 and 139: the gzip signature.
bool IsGzip(QByteArrayView bytes);

enum class GunzipStatus { Ok, Damaged, TooLarge };

// Unpacks the first member of a gzip stream into *out; whatever follows the end of that
// member (further members, padding) is ignored. A stream that ends inside the member or
// fails its check is Damaged; more than `maxOutput` bytes is TooLarge.
GunzipStatus GunzipFirstMember(QByteArrayView input, qsizetype maxOutput, QByteArray* out);

}  // namespace app::download
