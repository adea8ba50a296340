#include "pins/format_converter.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <mutex>

#include "buffers/audio_buffer.h"
#include "buffers/simple_data_buffer.h"
#include "pins/stream_types.h"

namespace st = stream_type;

namespace {
std::atomic<int> liveConverters{0};

// Converter input of exactly one type: it does not ignore upstream types,
// so negotiation picks it only for that type.
class TOWConverterSinkPin : public TSLOWSinkPin {
public:
  TOWConverterSinkPin(QObject* owner, const TGUID& type, ReceiveCallback onReceive, IOWLock* lock)
      : TSLOWSinkPin(owner, nullptr, nullptr, std::move(onReceive), lock), type_(type) {
    types_.Add(type_, OWStreamHandlerFor(this));
    ignoreUpstream_ = false;
  }
  ~TOWConverterSinkPin() override { BeginDestroy(); }
  bool SupportsType(const TGUID& type) const override { return type == type_ || TSLOWSinkPin::SupportsType(type); }

private:
  TGUID type_;
};

class TOWConverterSourcePin : public TSLOWSourcePin {
public:
  TOWConverterSourcePin(QObject* owner, const TGUID& type, UpstreamCallback onUpstream, IOWLock* lock)
      : TSLOWSourcePin(owner, nullptr, 0, std::move(onUpstream), lock), type_(type) {
    types_.Add(type_, OWStreamHandlerFor(this));
  }
  ~TOWConverterSourcePin() override { BeginDestroy(); }
  bool SupportsType(const TGUID& type) const override {
    return type == type_ || TSLOWSourcePin::SupportsType(type);
  }

private:
  TGUID type_;
};
}  // namespace

// ---------------------------------------------------------------------------
// TOWFormatConverter

TOWFormatConverter::TOWFormatConverter() : lock_(new TOWLock) { liveConverters.fetch_add(1); }

TOWFormatConverter::~TOWFormatConverter() {
  {
    TOWGuard stop = lock_->EnterStop();
    if (output_) output_->Disconnect();
    if (input_) {
      input_->DetachConverterInput();
      input_->Disconnect();
    }
  }
  delete output_;
  delete input_;
  liveConverters.fetch_sub(1);
}

int TOWFormatConverter::LiveCount() { return liveConverters.load(); }

void TOWFormatConverter::SetPins(TOWSinkPin* input, TSLOWSourcePin* output) {
  input_ = input;
  output_ = output;
  if (auto* basic = qobject_cast<TOWBasicSinkPin*>(input_)) output_->AddFunctionDependency(basic);
}

bool TOWFormatConverter::ReceiveInput(IOWNotifyOperation* op) {
  TOWGuard g = lock_->EnterWrite();
  if (!g) return false;  // stopping
  if (OperationAs<TOWSuppliedOperation>(op)) {
    TRef<IOWNotifyOperation> converted = Convert(op);
    if (converted) output_->Notify(converted.get());
    return false;
  }
  output_->Notify(op);
  return false;
}

bool TOWFormatConverter::ReceiveUpstream(IOWNotifyOperation* op) { return input_ ? input_->Notify(op) : false; }

// ---------------------------------------------------------------------------
// Audio converters

namespace {
TRef<IALAudioBuffer> AudioOf(IOWNotifyOperation* op) {
  auto* supplied = OperationAs<TOWSuppliedBufferOperation>(op);
  if (!supplied || !supplied->Buffer()) return {};
  return QueryInterface<IALAudioBuffer>(supplied->Buffer());
}
}  // namespace

TOWAudioToRealFormatConverter::TOWAudioToRealFormatConverter() {
  auto* in = new TALOWAudioSinkPin(
      this, nullptr, nullptr,
      [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) { return ReceiveInput(op); }, lock_.get());
  auto* out = new TSLOWRealSourcePin(
      this, nullptr, 0, [this](TSLOWSourcePin*, IOWNotifyOperation* op) { return ReceiveUpstream(op); }, true,
      lock_.get());
  SetPins(in, out);
}

