// The painter base: attaching, the message entry, and the helpers of the family.
#include "skin/controls/skin_control.h"

#include <algorithm>

#include "framework/win_control.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/skin_property.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {

void TSkinPainterList::Add(TSkinControl* painter) {
  if (std::find(FPainters.begin(), FPainters.end(), painter) == FPainters.end()) FPainters.push_back(painter);
}

void TSkinPainterList::Remove(TSkinControl* painter) {
  FPainters.erase(std::remove(FPainters.begin(), FPainters.end(), painter), FPainters.end());
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  *FAlive = false;
  // Freed by its control's destruction the owner is already gone (and with it the
  // control's message entry); freed by the form's skinning, the control gets its
  // own entry back.
  unhookControl();
  FSubclass.Detach();
  if (FFormSkin) FFormSkin->Remove(this);
}

void TSkinControl::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  if (FAttached) return;
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control || !data) return;
  FChangeColor = changeColor;
  FSkinData = data;
  FFormSkin = formSkin;
  FControl = control;
  FHandle = control->Handle();
  FUnicode = IsWindowUnicode(FHandle);
  hookControl(*control);
  if (FFormSkin) FFormSkin->Add(this);
  if (FChangeColor) {
    switchParentBackground(false);
    FSavedColor = control->Color();
    control->SetColor(FSkinData->Colors.Colors[scButtonFace]);
  }
  if (FParentBackgroundWasOn) BackgroundMode = 1;
  control->Invalidate();
  FAttached = true;
  FStatus = psAttached;
}

void TSkinControl::hookControl(TControl& control) {
  FControlLayer.Attach(control, [this](TMessage& message) { messageEntry(message); });
}

void TSkinControl::unhookControl() {
  TControl* served = FControl ? FControl : FGraphicControl;
  FControlLayer.Detach(served && Owner() == served);
}

void TSkinControl::AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) {
  if (!handle || !data) return;
  FSkinData = data;
  FFormSkin = formSkin;
  FHandle = handle;
  FEnabled = true;
  BackgroundMode = 0;
  if (FFormSkin) FFormSkin->Add(this);
  FUnicode = IsWindowUnicode(handle);
  FCaption = ReadWindowText(handle);
  FSubclass.Attach(handle, [this](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    const TSubclassNext* outer = std::exchange(FNext, &next);
    auto alive = FAlive;
    TMessage message{msg, wParam, lParam, 0};
    messageEntry(message);
    if (*alive) FNext = outer;
    return message.Result;
  });
  InvalidateRect(handle, nullptr, TRUE);
  FAttached = true;
  FStatus = psAttached;
}

void TSkinControl::switchParentBackground(bool on) {
  if (!FSkinData || InSet(FSkinData->Options(), xoParentBackGround) || !FControl) return;
  if (!GetPropInfo(*FControl, "ParentBackground")) return;
  if (!on) {
    if (LowerText(GetEnumText(FControl, "ParentBackground")) == "true") {
      FParentBackgroundWasOn = true;
      SetPropText(FControl, "ParentBackground", "False");
    }
  } else if (FParentBackgroundWasOn) {
    SetPropText(FControl, "ParentBackground", "True");
  }
}

void TSkinControl::Unskin() {
  if (!FChangeColor || !FControl) return;
  switchParentBackground(true);
  FControl->SetColor(FSavedColor);
}

void TSkinControl::SkinChanged() {
  if (FChangeColor && FControl && FSkinData) FControl->SetColor(FSkinData->Colors.Colors[scButtonFace]);
  Refresh();
}

void TSkinControl::Refresh() {
  if (FGraphicControl) {
    FGraphicControl->Invalidate();
  } else if (FHandle) {
    InvalidateRect(FHandle, nullptr, TRUE);
    UpdateWindow(FHandle);
  }
}

void TSkinControl::CallDefault(TMessage& message) {
  if (FControlLayer.HasPrevious()) {
    FControlLayer.CallPrevious(message);  // it may free this painter
  } else if (FNext) {
    message.Result = (*FNext)(message.Msg, message.WParam, message.LParam);
  } else if (FHandle) {
    message.Result = DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam);
  }
}

