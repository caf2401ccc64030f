#pragma once

// A real pass from the sample element file: a satellite of tests/data/amateur.txt seen
// from Paris (one hour ahead of UTC) in January 2018, with its slot searched.
#include <QFile>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "orbit/elements.h"
#include "prediction/ephemeris_row.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace tracking::testing {

// Lines 1 and 2 of the set named `name` in the sample file; empty when absent.
inline std::pair<std::string, std::string> SampleElementLines(const std::string& name) {
  QFile file(QStringLiteral(ORVANE_TEST_DATA "/amateur.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
  for (int i = 0; i + 2 < lines.size(); ++i) {
    if (lines[i].trimmed().toStdString() == name) {
      return {lines[i + 1].trimmed().toStdString(), lines[i + 2].trimmed().toStdString()};
    }
  }
  return {};
}

struct SamplePass {
  explicit SamplePass(const std::string& name = "ISS (ZARYA)")
      : slot(std::make_unique<prediction::PassSlot>()) {
    ctx.clock = &clock;
    ctx.station = {48.854L, -2.292L, 35};
    ctx.localOffsetHours = 1;
    slot->name = name;
    slot->text = prediction::SlotPrefix(name);
    const auto [l1, l2] = SampleElementLines(name);
    parsed = !l1.empty() && orbit::ParseElementLines(l1, l2, &slot->set);
  }
  // Searches the next pass from `utc` (2018-01-21 at h:m) and builds the local row texts.
  bool SearchFrom(int h, int m) {
    SetUtc(orbit::EncodeDateTimeValue(2018, 1, 21, h, m));
    if (!parsed || !prediction::SearchPass(ctx, *slot) || !slot->HasPass()) return false;
    rows = prediction::BuildRowTexts(*slot, false, ctx.localOffsetHours);
    return true;
  }
  void SetUtc(orbit::Real utc) { clock.Set(static_cast<double>(utc + 1.0L / 24)); }
  orbit::Real Utc() const { return clock.Now() - 1.0L / 24; }
  orbit::Real Local() const { return clock.Now(); }

  base::TestClock clock;
  prediction::SearchContext ctx;
  std::unique_ptr<prediction::PassSlot> slot;
  std::vector<std::string> rows;
  bool parsed = false;
};

}  // namespace tracking::testing