TRef<IOWNotifyOperation> TOWAudioToRealFormatConverter::Convert(IOWNotifyOperation* op) {
  TRef<IALAudioBuffer> audio = AudioOf(op);
  if (!audio) return {};
  TRef<ISLRealBuffer> reals;
  audio->ExtractChannelReals(0, reals);
  if (!reals) return {};
  return MakeOperation<TOWSuppliedBufferOperation>(reals.get());
}

TOWAudioToIntFormatConverter::TOWAudioToIntFormatConverter() {
  auto* in = new TALOWAudioSinkPin(
      this, nullptr, nullptr,
      [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) { return ReceiveInput(op); }, lock_.get());
  auto* out = new TSLOWIntegerSourcePin(
      this, nullptr, 0, [this](TSLOWSourcePin*, IOWNotifyOperation* op) { return ReceiveUpstream(op); },
      lock_.get());
  SetPins(in, out);
}

TRef<IOWNotifyOperation> TOWAudioToIntFormatConverter::Convert(IOWNotifyOperation* op) {
  TRef<IALAudioBuffer> audio = AudioOf(op);
  if (!audio) return {};
  TRef<ISLIntegerBuffer> ints;
  audio->ExtractChannelIntegers(0, ints);
  if (!ints) return {};
  return MakeOperation<TOWSuppliedBufferOperation>(ints.get());
}

TOWAudioToBinaryFormatConverter::TOWAudioToBinaryFormatConverter() {
  auto* in = new TALOWAudioSinkPin(
      this, nullptr, nullptr,
      [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) { return ReceiveInput(op); }, lock_.get());
  auto* out = new TSLOWBinarySourcePin(
      this, nullptr, 0, [this](TSLOWSourcePin*, IOWNotifyOperation* op) { return ReceiveUpstream(op); },
      lock_.get());
  SetPins(in, out);
}

TRef<IOWNotifyOperation> TOWAudioToBinaryFormatConverter::Convert(IOWNotifyOperation* op) {
  TRef<IALAudioBuffer> audio = AudioOf(op);
  if (!audio) return {};
  uint32_t bytes = audio->GetByteSize();
  TRef<ISLData> block(new TSLBlockBuffer(audio->ReadSamples(), static_cast<int32_t>(bytes)));
  return MakeOperation<TOWSuppliedBufferOperation>(block.get());
}

// ---------------------------------------------------------------------------
// The other registered converters, element by element.

