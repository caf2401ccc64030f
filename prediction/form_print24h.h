#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <memory>

class QPrinter;
class QPushButton;
class QTextEdit;

namespace prediction {

// Preview of the printed 24-hour timetable.
class TFormPrint24HPreview : public QDialog {
  Q_OBJECT
 public:
  explicit TFormPrint24HPreview(QWidget* parent = nullptr);
  void ShowText(const QString& text, const QFont& font);
  void ApplyLanguage();
  QTextEdit* RichEdit1 = nullptr;

 protected:
  void changeEvent(QEvent* event) override;
};

// Print window of the 24-hour timetable.
class TFormPrint24H : public QDialog {
  Q_OBJECT
 public:
  // `timetable` builds the lines to print (the chart's BuildTimetableText).
  TFormPrint24H(std::function<QStringList()> timetable, QWidget* parent = nullptr);
  ~TFormPrint24H() override;

  void BuildTimetableText();  // into the hidden text
  void BitBtnVisuClick();
  bool BitBtnPrintOKClick();
  void BitBtnPoliceClick();
  void BitBtnConfigurerClick();
  void ApplyLanguage();
  // Refreshes the preview after "+24"/"-24" when it and this window are visible.
  void RefreshPreview();

  // "PRINTFONT24=", MS Sans Serif 8 by default.
  QFont PrintFont() const { return font_; }
  void SetPrintFont(const QFont& font);
  void SetPrinter(QPrinter* printer) { printer_ = printer; }
  void SetFontChooser(std::function<bool(QFont*)> chooser) { chooseFont_ = std::move(chooser); }
  TFormPrint24HPreview* Preview() const { return preview_; }

  QPushButton* BitBtnConfigurer = nullptr;
  QPushButton* BitBtnPolice = nullptr;
  QPushButton* BitBtnVisu = nullptr;
  QPushButton* BitBtnPrintOK = nullptr;
  QPushButton* BitBtnCancelPrint = nullptr;
  QTextEdit* RichEditPrint24H = nullptr;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QPrinter& Printer();
  std::function<QStringList()> timetable_;
  QFont font_;
  QPrinter* printer_ = nullptr;
  std::unique_ptr<QPrinter> ownPrinter_;
  std::function<bool(QFont*)> chooseFont_;
  TFormPrint24HPreview* preview_ = nullptr;
};

}  // namespace prediction
