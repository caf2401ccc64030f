#include "base/catalogue_translator.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

namespace base {

namespace {
QString& FolderOverride() {
  static QString folder;
  return folder;
}
}  // namespace

QString CatalogueResource(const QString& catalogue, const QString& languageCode) {
  static const QStringList kCodes = {QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("de"),
                                     QStringLiteral("it")};
  if (!kCodes.contains(languageCode)) return {};
  const QString folder = FolderOverride().isEmpty() ? QStringLiteral(":/i18n") : FolderOverride();
  return QStringLiteral("%1/%2_%3.qm").arg(folder, catalogue, languageCode);
}

void SetCatalogueFolderOverride(const QString& folder) {
  FolderOverride() = folder;
}

CatalogueTranslator::CatalogueTranslator(QString catalogue)
    : catalogue_(std::move(catalogue)), translator_(std::make_unique<QTranslator>()) {}

CatalogueTranslator::~CatalogueTranslator() {
  if (installed_) QCoreApplication::removeTranslator(translator_.get());
}

bool CatalogueTranslator::Apply(const QString& languageCode) {
  if (installed_) {
    QCoreApplication::removeTranslator(translator_.get());
    installed_ = false;
  }
  const QString resource = CatalogueResource(catalogue_, languageCode);
  if (resource.isEmpty()) return true;
  if (!translator_->load(resource)) return false;
  installed_ = QCoreApplication::installTranslator(translator_.get());
  return installed_;
}

}  // namespace base
