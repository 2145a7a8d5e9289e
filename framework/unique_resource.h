#pragma once
// A move-only owner of one resource value, closed exactly once. Traits says
// what the value is, which value means "nothing" and how to close one:
//
//   struct Traits {
//       using Type = ...;
//       static Type Invalid() noexcept;
//       static void Close(Type) noexcept;
//   };
//
// The invalid value is never closed.

#include <utility>

namespace tessik {

template <typename Traits>
class UniqueResource {
  public:
    using Type = typename Traits::Type;

    UniqueResource() noexcept = default;
    explicit UniqueResource(Type value) noexcept : value_(value) {}
    ~UniqueResource() { reset(); }

    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Type get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return !IsInvalid(value_); }

    // Gives up ownership without closing.
    Type release() noexcept { return std::exchange(value_, Traits::Invalid()); }

    // Closes the current value, if any, and owns the new one.
    void reset(Type value = Traits::Invalid()) noexcept {
        const Type old = std::exchange(value_, value);
        if (!IsInvalid(old)) {
            Traits::Close(old);
        }
    }

    // For functions that return a resource through an out parameter: closes
    // the current value and hands out the address of the empty slot.
    Type* put() noexcept {
        reset();
        return &value_;
    }

  private:
    static bool IsInvalid(const Type& value) noexcept { return value == Traits::Invalid(); }

    Type value_ = Traits::Invalid();
};

}  // namespace tessik
