#pragma once
// The pixels a raster painter paints on, for the pieces of a pointer move
// written straight into them rather than through the painter's clip.

class QImage;
class QPainter;

// The 32-bit image the painter writes into (the window's backing store for
// the screen), mapped by a whole translation and a whole scale `ratio`;
// else null. Callers add what they need of the painter's own clip.
QImage* SLRasterPixels(QPainter* painter, int& ratio);
