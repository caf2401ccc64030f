#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "base/clock.h"
#include "prediction/chart24.h"

class QLabel;
class QToolButton;

namespace prediction {

class TFormPrint24H;

struct Chart24Environment {
  SlotTable* slotTable = nullptr;  // the active group's slots
  SearchContext* search = nullptr;
  NavigationHistory* history = nullptr;  // the explorer's navigation history
  const base::Clock* clock = nullptr;
  std::function<bool()> timerRunning;  // the one-second timer of the tracking loop
  std::function<bool()> utcDisplay;    // "Display &UTC" is checked
};



// The 24-hour visibility chart of the active group.
class TForm24H : public QWidget {
  Q_OBJECT
 public:
  explicit TForm24H(Chart24Environment environment, QWidget* parent = nullptr);

  void SpeedButton24hClick();  // from the main window's "24" button
  void SpeedButton24PlusClick();
  void SpeedButton24MoinsClick();
  void SpeedButtonPrintClick();
  void FormShow();  // the layout
  void ApplyLanguage();
  // The hint of the picture at (x, y) of the chart picture.
  void Image24HMouseMove(int x, int y);

  Real ChartStart() const { return chartStart_; }
  const ChartPassTable& PassTable() const { return result_.table; }
  const ChartResult& LastChart() const { return result_; }
  QString ChartHintText() const { return hintText_; }
  QStringList BuildTimetableText() const;  // the printed lines
  TFormPrint24H* PrintWindow() const { return print_; }

  QLabel* imagegrille24h = nullptr;
  QLabel* Image24H = nullptr;  // the picture of the rows and bars (hover hint)
  std::array<QLabel*, kSlotCount> LabelS{};
  std::array<QLabel*, 24> LabelH{};  // Labelh00, Labelh01, LabelH02 .. LabelH23
  QLabel* LabelDate = nullptr;
  QToolButton* SpeedButton24Moins = nullptr;
  QToolButton* SpeedButton24Plus = nullptr;
  QToolButton* SpeedButtonPrint = nullptr;

 signals:
  // Every slot is back on its current pass and the history index is 0: the explorer
  // may redisplay its slot.
  void ChartComputed();
  // The window closed: record its position ("DISPLAY_24H=") and clear Edit1's selection.
  void Closed(const QPoint& position);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Draw();

  Chart24Environment env_;
  ChartResult result_;
  Real chartStart_ = 0;
  ChartScale scale_;
  bool scaleKnown_ = false;
  int stepFlag_ = 0;  // +1 forward, -1 back, only during one computation
  QString hintText_;
  TFormPrint24H* print_ = nullptr;
};

}  // namespace prediction
