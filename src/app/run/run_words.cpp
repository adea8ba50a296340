#include "app/run/run_words.h"

#include "app/experiment/settings_file.h"

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
