// Tab controls and their pages.
#include "skin/controls/tab_painters.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "framework/common_controls.h"
#include "framework/common_controls_library.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/skin_property.h"
#include "skin/controls/updown_painter.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

// Posted to the tab control: close tab wParam once the press that asked for it is over.
constexpr UINT CM_SKINCLOSETAB = WM_APP + 0x3507;

TSkinRect toSkin(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT toRect(const TSkinRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

bool isVertical(TTabSide side) { return side == TTabSide::Left || side == TTabSide::Right; }

// A skin image turned from tabs-on-top to `side`: flipped for the bottom, a quarter turn
// counter-clockwise for the left and clockwise for the right.
void turnToSide(TBitmap& bitmap, TTabSide side) {
  switch (side) {
    case TTabSide::Bottom: FlipVertical(bitmap); break;
    case TTabSide::Left: RotateLeft(bitmap); break;
    case TTabSide::Right: RotateRight(bitmap); break;
    case TTabSide::Top: break;
  }
}

// The turn back to tabs-on-top.
void turnBack(TBitmap& bitmap, TTabSide side) {
  switch (side) {
    case TTabSide::Bottom: FlipVertical(bitmap); break;
    case TTabSide::Left: RotateRight(bitmap); break;
    case TTabSide::Right: RotateLeft(bitmap); break;
    case TTabSide::Top: break;
  }
}

}  // namespace

// ---- shared by tabs and button-style tabs -------------------------------------------

bool TSkinTabBase::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND: {
      const TDataSkinObject* tabs = FSkinData->Records.Tabs.get();
      return TakePaintAndErase(message, tabs && !tabs->Map.Empty());
    }
    case WM_MOUSEMOVE: {
      TCHITTESTINFO hit{};
      hit.pt = {static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      const int hot = static_cast<int>(SendMessageA(FHandle, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      SkinTrackMouseLeave(FHandle);
      if (hot != FHotTab) {
        FHotTab = hot;
        Refresh();
      }
      return true;
    }
    case WM_MOUSELEAVE:
      if (FHotTab != -1) {
        FHotTab = -1;
        Refresh();
      }
      return true;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinTabBase::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // New tabs, captions or choice: the skinned face follows at once.
    case TCM_INSERTITEMA:
    case TCM_INSERTITEMW:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_SETITEMA:
    case TCM_SETITEMW:
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS:
    case WM_SETFONT:
      Refresh();
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

bool TSkinTabBase::ReadTab(int index, TTabItem& item) const {
  if (!SendMessageA(FHandle, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item.Rect)))
    return false;
  if (item.Rect.right <= item.Rect.left || item.Rect.bottom <= item.Rect.top) return false;
  constexpr int kLength = 80;
  if (FUnicode) {
    wchar_t text[kLength + 1] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT | TCIF_IMAGE;
    tab.pszText = text;
    tab.cchTextMax = kLength;
    if (SendMessageW(FHandle, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab))) {
      item.Caption = tab.pszText ? std::wstring(tab.pszText) : std::wstring();
      item.Image = tab.iImage;
    }
  } else {
    char text[kLength + 1] = {};
    TCITEMA tab{};
    tab.mask = TCIF_TEXT | TCIF_IMAGE;
    tab.pszText = text;
    tab.cchTextMax = kLength;
    if (SendMessageA(FHandle, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab))) {
      item.Caption = tab.pszText ? AnsiToWide(tab.pszText) : std::wstring();
      item.Image = tab.iImage;
    }
  }
  return true;
}

int TSkinTabBase::TabFrameCount() const {
  const TDataSkinObject* tabs = FSkinData->Records.Tabs.get();
  return tabs && tabs->Frame > 0 ? tabs->Frame : 5;
}

int TSkinTabBase::TabFrame(int index, int selected) const {
  int frame = 1;
  if (index == selected) frame = 2;
  else if (!IsWindowEnabled(FHandle)) frame = 4;
  else if (index == FHotTab) frame = 3;
  return frame <= TabFrameCount() ? frame : 1;
}

void TSkinTabBase::DrawIconCaption(HDC dc, const RECT& area, const TTabItem& item, int alignment,
                                   COLORREF color) const {
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(FHandle, TCM_GETIMAGELIST, 0, 0));
  int iconWidth = 0, iconHeight = 0;
  if (item.Image >= 0) ImageListIconSize(images, iconWidth, iconHeight);
  const bool withIcon = iconWidth > 0 && iconWidth < area.right - area.left;
  RECT measured{0, 0, 0, 0};
  if (!item.Caption.empty()) SkinDrawText(dc, item.Caption, measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  const int textWidth = measured.right - measured.left, textHeight = measured.bottom - measured.top;
  const int gap = withIcon && textWidth > 0 ? 3 : 0;
  int x = IconCaptionStart(toSkin(area), (withIcon ? iconWidth : 0) + gap + textWidth, alignment);
  const int height = area.bottom - area.top;
  if (withIcon) {
    DrawImageListImage(images, item.Image, dc, x, area.top + (height - iconHeight) / 2, ILD_TRANSPARENT);
    x += iconWidth + gap;
  }
  if (item.Caption.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(FHandle) ? color : ColorToRGB(FSkinData->Colors.Colors[scButtonShadow]));
  const int top = area.top + (height - textHeight) / 2;
  RECT text{x, top, std::max(x, static_cast<int>(area.right)), top + textHeight};
  SkinDrawText(dc, item.Caption, text, AddReadingOrder(DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_END_ELLIPSIS));
}

// ---- tabs with a page body -----------------------------------------------------------

void TSkinTab::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  TSkinTabBase::AttachControl(formSkin, data, changeColor);
  if (!FAttached) return;
  FCloseButtons = FControl && FControl->Tag() == CloseButtonsTag && !(WindowLong(GWL_STYLE) & TCS_OWNERDRAWFIXED);
  // Room for the close box beside each caption: the tabs grow by the box and its gap.
  if (FCloseButtons) SendMessageA(FHandle, TCM_SETPADDING, 0, MAKELPARAM(12, 3));
  prepare();
}

