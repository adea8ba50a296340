#include "buffers/simple_data_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

#include "buffers/kernels.h"
#include "buffers/sl_exception.h"

// ---- TSLGenericBuffer ----

TSLGenericBuffer::TSLGenericBuffer(const TSLGenericBuffer& other)
    : TSLBasicBuffer(),
      stamp_(this),
      data_(other.data_),
      dataOffset_(other.dataOffset_),
      byteSize_(other.byteSize_),
      container_(other.container_),
      owns_(true) {
  if (container_) container_->Attach(true);
}

TSLGenericBuffer::~TSLGenericBuffer() {
  if (container_) container_->Detach(owns_);
}

void TSLGenericBuffer::CheckRange(uint32_t offset, uint32_t count, uint32_t size) {
  if (offset > size) throw ESLRangeError::Index(offset);
  if (count > size - offset) throw ESLRangeError::Index(offset + count - 1);
}

void TSLGenericBuffer::SwitchContainer(TSLSmartBuffer* container) {
  TSLSmartBuffer* old = container_;
  container->Attach(owns_);
  SetContainer(container);
  if (old) old->Detach(owns_);
}

bool TSLGenericBuffer::DoMakeUnique(bool keepData) {
  if (!container_ || container_->IsExclusive()) return false;
  SwitchContainer(container_->CloneContainer(keepData));
  ContainerChanged();
  return true;
}

uint8_t* TSLGenericBuffer::Write() {
  MakeUnique(false);
  return data_;
}

uint8_t* TSLGenericBuffer::Modify() {
  MakeUnique(true);
  return data_;
}

void TSLGenericBuffer::ReleaseOwnership() {
  if (owns_ && container_) {
    container_->ReleaseOwner();
    owns_ = false;
  }
}

void TSLGenericBuffer::Assign(ISLData* source) {
  if (!source) return;
  auto* src = dynamic_cast<TSLGenericBuffer*>(source->GetInstance());
  if (!src || !src->container_) return;
  if (src != this && src->container_ != container_) {
    SwitchContainer(src->container_);
    ContainerChanged();
  }
  // Sample bytes only when viewing a buffer that keeps a header in front.
  byteSize_ = src->GetByteSize();
  dataOffset_ = src->dataOffset_;
  data_ = src->data_;
}

bool TSLGenericBuffer::IsEqual(ISLDataBuffer* other) {
  if (!other) return false;
  uint32_t size = GetByteSize();
  if (other->GetByteSize() != size) return false;
  return size == 0 || std::memcmp(Read(), other->Read(), size) == 0;
}

void TSLGenericBuffer::CopyTo(uint32_t sourceOffset, ISLDataBuffer* destination, uint32_t count,
                              uint32_t destinationOffset) {
  if (!destination || count == 0) return;
  // Unchecked ranges would write outside the destination's block.
  CheckRange(sourceOffset, count, GetByteSize());
  CheckRange(destinationOffset, count, destination->GetByteSize());
  uint8_t* dst = destination->Modify();
  const uint8_t* src = Read();
  Kernels().ippsCopy_8u(src + sourceOffset, dst + destinationOffset, static_cast<int>(count));
}

void TSLGenericBuffer::SaveToFile(const std::string& fileName) {
  std::ofstream out;
  out.exceptions(std::ios::failbit | std::ios::badbit);
  out.open(fileName, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(Read()), static_cast<std::streamsize>(GetByteSize()));
  out.close();
}

void TSLGenericBuffer::LoadFromFile(const std::string& fileName) {
  std::ifstream in;
  in.exceptions(std::ios::failbit | std::ios::badbit);
  in.open(fileName, std::ios::binary);
  uint32_t size = GetByteSize();
  uint8_t* target = Write();
  in.read(reinterpret_cast<char*>(target), static_cast<std::streamsize>(size));
}

// ---- TSLMemoryBuffer ----

