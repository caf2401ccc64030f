#pragma once

#include <QString>
#include <QStringList>

namespace base {

// System sounds: the plain beep, the information sound and the warning sound.
class Sounds {
 public:
  virtual ~Sounds() = default;
  virtual void Beep() = 0;
  virtual void Information() = 0;  // MessageBeep(MB_ICONASTERISK)
  virtual void Warning() = 0;      // MessageBeep(MB_ICONEXCLAMATION)
};

// Rings the terminal bell through QtCore; the desktop program may install a better one.
class SystemSounds : public Sounds {
 public:
  void Beep() override;
  void Information() override;
  void Warning() override;
};

// Keeps every sound as a word ("beep", "information", "warning") for the tests.
class RecordingSounds : public Sounds {
 public:
  void Beep() override { calls.append(QStringLiteral("beep")); }
  void Information() override { calls.append(QStringLiteral("information")); }
  void Warning() override { calls.append(QStringLiteral("warning")); }
  int Count(const QString& kind) const { return static_cast<int>(calls.count(kind)); }
  QStringList calls;
};

// Modal message boxes with an OK button, and the yes/no question.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Warning(const QString& text) = 0;
  virtual void Error(const QString& text) = 0;
  virtual void Information(const QString& text) = 0;
};

// Keeps every message for the tests instead of opening a box.
class RecordingDialogs : public Dialogs {
 public:
  void Warning(const QString& text) override { warnings.append(text); }
  void Error(const QString& text) override { errors.append(text); }
  void Information(const QString& text) override { infos.append(text); }
  QStringList warnings;
  QStringList errors;
  QStringList infos;
};

}  // namespace base
