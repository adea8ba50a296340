#pragma once
// Buffer handles: small reference-counted objects onto a shared storage
// container (internal_store.h). Copying a handle shares the container; the
// first write through a handle whose container has another owner clones the
// container first. Handle objects, like containers, live in pool blocks so
// that making and dropping buffers on the steady path never reaches the heap.

#include <cstdint>
#include <string>
#include <vector>

#include "buffers/buffer_interfaces.h"
#include "buffers/internal_store.h"

// Identity token handed out by GetSequenceStamp; refers back to its buffer.
class TSLSequenceStamp {
public:
  explicit TSLSequenceStamp(TSLBasicBuffer* buffer) : buffer_(buffer) {}
  TSLBasicBuffer* Buffer() const { return buffer_; }

private:
  TSLBasicBuffer* buffer_;
};

class TSLBasicBuffer : public TInterfacedObject, public virtual ISLData, public TSLPooledObject {
public:
  using TSLPooledObject::operator new;
  using TSLPooledObject::operator delete;
  TSLBasicBuffer* GetInstance() override { return this; }
  TRef<ISLData> CloneData() { return Clone(); }

protected:
  TSLBasicBuffer() = default;
};

class TSLGenericBuffer : public TSLBasicBuffer, public virtual ISLDataBuffer {
public:
  void CopyTo(uint32_t sourceOffset, ISLDataBuffer* destination, uint32_t count,
              uint32_t destinationOffset) override;
  void Assign(ISLData* source) override;
  bool IsEqual(ISLDataBuffer* other) override;
  bool MakeUnique(bool keepData) override { return DoMakeUnique(keepData); }
  uint32_t GetByteSize() override { return byteSize_; }
  int32_t GetCount() override { return static_cast<int32_t>(byteSize_); }
  uint8_t* Read() override { return data_; }
  uint8_t* Write() override;
  uint8_t* Modify() override;
  TSLSequenceStamp* GetSequenceStamp() override { return &stamp_; }
  void SaveToFile(const std::string& fileName) override;
  void LoadFromFile(const std::string& fileName) override;

  // Gives up this handle's ownership (it stays a holder, read-only in spirit).
  void ReleaseOwnership();
  TSLSmartBuffer* Container() const { return container_; }
  bool OwnsContainer() const { return owns_; }

protected:
  TSLGenericBuffer() : stamp_(this) {}
  // A handle on `other`'s container, attached as owner.
  TSLGenericBuffer(const TSLGenericBuffer& other);
  ~TSLGenericBuffer() override;

  virtual bool DoMakeUnique(bool keepData);
  // The data pointer follows the container (memory buffers: the block start).
  virtual void ContainerChanged() {}
  void SetContainer(TSLSmartBuffer* container) { container_ = container; }
  // Checks that [offset, offset + count) lies within `size` units.
  static void CheckRange(uint32_t offset, uint32_t count, uint32_t size);
  // Attaches to `container` with this handle's owns flag, detaching from the
  // current one; the byte size stays as it is.
  void SwitchContainer(TSLSmartBuffer* container);

  TSLSequenceStamp stamp_;
  uint8_t* data_ = nullptr;
  // Where the data starts inside the container's block (0 for plain memory,
  // the header size for audio).
  uint32_t dataOffset_ = 0;
  uint32_t byteSize_ = 0;
  TSLSmartBuffer* container_ = nullptr;
  bool owns_ = true;
};

class TSLMemoryBuffer : public TSLGenericBuffer {
public:
  int32_t GetCount() override { return static_cast<int32_t>(byteSize_ / GetElementSize()); }
  virtual uint32_t GetElementSize() const { return 1; }
  virtual uint32_t GetDataSize() { return byteSize_; }

protected:
  TSLMemoryBuffer() = default;
  TSLMemoryBuffer(const TSLMemoryBuffer& other) : TSLGenericBuffer(other) {}
  // Constructors of the concrete classes call these (the element size is
  // only known once the concrete class is being built).
  void InitCount(int32_t count);
  void InitCopy(const void* data, int32_t count);
  void InitShare(ISLData* source);
  virtual TSLSmartBuffer* CreateContainer(int32_t count);
  void ContainerChanged() override;
};

class TSLLinearMemoryBuffer : public TSLMemoryBuffer, public virtual ISLLinearDataBuffer {
public:
  void SetCount(int32_t count, bool keepData = true) override;

protected:
  TSLLinearMemoryBuffer() = default;
  TSLLinearMemoryBuffer(const TSLLinearMemoryBuffer& other) : TSLMemoryBuffer(other) {}
};

