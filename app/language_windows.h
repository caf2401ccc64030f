#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

namespace app {

// The windows a language switch refreshes while they are open, in the order it
// refreshes them. Hidden windows are skipped: they apply the language when next shown.
class LanguageWindows {
 public:
  using Handler = std::function<void()>;

  struct Entry {
    QString name;  // the window's objectName when it has one
    QPointer<QWidget> window;
    Handler handler;  // the window's language handler
  };

  // Appends `window` with its handler. A window added twice keeps its first place.
  void Add(QWidget* window, Handler handler, QString name = {});
  // Inserts before the entry called `before`; appends when there is none.
  void AddBefore(const QString& before, QWidget* window, Handler handler, QString name = {});

  // Runs the handler of every visible window, in order; the names of those that ran.
  QStringList Run();

  const std::vector<Entry>& Entries() const { return entries_; }
  QStringList Names() const;
  const QStringList& LastRun() const { return lastRun_; }

 private:
  bool Holds(const QWidget* window) const;
  static Entry MakeEntry(QWidget* window, Handler handler, QString name);

  std::vector<Entry> entries_;
  QStringList lastRun_;
};

}  // namespace app
