#pragma once

namespace app {

// Catalogue limits shared by the settings file and the group rules.
inline constexpr int kGroupCount = 10;
inline constexpr int kGroupSelectionSize = 15;  // satellites selected per group
inline constexpr int kRenamePairCount = 50;

}  // namespace app