TSLSmartBuffer* TSLMemoryBuffer::CreateContainer(int32_t count) {
  uint64_t bytes = uint64_t(std::max(count, 0)) * GetElementSize();
  // Beyond the largest block the container would be smaller than asked for.
  if (bytes > (uint64_t(1) << 30)) throw ESLOutOfMemory();
  return new TSLSmartMemoryBuffer(static_cast<uint32_t>(bytes));
}

void TSLMemoryBuffer::ContainerChanged() {
  data_ = container_ ? container_->Block() + dataOffset_ : nullptr;
}

void TSLMemoryBuffer::InitCount(int32_t count) {
  count = std::max(count, 0);
  TSLSmartBuffer* container = CreateContainer(count);
  container->Attach(true);
  SetContainer(container);
  dataOffset_ = 0;
  byteSize_ = static_cast<uint32_t>(count) * GetElementSize();
  ContainerChanged();
}

void TSLMemoryBuffer::InitCopy(const void* data, int32_t count) {
  InitCount(count);
  if (data && byteSize_) std::memcpy(data_, data, byteSize_);
}

void TSLMemoryBuffer::InitShare(ISLData* source) {
  auto* src = source ? dynamic_cast<TSLGenericBuffer*>(source->GetInstance()) : nullptr;
  if (!src || !src->Container()) {
    InitCount(0);
    return;
  }
  Assign(source);
}

// ---- TSLLinearMemoryBuffer ----

void TSLLinearMemoryBuffer::SetCount(int32_t count, bool keepData) {
  const uint32_t e = GetElementSize();
  count = std::max(count, 0);
  if (count == 0) {
    byteSize_ = 0;
    ContainerChanged();
    return;
  }
  const int32_t current = GetCount();
  if (count == current) return;
  const uint32_t newBytes = static_cast<uint32_t>(std::min<uint64_t>(uint64_t(count) * e, UINT32_MAX));
  if (keepData && count < current) {
    byteSize_ = newBytes;
    return;
  }
  if (keepData && container_ && container_->IsExclusive() &&
      (container_->AllocatedSize() - dataOffset_) / e >= static_cast<uint32_t>(count)) {
    byteSize_ = newBytes;
    return;
  }
  TSLSmartBuffer* fresh = CreateContainer(count);
  if (keepData && container_) {
    uint32_t oldSize = container_->AllocatedSize() - dataOffset_;
    std::memcpy(fresh->Block(), data_, std::min(oldSize, fresh->AllocatedSize()));
  }
  SwitchContainer(fresh);
  dataOffset_ = 0;
  byteSize_ = newBytes;
  ContainerChanged();
}

// ---- TSLRealBuffer ----

TSLRealBuffer::TSLRealBuffer(const int32_t* data, int32_t count) {
  InitCount(count);
  if (data && count > 0) Kernels().ippsConvert_32s64f(data, reinterpret_cast<double*>(data_), count);
}

void TSLRealBuffer::CopyTo(uint32_t sourceOffset, ISLDataBuffer* destination, uint32_t count,
                           uint32_t destinationOffset) {
  auto* real = destination ? dynamic_cast<TSLRealBuffer*>(destination->GetInstance()) : nullptr;
  if (!real) {
    TSLGenericBuffer::CopyTo(sourceOffset, destination, count, destinationOffset);
    return;
  }
  if (count == 0) return;
  CheckRange(sourceOffset, count, static_cast<uint32_t>(GetCount()));
  CheckRange(destinationOffset, count, static_cast<uint32_t>(real->GetCount()));
  double* dst = real->ModifyReals();
  const double* src = ReadReals();
  Kernels().ippsCopy_64f(src + sourceOffset, dst + destinationOffset, static_cast<int>(count));
}

bool TSLRealBuffer::IsEqual(ISLDataBuffer* other) {
  if (!other || !dynamic_cast<TSLRealBuffer*>(other->GetInstance())) return false;
  return TSLGenericBuffer::IsEqual(other);
}

