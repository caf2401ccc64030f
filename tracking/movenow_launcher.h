#pragma once

// The KCT interface: each position starts the outside program Movenow with arguments.

#include <QString>
#include <QStringList>

#include <string>

namespace tracking {

// Outcome of a start: `code` is below 32 when the program could not be started
// (2 file not found, 3 folder not found, 5 access denied, 31 other failure).
struct LaunchResult {
  bool started = false;
  int code = 0;
};

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  virtual LaunchResult Launch(const QString& program, const QStringList& arguments) = 0;
};

// Starts the program detached, so the tracking loop never waits for it.
class DetachedProcessLauncher : public ProcessLauncher {
 public:
  LaunchResult Launch(const QString& program, const QStringList& arguments) override;
};

// The folder text followed by "Movenow" (a separator is put in between when the folder is
// a directory written without one). Falls back on "Movenow.com" when only that exists.
QString MovenowProgram(const QString& folder);

// "PA 123 PB 006" -> {"PA", "123", "PB", "006"}.
QStringList SplitArguments(const std::string& arguments);

// Movenow.com is in the folder: folder + "Movenow.com", folder + "\Movenow.com",
// folder + "/Movenow.com", or the text names the file itself.
bool MovenowExists(const QString& folder);

// "movenow.com error #" + code.
QString MovenowErrorMessage(int code);

}  // namespace tracking
