// Random sequences of queue and buffer operations checked against a plain
// model: pushes, pops and takes across buffer boundaries, resizing with and
// without keeping data, and copy on write between two handles.

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <vector>

#include "buffers/buffer_queue.h"
#include "buffers/simple_data_buffer.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

struct Reader {
  const uint8_t* p;
  size_t n;
  bool More() const { return n > 0; }
  uint8_t Next() {
    if (!n) return 0;
    --n;
    return *p++;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in{data, size};
  TSLBufferQueue queue;
  std::deque<std::vector<double>> model;  // untaken elements per queued buffer
  double next = 0;
  TRef<TSLRealBuffer> a(new TSLRealBuffer());
  std::vector<double> aModel;

  while (in.More()) {
    uint8_t op = in.Next() % 6;
    uint8_t arg = in.Next();
    switch (op) {
      case 0: {  // push a buffer of arg % 20 elements
        int n = arg % 20;
        TRef<TSLRealBuffer> b(new TSLRealBuffer(n));
        std::vector<double> values(n);
        for (int i = 0; i < n; ++i) values[i] = b->WriteReals()[i] = next++;
        queue.Push(b);
        model.push_back(values);
        if (model.size() > 100) model.pop_front();
        break;
      }
      case 1: {  // take arg % 40 elements
        int n = arg % 40;
        size_t collected = 0;
        for (auto& v : model) collected += v.size();
        TRef<TSLRealBuffer> dst(new TSLRealBuffer(n));
        bool ok = queue.Take(dst.get());
        Check(ok == (collected >= size_t(n)));
        if (ok) {
          for (int i = 0; i < n; ++i) {
            while (model.front().empty()) model.pop_front();
            Check(dst->ReadReals()[i] == model.front().front());
            model.front().erase(model.front().begin());
          }
          // A fully used head leaves the queue.
          while (!model.empty() && model.front().empty() && queue.BufferCount() < int32_t(model.size()))
            model.pop_front();
        }
        break;
      }
      case 2: {  // pop
        TRef<ISLDataBuffer> out;
        bool ok = queue.Pop(out);
        Check(ok == !model.empty());
        if (ok) model.pop_front();
        break;
      }
      case 3: {  // resize the second buffer
        int n = arg % 64;
        bool keep = arg & 0x80;
        a->SetCount(n, keep);
        Check(a->GetCount() == n);
        if (keep) {
          size_t old = aModel.size();
          aModel.resize(n);
          for (size_t i = old; i < aModel.size(); ++i) aModel[i] = a->ReadReals()[i];
        } else {
          aModel.assign(a->ReadReals(), a->ReadReals() + n);
        }
        break;
      }
      case 4: {  // write through a second handle: the first keeps its data
        TRef<TSLRealBuffer> b(new TSLRealBuffer(*a));
        if (b->GetCount() > 0) {
          b->SetValue(arg % b->GetCount(), -1.0 - arg);
          Check(b->GetValue(arg % b->GetCount()) == -1.0 - arg);
        }
        break;
      }
      case 5: {  // write through the only handle
        if (a->GetCount() > 0) {
          int i = arg % a->GetCount();
          a->SetValue(i, arg);
          aModel[i] = arg;
        }
        break;
      }
    }
    size_t collected = 0;
    for (auto& v : model) collected += v.size();
    Check(queue.CollectedCount() == int32_t(collected));
    Check(a->GetCount() == int32_t(aModel.size()));
    for (size_t i = 0; i < aModel.size(); ++i) Check(a->ReadReals()[i] == aModel[i]);
  }
  return 0;
}
