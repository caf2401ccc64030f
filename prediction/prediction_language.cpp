#include "prediction/prediction_language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace prediction {

QString PredictionTranslationResource(const QString& languageCode) {
  static const QStringList kCodes = {QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("de"),
                                     QStringLiteral("it")};
  if (!kCodes.contains(languageCode)) return {};
  return QStringLiteral(":/i18n/prediction_%1.qm").arg(languageCode);
}

PredictionTranslator::PredictionTranslator() : translator_(std::make_unique<QTranslator>()) {}

PredictionTranslator::~PredictionTranslator() {
  if (installed_) QCoreApplication::removeTranslator(translator_.get());
}

bool PredictionTranslator::Apply(const QString& languageCode) {
  if (installed_) {
    QCoreApplication::removeTranslator(translator_.get());
    installed_ = false;
  }
  const QString resource = PredictionTranslationResource(languageCode);
  if (resource.isEmpty()) return true;
  if (!translator_->load(resource)) return false;
  installed_ = QCoreApplication::installTranslator(translator_.get());
  return installed_;
}

}  // namespace prediction