class TSLRealBuffer final : public TSLLinearMemoryBuffer, public virtual ISLRealBuffer {
public:
  TSLRealBuffer() { InitCount(0); }
  explicit TSLRealBuffer(int32_t count) { InitCount(count); }
  TSLRealBuffer(const double* data, int32_t count) { InitCopy(data, count); }
  TSLRealBuffer(const int32_t* data, int32_t count);
  TSLRealBuffer(const TSLRealBuffer& other) : TSLLinearMemoryBuffer(other) {}
  // A handle on the source's container; its bytes are viewed as doubles.
  explicit TSLRealBuffer(ISLData* source) { InitShare(source); }

  TRef<ISLData> Clone() override { return TRef<ISLData>(new TSLRealBuffer(*this)); }
  uint32_t GetElementSize() const override { return 8; }
  int32_t GetCount() override { return static_cast<int32_t>(byteSize_ >> 3); }
  void CopyTo(uint32_t sourceOffset, ISLDataBuffer* destination, uint32_t count,
              uint32_t destinationOffset) override;
  bool IsEqual(ISLDataBuffer* other) override;

  const double* ReadReals() override { return reinterpret_cast<const double*>(Read()); }
  double* WriteReals() override { return reinterpret_cast<double*>(Write()); }
  double* ModifyReals() override { return reinterpret_cast<double*>(Modify()); }
  double GetValue(int32_t index) override;
  void SetValue(int32_t index, double value) override;
  void FillJaehne(double magnitude) override;
  void Add(ISLRealBuffer* other) override;
  void Subtract(ISLRealBuffer* other) override;
  void Multiply(ISLRealBuffer* other) override;
  void Divide(ISLRealBuffer* other) override;
  void Fill(double value) override;
  void AddConst(double x) override;
  void SubtractConst(double x) override;
  void MultiplyConst(double x) override;
  void DivideConst(double x) override;
  void Zero() override;
  void ToInt32(int32_t* destination, bool nearest) override;
  void ToInt16(int16_t* destination, bool nearest) override;
  void ToSingle(float* destination) override;
  void FromInt32(const int32_t* source) override;
  void FromInt16(const int16_t* source) override;
  void FromSingle(const float* source) override;
  void NormalizeFrom(ISLRealBuffer* other, double subtrahend, double divisor) override;
  void Normalize(double subtrahend, double divisor) override;
  double DotProduct(ISLRealBuffer* other) override;
  void Threshold(bool lower, double level) override;
  void ThresholdFrom(bool lower, ISLRealBuffer* other, double level) override;
  void Square() override;
  void SquareFrom(ISLRealBuffer* other) override;
  void SquareRoot() override;
  void SquareRootFrom(ISLRealBuffer* other) override;
  void Abs() override;
  void AbsFrom(ISLRealBuffer* other) override;
  void Exp() override;
  void ExpFrom(ISLRealBuffer* other) override;
  void Ln() override;
  void LnFrom(ISLRealBuffer* other) override;
  void AutoCorrelation(ISLRealBuffer* other, int32_t kind) override;
  void CrossCorrelation(ISLRealBuffer* a, ISLRealBuffer* b, int32_t lowLag) override;
  void Convolve(ISLRealBuffer* a, ISLRealBuffer* b) override;
  double Mean() override;
  double StdDev() override;
  double NormDiff(ISLRealBuffer* other, int32_t kind) override;
  double Min() override;
  double Max() override;
  double MinIndex(int32_t& index) override;
  double MaxIndex(int32_t& index) override;
  double MinInRange(int32_t start, int32_t end) override;
  double MaxInRange(int32_t start, int32_t end) override;
  double MinFiniteInRange(int32_t start, int32_t end) override;
  double MaxFiniteInRange(int32_t start, int32_t end) override;

private:
  // Clamps a search range; false when nothing is left of it.
  bool ClampRange(int32_t& start, int32_t& end);
  // Where to write results for the first m elements: a block whose contents
  // may be discarded when m covers the whole buffer, else the kept contents.
  double* TargetFor(int32_t m);
  // A second handle on this buffer when `other` reads this buffer's own data,
  // so that writing clones the storage instead of overwriting the source.
  TRef<ISLData> KeepSource(ISLRealBuffer* other);
};

class TSLIntegerBuffer final : public TSLLinearMemoryBuffer, public virtual ISLIntegerBuffer {
public:
  TSLIntegerBuffer() { InitCount(0); }
  explicit TSLIntegerBuffer(int32_t count) { InitCount(count); }
  TSLIntegerBuffer(const int32_t* data, int32_t count) { InitCopy(data, count); }
  TSLIntegerBuffer(const TSLIntegerBuffer& other) : TSLLinearMemoryBuffer(other) {}
  explicit TSLIntegerBuffer(ISLData* source) { InitShare(source); }

