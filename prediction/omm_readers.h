#pragma once

// The three OMM readers: each splits a file into records of named fields and leaves the
// conversion to ConvertOmmRecord. They stop at the first place where the file is no
// longer CSV, XML or JSON (a truncated or damaged file) and keep what came before.

#include <QByteArrayView>
#include <cstddef>
#include <vector>

#include "prediction/omm_record.h"

namespace prediction {

struct OmmRow {
  OmmFields fields;
  bool broken = false;  // cut off or malformed: skipped as damaged whatever its fields say
};

struct OmmScan {
  std::vector<OmmRow> rows;
  bool tooMany = false;  // more than the allowed number of records
  int damagedLine = 0;   // 1-based line where reading stopped; 0 when read to the end
};

// RFC 4180: a header row of field names, then one record per row; quoted fields may hold
// commas, doubled quotes and line breaks. Lines end in CR LF, LF or CR. A row whose
// number of fields differs from the header's is broken. Text is UTF-8 when it is valid
// UTF-8, else Windows-1252.
OmmScan ReadOmmCsv(QByteArrayView bytes, std::size_t maxRecords);

// CCSDS OMM in XML: every "omm" element (any namespace) is a record, its leaf elements
// its fields, wherever they sit inside it (metadata, meanElements, tleParameters...).
OmmScan ReadOmmXml(QByteArrayView bytes, std::size_t maxRecords);

// An array of objects, or one object; string and number members are the fields.
OmmScan ReadOmmJson(QByteArrayView bytes, std::size_t maxRecords);

}  // namespace prediction
