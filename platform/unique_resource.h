#pragma once
// A move-only owner of one resource of any kind (a kernel handle, a GDI
// object, a DIR*): Traits says what "none" is and how to let the resource go.

#include <utility>

template <typename Resource, typename Traits>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(Resource resource) : resource_(resource) {}
  UniqueResource(UniqueResource&& other) noexcept : resource_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  ~UniqueResource() { reset(); }

  Resource get() const { return resource_; }
  explicit operator bool() const { return Traits::IsSet(resource_); }
  Resource release() { return std::exchange(resource_, Resource{}); }
  void reset(Resource resource = Resource{}) {
    if (Traits::IsSet(resource_)) Traits::Free(resource_);
    resource_ = resource;
  }

 private:
  Resource resource_{};
};