void TSkinTab::AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) {
  TSkinTabBase::AttachHandle(handle, data, formSkin);
  if (FAttached) prepare();
}

void TSkinTab::prepare() {
  turnImages();
  skinScroller();
}

void TSkinTab::SkinChanged() {
  turnImages();
  TSkinTabBase::SkinChanged();
}

void TSkinTab::turnImages() {
  FTabPosition = TabSideOfStyle(static_cast<unsigned long>(WindowLong(GWL_STYLE)));
  FTabBitmap = TBitmap();
  FPageBitmap = TBitmap();
  FSizedTabs.clear();
  FSizedPage = TBitmap();
  const TDataSkinBorder* tabs = FSkinData ? FSkinData->Records.Tabs.get() : nullptr;
  if (tabs && !tabs->Map.Empty()) {
    FTabBitmap.Assign(tabs->Map);
    FTabBitmap.SetPixelFormat(TPixelFormat::pf24bit);
    // Frames side by side stay side by side when flipped; turned a quarter they are
    // stacked, the first at the top for the right side and at the bottom for the left.
    turnToSide(FTabBitmap, FTabPosition);
    FTabMargins = TurnTabMargins(MarginsOf(*tabs), FTabPosition);
  }
  const TDataSkinObject* pane = FSkinData ? FSkinData->Records.TabPane.get() : nullptr;
  if (pane && !pane->Map.Empty()) {
    FPageBitmap.Assign(pane->Map);
    FPageBitmap.SetPixelFormat(TPixelFormat::pf24bit);
    turnToSide(FPageBitmap, FTabPosition);
    FPageMargins = TurnTabMargins(MarginsOf(*pane), FTabPosition);
  }
  FTurned = true;
}

