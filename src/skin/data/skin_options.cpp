// Identifiers of the skin settings and the default class map.
#include "skin/data/skin_options.h"

namespace velmora {

const std::vector<std::string>& SkinControlTypeNames() {
  static const std::vector<std::string> names{
      "xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo", "xcCheckBox",
      "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn", "xcSpeedButton",
      "xcSpin", "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab", "xcTrackBar", "xcSystemMenu", "xcFastReport"};
  return names;
}

const std::vector<std::string>& SkinOptionNames() {
  static const std::vector<std::string> names{
      "xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround", "xoNoFocusRect",
      "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG", "xoFormScrollbar"};
  return names;
}

const std::vector<std::string>& SkinFormTypeNames() {
  static const std::vector<std::string> names{"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"};
  return names;
}

// Other vendors' control classes that the painters serve, with the painter kind each
// gets. Three rows occur twice; the list is kept as it has always been.
const std::vector<std::string>& DefaultSkin3rd() {
  static const std::vector<std::string> rows{
      "TCategoryButtons=scrollbar",
      "TPngSpeedbutton=pngspeedbutton",
      "TPngBitBtn=pngbitbtn",
      "TVirtualStringTree=scrollbar",
      "TVirtualDrawTree=scrollbar",
      "TTBXDockablePanel=Panel",
      "TAdvPanelGroup=scrollbar",
      "TComboboxex=combobox",
      "TRxSpeedButton=speedbutton",
      "THTMLViewer=scrollbar",
      "TDBCtrlGrid=scrollbar",
      "TfrSpeedButton=speedbutton",
      "TfrTBButton=speedbutton",
      "TControlBar=Panel",
      "TTBDock=Panel",
      "TTBToolbar=Panel",
      "TImageEnMView=scrollbar",
      "TImageEnView=scrollbar",
      "TAdvMemo=scrollbar",
      "TDBAdvMemo=scrollbar",
      "TcxDBLookupComboBox=combobox",
      "TcxDBComboBox=combobox",
      "TcxDBDateEdit=combobox",
      "TcxDBImageComboBox=combobox",
      "TcxDBCalcEdit=combobox",
      "TcxDBBlobEdit=combobox",
      "TcxDBPopupEdit=combobox",
      "TcxDBFontNameComboBox=combobox",
      "TcxDBShellComboBox=combobox",
      "TRxLookupEdit=combobox",
      "TRxDBLookupCombo=combobox",
      "TRzGroup=panel",
      "TRzButton=button",
      "TRzBitbtn=bitbtn",
      "TRzMenuButton=menubtn",
      "TRzCheckGroup=CheckGroup",
      "TRzRadioGroup=Radiogroup",
      "TRzButtonEdit=Edit",
      "TRzDBRadioGroup=Radiogroup",
      "TRzDBRadioButton=Radiobutton",
      "TRzDateTimeEdit=combobox",
      "TRzColorEdit=combobox",
      "TRzDateTimePicker=combobox",
      "TRzDBDateTimeEdit=combobox",
      "TRzDbColorEdit=combobox",
      "TRzDBDateTimePicker=combobox",
      "TLMDButton=bitbtn",
      "TLMDGroupBox=Groupbox",
      "TDBCheckboxEh=Checkbox",
      "TDBCheckboxEh=Checkbox",
      "TLMDCHECKBOX=Checkbox",
      "TLMDDBCHECKBOX=Checkbox",
      "TLMDRadiobutton=Radiobutton",
      "TLMDCalculator=panel",
      "TLMDGROUPBOX=Panel",
      "TLMDSIMPLEPANEL=Panel",
      "TLMDDBCalendar=Panel",
      "TLMDButtonPanel=Panel",
      "TLMDLMDCalculator=Panel",
      "TLMDHeaderPanel=Panel",
      "TLMDTechnicalLine=Panel",
      "TLMDLMDClock=Panel",
      "TLMDTrackbar=panel",
      "TLMDListCombobox=combobox",
      "TLMDCheckListCombobox=combobox",
      "TLMDHeaderListCombobox=combobox",
      "TLMDImageCombobox=combobox",
      "TLMDColorCombobox=combobox",
      "TLMDFontCombobox=combobox",
      "TLMDFontSizeCombobox=combobox",
      "TLMDFontSizeCombobox=combobox",
      "TLMDPrinterCombobox=combobox",
      "TLMDDriveCombobox=combobox",
      "TLMDCalculatorComboBox=combobox",
      "TLMDTrackBarComboBox=combobox",
      "TLMDCalendarComboBox=combobox",
      "TLMDTreeComboBox=combobox",
      "TLMDRADIOGROUP=radiogroup",
      "TLMDCheckGroup=CheckGroup",
      "TLMDDBRADIOGROUP=radiogroup",
      "TLMDDBCheckGroup=CheckGroup",
      "TLMDCalculatorEdit=edit",
      "TLMDEDIT=Edit",
      "TLMDMASKEDIT=Edit",
      "TLMDBROWSEEDIT=Edit",
      "TLMDEXTSPINEDIT=Edit",
      "TLMDCALENDAREDIT=Edit",
      "TLMDFILEOPENEDIT=Edit",
      "TLMDFILESAVEEDIT=Edit",
      "TLMDCOLOREDIT=Edit",
      "TLMDDBEDIT=Edit",
      "TLMDDBMASKEDIT=Edit",
      "TLMDDBEXTSPINEDIT=Edit",
      "TLMDDBSPINEDIT=Edit",
      "TLMDDBEDITDBLookup=Edit",
      "TLMDEDITDBLookup=Edit",
      "TDBLookupCombobox=Combobox",
      "TWWDBCombobox=Combobox",
      "TWWDBCombobox=Combobox",
      "TWWDBLookupCombo=Combobox",
      "TWWKeyCombo=Combobox",
      "TWWTempKeyCombo=combobox",
      "TWWDBDateTimePicker=Combobox",
      "TWWRADIOGROUP=radiogroup",
      "TWWDBEDIT=Edit",
      "TcxButton=bitbtn",
      "TcxDBRadioGroup=radiogroup",
      "TcxRadioGroup=radiogroup",
      "TcxGroupbox=groupbox",
      "TOVCPICTUREFIELD=Edit",
      "TOVCDBPICTUREFIELD=Edit",
      "TOVCSLIDEREDIT=Edit",
      "TOVCDBSLIDEREDIT=Edit",
      "TOVCSIMPLEFIELD=Edit",
      "TOVCDBSIMPLEFIELD=Edit",
      "TO32DBFLEXEDIT=Edit",
      "TOVCNUMERICFIELD=Edit",
      "TOVCDBNUMERICFIELD=Edit",
  };
  return rows;
}

}  // namespace velmora
