#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tools {

// "Favorite azimuths": six azimuths and their button labels (at most 7 characters). On
// close each azimuth is limited to 0..359 (an unreadable one becomes 0) and handed back.
class TFormFavorites : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCount = 6;
  explicit TFormFavorites(QWidget* parent = nullptr);

  std::array<QLineEdit*, kCount> SpinEdit{};  // SpinEdit1..SpinEdit6: the azimuths
  std::array<QLineEdit*, kCount> Edit{};      // Edit1..Edit6: the labels
  QLabel* LabelAzimuth = nullptr;
  QLabel* LabelText = nullptr;
  QPushButton* BitBtnOK = nullptr;

  void Load(const std::array<int, kCount>& azimuths, const std::array<QString, kCount>& texts);
  void ApplyLanguage();

 signals:
  void Accepted(const std::array<int, 6>& azimuths, const std::array<QString, 6>& texts);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
};

}  // namespace tools
