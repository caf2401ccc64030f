#pragma once

#include <QString>

#include "base/catalogue_translator.h"

namespace prediction {

// Resource of the compiled texts of the prediction windows for a language code
// ("es", "fr", "de", "it"); empty for English, whose texts are the source.
inline QString PredictionTranslationResource(const QString& languageCode) {
  return base::CatalogueResource(QStringLiteral("prediction"), languageCode);
}

// Installs the prediction windows' catalogue of one language into the application,
// beside the main window's own; English removes it.
class PredictionTranslator : public base::CatalogueTranslator {
 public:
  PredictionTranslator() : CatalogueTranslator(QStringLiteral("prediction")) {}
};

}  // namespace prediction
