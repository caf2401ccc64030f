// The moon window's EME coverage picture, drawn a slice of columns at a time so that the
// progress bar moves and the window stays responsive.
#include <algorithm>

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "tools/form_lune.h"

namespace tools {

namespace {

constexpr int kColumnsPerSlice = 120;

ConstPixelView ReadView(const QImage& image) {
  return ConstPixelView{reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(),
                        image.height(), static_cast<int>(image.bytesPerLine() / 4)};
}

PixelView ViewOf(QImage& image) {
  return PixelView{reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                   static_cast<int>(image.bytesPerLine() / 4)};
}

}  // namespace

void TFormLune::TimerEMETimer() {
  BitBtn1Click();
}

void TFormLune::BitBtn1Click() {
  if (CoverageRunning()) return;  // one picture at a time
  // 1. The base picture, and the sub-lunar point of this moment.
  coverage_ = Imageoriginale.convertToFormat(QImage::Format_RGB32);
  const orbit::MoonPosition m = MoonAt(NowUtc(), Inputs().station);
  coverageCentre_.latitude = static_cast<double>(m.subLunarLatitude);
  coverageCentre_.eastLongitude =
      static_cast<double>(m.subLunarWest ? -m.subLunarLongitude : m.subLunarLongitude);
  coverageCentre_.distance = static_cast<double>(m.geocentricDistance);
  if (ImageMercator.isNull()) {  // no world picture: the base alone, with its cross
    DrawCoverageCross(ViewOf(coverage_));
    ImageAzimut->setPixmap(QPixmap::fromImage(coverage_));
    return;
  }
  coverageColumn_ = 0;
  ProgressBarCalcul->setRange(0, ImageMercator.width());
  ProgressBarCalcul->setValue(0);
  ProgressBarCalcul->show();
  coverageStep_->start();
}

void TFormLune::CoverageSlice() {
  if (!CoverageRunning()) {
    coverageStep_->stop();
    return;
  }
  // 2-3. The pixels of a few columns; 4. the progress bar by one per column.
  const int end = std::min(coverageColumn_ + kColumnsPerSlice, ImageMercator.width());
  DrawCoverageColumns(coverageCentre_, ReadView(ImageMercator), ViewOf(coverage_), coverageColumn_,
                      end);
  coverageColumn_ = end;
  ProgressBarCalcul->setValue(end);
  if (end >= ImageMercator.width()) EndCoverage();
}

void TFormLune::EndCoverage() {
  coverageStep_->stop();
  coverageColumn_ = -1;
  DrawCoverageCross(ViewOf(coverage_));
  ImageAzimut->setPixmap(QPixmap::fromImage(coverage_));
  ProgressBarCalcul->hide();
}

void TFormLune::FinishCoverage() {
  while (CoverageRunning()) CoverageSlice();
}

}  // namespace tools
