#pragma once
// A run folder's report.pdf: the run as kept, with the pictures of the map
// and of both scopes with their cursors.

#include <QImage>
#include <QString>
#include <string>

#include "app/run/run_folder.h"

// Writes the one-page report of `run` to `pdfPath`; a scope picture is null
// for a pair not recorded, the map null when its picture cannot be read.
// Empty on success, else the message.
std::string WriteRunFolderReport(const QString& pdfPath, const TRun& run, const QImage& map, const QImage& scopeAB,
                                 const QImage& scopeAC);