  TRef<ISLData> Clone() override { return TRef<ISLData>(new TSLIntegerBuffer(*this)); }
  uint32_t GetElementSize() const override { return 4; }
  int32_t GetCount() override { return static_cast<int32_t>(byteSize_ >> 2); }
  const int32_t* ReadIntegers() override { return reinterpret_cast<const int32_t*>(Read()); }
  int32_t* WriteIntegers() override { return reinterpret_cast<int32_t*>(Write()); }
  int32_t* ModifyIntegers() override { return reinterpret_cast<int32_t*>(Modify()); }
  int32_t GetValue(int32_t index) override;
  void SetValue(int32_t index, int32_t value) override;
  void Fill(int32_t value) override;
  void Zero() override { Fill(0); }
};

class TSLComplexBuffer final : public TSLLinearMemoryBuffer, public virtual ISLComplexBuffer {
public:
  TSLComplexBuffer() { InitCount(0); }
  explicit TSLComplexBuffer(int32_t count) { InitCount(count); }
  TSLComplexBuffer(const TSLComplex* data, int32_t count) { InitCopy(data, count); }
  TSLComplexBuffer(const TSLComplexBuffer& other) : TSLLinearMemoryBuffer(other) {}
  explicit TSLComplexBuffer(ISLData* source) { InitShare(source); }

  TRef<ISLData> Clone() override { return TRef<ISLData>(new TSLComplexBuffer(*this)); }
  uint32_t GetElementSize() const override { return 16; }
  int32_t GetCount() override { return static_cast<int32_t>(byteSize_ >> 4); }
  const TSLComplex* ReadComplex() override { return reinterpret_cast<const TSLComplex*>(Read()); }
  TSLComplex* WriteComplex() override { return reinterpret_cast<TSLComplex*>(Write()); }
  TSLComplex* ModifyComplex() override { return reinterpret_cast<TSLComplex*>(Modify()); }
  TSLComplex GetValue(int32_t index) override;
  void SetValue(int32_t index, TSLComplex value) override;
  void Fill(TSLComplex value) override;
  void Zero() override { Fill(TSLComplex{}); }
};

// Raw bytes; what a binary stream carries.
class TSLBlockBuffer final : public TSLLinearMemoryBuffer {
public:
  TSLBlockBuffer() { InitCount(0); }
  explicit TSLBlockBuffer(int32_t count) { InitCount(count); }
  TSLBlockBuffer(const void* data, int32_t count) { InitCopy(data, count); }
  TSLBlockBuffer(const TSLBlockBuffer& other) : TSLLinearMemoryBuffer(other) {}
  explicit TSLBlockBuffer(ISLData* source) { InitShare(source); }

  TRef<ISLData> Clone() override { return TRef<ISLData>(new TSLBlockBuffer(*this)); }
  uint8_t GetByte(int32_t index);
  void SetByte(int32_t index, uint8_t value);
};

class TSLRealMatrixBuffer final : public TSLMemoryBuffer, public virtual ISLRealMatrixBuffer {
public:
  TSLRealMatrixBuffer() { InitCount(0); }
  TSLRealMatrixBuffer(int32_t rows, int32_t columns);
  explicit TSLRealMatrixBuffer(const std::vector<ISLRealBuffer*>& rows);
  TSLRealMatrixBuffer(const TSLRealMatrixBuffer& other)
      : TSLMemoryBuffer(other), columns_(other.columns_), rows_(other.rows_) {}

  TRef<ISLData> Clone() override { return TRef<ISLData>(new TSLRealMatrixBuffer(*this)); }
  uint32_t GetElementSize() const override { return 8; }
  int32_t GetCount() override { return static_cast<int32_t>(byteSize_ >> 3); }
  void Assign(ISLData* source) override;
  int32_t GetRows() override { return rows_; }
  int32_t GetColumns() override { return columns_; }
  void SetSize(int32_t rows, int32_t columns, bool keepData) override;
  const double* ReadReals() override { return reinterpret_cast<const double*>(Read()); }
  double* WriteReals() override { return reinterpret_cast<double*>(Write()); }
  double* ModifyReals() override { return reinterpret_cast<double*>(Modify()); }
  double GetElement(int32_t row, int32_t column) override;
  void SetElement(int32_t row, int32_t column, double value) override;
  void SetRows(const std::vector<ISLRealBuffer*>& rows) override;

private:
  int32_t columns_ = 0;
  int32_t rows_ = 0;
};
