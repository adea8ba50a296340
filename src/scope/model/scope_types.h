#pragma once
// Enumerations, points and ranges of the scope, with the identifiers that
// window descriptions use for them, and the colour palette of new items.

#include <QColor>
#include <QList>
#include <QObject>

namespace SL {
Q_NAMESPACE

enum TSLDisplayNavigateMode { nmZoom, nmPan };
Q_ENUM_NS(TSLDisplayNavigateMode)
enum TSLDisplayZoomMode { zmBoth, zmXAxis, zmYAxis };
Q_ENUM_NS(TSLDisplayZoomMode)
enum TSLZoomOperation { zoUndo, zoRedo, zoMousePan, zoMouseWheel, zoZoom, zoZoomOff };
Q_ENUM_NS(TSLZoomOperation)
enum TSLScopeChannelMode { cmLine, cmStep, cmBar, cmPoint };
Q_ENUM_NS(TSLScopeChannelMode)
enum TSLChannelShadeMode { csmZero, csmTop, csmBottom };
Q_ENUM_NS(TSLChannelShadeMode)
enum TSLScopePointsShape { psCircle, psSquare, psDiamond, psPlus, psCross, psStar };
Q_ENUM_NS(TSLScopePointsShape)
enum TSLDisplayMarkerShape { msPoint, msCircle, msSquare, msDiamond, msPlus, msCross, msStar, msTriangleUp,
                             msTriangleDown, msTriangleLeft, msTriangleRight, msHLine, msVLine };
Q_ENUM_NS(TSLDisplayMarkerShape)
enum TSLScopeChannelLinkMode { clmZone, clmBar };
Q_ENUM_NS(TSLScopeChannelLinkMode)
enum TSLViewAlign { vaTop, vaBottom, vaLeft, vaRight };
Q_ENUM_NS(TSLViewAlign)
enum TSLToolBarHostView { thvDisplay, thvDataView };
Q_ENUM_NS(TSLToolBarHostView)
enum TSLCoordinateMode { cmLeftTop, cmLeftBottom, cmLeftCenter, cmRightTop, cmRightBottom, cmRightCenter,
                         cmTopCenter, cmBottomCenter, cmCenter };
Q_ENUM_NS(TSLCoordinateMode)
enum TSLDisplayCursorKind { ckVertical, ckHorizontal, ckBoth };
Q_ENUM_NS(TSLDisplayCursorKind)
enum TSLMaxAxisMode { mamValue, mamOffset };
Q_ENUM_NS(TSLMaxAxisMode)
enum TSLDisplayAxisTicksMode { atmAuto, atmAxis, atmBufferSamples, atmFrequency, atmIntensity, atmTime, atmManual };
Q_ENUM_NS(TSLDisplayAxisTicksMode)
enum TSLMajorTicksMode { mtmAuto, mtmCustom, mtmOverride };
Q_ENUM_NS(TSLMajorTicksMode)
enum TSLPrecisionMode { dpmGeneral, dpmScientific };
Q_ENUM_NS(TSLPrecisionMode)
enum TSLScaleMode { smLinear, smLogarithmic, smLogDecascale };
Q_ENUM_NS(TSLScaleMode)

}  // namespace SL

struct TSLRealPoint {
  double X = 0;
  double Y = 0;
  bool operator==(const TSLRealPoint&) const = default;
};

// The range shown before a zoom change, then after it.
struct TSLRealRanges {
  TSLRealPoint BeforeMin, BeforeMax, AfterMin, AfterMax;
};

// Palette of new channels and cursors; the colour used by the fewest
// existing items is taken, the earlier entry winning a tie.
QColor SLLeastUsedColor(const QList<QColor>& used);

// Cursor ids of the pointer shapes the descriptions store.
inline constexpr int crDefault = 0;
inline constexpr int crHandPoint = -21;