double TSLRealBuffer::GetValue(int32_t index) {
  if (index < 0 || index >= GetCount()) throw ESLRangeError::Index(static_cast<uint32_t>(index));
  return ReadReals()[index];
}

void TSLRealBuffer::SetValue(int32_t index, double value) {
  double* data = ModifyReals();
  if (index < 0 || index >= GetCount()) throw ESLRangeError::Index(static_cast<uint32_t>(index));
  data[index] = value;
}

double* TSLRealBuffer::TargetFor(int32_t m) {
  return m >= GetCount() ? WriteReals() : ModifyReals();
}

TRef<ISLData> TSLRealBuffer::KeepSource(ISLRealBuffer* other) {
  if (other && other->ReadReals() == ReadReals() && GetCount() > 0) return Clone();
  return nullptr;
}

namespace {
int32_t CountOf(ISLRealBuffer* b) { return b ? b->GetCount() : 0; }
}  // namespace

void TSLRealBuffer::FillJaehne(double magnitude) {
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsVectorJaehne_64f(WriteReals(), n, magnitude);
}

void TSLRealBuffer::Add(ISLRealBuffer* other) {
  int32_t m = std::min(GetCount(), CountOf(other));
  if (m <= 0) return;
  double* dst = ModifyReals();
  Kernels().ippsAdd_64f_I(other->ReadReals(), dst, m);
}

void TSLRealBuffer::Subtract(ISLRealBuffer* other) {
  int32_t m = std::min(GetCount(), CountOf(other));
  if (m <= 0) return;
  double* dst = ModifyReals();
  Kernels().ippsSub_64f_I(other->ReadReals(), dst, m);
}

void TSLRealBuffer::Multiply(ISLRealBuffer* other) {
  int32_t m = std::min(GetCount(), CountOf(other));
  if (m <= 0) return;
  double* dst = ModifyReals();
  Kernels().ippsMul_64f_I(other->ReadReals(), dst, m);
}

void TSLRealBuffer::Divide(ISLRealBuffer* other) {
  int32_t m = std::min(GetCount(), CountOf(other));
  if (m <= 0) return;
  double* dst = ModifyReals();
  const double* src = other->ReadReals();
  if (Kernels().ippsDiv_64f_I(src, dst, m) != ippStsDivByZero) return;
  for (int32_t i = 0; i < m; ++i) {
    if (src[i] != 0.0) continue;
    // The quotient's sign tells the dividend's: x/0 is +inf exactly when x
    // was above 0 (the divisor's own sign taken out).
    double q = dst[i] * std::copysign(1.0, src[i]);
    dst[i] = q > 0 ? 1e15 : -1e14;
  }
}

void TSLRealBuffer::Fill(double value) {
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsSet_64f(value, WriteReals(), n);
}

void TSLRealBuffer::AddConst(double x) {
  int32_t n = GetCount();
  if (x != 0 && n > 0) Kernels().ippsAddC_64f_I(x, ModifyReals(), n);
}

void TSLRealBuffer::SubtractConst(double x) {
  int32_t n = GetCount();
  if (x != 0 && n > 0) Kernels().ippsSubC_64f_I(x, ModifyReals(), n);
}

void TSLRealBuffer::MultiplyConst(double x) {
  int32_t n = GetCount();
  if (x != 1 && n > 0) Kernels().ippsMulC_64f_I(x, ModifyReals(), n);
}

void TSLRealBuffer::DivideConst(double x) {
  int32_t n = GetCount();
  if (x != 0 && x != 1 && n > 0) Kernels().ippsDivC_64f_I(x, ModifyReals(), n);
}

void TSLRealBuffer::Zero() {
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsZero_64f(WriteReals(), n);
}

void TSLRealBuffer::ToInt32(int32_t* destination, bool nearest) {
  int32_t n = GetCount();
  if (n > 0 && destination)
    Kernels().ippsConvert_64f32s_Sfs(ReadReals(), destination, n, nearest ? ippRndNear : ippRndZero, 0);
}

