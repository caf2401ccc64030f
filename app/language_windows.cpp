#include "app/language_windows.h"

#include <algorithm>

namespace app {

LanguageWindows::Entry LanguageWindows::MakeEntry(QWidget* window, Handler handler, QString name) {
  if (name.isEmpty() && window) name = window->objectName();
  return Entry{std::move(name), window, std::move(handler)};
}

bool LanguageWindows::Holds(const QWidget* window) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [window](const Entry& e) { return e.window == window; });
}

void LanguageWindows::Add(QWidget* window, Handler handler, QString name) {
  if (!window || !handler || Holds(window)) return;
  entries_.push_back(MakeEntry(window, std::move(handler), std::move(name)));
}

void LanguageWindows::AddBefore(const QString& before, QWidget* window, Handler handler,
                                QString name) {
  if (!window || !handler || Holds(window)) return;
  auto at = std::find_if(entries_.begin(), entries_.end(),
                         [&before](const Entry& e) { return e.name == before; });
  entries_.insert(at, MakeEntry(window, std::move(handler), std::move(name)));
}

QStringList LanguageWindows::Run() {
  lastRun_.clear();
  // A handler may hide or show windows (the Moon window does both): each entry's
  // visibility is taken as the switch found it.
  std::vector<bool> open;
  open.reserve(entries_.size());
  for (const Entry& e : entries_) open.push_back(e.window && e.window->isVisible());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (!open[i] || !e.window) continue;  // closed, or deleted by an earlier handler
    e.handler();
    lastRun_.append(e.name);
  }
  return lastRun_;
}

QStringList LanguageWindows::Names() const {
  QStringList names;
  for (const Entry& e : entries_) names.append(e.name);
  return names;
}

}  // namespace app
