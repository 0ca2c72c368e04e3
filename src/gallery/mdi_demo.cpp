// The MDI demo's windows.
#include "gallery/mdi_demo.h"

namespace velmora {
namespace {

const char FrameClass[] = "TGalleryMDIForm";
const char ChildClass[] = "TGalleryMDIChild";

// The frame's menu bar: a plain Win32 menu, not a framework one.
enum TMdiCommand : UINT { cmdClose = 0x101, cmdCascade = 0x102, cmdTile = 0x103 };
constexpr int WindowMenuPosition = 1;

HWND clientOf(HWND frame) { return reinterpret_cast<HWND>(GetWindowLongPtrA(frame, GWLP_USERDATA)); }

LRESULT CALLBACK frameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      // The Window menu lists the children too.
      CLIENTCREATESTRUCT create{GetSubMenu(GetMenu(window), WindowMenuPosition), 0xFF00};
      HWND client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                    WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                    window, nullptr, GetModuleHandleA(nullptr), &create);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
      return client ? 0 : -1;
    }
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case cmdClose: PostMessageA(window, WM_CLOSE, 0, 0); return 0;
        case cmdCascade: SendMessageA(clientOf(window), WM_MDICASCADE, 0, 0); return 0;
        case cmdTile: SendMessageA(clientOf(window), WM_MDITILE, MDITILE_VERTICAL, 0); return 0;
        default: break;
      }
      return DefFrameProcA(window, clientOf(window), msg, wParam, lParam);
    default:
      return DefFrameProcA(window, clientOf(window), msg, wParam, lParam);
  }
}

LRESULT CALLBACK childProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r;
    GetClientRect(window, &r);
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &ps);
    return 0;
  }
  return DefMDIChildProcA(window, msg, wParam, lParam);
}

void registerClasses() {
  static const bool done = [] {
    WNDCLASSEXA frame{};
    frame.cbSize = sizeof frame;
    frame.style = CS_DBLCLKS;
    frame.lpfnWndProc = frameProc;
    frame.hInstance = GetModuleHandleA(nullptr);
    frame.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frame.lpszClassName = FrameClass;
    WNDCLASSEXA child = frame;
    child.lpfnWndProc = childProc;
    child.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    child.lpszClassName = ChildClass;
    return RegisterClassExA(&frame) && RegisterClassExA(&child);
  }();
  (void)done;
}

void addChild(HWND client, const char* title, int x, int y) {
  MDICREATESTRUCTA create{};
  create.szClass = ChildClass;
  create.szTitle = title;
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = x;
  create.y = y;
  create.cx = 220;
  create.cy = 140;
  create.style = WS_VISIBLE | WS_OVERLAPPEDWINDOW;
  SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
}

HMENU makeMenuBar() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, cmdClose, "&Close");
  HMENU windows = CreatePopupMenu();
  AppendMenuA(windows, MF_STRING, cmdCascade, "&Cascade");
  AppendMenuA(windows, MF_STRING, cmdTile, "&Tile");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windows), "&Window");
  return bar;
}

}  // namespace

TMdiDemo::TMdiDemo(HWND owner) {
  registerClasses();
  HMENU bar = makeMenuBar();
  FFrame = CreateWindowExA(0, FrameClass, "MDI parent", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 120, 80, 520, 360,
                           owner, bar, GetModuleHandleA(nullptr), nullptr);
  if (!FFrame) {
    DestroyMenu(bar);
    return;
  }
  addChild(clientOf(FFrame), "First child", 10, 10);
  addChild(clientOf(FFrame), "Second child", 80, 60);
  ShowWindow(FFrame, SW_SHOW);
}

TMdiDemo::~TMdiDemo() {
  if (Open()) DestroyWindow(FFrame);
}

void TMdiDemo::BringToFront() const {
  if (Open()) SetForegroundWindow(FFrame);
}

}  // namespace velmora
