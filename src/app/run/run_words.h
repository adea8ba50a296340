#pragma once
// What a lab's or a run's files tell the student, in the windows' language.
// The commands install no translation, so they print these in English, as
// the files' readers always wrote them.

#include "app/experiment/settings_file.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

struct RunWords {
  Q_DECLARE_TR_FUNCTIONS(RunWords)
};

// For the readers and writers, whose messages are std::string.
inline std::string Said(const QString& text) { return text.toStdString(); }
inline QString PathWords(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Why a block of `time` seconds at `rate` samples / s cannot be captured;
// empty when it can.
QString AcquisitionBoundsWords(int32_t time, int32_t rate);

// Why a pulse velocity of `velocity` mm / s cannot be used; empty when it
// can.
QString PulseVelocityWords(int32_t velocity);

// A value of a settings file that was not taken, and why:
// "[VELOCIDADE] vel = '149456.3' is not a whole number".
QString UnreadValueWords(const TUnreadValue& value);

// Runs `save`, which writes settings; a file it cannot write is said in the
// windows' words.
template <class TSave>
void SavingSettings(TSave&& save) {
  try {
    save();
  } catch (const ESettingsWriteError& e) {
    throw std::runtime_error(Said(RunWords::tr("Unable to write to %1").arg(PathWords(e.Path()))));
  }
}
