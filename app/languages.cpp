#include "app/languages.h"

#include <QCoreApplication>
#include <QTranslator>

#include "base/catalogue_translator.h"

namespace app {

QString CurrentLanguageText(Language language) {
  switch (language) {
    case Language::Spanish:
      return QStringLiteral("Spanish");
    case Language::French:
      return QStringLiteral("Francais");
    case Language::German:
      return QStringLiteral("Deutsch");
    case Language::Italian:
      return QStringLiteral("Italien");
    case Language::English:
      break;
  }
  return QStringLiteral("English");
}

QString LanguageSettingValue(Language language) {
  switch (language) {
    case Language::Spanish:
      return QStringLiteral("SPANISH");
    case Language::French:
      return QStringLiteral("FRENCH");
    case Language::German:
      return QStringLiteral("DEUTSCH");
    case Language::Italian:
      return QStringLiteral("ITALIAN");
    case Language::English:
      break;
  }
  return QStringLiteral("ENGLISH");
}

bool LanguageFromSettingValue(const QString& value, Language* language) {
  static const Language all[] = {Language::English, Language::Spanish, Language::French,
                                 Language::German, Language::Italian};
  for (Language l : all) {
    if (value == LanguageSettingValue(l)) {  // exact, case included
      *language = l;
      return true;
    }
  }
  return false;
}

QString HelpFileName(Language language) {
  switch (language) {
    case Language::Spanish:
      return QStringLiteral("orvane_es.chm");
    case Language::French:
      return QStringLiteral("orvane_fr.chm");
    case Language::German:
      return QStringLiteral("orvane_de.chm");
    case Language::Italian:
    case Language::English:
      break;
  }
  return QStringLiteral("orvane_en.chm");
}

QString CatalogueCode(Language language) {
  switch (language) {
    case Language::Spanish:
      return QStringLiteral("es");
    case Language::French:
      return QStringLiteral("fr");
    case Language::German:
      return QStringLiteral("de");
    case Language::Italian:
      return QStringLiteral("it");
    case Language::English:
      break;
  }
  return {};
}

QString TranslationResource(Language language) {
  return base::CatalogueResource(QStringLiteral("orvane"), CatalogueCode(language));
}

QStringList CatalogueNames() {
  return {QStringLiteral("orvane"), QStringLiteral("prediction"), QStringLiteral("tracking"),
          QStringLiteral("help"), QStringLiteral("sharing"), QStringLiteral("map"),
          QStringLiteral("tools"), QStringLiteral("download"), QStringLiteral("dx"),
          QStringLiteral("hfbeam")};
}

LanguageSwitcher::LanguageSwitcher(QStringList catalogues) : catalogues_(std::move(catalogues)) {}

LanguageSwitcher::~LanguageSwitcher() {
  RemoveInstalled();
}

void LanguageSwitcher::RemoveInstalled() {
  for (const auto& translator : installed_) QCoreApplication::removeTranslator(translator.get());
  installed_.clear();
}

bool LanguageSwitcher::Apply(Language language) {
  std::vector<std::unique_ptr<QTranslator>> loaded;
  const QString code = CatalogueCode(language);
  if (!code.isEmpty()) {
    for (const QString& catalogue : catalogues_) {
      auto translator = std::make_unique<QTranslator>();
      if (!translator->load(base::CatalogueResource(catalogue, code))) return false;
      loaded.push_back(std::move(translator));
    }
  }
  RemoveInstalled();
  for (auto& translator : loaded) {
    QCoreApplication::installTranslator(translator.get());
    installed_.push_back(std::move(translator));
  }
  current_ = language;
  return true;
}

namespace msg {

namespace {
const char* const kContext = "Messages";

// Texts the models show in English; listed here so that the catalogue holds them.
[[maybe_unused]] const char* const kModelTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "Can't create Orvane.ini"),
    QT_TRANSLATE_NOOP("Messages", "Can't open the satellite data file"),
    QT_TRANSLATE_NOOP("Messages", "larger than %1 MB"),
    QT_TRANSLATE_NOOP("Messages",
                      "Orvane.ini could not be read at start and is kept as it is. The settings "
                      "of this session are saved in Orvane.ini.new."),
    QT_TRANSLATE_NOOP("Messages",
                      "The 3-line file is limited to 1000 satellites\r\n Please split this or "
                      "choose a shorter file"),
};
}  // namespace

QString EnterLocator() {
  return QCoreApplication::translate("Messages",
                                     "Enter your locator or lattitude+longitude, please ...");
}
QString EnterAltitude() {
  return QCoreApplication::translate("Messages", "Enter your altitude please ...");
}
QString EnterLocalUtc() {
  return QCoreApplication::translate("Messages",
                                     "Enter your local time difference with UTC please...");
}
QString EnterElementFile() {
  return QCoreApplication::translate("Messages", "Enter 3-line file path and name please...");
}
QString ChooseSatellites(int limit) {
  return QCoreApplication::translate("Messages", "Choose 1 to %1 satellites please...").arg(limit);
}
QString SatellitesMaximum(int limit) {
  return QCoreApplication::translate("Messages", "%1 satellites maximum please ...").arg(limit);
}
QString LocalTimeChanged() {
  return QCoreApplication::translate(
      "Messages", "Local time has changed ! Please update time lag between local time/UTC.");
}
QString QuitConfirmation() {
  return QCoreApplication::translate("Messages", "You quit ORVANE ! Are you sure ?");
}
QString DdeConversationInProgress() {
  return QCoreApplication::translate(
      "Messages",
      "A DDE conversation is in progress ! Please close the client conversation before "
      "quitting !");
}
QString CantOpenElementFile() {
  return QCoreApplication::translate("Messages", "Can't open the satellite data file");
}
QString ElementsMissing() {
  return QCoreApplication::translate(
      "Messages", "One or more satellites are missing in your Two-Line-Elements file");
}
QString TooManyLines() {
  return QCoreApplication::translate(
      "Messages",
      "The 3-line file is limited to 1000 satellites\r\n Please split this or choose a "
      "shorter file");
}
QString SatelliteVisibility() {
  return QCoreApplication::translate("Messages", "Satellite visibility");
}

QString SettingsUnreadable(const QString& reason) {
  return QCoreApplication::translate("Messages", "Orvane.ini could not be read: %1").arg(reason);
}

QString CantCreateRadioData() {
  return QCoreApplication::translate("Messages", "Can't create Orvane.dat");
}

QString NotesFileError() {
  return QCoreApplication::translate("Messages", "Erreur/Error Orvane.nfo");
}

QString LanguageNotLoaded() {
  return QCoreApplication::translate(
      "Messages", "The texts of this language could not be loaded. The language stays unchanged.");
}

QString Translate(const QString& english) {
  const QByteArray source = english.toUtf8();
  return QCoreApplication::translate(kContext, source.constData());
}

}  // namespace msg

}  // namespace app