void TSLRealBuffer::ToInt16(int16_t* destination, bool nearest) {
  int32_t n = GetCount();
  if (!destination) return;
  const double* src = ReadReals();
  for (int32_t i = 0; i < n; ++i) {
    double v = nearest ? std::nearbyint(src[i]) : std::trunc(src[i]);
    // Values outside the 64-bit range (and NaN) have no integer result to
    // cut; they are limited first instead of being undefined.
    int64_t wide;
    if (!(v == v)) wide = 0;
    else if (v >= 9.2233720368547758e18) wide = std::numeric_limits<int64_t>::max();
    else if (v <= -9.2233720368547758e18) wide = std::numeric_limits<int64_t>::min();
    else wide = static_cast<int64_t>(v);
    destination[i] = static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(wide) & 0xFFFF));
  }
}

void TSLRealBuffer::ToSingle(float* destination) {
  int32_t n = GetCount();
  if (n > 0 && destination) Kernels().ippsConvert_64f32f(ReadReals(), destination, n);
}

void TSLRealBuffer::FromInt32(const int32_t* source) {
  int32_t n = GetCount();
  if (n > 0 && source) Kernels().ippsConvert_32s64f(source, WriteReals(), n);
}

void TSLRealBuffer::FromInt16(const int16_t* source) {
  int32_t n = GetCount();
  if (n > 0 && source) Kernels().ippsConvert_16s64f_Sfs(source, WriteReals(), n, 0);
}

void TSLRealBuffer::FromSingle(const float* source) {
  int32_t n = GetCount();
  if (n > 0 && source) Kernels().ippsConvert_32f64f(source, WriteReals(), n);
}

void TSLRealBuffer::NormalizeFrom(ISLRealBuffer* other, double subtrahend, double divisor) {
  int32_t m = std::min(GetCount(), CountOf(other));
  if (m <= 0) return;
  double* dst = TargetFor(m);
  Kernels().ippsNormalize_64f(other->ReadReals(), dst, m, subtrahend, divisor);
}

void TSLRealBuffer::Normalize(double subtrahend, double divisor) {
  TRef<TSLRealBuffer> self(new TSLRealBuffer(*this));
  NormalizeFrom(self.get(), subtrahend, divisor);
}

double TSLRealBuffer::DotProduct(ISLRealBuffer* other) {
  int32_t m = std::min(GetCount(), CountOf(other));
  double result = 0;
  if (m > 0) Kernels().ippsDotProd_64f(ReadReals(), other->ReadReals(), m, &result);
  return result;
}

void TSLRealBuffer::Threshold(bool lower, double level) {
  int32_t n = GetCount();
  if (n <= 0) return;
  if (lower) Kernels().ippsThreshold_LT_64f_I(ModifyReals(), n, level);
  else Kernels().ippsThreshold_GT_64f_I(ModifyReals(), n, level);
}

void TSLRealBuffer::ThresholdFrom(bool lower, ISLRealBuffer* other, double level) {
  int32_t m = std::min(GetCount(), CountOf(other));
  if (m <= 0) return;
  double* dst = TargetFor(m);
  if (lower) Kernels().ippsThreshold_LT_64f(other->ReadReals(), dst, m, level);
  else Kernels().ippsThreshold_GT_64f(other->ReadReals(), dst, m, level);
}

#define TREMORA_REAL_UNARY(Name, Kernel)                                    \
  void TSLRealBuffer::Name() {                                              \
    int32_t n = GetCount();                                                 \
    if (n > 0) Kernels().Kernel##_I(ModifyReals(), n);                      \
  }                                                                         \
  void TSLRealBuffer::Name##From(ISLRealBuffer* other) {                    \
    int32_t m = std::min(GetCount(), CountOf(other));                       \
    if (m <= 0) return;                                                     \
    double* dst = TargetFor(m);                                             \
    Kernels().Kernel(other->ReadReals(), dst, m);                           \
  }
