#include "prediction/form_24h.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>
#include <QToolButton>

#include "base/ansi_text.h"
#include "base/help_button.h"
#include "prediction/form_print24h.h"

namespace prediction {

// The transparent picture over the grid: rows and bars, and the hover hint.
class Chart24Picture : public QLabel {
 public:
  Chart24Picture(TForm24H* chart, QWidget* parent) : QLabel(parent), chart_(chart) {
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
    hint_ = new QLabel(nullptr, Qt::ToolTip);
    hint_->setObjectName(QStringLiteral("HintWindow24H"));
    hint_->setStyleSheet(QStringLiteral("background-color: #00FFFF; color: black; border: 1px solid black;"));
    hint_->setMargin(2);
  }
  ~Chart24Picture() override { delete hint_; }
  QLabel* Hint() const { return hint_; }
  void ShowHint(const QString& text, const QPoint& globalPos) {
    if (text.isEmpty()) {
      hint_->hide();
      return;
    }
    hint_->setText(text);
    hint_->adjustSize();
    hint_->move(globalPos + QPoint(12, 18));
    hint_->show();
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    const QPoint p = event->position().toPoint();
    chart_->Image24HMouseMove(p.x(), p.y());
    ShowHint(chart_->ChartHintText(), event->globalPosition().toPoint());
  }
  void leaveEvent(QEvent* event) override {
    hint_->hide();
    QLabel::leaveEvent(event);
  }

