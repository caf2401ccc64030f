#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "base/sounds.h"

class QTranslator;

namespace app {

// The five languages of the program, in the order of the Language menu.
enum class Language { English, Spanish, French, German, Italian };

// `CurrentLanguage` text compared by every window: "English", "Spanish", "Francais",
// "Deutsch", "Italien".
QString CurrentLanguageText(Language language);

// Value of the settings key "LANGUAGE=": "ENGLISH", "SPANISH", "FRENCH", "DEUTSCH", "ITALIAN".
QString LanguageSettingValue(Language language);

// Reads a "LANGUAGE=" value; false (and *language untouched) for anything else.
bool LanguageFromSettingValue(const QString& value, Language* language);

// Help file name of the language; Italian has none of its own and uses the English one.
QString HelpFileName(Language language);

// Compiled catalogue embedded in the program; empty for English (the source texts).
QString TranslationResource(Language language);

// "es", "fr", "de", "it" of the compiled catalogues; empty for English.
QString CatalogueCode(Language language);

// Every window family's catalogue, switched together: the main window's own ("orvane")
// first, then one per folder. A folder that brings windows adds its name here.
QStringList CatalogueNames();

// Installs the catalogues of one language at a time into the application. English
// removes them, so the source texts show. A switch is all or nothing: every catalogue
// of the new language is loaded before the old ones are removed.
class LanguageSwitcher {
 public:
  explicit LanguageSwitcher(QStringList catalogues = CatalogueNames());
  ~LanguageSwitcher();
  LanguageSwitcher(const LanguageSwitcher&) = delete;
  LanguageSwitcher& operator=(const LanguageSwitcher&) = delete;

  // False when a catalogue of `language` is missing or unreadable; the language in force
  // before the call then stays installed, whole.
  bool Apply(Language language);
  Language Current() const { return current_; }

 private:
  void RemoveInstalled();

  QStringList catalogues_;
  std::vector<std::unique_ptr<QTranslator>> installed_;
  Language current_ = Language::English;
};

// The program-wide message catalogue: texts shown by more than one window or by the
// models, in the current language (translation context "Messages").
namespace msg {
QString EnterLocator();  // "Enter your locator or lattitude+longitude, please ..."
QString EnterAltitude();
QString EnterLocalUtc();
QString EnterElementFile();
QString ChooseSatellites(int limit);   // "Choose 1 to " + limit + " satellites please..."
QString SatellitesMaximum(int limit);  // limit + " satellites maximum please ..."
QString LocalTimeChanged();
QString QuitConfirmation();
QString DdeConversationInProgress();
QString CantOpenElementFile();
QString ElementsMissing();
QString TooManyLines();
QString SatelliteVisibility();
QString LanguageNotLoaded();  // a switch refused because its texts could not be read
// Any catalogue text given in English, in the current language (unchanged when unknown).
QString Translate(const QString& english);
}  // namespace msg

// Shows the models' English messages in the current language.
class TranslatingDialogs : public base::Dialogs {
 public:
  explicit TranslatingDialogs(base::Dialogs* target) : target_(target) {}
  void Warning(const QString& text) override { target_->Warning(msg::Translate(text)); }
  void Error(const QString& text) override { target_->Error(msg::Translate(text)); }
  void Information(const QString& text) override { target_->Information(msg::Translate(text)); }

 private:
  base::Dialogs* target_;
};

}  // namespace app