void TSkinControl::messageEntry(TMessage& message) {
  if (message.Msg == WM_SKINENABLE) {
    FActive = static_cast<INT_PTR>(message.WParam) > 0;
    if (FActive) Refresh();
    return;
  }
  if (!FActive) {
    CallDefault(message);
    return;
  }
  auto alive = FAlive;
  if (!BeforeMessage(message) || !*alive) return;
  CallDefault(message);
  if (*alive) AfterMessage(message);
}

bool TSkinControl::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY: {
      auto alive = FAlive;
      CallDefault(message);
      if (!*alive) return false;
      FActive = false;
      FStatus = psWindowDestroyed;
      Unskin();
      return false;
    }
    case WM_SKINQUERY:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintSkin(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      Refresh();
      return;
    default:
      return;
  }
}

void TSkinControl::PaintSkin(HDC dc) {
  if (!FHandle) return;
  RECT window;
  if (!GetWindowRect(FHandle, &window)) return;
  FWindowRect = window;
  RECT rect{0, 0, window.right - window.left, window.bottom - window.top};
  // A failure of our own drawing never reaches the application.
  try {
    if (dc) {
      DrawSkin(dc, rect);
    } else {
      WindowDC whole(FHandle, WindowDC::Whole);
      if (whole) DrawSkin(whole, rect);
    }
  } catch (const std::exception&) {
  }
}

void TAddedStyle::Add(HWND window, LONG_PTR bit) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (FWindow || (style & bit)) return;
  SetWindowLongPtrW(window, GWL_STYLE, style | bit);
  FWindow = window;
  FBit = bit;
}

void TAddedStyle::Remove(bool windowDestroyed) {
  if (FWindow && !windowDestroyed && IsWindow(FWindow))
    SetWindowLongPtrW(FWindow, GWL_STYLE, GetWindowLongPtrW(FWindow, GWL_STYLE) & ~FBit);
  FWindow = nullptr;
}

void TSkinControl::FrameColor(HDC dc, const RECT& rect, COLORREF color) {
  GdiBrush brush(CreateSolidBrush(ColorToRGB(color)));
  FrameRect(dc, &rect, brush);
}

void TSkinControl::FillColor(HDC dc, const RECT& rect, COLORREF color) {
  GdiBrush brush(CreateSolidBrush(ColorToRGB(color)));
  FillRect(dc, &rect, brush);
}

void TSkinControl::FillSkinColor(HDC dc, const RECT& rect) const {
  FillColor(dc, rect, FSkinData ? FSkinData->Colors.Colors[scButtonFace] : SystemColorRef(COLOR_BTNFACE));
}

void TSkinControl::DrawCentredText(HDC dc, const RECT& area, const std::wstring& text, UINT alignment) const {
  if (text.empty() || area.right <= area.left || area.bottom <= area.top) return;
  SetBkMode(dc, TRANSPARENT);
  if (FHandle && !IsWindowEnabled(FHandle))
    SetTextColor(dc, ColorToRGB(FSkinData->Colors.Colors[scButtonShadow]));
  const UINT flags = DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | (alignment & (DT_CENTER | DT_RIGHT));
  RECT measured = area;
  SkinDrawText(dc, text, measured, AddReadingOrder(flags | DT_CALCRECT));
  const int textWidth = measured.right - measured.left, textHeight = measured.bottom - measured.top;
  RECT place = area;
  OffsetRect(&place, 0, ((area.bottom - area.top) - textHeight) / 2 - 1);
  place.bottom = place.top + textHeight;
  if (alignment & DT_CENTER) {
    place.left = area.left + std::max(static_cast<int>((area.right - area.left) - textWidth) / 2, 0);
    place.right = place.left + std::min(textWidth, static_cast<int>(area.right - area.left));
  }
  SkinDrawText(dc, text, place, AddReadingOrder((flags & ~DT_CENTER) | DT_END_ELLIPSIS));
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
  const TControl* parent = FControl ? FControl->Parent() : nullptr;
  if (parent && GetPropInfo(*parent, "Color"))
    FillColor(dc, rect, ColorToRGB(static_cast<COLORREF>(GetOrdProp(*parent, "Color"))));
  else
    FillSkinColor(dc, rect);
}

