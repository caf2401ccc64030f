#pragma once

// The checks of the extra-information window's OK, as a plain function on the texts of
// its grid and edits and a copy of the satellite's radio data. Nothing is committed by
// the caller unless every check passes.

#include <QString>
#include <array>

#include "orbit/radio_data.h"

namespace tracking {

inline constexpr int kModeRows = 8;
// Grid columns: mode letter, comment, downlink MHz, downlink note, uplink MHz, uplink note.
enum ModeColumn { kColLetter = 0, kColComment, kColRx, kColRxOps, kColTx, kColTxOps, kModeColumns };

// What the window shows: row r of the grid's modes (0-based, grid row r + 1), the
// attitude edits and the schedule edits EditMA1..8 / EditMode1..8.
struct ExtraInfoTexts {
  std::array<std::array<QString, kModeColumns>, kModeRows> grid;
  QString alat;
  QString alon;
  std::array<QString, kModeRows> ma;
  std::array<QString, kModeRows> mode;
};

// The texts of a satellite's radio data, as the window opens with them: frequencies
// empty when 0 and in shortest form with the user's separator; the attitude likewise or
// empty without one; the schedule split into its entries.
ExtraInfoTexts TextsOf(const orbit::SatRadioData& data, char userSeparator);

enum class ExtraInfoProblem {
  None,
  LetterTooLong,       // "Only one character for mode !"
  SlashLetter,         // "No \"/\" please !" (the cell is cleared)
  LetterMissing,       // "Enter one character for mode, please !"
  IncorrectFrequency,  // "Incorrect frequency !"
  UndefinedMode,       // "Undefined mode in MA definition !"
  IncorrectAlat,       // "Incorrect ALAT !"
  IncorrectAlon,       // "Incorrect ALON !"
  MaNotIncreasing,     // "Successive MAs must be increasing integers !"
};

// Where the operator is sent back to.
enum class ExtraInfoField { None, GridCell, Alat, Alon, Ma, Mode };

struct ExtraInfoResult {
  ExtraInfoProblem problem = ExtraInfoProblem::None;
  ExtraInfoField field = ExtraInfoField::None;
  int row = -1;     // 0-based grid mode row, or index of the MA / mode edit
  int column = -1;  // grid column for a grid cell
  bool beep = false;  // a number held both separators
  // The grid's frequency texts once normalised, for the rows checked before the problem
  // (the window writes them back). Rows not reached keep their texts.
  std::array<std::array<QString, 2>, kModeRows> frequencyTexts;
  std::array<bool, kModeRows> rowChecked{};
  orbit::SatRadioData data;  // the new radio data; only meaningful when problem == None
};

// The six checks in order; the first failure ends them. `current` gives what the
// window does not edit (the current mode). `userSeparator` is the user's decimal
// separator.
ExtraInfoResult CheckExtraInfo(const ExtraInfoTexts& texts, const orbit::SatRadioData& current,
                               char userSeparator);

// The message of a problem in the current language; empty for None.
QString ExtraInfoMessage(ExtraInfoProblem problem);

}  // namespace tracking
