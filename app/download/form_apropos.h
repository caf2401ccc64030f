#pragma once

// The about window (OrvaneAPropos): the version, the release check on demand and at start,
// and the maker's site.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace base {
class Dialogs;
class Sounds;
}  // namespace base

namespace app::download {

class ReleaseFetcher;

class TFormAPropos : public QDialog {
  Q_OBJECT
 public:
  TFormAPropos(ReleaseFetcher* fetcher, base::Sounds* sounds, base::Dialogs* dialogs,
               QWidget* parent = nullptr);
  void Retranslate();
  void BitBtnNewReleaseClick();

  // Shared with the check at start.
  static QString NewerReleaseText();

  QLabel* LabelVersion = nullptr;
  QCheckBox* CheckBoxVersion = nullptr;
  QPushButton* BitBtnNewRelease = nullptr;
  QLabel* LabelLink = nullptr;
  QPushButton* BitBtnOK = nullptr;

 signals:
  void ReleaseCheckToggled(bool on);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Answer(const QString& latest);

  ReleaseFetcher* fetcher_;
  base::Sounds* sounds_;
  base::Dialogs* dialogs_;
  bool asking_ = false;
};

}  // namespace app::download
