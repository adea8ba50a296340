#pragma once
// Stored pin links of window descriptions: the extra properties `Form`,
// `SourcePin`, `SinkPins`, `State`, `StateConverter` of pins and `Form`,
// `Pins`, `PinsOwner` of pin lists, read and written in the text form
//
//   InputPin.Form = Form3
//   InputPin.SourcePin = Form3.AI.OutputPin               (or (Name 'Display'),
//                                                          or (Name Order) ...)
//   OutputPin.SinkPins = (Form3.A2R.InputPin (Name Order 'Display'))
//   OutputPins.Pins = (Sinks ((Form4.ScpLeft.InputPins._Pin0 'Form4.ScpLeft.InputPins.Left')) nil)
//
// A pin is named by its full internal name with root, followed by its full
// display name only when the two differ. Names that begin with the form
// name recorded in `Form` are resolved against the current root (a form
// saved as Form4 and loaded as Form4_1 links its own pins). Names that do
// not resolve become placeholders, merged when the pin appears.
//
// Malformed values throw std::runtime_error (the description reader turns
// it into an error naming the line).

#include "pins/defined_properties.h"

class TOWBasicPin;
class TOWPinList;

// Makes every pin read and write its links through the functions below
// (idempotent; the description reader and writer call it).
void InstallPinLinkStorage();

bool ReadPinLink(TOWBasicPin* pin, const QString& name, const TStoredValue& value);
void WritePinLinks(const TOWBasicPin* pin, QList<QPair<QString, TStoredValue>>& out);

// `propertyPath` is the list's property path inside its owner component
// (e.g. "OutputPins"), used to name list placeholders; empty: found by
// searching the owner's published object properties.
bool ReadPinListLink(TOWPinList* list, const QString& name, const TStoredValue& value,
                     const QString& propertyPath = QString());
void WritePinListLinks(TOWPinList* list, QList<QPair<QString, TStoredValue>>& out);

// Pin lists whose links were read since the last call; the reader ends
// their loading (placeholders that no real pin took are dropped).
void FinishPinListLoading();
