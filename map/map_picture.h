#pragma once

// The map picture: the base map of the current centring, the grid and the transparent
// 1200 x 600 layers in their stacking order, and the markers; Compose() lays them into one
// picture of the display size. Nothing here decides what to draw: the window does.

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "map/map_geometry.h"

namespace map {

// Layers from bottom to top.
enum class Layer { Sun, CovFut, CovAct, Trace, TraceOrbite, CovAll };
inline constexpr int kLayerCount = 6;

enum class MarkerKind {
  Qra,
  Dx,
  Sat,
  SatEclipse,
  SatOrbite,
  SatEclipseOrbit,
  SatFutur,
  SatEclipseFutur,
  Sun
};
inline constexpr int kMarkerCount = 9;

// Overlay colours (RGB), kept out of the built-in maps' palette.
inline constexpr QRgb kRed = 0xFF0000;
inline constexpr QRgb kViolet = 0xFF00FF;
inline constexpr QRgb kYellow = 0xFFFF00;
inline constexpr QRgb kWhite = 0xFFFFFF;
inline constexpr QRgb kBlack = 0x000000;
inline constexpr QRgb kDarkness = 0x808080;

// The small picture of a marker: 9 x 9, the sun 17 x 17, transparent around.
QImage MarkerImage(MarkerKind kind);

// The built-in map of a centring (1200 x 600).
QImage BuiltInMap(int shift);

class MapPicture {
 public:
  MapPicture();

  // ----- Base map and grid.
  void SetCentring(int shift);  // built-in map (unless a user map is set) and grid labels
  int Centring() const { return shift_; }
  // A user map replaces the base map (stretched to 1200 x 600); a null image restores the
  // built-in one.
  void SetUserMap(const QImage& image);
  bool HasUserMap() const { return hasUserMap_; }
  void SetGridShown(bool shown);
  bool GridShown() const { return gridShown_; }

  // ----- Layers.
  void Clear(Layer layer);  // and hides it
  void SetShown(Layer layer, bool shown);
  bool Shown(Layer layer) const { return shown_[Index(layer)]; }
  // Lines in layer pixels with a solid pen.
  void DrawLines(Layer layer, const Polylines& lines, QRgb colour, int penWidth);
  // One square dot of `size` pixels at each point.
  void DrawDots(Layer layer, const std::vector<LayerPoint>& points, QRgb colour, int size);
  // Night: the cross-hatch in the darkness grey over the pixels of `mask`.
  void DrawDarkness(const std::vector<unsigned char>& mask);
  const QImage& LayerImage(Layer layer) const { return layers_[Index(layer)]; }

  // ----- Markers: centre in geographic coordinates, projected at composition.
  void PlaceMarker(MarkerKind kind, Real latitude, Real westLongitude);
  void HideMarker(MarkerKind kind);
  bool MarkerShown(MarkerKind kind) const { return markers_[Index(kind)].shown; }
  GeoPoint MarkerPosition(MarkerKind kind) const { return markers_[Index(kind)].at; }
  // The topmost shown marker whose picture covers display pixel (x, y); false when none.
  bool MarkerAt(int x, int y, const Scale& scale, MarkerKind* kind) const;

  // ----- The whole map at the display size (markers included).
  QImage Compose(Size display) const;

 private:
  static std::size_t Index(Layer l) { return static_cast<std::size_t>(l); }
  static std::size_t Index(MarkerKind k) { return static_cast<std::size_t>(k); }
  void RebuildGrid();
  // The base map, grid and the layers under the current footprint change seldom (sun
  // every two minutes); they are kept composed so a refresh blends only the layers above.
  void Touch(Layer layer);
  const QImage& Below() const;

  struct Marker {
    bool shown = false;
    GeoPoint at;
  };
  int shift_ = kShift0;
  bool hasUserMap_ = false;
  bool gridShown_ = false;
  QImage base_;  // 1200 x 600, premultiplied ARGB
  QImage userMap_;
  QImage grid_;
  std::array<QImage, kLayerCount> layers_;
  std::array<bool, kLayerCount> shown_{};
  std::array<bool, kLayerCount> empty_{};
  std::array<Marker, kMarkerCount> markers_{};
  std::array<QImage, kMarkerCount> markerImages_;
  mutable QImage below_;
  mutable bool belowValid_ = false;
};

}  // namespace map
