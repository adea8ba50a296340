#pragma once
// Interfaces of the data buffer family. Buffers travel between components as
// these interfaces (held in TRef); an interface query is QueryInterface<T>.
// Each interface carries its fixed identifier (IID).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/guid.h"
#include "platform/interfaces.h"
#include "platform/wave_format.h"

class TSLBasicBuffer;
class TSLSequenceStamp;
class TMLTimeStamp;
class ISLIntegerBuffer;
class ISLRealBuffer;

struct TSLComplex {
  double re = 0;
  double im = 0;
  friend bool operator==(const TSLComplex&, const TSLComplex&) = default;
};

class ISLData : public virtual IInterface {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{B9246BCA-4961-415C-945F-257B3EA0ECFC}");
  // The implementing buffer object.
  virtual TSLBasicBuffer* GetInstance() = 0;
  // A new handle of the same class on the same storage (no data copied).
  virtual TRef<ISLData> Clone() = 0;
};

class ISLDataBuffer : public virtual ISLData {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{CA519E69-AECD-43D8-89CF-3B55E15541ED}");
  // Makes this handle share the source's storage, byte size and data start.
  virtual void Assign(ISLData* source) = 0;
  // Same byte size and same bytes.
  virtual bool IsEqual(ISLDataBuffer* other) = 0;
  // Read: the data, no copy. Write: exclusive storage, contents undefined when
  // it had to be cloned. Modify: exclusive storage, contents kept.
  virtual uint8_t* Read() = 0;
  virtual uint8_t* Write() = 0;
  virtual uint8_t* Modify() = 0;
  virtual uint32_t GetByteSize() = 0;
  virtual int32_t GetCount() = 0;
  // Identity token of this handle.
  virtual TSLSequenceStamp* GetSequenceStamp() = 0;
  // Copies `count` units from this buffer at sourceOffset into destination at
  // destinationOffset (bytes in general; elements between buffers of the same
  // element type). No range check: the caller keeps both ranges inside.
  virtual void CopyTo(uint32_t sourceOffset, ISLDataBuffer* destination, uint32_t count,
                      uint32_t destinationOffset) = 0;
  // Copy on write; true when the storage had to be cloned.
  virtual bool MakeUnique(bool keepData) = 0;
  // Writes GetByteSize bytes; file errors raise std::ios_base::failure.
  virtual void SaveToFile(const std::string& fileName) = 0;
  // Reads exactly GetByteSize bytes; a short file raises std::ios_base::failure
  // and the buffer keeps what was read.
  virtual void LoadFromFile(const std::string& fileName) = 0;
};

class ISLLinearDataBuffer : public virtual ISLDataBuffer {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{74B0C439-956B-4E5F-98FF-4A1C27ABBD97}");
  virtual void SetCount(int32_t count, bool keepData = true) = 0;
};

class ISLRealBuffer : public virtual ISLLinearDataBuffer {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{032C61EC-364E-4739-A2FE-E7DA0BA64939}");
  virtual const double* ReadReals() = 0;
  virtual double* WriteReals() = 0;
  virtual double* ModifyReals() = 0;
  // Range-checked element access ("Index out of range = %u").
  virtual double GetValue(int32_t index) = 0;
  virtual void SetValue(int32_t index, double value) = 0;

