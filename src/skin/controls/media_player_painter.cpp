// Media player controls.
#include "skin/controls/media_player_painter.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/gdi_object.h"
#include "framework/rtti.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/painter_window.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

constexpr wchar_t MediaPlayerClass[] = L"VelmoraMediaPlayer";
constexpr const char* ButtonNames[TWMediaPlayer::ButtonCount] = {
    "MPPLAY", "MPPAUSE", "MPSTOP", "MPNEXT", "MPPREV", "MPSTEP", "MPBACK", "MPRECORD", "MPEJECT"};
constexpr const char* StatePrefixes[3] = {"EN", "DI", "CL"};
constexpr unsigned AllButtons = (1u << TWMediaPlayer::ButtonCount) - 1;

// The skin's push button frames: normal, pressed, disabled, hot.
constexpr int FrameNormal = 1, FramePressed = 2, FrameDisabled = 3, FrameHot = 4;

}  // namespace

TWMediaPlayer::TWMediaPlayer(TSkinMP& owner, HWND control) : FOwner(owner), FControl(control) {
  const HINSTANCE module = GetModuleHandleW(nullptr);
  for (int state = 0; state < 3; ++state)
    for (int button = 0; button < ButtonCount; ++button) {
      const std::string name = std::string(StatePrefixes[state]) + "_" + ButtonNames[button];
      FGlyphs[state][button].LoadFromResourceName(module, name.c_str());
    }
  RegisterPainterWindowClass(MediaPlayerClass, &TWMediaPlayer::windowProc, 0);
  FWindow = CreateWindowExW(0, MediaPlayerClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, control,
                            nullptr, module, nullptr);
  if (!FWindow) return;
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Align();
}

TWMediaPlayer::~TWMediaPlayer() {
  const HWND window = std::exchange(FWindow, nullptr);
  if (window && IsWindow(window)) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
}

void TWMediaPlayer::Align() {
  if (!FWindow) return;
  RECT client{};
  GetClientRect(FControl, &client);
  SetWindowPos(FWindow, HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE);
  InvalidateRect(FWindow, nullptr, FALSE);
}

unsigned TWMediaPlayer::buttonSet(const char* name) const {
  const TControl* control = FOwner.Control();
  if (!control || !GetPropInfo(*control, name)) return AllButtons;
  return static_cast<unsigned>(GetOrdProp(*control, name)) & AllButtons;
}

std::vector<TWMediaPlayer::TPlace> TWMediaPlayer::places() const {
  std::vector<TPlace> result;
  RECT client{};
  if (!FWindow || !GetClientRect(FWindow, &client)) return result;
  const unsigned visible = buttonSet("VisibleButtons");
  std::vector<int> shown;
  for (int button = 0; button < ButtonCount; ++button)
    if (visible & (1u << button)) shown.push_back(button);
  if (shown.empty() || client.right <= 0) return result;
  // Equal widths; the last button takes what the division leaves.
  const int count = static_cast<int>(shown.size()), width = client.right / count;
  for (int i = 0; i < count; ++i)
    result.push_back({shown[static_cast<std::size_t>(i)], i * width, i == count - 1 ? client.right : (i + 1) * width});
  return result;
}

int TWMediaPlayer::ButtonAt(int x) const {
  for (const TPlace& place : places())
    if (x >= place.Left && x < place.Right) return place.Button;
  return -1;
}

LRESULT CALLBACK TWMediaPlayer::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* player = reinterpret_cast<TWMediaPlayer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!player) return DefWindowProcW(window, msg, wParam, lParam);
  return player->handle(msg, wParam, lParam);
}

void TWMediaPlayer::setHot(int button) {
  if (FHotButton == button) return;
  FHotButton = button;
  InvalidateRect(FWindow, nullptr, FALSE);
}

