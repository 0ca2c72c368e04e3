// The rest of the standard and common controls, as thin superclasses of the system's
// classes under our class names: radio button, bit and speed buttons, panel, memo, list
// box, combo box, up-down, date-time picker, page control with tab sheets, list view,
// tree view, status bar, progress bar and track bar. Their contents (lines, items,
// columns, panels) come from a stored form's line lists.
#pragma once

#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/icons.h"
#include "framework/std_controls.h"

namespace velmora {

// Makes the common controls' classes known; every control below calls it.
void InitCommonControlClasses();

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool Checked() const;
  void SetChecked(bool v);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  bool FChecked = false;
};

// A picture property: one bitmap, stored in a form as "Glyph.Data" (the BMP file, or
// its length and then the file).
class TGlyph : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TBitmap Bitmap;
  bool LoadFromStored(const std::vector<std::uint8_t>& bytes);
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A push button with a glyph beside its caption.
class TBitBtn : public TButton {
 public:
  using TButton::TButton;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TGlyph* Glyph() const { return &FGlyph; }
  void SetGlyph(TGlyph* glyph);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int n) { FNumGlyphs = n; }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout) { FLayout = layout; }
  int Margin() const { return FMargin; }
  void SetMargin(int v) { FMargin = v; }
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v) { FSpacing = v; }
  // Without a glyph, image ImageIndex of Images is shown (DisabledIndex when disabled).
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* list);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  int DisabledIndex() const { return FDisabledIndex; }
  void SetDisabledIndex(int index);
  bool ReadBinaryProperty(const std::string& name, const std::vector<std::uint8_t>& bytes) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  int FDisabledIndex = -1;
  mutable TGlyph FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};

// A window-less button painted by its parent.
class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  bool Down() const { return FDown; }
  void SetDown(bool v);
  void PaintOn(HDC dc) override;

 private:
  bool FFlat = false, FDown = false;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut cut);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void paint(HDC dc);
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle style);
  bool ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
};

// Controls with a list of lines in "Items.Strings".
class TItemsControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  const std::vector<std::string>& Items() const { return FItems; }
  void SetItems(std::vector<std::string> items);
  TControlBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TControlBorderStyle style) { FBorderStyle = style; }
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) override;

 protected:
  void InitializeWnd() override;
  virtual void fillItems() {}
  // The sunken edge when "BorderStyle" is bsSingle.
  void addBorder(TCreateParams& params) const;

  std::vector<std::string> FItems;
  TControlBorderStyle FBorderStyle = TControlBorderStyle::bsSingle;
};

class TListBox : public TItemsControl {
 public:
  explicit TListBox(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void fillItems() override;
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TItemsControl {
 public:
  explicit TComboBox(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle style) { FStyle = style; }
  int ItemIndex() const;
  void SetItemIndex(int index);
  // A drop-down combo's window height is the room of its open list: it never gets
  // less than DropDownRoom, whatever height the combo is given.
  void SetBounds(int left, int top, int width, int height) override;
  static constexpr int DropDownRoom = 160;

 protected:
  void CreateParams(TCreateParams& params) override;
  void fillItems() override;

 private:
  TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
  int FItemIndex = -1;
};

enum class TOrientation { Horizontal, Vertical };

// Up-down, progress bar and track bar: a position within a range.
class TRangeControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  int Min() const { return FMin; }
  void SetMin(int v) { FMin = v, applyRange(); }
  int Max() const { return FMax; }
  void SetMax(int v) { FMax = v, applyRange(); }
  int Position() const;
  void SetPosition(int v);
  bool Vertical() const { return FVertical; }
  void SetVertical(bool v) { FVertical = v; }

 protected:
  void InitializeWnd() override { TWinControl::InitializeWnd(), applyRange(); }
  virtual void applyRange() = 0;
  virtual int readPosition() const = 0;

  int FMin = 0, FMax = 100, FPosition = 0;
  bool FVertical = false;
};

class TUpDown : public TRangeControl {
 public:
  explicit TUpDown(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void applyRange() override;
  int readPosition() const override;
};

class TProgressBar : public TRangeControl {
 public:
  explicit TProgressBar(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool v) { FSmooth = v; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void applyRange() override;
  int readPosition() const override;

 private:
  bool FSmooth = false;
};

class TTrackBar : public TRangeControl {
 public:
  explicit TTrackBar(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void applyRange() override;
  int readPosition() const override;
};

enum class TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar control: arrows move it by SmallChange, the track by LargeChange, the
// thumb to where it is dropped; OnChange follows every move.
class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind kind) { FKind = kind; }
  int Min() const { return FMin; }
  void SetMin(int v) { FMin = v, applyRange(); }
  int Max() const { return FMax; }
  void SetMax(int v) { FMax = v, applyRange(); }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int v) { FPageSize = v, applyRange(); }
  int Position() const { return FPosition; }
  void SetPosition(int v);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int v) { FSmallChange = v; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int v) { FLargeChange = v; }
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override { TWinControl::InitializeWnd(), applyRange(); }
  void WndProc(TMessage& message) override;

