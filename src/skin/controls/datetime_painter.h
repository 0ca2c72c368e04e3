// Date-time pickers keep their own content painting: the painter draws their border in
// the skin's frame colour and lays a small arrow button of ours (TArrowButton) over the
// native drop-down button; a click on it opens the calendar as a click on the native
// button would. A picker with a spin button instead (a time picker) has that spin
// button skinned.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinDateTime;

class TArrowButton {
 public:
  explicit TArrowButton(TSkinDateTime& owner) : FOwner(owner) {}
  ~TArrowButton();
  TArrowButton(const TArrowButton&) = delete;
  TArrowButton& operator=(const TArrowButton&) = delete;

  // A child of the picker `host`, laid over its drop-down button.
  void Attach(HWND host);
  // Follows the picker's size and reading order.
  void Align();
  HWND Handle() const { return FWindow; }
  bool Hot() const { return FHot; }
  // The button's place in the picker's client area for a picker of that size.
  static RECT Place(int clientWidth, int clientHeight, int arrowSize, bool onLeft);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void paint(HDC dc) const;
  void setHot(bool hot);

  TSkinDateTime& FOwner;
  HWND FWindow = nullptr;
  HWND FHost = nullptr;
  int FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
  bool FHot = false;
};

class TSkinDateTime : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinDateTime() override;

  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) override;
  void Unskin() override;

  TArrowButton* ArrowButton() const { return FArrow.get(); }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void attachParts();
  std::unique_ptr<TArrowButton> FArrow;
  TAddedStyle FClipChildren;
};

}  // namespace velmora
