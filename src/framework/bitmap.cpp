// Bitmaps with direct row access.
#include "framework/bitmap.h"

#include <cstring>

namespace velmora {

void TBitmap::SetSize(int width, int height, TPixelFormat format) {
  FHandle.Reset();
  FBits = nullptr;
  FWidth = FHeight = FStride = 0;
  FFormat = format;
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(format);
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  FHandle.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FHandle || !bits) {
    FHandle.Reset();
    return;
  }
  FBits = static_cast<std::uint8_t*>(bits);
  FWidth = width;
  FHeight = height;
  FStride = ((width * static_cast<int>(format) + 31) / 32) * 4;
  std::memset(FBits, 0, static_cast<std::size_t>(FStride) * static_cast<std::size_t>(height));
}

std::uint8_t* TBitmap::ScanLine(int y) { return FBits + static_cast<std::size_t>(y) * FStride; }
const std::uint8_t* TBitmap::ScanLine(int y) const { return FBits + static_cast<std::size_t>(y) * FStride; }

COLORREF TBitmap::Pixel(int x, int y) const {
  const std::uint8_t* p = ScanLine(y) + x * BytesPerPixel();
  return RGB(p[2], p[1], p[0]);
}

void TBitmap::SetPixel(int x, int y, COLORREF color) {
  std::uint8_t* p = ScanLine(y) + x * BytesPerPixel();
  p[0] = GetBValue(color);
  p[1] = GetGValue(color);
  p[2] = GetRValue(color);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FFormat || Empty()) {
    FFormat = format;
    return;
  }
  TBitmap converted(FWidth, FHeight, format);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) converted.SetPixel(x, y, Pixel(x, y));
  *this = std::move(converted);
}

bool TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  TBmpImage image;
  if (!image.LoadFromBytes(bytes)) {
    SetSize(0, 0);
    return false;
  }
  const TPixelFormat format = image.SourceBitsPerPixel() == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
  SetSize(image.Width(), image.Height(), format);
  if (Empty()) return false;
  for (int y = 0; y < FHeight; ++y) {
    std::uint8_t* line = ScanLine(y);
    const std::uint32_t* row = image.Row(y);
    for (int x = 0; x < FWidth; ++x) {
      std::uint8_t* p = line + x * BytesPerPixel();
      p[0] = static_cast<std::uint8_t>(row[x]);
      p[1] = static_cast<std::uint8_t>(row[x] >> 8);
      p[2] = static_cast<std::uint8_t>(row[x] >> 16);
      if (format == TPixelFormat::pf32bit) p[3] = static_cast<std::uint8_t>(row[x] >> 24);
    }
  }
  return true;
}

void TBitmap::Assign(const TBitmap& other) {
  SetSize(other.FWidth, other.FHeight, other.FFormat);
  if (!Empty()) std::memcpy(FBits, other.FBits, static_cast<std::size_t>(FStride) * static_cast<std::size_t>(FHeight));
}

bool TBitmap::AssignHandle(HBITMAP source) {
  BITMAP header{};
  if (!source || !GetObjectA(source, sizeof header, &header) || header.bmWidth <= 0 || header.bmHeight == 0) {
    SetSize(0, 0);
    return false;
  }
  SetSize(header.bmWidth, header.bmHeight < 0 ? -header.bmHeight : header.bmHeight);
  if (Empty()) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = FWidth;
  info.bmiHeader.biHeight = -FHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  WindowDC screen(nullptr);
  if (GetDIBits(screen, source, 0, static_cast<UINT>(FHeight), FBits, &info, DIB_RGB_COLORS) != FHeight) {
    SetSize(0, 0);
    return false;
  }
  return true;
}

bool TBitmap::LoadFromResourceName(HINSTANCE module, const char* name) {
  GdiBitmap loaded(static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  return AssignHandle(loaded.Get());
}

}  // namespace velmora
