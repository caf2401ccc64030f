#pragma once

// Element content of any of the four formats the program reads: three-line sets and the
// OMM files (CSV, XML, JSON). The format is told from the content, never from the name.
// Every reader of element files goes through here: the group loader, the downloads and
// orvane-cli.

#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "orbit/element_content.h"
#include "orbit/elements.h"

namespace prediction {

enum class ElementFormat { ThreeLine, OmmCsv, OmmXml, OmmJson };

// Limits as for three-line files: at most 1000 sets, and an OMM file no larger than a
// generously indented file of 1000 records would be.
inline constexpr std::size_t kMaxElementRecords = orbit::kMaxElementFileLines / 3;
inline constexpr qsizetype kMaxOmmBytes = 8 * 1024 * 1024;

struct ElementRead {
  orbit::ElementFileStatus status = orbit::ElementFileStatus::Ok;
  ElementFormat format = ElementFormat::ThreeLine;
  orbit::ElementContent content;            // what the element loader keeps
  std::vector<orbit::ElementSetEntry> sets;  // the valid sets in file order
  // OMM records skipped for a missing or unreadable field, as the damaged-set message
  // names them (name, "NORAD " + number or "#" + place).
  std::vector<std::string> damaged;
  int damagedLine = 0;  // line from which an OMM file could not be read; 0 when whole
};

// The format the content looks like. Leading blanks and a UTF-8 byte-order mark are
// skipped; "<" starts XML, "{" or "[" JSON; a first line naming the field NORAD_CAT_ID
// is a CSV header; anything else is read as three-line sets.
ElementFormat DetectElementFormat(QByteArrayView bytes);

// Reads the content. Three-line text behaves exactly as orbit::ReadElementText (the
// checksum switch applies to it only). Content that looks like OMM but yields no record
// at all is read as three-line sets when that finds any. More than kMaxElementRecords
// records, or an OMM file above kMaxOmmBytes, give TooManyLines as a long three-line
// file does.
ElementRead ReadElementContent(QByteArrayView bytes, bool checkChecksums);

// The same for a file; Unreadable when it cannot be read, TooManyLines above the size
// the program reads into memory.
ElementRead ReadElementContentFile(const QString& path, bool checkChecksums);

// True for content with at least one valid set in any of the four formats (a download
// is accepted as element content on this).
bool LooksLikeElementContent(QByteArrayView bytes, bool checkChecksums = true);

// The download's test for a web page delivered instead of elements: a "<" among the
// first three bytes, unless the content is an OMM XML file with at least one record
// (which begins with "<" too). A gzip stream is never a page; it is tested once unpacked.
bool IsPageInsteadOfElements(QByteArrayView bytes);

}  // namespace prediction