 private:
  void applyRange();
  // The position a scroll code asks for.
  int scrolledTo(WORD code, int thumbPosition) const;

  TScrollBarKind FKind = TScrollBarKind::sbHorizontal;
  int FMin = 0, FMax = 100, FPageSize = 0, FPosition = 0, FSmallChange = 1, FLargeChange = 1;
};

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool TimeKind() const { return FTimeKind; }
  void SetTimeKind(bool v) { FTimeKind = v; }

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool FTimeKind = false;
};

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// A row of tabs (the system tab control): drawn as tabs or as buttons, on any side of
// the control. Tabs on the left or right run in several lines, as the system needs.
class TCustomTabControl : public TWinControl {
 public:
  explicit TCustomTabControl(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle style);
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition position);
  int TabCount() const;
  void WndProc(TMessage& message) override;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InsertTab(int index, const std::string& caption);
  // The user picked another tab.
  virtual void Change();

 private:
  TTabStyle FStyle = TTabStyle::tsTabs;
  TTabPosition FTabPosition = TTabPosition::tpTop;
};

// Tabs without pages: "Tabs.Strings" are the captions, TabIndex the chosen one.
class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int TabIndex() const;
  void SetTabIndex(int index);
  const std::vector<std::string>& Tabs() const { return FTabs; }
  bool ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) override;

 protected:
  void InitializeWnd() override;

 private:
  std::vector<std::string> FTabs;
  int FTabIndex = 0;
};

class TTabSheet;

// Tabs over pages: the sheets are its children, one shown at a time. A sheet that is
// freed takes its tab with it.
class TPageControl : public TCustomTabControl {
 public:
  explicit TPageControl(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int ActivePageIndex() const { return FActive; }
  void SetActivePageIndex(int index);
  std::vector<TTabSheet*> Pages() const;
  void WndProc(TMessage& message) override;

 protected:
  void InitializeWnd() override;
  void Change() override;

 private:
  friend class TTabSheet;
  // A sheet given to the control after its tabs were made gets its tab at the end.
  void pageAdded(TTabSheet* sheet);
  void pageClosing(TTabSheet* sheet);
  bool FTabsMade = false;
  void placePages(const TTabSheet* leaving = nullptr);
  int FActive = 0;
};

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
};

// Report view: "Columns.Strings" as "Caption=width", "Items.Strings" with the
// sub-items after tabs.
class TListView : public TItemsControl {
 public:
  explicit TListView(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void fillItems() override;

 private:
  std::vector<std::string> FColumns;
};

// "Items.Strings": two leading blanks a level.
class TTreeView : public TItemsControl {
 public:
  explicit TTreeView(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void fillItems() override;
};

// "Panels.Strings" as "text=width" (the last panel takes the rest); a size grip.
class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool v) { FSimplePanel = v; }
  bool ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  void layoutPanels();
  std::vector<std::string> FPanels;
  bool FSimplePanel = false;
};

void RegisterCommonControlClasses();

}  // namespace velmora
