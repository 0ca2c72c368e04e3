// The skinned frame of a form skin: painting the borders, title, caption text and menu
// strip, the window region cut from the borders' magenta pixels, and the size that keeps
// the client area when the frame changes.
#include <algorithm>
#include <optional>

#include "framework/form.h"
#include "framework/rtti.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"

// Exported by user32 but not declared by every SDK's headers.
extern "C" DWORD WINAPI DrawMenuBarTemp(HWND window, HDC dc, LPRECT rect, HMENU menu, HFONT font);

namespace velmora {

namespace {

enum TSide { sideLeft = 1, sideRight = 2, sideTop = 3, sideBottom = 4 };

const TDataSkinBorder* borderOf(const TSkinRecords& records, int side) {
  switch (side) {
    case sideLeft: return records.BorderLeft.get();
    case sideRight: return records.BorderRight.get();
    case sideTop: return records.BorderTop.get();
    default: return records.BorderBottom.get();
  }
}

int stateFrame(bool active, int frameCount) { return active || frameCount < 2 ? 1 : 2; }

// Top and bottom hold their frames one above the other, left and right side by side.
bool stackedFrames(int side) { return side == sideTop || side == sideBottom; }

RECT sideRect(int side, int width, int height, const TFrameMetrics& m) {
  switch (side) {
    case sideLeft: return {0, 0, m.Left, height};
    case sideRight: return {width - m.Right, 0, width, height};
    case sideTop: return {0, 0, width, m.Top};
    default: return {m.Left, height - m.Bottom, width - m.Right, height};
  }
}

}  // namespace

void TWinSkinForm::PaintFrame(HDC dc) {
  if (FSkinState != fssSkinned && FSkinState != fssReapplying) {
    FFramePending = true;
    return;
  }
  if (!FSkinData || FBorderKind == bkNone || (FFormKind == fkMDIChild && FSizeState == ssMaximized)) return;
  std::optional<WindowDC> own;
  if (!dc) {
    own.emplace(FHandle, WindowDC::Whole);
    dc = own->Get();
  }
  if (!dc) return;
  FFramePending = false;
  GetWindowRect(FHandle, &FWindowRect);
  FWidth = FWindowRect.right - FWindowRect.left;
  FHeight = FWindowRect.bottom - FWindowRect.top;
  try {
    if (IsIconic(FHandle)) {
      paintTitle(dc, FWidth, FHeight);
      return;
    }
    for (int side : {sideLeft, sideRight, sideBottom}) paintSide(dc, sideRect(side, FWidth, FHeight, FMetrics), side);
    paintTitle(dc, FWidth, FMetrics.Top);
    if (FMetrics.MenuHeight > 0) {
      RECT strip{FMetrics.Left, FMetrics.Top, FWidth - FMetrics.Right, FMetrics.Top + FMetrics.MenuHeight};
      // The skinned menu bar draws here; until a window has one, the system draws the
      // real menu into the strip.
      if (FSkinMenu)
        FSkinMenu->Paint(dc, strip);
      else if (!FMenu || !DrawMenuBarTemp(FHandle, dc, &strip, FMenu, nullptr))
        FillRect(dc, &strip, FSkinData->FaceBrush());
    }
  } catch (...) {
    // A frame that cannot be drawn is left as it was; the window goes on working.
  }
}

void TWinSkinForm::PaintTitleBar() {
  if (FSkinState != fssSkinned && FSkinState != fssReapplying) return;
  if (!FSkinData || FBorderKind == bkNone) return;
  WindowDC dc(FHandle, WindowDC::Whole);
  if (!dc.Get()) return;
  RECT window{};
  GetWindowRect(FHandle, &window);
  const int width = window.right - window.left;
  try {
    paintTitle(dc, width, IsIconic(FHandle) ? window.bottom - window.top : FMetrics.Top);
  } catch (...) {
    // A title that cannot be drawn is left as it was.
  }
}

void TWinSkinForm::paintSide(HDC dc, const RECT& piece, int side) {
  const TDataSkinBorder* border = borderOf(FSkinData->Records, side);
  if (piece.right <= piece.left || piece.bottom <= piece.top) return;
  if (!border || border->Map.Empty()) {
    FillRect(dc, &piece, FSkinData->FaceBrush());
    return;
  }
  DrawSkinBitmap(dc, piece, border->Map, MarginsOf(*border), stateFrame(FActive, border->Frame), border->Frame, false,
                 border->Tile != 0, stackedFrames(side));
}

void TWinSkinForm::paintTitle(HDC dc, int width, int height) {
  if (width <= 0 || height <= 0) return;
  if (FTitleBitmap.Width() != width || FTitleBitmap.Height() != height) FTitleBitmap.SetSize(width, height);
  if (FTitleBitmap.Empty()) return;
  MemoryDC memory(dc);
  SelectScope select(memory, FTitleBitmap.Handle());
  const RECT title{0, 0, width, height};
  const TDataSkinBorder* top = FSkinData->Records.BorderTop.get();
  if (top && !top->Map.Empty())
    DrawSkinBitmap(memory, title, top->Map, MarginsOf(*top), stateFrame(FActive, top->Frame), top->Frame, false,
                   top->Tile != 0, true);
  else
    FillRect(memory, &title, FSkinData->FaceBrush());
  for (auto& button : FSysButtons) IsVisible(*button);
  DrawCaption(memory, title);
  LayoutButtons();
  PaintButtons(memory);
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
}

std::wstring TWinSkinForm::windowText() const {
  if (FUnicode && IsNTFamily()) {
    const int length = GetWindowTextLengthW(FHandle);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int got = GetWindowTextW(FHandle, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
  }
  // At most 1000 characters through the narrow message.
  char buffer[1001] = {};
  SendMessageA(FHandle, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return AnsiToWide(buffer);
}

void TWinSkinForm::DrawCaption(HDC dc, const RECT& titleRect) {
  const TDataSkinTitle* title = FSkinData->Records.Title.get();
  if (!title) return;
  const std::wstring text = FTextPrefix + windowText() + FTextSuffix;
  FRightSpace = 0;
  for (const auto& button : FSysButtons)
    if (button->Visible() && button->Data().Align == 1) FRightSpace = std::max(FRightSpace, button->Data().Xcoord);

  SavedDC saved(dc);
  if (FCaptionFont) SelectObject(dc, FCaptionFont.Get());
  SetBkMode(dc, TRANSPARENT);
  const COLORREF colour = FSkinData->Colors.Colors[FActive ? scTitleTextActive : scTitleTextNoActive];
  SetTextColor(dc, ColorToRGB(colour));

  RECT measure{0, 0, 0, 0};
  SkinDrawText(dc, text, measure, 0xD00);
  const int textWidth = (measure.right - measure.left) + title->TXTBackleft + title->TXTBackRight;
  const int textHeight = measure.bottom - measure.top;
  const int width = titleRect.right - titleRect.left, height = titleRect.bottom - titleRect.top;
  const int shift = title->LeftWidth, shiftVert = title->TopHeight, rightClip = title->RightWidth;

  int x = shift;
  if (!FRightToLeft) {
    if (title->TextAlignment == 1) x = (width - textWidth) / 2;
    if (title->TextAlignment == 2) x = width - rightClip - textWidth;
  } else {
    if (title->TextAlignment == 0) x = width - FRightSpace - textWidth;
    if (title->TextAlignment == 1) x = (width - FRightSpace - textWidth) / 2;
    if (title->TextAlignment == 2) x = shift;
    if (x <= 0) x = shift;
  }
  const int y = (height - textHeight) / 2 + shiftVert / 2;
  int right = x + textWidth;
  if (FRightToLeft) {
    x += 10, right += 10;
  } else if (!(FStyle & WS_POPUP)) {
    right = std::min(right, width - rightClip);
  } else if (FRightSpace >= 6) {
    right = std::min(right, width - FRightSpace - 5);
  }
  if (FBorderKind == bkDialog && title->TextAlignment == 0) x -= 16, right -= 16;
  FCaptionRect = {titleRect.left + x, titleRect.top + y, titleRect.left + right, titleRect.top + y + textHeight};

  if (!title->Map.Empty() && FCaptionRect.right > FCaptionRect.left) {
    const TMargins margins{title->TXTBackleft, 0, title->TXTBackRight, 0};
    DrawSkinBitmap(dc, FCaptionRect, title->Map, margins, stateFrame(FActive, title->Frame), title->Frame, true,
                   false, false);
  }
  RECT textRect{FCaptionRect.left + title->TXTBackleft, FCaptionRect.top, FCaptionRect.right - title->TXTBackRight,
                FCaptionRect.bottom};
  SkinDrawText(dc, text, textRect, FRightToLeft ? 0x28822 : 0x8820);
}

void TWinSkinForm::SetRegion() {
  if (FSkinState == fssDestroyed || !FSkinFrame || !FSkinData) return;
  if (FFormKind == fkMDIChild && FSizeState != ssNormal) return;
  RECT window{};
  GetWindowRect(FHandle, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  // The system owns a region it was given: only the size it was built for is kept.
  if (FHasRegion && width == FRegionWidth && height == FRegionHeight && FFormKind != fkMDIChild &&
      FSkinState != fssReapplying)
    return;
  const TSkinRecords& records = FSkinData->Records;
  bool transparent = false;
  for (int side : {sideLeft, sideRight, sideTop, sideBottom})
    if (const auto* border = borderOf(records, side); border && border->Trans) transparent = true;

  GdiRegion region;
  if (!transparent) {
    region.Reset(CreateRectRgn(0, 0, width, height));
  } else {
    const TFrameMetrics& m = FMetrics;
    region.Reset(CreateRectRgn(m.Left, m.Top, width - m.Right, height - m.Bottom));
    if (FBorderKind != bkNone) {
      // What the frame paints decides what is cut away: the title over the whole width
      // of the top rows, the sides below it, the bottom between the sides.
      for (int side : {sideTop, sideLeft, sideRight, sideBottom}) {
        const RECT piece = sideRect(side, width, height, m);
        RECT kept = piece;
        if (side == sideLeft || side == sideRight) kept.top = std::min(m.Top, height);
        if (kept.right <= kept.left || kept.bottom <= kept.top) continue;
        const TDataSkinBorder* border = borderOf(records, side);
        const int thickness = (side == sideLeft || side == sideRight) ? piece.right - piece.left : piece.bottom - piece.top;
        GdiRegion part;
        if (border && border->Trans && !border->Map.Empty() && thickness >= 2) {
          const TBitmap rendered = SkinBitmapSizing({0, 0, piece.right - piece.left, piece.bottom - piece.top},
                                                    border->Map, MarginsOf(*border), 1, border->Frame,
                                                    border->Tile != 0, stackedFrames(side));
          part = CreateRegionFromBitmap(rendered, piece.left, piece.top, 0, 1, 0, SkinTransparentColor);
          GdiRegion keep(CreateRectRgn(kept.left, kept.top, kept.right, kept.bottom));
          CombineRgn(part, part, keep, RGN_AND);
        } else {
          part.Reset(CreateRectRgn(kept.left, kept.top, kept.right, kept.bottom));
        }
        CombineRgn(region, region, part, RGN_OR);
      }
    }
  }
  FRegionWidth = width;
  FRegionHeight = height;
  FHasRegion = true;
  SetWindowRgn(FHandle, region.Release(), TRUE);
}

void TWinSkinForm::RemoveRegion() {
  FHasRegion = false;
  FRegionWidth = FRegionHeight = 0;
  SetWindowRgn(FHandle, nullptr, FFormKind == fkMDIChild);
}

void TWinSkinForm::ResizeForSkin(bool keepClient) {
  if (FSizeState == ssMaximized) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, 0x37);
    return;
  }
  int clientWidth = 0, clientHeight = 0;
  if (FForm && !FDialogBox && !keepClient) {
    clientWidth = static_cast<int>(GetOrdProp(*FForm, "ClientWidth"));
    clientHeight = static_cast<int>(GetOrdProp(*FForm, "ClientHeight"));
  } else {
    RECT client{};
    GetClientRect(FHandle, &client);
    clientWidth = client.right, clientHeight = client.bottom;
  }
  int width = clientWidth + FMetrics.Left + FMetrics.Right;
  const int height = clientHeight + FMetrics.Top + FMetrics.Bottom + FMetrics.MenuHeight;
  if (FDialogBox && !keepClient && FSkinData->Records.Title) {
    const TDataSkinTitle& title = *FSkinData->Records.Title;
    WindowDC dc(FHandle);
    SavedDC saved(dc);
    if (FCaptionFont) SelectObject(dc, FCaptionFont.Get());
    RECT measure{0, 0, 0, 0};
    SkinDrawText(dc, FTextPrefix + windowText() + FTextSuffix, measure, 0xD00);
    const int needed = title.LeftWidth + (measure.right - measure.left) + title.RightWidth;
    if (needed > width) {
      const int shift = (needed - width) / 2;
      width = needed;
      for (HWND child = GetWindow(FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
    }
  }
  SetWindowPos(FHandle, nullptr, 0, 0, width, height, 0x36);
}

}  // namespace velmora