TREMORA_REAL_UNARY(Square, ippsSqr_64f)
TREMORA_REAL_UNARY(SquareRoot, ippsSqrt_64f)
TREMORA_REAL_UNARY(Abs, ippsAbs_64f)
TREMORA_REAL_UNARY(Exp, ippsExp_64f)
TREMORA_REAL_UNARY(Ln, ippsLn_64f)
#undef TREMORA_REAL_UNARY

void TSLRealBuffer::AutoCorrelation(ISLRealBuffer* other, int32_t kind) {
  int32_t n = GetCount(), on = CountOf(other);
  if (n <= 0 || on <= 0) return;
  TRef<ISLData> keep = KeepSource(other);
  const double* src = other->ReadReals();
  double* dst = WriteReals();
  const auto& k = Kernels();
  if (kind == 1) k.ippsAutoCorr_NormA_64f(src, on, dst, n);
  else if (kind == 2) k.ippsAutoCorr_NormB_64f(src, on, dst, n);
  else k.ippsAutoCorr_64f(src, on, dst, n);
}

void TSLRealBuffer::CrossCorrelation(ISLRealBuffer* a, ISLRealBuffer* b, int32_t lowLag) {
  int32_t n = GetCount(), an = CountOf(a), bn = CountOf(b);
  if (n <= 0 || an <= 0 || bn <= 0) return;
  TRef<ISLData> keepA = KeepSource(a), keepB = KeepSource(b);
  const double* pa = a->ReadReals();
  const double* pb = b->ReadReals();
  Kernels().ippsCrossCorr_64f(pa, an, pb, bn, WriteReals(), n, lowLag);
}

void TSLRealBuffer::Convolve(ISLRealBuffer* a, ISLRealBuffer* b) {
  int32_t an = CountOf(a), bn = CountOf(b);
  if (an <= 0 || bn <= 0) {
    SetCount(0, false);
    return;
  }
  // Hold the sources' storage while this buffer moves to a fresh block.
  TRef<TSLRealBuffer> ha(new TSLRealBuffer(a)), hb(new TSLRealBuffer(b));
  SetCount(an + bn - 1, false);
  Kernels().ippsConv_64f(ha->ReadReals(), an, hb->ReadReals(), bn, WriteReals());
}

double TSLRealBuffer::Mean() {
  double r = 0;
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsMean_64f(ReadReals(), n, &r);
  return r;
}

double TSLRealBuffer::StdDev() {
  double r = 0;
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsStdDev_64f(ReadReals(), n, &r);
  return r;
}

double TSLRealBuffer::NormDiff(ISLRealBuffer* other, int32_t kind) {
  int32_t m = std::min(GetCount(), CountOf(other));
  double r = 0;
  if (m <= 0) return r;
  const auto& k = Kernels();
  if (kind == 1) k.ippsNormDiff_L2_64f(ReadReals(), other->ReadReals(), m, &r);
  else if (kind == 2) k.ippsNormDiff_Inf_64f(ReadReals(), other->ReadReals(), m, &r);
  else k.ippsNormDiff_L1_64f(ReadReals(), other->ReadReals(), m, &r);
  return r;
}

double TSLRealBuffer::Min() {
  double r = 0;
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsMin_64f(ReadReals(), n, &r);
  return r;
}

double TSLRealBuffer::Max() {
  double r = 0;
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsMax_64f(ReadReals(), n, &r);
  return r;
}

double TSLRealBuffer::MinIndex(int32_t& index) {
  double r = 0;
  index = 0;
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsMinIndx_64f(ReadReals(), n, &r, &index);
  return r;
}

double TSLRealBuffer::MaxIndex(int32_t& index) {
  double r = 0;
  index = 0;
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsMaxIndx_64f(ReadReals(), n, &r, &index);
  return r;
}