void TSkinTab::skinScroller() {
  if (FScroller || !InSet(FSkinData->SkinControls(), xcSpin)) return;
  for (HWND child = GetWindow(FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, UPDOWN_CLASSA) != 0 || SendMessageW(child, WM_SKINQUERY, 0, 0) == 1) continue;
    FScroller = new TSkinUpDown(this);
    FScroller->Horizontal = true;
    FScroller->AttachHandle(child, FSkinData, FFormSkin);
    return;
  }
}

void TSkinTab::Notification(TComponent* component, TOperation operation) {
  TSkinTabBase::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FScroller) FScroller = nullptr;
}

bool TSkinTab::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      // A press on a close box closes its tab and goes no further.
      if (FCloseButtons && pressClose(message)) {
        message.Result = 0;
        return false;
      }
      return TSkinTabBase::BeforeMessage(message);
    case CM_SKINCLOSETAB:
      closeTab(static_cast<int>(message.WParam));
      return false;
    case WM_STYLECHANGED:
      // Tabs moved to another side: the images are turned again.
      turnImages();
      return true;
    default:
      return TSkinTabBase::BeforeMessage(message);
  }
}

bool TSkinTab::pressClose(const TMessage& message) {
  const POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  for (std::size_t i = 0; i < FCloseButtonRects.size(); ++i) {
    if (!PtInRect(&FCloseButtonRects[i], at)) continue;
    const HWND form = GetAncestor(FHandle, GA_ROOT);
    const auto index = static_cast<LPARAM>(i);
    // The form may keep the tab by answering non-zero. The tab goes once this press is
    // over, so nothing is freed under a window procedure that is still running.
    if (SendMessageW(form, WM_SKINTABCLOSE, reinterpret_cast<WPARAM>(FHandle), index) == 0)
      PostMessageW(FHandle, CM_SKINCLOSETAB, static_cast<WPARAM>(i), 0);
    return true;
  }
  return false;
}

void TSkinTab::closeTab(int index) {
  if (auto* pages = dynamic_cast<TPageControl*>(FControl)) {
    const auto sheets = pages->Pages();
    if (index >= 0 && index < static_cast<int>(sheets.size())) delete sheets[static_cast<std::size_t>(index)];
    return;
  }
  const int count = static_cast<int>(SendMessageA(FHandle, TCM_GETITEMCOUNT, 0, 0));
  if (index >= 0 && index < count) SendMessageA(FHandle, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || FTabBitmap.Empty()) return;
  if (!FTurned) turnImages();
  skinScroller();
  TFaceBuffer::TUse use(FFace, width, height);
  TBitmap& face = use.Face();
  {
    MemoryDC composing;
    SelectScope select(composing, face.Handle());
    FillParentColor(composing, {0, 0, width, height});
    SelectScope font(composing, reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0)));
    RECT client{0, 0, width, height};
    GetClientRect(FHandle, &client);
    RECT display = client;
    SendMessageA(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    drawPage(composing, toRect(TabPageArea(toSkin(display), toSkin(client), FTabPosition)));
    const int count = static_cast<int>(SendMessageA(FHandle, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageA(FHandle, TCM_GETCURSEL, 0, 0));
    FCloseButtonRects.assign(static_cast<std::size_t>(std::max(count, 0)), RECT{});
    // The selected tab last: it covers its neighbours' ends and the page's edge.
    for (int i = 0; i < count; ++i)
      if (i != selected) drawTab(composing, i, selected);
    if (selected >= 0 && selected < count) drawTab(composing, selected, selected);
  }
  CopyBitmap(dc, rect.left, rect.top, face);
}

void TSkinTab::drawPage(HDC dc, const RECT& page) {
  const int width = page.right - page.left, height = page.bottom - page.top;
  if (width <= 0 || height <= 0) return;
  if (!FPageBitmap.Empty()) {
    if (FSizedPage.Width() != width || FSizedPage.Height() != height)
      FSizedPage = SkinBitmapSizing({0, 0, width, height}, FPageBitmap, FPageMargins, 1, 1, false, false);
    CopyBitmap(dc, page.left, page.top, FSizedPage);
    return;
  }
  FillSkinColor(dc, page);
  FrameColor(dc, page, ColorToRGB(FSkinData->Colors.Colors[scButtonShadow]));
}

