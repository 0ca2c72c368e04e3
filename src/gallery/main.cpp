// velmora-gallery.exe: every control kind of the skin on one window, for skin authors
// and pixel tests.
//   velmora-gallery.exe [--skin PACKAGE]   PACKAGE instead of the default skin
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>

#include "framework/application.h"
#include "framework/win_string.h"
#include "gallery/gallery_form.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/skin_manager.h"

using namespace velmora;

namespace {

const char Title[] = "Velmora gallery";

// The path after "--skin", empty without one; `bad` when the option has no path.
std::string skinArgument(bool& bad) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::string path;
  bad = false;
  for (int i = 1; args && i < count; ++i) {
    if (std::wstring(args[i]) != L"--skin") continue;
    if (i + 1 < count)
      path = WideToAnsiText(args[i + 1]);
    else
      bad = true;
  }
  LocalFree(args);
  return path;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application.SetTitle(Title);
  bool bad = false;
  const std::string skin = skinArgument(bad);
  if (bad) {
    MessageBoxA(nullptr, "usage: velmora-gallery.exe [--skin PACKAGE]", Title, MB_OK | MB_ICONSTOP);
    return 2;
  }
  // Every window of the gallery wears the skin: the manager is there before the form loads.
  UseSkinManager();
  std::unique_ptr<TGalleryForm> form;
  try {
    form = std::make_unique<TGalleryForm>();
    if (!skin.empty()) {
      if (!form->SwitchSkin(skin)) {
        MessageBoxA(nullptr, ("Cannot load the skin package " + skin).c_str(), Title, MB_OK | MB_ICONSTOP);
        return 1;
      }
    }
  } catch (...) {
    Application.HandleException();
    return 1;
  }
  const int result = Application.Run(*form);
  form.reset();
  FreeSkinManager();
  return result;
}