 private:
  TForm24H* chart_;
  QLabel* hint_;
};

namespace {

QColor Rgb(std::uint32_t rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

QFont CourierBold(int pixels) {
  QFont f(QStringLiteral("Courier"));
  f.setStyleHint(QFont::TypeWriter);
  f.setBold(true);
  f.setPixelSize(pixels);
  return f;
}

constexpr ChartDesign kDesign{};

}  // namespace

TForm24H::TForm24H(Chart24Environment environment, QWidget* parent)
    : QWidget(parent, Qt::Window), env_(std::move(environment)) {
  setObjectName(QStringLiteral("TForm24H"));
  setFixedSize(926, kDesign.windowHeight);

  QPixmap grid(kChartDesignWidth, kChartDesignHeight);
  grid.fill(Qt::white);
  {
    QPainter p(&grid);
    p.setPen(QPen(Qt::black, 1));
    for (int h = 0; h < 24; ++h) p.drawLine(30 * h, 0, 30 * h, kChartDesignHeight - 1);
  }
  imagegrille24h = new QLabel(this);
  imagegrille24h->setObjectName(QStringLiteral("imagegrille24h"));
  imagegrille24h->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  imagegrille24h->setPixmap(grid);
  imagegrille24h->setGeometry(120, 8, kChartDesignWidth, kChartDesignHeight);
  Image24H = new Chart24Picture(this, this);  // laid exactly over the grid
  Image24H->setObjectName(QStringLiteral("Image24H"));
  Image24H->setGeometry(imagegrille24h->geometry());

  for (int n = 1; n <= kSlotCount; ++n) {
    QLabel* l = new QLabel(this);
    l->setObjectName(QStringLiteral("LabelS%1").arg(n));
    l->setGeometry(5, 24 + 25 * (n - 1), 100, 16);
    l->setFont(CourierBold(12));
    l->setStyleSheet(QStringLiteral("color: %1;").arg(Rgb(SlotColourOfChart(n)).name()));
    LabelS[static_cast<std::size_t>(n - 1)] = l;
  }
  for (int j = 0; j < 24; ++j) {
    QLabel* l = new QLabel(this);
    l->setObjectName(j < 2 ? QStringLiteral("Labelh%1").arg(j, 2, 10, QLatin1Char('0'))
                           : QStringLiteral("LabelH%1").arg(j, 2, 10, QLatin1Char('0')));
    l->setFont(CourierBold(12));
    l->setGeometry(110 + 30 * j, kDesign.hourLabelTop, 24, 16);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelH[static_cast<std::size_t>(j)] = l;
  }
  LabelDate = new QLabel(this);
  LabelDate->setObjectName(QStringLiteral("LabelDate"));
  LabelDate->setGeometry(2, kDesign.labelDateTop, 110, 36);
  LabelDate->setWordWrap(true);
  LabelDate->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto tool = [this](const char* name, const QString& text, int y) {
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setGeometry(852, y, 64, 26);
    return b;
  };
  SpeedButton24Moins = tool("SpeedButton24Moins", QStringLiteral("-24"), 8);
  SpeedButton24Plus = tool("SpeedButton24Plus", QStringLiteral("+24"), 38);
  SpeedButtonPrint = tool("SpeedButtonPrint", QString(), 68);
  base::InstallHelp(this, base::kHelpTopicChart24)->setGeometry(852, 98, 64, 26);
  SpeedButton24Moins->setEnabled(false);
  SpeedButton24Plus->setEnabled(false);
  connect(SpeedButton24Moins, &QToolButton::clicked, this, &TForm24H::SpeedButton24MoinsClick);
  connect(SpeedButton24Plus, &QToolButton::clicked, this, &TForm24H::SpeedButton24PlusClick);
  connect(SpeedButtonPrint, &QToolButton::clicked, this, &TForm24H::SpeedButtonPrintClick);

  print_ = new TFormPrint24H([this] { return BuildTimetableText(); }, this);
  ApplyLanguage();
}

void TForm24H::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

void TForm24H::ApplyLanguage() {
  setWindowTitle(tr("ORVANE - 24 HOUR TIMETABLE"));
  SpeedButtonPrint->setText(tr("PRINT"));
  SpeedButtonPrint->setToolTip(tr("To print the 24H timetable"));
}

void TForm24H::showEvent(QShowEvent* event) {
  FormShow();
  QWidget::showEvent(event);
}

void TForm24H::closeEvent(QCloseEvent* event) {
  static_cast<Chart24Picture*>(Image24H)->Hint()->hide();
  print_->hide();
  emit Closed(pos());
  QWidget::closeEvent(event);
}

void TForm24H::SpeedButton24hClick() {
  if (isVisible() && stepFlag_ == 0) return;
  if (env_.slotTable == nullptr || env_.search == nullptr || env_.history == nullptr) return;
  SpeedButton24Moins->setEnabled(true);
  SpeedButton24Plus->setEnabled(true);
  result_ = ChartResult{};
  if (!scaleKnown_) {
    scale_.xs = static_cast<Real>(imagegrille24h->width()) / kChartDesignWidth;
    scale_.ys = static_cast<Real>(imagegrille24h->height()) / kChartDesignHeight;
    scaleKnown_ = true;
  }
  QPixmap blank(kChartDesignWidth, kChartDesignHeight);
  blank.fill(Qt::transparent);
  Image24H->setPixmap(blank);

  const Real now = env_.clock != nullptr ? env_.clock->Now() : 0;
  chartStart_ = stepFlag_ > 0 ? chartStart_ + 1 : stepFlag_ < 0 ? chartStart_ - 1 : now;
  if (now >= chartStart_) SpeedButton24Moins->setEnabled(false);
  const Real origin = ChartOrigin(chartStart_, env_.search->localOffsetHours);

  const auto running = [this] { return !env_.timerRunning || env_.timerRunning(); };
  ChartResult r = ComputeChart(*env_.search, *env_.slotTable, *env_.history, origin, scale_, running);
  if (r.stopped) return;  // the exploration has not started: nothing is shown
  result_ = std::move(r);
  for (int n = 1; n <= kSlotCount; ++n) {
    const PassSlot& slot = (*env_.slotTable)[static_cast<std::size_t>(n - 1)];
    QLabel* label = LabelS[static_cast<std::size_t>(n - 1)];
    label->setText(slot.HasSatellite() ? base::DecodeWindows1252(slot.name) : QString());
    label->setToolTip(result_.rows[static_cast<std::size_t>(n - 1)].historyFull
                          ? tr("Too many passes: this row stops at the limit of the pass history")
                          : QString());
  }
  Draw();
  if (isVisible()) FormShow(); else show();
  emit ChartComputed();
}

void TForm24H::Draw() {
  QPixmap picture(kChartDesignWidth, kChartDesignHeight);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  for (int n = 1; n <= kSlotCount; ++n) {
    const ChartRow& row = result_.rows[static_cast<std::size_t>(n - 1)];
    if (!row.named) continue;
    const QColor colour = Rgb(SlotColourOfChart(n));
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    p.drawLine(0, row.lineY, row.lineRight, row.lineY);
    // The original fills left..right-1 and top..bottom-1.
    for (const ChartRect& b : row.bars)
      p.fillRect(QRect(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1)), colour);
  }
  p.end();
  Image24H->setPixmap(picture);
}

void TForm24H::FormShow() {
  int visible = 0;
  for (QLabel* l : LabelS) {
    l->setVisible(!l->text().isEmpty());
    visible += l->text().isEmpty() ? 0 : 1;
  }
  const ChartLayout layout = ComputeChartLayout(visible, scale_, kDesign);
  imagegrille24h->setFixedHeight(layout.gridHeight);
  Image24H->setFixedHeight(layout.gridHeight);
  LabelDate->move(LabelDate->x(), layout.labelDateTop);
  for (QLabel* l : LabelH) l->move(l->x(), layout.hourLabelTop);
  setFixedSize(width(), layout.windowHeight);

  const bool utc = env_.utcDisplay && env_.utcDisplay();
  const Real offset = env_.search != nullptr ? env_.search->localOffsetHours : 0;
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(ChartLabelInstant(chartStart_, offset, utc));
  LabelDate->setText(QLocale::system().toString(QDate(d.year, d.month, d.day), QLocale::ShortFormat) +
                     QString::fromStdString(ChartLabelSuffix(utc)));
  const auto hours = ChartHourLabels(d.hour);
  for (std::size_t j = 0; j < hours.size(); ++j) LabelH[j]->setText(QString::fromStdString(hours[j]));
  ApplyLanguage();
}

void TForm24H::SpeedButton24PlusClick() {
  stepFlag_ = 1;
  SpeedButton24hClick();
  stepFlag_ = 0;
  print_->RefreshPreview();
}

void TForm24H::SpeedButton24MoinsClick() {
  stepFlag_ = -1;
  SpeedButton24hClick();
  stepFlag_ = 0;
  print_->RefreshPreview();
}

void TForm24H::SpeedButtonPrintClick() {
  print_->show();
  print_->raise();
}

void TForm24H::Image24HMouseMove(int x, int y) {
  hintText_ = QString::fromStdString(ChartHoverText(result_.table, x, y));
  Image24H->setToolTip(QString());
}

QStringList TForm24H::BuildTimetableText() const {
  std::array<std::string, kSlotCount> names{};
  for (std::size_t n = 0; n < names.size(); ++n) names[n] = LabelS[n]->text().toStdString();
  const auto longTime = [](Real v) {
    const int m = MinuteOfDay(v);
    return QLocale::system().toString(QTime(m / 60, m % 60), QLocale::LongFormat).toStdString();
  };
  const auto lines = BuildTimetableLines(LabelDate->text().toStdString(), LabelH[0]->text().toStdString(),
                                         names, result_.table, longTime);
  QStringList out;
  for (const std::string& l : lines) out << QString::fromStdString(l);
  return out;
}

}  // namespace prediction
