// The settings a skin data component keeps: which kinds of window parts are skinned,
// the drawing options the painters read, and the scope of skinning. A set stores
// member n as bit n.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

enum TSkinControlType {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
  xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
  xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport,
};
using TSkinControlTypes = std::uint32_t;

enum TSkinOption {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect,
  xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoFormScrollbar,
};
using TSkinOptions = std::uint16_t;

enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// Identifiers by ordinal, as stored forms spell them.
const std::vector<std::string>& SkinControlTypeNames();
const std::vector<std::string>& SkinOptionNames();
const std::vector<std::string>& SkinFormTypeNames();

template <class Set, class Member>
constexpr bool InSet(Set set, Member member) {
  return (set >> static_cast<unsigned>(member)) & 1u;
}
template <class Set, class Member>
constexpr Set Include(Set set, Member member) {
  return static_cast<Set>(set | (Set{1} << static_cast<unsigned>(member)));
}
template <class Set, class Member>
constexpr Set Exclude(Set set, Member member) {
  return static_cast<Set>(set & ~(Set{1} << static_cast<unsigned>(member)));
}

// Every kind of window part but xcMenuItem and xcFastReport.
inline constexpr TSkinControlTypes DefaultSkinControls =
    ((TSkinControlTypes{1} << (xcFastReport + 1)) - 1) & ~(TSkinControlTypes{1} << xcMenuItem) &
    ~(TSkinControlTypes{1} << xcFastReport);
inline constexpr TSkinOptions DefaultSkinOptions = (1u << xoPreview) | (1u << xoToolbarBK);

// The class-name-to-painter-kind rows a new skin data component starts with
// ("ClassName=kind"), in their order, duplicates included.
const std::vector<std::string>& DefaultSkin3rd();

}  // namespace velmora
