#pragma once

// TFormHTML ("ORVANE HTML"): the settings of the published map page and its FTP upload,
// and the status of the last page and the last upload. Every edit lands in the map
// settings at once; the two test buttons ask the map window to write or upload.

#include <QWidget>
#include <array>
#include <functional>

#include "map/map_state.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace map {

enum class UploadStatus { Disabled, Idle, Process, Success, Failure };

class TFormHTML : public QWidget {
  Q_OBJECT
 public:
  explicit TFormHTML(MapSettings* settings, QWidget* parent = nullptr);

  // The two test buttons ("TEST HTML", "TEST Upload").
  std::function<void()> testHtml;
  std::function<void()> testUpload;

  void CheckBoxEnableHTMLClick();
  void CheckBoxEnableUploadFTPClick();
  // "Update:" and the local time of the last page (HH:mm:ss).
  void ShowPageWritten(const QString& localTime);
  void ShowUploadStatus(UploadStatus status);
  UploadStatus CurrentUploadStatus() const { return upload_; }
  void ApplyLanguage();

  // Controls (object names are the original's).
  QLabel* StaticTextHTML = nullptr;
  QCheckBox* CheckBoxEnableHTML = nullptr;
  QCheckBox* CheckBoxEnableUploadFTP = nullptr;
  std::array<QRadioButton*, 5> RadioButton{};  // RadioButton1 .. RadioButton5
  QLineEdit* EditHost = nullptr;
  QLineEdit* EditHostDir = nullptr;
  QLineEdit* Edituser = nullptr;
  QLineEdit* EditPass = nullptr;
  QSpinBox* SpinEditRefreshBrowser = nullptr;
  QLabel* LabelHTML = nullptr;
  QLabel* LabelUpload = nullptr;
  QPushButton* Button1 = nullptr;  // TEST HTML
  QPushButton* Button2 = nullptr;  // TEST Upload
  QPushButton* ButtonOK = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class PageStatus { Disabled, Idle, Written };
  void FillFromSettings();
  void ShowLabels();

  MapSettings& settings_;
  PageStatus page_ = PageStatus::Disabled;
  QString pageTime_;
  UploadStatus upload_ = UploadStatus::Disabled;
  bool filling_ = false;
  QLabel* labelSize_ = nullptr;
  QLabel* labelRefresh_ = nullptr;
  QLabel* labelHost_ = nullptr;
  QLabel* labelHostDir_ = nullptr;
  QLabel* labelUser_ = nullptr;
  QLabel* labelPass_ = nullptr;
};

}  // namespace map
