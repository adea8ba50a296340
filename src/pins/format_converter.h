#pragma once
// Format converters: components placed automatically between a source and a
// sink that have no stream type in common. A converter has an input sink pin
// of the "from" type and an output source pin of the "to" type; it is
// reference counted through IOWFormatConverter (the source that created it
// holds one reference) and frees itself with the last reference.

#include <QObject>

#include "pins/lock.h"
#include "pins/typed_pins.h"

class TOWFormatConverter;

inline constexpr TGUID IID_IOWFormatConverter = TGUID::FromLiteral("{F8E1AE7F-ABD3-4BC0-984D-2CC34D2D83CB}");

class IOWFormatConverter : public virtual IInterface {
public:
  virtual TOWFormatConverter* GetConverter() noexcept = 0;
};

class TOWFormatConverter : public QObject, public TInterfacedObject, public IOWFormatConverter {
  Q_OBJECT
public:
  TOWFormatConverter();
  TOWFormatConverter* GetConverter() noexcept override { return this; }
  IOWLock* ConverterLock() const { return lock_.get(); }
  TOWSinkPin* InputPin() const { return input_; }
  TSLOWSourcePin* OutputPin() const { return output_; }
  // Number of converters alive (for leak checks).
  static int LiveCount();

protected:
  ~TOWFormatConverter() override;
  // Called by the concrete constructor once both pins exist; records the
  // input as a function dependency of the output.
  void SetPins(TOWSinkPin* input, TSLOWSourcePin* output);
  // The input's receive callback: converts supplied operations, passes every
  // other operation on unchanged.
  bool ReceiveInput(IOWNotifyOperation* op);
  // Upstream operations from the output's sinks go on through the input.
  bool ReceiveUpstream(IOWNotifyOperation* op);
  // The conversion of one supplied operation; none = nothing to send.
  virtual TRef<IOWNotifyOperation> Convert(IOWNotifyOperation* op) = 0;

  TRef<IOWLock> lock_;
  TOWSinkPin* input_ = nullptr;
  TSLOWSourcePin* output_ = nullptr;
};

// The audio converters.
class TOWAudioToRealFormatConverter : public TOWFormatConverter {
  Q_OBJECT
public:
  TOWAudioToRealFormatConverter();

protected:
  TRef<IOWNotifyOperation> Convert(IOWNotifyOperation* op) override;
};

class TOWAudioToIntFormatConverter : public TOWFormatConverter {
  Q_OBJECT
public:
  TOWAudioToIntFormatConverter();

protected:
  TRef<IOWNotifyOperation> Convert(IOWNotifyOperation* op) override;
};

class TOWAudioToBinaryFormatConverter : public TOWFormatConverter {
  Q_OBJECT
public:
  TOWAudioToBinaryFormatConverter();

protected:
  TRef<IOWNotifyOperation> Convert(IOWNotifyOperation* op) override;
};

// Registers the converter pairs (done once, by OWEnsureStreamRegistrations).
void OWRegisterStandardConverters();
