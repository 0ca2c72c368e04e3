// The skin data component: its stored package, loading, and the requests it makes of
// the skin manager.
#include "skin/data/skin_data.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "framework/application.h"
#include "framework/form.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_derived_images.h"
#include "skin/data/skin_manager_link.h"
#include "skin/data/skin_platform.h"
#include "skin/data/skin_record_loader.h"

namespace velmora {
namespace {

constexpr COLORREF Magenta = 0xFF00FF;
constexpr COLORREF White = 0xFFFFFF;
constexpr int ActionDelayMs = 250;

std::int32_t readLength(const std::vector<std::uint8_t>& bytes) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                                   static_cast<std::uint32_t>(bytes[2]) << 16 |
                                   static_cast<std::uint32_t>(bytes[3]) << 24);
}

// The whole file, or nothing when it cannot be read.
bool readFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A program bitmap resource as the record of a track the skin does not give.
std::unique_ptr<TDataSkinObject> defaultTrack(const char* name) {
  auto track = std::make_unique<TDataSkinObject>(name);
  track->Map.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  track->LeftWidth = track->TopHeight = track->RightWidth = track->BottomHeight = 3;
  track->Tile = 0;
  track->Frame = 1;
  return track;
}

HICON applicationIcon(HWND window) {
  if (!window) return nullptr;
  auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
  return icon;
}

}  // namespace

