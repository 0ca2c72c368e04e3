// The common controls library, loaded on first use.
#include "framework/common_controls_library.h"

namespace velmora {
namespace {

using InitCommonControlsExProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
using ImageListGetIconSizeProc = BOOL(WINAPI*)(HIMAGELIST, int*, int*);
using ImageListDrawProc = BOOL(WINAPI*)(HIMAGELIST, int, HDC, int, int, UINT);

// Loaded once and kept until the process ends: windows of its classes may live until then.
class TCommonControlsCalls {
 public:
  TCommonControlsCalls() : FLibrary(LoadLibraryA("comctl32.dll")) {
    if (!FLibrary) return;
    InitCommonControlsEx = find<InitCommonControlsExProc>("InitCommonControlsEx");
    ImageListGetIconSize = find<ImageListGetIconSizeProc>("ImageList_GetIconSize");
    ImageListDraw = find<ImageListDrawProc>("ImageList_Draw");
  }
  TCommonControlsCalls(const TCommonControlsCalls&) = delete;
  TCommonControlsCalls& operator=(const TCommonControlsCalls&) = delete;

  InitCommonControlsExProc InitCommonControlsEx = nullptr;
  ImageListGetIconSizeProc ImageListGetIconSize = nullptr;
  ImageListDrawProc ImageListDraw = nullptr;

 private:
  template <class Proc>
  Proc find(const char* name) const {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(FLibrary, name)));
  }
  HMODULE FLibrary;
};

const TCommonControlsCalls& calls() {
  static const TCommonControlsCalls loaded;
  return loaded;
}

}  // namespace

bool InitCommonControlsLibrary(const INITCOMMONCONTROLSEX& classes) {
  return calls().InitCommonControlsEx && calls().InitCommonControlsEx(&classes);
}

bool ImageListIconSize(HIMAGELIST images, int& width, int& height) {
  width = height = 0;
  if (!images || !calls().ImageListGetIconSize) return false;
  return calls().ImageListGetIconSize(images, &width, &height) != FALSE;
}

bool DrawImageListImage(HIMAGELIST images, int index, HDC dc, int x, int y, UINT style) {
  if (!images || !calls().ImageListDraw) return false;
  return calls().ImageListDraw(images, index, dc, x, y, style) != FALSE;
}

}  // namespace velmora
