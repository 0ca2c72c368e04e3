// The benchmarks' own message pumping: what is queued now, or everything for a while.
#pragma once

#include <windows.h>

#include <chrono>

namespace velmora::bench {

inline void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Pumps for `milliseconds`, so that timers and posted work run out.
inline void Settle(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    Pump();
    Sleep(5);
  }
}

}  // namespace velmora::bench
