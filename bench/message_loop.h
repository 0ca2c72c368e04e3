// What the Windows benchmarks share: their own message pumping (what is queued now, or
// everything for a while), and the program path a benchmark's main window reads beside.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

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

// A program path in the temporary folder: the main window's settings file is read
// beside it, so a benchmark never touches a real one.
inline std::string ScratchProgramPath() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "velmora-bench.exe";
}

}  // namespace velmora::bench
