#pragma once

// The POURSAT and FODTrack cards: degrees to the 8-bit port values through the card's
// calibration, and the register sequences that clock them in. Pure functions; the sender
// carries the writes to the port.

#include <cstdint>
#include <string>
#include <vector>

#include "tracking/printer_port_seam.h"
#include "tracking/rotator_encoder.h"

namespace tracking {

// Azimuth `az` (degrees) to bits: round((az - zero) x bitsPerDegree); below 0 it is taken
// one turn later when the zero lies East of North (zero > 0), else 0; above 255 one turn
// earlier when the zero lies West (zero < 0), else 255. Always 0..255.
long AzimuthBits(long double az, long double bitsPerDegree, long double zero);

// Elevation (degrees) to bits: round(el x bitsPerDegree), kept within 1..255.
long ElevationBits(long double el, long double bitsPerDegree);

// 450° mode: with the overlap off, bits of one turn or more come back by one turn (0 at
// least); with it on, bits of 0..90° go one turn further (255 at most).
long OverlapBits(long a, long double bitsPerDegree, bool overlap);

// The 360° step limit in bits: round(350 x bitsPerDegree).
long StepLimitBits(long double bitsPerDegree);

// The azimuth display turns red while the overlap range 360..450° is commanded.
bool RedAzimuthBits(long a, long double bitsPerDegree, bool overlap, bool azimuth450);

// What LabelTrack shows with the command display on: "   " e "             / " a.
std::string PrinterPortDisplay(long a, long e);

// Register writes of one position: B = `base` (data), C = base + 2 (control).
// POURSAT: C<-0, C<-8, B<-a, C<-10, C<-1, B<-e, C<-3, C<-0, without pauses.
std::vector<PortWrite> PourSatSequence(int base, int a, int e);
// FODTrack: the same idea, clocked with 5 and 10 ms pauses.
std::vector<PortWrite> FodTrackSequence(int base, int a, int e);

// The whole sender computation of a card on `state` (TargetAz/TargetEl in, last-sent
// fields updated as a send updates them): minimum step, South stop, bits, 450° mode,
// 360° step test, display; `portWrites` holds the sequence for `base`.
EncodeResult EncodePrinterPort(Interface card, CommandState& state, const PrinterPortConfig& config,
                               const RotatorOptions& options, int base);

}  // namespace tracking
