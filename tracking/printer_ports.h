#pragma once

// The printer ports found at start-up, the texts that show them and the check of an
// address typed for LPTx.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

#include "tracking/port_io.h"

namespace tracking {

// The platform facts the port rules ask about. Linux is a system on which port access
// must be granted (as on Windows 2000 and later, through a driver), so both hold.
inline constexpr bool kModernWindows = true;
inline constexpr bool kRestrictedPortAccess = true;

// One of the three slots LPT1..LPT3.
struct DetectedPort {
  QString name;                                // "LPT1"; empty when not found
  QString address = QStringLiteral("0000");    // base address, four hexadecimal digits
  bool operator==(const DetectedPort&) const = default;
};

struct DetectedPrinterPorts {
  std::array<DetectedPort, 3> ports;
  // The LPT1..LPT3 entries of both cards' address tables; 0 = not found.
  std::array<std::uint16_t, 3> addresses{};
  bool operator==(const DetectedPrinterPorts&) const = default;
};

// "0378": four upper-case hexadecimal digits.
QString FourHexDigits(int value);

// Discovery at start-up: parportN of the system list fills slot N (N = 0..2, LPT1..LPT3);
// when the list gives none, GetLPTPortAddress(1..3) fills the slots it knows. The texts
// are then converted into the address entries (a failure leaves all three at 0, "0000").
DetectedPrinterPorts DetectPrinterPorts(PortIo& io);
// The last step alone: addresses from the slots' texts.
void ConvertDetectedAddresses(DetectedPrinterPorts& detected);

// The first three items of the cards' "Printer" groups: name, " [", address, "h]"
// ("LPT1 [0378h]", " [0000h]" for a port not found).
QStringList PrinterPortItems(const DetectedPrinterPorts& detected);

// An LPTx text: trimmed, 1 to 4 hexadecimal digits, not 0 and not one of the PC's own
// ports below 0x100. Empty when it is not a usable address.
std::optional<std::uint16_t> ParseLptxAddress(const QString& text);

// "The driver is missing" (language text), shown when a port is chosen without access.
QString DriverMissingMessage();
// The warning for an unusable LPTx text, listing the detected ports ("LPT1 : 0378 / ")
// or "NONE".
QString InvalidLptxMessage(const DetectedPrinterPorts& detected);

}  // namespace tracking
