#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The program's text files (settings, radio data, notes, element files) have CR LF line
// ends and are Windows-1252 text, or UTF-8 once they hold a character that code page lacks:
// a file is read as UTF-8 when its bytes are valid UTF-8 with a non-ASCII character, else as
// Windows-1252, and written as Windows-1252 when every character fits, else as UTF-8. So a
// file of pure Windows-1252 text stays byte for byte what it was.
//
// Line lists of bytes ("raw lines": element files, data files, the orbit code's names) hold
// each line in its 8-bit form: Windows-1252 when it fits, else UTF-8 (TextToBytes).
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

// True when every character has a Windows-1252 byte.
bool FitsWindows1252(QStringView text);

// A whole file's bytes to text, and text to a file's bytes, by the rule above.
QString DecodeText(QByteArrayView bytes);
QByteArray EncodeText(QStringView text);

// One line or name to its 8-bit form and back: Windows-1252 when the text fits, else UTF-8.
// BytesToText undoes TextToBytes: UTF-8 is taken only for valid UTF-8 whose text does not
// fit Windows-1252 (such text never has a Windows-1252 form).
std::string TextToBytes(QStringView text);
QString BytesToText(std::string_view bytes);

// The length of the first `limit` bytes of an 8-bit form, shortened so that a UTF-8 form is
// not cut inside a character.
std::size_t CutLength(std::string_view bytes, std::size_t limit);

// Splits at LF, CR LF or a lone CR. A final line end does not start another line.
QStringList SplitTextLines(QStringView text);
std::vector<std::string> SplitRawLines(std::string_view bytes);

// Each line followed by CR LF; Windows-1252 when every line fits, else UTF-8.
QByteArray EncodeAnsiLines(const QStringList& lines);
// The same for lines in their 8-bit form.
QByteArray EncodeRawLines(const std::vector<std::string>& lines);

// Reads the whole file. On any status but Ok the output is left empty; `*why` (when given)
// then holds the system's reason for a file that could not be opened or read.
TextFileStatus ReadFileBytes(const QString& path, QByteArray* bytes, QString* why = nullptr);
// The file's lines as text, or each in its 8-bit form.
TextFileStatus ReadAnsiLines(const QString& path, QStringList* lines, QString* why = nullptr);
TextFileStatus ReadRawLines(const QString& path, std::vector<std::string>* lines);

// Replaces the file's content in one step through AtomicSave (atomic_file.h): every line
// followed by CR LF, then the file gets `mode`. False (and the old file as it was) when
// the file cannot be written completely; `*error` then says why.
bool WriteAnsiLines(const QString& path, const QStringList& lines,
                    QFileDevice::Permissions mode = kDefaultFileMode, QString* error = nullptr);
// `tempPath` names the temporary file (empty: a fresh unique name beside the target).
bool WriteRawLines(const QString& path, const std::vector<std::string>& lines,
                   QFileDevice::Permissions mode = kDefaultFileMode, QString* error = nullptr,
                   const QString& tempPath = QString());

}  // namespace base
