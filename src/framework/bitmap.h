// The framework's bitmap: a device-independent section of 24 or 32 bits per pixel
// whose rows ("scan lines") the program reads and writes directly, top row first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "framework/bmp_image.h"
#include "framework/gdi_object.h"

namespace velmora {

enum class TPixelFormat { pf24bit = 24, pf32bit = 32 };

class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit) { SetSize(width, height, format); }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return !FHandle; }
  TPixelFormat PixelFormat() const { return FFormat; }
  HBITMAP Handle() const { return FHandle.Get(); }

  // A new, black section; an empty size gives an empty bitmap.
  void SetSize(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  // Converts the pixels to the format (24 bits drops the fourth byte).
  void SetPixelFormat(TPixelFormat format);
  // From BMP bytes; corrupt bytes leave an empty bitmap.
  bool LoadFromBytes(std::span<const std::uint8_t> bytes);
  void Assign(const TBitmap& other);
  // A bitmap resource of `module` by name, as 24 bits per pixel; false (and empty)
  // when there is none.
  bool LoadFromResourceName(HINSTANCE module, const char* name);
  // A copy of any bitmap handle's pixels, as 24 bits per pixel.
  bool AssignHandle(HBITMAP bitmap);

  // Row y from the top: 3 or 4 bytes a pixel, blue first.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;
  int BytesPerPixel() const { return static_cast<int>(FFormat) / 8; }
  // The pixel as a colour (red in the low byte).
  COLORREF Pixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF color);

 private:
  GdiBitmap FHandle;
  std::uint8_t* FBits = nullptr;
  int FWidth = 0, FHeight = 0, FStride = 0;
  TPixelFormat FFormat = TPixelFormat::pf24bit;
};

}  // namespace velmora
