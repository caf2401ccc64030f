// EME arithmetic: Doppler with its bias, geocentric radius, rates, the settings' checks
// and the MOON report line. Expected values are hand calculations.
#include <gtest/gtest.h>

#include "tools/eme.h"

namespace tools {
namespace {

TEST(EmeDoppler, HundredMetresPerSecondAt1296MHz) {
  // -2 * 100 m/s * 1.296 GHz / c = -864.598 Hz.
  EXPECT_EQ(EmeDoppler(100, 1.296L, 0), -865);
  // An approaching moon raises the echo: -250 m/s at 10.368 GHz = +17291.9 Hz.
  EXPECT_EQ(EmeDoppler(-250, 10.368L, 0), 17292);
  EXPECT_EQ(EmeDoppler(0, 1.296L, 0), 0);
}

TEST(EmeDoppler, BiasAddsFrequencyTimesThousandOverBias) {
  // -864.598 + 1296/100 = -851.638.
  EXPECT_EQ(EmeDoppler(100, 1.296L, 100), -852);
  // No motion: only the bias, 10 GHz * 1000 / 50 = 200 Hz.
  EXPECT_EQ(EmeDoppler(0, 10, 50), 200);
  EXPECT_EQ(EmeDoppler(0, 10, 1200), 8);  // 8.33 Hz
}

TEST(EmeArithmetic, GeocentricRadiusAndRangeRate) {
  EXPECT_NEAR(static_cast<double>(GeocentricRadiusKm(0, 0)), 6378.137, 1e-9);
  EXPECT_NEAR(static_cast<double>(GeocentricRadiusKm(90, 0)), 6356.752, 1e-3);
  EXPECT_NEAR(static_cast<double>(GeocentricRadiusKm(45, 1200)), 6368.645, 1e-3);
  // 0.1 Earth radius in one minute at rho = 6378.137 km: 10630.23 m/s.
  EXPECT_NEAR(static_cast<double>(RangeRate(60.1L, 60.0L, 6378.137L)), 10630.228, 1e-3);
  EXPECT_NEAR(static_cast<double>(InterpolateRate(100, 160, 30)), 130, 1e-12);
  EXPECT_NEAR(static_cast<double>(InterpolateRate(100, 160, 0)), 100, 1e-12);
}

TEST(EmeSettings, FrequencyAboveZeroUpToTwelveWithEitherSeparator) {
  EXPECT_EQ(ParseEmeFrequency(QStringLiteral("12")), Real(12));
  EXPECT_NEAR(static_cast<double>(*ParseEmeFrequency(QStringLiteral("1,296"))), 1.296, 1e-12);
  EXPECT_NEAR(static_cast<double>(*ParseEmeFrequency(QStringLiteral(" 10.368 "))), 10.368, 1e-12);
  EXPECT_FALSE(ParseEmeFrequency(QStringLiteral("12.001")));
  EXPECT_FALSE(ParseEmeFrequency(QStringLiteral("0")));
  EXPECT_FALSE(ParseEmeFrequency(QStringLiteral("-1.296")));
  EXPECT_FALSE(ParseEmeFrequency(QStringLiteral("abc")));
  EXPECT_FALSE(ParseEmeFrequency(QStringLiteral("1.2,3")));
  EXPECT_FALSE(ParseEmeFrequency(QString()));
}

TEST(EmeSettings, DxLocatorCharacterClassesAndBiasLimits) {
  EXPECT_TRUE(ValidDxLocator(QStringLiteral("JN18DU")));
  EXPECT_TRUE(ValidDxLocator(QStringLiteral("RR99XX")));
  EXPECT_FALSE(ValidDxLocator(QStringLiteral("JN18D")));   // five characters
  EXPECT_FALSE(ValidDxLocator(QStringLiteral("SN18DU")));  // field beyond R
  EXPECT_FALSE(ValidDxLocator(QStringLiteral("JN18DY")));  // sub-square beyond X
  EXPECT_FALSE(ValidDxLocator(QStringLiteral("JNA8DU")));
  EXPECT_EQ(ClampBias(30), 50);
  EXPECT_EQ(ClampBias(0), 0);
  EXPECT_EQ(ClampBias(-7), 0);
  EXPECT_EQ(ClampBias(5000), 1200);
  EXPECT_EQ(ClampBias(640), 640);
}

TEST(MoonReportLine, PathRateIsTheMeanOfBothEndsTwiceOverInKilometres) {
  // own -100 m/s, DX -300 m/s: RR = -200 * 2 * 0.001 = -0.4 km/s, RS = -0.2.
  EXPECT_EQ(MoonReportLine(123.456L, 5.6L, -100, -300, true),
            QStringLiteral("MOON AZ:123.46 EL:5.60 RR:-0.40000000 RS:-0.20000000 AH:Y"));
}

TEST(MoonReportLine, WithoutADxStationThePathRateIsTheStationsOwn) {
  // The sentinel 1000000 must not be averaged in.
  EXPECT_EQ(MoonReportLine(10, 20, 50, kNoDxRate, true),
            QStringLiteral("MOON AZ:10.00 EL:20.00 RR:0.10000000 RS:0.10000000 AH:Y"));
}

TEST(MoonReportLine, BelowTheHorizonTheLineCarriesNoPathRate) {
  EXPECT_EQ(MoonReportLine(95.5L, 0.25L, 123.4L, kNoDxRate, false),
            QStringLiteral("MOON AZ:95.50 EL:0.25 RR:0.00000000 RS:0.24680000 AH:N"));
}

}  // namespace
}  // namespace tools