namespace {

using ConvertFn = TRef<IOWNotifyOperation> (*)(IOWNotifyOperation*);

class TOWElementFormatConverter : public TOWFormatConverter {
public:
  TOWElementFormatConverter(const TGUID& from, const TGUID& to, ConvertFn fn) : fn_(fn) {
    auto* in = new TOWConverterSinkPin(
        this, from, [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) { return ReceiveInput(op); },
        lock_.get());
    auto* out = new TOWConverterSourcePin(
        this, to, [this](TSLOWSourcePin*, IOWNotifyOperation* op) { return ReceiveUpstream(op); }, lock_.get());
    SetPins(in, out);
  }

protected:
  TRef<IOWNotifyOperation> Convert(IOWNotifyOperation* op) override { return fn_(op); }

private:
  ConvertFn fn_;
};

// A supplied value as a double, when it carries one.
bool ValueOf(IOWNotifyOperation* op, double& v) {
  if (auto* r = OperationAs<TOWSuppliedRealOperation>(op)) {
    v = r->Value();
    return true;
  }
  if (auto* s = OperationAs<TOWSuppliedSingleOperation>(op)) {
    v = s->Value();
    return true;
  }
  if (auto* b = OperationAs<TOWSuppliedBoolOperation>(op)) {
    v = b->Value() ? 1 : 0;
    return true;
  }
  return false;
}

TRef<IOWNotifyOperation> ToFloat(IOWNotifyOperation* op) {
  double v;
  if (!ValueOf(op, v)) return {};
  return MakeOperation<TOWSuppliedSingleOperation>(static_cast<float>(v));
}

TRef<IOWNotifyOperation> ToReal(IOWNotifyOperation* op) {
  double v;
  if (!ValueOf(op, v)) return {};
  return MakeOperation<TOWSuppliedRealOperation>(v);
}

TRef<IOWNotifyOperation> ToRangedReal(IOWNotifyOperation* op) {
  if (auto* ranged = OperationAs<TOWSuppliedRealValueRangeOperation>(op))
    return MakeOperation<TOWSuppliedRealValueRangeOperation>(ranged->Value(), ranged->Min(), ranged->Max());
  double v;
  if (!ValueOf(op, v)) return {};
  return MakeOperation<TOWSuppliedRealValueRangeOperation>(v, v, v);
}

TRef<IOWNotifyOperation> ToString(IOWNotifyOperation* op) {
  if (auto* s = OperationAs<TOWSuppliedStringOperation>(op)) return MakeOperation<TOWSuppliedStringOperation>(s->Value());
  double v;
  if (!ValueOf(op, v)) return {};
  // Whole numbers print without a fraction.
  std::string text = (std::floor(v) == v && std::fabs(v) < 1e15) ? std::to_string(static_cast<long long>(v))
                                                                  : QString::number(v, 'g', 15).toStdString();
  return MakeOperation<TOWSuppliedStringOperation>(text);
}

TRef<ISLDataBuffer> BufferOf(IOWNotifyOperation* op) {
  auto* supplied = OperationAs<TOWSuppliedBufferOperation>(op);
  if (!supplied || !supplied->Buffer()) return {};
  return QueryInterface<ISLDataBuffer>(supplied->Buffer());
}

TRef<IOWNotifyOperation> ToBinary(IOWNotifyOperation* op) {
  TRef<ISLDataBuffer> buffer = BufferOf(op);
  if (!buffer) return {};
  TRef<ISLData> block(new TSLBlockBuffer(buffer->Read(), static_cast<int32_t>(buffer->GetByteSize())));
  return MakeOperation<TOWSuppliedBufferOperation>(block.get());
}

TRef<IOWNotifyOperation> IntToRealBuffer(IOWNotifyOperation* op) {
  TRef<ISLIntegerBuffer> ints = QueryInterface<ISLIntegerBuffer>(BufferOf(op));
  if (!ints) return {};
  TRef<ISLData> reals(new TSLRealBuffer(ints->ReadIntegers(), ints->GetCount()));
  return MakeOperation<TOWSuppliedBufferOperation>(reals.get());
}

TRef<IOWNotifyOperation> RealToMatrix(IOWNotifyOperation* op) {
  TRef<ISLRealBuffer> reals = QueryInterface<ISLRealBuffer>(BufferOf(op));
  if (!reals) return {};
  auto* matrix = new TSLRealMatrixBuffer();
  TRef<ISLData> hold(matrix);
  matrix->SetRows({reals.get()});
  return MakeOperation<TOWSuppliedBufferOperation>(hold.get());
}

template <const TGUID& From, const TGUID& To, ConvertFn Fn>
TOWFormatConverter* Make() {
  return new TOWElementFormatConverter(From, To, Fn);
}

template <class T>
TOWFormatConverter* MakeAudio() {
  return new T();
}

}  // namespace

