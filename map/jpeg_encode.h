#pragma once

// JPEG encoding of the map picture with libjpeg, at the library's default quality.

#include <QByteArray>

namespace map {

// Encodes `height` rows of `width` RGB pixels (3 bytes each, `stride` bytes from one row
// to the next). Empty on a size of zero or a library error.
QByteArray EncodeJpeg(const unsigned char* rgb, int width, int height, int stride);

}  // namespace map
