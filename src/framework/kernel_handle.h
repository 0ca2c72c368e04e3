// Owns one kernel object handle (a process, a thread, a file): CloseHandle when it
// goes. Move-only; a null or INVALID_HANDLE_VALUE handle owns nothing.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

class TKernelHandle {
 public:
  TKernelHandle() = default;
  explicit TKernelHandle(HANDLE handle) : FHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  ~TKernelHandle() { Reset(); }
  TKernelHandle(TKernelHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TKernelHandle& operator=(TKernelHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  TKernelHandle(const TKernelHandle&) = delete;
  TKernelHandle& operator=(const TKernelHandle&) = delete;

  HANDLE Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset() {
    if (FHandle) CloseHandle(std::exchange(FHandle, nullptr));
  }

 private:
  HANDLE FHandle = nullptr;
};

}  // namespace velmora
