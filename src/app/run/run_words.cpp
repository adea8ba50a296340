#include "app/run/run_words.h"

#include "app/experiment/settings_file.h"

#include <string>

QString AcquisitionBoundsWords(int32_t time, int32_t rate) {
  if (AcquisitionBoundsError(time, rate).empty()) return {};
  if (time < kMinAcquisitionTime || time > kMaxAcquisitionTime)
    return RunWords::tr("Acquisition time must be between %1 and %2 seconds")
        .arg(kMinAcquisitionTime)
        .arg(kMaxAcquisitionTime);
  if (rate < kMinAcquisitionRate || rate > kMaxAcquisitionRate)
    return RunWords::tr("Acquisition rate must be between %1 and %2 samples / s")
        .arg(kMinAcquisitionRate)
        .arg(kMaxAcquisitionRate);
  return RunWords::tr("Acquisition time x rate must not exceed %1 samples (30 seconds at 44100 samples / s)")
      .arg(kMaxAcquisitionSamples);
}

QString PulseVelocityWords(int32_t velocity) {
  if (PulseVelocityError(velocity).empty()) return {};
  return RunWords::tr("Pulse velocity must be between %1 and %2 mm / s").arg(kMinPulseVelocity).arg(kMaxPulseVelocity);
}

QString UnreadValueWords(const TUnreadValue& v) {
  using TWhy = TUnreadValue::TWhy;
  const QString section = QString::fromStdString(v.section), key = QString::fromStdString(v.key),
                text = QString::fromStdString(v.text);
  switch (v.why) {
    case TWhy::NotWholeNumber: return RunWords::tr("[%1] %2 = '%3' is not a whole number").arg(section, key, text);
    case TWhy::NotPickMethod:
      return RunWords::tr("[%1] %2 = '%3' is none of level, onset, correlation").arg(section, key, text);
    case TWhy::NotNumber: return RunWords::tr("[%1] %2 = '%3' is not a number").arg(section, key, text);
    case TWhy::NotAtLeastZero: return RunWords::tr("[%1] %2 = '%3' is not a number of at least 0").arg(section, key, text);
    case TWhy::BeyondBounds: break;
  }
  const int32_t value = static_cast<int32_t>(std::stol(v.text));
  QString bound;
  if (v.key == "vel")
    bound = PulseVelocityWords(value);
  else if (v.key == "tx")
    bound = AcquisitionBoundsWords(kMinAcquisitionTime, value);
  else if (v.key == "taq")
    bound = AcquisitionBoundsWords(value, v.rate);
  else
    bound = RunWords::tr("Detection level must be between %1 and %2 (0 to 100 % of full scale)")
                .arg(kMinDetectionLevel)
                .arg(kMaxDetectionLevel);
  return RunWords::tr("[%1] %2 = %3: %4").arg(section, key, text, bound);
}
