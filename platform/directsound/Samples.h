#pragma once
// Decoded samples: a vector of floats whose new elements are left uninitialised, because the
// decoder or the rate converter writes every one that is kept. Zero-filling megabytes first
// only to overwrite them cost a pass over memory at each load.
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace ds {

// std::allocator, except that an element made without a value is default-initialised.
template <typename T>
class DefaultInitAllocator : public std::allocator<T> {
 public:
  template <typename U>
  struct rebind {
    using other = DefaultInitAllocator<U>;
  };

  DefaultInitAllocator() = default;
  template <typename U>
  DefaultInitAllocator(const DefaultInitAllocator<U>&) noexcept {}

  template <typename U>
  void construct(U* place) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(place)) U;
  }
  template <typename U, typename... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }
};

// Interleaved float samples.
using Samples = std::vector<float, DefaultInitAllocator<float>>;

}  // namespace ds
