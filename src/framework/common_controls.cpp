// The common controls.
#include "framework/common_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <span>

#include "framework/common_controls_library.h"
#include "framework/gdi_object.h"

namespace velmora {
namespace {

template <class T>
TComponent* make(TComponent* owner) {
  return new T(owner);
}

bool isItemsName(const std::string& name, const char* list) {
  return SameText(name, std::string(list) + ".Strings") || SameText(name, list);
}

// "text=number": the text and the number (0 when there is none).
std::pair<std::string, int> splitPair(const std::string& line) {
  const auto eq = line.rfind('=');
  if (eq == std::string::npos) return {line, 0};
  return {line.substr(0, eq), std::atoi(line.c_str() + eq + 1)};
}

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    parts.push_back(line.substr(start, tab - start));
  parts.push_back(line.substr(start));
  return parts;
}

}  // namespace

void InitCommonControlClasses() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                              ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                  ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    return InitCommonControlsLibrary(init);
  }();
  (void)done;
}

// ---- radio button ---------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  FWidth = 113;
  FHeight = 17;
}

const TClassInfo& TRadioButton::StaticClassInfo() {
  static const TClassInfo info{
      "TRadioButton",
      &TButtonControl::StaticClassInfo(),
      {props::Boolean<TRadioButton>("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)},
      make<TRadioButton>};
  return info;
}

bool TRadioButton::Checked() const {
  if (WindowHandle()) return SendMessageA(WindowHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  return FChecked;
}

void TRadioButton::SetChecked(bool v) {
  FChecked = v;
  if (WindowHandle()) SendMessageA(WindowHandle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.BaseClassName = "BUTTON";
  params.Style |= BS_AUTORADIOBUTTON;
}

void TRadioButton::InitializeWnd() {
  TButtonControl::InitializeWnd();
  SendMessageA(WindowHandle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) FChecked = Checked();
  TButtonControl::WndProc(message);
}

const TClassInfo& TGlyph::StaticClassInfo() {
  static const TClassInfo info{"TGlyph", &TPersistent::StaticClassInfo(), {}, {}};
  return info;
}

bool TGlyph::LoadFromStored(const std::vector<std::uint8_t>& bytes) {
  // The BMP file itself, or a little-endian length before it.
  std::span<const std::uint8_t> file(bytes);
  if (file.size() >= 6 && !(file[0] == 'B' && file[1] == 'M') && file[4] == 'B' && file[5] == 'M') file = file.subspan(4);
  return Bitmap.LoadFromBytes(file);
}

const TClassInfo& TBitBtn::StaticClassInfo() {
  static const TClassInfo info{
      "TBitBtn",
      &TButton::StaticClassInfo(),
      {
          props::Object<TBitBtn, TGlyph>("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph),
          props::Integer<TBitBtn, int>("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs),
          props::Enumeration<TBitBtn, TButtonLayout>(
              "Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}, &TBitBtn::Layout,
              &TBitBtn::SetLayout),
          props::Integer<TBitBtn, int>("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin),
          props::Integer<TBitBtn, int>("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing),
          props::Object<TBitBtn, TImageList>("Images", &TBitBtn::Images, &TBitBtn::SetImages),
          props::Integer<TBitBtn, int>("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex),
          props::Integer<TBitBtn, int>("DisabledIndex", &TBitBtn::DisabledIndex, &TBitBtn::SetDisabledIndex),
      },
      make<TBitBtn>};
  return info;
}

void TBitBtn::SetImages(TImageList* list) {
  FImages = list;
  if (list) list->FreeNotification(this);
  Invalidate();
}

void TBitBtn::SetImageIndex(int index) {
  FImageIndex = index;
  Invalidate();
}

void TBitBtn::SetDisabledIndex(int index) {
  FDisabledIndex = index;
  Invalidate();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
  TButton::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) FImages = nullptr;
}

void TBitBtn::SetGlyph(TGlyph* glyph) {
  if (glyph && glyph != &FGlyph) FGlyph.Bitmap.Assign(glyph->Bitmap);
  Invalidate();
}

bool TBitBtn::ReadBinaryProperty(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  if (!SameText(name, "Glyph.Data")) return TButton::ReadBinaryProperty(name, bytes);
  FGlyph.LoadFromStored(bytes);
  return true;
}

// ---- speed button ----------------------------------------------------------------

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  FWidth = 23;
  FHeight = 22;
}

const TClassInfo& TSpeedButton::StaticClassInfo() {
  static const TClassInfo info{
      "TSpeedButton",
      &TGraphicControl::StaticClassInfo(),
      {
          props::Boolean<TSpeedButton>("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
          props::Boolean<TSpeedButton>("Down", &TSpeedButton::Down, &TSpeedButton::SetDown),
      },
      make<TSpeedButton>};
  return info;
}

void TSpeedButton::SetFlat(bool v) {
  FFlat = v;
  Invalidate();
}

void TSpeedButton::SetDown(bool v) {
  FDown = v;
  Invalidate();
}

void TSpeedButton::PaintOn(HDC dc) {
  RECT r = BoundsRect();
  GdiBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  FillRect(dc, &r, face);
  if (FDown)
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  else if (!FFlat)
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
  SelectScope font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(FEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  if (FDown) OffsetRect(&r, 1, 1);
  DrawTextA(dc, FText.c_str(), static_cast<int>(FText.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---- panel ---------------------------------------------------------------------

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  FWidth = 185;
  FHeight = 41;
}

const TClassInfo& TPanel::StaticClassInfo() {
  static const TClassInfo info{
      "TPanel",
      &TWinControl::StaticClassInfo(),
      {props::Enumeration<TPanel, TBevelCut>("BevelOuter", {"bvNone", "bvLowered", "bvRaised"}, &TPanel::BevelOuter,
                                             &TPanel::SetBevelOuter)},
      make<TPanel>};
  return info;
}

void TPanel::SetBevelOuter(TBevelCut cut) {
  FBevelOuter = cut;
  Invalidate();
}

void TPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPanel::paint(HDC dc) {
  RECT r;
  GetClientRect(WindowHandle(), &r);
  GdiBrush back(CreateSolidBrush(ColorToRGB(FColor)));
  FillRect(dc, &r, back);
  if (FBevelOuter != TBevelCut::bvNone)
    DrawEdge(dc, &r, FBevelOuter == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
  SelectScope font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  DrawTextA(dc, FText.c_str(), static_cast<int>(FText.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TPanel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT: {
      if (message.WParam) {  // a DC given to paint on
        paint(reinterpret_cast<HDC>(message.WParam));
        return;
      }
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(WindowHandle(), &ps);
      paint(dc);
      EndPaint(WindowHandle(), &ps);
      return;
    }
    case WM_SETTEXT:
      TWinControl::WndProc(message);
      Invalidate();
      return;
    default:
      TWinControl::WndProc(message);
  }
}

// ---- memo ----------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
  FWidth = 185;
  FHeight = 89;
}

const TClassInfo& TMemo::StaticClassInfo() {
  static const TClassInfo info{
      "TMemo",
      &TCustomEdit::StaticClassInfo(),
      {props::Enumeration<TMemo, TScrollStyle>("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                                               &TMemo::ScrollBars, &TMemo::SetScrollBars)},
      make<TMemo>};
  return info;
}

void TMemo::SetScrollBars(TScrollStyle style) {
  if (style == FScrollBars) return;
  FScrollBars = style;
  RecreateWnd();  // an edit's scroll bars are set when it is made
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_VSCROLL;
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth)
    params.Style |= WS_HSCROLL | ES_AUTOHSCROLL;
}

bool TMemo::ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) {
  if (!isItemsName(name, "Lines")) return false;
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  SetText(text);
  return true;
}

// ---- lists ---------------------------------------------------------------------

const TClassInfo& TItemsControl::StaticClassInfo() {
  static const TClassInfo info{
      "TItemsControl",
      &TWinControl::StaticClassInfo(),
      {props::Enumeration<TItemsControl, TControlBorderStyle>("BorderStyle", {"bsNone", "bsSingle"},
                                                              &TItemsControl::BorderStyle, &TItemsControl::SetBorderStyle)},
      nullptr};
  return info;
}

void TItemsControl::addBorder(TCreateParams& params) const {
  if (FBorderStyle == TControlBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TItemsControl::SetItems(std::vector<std::string> items) {
  FItems = std::move(items);
  if (WindowHandle()) fillItems();
}

bool TItemsControl::ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) {
  if (!isItemsName(name, "Items")) return false;
  SetItems(lines);
  return true;
}

void TItemsControl::InitializeWnd() {
  TWinControl::InitializeWnd();
  fillItems();
}

TListBox::TListBox(TComponent* owner) : TItemsControl(owner) {
  FWidth = 121;
  FHeight = 97;
  FColor = clWindow;
  FTabStop = true;
}

const TClassInfo& TListBox::StaticClassInfo() {
  static const TClassInfo info{"TListBox", &TItemsControl::StaticClassInfo(), {}, make<TListBox>};
  return info;
}

void TListBox::CreateParams(TCreateParams& params) {
  TItemsControl::CreateParams(params);
  params.BaseClassName = "LISTBOX";
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  addBorder(params);
}

void TListBox::fillItems() {
  SendMessageA(WindowHandle(), LB_RESETCONTENT, 0, 0);
  for (const std::string& item : FItems)
    SendMessageA(WindowHandle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

TComboBox::TComboBox(TComponent* owner) : TItemsControl(owner) {
  FWidth = 145;
  FHeight = 21;
  FColor = clWindow;
  FTabStop = true;
}

const TClassInfo& TComboBox::StaticClassInfo() {
  static const TClassInfo info{
      "TComboBox",
      &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TComboBox, TComboBoxStyle>("Style", {"csDropDown", "csSimple", "csDropDownList"},
                                                        &TComboBox::Style, &TComboBox::SetStyle),
          props::Integer<TComboBox, int>("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex),
      },
      make<TComboBox>};
  return info;
}

int TComboBox::ItemIndex() const {
  if (WindowHandle()) return static_cast<int>(SendMessageA(WindowHandle(), CB_GETCURSEL, 0, 0));
  return FItemIndex;
}

void TComboBox::SetItemIndex(int index) {
  FItemIndex = index;
  if (WindowHandle()) SendMessageA(WindowHandle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::CreateParams(TCreateParams& params) {
  TItemsControl::CreateParams(params);
  params.BaseClassName = "COMBOBOX";
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (FStyle) {
    case TComboBoxStyle::csDropDown:
      params.Style |= CBS_DROPDOWN;
      params.Height = std::max(params.Height, DropDownRoom);  // room for the list
      break;
    case TComboBoxStyle::csSimple:
      params.Style |= CBS_SIMPLE | CBS_NOINTEGRALHEIGHT;
      break;
    case TComboBoxStyle::csDropDownList:
      params.Style |= CBS_DROPDOWNLIST;
      params.Height = std::max(params.Height, DropDownRoom);
      break;
  }
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (!WindowHandle()) return;
  const int windowHeight = FStyle == TComboBoxStyle::csSimple ? height : std::max(height, DropDownRoom);
  SetWindowPos(WindowHandle(), nullptr, left, top, width, windowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::fillItems() {
  SendMessageA(WindowHandle(), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : FItems)
    SendMessageA(WindowHandle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (FItemIndex >= 0) SendMessageA(WindowHandle(), CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
}

// ---- ranges --------------------------------------------------------------------

int TRangeControl::Position() const { return WindowHandle() ? readPosition() : FPosition; }

void TRangeControl::SetPosition(int v) {
  FPosition = v;
  applyRange();
}

namespace {

template <class T>
std::vector<TPropertyInfo> rangeProperties(std::vector<std::string> orientation) {
  return {
      props::Integer<TRangeControl, int>("Min", &TRangeControl::Min, &TRangeControl::SetMin),
      props::Integer<TRangeControl, int>("Max", &TRangeControl::Max, &TRangeControl::SetMax),
      props::Integer<TRangeControl, int>("Position", &TRangeControl::Position, &TRangeControl::SetPosition),
      props::Enumeration<TRangeControl, bool>("Orientation", std::move(orientation), &TRangeControl::Vertical,
                                              &TRangeControl::SetVertical),
  };
}

}  // namespace

TUpDown::TUpDown(TComponent* owner) : TRangeControl(owner) {
  FWidth = 17;
  FHeight = 25;
  FVertical = true;
}

const TClassInfo& TUpDown::StaticClassInfo() {
  static const TClassInfo info{"TUpDown", &TWinControl::StaticClassInfo(),
                               rangeProperties<TUpDown>({"udHorizontal", "udVertical"}), make<TUpDown>};
  return info;
}

void TUpDown::CreateParams(TCreateParams& params) {
  InitCommonControlClasses();
  TRangeControl::CreateParams(params);
  params.BaseClassName = UPDOWN_CLASSA;
  params.Style |= UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (!FVertical) params.Style |= UDS_HORZ;
}

void TUpDown::applyRange() {
  if (!WindowHandle()) return;
  SendMessageA(WindowHandle(), UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SendMessageA(WindowHandle(), UDM_SETPOS32, 0, FPosition);
}

int TUpDown::readPosition() const { return static_cast<int>(SendMessageA(WindowHandle(), UDM_GETPOS32, 0, 0)); }

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner) {
  FWidth = 150;
  FHeight = 16;
}

const TClassInfo& TProgressBar::StaticClassInfo() {
  static const TClassInfo info{
      "TProgressBar", &TWinControl::StaticClassInfo(),
      [] {
        auto list = rangeProperties<TProgressBar>({"pbHorizontal", "pbVertical"});
        list.push_back(props::Boolean<TProgressBar>("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth));
        return list;
      }(),
      make<TProgressBar>};
  return info;
}

void TProgressBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses();
  TRangeControl::CreateParams(params);
  params.BaseClassName = PROGRESS_CLASSA;
  if (FVertical) params.Style |= PBS_VERTICAL;
  if (FSmooth) params.Style |= PBS_SMOOTH;
}

void TProgressBar::applyRange() {
  if (!WindowHandle()) return;
  SendMessageA(WindowHandle(), PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SendMessageA(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}

int TProgressBar::readPosition() const { return static_cast<int>(SendMessageA(WindowHandle(), PBM_GETPOS, 0, 0)); }

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner) {
  FWidth = 150;
  FHeight = 45;
  FMax = 10;
  FTabStop = true;
}

const TClassInfo& TTrackBar::StaticClassInfo() {
  static const TClassInfo info{"TTrackBar", &TWinControl::StaticClassInfo(),
                               rangeProperties<TTrackBar>({"trHorizontal", "trVertical"}), make<TTrackBar>};
  return info;
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses();
  TRangeControl::CreateParams(params);
  params.BaseClassName = TRACKBAR_CLASSA;
  params.Style |= TBS_AUTOTICKS | (FVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::applyRange() {
  if (!WindowHandle()) return;
  SendMessageA(WindowHandle(), TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageA(WindowHandle(), TBM_SETRANGEMAX, TRUE, FMax);
  SendMessageA(WindowHandle(), TBM_SETPOS, TRUE, FPosition);
}

int TTrackBar::readPosition() const { return static_cast<int>(SendMessageA(WindowHandle(), TBM_GETPOS, 0, 0)); }

// ---- scroll bar --------------------------------------------------------------------

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  FWidth = 121;
  FHeight = 17;
  FTabStop = true;
}

const TClassInfo& TScrollBar::StaticClassInfo() {
  static const TClassInfo info{
      "TScrollBar",
      &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TScrollBar, TScrollBarKind>("Kind", {"sbHorizontal", "sbVertical"}, &TScrollBar::Kind,
                                                         &TScrollBar::SetKind),
          props::Integer<TScrollBar, int>("Min", &TScrollBar::Min, &TScrollBar::SetMin),
          props::Integer<TScrollBar, int>("Max", &TScrollBar::Max, &TScrollBar::SetMax),
          props::Integer<TScrollBar, int>("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize),
          props::Integer<TScrollBar, int>("Position", &TScrollBar::Position, &TScrollBar::SetPosition),
          props::Integer<TScrollBar, int>("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange),
          props::Integer<TScrollBar, int>("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange),
      },
      make<TScrollBar>};
  return info;
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "SCROLLBAR";
  params.Style |= FKind == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::applyRange() {
  if (!WindowHandle()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = FMin;
  info.nMax = FMax;
  info.nPage = static_cast<UINT>(std::max(FPageSize, 0));
  info.nPos = FPosition;
  SetScrollInfo(WindowHandle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SetPosition(int v) {
  // The last position a page leaves room for is the highest.
  const int highest = FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax;
  const int position = std::clamp(v, FMin, std::max(FMin, highest));
  if (position == FPosition) return;
  FPosition = position;
  applyRange();
  if (OnChange) OnChange(this);
}

int TScrollBar::scrolledTo(WORD code, int thumbPosition) const {
  switch (code) {
    case SB_LINEUP: return FPosition - FSmallChange;
    case SB_LINEDOWN: return FPosition + FSmallChange;
    case SB_PAGEUP: return FPosition - FLargeChange;
    case SB_PAGEDOWN: return FPosition + FLargeChange;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return thumbPosition;
    case SB_TOP: return FMin;
    case SB_BOTTOM: return FMax;
    default: return FPosition;
  }
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_HSCROLL || message.Msg == CN_BASE + WM_VSCROLL) {
    // The thumb's 32-bit place, not the 16 bits in the message.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    const WORD code = LOWORD(message.WParam);
    int thumb = static_cast<short>(HIWORD(message.WParam));
    if ((code == SB_THUMBTRACK || code == SB_THUMBPOSITION) && GetScrollInfo(WindowHandle(), SB_CTL, &info))
      thumb = info.nTrackPos;
    SetPosition(scrolledTo(code, thumb));
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

// ---- date and time ----------------------------------------------------------------

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  FWidth = 186;
  FHeight = 21;
  FTabStop = true;
}

const TClassInfo& TDateTimePicker::StaticClassInfo() {
  static const TClassInfo info{
      "TDateTimePicker",
      &TWinControl::StaticClassInfo(),
      {props::Enumeration<TDateTimePicker, bool>("Kind", {"dtkDate", "dtkTime"}, &TDateTimePicker::TimeKind,
                                                 &TDateTimePicker::SetTimeKind)},
      make<TDateTimePicker>};
  return info;
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  InitCommonControlClasses();
  TWinControl::CreateParams(params);
  params.BaseClassName = DATETIMEPICK_CLASSA;
  params.Style |= FTimeKind ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT;
}

// ---- pages ---------------------------------------------------------------------

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  FWidth = 289;
  FHeight = 193;
  FTabStop = true;
}

const TClassInfo& TCustomTabControl::StaticClassInfo() {
  static const TClassInfo info{
      "TCustomTabControl",
      &TWinControl::StaticClassInfo(),
      {props::Enumeration<TCustomTabControl, TTabStyle>("Style", {"tsTabs", "tsButtons", "tsFlatButtons"},
                                                        &TCustomTabControl::Style, &TCustomTabControl::SetStyle),
       props::Enumeration<TCustomTabControl, TTabPosition>("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                                                           &TCustomTabControl::TabPosition,
                                                           &TCustomTabControl::SetTabPosition),
       props::Event<TCustomTabControl>("OnChange", &TCustomTabControl::OnChange)},
      nullptr};
  return info;
}

void TCustomTabControl::SetStyle(TTabStyle style) {
  if (FStyle == style) return;
  FStyle = style;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (FTabPosition == position) return;
  FTabPosition = position;
  if (HandleAllocated()) RecreateWnd();
}

int TCustomTabControl::TabCount() const {
  return WindowHandle() ? static_cast<int>(SendMessageA(WindowHandle(), TCM_GETITEMCOUNT, 0, 0)) : 0;
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses();
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_TABCONTROLA;
  params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle |= WS_EX_CONTROLPARENT;
  if (FStyle == TTabStyle::tsButtons) params.Style |= TCS_BUTTONS;
  if (FStyle == TTabStyle::tsFlatButtons) params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
  switch (FTabPosition) {
    case TTabPosition::tpTop: break;
    case TTabPosition::tpBottom: params.Style |= TCS_BOTTOM; break;
    case TTabPosition::tpLeft: params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case TTabPosition::tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
  }
}

void TCustomTabControl::InsertTab(int index, const std::string& caption) {
  std::string text = caption;
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageA(WindowHandle(), TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(message.LParam)->code == TCN_SELCHANGE) {
    Change();
    return;
  }
  TWinControl::WndProc(message);
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {}

const TClassInfo& TTabControl::StaticClassInfo() {
  static const TClassInfo info{
      "TTabControl",
      &TCustomTabControl::StaticClassInfo(),
      {props::Integer<TTabControl, int>("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)},
      make<TTabControl>};
  return info;
}

bool TTabControl::ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) {
  if (!isItemsName(name, "Tabs")) return TCustomTabControl::ReadStringsProperty(name, lines);
  FTabs = lines;
  return true;
}

int TTabControl::TabIndex() const {
  return WindowHandle() ? static_cast<int>(SendMessageA(WindowHandle(), TCM_GETCURSEL, 0, 0)) : FTabIndex;
}

void TTabControl::SetTabIndex(int index) {
  FTabIndex = index;
  if (WindowHandle()) SendMessageA(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TTabControl::InitializeWnd() {
  TCustomTabControl::InitializeWnd();
  for (std::size_t i = 0; i < FTabs.size(); ++i) InsertTab(static_cast<int>(i), FTabs[i]);
  SendMessageA(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(FTabIndex), 0);
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

const TClassInfo& TPageControl::StaticClassInfo() {
  static const TClassInfo info{
      "TPageControl",
      &TCustomTabControl::StaticClassInfo(),
      {props::Integer<TPageControl, int>("ActivePageIndex", &TPageControl::ActivePageIndex,
                                         &TPageControl::SetActivePageIndex)},
      make<TPageControl>};
  return info;
}

std::vector<TTabSheet*> TPageControl::Pages() const {
  std::vector<TTabSheet*> pages;
  for (TControl* control : Controls())
    if (auto* sheet = dynamic_cast<TTabSheet*>(control)) pages.push_back(sheet);
  return pages;
}

void TPageControl::InitializeWnd() {
  FTabsMade = false;  // the sheets' windows are made first, their tabs below
  TCustomTabControl::InitializeWnd();
  int index = 0;
  for (TTabSheet* sheet : Pages()) InsertTab(index++, sheet->Caption());
  FTabsMade = true;
  SendMessageA(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(FActive), 0);
  placePages();
}

void TPageControl::SetActivePageIndex(int index) {
  FActive = index;
  if (!WindowHandle()) return;
  SendMessageA(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  placePages();
}

void TPageControl::Change() {
  FActive = static_cast<int>(SendMessageA(WindowHandle(), TCM_GETCURSEL, 0, 0));
  placePages();
  TCustomTabControl::Change();
}

void TPageControl::pageAdded(TTabSheet* sheet) {
  if (!FTabsMade || !WindowHandle()) return;
  const auto pages = Pages();
  const auto it = std::find(pages.begin(), pages.end(), sheet);
  if (it == pages.end()) return;
  InsertTab(static_cast<int>(it - pages.begin()), sheet->Caption());
  if (pages.size() == 1) SendMessageA(WindowHandle(), TCM_SETCURSEL, 0, 0);
  placePages();
}

void TPageControl::pageClosing(TTabSheet* sheet) {
  const auto pages = Pages();
  const auto it = std::find(pages.begin(), pages.end(), sheet);
  if (it == pages.end()) return;
  const int index = static_cast<int>(it - pages.begin());
  const int remaining = static_cast<int>(pages.size()) - 1;
  if (index < FActive || FActive >= remaining) FActive = std::max(FActive - 1, 0);
  if (!WindowHandle()) return;
  SendMessageA(WindowHandle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
  if (remaining > 0) SendMessageA(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(FActive), 0);
  placePages(sheet);
}

void TPageControl::placePages(const TTabSheet* leaving) {
  RECT area;
  GetClientRect(WindowHandle(), &area);
  SendMessageA(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  int index = 0;
  for (TTabSheet* page : Pages()) {
    if (page == leaving) continue;
    page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
    page->SetVisible(index++ == FActive);
  }
}

void TPageControl::WndProc(TMessage& message) {
  TCustomTabControl::WndProc(message);
  if (message.Msg == WM_SIZE) placePages();
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {}

TTabSheet::~TTabSheet() {
  if (auto* pages = dynamic_cast<TPageControl*>(Parent())) pages->pageClosing(this);
}

const TClassInfo& TTabSheet::StaticClassInfo() {
  static const TClassInfo info{"TTabSheet", &TWinControl::StaticClassInfo(), {}, make<TTabSheet>};
  return info;
}

void TTabSheet::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TTabSheet::InitializeWnd() {
  TWinControl::InitializeWnd();
  if (auto* pages = dynamic_cast<TPageControl*>(Parent())) pages->pageAdded(this);
}

// ---- list view and tree view ----------------------------------------------------------

TListView::TListView(TComponent* owner) : TItemsControl(owner) {
  FWidth = 250;
  FHeight = 150;
  FColor = clWindow;
  FTabStop = true;
}

const TClassInfo& TListView::StaticClassInfo() {
  static const TClassInfo info{"TListView", &TItemsControl::StaticClassInfo(), {}, make<TListView>};
  return info;
}

bool TListView::ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) {
  if (isItemsName(name, "Columns")) {
    FColumns = lines;
    return true;
  }
  return TItemsControl::ReadStringsProperty(name, lines);
}

void TListView::CreateParams(TCreateParams& params) {
  InitCommonControlClasses();
  TItemsControl::CreateParams(params);
  params.BaseClassName = WC_LISTVIEWA;
  params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS;
  addBorder(params);
}

void TListView::fillItems() {
  const HWND list = WindowHandle();
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageA(list, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (std::size_t i = 0; i < FColumns.size(); ++i) {
    auto [caption, width] = splitPair(FColumns[i]);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = caption.data();
    column.cx = width > 0 ? width : 80;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  for (std::size_t row = 0; row < FItems.size(); ++row) {
    std::vector<std::string> cells = splitTabs(FItems[row]);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(row);
    item.pszText = cells[0].data();
    const auto at = SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (std::size_t c = 1; c < cells.size(); ++c) {
      LVITEMA sub{};
      sub.iSubItem = static_cast<int>(c);
      sub.pszText = cells[c].data();
      SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&sub));
    }
  }
}

TTreeView::TTreeView(TComponent* owner) : TItemsControl(owner) {
  FWidth = 121;
  FHeight = 97;
  FColor = clWindow;
  FTabStop = true;
}

const TClassInfo& TTreeView::StaticClassInfo() {
  static const TClassInfo info{"TTreeView", &TItemsControl::StaticClassInfo(), {}, make<TTreeView>};
  return info;
}

void TTreeView::CreateParams(TCreateParams& params) {
  InitCommonControlClasses();
  TItemsControl::CreateParams(params);
  params.BaseClassName = WC_TREEVIEWA;
  params.Style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
  addBorder(params);
}

void TTreeView::fillItems() {
  const HWND tree = WindowHandle();
  SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  std::vector<HTREEITEM> parents;  // the last item of each level
  for (const std::string& line : FItems) {
    const std::size_t blanks = line.find_first_not_of(' ');
    if (blanks == std::string::npos) continue;
    const std::size_t level = std::min(blanks / 2, parents.size());
    std::string text = line.substr(blanks);
    TVINSERTSTRUCTA insert{};
    insert.hParent = level == 0 ? TVI_ROOT : parents[level - 1];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = text.data();
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    parents.resize(level);
    parents.push_back(item);
    if (level > 0) SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parents[level - 1]));
  }
}

// ---- status bar ------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { FHeight = 19; }

const TClassInfo& TStatusBar::StaticClassInfo() {
  static const TClassInfo info{
      "TStatusBar",
      &TWinControl::StaticClassInfo(),
      {props::Boolean<TStatusBar>("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)},
      make<TStatusBar>};
  return info;
}

bool TStatusBar::ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) {
  if (!isItemsName(name, "Panels")) return false;
  FPanels = lines;
  if (WindowHandle()) layoutPanels();
  return true;
}

void TStatusBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses();
  TWinControl::CreateParams(params);
  params.BaseClassName = STATUSCLASSNAMEA;
  params.Style |= SBARS_SIZEGRIP | CCS_BOTTOM;
}

void TStatusBar::InitializeWnd() {
  TWinControl::InitializeWnd();
  layoutPanels();
}

void TStatusBar::layoutPanels() {
  const HWND bar = WindowHandle();
  SendMessageA(bar, SB_SIMPLE, FSimplePanel, 0);
  if (FSimplePanel) {
    SendMessageA(bar, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FText.c_str()));
    return;
  }
  std::vector<int> edges;
  int right = 0;
  for (std::size_t i = 0; i < FPanels.size(); ++i) {
    const int width = splitPair(FPanels[i]).second;
    right += width > 0 ? width : 100;
    edges.push_back(i + 1 == FPanels.size() ? -1 : right);
  }
  if (edges.empty()) return;
  SendMessageA(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < FPanels.size(); ++i)
    SendMessageA(bar, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(splitPair(FPanels[i]).first.c_str()));
}


void RegisterCommonControlClasses() {
  for (const TClassInfo* info :
       {&TRadioButton::StaticClassInfo(), &TBitBtn::StaticClassInfo(), &TSpeedButton::StaticClassInfo(),
        &TPanel::StaticClassInfo(), &TMemo::StaticClassInfo(), &TListBox::StaticClassInfo(),
        &TComboBox::StaticClassInfo(), &TUpDown::StaticClassInfo(), &TProgressBar::StaticClassInfo(),
        &TTrackBar::StaticClassInfo(), &TDateTimePicker::StaticClassInfo(), &TPageControl::StaticClassInfo(),
        &TTabControl::StaticClassInfo(), &TTabSheet::StaticClassInfo(), &TListView::StaticClassInfo(), &TTreeView::StaticClassInfo(),
        &TStatusBar::StaticClassInfo(), &TScrollBar::StaticClassInfo()})
    RegisterComponentClass(*info);
}

}  // namespace velmora
