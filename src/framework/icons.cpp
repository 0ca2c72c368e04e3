// Icons and image lists.
#include "framework/icons.h"

#include <cstring>

namespace velmora {

namespace {

std::uint32_t read32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24; }
std::uint16_t read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

}  // namespace

const TClassInfo& TIcon::StaticClassInfo() {
  static const TClassInfo info{"TIcon", &TPersistent::StaticClassInfo(), {}, {}};
  return info;
}

bool TIcon::LoadFromIcoBytes(const std::vector<std::uint8_t>& bytes) {
  // ICONDIR: reserved 0, type 1, count; then 16-byte entries (width, height, ...,
  // size at 8, offset at 12).
  if (bytes.size() < 6 || read16(&bytes[0]) != 0 || read16(&bytes[2]) != 1) {
    Clear();
    return false;
  }
  const std::size_t count = read16(&bytes[4]);
  int best = -1, bestScore = 1 << 30;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    if (entry + 16 > bytes.size()) break;
    const std::uint32_t size = read32(&bytes[entry + 8]), offset = read32(&bytes[entry + 12]);
    if (offset > bytes.size() || size > bytes.size() - offset || size < 40) continue;
    const int width = bytes[entry] ? bytes[entry] : 256;
    const int score = width > 32 ? width - 32 : (32 - width) * 2;
    if (score < bestScore) {
      bestScore = score;
      best = static_cast<int>(i);
    }
  }
  if (best < 0) {
    Clear();
    return false;
  }
  const std::size_t entry = 6 + 16 * static_cast<std::size_t>(best);
  const std::uint32_t size = read32(&bytes[entry + 8]), offset = read32(&bytes[entry + 12]);
  const int width = bytes[entry] ? bytes[entry] : 256, height = bytes[entry + 1] ? bytes[entry + 1] : 256;
  std::vector<BYTE> image(bytes.begin() + offset, bytes.begin() + offset + size);
  FHandle.Reset(CreateIconFromResourceEx(image.data(), size, TRUE, 0x00030000, width, height, 0));
  changed();
  return !Empty();
}

void TIcon::AssignHandle(HICON icon) {
  FHandle.Reset(icon ? CopyIcon(icon) : nullptr);
  changed();
}

void TIcon::AssignQuietly(const TIcon& other) { FHandle.Reset(other.Handle() ? CopyIcon(other.Handle()) : nullptr); }

void TIcon::Clear() {
  FHandle.Reset();
  changed();
}

const TClassInfo& TImageList::StaticClassInfo() {
  static const TClassInfo info{"TImageList", &TComponent::StaticClassInfo(), {},
                               [](TComponent* owner) -> TComponent* { return new TImageList(owner); }};
  return info;
}

void TImageList::AddIcon(HICON icon) {
  OwnedIcon copy(icon ? CopyIcon(icon) : nullptr);
  FIcons.push_back(std::move(copy));
}

int TImageList::AddMasked(const TBitmap& strip, int width, COLORREF maskColor) {
  if (strip.Empty() || width <= 0) return 0;
  const int height = strip.Height();
  const int count = strip.Width() / width;
  // Mask rows are whole 16-bit words, set bits transparent.
  const int maskStride = (width + 15) / 16 * 2;
  for (int image = 0; image < count; ++image) {
    TBitmap colour(width, height);
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride) * height, 0);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const COLORREF pixel = strip.Pixel(image * width + x, y);
        if (pixel == maskColor) {
          mask[static_cast<std::size_t>(y) * maskStride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
          colour.SetPixel(x, y, 0);  // black under the mask, so drawing leaves the background
        } else {
          colour.SetPixel(x, y, pixel);
        }
      }
    }
    GdiBitmap maskBitmap(CreateBitmap(width, height, 1, 1, mask.data()));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = maskBitmap.Get();
    info.hbmColor = colour.Handle();
    OwnedIcon icon(CreateIconIndirect(&info));
    if (!icon) return image;
    FIcons.push_back(std::move(icon));
  }
  return count;
}

bool TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return false;
  const HICON icon = FIcons[static_cast<std::size_t>(index)].Get();
  if (!enabled)
    return DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, 0, 0, DST_ICON | DSS_DISABLED);
  return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

SIZE TImageList::ImageSize() const {
  if (FIcons.empty() || !FIcons.front().Get()) return {0, 0};
  ICONINFO info{};
  if (!GetIconInfo(FIcons.front().Get(), &info)) return {0, 0};
  // The icon's bitmaps are ours to delete.
  GdiBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bits{};
  GetObjectA(info.hbmMask, sizeof bits, &bits);
  const int height = info.hbmColor ? bits.bmHeight : bits.bmHeight / 2;
  return {bits.bmWidth, height};
}

bool TImageList::GetIcon(int index, TIcon& icon) const {
  if (index < 0 || index >= Count()) return false;
  icon.AssignHandle(FIcons[static_cast<std::size_t>(index)].Get());
  return true;
}

}  // namespace velmora
