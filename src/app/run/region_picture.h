#pragma once
// The fitting region as the map shows it: every cell that fits the times
// shaded in one translucent colour, its edge darker, so that the map stays
// readable under it and the circles, stations and the struck cross stay
// distinct from it.

#include <QColor>
#include <QImage>
#include <QRect>

struct TFittingRegion;

inline const QColor kRegionFill(170, 60, 255, 110);
inline const QColor kRegionEdge(90, 0, 160, 235);

// One pixel per cell, transparent outside the region, cropped to the
// region's cells; `cells` gets where the picture lies in the map's cells.
// Null for an empty region.
QImage RegionPicture(const TFittingRegion& region, QRect* cells);
