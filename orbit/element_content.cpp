#include "orbit/element_content.h"

#include "orbit/text_number.h"

namespace orbit {

std::vector<ElementSetEntry> ListRecordSets(const std::vector<ElementRecord>& records) {
  std::vector<ElementSetEntry> sets;
  sets.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    sets.push_back({records[i].name, records[i].set.catalogueNumber, records[i].inService, i});
  }
  return sets;
}

void RenameSet(ElementContent& content, const ElementSetEntry& set, const std::string& display) {
  if (!content.records.empty()) {
    if (set.nameLine < content.records.size()) content.records[set.nameLine].name = display;
    return;
  }
  if (set.nameLine < content.lines.size()) content.lines[set.nameLine] = display;
}

LoadStatus LoadElementsByName(ElementContent& content, std::string_view name, ParsedSet* out) {
  if (content.records.empty()) return LoadElementsByName(content.lines, name, out);
  const std::string_view wanted = TrimView(name);
  if (wanted == "MOON") return LoadElementsByName(content.lines, wanted, out);
  for (const ElementRecord& record : content.records) {
    if (TrimView(record.name) != wanted) continue;
    *out = record.set;
    return LoadStatus::Found;
  }
  return LoadStatus::NotFound;
}

}  // namespace orbit
