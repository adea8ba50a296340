// Real buffers and their relatives: capacities, copy on write, resizing,
// element access, the data-path operations and the arithmetic.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "buffers/internal_store.h"
#include "buffers/simple_data_buffer.h"
#include "buffers/sl_exception.h"
#include "support/test_support.h"

namespace {

TRef<TSLRealBuffer> Real(std::vector<double> values) {
  return TRef<TSLRealBuffer>(new TSLRealBuffer(values.data(), int32_t(values.size())));
}

std::vector<double> Values(ISLRealBuffer* b) {
  return std::vector<double>(b->ReadReals(), b->ReadReals() + b->GetCount());
}

std::string RangeMessage(const std::function<void()>& f) {
  try {
    f();
  } catch (const ESLRangeError& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace

TEST(RealBuffer, CapacityIsRoundedToPowersOfTwo) {
  EXPECT_EQ(RoundCapacity(0), 4u);
  EXPECT_EQ(RoundCapacity(4), 4u);
  EXPECT_EQ(RoundCapacity(5), 8u);
  EXPECT_EQ(RoundCapacity(4096), 4096u);
  EXPECT_EQ(RoundCapacity(4097), 8192u);
  EXPECT_EQ(RoundCapacity(1u << 30), 1u << 30);
  EXPECT_EQ(RoundCapacity((1u << 30) + 1), 1u << 30);
  EXPECT_EQ(RoundCapacity(0xFFFFFFFFu), 1u << 30);

  TRef<TSLRealBuffer> empty(new TSLRealBuffer(0));
  EXPECT_EQ(empty->GetCount(), 0);
  EXPECT_EQ(empty->GetByteSize(), 0u);
  EXPECT_EQ(empty->Min(), 0);
  EXPECT_EQ(empty->Max(), 0);
  ASSERT_NE(empty->Container(), nullptr);
  EXPECT_EQ(empty->Container()->AllocatedSize(), 4u);

  TRef<TSLRealBuffer> b(new TSLRealBuffer(1000));
  EXPECT_EQ(b->GetCount(), 1000);
  EXPECT_EQ(b->GetByteSize(), 8000u);
  EXPECT_EQ(b->Container()->AllocatedSize(), 8192u);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(b->Read()) % 32, 0u);
}

TEST(RealBuffer, SetCountKeepsBlockWhileItFitsAndCopiesWhenGrowing) {
  TRef<TSLRealBuffer> b(new TSLRealBuffer(1000));
  double* p = b->WriteReals();
  for (int i = 0; i < 1000; ++i) p[i] = i * 1.5;
  const uint8_t* block = b->Read();
  b->SetCount(1024, true);
  EXPECT_EQ(b->Read(), block);
  EXPECT_EQ(b->GetCount(), 1024);
  EXPECT_EQ(b->GetValue(999), 999 * 1.5);
  b->WriteReals()[1023] = -1;
  b->SetCount(1025, true);
  EXPECT_NE(b->Read(), block);
  EXPECT_EQ(b->Container()->AllocatedSize(), 16384u);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(b->GetValue(i), i * 1.5);
  EXPECT_EQ(b->GetValue(1023), -1);  // all of the old 8192 bytes came along

  // Shrinking with keepData stays in place; 0 keeps the container.
  const uint8_t* big = b->Read();
  b->SetCount(10, true);
  EXPECT_EQ(b->Read(), big);
  EXPECT_EQ(b->GetValue(9), 9 * 1.5);
  b->SetCount(0, true);
  EXPECT_EQ(b->GetCount(), 0);
  EXPECT_EQ(b->Container()->AllocatedSize(), 16384u);
  // Without keepData any other count gives a fresh block.
  TRef<TSLRealBuffer> c(new TSLRealBuffer(100));
  const uint8_t* before = c->Read();
  c->SetCount(100, false);
  EXPECT_EQ(c->Read(), before);
  c->SetCount(50, false);
  EXPECT_EQ(c->GetCount(), 50);
  EXPECT_EQ(c->Container()->AllocatedSize(), 512u);
}

TEST(RealBuffer, GrowingASharedBufferLeavesTheOtherHandleAlone) {
  auto a = Real({1, 2, 3, 4});
  TRef<TSLRealBuffer> b(new TSLRealBuffer(*a));
  // Shrinking stays on the shared block; growing again would fit its 32
  // bytes, but the block is shared, so it moves to a copy.
  b->SetCount(4, true);
  b->SetCount(3, true);
  EXPECT_EQ(b->Read(), a->Read());
  b->SetCount(4, true);
  EXPECT_NE(b->Read(), a->Read());
  EXPECT_EQ(b->GetValue(3), 4);
  b->SetValue(0, 100);
  EXPECT_EQ(a->GetValue(0), 1);
  EXPECT_EQ(b->GetValue(3), 4);
  EXPECT_EQ(a->GetCount(), 4);
}

TEST(RealBuffer, CopyOnWriteWithTwoHandles) {
  auto a = Real({1, 2, 3});
  TRef<ISLData> clone = a->Clone();
  auto b = QueryInterface<ISLRealBuffer>(clone);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->ReadReals(), a->ReadReals());
  EXPECT_EQ(a->Container()->OwnerCount(), 2);
  EXPECT_EQ(a->Container()->HolderCount(), 2);

  // Modify clones keeping the contents; the other handle is untouched.
  double* m = b->ModifyReals();
  EXPECT_NE(m, a->ReadReals());
  EXPECT_EQ(Values(b.get()), (std::vector<double>{1, 2, 3}));
  m[0] = 9;
  EXPECT_EQ(a->GetValue(0), 1);
  EXPECT_EQ(a->Container()->OwnerCount(), 1);

  // Write clones without promising the contents; the other handle keeps its data.
  TRef<TSLRealBuffer> c(new TSLRealBuffer(*a));
  double* w = c->WriteReals();
  EXPECT_NE(w, a->ReadReals());
  w[0] = w[1] = w[2] = -1;
  EXPECT_EQ(Values(a.get()), (std::vector<double>{1, 2, 3}));

  // Releasing the second handle without writing leaves one owner, and Write
  // then works in place.
  TRef<TSLRealBuffer> d(new TSLRealBuffer(*a));
  TSLSmartBuffer* shared = a->Container();
  EXPECT_EQ(shared->OwnerCount(), 2);
  d.reset();
  EXPECT_EQ(shared->OwnerCount(), 1);
  const double* before = a->ReadReals();
  EXPECT_EQ(a->WriteReals(), before);
  EXPECT_FALSE(a->MakeUnique(true));
}

TEST(RealBuffer, SetValueMakesUniqueBeforeTheRangeCheck) {
  auto a = Real({1, 2, 3});
  TRef<TSLRealBuffer> b(new TSLRealBuffer(*a));
  EXPECT_EQ(RangeMessage([&] { b->SetValue(3, 1); }), "Index out of range = 3");
  EXPECT_NE(b->Read(), a->Read());
  EXPECT_EQ(RangeMessage([&] { a->GetValue(3); }), "Index out of range = 3");
  EXPECT_EQ(RangeMessage([&] { a->GetValue(-1); }), "Index out of range = 4294967295");
  EXPECT_EQ(a->GetValue(2), 3);
  b->SetValue(2, 30);
  EXPECT_EQ(b->GetValue(2), 30);
  EXPECT_EQ(a->GetValue(2), 3);
}

TEST(RealBuffer, ConstructorsShareOrCopy) {
  int32_t ints[3] = {-5, 0, 2147483647};
  TRef<TSLRealBuffer> fromInts(new TSLRealBuffer(ints, 3));
  EXPECT_EQ(Values(fromInts.get()), (std::vector<double>{-5, 0, 2147483647}));
  double raw[2] = {1.25, 2.5};
  TRef<TSLRealBuffer> copy(new TSLRealBuffer(raw, 2));
  raw[0] = 0;
  EXPECT_EQ(copy->GetValue(0), 1.25);
  // From another buffer of the linear family: a handle on the same storage,
  // its bytes viewed as doubles.
  TRef<TSLBlockBuffer> bytes(new TSLBlockBuffer(16));
  std::memcpy(bytes->Write(), raw, 16);
  TRef<TSLRealBuffer> view(new TSLRealBuffer(static_cast<ISLData*>(bytes.get())));
  EXPECT_EQ(view->Read(), bytes->Read());
  EXPECT_EQ(view->GetCount(), 2);
  EXPECT_EQ(view->GetValue(1), 2.5);
  TRef<TSLRealBuffer> none(new TSLRealBuffer(static_cast<ISLData*>(nullptr)));
  EXPECT_EQ(none->GetCount(), 0);
}

TEST(RealBuffer, AssignSharesAndCountsHolders) {
  auto a = Real({1, 2, 3});
  auto b = Real({7});
  TSLSmartBuffer* old = b->Container();
  b->Assign(a.get());
  EXPECT_EQ(b->Container(), a->Container());
  EXPECT_EQ(b->Read(), a->Read());
  EXPECT_EQ(b->GetCount(), 3);
  EXPECT_EQ(a->Container()->HolderCount(), 2);
  EXPECT_NE(old, a->Container());
  // Assigning itself or a handle on the same container changes nothing else.
  b->Assign(b.get());
  b->Assign(a.get());
  EXPECT_EQ(a->Container()->HolderCount(), 2);
  EXPECT_TRUE(a->IsEqual(b.get()));
  a.reset();
  EXPECT_EQ(b->Container()->HolderCount(), 1);
  EXPECT_EQ(Values(b.get()), (std::vector<double>{1, 2, 3}));
}

TEST(RealBuffer, ReleasedOwnershipDoesNotForceCopies) {
  auto a = Real({1, 2});
  TRef<TSLRealBuffer> reader(new TSLRealBuffer(*a));
  reader->ReleaseOwnership();
  EXPECT_EQ(a->Container()->OwnerCount(), 1);
  EXPECT_EQ(a->Container()->HolderCount(), 2);
  EXPECT_EQ(a->WriteReals(), reader->ReadReals());
  reader.reset();
  EXPECT_EQ(a->Container()->HolderCount(), 1);
}

TEST(RealBuffer, CopyToAndIsEqual) {
  auto src = Real({1, 2, 3, 4, 5});
  TRef<TSLRealBuffer> dst(new TSLRealBuffer(4));
  dst->Fill(0);
  src->CopyTo(1, dst.get(), 3, 1);
  EXPECT_EQ(Values(dst.get()), (std::vector<double>{0, 2, 3, 4}));
  // A destination that shares storage is cloned before being written.
  TRef<TSLRealBuffer> other(new TSLRealBuffer(*dst));
  src->CopyTo(0, dst.get(), 1, 0);
  EXPECT_EQ(dst->GetValue(0), 1);
  EXPECT_EQ(other->GetValue(0), 0);
  // Ranges outside either buffer are refused instead of overrunning.
  EXPECT_THROW(src->CopyTo(3, dst.get(), 3, 0), ESLRangeError);
  EXPECT_THROW(src->CopyTo(0, dst.get(), 2, 3), ESLRangeError);
  EXPECT_EQ(dst->GetValue(3), 4);
  // To a non-real destination the numbers are bytes.
  TRef<TSLBlockBuffer> bytes(new TSLBlockBuffer(8));
  src->CopyTo(8, bytes.get(), 8, 0);
  double second;
  std::memcpy(&second, bytes->Read(), 8);
  EXPECT_EQ(second, 2);

  EXPECT_TRUE(Real({1, 2})->IsEqual(Real({1, 2}).get()));
  EXPECT_FALSE(Real({1, 2})->IsEqual(Real({1, 3}).get()));
  EXPECT_FALSE(Real({1, 2})->IsEqual(Real({1}).get()));
  TRef<TSLBlockBuffer> same(new TSLBlockBuffer(16));
  auto r = Real({1, 2});
  std::memcpy(same->Write(), r->Read(), 16);
  EXPECT_FALSE(r->IsEqual(same.get()));  // a real buffer equals only real buffers
  EXPECT_TRUE(same->IsEqual(r.get()));
}

TEST(RealBuffer, RangeSearches) {
  auto b = Real({5, -2, 8, 3, -7, 4});
  EXPECT_EQ(b->Min(), -7);
  EXPECT_EQ(b->Max(), 8);
  int32_t at = -1;
  EXPECT_EQ(b->MinIndex(at), -7);
  EXPECT_EQ(at, 4);
  EXPECT_EQ(b->MaxIndex(at), 8);
  EXPECT_EQ(at, 2);
  EXPECT_EQ(b->MinInRange(0, 3), -2);
  EXPECT_EQ(b->MaxInRange(3, 6), 4);
  EXPECT_EQ(b->MaxInRange(-5, 2), 5);
  EXPECT_EQ(b->MinInRange(3, 100), -7);
  EXPECT_EQ(b->MaxInRange(10, 100), 4);  // start clamps to the last element
  EXPECT_EQ(b->MinInRange(4, 2), 0);     // empty after clamping
  TRef<TSLRealBuffer> empty(new TSLRealBuffer());
  EXPECT_EQ(empty->MinInRange(0, 5), 0);
  EXPECT_EQ(empty->MinIndex(at), 0);
  EXPECT_EQ(at, 0);

  EXPECT_EQ(Real({2, 1.75e308, 5})->MaxFiniteInRange(0, 3), 5);
  EXPECT_EQ(Real({1.75e308, -3, -1})->MaxFiniteInRange(0, 3), 0);
  EXPECT_EQ(Real({1.75e308, -3, -1})->MinFiniteInRange(0, 3), -3);
  EXPECT_EQ(Real({-1.7e308, 4, 2})->MinFiniteInRange(0, 3), 0);
  EXPECT_EQ(Real({3, NAN, -INFINITY, 1})->MinFiniteInRange(0, 4), 1);
  EXPECT_EQ(Real({2, INFINITY, 5})->MaxFiniteInRange(0, 3), 5);
  EXPECT_EQ(Real({3, 4})->MaxFiniteInRange(1, 1), 0);
}

TEST(RealBuffer, DivideReplacesDivisionByZero) {
  auto a = Real({6, 5, 0, -5, 1});
  auto d = Real({3, 0, 0, 0, -0.0});
  a->Divide(d.get());
  EXPECT_EQ(Values(a.get()), (std::vector<double>{2, 1e15, -1e14, -1e14, 1e15}));
  // Over the shorter count only.
  auto b = Real({8, 8, 8});
  b->Divide(Real({2, 4}).get());
  EXPECT_EQ(Values(b.get()), (std::vector<double>{4, 2, 8}));
}

TEST(RealBuffer, ElementWiseArithmetic) {
  auto a = Real({1, 2, 3});
  a->Add(Real({10, 20}).get());
  EXPECT_EQ(Values(a.get()), (std::vector<double>{11, 22, 3}));
  a->Subtract(Real({1, 2, 3, 4}).get());
  EXPECT_EQ(Values(a.get()), (std::vector<double>{10, 20, 0}));
  a->Multiply(a.get());
  EXPECT_EQ(Values(a.get()), (std::vector<double>{100, 400, 0}));
  a->AddConst(1);
  a->SubtractConst(2);
  a->MultiplyConst(2);
  a->DivideConst(0);  // ignored
  a->DivideConst(4);
  EXPECT_EQ(Values(a.get()), (std::vector<double>{49.5, 199.5, -0.5}));
  a->Fill(3);
  EXPECT_EQ(Values(a.get()), (std::vector<double>{3, 3, 3}));
  a->Zero();
  EXPECT_EQ(Values(a.get()), (std::vector<double>{0, 0, 0}));

  // Arithmetic through a shared handle never shows in the other one.
  auto s = Real({1, 2});
  TRef<TSLRealBuffer> t(new TSLRealBuffer(*s));
  t->MultiplyConst(3);
  EXPECT_EQ(Values(s.get()), (std::vector<double>{1, 2}));
  EXPECT_EQ(Values(t.get()), (std::vector<double>{3, 6}));
}

TEST(RealBuffer, ConversionsToAndFromOtherTypes) {
  auto a = Real({2.5, 3.5, -2.5, 1e10, -70000.7});
  int32_t i32[5];
  a->ToInt32(i32, true);
  EXPECT_EQ(std::vector<int32_t>(i32, i32 + 5), (std::vector<int32_t>{2, 4, -2, INT32_MAX, -70001}));
  a->ToInt32(i32, false);
  EXPECT_EQ(i32[4], -70000);
  int16_t i16[5];
  a->ToInt16(i16, true);
  EXPECT_EQ(i16[0], 2);
  EXPECT_EQ(i16[1], 4);
  EXPECT_EQ(i16[4], int16_t(uint16_t(-70001 & 0xFFFF)));  // low 16 bits, no saturation
  a->ToInt16(i16, false);
  EXPECT_EQ(i16[4], int16_t(uint16_t(-70000 & 0xFFFF)));
  float f[5];
  a->ToSingle(f);
  EXPECT_EQ(f[0], 2.5f);

  TRef<TSLRealBuffer> b(new TSLRealBuffer(3));
  int16_t s16[3] = {-32768, 0, 32767};
  b->FromInt16(s16);
  EXPECT_EQ(Values(b.get()), (std::vector<double>{-32768, 0, 32767}));
  int32_t s32[3] = {INT32_MIN, 1, 2};
  b->FromInt32(s32);
  EXPECT_EQ(b->GetValue(0), double(INT32_MIN));
  float sf[3] = {0.5f, -1.25f, 3};
  b->FromSingle(sf);
  EXPECT_EQ(Values(b.get()), (std::vector<double>{0.5, -1.25, 3}));
}

TEST(RealBuffer, NormalizeThresholdAndUnaryOperations) {
  auto a = Real({2, 4, 6});
  TRef<TSLRealBuffer> keep(new TSLRealBuffer(*a));
  a->Normalize(2, 2);
  EXPECT_EQ(Values(a.get()), (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(Values(keep.get()), (std::vector<double>{2, 4, 6}));
  a->Normalize(0, 1);
  a->NormalizeFrom(Real({10}).get(), 0, 10);
  EXPECT_EQ(Values(a.get()), (std::vector<double>{1, 1, 2}));
  EXPECT_EQ(a->DotProduct(Real({1, 2, 3, 4}).get()), 1 + 2 + 6);

  auto t = Real({-3, 0, 5});
  t->Threshold(true, -1);
  EXPECT_EQ(Values(t.get()), (std::vector<double>{-1, 0, 5}));
  t->Threshold(false, 2);
  EXPECT_EQ(Values(t.get()), (std::vector<double>{-1, 0, 2}));
  t->ThresholdFrom(false, Real({9, -9}).get(), 1);
  EXPECT_EQ(Values(t.get()), (std::vector<double>{1, -9, 2}));

  auto u = Real({-2, 3});
  u->Abs();
  EXPECT_EQ(Values(u.get()), (std::vector<double>{2, 3}));
  u->Square();
  EXPECT_EQ(Values(u.get()), (std::vector<double>{4, 9}));
  u->SquareRoot();
  EXPECT_EQ(Values(u.get()), (std::vector<double>{2, 3}));
  u->Ln();
  u->Exp();
  EXPECT_NEAR(u->GetValue(1), 3, 1e-12);
  u->SquareFrom(Real({5}).get());
  EXPECT_EQ(Values(u.get()), (std::vector<double>{25, 3 + (u->GetValue(1) - 3)}));
  u->AbsFrom(Real({-1, -2}).get());
  EXPECT_EQ(Values(u.get()), (std::vector<double>{1, 2}));

  auto m = Real({1, 2, 3, 4});
  EXPECT_EQ(m->Mean(), 2.5);
  EXPECT_NEAR(m->StdDev(), std::sqrt(5.0 / 3), 1e-12);
  EXPECT_EQ(m->NormDiff(Real({1, 0, 3, 8}).get(), 0), 6);
  EXPECT_EQ(m->NormDiff(Real({1, 0, 3, 8}).get(), 2), 4);
}

TEST(RealBuffer, CorrelationAndConvolutionIntoThisBuffer) {
  auto src = Real({1, 2, 3, 4});
  TRef<TSLRealBuffer> ac(new TSLRealBuffer(3));
  ac->AutoCorrelation(src.get(), 0);
  EXPECT_EQ(Values(ac.get()), (std::vector<double>{30, 20, 11}));
  // With itself as the source the result is still computed from the input.
  auto self = Real({1, 2, 3, 4});
  self->AutoCorrelation(self.get(), 0);
  EXPECT_EQ(Values(self.get()), (std::vector<double>{30, 20, 11, 4}));
  auto conv = Real({1, -1});
  conv->Convolve(conv.get(), src.get());
  EXPECT_EQ(Values(conv.get()), (std::vector<double>{1, 1, 1, 1, -4}));
  TRef<TSLRealBuffer> cc(new TSLRealBuffer(3));
  cc->CrossCorrelation(Real({1, -1}).get(), src.get(), 0);
  EXPECT_EQ(Values(cc.get()), (std::vector<double>{-1, -1, -1}));
}

TEST(RealBuffer, JaehneSignal) {
  TRef<TSLRealBuffer> b(new TSLRealBuffer(8));
  b->FillJaehne(2);
  for (int n = 0; n < 8; ++n) EXPECT_NEAR(b->GetValue(n), 2 * std::sin(M_PI / 2 * n * n / 8), 1e-12);
}

TEST(RealBuffer, SaveAndLoad) {
  testsupport::TempDir dir;
  auto a = Real({1.5, -2, 3});
  std::string file = (dir / "data.bin").string();
  a->SaveToFile(file);
  EXPECT_EQ(testsupport::ReadFile(file).size(), 24u);
  TRef<TSLRealBuffer> b(new TSLRealBuffer(3));
  b->LoadFromFile(file);
  EXPECT_TRUE(a->IsEqual(b.get()));
  // A short file fails with the stream's error and keeps what was read.
  TRef<TSLRealBuffer> c(new TSLRealBuffer(4));
  c->Fill(9);
  EXPECT_THROW(c->LoadFromFile(file), std::ios_base::failure);
  EXPECT_EQ(c->GetValue(2), 3);
  EXPECT_THROW(b->LoadFromFile((dir / "missing.bin").string()), std::ios_base::failure);
  EXPECT_THROW(a->SaveToFile((dir / "no" / "such" / "dir.bin").string()), std::ios_base::failure);
}

TEST(OtherBuffers, IntegerComplexBlockAndMatrix) {
  TRef<TSLIntegerBuffer> i(new TSLIntegerBuffer(3));
  i->Fill(7);
  i->SetValue(1, -1);
  EXPECT_EQ(i->GetValue(0), 7);
  EXPECT_EQ(i->GetValue(1), -1);
  EXPECT_EQ(i->GetByteSize(), 12u);
  EXPECT_EQ(RangeMessage([&] { i->GetValue(3); }), "Index out of range = 3");
  EXPECT_EQ(RangeMessage([&] { i->SetValue(-2, 0); }), "Index out of range = 4294967294");

  TRef<TSLComplexBuffer> c(new TSLComplexBuffer(2));
  c->Fill({1, -1});
  c->SetValue(1, {2, 3});
  EXPECT_EQ(c->GetValue(0), (TSLComplex{1, -1}));
  EXPECT_EQ(c->GetValue(1), (TSLComplex{2, 3}));
  EXPECT_EQ(c->GetByteSize(), 32u);
  EXPECT_THROW(c->GetValue(2), ESLRangeError);

  uint8_t raw[3] = {1, 2, 3};
  TRef<TSLBlockBuffer> blk(new TSLBlockBuffer(raw, 3));
  EXPECT_EQ(blk->GetByte(2), 3);
  blk->SetByte(0, 9);
  EXPECT_EQ(blk->GetByte(0), 9);
  EXPECT_EQ(RangeMessage([&] { blk->GetByte(3); }), "Index out of range = 3");

  auto r0 = Real({1, 2, 3});
  auto r1 = Real({4});
  TRef<TSLRealMatrixBuffer> m(new TSLRealMatrixBuffer(std::vector<ISLRealBuffer*>{r0.get(), r1.get()}));
  EXPECT_EQ(m->GetRows(), 2);
  EXPECT_EQ(m->GetColumns(), 3);
  EXPECT_EQ(m->GetElement(1, 0), 4);
  EXPECT_EQ(m->GetElement(1, 2), 0);  // short row padded
  m->SetElement(0, 1, 7);
  m->SetSize(3, 2, true);
  EXPECT_EQ(m->GetElement(0, 1), 7);
  EXPECT_EQ(m->GetElement(1, 0), 4);
  EXPECT_EQ(m->GetElement(2, 1), 0);
  EXPECT_THROW(m->GetElement(3, 0), ESLRangeError);
  TRef<TSLRealMatrixBuffer> shared(new TSLRealMatrixBuffer(*m));
  shared->SetElement(0, 0, -5);
  EXPECT_EQ(m->GetElement(0, 0), 1);
}
