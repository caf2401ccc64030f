#include "tracking/field_text.h"

#include <QStringDecoder>

#include "base/ansi_text.h"

namespace tracking {

QString DecodeFieldText(std::string_view bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  bool ascii = true;
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (!ascii) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(view);
    if (!utf8.hasError()) return text;
  }
  return base::DecodeWindows1252(view);
}

bool FitsWindows1252(const QString& text) {
  const QByteArray bytes = base::EncodeWindows1252(text);
  // '?' is the encoder's stand-in; it is only a loss where the text had no '?'.
  return bytes.count('?') == text.count(QLatin1Char('?')) &&
         bytes.size() == text.size();
}

std::string EncodeFieldText(const QString& text) {
  if (FitsWindows1252(text)) return base::EncodeWindows1252(text).toStdString();
  return text.toUtf8().toStdString();
}

std::string OneLineField(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    if (c == '\r' || c == '\n' || c == '\x7f') c = ' ';
  }
  return out;
}

}  // namespace tracking
