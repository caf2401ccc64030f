#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace prediction {

// Resource of the compiled texts of the prediction windows for a language code
// ("es", "fr", "de", "it"); empty for English, whose texts are the source.
QString PredictionTranslationResource(const QString& languageCode);

// Installs the prediction windows' catalogue of one language into the application,
// beside the main window's own; English removes it.
class PredictionTranslator {
 public:
  PredictionTranslator();
  ~PredictionTranslator();
  PredictionTranslator(const PredictionTranslator&) = delete;
  PredictionTranslator& operator=(const PredictionTranslator&) = delete;
  bool Apply(const QString& languageCode);

 private:
  std::unique_ptr<QTranslator> translator_;
  bool installed_ = false;
};

}  // namespace prediction
