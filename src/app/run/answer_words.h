#pragma once
// What an answer means, in words a student understands: how far the
// epicenter may be from the mark, the other places the times allow, and
// why no point fits when none does. The map's text and the report say the
// same.

#include <QString>
#include <QStringList>

struct TEpicenterAnswer;

// The lines about the fitting region for an answer whose point was found.
QStringList RegionLines(const TEpicenterAnswer& answer);

// Why no point of the map fits the times (empty when some do).
QString NoFitSentence(const TEpicenterAnswer& answer, double velocity);

// A length in millimetres with one decimal, in the user's language.
QString Millimetres(double mm);