const TBitmap& TSkinTab::sizedTab(int frame, int width, int height) {
  for (const TSizedTab& sized : FSizedTabs)
    if (sized.Frame == frame && sized.Width == width && sized.Height == height) return sized.Bitmap;
  if (FSizedTabs.size() >= 32) FSizedTabs.clear();  // sizes that keep changing are not kept
  FSizedTabs.push_back({frame, width, height,
                        SkinBitmapSizing({0, 0, width, height}, FTabBitmap, FTabMargins, frame, TabFrameCount(), false,
                                         isVertical(FTabPosition))});
  return FSizedTabs.back().Bitmap;
}

void TSkinTab::drawTab(HDC dc, int index, int selected) {
  TTabItem item;
  if (!ReadTab(index, item)) return;
  const TDataSkinObject& tabs = *FSkinData->Records.Tabs;
  const RECT area = toRect(TabDrawRect(toSkin(item.Rect), FTabPosition, index == selected));
  const int frames = TabFrameCount();
  int frame = TabFrame(index, selected);
  // Turned a quarter counter-clockwise, the strip's first frame ends up at the bottom.
  if (FTabPosition == TTabSide::Left) frame = frames + 1 - frame;
  if (area.right > area.left && area.bottom > area.top) {
    const TBitmap& sized = sizedTab(frame, area.right - area.left, area.bottom - area.top);
    if (tabs.Trans != 0) {
      TransparentCopy(dc, area, sized, SkinTransparentColor);
    } else {
      CopyBitmap(dc, area.left, area.top, sized);
    }
  }
  const COLORREF color = ColorToRGB(index == selected ? tabs.MouseOverColour2 : tabs.NormalColour2);
  RECT captionArea = item.Rect;
  if (FCloseButtons) {
    const RECT box = toRect(TabCloseBox(toSkin(item.Rect)));
    FCloseButtonRects[static_cast<std::size_t>(index)] = box;
    drawCloseBox(dc, box, color);
    if (!isVertical(FTabPosition)) captionArea.right = box.left;
  }
  drawCaption(dc, captionArea, item, color);
}

void TSkinTab::drawCaption(HDC dc, const RECT& area, const TTabItem& item, COLORREF color) const {
  if (!isVertical(FTabPosition)) {
    DrawIconCaption(dc, area, item, 1, color);
    return;
  }
  // Tabs on the sides read along the tab: the caption is drawn on the tab turned back
  // upright, then turned with it again.
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  TBitmap strip(width, height);
  {
    MemoryDC copy;
    SelectScope select(copy, strip.Handle());
    BitBlt(copy, 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
  }
  turnBack(strip, FTabPosition);
  {
    MemoryDC upright;
    SelectScope select(upright, strip.Handle());
    SelectScope font(upright, GetCurrentObject(dc, OBJ_FONT));
    DrawIconCaption(upright, {0, 0, strip.Width(), strip.Height()}, item, 1, color);
  }
  turnToSide(strip, FTabPosition);
  CopyBitmap(dc, area.left, area.top, strip);
}

void TSkinTab::drawCloseBox(HDC dc, const RECT& box, COLORREF color) const {
  GdiPen pen(CreatePen(PS_SOLID, 1, color));
  SelectScope select(dc, pen.Get());
  // Both diagonals, corner to corner; LineTo leaves the last pixel out.
  MoveToEx(dc, box.left, box.top, nullptr);
  LineTo(dc, box.right + 1, box.bottom + 1);
  MoveToEx(dc, box.right, box.top, nullptr);
  LineTo(dc, box.left - 1, box.bottom + 1);
}

// ---- button-style tabs --------------------------------------------------------------

void TSkinTabBtn::DrawSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const TDataSkinObject* tabs = FSkinData->Records.Tabs.get();
  if (width <= 0 || height <= 0 || !tabs || tabs->Map.Empty()) return;
  TFaceBuffer::TUse use(FFace, width, height);
  TBitmap& face = use.Face();
  {
    MemoryDC composing;
    SelectScope select(composing, face.Handle());
    FillParentColor(composing, {0, 0, width, height});
    SelectScope font(composing, reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0)));
    const int count = static_cast<int>(SendMessageA(FHandle, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageA(FHandle, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < count; ++i) {
      TTabItem item;
      if (!ReadTab(i, item)) continue;
      DrawSkinBitmap(composing, item.Rect, tabs->Map, MarginsOf(*tabs), TabFrame(i, selected), TabFrameCount(),
                     tabs->Trans != 0, false, false);
      DrawIconCaption(composing, item.Rect, item, 1,
                      ColorToRGB(i == selected ? tabs->MouseOverColour2 : tabs->NormalColour2));
    }
  }
  CopyBitmap(dc, rect.left, rect.top, face);
}