const TClassInfo& TSkinData::StaticClassInfo() {
  static const TClassInfo info{
      "TSkinData",
      &TComponent::StaticClassInfo(),
      {
          props::Boolean<TSkinData>("Active", &TSkinData::Active, &TSkinData::SetActive),
          props::Integer<TSkinData, int>("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag),
          props::Set<TSkinData, TSkinControlTypes>("SkinControls", SkinControlTypeNames(), &TSkinData::SkinControls,
                                                   &TSkinData::SetSkinControls),
          props::Set<TSkinData, TSkinOptions>("Options", SkinOptionNames(), &TSkinData::Options,
                                              &TSkinData::SetOptions),
          props::String<TSkinData>("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile),
          props::String<TSkinData>("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore),
          props::Enumeration<TSkinData, TSkinFormType>("SkinFormtype", SkinFormTypeNames(), &TSkinData::SkinFormtype,
                                                       &TSkinData::SetSkinFormtype),
          props::String<TSkinData>("Version", &TSkinData::Version, &TSkinData::SetVersion),
          props::Boolean<TSkinData>("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate),
          props::Boolean<TSkinData>("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge),
          props::Event<TSkinData>("OnFormSkin", &TSkinData::OnFormSkin),
          props::Event<TSkinData>("OnSkinChanged", &TSkinData::OnSkinChanged),
          props::Event<TSkinData>("OnSkinControl", &TSkinData::OnSkinControl),
          props::Event<TSkinData>("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm),
          props::Event<TSkinData>("OnAfterSkinForm", &TSkinData::OnAfterSkinForm),
      },
      [](TComponent* owner) -> TComponent* { return new TSkinData(owner); }};
  return info;
}

TSkinData::TSkinData(TComponent* owner) : TComponent(owner), FSkin3rd(DefaultSkin3rd()) {
  loadMenuGlyphs();
  FMaximizedSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

TSkinData::~TSkinData() {
  if (ISkinManager* manager = SkinManager()) manager->RemoveData(this);
}

void TSkinData::loadMenuGlyphs() {
  TBitmap strip;
  // Restore, maximise, minimise and close, 16 x 16 each, black on a white mask.
  if (strip.LoadFromResourceName(GetModuleHandleA(nullptr), "GLAZEMENU")) MenuGlyphs.AddMasked(strip, 16, White);
}

std::string TSkinData::SkinStore() const {
  if (designing() && !FPackage.empty()) return "(Good)";
  return "(none)";
}

bool TSkinData::ReadBinaryProperty(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  if (!SameText(name, "SkinStream")) return false;
  if (bytes.size() < 4) return true;  // no length: nothing stored
  const std::int32_t length = readLength(bytes);
  // A length below 1 stores nothing; one longer than the block is a damaged form,
  // whose bytes are not trusted either.
  if (length < 1 || static_cast<std::size_t>(length) > bytes.size() - 4) return true;
  FPackage.assign(bytes.begin() + 4, bytes.begin() + 4 + length);
  if (!designing()) LoadSkin();
  return true;
}

bool TSkinData::ReadStringsProperty(const std::string& name, const std::vector<std::string>& lines) {
  if (!SameText(name, "Skin3rd.Strings") && !SameText(name, "Skin3rd")) return false;
  FSkin3rd = lines;
  return true;
}

std::vector<std::uint8_t> TSkinData::SkinStreamBlock() const {
  const auto length = static_cast<std::uint32_t>(FPackage.size());
  std::vector<std::uint8_t> block(4 + FPackage.size());
  for (int i = 0; i < 4; ++i) block[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
  std::copy(FPackage.begin(), FPackage.end(), block.begin() + 4);
  return block;
}

void TSkinData::SetSkinFile(const std::string& path) {
  FNoSkin = true;
  FSkinFile = path;
  if (designing()) {
    if (!path.empty() && !FPackage.empty()) FPackage.clear();
    return;
  }
  if (path.empty() || !fileExists(path)) return;
  std::vector<std::uint8_t> bytes;
  if (!readFile(path, bytes)) return;
  // A file that does not load keeps the package we had: the skin in use came from it.
  std::vector<std::uint8_t> previous = std::exchange(FPackage, std::move(bytes));
  if (!LoadSkin()) {
    FPackage = std::move(previous);
    return;
  }
  UpdateSkin();
}

bool TSkinData::UsePackage(std::vector<std::uint8_t> package) {
  if (designing()) return false;
  std::vector<std::uint8_t> previous = std::exchange(FPackage, std::move(package));
  if (!LoadSkin()) {
    FPackage = std::move(previous);
    if (!FPackage.empty()) LoadSkin();  // the skin in use stays in use
    return false;
  }
  UpdateSkin();
  return true;
}

bool TSkinData::LoadSkin() {
  if (designing()) return false;
  FNoSkin = true;
  TSkinReader reader([this](const std::string& text) { showMessage(text); });
  if (!reader.LoadPackage(FPackage)) return false;
  std::vector<std::uint8_t> text;
  std::string name;
  reader.ExtractEntryContaining(".ini", text, name);
  TQuickIni ini;
  ini.LoadFromStream(text);
  ReadSkin(ini, reader);
  return true;
}

void TSkinData::ReadSkin(const TQuickIni& ini, const TSkinReader& package) {
  FNoSkin = true;
  SkinName = ini.ReadString("TitlebarSkin", "SkinName", "");
  Colors.Read(ini);
  const TSkinRecordLoader loader(ini, package, Colors.Colors[scButtonText]);
  Records.Load(loader);
  if (Records.ComboButton && !Records.ComboButton->Map.Empty()) {
    TBitmap& mirror = Records.ComboButton->Map2;
    mirror.Assign(Records.ComboButton->Map);
    mirror.SetPixelFormat(TPixelFormat::pf24bit);
    MirrorHorizontal(mirror);
  }
  loadDefaultTracks();
  Records.ApplyFrameCounts(ini);
  deriveImages();
  FFaceBrush.Reset(CreateSolidBrush(ColorToRGB(Colors.Colors[scButtonFace])));
  FNoSkin = false;
}

void TSkinData::loadDefaultTracks() {
  if (!Records.Track) Records.Track = defaultTrack("TRACK");
  if (!Records.TrackVert) Records.TrackVert = defaultTrack("TRACKVERT");
}

void TSkinData::deriveImages() {
  const COLORREF face = Colors.Colors[scButtonFace];
  BuildComboImages(Records, GetSystemMetrics(SM_CXVSCROLL) + 2);
  BuildComboArrow(Records, face);
  const COLORREF sample = SampleColor(Records, face);
  BuildToolbarBackground(Records, face, sample);
  Colors.Colors[scSample] = sample;
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (designing()) return;
  if (!HasGetScrollBarInfo()) FSkinControls = Exclude(FSkinControls, xcScrollbar);
  ISkinManager* manager = EnsureSkinManager();
  if (manager && manager != FRegisteredWith) {
    manager->AddData(this);
    FRegisteredWith = manager;
  }
  recreateCaptionFont();

  if (FSkinFormtype != TSkinFormType::sfMainform) {
    if (!manager) return;
    manager->SetActive(true);
    manager->AdvanceStateCounter();
    if (auto* form = dynamic_cast<TForm*>(Owner()); form && FActive) manager->SkinForm(form->Handle());
    return;
  }

  if (manager) manager->InstallHook();
  if (FActive) {
    if (FNoSkin)
      FActive = false;
    else if (manager)
      manager->SetAction(skaApply, ActionDelayMs);
  }
  FSkinControls = InSet(FSkinControls, xcMainMenu) ? Exclude(FSkinControls, xcMenuItem)
                                                    : Exclude(FSkinControls, xcSystemMenu);
  buildCaptionIcon();
}

void TSkinData::SetActive(bool active) {
  if (active == FActive) return;
  FActive = active;
  if (designing() || IsLoading()) return;
  ISkinManager* manager = SkinManager();
  switch (FSkinFormtype) {
    case TSkinFormType::sfMainform:
      if (active && FNoSkin) return;
      if (!manager) return;
      manager->SetCurrentData(this);
      manager->SetAction(active ? skaApply : skaRemove, ActionDelayMs);
      if (active) manager->SetState(SkinManagerRunning);
      return;
    case TSkinFormType::sfOnlyThisForm:
      if (!manager) return;
      manager->SetCurrentData(this);
      if (!active)
        manager->SetAction(skaRemove, ActionDelayMs);
      else if (!FNoSkin)
        manager->SetAction(skaApply, ActionDelayMs);
      return;
    case TSkinFormType::sfDialog:
    case TSkinFormType::sfDLL:
      return;
  }
}

void TSkinData::UpdateSkin() {
  if (designing() || IsLoading()) return;
  if (!SkinManager()) Loaded();
  ISkinManager* manager = SkinManager();
  if (!manager) return;
  manager->SetCurrentData(this);
  manager->RefreshData();
  if (manager->State() == SkinManagerRunning) manager->SetAction(skaRefresh, ActionDelayMs);
}

void TSkinData::DoFormSkin(HWND window, const std::string& className, bool& doSkin) {
  FFormHandle = window;
  if (OnFormSkin) {
    OnFormSkin(this, className, doSkin);
    return;
  }
  if (SameText(className, "SysMonthCal32"))
    doSkin = false;
  else if (InSet(FSkinControls, xcFastReport) && className.rfind("Tfr", 0) == 0)
    doSkin = false;
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::recreateCaptionFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    CaptionFont.AssignLogFont(metrics.lfCaptionFont);
}

void TSkinData::buildCaptionIcon() {
  const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
  CaptionIcon.SetSize(width, height);
  if (CaptionIcon.Empty()) return;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) CaptionIcon.SetPixel(x, y, Magenta);
  const HICON icon = applicationIcon(Application.Handle());
  if (!icon) return;
  MemoryDC dc;
  SelectScope select(dc, CaptionIcon.Handle());
  DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  GdiFlush();
}

void TSkinData::showMessage(const std::string& text) const {
  if (FMessageSink) {
    FMessageSink(text);
    return;
  }
  MessageBoxA(GetActiveWindow(), text.c_str(), Application.Title().c_str(), MB_OK);
}

}  // namespace velmora
