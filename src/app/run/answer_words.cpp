#include "app/run/answer_words.h"

#include "app/experiment/epicenter_answer.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

QString Millimetres(double mm) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(mm, 'f', 1);
}

namespace {

// The words a student reads, in the windows' language; the commands install
// no translation, so they stay English there.
struct AnswerWords {
  Q_DECLARE_TR_FUNCTIONS(AnswerWords)
};

QString Place(double x, double y) { return AnswerWords::tr("x %1 mm, y %2 mm").arg(Millimetres(x), Millimetres(y)); }

QString Ms(double seconds) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(seconds * 1000.0, 'f', 3);
}
}  // namespace

QStringList RegionLines(const TEpicenterAnswer& a) {
  QStringList lines;
  if (!a.delayKnown[0] && !a.delayKnown[1])
    return {AnswerWords::tr("No pair has both of its times: these times cannot tell where the epicenter lies")};
  if (!a.BothPairs()) {
    const int known = a.delayKnown[0] ? 0 : 1;
    return {AnswerWords::tr("Pair %1 has no times: the shaded band holds every point that fits pair %2 alone,")
                .arg(QLatin1String(kPairLabel[1 - known]), QLatin1String(kPairLabel[known])),
            AnswerWords::tr("so the epicenter cannot be told until pair %1 is recorded")
                .arg(QLatin1String(kPairLabel[1 - known]))};
  }
  if (!a.Fits()) return {AnswerWords::tr("No point of the map fits these times, not even the mark")};
  lines << AnswerWords::tr("The shaded area fits your times: the epicenter may be up to %1 mm from the mark")
               .arg(Millimetres(a.uncertainty));
  if (a.outside >= 0.5)
    lines << AnswerWords::tr("The mark itself lies %1 mm outside the shaded area").arg(Millimetres(a.outside));
  if (a.others.size() == 1) {
    lines << AnswerWords::tr("The times also fit a separate place: around %1 (orange diamond)")
                 .arg(Place(a.otherX, a.otherY));
  } else if (a.others.size() > 1) {
    lines << AnswerWords::tr("The times also fit %1 separate places; the best fitting (orange diamond) is around %2")
                 .arg(a.others.size())
                 .arg(Place(a.otherX, a.otherY));
  }
  return lines;
}

QString NoFitSentence(const TEpicenterAnswer& a, double velocity) {
  const TFittingRegion& region = a.region;
  if (!region.Empty()) return {};
  if (region.verdict == TRegionVerdict::InvalidInput)
    return AnswerWords::tr("No point can fit: the settings (stations, velocity or sample rate) are not usable");
  const TNoFitDiagnosis& d = region.noFit;
  const QLatin1String pair(kPairLabel[std::clamp(d.delay, 0, 1)]);
  const QLatin1String station(d.delay == 1 ? "C" : "B");
  switch (d.reason) {
    case TNoFitReason::DelayLongerThanStations:
      return AnswerWords::tr("The delay of pair %1 (%2 ms) cannot be right: the pulse needs at most %3 ms to go "
                            "straight from A to %4 at %5 mm/s")
          .arg(pair, Ms(d.seconds), Ms(d.stationDistance / velocity), station)
          .arg(velocity, 0, 'f', 0);
    case TNoFitReason::DelayOffMap:
      return AnswerWords::tr("The delay of pair %1 (%2 ms) fits only points off the map").arg(pair, Ms(d.seconds));
    case TNoFitReason::NoCommonPoint:
      return AnswerWords::tr("Each delay fits somewhere on the map, but no point fits both: one of the four times "
                            "is probably wrong (the closest fit is around %1)")
          .arg(Place(d.bestX, d.bestY));
    default:
      return AnswerWords::tr("No point of the map fits these times");
  }
}
