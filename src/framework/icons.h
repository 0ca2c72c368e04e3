// Icons the program owns (made from .ico bytes or copied), with a change notice, and a
// list of icons by index.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/bitmap.h"
#include "framework/component.h"
#include "framework/gdi_object.h"

namespace velmora {

class TIcon : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Empty() const { return !FHandle; }
  HICON Handle() const { return FHandle.Get(); }
  // The image of an .ico file nearest to 32 x 32; false (and empty) on bad bytes.
  bool LoadFromIcoBytes(const std::vector<std::uint8_t>& bytes);
  // A copy of `icon` (any icon handle, shared or not).
  void AssignHandle(HICON icon);
  void Assign(const TIcon& other) { AssignHandle(other.Handle()); }
  // Takes a copy without raising OnChange.
  void AssignQuietly(const TIcon& other);
  void Clear();

  std::function<void()> OnChange;

 private:
  void changed() {
    if (OnChange) OnChange();
  }
  OwnedIcon FHandle;
};

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Count() const { return static_cast<int>(FIcons.size()); }
  void AddIcon(HICON icon);  // keeps a copy
  // Cuts `strip` into images `width` x its height, left to right; pixels of
  // `maskColor` are transparent. Returns how many images were added.
  int AddMasked(const TBitmap& strip, int width, COLORREF maskColor);
  // Draws image `index` at (x, y), greyed when not `enabled`; false when there is none.
  bool Draw(HDC dc, int x, int y, int index, bool enabled = true) const;
  // The size of the images (those of the first; 0 x 0 for an empty list).
  SIZE ImageSize() const;
  // Copies image `index` into `icon`; false when there is none.
  bool GetIcon(int index, TIcon& icon) const;

 private:
  std::vector<OwnedIcon> FIcons;
};

}  // namespace velmora
