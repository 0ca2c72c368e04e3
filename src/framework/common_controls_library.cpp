// The common controls library, loaded on first use.
#include "framework/common_controls_library.h"

#include "framework/module_procedure.h"

namespace velmora {
namespace {

using InitCommonControlsExProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
using ImageListGetIconSizeProc = BOOL(WINAPI*)(HIMAGELIST, int*, int*);
using ImageListDrawProc = BOOL(WINAPI*)(HIMAGELIST, int, HDC, int, int, UINT);

// Loaded once and kept until the process ends: windows of its classes may live until then.
class TCommonControlsCalls {
 public:
  TCommonControlsCalls() {
    const HMODULE library = LoadLibraryA("comctl32.dll");
    InitCommonControlsEx = ProcedureOf<InitCommonControlsExProc>(library, "InitCommonControlsEx");
    ImageListGetIconSize = ProcedureOf<ImageListGetIconSizeProc>(library, "ImageList_GetIconSize");
    ImageListDraw = ProcedureOf<ImageListDrawProc>(library, "ImageList_Draw");
  }

  InitCommonControlsExProc InitCommonControlsEx = nullptr;
  ImageListGetIconSizeProc ImageListGetIconSize = nullptr;
  ImageListDrawProc ImageListDraw = nullptr;
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
