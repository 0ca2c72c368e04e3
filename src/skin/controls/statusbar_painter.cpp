// Status bars.
#include "skin/controls/statusbar_painter.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

// The panel's border kind from the text's type bits: the edge frame of the element.
int edgeFrame(int kind) {
  if (kind & SBT_POPOUT) return 2;
  if (kind & SBT_NOBORDERS) return 3;
  return 1;
}

}  // namespace

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
      return TakePaintAndErase(message, true);
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinStatusBar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // New texts, panels or mode: the skinned face follows at once.
    case SB_SETTEXTA:
    case SB_SETTEXTW:
    case SB_SETPARTS:
    case SB_SIMPLE:
    case WM_SETTEXT:
    case WM_ENABLE:
      Refresh();
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

std::wstring TSkinStatusBar::panelText(int index, int& kind) const {
  const LRESULT info = SendMessageW(FHandle, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  kind = HIWORD(info);
  std::wstring text(LOWORD(info) + 1, L'\0');
  if (kind & SBT_OWNERDRAW) return {};
  SendMessageW(FHandle, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TFaceBuffer::TUse use(FFace, width, height);
  TBitmap& face = use.Face();
  {
    MemoryDC composing;
    SelectScope select(composing, face.Handle());
    FillColor(composing, {0, 0, width, height}, SkinFaceColor());
    SelectScope font(composing, reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0)));
    int kind = 0;
    if (SendMessageA(FHandle, SB_ISSIMPLE, 0, 0)) {
      const std::wstring text = panelText(SB_SIMPLEID, kind);
      drawPanel(composing, {0, 0, width, height}, 1, text, false);
    } else {
      const int parts = static_cast<int>(SendMessageA(FHandle, SB_GETPARTS, 0, 0));
      for (int i = 0; i < parts; ++i) {
        RECT panel{};
        if (!SendMessageA(FHandle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&panel))) continue;
        const std::wstring text = panelText(i, kind);
        drawPanel(composing, panel, edgeFrame(kind), text, kind & SBT_OWNERDRAW);
      }
    }
    if (WindowLong(GWL_STYLE) & SBARS_SIZEGRIP) drawSizeGrip(composing, {0, 0, width, height});
  }
  CopyBitmap(dc, rect.left, rect.top, face);
}

void TSkinStatusBar::drawPanel(HDC dc, const RECT& rect, int frame, const std::wstring& text, bool ownerDrawn) const {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  const TDataSkinObject* edges = FSkinData->Records.StatusBarEdges.get();
  if (edges && !edges->Map.Empty()) {
    DrawSkinBitmap(dc, rect, edges->Map, MarginsOf(*edges), frame, 3, true, edges->Tile != 0, false);
  } else if (frame != 3) {
    // A 3-D edge in the skin's colours, lit from the top left unless raised.
    COLORREF light = ColorToRGB(FSkinData->Colors.Colors[scButtonHilight]);
    COLORREF dark = ColorToRGB(FSkinData->Colors.Colors[scButtonShadow]);
    if (frame == 2) std::swap(light, dark);
    FillColor(dc, {rect.left, rect.top, rect.right, rect.top + 1}, dark);
    FillColor(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, dark);
    FillColor(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, light);
    FillColor(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, light);
  }
  if (ownerDrawn || text.empty()) return;
  const COLORREF color = edges ? ColorToRGB(edges->NormalColour2) : ColorToRGB(FSkinData->Colors.Colors[scButtonText]);
  SetTextColor(dc, color);
  DrawCentredText(dc, {rect.left + 4, rect.top, rect.right - 2, rect.bottom}, text, DT_LEFT);
}

void TSkinStatusBar::drawSizeGrip(HDC dc, const RECT& rect) const {
  const TDataSkinObject* extra = FSkinData->Records.ExtraImages.get();
  if (!extra || extra->Map.Empty()) return;
  const int frames = std::max(extra->Frame, 5);
  const int gripWidth = extra->Map.Width() / frames, gripHeight = extra->Map.Height();
  if (gripWidth <= 0 || gripHeight <= 0) return;
  const RECT grip{rect.right - gripWidth, rect.bottom - gripHeight, rect.right, rect.bottom};
  TransparentCopy(dc, grip, extra->Map, gripWidth * (5 - 1), 0, SkinTransparentColor);
}

}  // namespace velmora
