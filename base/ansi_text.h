#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <string>
#include <string_view>
#include <vector>

// The program's own text files (settings, radio data, notes) are 8-bit Windows-1252
// text with CR LF line ends; element files are kept as raw bytes.
namespace base {

// rw-r--r--: what a written file gets unless its caller says otherwise.
inline constexpr QFileDevice::Permissions kDefaultFileMode =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;

// Files above this size are refused instead of being read into memory.
inline constexpr qint64 kMaxTextFileBytes = 64LL * 1024 * 1024;

enum class TextFileStatus { Ok, Missing, Unreadable, TooLarge };

// Windows-1252 to Unicode. The five bytes that code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the C1 code points of the same value, as Windows itself does,
// so that reading and writing a file gives back the same bytes.
QString DecodeWindows1252(QByteArrayView bytes);

// Unicode to Windows-1252; a character the code page cannot hold becomes one '?'.
QByteArray EncodeWindows1252(QStringView text);

// Splits at LF, CR LF or a lone CR. A final line end does not start another line.
QStringList SplitTextLines(QStringView text);
std::vector<std::string> SplitRawLines(std::string_view bytes);

// Each line followed by CR LF, encoded as Windows-1252.
QByteArray EncodeAnsiLines(const QStringList& lines);

// Reads the whole file. On any status but Ok the output is left empty.
TextFileStatus ReadFileBytes(const QString& path, QByteArray* bytes);
TextFileStatus ReadAnsiLines(const QString& path, QStringList* lines);
TextFileStatus ReadRawLines(const QString& path, std::vector<std::string>* lines);

// Replaces the file's content in one step through AtomicSave (atomic_file.h): every line
// followed by CR LF, then the file gets `mode`. False (and the old file as it was) when
// the file cannot be written completely; `*error` then says why.
bool WriteAnsiLines(const QString& path, const QStringList& lines,
                    QFileDevice::Permissions mode = kDefaultFileMode, QString* error = nullptr);
bool WriteRawLines(const QString& path, const std::vector<std::string>& lines,
                   QFileDevice::Permissions mode = kDefaultFileMode, QString* error = nullptr);

}  // namespace base
