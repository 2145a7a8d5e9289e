#pragma once
// A small owning pointer to a COM interface: AddRef on copy, Release on reset.

#include <unknwn.h>

#include <utility>

namespace tessik {

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    static ComPtr Adopt(T* raw) {
        ComPtr p;
        p.ptr_ = raw;
        return p;
    }
    // Adds a reference of its own.
    static ComPtr Share(T* raw) {
        if (raw)
            raw->AddRef();
        return Adopt(raw);
    }
    ComPtr(const ComPtr& other) : ptr_(other.ptr_) {
        if (ptr_)
            ptr_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(ptr_, other.ptr_);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset() {
        if (T* old = std::exchange(ptr_, nullptr))
            old->Release();
    }
    T* get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For out-parameters: releases the current pointer first.
    T** put() {
        reset();
        return &ptr_;
    }

  private:
    T* ptr_ = nullptr;
};

}  // namespace tessik