void TSkinControl::PaintFull(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  PAINTSTRUCT ps{};
  const bool began = dc == nullptr;
  if (began) dc = BeginPaint(FHandle, &ps);
  // The paint is ended on every path.
  struct TEndPaint {
    HWND Window;
    PAINTSTRUCT* Paint;
    ~TEndPaint() {
      if (Paint) EndPaint(Window, Paint);
    }
  } end{FHandle, began ? &ps : nullptr};
  RECT window{};
  if (GetWindowRect(FHandle, &window)) {
    FWindowRect = window;
    const RECT rect{0, 0, window.right - window.left, window.bottom - window.top};
    try {
      DrawSkin(dc, rect);
    } catch (const std::exception&) {
    }
  }
  message.Result = 0;
}

bool TSkinControl::TakePaintAndErase(TMessage& message, bool drawn) {
  if (!drawn) return true;
  if (message.Msg == WM_PAINT) {
    PaintFull(message);
    return false;
  }
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return false;
  }
  return true;
}

void TSkinControl::EraseWithParent(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (FControl) {
    PaintParentBackground(FHandle, dc);
  } else {
    RECT client;
    GetClientRect(FHandle, &client);
    FillParentColor(dc, client);
  }
  message.Result = 1;
}

void TSkinControl::DrawSkinFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                                 const TDataSkinObject& element) const {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  DrawSkinBitmap(dc, rect, element.Map, MarginsOf(element), frameIndex, frameCount, element.Trans == 1,
                 element.Tile != 0, false);
}

UINT TSkinControl::AddReadingOrder(UINT flags) const {
  const TControl* control = FGraphicControl ? FGraphicControl : FControl;
  if (control && GetIntProp(control, "BiDiMode") == 1) flags |= DT_RTLREADING;
  if (control && LowerText(GetEnumText(control, "BiDiMode")) == "bdrighttoleft") flags |= DT_RTLREADING;
  return flags;
}

void TSkinControl::DrawCaptionFocus(HDC dc, UINT flags, const RECT& rect) const {
  RECT box = rect;
  SkinDrawText(dc, FCaption, box, DT_CALCRECT | DT_NOCLIP | flags);
  const int width = box.right - box.left, height = box.bottom - box.top;
  if (flags & DT_CENTER) {
    box.left = rect.left + (rect.right - rect.left - width) / 2;
    box.top = rect.top + (rect.bottom - rect.top - height) / 2 - 1;
  } else if (flags & DT_RIGHT) {
    box.left = rect.right - width;
  }
  box.right = box.left + width;
  box.bottom = box.top + height;
  InflateRect(&box, 2, 1);
  IntersectRect(&box, &box, &rect);
  DrawFocusRect(dc, &box);
}

void TSkinControl::ForwardMouseDown(const TMessage& message) const {
  if (!FControl) return;
  POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  // A control wider or taller than 16 bits of coordinates gets the cursor's position.
  if ((FControl->Width() > 32768 || FControl->Height() > 32768) && FHandle && GetCursorPos(&at))
    ScreenToClient(FHandle, &at);
  FControl->MouseDown(TMouseButton::mbLeft, ShiftStateFromKeys(message.WParam), at.x, at.y);
}

std::wstring TSkinControl::ReadWindowText(HWND handle) {
  const int length = GetWindowTextLengthW(handle);
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  const int copied = GetWindowTextW(handle, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

LONG_PTR TSkinControl::WindowLong(int index) const {
  return FUnicode ? GetWindowLongPtrW(FHandle, index) : GetWindowLongPtrA(FHandle, index);
}

void TSkinControl::SendMouseLeave() const {
  if (FHandle) SendMessageA(FHandle, CM_MOUSELEAVE, 0, 0);
}

COLORREF TSkinControl::SkinFaceColor() const {
  return ColorToRGB(FSkinData ? FSkinData->Colors.Colors[scButtonFace] : SystemColorRef(COLOR_BTNFACE));
}

}  // namespace velmora
