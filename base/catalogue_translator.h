#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace base {

// Resource of one window family's compiled texts (":/i18n/<catalogue>_<code>.qm") for a
// language code ("es", "fr", "de", "it"); empty for English, whose texts are the source.
QString CatalogueResource(const QString& catalogue, const QString& languageCode);

// Makes CatalogueResource() look in `folder` instead of ":/i18n" (tests: a missing or
// damaged catalogue). An empty text restores the embedded catalogues.
void SetCatalogueFolderOverride(const QString& folder);

// Installs one window family's catalogue of a language into the application, beside the
// others; English removes it.
class CatalogueTranslator {
 public:
  explicit CatalogueTranslator(QString catalogue);
  ~CatalogueTranslator();
  CatalogueTranslator(const CatalogueTranslator&) = delete;
  CatalogueTranslator& operator=(const CatalogueTranslator&) = delete;
  bool Apply(const QString& languageCode);

 private:
  QString catalogue_;
  std::unique_ptr<QTranslator> translator_;
  bool installed_ = false;
};

}  // namespace base
