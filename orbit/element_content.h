#pragma once

// What the element loader keeps of a group's file. A three-line file is kept as its
// cleaned lines, which the loader walks by name as it always did. A record file (the OMM
// formats) is kept as its records, each already converted as its three-line set would be.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/elements.h"

namespace orbit {

struct ElementRecord {
  std::string name;  // after the name-line rules
  bool inService = true;
  ParsedSet set;  // catalogue number, epoch text and elements
};

struct ElementContent {
  std::vector<std::string> lines;      // cleaned lines of a three-line file
  std::vector<ElementRecord> records;  // records of a record file
};

// The list entries of records: nameLine is the record's index.
std::vector<ElementSetEntry> ListRecordSets(const std::vector<ElementRecord>& records);

// Shows the set under another name (the rename table's display name), so that the
// loader finds it by that name.
void RenameSet(ElementContent& content, const ElementSetEntry& set, const std::string& display);

// The loader over either kind of content: records are matched by exact name (both sides
// trimmed), the first one wins; "MOON" is the built-in set; lines are walked as by the
// line overload.
LoadStatus LoadElementsByName(ElementContent& content, std::string_view name, ParsedSet* out);

}  // namespace orbit