  virtual void FillJaehne(double magnitude) = 0;
  // Element-wise over min(count, other's count), in place.
  virtual void Add(ISLRealBuffer* other) = 0;
  virtual void Subtract(ISLRealBuffer* other) = 0;
  virtual void Multiply(ISLRealBuffer* other) = 0;
  // A zero divisor gives 1e15 for a positive dividend and -1e14 otherwise.
  virtual void Divide(ISLRealBuffer* other) = 0;
  virtual void Fill(double value) = 0;
  virtual void AddConst(double x) = 0;
  virtual void SubtractConst(double x) = 0;
  virtual void MultiplyConst(double x) = 0;
  virtual void DivideConst(double x) = 0;
  virtual void Zero() = 0;
  // Saturating conversion, ties to even when nearest, toward zero otherwise.
  virtual void ToInt32(int32_t* destination, bool nearest) = 0;
  // Low 16 bits of the rounded (or truncated) integer.
  virtual void ToInt16(int16_t* destination, bool nearest) = 0;
  virtual void ToSingle(float* destination) = 0;
  // GetCount elements from the given memory.
  virtual void FromInt32(const int32_t* source) = 0;
  virtual void FromInt16(const int16_t* source) = 0;
  virtual void FromSingle(const float* source) = 0;
  // self[i] := (other[i] - subtrahend) / divisor.
  virtual void NormalizeFrom(ISLRealBuffer* other, double subtrahend, double divisor) = 0;
  virtual void Normalize(double subtrahend, double divisor) = 0;
  virtual double DotProduct(ISLRealBuffer* other) = 0;
  // lower: every element below level becomes level; otherwise every element above.
  virtual void Threshold(bool lower, double level) = 0;
  virtual void ThresholdFrom(bool lower, ISLRealBuffer* other, double level) = 0;
  virtual void Square() = 0;
  virtual void SquareFrom(ISLRealBuffer* other) = 0;
  virtual void SquareRoot() = 0;
  virtual void SquareRootFrom(ISLRealBuffer* other) = 0;
  virtual void Abs() = 0;
  virtual void AbsFrom(ISLRealBuffer* other) = 0;
  virtual void Exp() = 0;
  virtual void ExpFrom(ISLRealBuffer* other) = 0;
  virtual void Ln() = 0;
  virtual void LnFrom(ISLRealBuffer* other) = 0;
  // kind 0 plain, 1 and 2 the normalised variants; GetCount lags of other.
  virtual void AutoCorrelation(ISLRealBuffer* other, int32_t kind) = 0;
  // GetCount lags of a against b starting at lowLag.
  virtual void CrossCorrelation(ISLRealBuffer* a, ISLRealBuffer* b, int32_t lowLag) = 0;
  // This buffer becomes the full convolution (count a + b - 1).
  virtual void Convolve(ISLRealBuffer* a, ISLRealBuffer* b) = 0;
  virtual double Mean() = 0;
  virtual double StdDev() = 0;
  // kind 0: L1 norm of the difference, 1: L2, 2: maximum norm.
  virtual double NormDiff(ISLRealBuffer* other, int32_t kind) = 0;
  // 0 for an empty buffer.
  virtual double Min() = 0;
  virtual double Max() = 0;
  virtual double MinIndex(int32_t& index) = 0;
  virtual double MaxIndex(int32_t& index) = 0;
  // Elements start .. end-1 after clamping to the buffer.
  virtual double MinInRange(int32_t start, int32_t end) = 0;
  virtual double MaxInRange(int32_t start, int32_t end) = 0;
  // Values at or beyond +-1.7e308 count as missing.
  virtual double MinFiniteInRange(int32_t start, int32_t end) = 0;
  virtual double MaxFiniteInRange(int32_t start, int32_t end) = 0;
};

class ISLIntegerBuffer : public virtual ISLLinearDataBuffer {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{48F8BE14-5E22-4E89-B3CB-DECFF9470962}");
  virtual const int32_t* ReadIntegers() = 0;
  virtual int32_t* WriteIntegers() = 0;
  virtual int32_t* ModifyIntegers() = 0;
  virtual int32_t GetValue(int32_t index) = 0;
  virtual void SetValue(int32_t index, int32_t value) = 0;
  virtual void Fill(int32_t value) = 0;
  virtual void Zero() = 0;
};

class ISLComplexBuffer : public virtual ISLLinearDataBuffer {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{F422DE0D-2F1E-4261-835A-FF2926E60739}");
  virtual const TSLComplex* ReadComplex() = 0;
  virtual TSLComplex* WriteComplex() = 0;
  virtual TSLComplex* ModifyComplex() = 0;
  virtual TSLComplex GetValue(int32_t index) = 0;
  virtual void SetValue(int32_t index, TSLComplex value) = 0;
  virtual void Fill(TSLComplex value) = 0;
  virtual void Zero() = 0;
};

