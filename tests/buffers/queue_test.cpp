// The buffer queue: counting, dropping beyond 100 buffers and taking across
// buffer boundaries.

#include <gtest/gtest.h>

#include <vector>

#include "buffers/buffer_queue.h"
#include "buffers/simple_data_buffer.h"

namespace {

TRef<ISLDataBuffer> Block(int n, double first) {
  TRef<TSLRealBuffer> b(new TSLRealBuffer(n));
  for (int i = 0; i < n; ++i) b->WriteReals()[i] = first + i;
  return b;
}

std::vector<double> Values(ISLRealBuffer* b) {
  return std::vector<double>(b->ReadReals(), b->ReadReals() + b->GetCount());
}

}  // namespace

TEST(BufferQueue, TakeSpansBufferBoundaries) {
  TSLBufferQueue q;
  q.Push(Block(3, 1));   // 1 2 3
  q.Push(Block(5, 10));  // 10 11 12 13 14
  EXPECT_EQ(q.CollectedCount(), 8);
  EXPECT_EQ(q.HeadCount(), 3);

  TRef<TSLRealBuffer> dst(new TSLRealBuffer(4));
  ASSERT_TRUE(q.Take(dst.get()));
  EXPECT_EQ(Values(dst.get()), (std::vector<double>{1, 2, 3, 10}));
  EXPECT_EQ(q.CollectedCount(), 4);
  EXPECT_EQ(q.BufferCount(), 1);
  EXPECT_EQ(q.ExtractOffset(), 1);
  EXPECT_EQ(q.HeadCount(), 5);  // the partly used head stays in front

  ASSERT_TRUE(q.Take(dst.get()));
  EXPECT_EQ(Values(dst.get()), (std::vector<double>{11, 12, 13, 14}));
  EXPECT_EQ(q.CollectedCount(), 0);
  EXPECT_EQ(q.BufferCount(), 0);

  TRef<TSLRealBuffer> one(new TSLRealBuffer(1));
  one->WriteReals()[0] = -1;
  EXPECT_FALSE(q.Take(one.get()));
  EXPECT_EQ(one->GetValue(0), -1);
}

TEST(BufferQueue, TakeExactlyAWholeBufferAndRefuseShortRequests) {
  TSLBufferQueue q;
  q.Push(Block(2, 1));
  q.Push(Block(2, 3));
  TRef<TSLRealBuffer> five(new TSLRealBuffer(5));
  EXPECT_FALSE(q.Take(five.get()));
  EXPECT_EQ(q.CollectedCount(), 4);
  TRef<TSLRealBuffer> two(new TSLRealBuffer(2));
  ASSERT_TRUE(q.Take(two.get()));
  EXPECT_EQ(Values(two.get()), (std::vector<double>{1, 2}));
  EXPECT_EQ(q.BufferCount(), 1);
  EXPECT_EQ(q.ExtractOffset(), 0);
}

TEST(BufferQueue, PopAccountsForThePartlyTakenHead) {
  TSLBufferQueue q;
  TRef<ISLDataBuffer> out;
  EXPECT_FALSE(q.Pop(out));
  EXPECT_FALSE(out);
  EXPECT_EQ(q.HeadCount(), 0);
  q.Push(Block(4, 0));
  q.Push(Block(6, 0));
  TRef<TSLRealBuffer> three(new TSLRealBuffer(3));
  ASSERT_TRUE(q.Take(three.get()));
  EXPECT_EQ(q.CollectedCount(), 7);
  ASSERT_TRUE(q.Pop(out));
  EXPECT_EQ(out->GetCount(), 4);
  EXPECT_EQ(q.CollectedCount(), 6);  // only its one untaken element was removed
  EXPECT_EQ(q.ExtractOffset(), 0);
  EXPECT_EQ(q.HeadCount(), 6);
}

TEST(BufferQueue, HoldsAtMostOneHundredBuffers) {
  TSLBufferQueue q;
  for (int i = 0; i < 100; ++i) q.Push(Block(2, i * 2));
  TRef<TSLRealBuffer> one(new TSLRealBuffer(1));
  ASSERT_TRUE(q.Take(one.get()));  // head partly taken
  EXPECT_EQ(q.CollectedCount(), 199);
  q.Push(Block(3, 1000));
  EXPECT_EQ(q.BufferCount(), 100);
  EXPECT_EQ(q.CollectedCount(), 199 - 1 + 3);
  EXPECT_EQ(q.ExtractOffset(), 0);
  TRef<TSLRealBuffer> two(new TSLRealBuffer(2));
  ASSERT_TRUE(q.Take(two.get()));
  EXPECT_EQ(Values(two.get()), (std::vector<double>{2, 3}));  // the oldest buffer went
}

TEST(BufferQueue, QueuedBuffersAreHeldByReference) {
  TSLBufferQueue q;
  TRef<TSLRealBuffer> b(new TSLRealBuffer(2));
  q.Push(b);
  EXPECT_EQ(b->RefCount(), 2);
  TRef<ISLDataBuffer> out;
  q.Pop(out);
  EXPECT_EQ(out.get(), static_cast<ISLDataBuffer*>(b.get()));
  out.reset();
  EXPECT_EQ(b->RefCount(), 1);
  q.Push(b);
  q.Clear();
  EXPECT_EQ(b->RefCount(), 1);
  EXPECT_EQ(q.CollectedCount(), 0);
}
