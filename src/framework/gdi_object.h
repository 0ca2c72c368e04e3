// Owning wrappers for GDI objects, DCs and icons, with live counts by kind. Wine's
// GetGuiResources always answers 0, so these counters are how tests prove that
// repaints, resizes and menu openings leave nothing behind. Every GDI object the
// program makes goes through here (a test scans the sources for strays).
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <utility>

namespace velmora {

// IdleMemoryDC counts the memory DCs a thread keeps for reuse (see MemoryDC); they are
// bounded and not part of LiveTotal, which is what leak checks compare.
enum class TGdiKind { Bitmap, Brush, Pen, Font, Region, Palette, MemoryDC, WindowDC, Icon, IdleMemoryDC, Count };

class GdiCounters {
 public:
  static int Live(TGdiKind kind) { return counts()[static_cast<int>(kind)].load(); }
  // Every live kind except the idle memory DCs kept for reuse.
  static int LiveTotal();
  static void Created(TGdiKind kind) { ++counts()[static_cast<int>(kind)]; }
  static void Deleted(TGdiKind kind) { --counts()[static_cast<int>(kind)]; }

 private:
  static std::array<std::atomic<int>, static_cast<int>(TGdiKind::Count)>& counts();
};

template <class H> struct GdiTraits;
template <> struct GdiTraits<HBITMAP> { static constexpr TGdiKind Kind = TGdiKind::Bitmap; };
template <> struct GdiTraits<HBRUSH> { static constexpr TGdiKind Kind = TGdiKind::Brush; };
template <> struct GdiTraits<HPEN> { static constexpr TGdiKind Kind = TGdiKind::Pen; };
template <> struct GdiTraits<HFONT> { static constexpr TGdiKind Kind = TGdiKind::Font; };
template <> struct GdiTraits<HRGN> { static constexpr TGdiKind Kind = TGdiKind::Region; };
template <> struct GdiTraits<HPALETTE> { static constexpr TGdiKind Kind = TGdiKind::Palette; };

// Owns one GDI object (DeleteObject on destruction). Move-only. Adopt a handle that a
// creating call has just returned; a null handle is not counted.
template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H handle) : FHandle(handle) {
    if (FHandle) GdiCounters::Created(GdiTraits<H>::Kind);
  }
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  H Get() const { return FHandle; }
  operator H() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }

  void Reset(H handle = nullptr) {
    if (FHandle) {
      DeleteObject(FHandle);
      GdiCounters::Deleted(GdiTraits<H>::Kind);
    }
    FHandle = handle;
    if (FHandle) GdiCounters::Created(GdiTraits<H>::Kind);
  }
  // Gives the handle away (to a call that takes ownership, as SetWindowRgn does).
  H Release() {
    if (FHandle) GdiCounters::Deleted(GdiTraits<H>::Kind);
    return std::exchange(FHandle, nullptr);
  }

 private:
  H FHandle = nullptr;
};

using GdiBitmap = GdiObject<HBITMAP>;
using GdiBrush = GdiObject<HBRUSH>;
using GdiPen = GdiObject<HPEN>;
using GdiFont = GdiObject<HFONT>;
using GdiRegion = GdiObject<HRGN>;

// An icon or cursor made by the program (DestroyIcon). Shared icons from LoadIcon are
// not owned and must not be wrapped.
class OwnedIcon {
 public:
  OwnedIcon() = default;
  explicit OwnedIcon(HICON icon) : FHandle(icon) {
    if (FHandle) GdiCounters::Created(TGdiKind::Icon);
  }
  ~OwnedIcon() { Reset(); }
  OwnedIcon(OwnedIcon&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  OwnedIcon& operator=(OwnedIcon&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  OwnedIcon(const OwnedIcon&) = delete;
  OwnedIcon& operator=(const OwnedIcon&) = delete;

  HICON Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset(HICON icon = nullptr) {
    if (FHandle) {
      DestroyIcon(FHandle);
      GdiCounters::Deleted(TGdiKind::Icon);
    }
    FHandle = icon;
    if (FHandle) GdiCounters::Created(TGdiKind::Icon);
  }

 private:
  HICON FHandle = nullptr;
};

// A memory DC compatible with `reference` (the screen when null), counted while it is
// held. Making a DC costs Wine some fifty microseconds, as much as a whole small control
// paint, so DCs compatible with the display are lent from a per-thread store instead:
// each starts in the fresh state (SaveDC when lent, RestoreDC to that level when given
// back) and at most MaxIdleMemoryDCs wait there between uses.
class MemoryDC {
 public:
  static constexpr int MaxIdleMemoryDCs = 16;

  explicit MemoryDC(HDC reference = nullptr);
  ~MemoryDC();
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return FDC; }
  operator HDC() const { return FDC; }

 private:
  HDC FDC = nullptr;
  int FLentAtLevel = 0;  // the SaveDC level of a lent DC; 0 for a DC of its own
};

// GetDC/GetWindowDC paired with ReleaseDC.
class WindowDC {
 public:
  enum Area { Client, Whole };
  explicit WindowDC(HWND window, Area area = Client)
      : FWindow(window), FDC(area == Client ? GetDC(window) : GetWindowDC(window)) {
    if (FDC) GdiCounters::Created(TGdiKind::WindowDC);
  }
  // GetDCEx with a clipping region and flags; when the system gives no DC that way, the
  // whole window's DC (GetWindowDC).
  WindowDC(HWND window, HRGN clip, DWORD flags) : FWindow(window), FDC(GetDCEx(window, clip, flags)) {
    if (!FDC) FDC = GetWindowDC(window);
    if (FDC) GdiCounters::Created(TGdiKind::WindowDC);
  }
  ~WindowDC() {
    if (FDC) {
      ReleaseDC(FWindow, FDC);
      GdiCounters::Deleted(TGdiKind::WindowDC);
    }
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return FDC; }
  operator HDC() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

// Selects an object into a DC for one scope and puts the previous one back.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : FDC(dc), FPrevious(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectScope() {
    if (FPrevious) SelectObject(FDC, FPrevious);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FPrevious;
};

// Saves a DC's whole state for one scope.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
  ~SavedDC() {
    if (FSaved) RestoreDC(FDC, FSaved);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC FDC;
  int FSaved;
};

}  // namespace velmora