class ISLMatrixBuffer : public virtual ISLDataBuffer {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{E55C1743-5337-428C-ADE4-AD22C0D889FE}");
  virtual int32_t GetRows() = 0;
  virtual int32_t GetColumns() = 0;
  virtual void SetSize(int32_t rows, int32_t columns, bool keepData) = 0;
};

class ISLRealMatrixBuffer : public virtual ISLMatrixBuffer {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{BF8C5220-6356-4D3F-BC39-911C3A7C47FF}");
  virtual const double* ReadReals() = 0;
  virtual double* WriteReals() = 0;
  virtual double* ModifyReals() = 0;
  virtual double GetElement(int32_t row, int32_t column) = 0;
  virtual void SetElement(int32_t row, int32_t column, double value) = 0;
  // One row per buffer; columns := the longest row, short rows padded with 0.
  virtual void SetRows(const std::vector<ISLRealBuffer*>& rows) = 0;
};

class IMLMediaBuffer : public virtual ISLDataBuffer {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{C2E4A466-A5F1-47BB-B4F6-E6DA5ED39736}");
  virtual TMLTimeStamp* GetTimeStamp() = 0;
};

// Interleaved sample frames behind their own 40-byte format record.
class IALAudioBuffer : public virtual IMLMediaBuffer {
public:
  static constexpr TGUID IID = TGUID::FromLiteral("{49372BB8-FFDD-437C-A9D3-BA5DFB8A3B97}");
  virtual uint32_t GetChannels() = 0;
  virtual uint32_t GetValidBits() = 0;
  virtual uint32_t GetSampleRate() = 0;
  virtual uint32_t GetBlockAlign() = 0;
  virtual uint32_t GetChannelMask() = 0;
  virtual uint32_t GetBitsPerSample() = 0;
  virtual void GetFormat(TWaveFormatExtensible& destination) = 0;
  virtual uint32_t GetHeaderSize() = 0;
  virtual const uint8_t* ReadSamples() = 0;
  virtual uint8_t* WriteSamples() = 0;
  virtual uint8_t* ModifySamples() = 0;
  // "Channel out of range = %u" / "Index out of range = %u" on bad arguments.
  virtual int32_t GetSample(uint32_t frame, uint32_t channel) = 0;
  virtual void SetSample(uint32_t frame, uint32_t channel, int32_t value) = 0;
  virtual void AddBuffer(IALAudioBuffer* other) = 0;
  virtual void SubtractBuffer(IALAudioBuffer* other) = 0;
  virtual void MultiplyBuffer(IALAudioBuffer* other) = 0;
  virtual void DivideBuffer(IALAudioBuffer* other) = 0;
  virtual void FillValue(int32_t value) = 0;
  virtual void AddValue(int32_t value) = 0;
  virtual void SubtractValue(int32_t value) = 0;
  virtual void MultiplyValue(int32_t value) = 0;
  virtual void DivideValue(int32_t value) = 0;
  virtual void FillChannel(uint32_t channel, int32_t value) = 0;
  virtual void AddChannelValue(uint32_t channel, int32_t value) = 0;
  virtual void SubtractChannelValue(uint32_t channel, int32_t value) = 0;
  virtual void MultiplyChannelValue(uint32_t channel, int32_t value) = 0;
  virtual void DivideChannelValue(uint32_t channel, int32_t value) = 0;
  virtual void ZeroSamples() = 0;
  virtual void Scale(double factor) = 0;
  virtual void SetFrameCount(uint32_t frames, bool keepData) = 0;
  // One channel as a new buffer; `destination` is left as it was for an
  // unsupported sample width.
  virtual void ExtractChannelIntegers(uint32_t channel, TRef<ISLIntegerBuffer>& destination) = 0;
  virtual void ExtractChannelReals(uint32_t channel, TRef<ISLRealBuffer>& destination) = 0;
};
