// Header controls.
#include "skin/controls/header_painter.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "framework/common_controls_library.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {

int TSkinHeader::ItemAt(const std::vector<RECT>& hoverRects, POINT point) {
  for (std::size_t i = 0; i < hoverRects.size(); ++i)
    if (PtInRect(&hoverRects[i], point)) return static_cast<int>(i);
  return -1;
}

RECT TSkinHeader::HoverRect(const RECT& item) { return {item.left + 3, item.top, item.right - 3, item.bottom}; }

bool TSkinHeader::hasBar() const {
  return FSkinData && FSkinData->Records.Headerbar && !FSkinData->Records.Headerbar->Map.Empty();
}

bool TSkinHeader::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
      return TakePaintAndErase(message, hasBar());
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinHeader::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      const POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      const int hot = ItemAt(FHoverRects, at);
      SkinTrackMouseLeave(FHandle);
      if (hot != FHotItem) {
        FHotItem = hot;
        Refresh();
      }
      return;
    }
    case WM_MOUSELEAVE:
      FHotItem = -1;
      Refresh();
      return;
    // The system draws a pressed or moved item itself: the skin follows at once.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case HDM_SETITEMA:
    case HDM_SETITEMW:
    case HDM_INSERTITEMA:
    case HDM_INSERTITEMW:
    case HDM_DELETEITEM:
    case HDM_LAYOUT:
      if (hasBar()) Refresh();
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
  if (!hasBar()) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const TDataSkinObject& bar = *FSkinData->Records.Headerbar;
  const int frames = std::max(bar.Frame, 1);
  TFaceBuffer::TUse use(FFace, width, height);
  TBitmap& face = use.Face();
  {
    MemoryDC composing;
    SelectScope select(composing, face.Handle());
    FillColor(composing, {0, 0, width, height}, SkinFaceColor());
    SelectScope font(composing, reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0)));
    SetBkMode(composing, TRANSPARENT);
    const int count = static_cast<int>(SendMessageA(FHandle, HDM_GETITEMCOUNT, 0, 0));
    FHoverRects.assign(static_cast<std::size_t>(std::max(count, 0)), RECT{});
    int right = 0;
    for (int i = 0; i < count; ++i) {
      RECT item{};
      if (!SendMessageA(FHandle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
      FHoverRects[static_cast<std::size_t>(i)] = HoverRect(item);
      DrawSkinBitmap(composing, item, bar.Map, MarginsOf(bar), i == FHotItem && frames >= 2 ? 2 : 1, frames,
                     bar.Trans != 0, bar.Tile != 0, false);
      drawItem(composing, i, item);
      right = std::max(right, static_cast<int>(item.right));
    }
    if (right < width)
      DrawSkinBitmap(composing, {right, 0, width, height}, bar.Map, MarginsOf(bar), 1, frames, bar.Trans != 0,
                     bar.Tile != 0, false);
  }
  CopyBitmap(dc, rect.left, rect.top, face);
}

void TSkinHeader::drawItem(HDC dc, int index, const RECT& item) const {
  char text[201] = {};
  HDITEMA info{};
  info.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  info.pszText = text;
  info.cchTextMax = sizeof text;
  if (!SendMessageA(FHandle, HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info))) return;
  RECT area{item.left + 6, item.top, item.right - 6, item.bottom};
  if (info.fmt & HDF_IMAGE) {
    if (HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(FHandle, HDM_GETIMAGELIST, 0, 0))) {
      int iconWidth = 0, iconHeight = 0;
      ImageListIconSize(images, iconWidth, iconHeight);
      DrawImageListImage(images, info.iImage, dc, area.left, item.top + (item.bottom - item.top - iconHeight) / 2,
                         ILD_TRANSPARENT);
      area.left += iconWidth + 3;
    }
  }
  if (!text[0] || area.right <= area.left) return;
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  if ((info.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
    flags |= DT_RIGHT;
  else if ((info.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
    flags |= DT_CENTER;
  const TDataSkinObject& bar = *FSkinData->Records.Headerbar;
  SetTextColor(dc, IsWindowEnabled(FHandle) ? ColorToRGB(bar.NormalColour2)
                                            : ColorToRGB(FSkinData->Colors.Colors[scButtonShadow]));
  SkinDrawText(dc, AnsiToWide(text), area, AddReadingOrder(flags));
}

}  // namespace velmora
