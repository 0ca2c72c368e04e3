// The common controls library, loaded the first time something asks for it instead of
// with the program: its start-up registers some twenty window classes and loads their
// cursors and pictures, which under Wine is a good part of velmora.exe's start, and the
// main window uses none of its controls. A window of one of its classes exists only
// after InitCommonControlClasses, which loads it.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace velmora {

// Registers the common control classes; false when the library or the call failed.
bool InitCommonControlsLibrary(const INITCOMMONCONTROLSEX& classes);

// The size of the images of `images`; false (and 0 x 0) when it cannot be read.
bool ImageListIconSize(HIMAGELIST images, int& width, int& height);

// Draws image `index` of `images` at (x, y); false when nothing was drawn.
bool DrawImageListImage(HIMAGELIST images, int index, HDC dc, int x, int y, UINT style);

}  // namespace velmora