void OWRegisterStandardConverters() {
  // General types.
  OWRegisterFormatConverter(st::Integer32, st::Float, &Make<st::Integer32, st::Float, ToFloat>,
                            "TOWIntToFloatFormatConverter");
  OWRegisterFormatConverter(st::Integer32, st::Real, &Make<st::Integer32, st::Real, ToReal>,
                            "TOWIntToRealFormatConverter");
  OWRegisterFormatConverter(st::Integer64, st::Float, &Make<st::Integer64, st::Float, ToFloat>,
                            "TOWInt64ToFloatFormatConverter");
  OWRegisterFormatConverter(st::Integer64, st::Real, &Make<st::Integer64, st::Real, ToReal>,
                            "TOWInt64ToRealFormatConverter");
  OWRegisterFormatConverter(st::Float, st::Real, &Make<st::Float, st::Real, ToReal>, "TOWFloatToRealFormatConverter");
  OWRegisterFormatConverter(st::RangedInteger32, st::RangedReal,
                            &Make<st::RangedInteger32, st::RangedReal, ToRangedReal>,
                            "TOWIntToRealRangedFormatConverter");
  OWRegisterFormatConverter(st::RangedInteger64, st::RangedReal,
                            &Make<st::RangedInteger64, st::RangedReal, ToRangedReal>,
                            "TOWInt64ToRealRangedFormatConverter");
  // Buffer types.
  OWRegisterFormatConverter(st::IntegerBuffer, st::BinaryBuffer,
                            &Make<st::IntegerBuffer, st::BinaryBuffer, ToBinary>, "TSLOWIntToBinaryFormatConverter");
  OWRegisterFormatConverter(st::RealBuffer, st::BinaryBuffer, &Make<st::RealBuffer, st::BinaryBuffer, ToBinary>,
                            "TSLOWRealToBinaryFormatConverter");
  OWRegisterFormatConverter(st::ComplexBuffer, st::BinaryBuffer,
                            &Make<st::ComplexBuffer, st::BinaryBuffer, ToBinary>,
                            "TSLOWComplexToBinaryFormatConverter");
  OWRegisterFormatConverter(st::IntegerBuffer, st::RealBuffer,
                            &Make<st::IntegerBuffer, st::RealBuffer, IntToRealBuffer>,
                            "TSLOWIntToRealFormatConverter");
  OWRegisterFormatConverter(st::DateTime, st::StringBuffer, &Make<st::DateTime, st::StringBuffer, ToString>,
                            "TSLOWTimeToStringFormatConverter");
  OWRegisterFormatConverter(st::Integer32, st::StringBuffer, &Make<st::Integer32, st::StringBuffer, ToString>,
                            "TSLOWIntegerToStringFormatConverter");
  OWRegisterFormatConverter(st::Real, st::StringBuffer, &Make<st::Real, st::StringBuffer, ToString>,
                            "TSLOWRealToStringFormatConverter");
  OWRegisterFormatConverter(st::RealBuffer, st::RealMatrix, &Make<st::RealBuffer, st::RealMatrix, RealToMatrix>,
                            "TSLOWRealToRealMatrixFormatConverter");
  // Audio types.
  OWRegisterFormatConverter(st::AudioBuffer, st::IntegerBuffer, &MakeAudio<TOWAudioToIntFormatConverter>,
                            "TOWAudioToIntFormatConverter");
  OWRegisterFormatConverter(st::AudioBuffer, st::RealBuffer, &MakeAudio<TOWAudioToRealFormatConverter>,
                            "TOWAudioToRealFormatConverter");
  OWRegisterFormatConverter(st::AudioBuffer, st::BinaryBuffer, &MakeAudio<TOWAudioToBinaryFormatConverter>,
                            "TOWAudioToBinaryFormatConverter");
}

void OWEnsureStreamRegistrations() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const TGUID& t : {st::BinaryBuffer, st::RealBuffer, st::IntegerBuffer, st::ComplexBuffer, st::GenericBuffer,
                           st::PairedBuffers, st::StringBuffer, st::RealMatrix, st::AudioBuffer})
      OWSetStreamTypeDispatch(t, &OWBufferDispatch);
    OWRegisterStandardConverters();
  });
}