bool TSLRealBuffer::ClampRange(int32_t& start, int32_t& end) {
  int32_t n = GetCount();
  if (start < 0) start = 0;
  if (end < 0) end = 0;
  if (end > n) end = n;
  if (start >= n) start = n - 1;
  return start >= 0 && end > start;
}

// An empty range (after clamping) gives 0.
double TSLRealBuffer::MinInRange(int32_t start, int32_t end) {
  double r = 0;
  if (ClampRange(start, end)) Kernels().ippsMin_64f(ReadReals() + start, end - start, &r);
  return r;
}

double TSLRealBuffer::MaxInRange(int32_t start, int32_t end) {
  double r = 0;
  if (ClampRange(start, end)) Kernels().ippsMax_64f(ReadReals() + start, end - start, &r);
  return r;
}

namespace {
constexpr double kMissing = 1.7e308;
bool IsPresent(double v) { return v > -kMissing && v < kMissing; }
}  // namespace

double TSLRealBuffer::MinFiniteInRange(int32_t start, int32_t end) {
  if (!ClampRange(start, end)) return 0;
  const double* p = ReadReals();
  double c = IsPresent(p[start]) ? p[start] : 0.0;
  for (int32_t i = start + 1; i < end; ++i)
    if (IsPresent(p[i]) && p[i] < c) c = p[i];
  return c;
}

double TSLRealBuffer::MaxFiniteInRange(int32_t start, int32_t end) {
  if (!ClampRange(start, end)) return 0;
  const double* p = ReadReals();
  double c = IsPresent(p[start]) ? p[start] : 0.0;
  for (int32_t i = start + 1; i < end; ++i)
    if (IsPresent(p[i]) && p[i] > c) c = p[i];
  return c;
}

// ---- TSLIntegerBuffer ----

// Element access is checked like the real buffer's: an unchecked index would
// read or write outside the block.
int32_t TSLIntegerBuffer::GetValue(int32_t index) {
  if (index < 0 || index >= GetCount()) throw ESLRangeError::Index(static_cast<uint32_t>(index));
  return ReadIntegers()[index];
}

void TSLIntegerBuffer::SetValue(int32_t index, int32_t value) {
  int32_t* data = ModifyIntegers();
  if (index < 0 || index >= GetCount()) throw ESLRangeError::Index(static_cast<uint32_t>(index));
  data[index] = value;
}

void TSLIntegerBuffer::Fill(int32_t value) {
  int32_t n = GetCount();
  if (n > 0) Kernels().ippsSet_32s(value, WriteIntegers(), n);
}

// ---- TSLComplexBuffer ----

TSLComplex TSLComplexBuffer::GetValue(int32_t index) {
  if (index < 0 || index >= GetCount()) throw ESLRangeError::Index(static_cast<uint32_t>(index));
  return ReadComplex()[index];
}

void TSLComplexBuffer::SetValue(int32_t index, TSLComplex value) {
  TSLComplex* data = ModifyComplex();
  if (index < 0 || index >= GetCount()) throw ESLRangeError::Index(static_cast<uint32_t>(index));
  data[index] = value;
}

void TSLComplexBuffer::Fill(TSLComplex value) {
  int32_t n = GetCount();
  if (n <= 0) return;
  TSLComplex* data = WriteComplex();
  std::fill(data, data + n, value);
}

// ---- TSLBlockBuffer ----

uint8_t TSLBlockBuffer::GetByte(int32_t index) {
  if (index < 0 || index >= GetCount()) throw ESLRangeError::Index(static_cast<uint32_t>(index));
  return Read()[index];
}

void TSLBlockBuffer::SetByte(int32_t index, uint8_t value) {
  uint8_t* data = Modify();
  if (index < 0 || index >= GetCount()) throw ESLRangeError::Index(static_cast<uint32_t>(index));
  data[index] = value;
}

// ---- TSLRealMatrixBuffer ----

