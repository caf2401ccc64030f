#include "tracking/printer_ports.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tracking {

QString FourHexDigits(int value) {
  return QStringLiteral("%1").arg(value & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}

DetectedPrinterPorts DetectPrinterPorts(PortIo& io) {
  DetectedPrinterPorts detected;
  bool identified = false;
  for (const PrinterPortDevice& device : io.ListPrinterPorts()) {
    if (device.number < 0 || device.number > 2) continue;
    if (device.baseAddress <= 0 || device.baseAddress > 0xFFFF) continue;
    DetectedPort& slot = detected.ports[static_cast<std::size_t>(device.number)];
    slot.name = QStringLiteral("LPT%1").arg(device.number + 1);
    slot.address = FourHexDigits(device.baseAddress);
    identified = true;
  }
  if (!identified) {
    for (int n = 1; n <= 3; ++n) {
      const std::uint16_t address = io.GetLPTPortAddress(n);
      if (address == 0) continue;
      DetectedPort& slot = detected.ports[static_cast<std::size_t>(n - 1)];
      slot.name = QStringLiteral("LPT%1").arg(n);
      slot.address = FourHexDigits(address);
    }
  }
  ConvertDetectedAddresses(detected);
  return detected;
}

void ConvertDetectedAddresses(DetectedPrinterPorts& detected) {
  static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
  for (std::size_t k = 0; k < detected.ports.size(); ++k) {
    const QString& text = detected.ports[k].address;
    if (!hex.match(text).hasMatch()) {
      for (std::size_t j = 0; j < detected.ports.size(); ++j) {
        detected.addresses[j] = 0;
        detected.ports[j].address = QStringLiteral("0000");
      }
      return;
    }
    detected.addresses[k] = static_cast<std::uint16_t>(text.toUInt(nullptr, 16));
  }
}

QStringList PrinterPortItems(const DetectedPrinterPorts& detected) {
  QStringList items;
  for (const DetectedPort& port : detected.ports) {
    items.append(port.name + QStringLiteral(" [") + port.address + QStringLiteral("h]"));
  }
  return items;
}

std::optional<std::uint16_t> ParseLptxAddress(const QString& text) {
  static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
  const QString trimmed = text.trimmed();
  if (!hex.match(trimmed).hasMatch()) return std::nullopt;
  const uint value = trimmed.toUInt(nullptr, 16);
  if (value < static_cast<uint>(kLowestPortAddress)) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

QString DriverMissingMessage() {
  return QCoreApplication::translate(
      "PrinterPort",
      "Printer port access is not granted.\r\nIt is mandatory when controling an LPT port.\r\n"
      "Please allow your user to open /dev/parport0 (group lp)\r\nand restart ORVANE.");
}

QString InvalidLptxMessage(const DetectedPrinterPorts& detected) {
  QString text = QCoreApplication::translate(
      "PrinterPort",
      "Enter a VALID address as a 4 hexadecimal character string.\r\n"
      "This address must be associated to an existing LPT port.\r\n"
      "A non-valid address may generate a system error!\r\n");
  text += QCoreApplication::translate("PrinterPort", "Detected LPT ports:\r\n");
  bool any = false;
  for (const DetectedPort& port : detected.ports) {
    if (port.name.isEmpty()) continue;
    text += port.name + QStringLiteral(" : ") + port.address + QStringLiteral(" / ");
    any = true;
  }
  if (!any) text += QCoreApplication::translate("PrinterPort", "NONE");
  return text;
}

}  // namespace tracking
