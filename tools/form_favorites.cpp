#include "tools/form_favorites.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/help_button.h"
#include "tools/hf_beam.h"

namespace tools {

TFormFavorites::TFormFavorites(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TFormFavorites"));
  auto* grid = new QGridLayout(this);
  LabelAzimuth = new QLabel;
  LabelAzimuth->setObjectName(QStringLiteral("LabelAzimuth"));
  LabelText = new QLabel;
  LabelText->setObjectName(QStringLiteral("LabelText"));
  grid->addWidget(LabelAzimuth, 0, 1);
  grid->addWidget(LabelText, 0, 2);
  for (int n = 0; n < kCount; ++n) {
    auto* number = new QLabel(QString::number(n + 1));
    auto* az = new QLineEdit;
    az->setObjectName(QStringLiteral("SpinEdit%1").arg(n + 1));
    az->setMaximumWidth(60);
    auto* text = new QLineEdit;
    text->setObjectName(QStringLiteral("Edit%1").arg(n + 1));
    text->setMaxLength(7);
    text->setMaximumWidth(90);
    SpinEdit[static_cast<std::size_t>(n)] = az;
    Edit[static_cast<std::size_t>(n)] = text;
    grid->addWidget(number, n + 1, 0);
    grid->addWidget(az, n + 1, 1);
    grid->addWidget(text, n + 1, 2);
  }
  BitBtnOK = new QPushButton;
  BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
  grid->addWidget(BitBtnOK, kCount + 1, 1, 1, 2);
  grid->addWidget(base::InstallHelp(this, base::kHelpTopicTools), kCount + 1, 0);
  connect(BitBtnOK, &QPushButton::clicked, this, &QWidget::close);
  ApplyLanguage();
}

void TFormFavorites::Load(const std::array<int, kCount>& azimuths,
                          const std::array<QString, kCount>& texts) {
  for (int n = 0; n < kCount; ++n) {
    SpinEdit[static_cast<std::size_t>(n)]->setText(QString::number(azimuths[static_cast<std::size_t>(n)]));
    Edit[static_cast<std::size_t>(n)]->setText(texts[static_cast<std::size_t>(n)]);
  }
}

void TFormFavorites::ApplyLanguage() {
  setWindowTitle(tr("Favorite azimuths"));
  LabelAzimuth->setText(tr("Azimuth"));
  LabelText->setText(tr("Label"));
  BitBtnOK->setText(tr("OK"));
}

void TFormFavorites::showEvent(QShowEvent* event) {
  ApplyLanguage();
  QWidget::showEvent(event);
}

void TFormFavorites::closeEvent(QCloseEvent* event) {
  std::array<int, kCount> azimuths{};
  std::array<QString, kCount> texts;
  for (int n = 0; n < kCount; ++n) {
    const auto i = static_cast<std::size_t>(n);
    azimuths[i] = FavouriteAzimuth(SpinEdit[i]->text());
    SpinEdit[i]->setText(QString::number(azimuths[i]));
    texts[i] = Edit[i]->text().left(7);
  }
  emit Accepted(azimuths, texts);
  QWidget::closeEvent(event);
}

void TFormFavorites::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

}  // namespace tools