namespace {
int32_t MatrixCount(int32_t rows, int32_t columns) {
  if (rows <= 0 || columns <= 0) return 0;
  if (int64_t(rows) * columns > (int64_t(1) << 27)) throw ESLOutOfMemory();
  return rows * columns;
}
}  // namespace

TSLRealMatrixBuffer::TSLRealMatrixBuffer(int32_t rows, int32_t columns) {
  InitCount(MatrixCount(rows, columns));
  if (byteSize_) {
    rows_ = rows;
    columns_ = columns;
  }
}

TSLRealMatrixBuffer::TSLRealMatrixBuffer(const std::vector<ISLRealBuffer*>& rows) {
  InitCount(0);
  SetRows(rows);
}

void TSLRealMatrixBuffer::Assign(ISLData* source) {
  TSLGenericBuffer::Assign(source);
  auto* matrix = source ? dynamic_cast<TSLRealMatrixBuffer*>(source->GetInstance()) : nullptr;
  if (matrix) {
    rows_ = matrix->rows_;
    columns_ = matrix->columns_;
  } else {
    rows_ = GetCount() > 0 ? 1 : 0;
    columns_ = GetCount();
  }
}

void TSLRealMatrixBuffer::SetSize(int32_t rows, int32_t columns, bool keepData) {
  int32_t count = MatrixCount(rows, columns);
  if (count == 0) rows = columns = 0;
  if (rows == rows_ && columns == columns_) return;
  TSLSmartBuffer* fresh = CreateContainer(count);
  if (keepData && count > 0) {
    auto* dst = reinterpret_cast<double*>(fresh->Block());
    const double* src = ReadReals();
    for (int32_t r = 0; r < rows; ++r)
      for (int32_t c = 0; c < columns; ++c)
        dst[r * columns + c] = (r < rows_ && c < columns_) ? src[r * columns_ + c] : 0.0;
  }
  SwitchContainer(fresh);
  dataOffset_ = 0;
  byteSize_ = static_cast<uint32_t>(count) * 8;
  rows_ = rows;
  columns_ = columns;
  ContainerChanged();
}

double TSLRealMatrixBuffer::GetElement(int32_t row, int32_t column) {
  if (row < 0 || row >= rows_) throw ESLRangeError::Index(static_cast<uint32_t>(row));
  if (column < 0 || column >= columns_) throw ESLRangeError::Index(static_cast<uint32_t>(column));
  return ReadReals()[row * columns_ + column];
}

void TSLRealMatrixBuffer::SetElement(int32_t row, int32_t column, double value) {
  double* data = ModifyReals();
  if (row < 0 || row >= rows_) throw ESLRangeError::Index(static_cast<uint32_t>(row));
  if (column < 0 || column >= columns_) throw ESLRangeError::Index(static_cast<uint32_t>(column));
  data[row * columns_ + column] = value;
}

void TSLRealMatrixBuffer::SetRows(const std::vector<ISLRealBuffer*>& rows) {
  int32_t columns = 0;
  for (ISLRealBuffer* row : rows) columns = std::max(columns, CountOf(row));
  int32_t rowCount = static_cast<int32_t>(rows.size());
  int32_t count = MatrixCount(rowCount, columns);
  TSLSmartBuffer* fresh = CreateContainer(count);
  auto* dst = reinterpret_cast<double*>(fresh->Block());
  if (count > 0) {
    for (int32_t r = 0; r < rowCount; ++r) {
      int32_t n = CountOf(rows[r]);
      if (n > 0) std::memcpy(dst + r * columns, rows[r]->ReadReals(), size_t(n) * 8);
      std::fill(dst + r * columns + n, dst + (r + 1) * columns, 0.0);
    }
  }
  SwitchContainer(fresh);
  dataOffset_ = 0;
  byteSize_ = static_cast<uint32_t>(count) * 8;
  rows_ = count ? rowCount : 0;
  columns_ = count ? columns : 0;
  ContainerChanged();
}
