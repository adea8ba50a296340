#pragma once
// Reference-counted interfaces. An interface is an abstract class deriving
// virtually from IInterface; an object implementing several of them derives
// from TInterfacedObject once. TRef<T> holds one counted reference, like an
// interface variable: copying adds a reference, destruction releases it, and
// the object is destroyed with its last reference. Interface queries are C++
// type tests (QueryInterface<T>).

#include <atomic>
#include <cstdint>
#include <utility>

class IInterface {
public:
  virtual int32_t AddRef() noexcept = 0;
  virtual int32_t Release() noexcept = 0;

protected:
  virtual ~IInterface() = default;
};

class TInterfacedObject : public virtual IInterface {
public:
  TInterfacedObject() = default;
  TInterfacedObject(const TInterfacedObject&) = delete;
  TInterfacedObject& operator=(const TInterfacedObject&) = delete;

  int32_t AddRef() noexcept override { return refCount_.fetch_add(1, std::memory_order_relaxed) + 1; }
  int32_t Release() noexcept override {
    int32_t left = refCount_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) Destroy();
    return left;
  }
  int32_t RefCount() const noexcept { return refCount_.load(std::memory_order_acquire); }

protected:
  ~TInterfacedObject() override = default;
  // Called with the last reference gone; pooled objects override it to give
  // their memory back instead of deleting.
  virtual void Destroy() noexcept { delete this; }

private:
  std::atomic<int32_t> refCount_{0};
};

template <class T>
class TRef {
public:
  TRef() noexcept = default;
  TRef(std::nullptr_t) noexcept {}
  // Takes a new reference on p (p may be a freshly made object with count 0).
  TRef(T* p) noexcept : p_(p) {
    if (p_) p_->AddRef();
  }
  TRef(const TRef& other) noexcept : TRef(other.p_) {}
  TRef(TRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  TRef(const TRef<U>& other) noexcept : TRef(other.get()) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  TRef(TRef<U>&& other) noexcept : p_(other.detach()) {}
  ~TRef() { reset(); }

  TRef& operator=(TRef other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }

  void reset() noexcept {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  // Gives up the reference without releasing it.
  T* detach() noexcept { return std::exchange(p_, nullptr); }
  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  T& operator*() const noexcept { return *p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  friend bool operator==(const TRef& a, const TRef& b) noexcept { return a.p_ == b.p_; }
  friend bool operator==(const TRef& a, std::nullptr_t) noexcept { return a.p_ == nullptr; }

private:
  T* p_ = nullptr;
};

// Interface query: a counted reference to the same object as T, or empty.
template <class T, class U>
TRef<T> QueryInterface(const TRef<U>& from) noexcept {
  return TRef<T>(dynamic_cast<T*>(from.get()));
}
template <class T, class U>
TRef<T> QueryInterface(U* from) noexcept {
  return TRef<T>(dynamic_cast<T*>(from));
}

template <class T, class... Args>
TRef<T> MakeRef(Args&&... args) {
  return TRef<T>(new T(std::forward<Args>(args)...));
}