// ---- old-style tab sets ---------------------------------------------------------------

void TSkinTab31::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (FAttached) copyTabs();
}

void TSkinTab31::SkinChanged() {
  copyTabs();
  TSkinControl::SkinChanged();
}

void TSkinTab31::copyTabs() {
  FTabBitmap = TBitmap();
  const TDataSkinObject* tabs = FSkinData ? FSkinData->Records.Tabs.get() : nullptr;
  if (tabs && !tabs->Map.Empty()) FTabBitmap.Assign(tabs->Map);
}

bool TSkinTab31::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
      return TakePaintAndErase(message, !FTabBitmap.Empty());
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const TDataSkinObject* tabs = FSkinData->Records.Tabs.get();
  if (width <= 0 || height <= 0 || FTabBitmap.Empty() || !tabs) return;
  TFaceBuffer::TUse use(FFace, width, height);
  TBitmap& face = use.Face();
  {
    MemoryDC composing;
    SelectScope select(composing, face.Handle());
    FillParentColor(composing, {0, 0, width, height});
    SelectScope font(composing, reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0)));
    const int chosen = GetIntProp(FControl, "TabIndex");
    const std::wstring lines = GetTextProp(FControl, "Tabs");
    int left = 0, index = 0;
    for (std::size_t start = 0; start < lines.size() && left < width; ++index) {
      std::size_t end = lines.find(L'\n', start);
      if (end == std::wstring::npos) end = lines.size();
      std::wstring caption = lines.substr(start, end - start);
      start = end + 1;
      if (!caption.empty() && caption.back() == L'\r') caption.pop_back();
      RECT measured{0, 0, 0, 0};
      SkinDrawText(composing, caption, measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
      const RECT tab{left, 0, left + (measured.right - measured.left) + 16, height};
      DrawSkinBitmap(composing, tab, FTabBitmap, MarginsOf(*tabs), index == chosen ? 2 : 1,
                     tabs->Frame > 0 ? tabs->Frame : 5, tabs->Trans != 0, false, false);
      SetTextColor(composing, ColorToRGB(index == chosen ? tabs->MouseOverColour2 : tabs->NormalColour2));
      DrawCentredText(composing, tab, caption, DT_CENTER);
      left = tab.right;
    }
  }
  CopyBitmap(dc, rect.left, rect.top, face);
}

// ---- pages --------------------------------------------------------------------------

bool TSkinTabSheet::BeforeMessage(TMessage& message) {
  if (message.Msg != WM_ERASEBKGND || BackgroundMode != 0) return TSkinControl::BeforeMessage(message);
  RECT client;
  GetClientRect(FHandle, &client);
  FillSkinColor(reinterpret_cast<HDC>(message.WParam), client);
  message.Result = 1;
  return false;
}

}  // namespace velmora