LRESULT TWMediaPlayer::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND window = FWindow;
  const int x = static_cast<short>(LOWORD(lParam));
  switch (msg) {
    case WM_MOUSEMOVE:
      SkinTrackMouseLeave(window);
      setHot(ButtonAt(x));
      return 0;
    case WM_MOUSELEAVE:
      setHot(-1);
      return 0;
    case WM_LBUTTONDOWN:
      FPressed = true;
      FPressedButton = ButtonAt(x);
      InvalidateRect(window, nullptr, FALSE);
      // The control lies under us at the same place: it does what the button asks. It
      // may take the mouse; the overlay keeps it for its own release.
      SendMessageW(FControl, WM_LBUTTONDOWN, wParam, lParam);
      ReleaseCapture();
      SetCapture(window);
      return 0;
    case WM_LBUTTONUP:
      FPressed = false;
      if (GetCapture() == window) ReleaseCapture();
      InvalidateRect(window, nullptr, FALSE);
      SendMessageW(FControl, WM_LBUTTONUP, wParam, lParam);
      return 0;
    default: {
      LRESULT result = 0;
      if (HandlePainterWindowMessage(window, msg, wParam, [this](HDC dc) { paint(dc); }, result)) return result;
      return DefWindowProcW(window, msg, wParam, lParam);
    }
  }
}

void TWMediaPlayer::paint(HDC dc) const {
  RECT client{};
  GetClientRect(FWindow, &client);
  const TSkinData* data = FOwner.SkinData();
  if (!data || client.right <= 0 || client.bottom <= 0) return;
  TBitmap face(client.right, client.bottom);
  {
    MemoryDC composing;
    SelectScope select(composing, face.Handle());
    GdiBrush background(CreateSolidBrush(ColorToRGB(data->Colors.Colors[scButtonFace])));
    FillRect(composing, &client, background);
    const unsigned enabled = buttonSet("EnabledButtons"), colored = buttonSet("ColoredButtons");
    const bool controlEnabled = IsWindowEnabled(FControl) != FALSE;
    const TDataSkinObject* buttons = data->Records.Buttons.get();
    for (const TPlace& place : places()) {
      const RECT cell{place.Left, 0, place.Right, client.bottom};
      const bool on = controlEnabled && (enabled & (1u << place.Button));
      int frame = FrameNormal;
      if (!on) frame = FrameDisabled;
      else if (FPressed && place.Button == FPressedButton) frame = FramePressed;
      else if (place.Button == FHotButton) frame = FrameHot;
      if (buttons && !buttons->Map.Empty())
        DrawSkinBitmap(composing, cell, buttons->Map, MarginsOf(*buttons), frame, std::max(buttons->Frame, 1),
                       buttons->Trans != 0, buttons->Tile != 0, false);
      const TGlyphState state = !on ? gsDisabled : (colored & (1u << place.Button)) ? gsColored : gsEnabled;
      const TBitmap& glyph = Glyph(place.Button, state);
      if (glyph.Empty()) continue;
      const int shift = frame == FramePressed ? 1 : 0;
      const int left = (cell.left + cell.right - glyph.Width()) / 2 + shift;
      const int top = (client.bottom - glyph.Height()) / 2 + shift;
      TransparentCopy(composing, {left, top, left + glyph.Width(), top + glyph.Height()}, glyph, SkinTransparentColor);
    }
  }
  CopyBitmap(dc, 0, 0, face);
}

TSkinMP::~TSkinMP() = default;

void TSkinMP::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (FAttached && !FPlayer) FPlayer = std::make_unique<TWMediaPlayer>(*this, FHandle);
}

void TSkinMP::Unskin() {
  FPlayer.reset();
  TSkinControl::Unskin();
}

void TSkinMP::SkinChanged() {
  if (FPlayer) InvalidateRect(FPlayer->Handle(), nullptr, FALSE);
  TSkinControl::SkinChanged();
}

void TSkinMP::AfterMessage(TMessage& message) {
  if (message.Msg == WM_SIZE && FPlayer) FPlayer->Align();
  if ((message.Msg == WM_ENABLE || message.Msg == CM_ENABLEDCHANGED) && FPlayer)
    InvalidateRect(FPlayer->Handle(), nullptr, FALSE);
  TSkinControl::AfterMessage(message);
}

}  // namespace velmora
