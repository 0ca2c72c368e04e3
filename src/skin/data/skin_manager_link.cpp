// The global skin manager and its maker.
#include "skin/data/skin_manager_link.h"

namespace velmora {
namespace {

struct TManagerSlot {
  TSkinManagerMaker Maker;
  std::unique_ptr<ISkinManager> Manager;
};

TManagerSlot& slot() {
  static TManagerSlot s;
  return s;
}

}  // namespace

ISkinManager* SkinManager() { return slot().Manager.get(); }

ISkinManager* EnsureSkinManager() {
  TManagerSlot& s = slot();
  if (!s.Manager && s.Maker) s.Manager = s.Maker();
  return s.Manager.get();
}

void SetSkinManagerMaker(TSkinManagerMaker maker) { slot().Maker = std::move(maker); }

void FreeSkinManager() {
  // Taken out of the slot first: a skin data component that the manager's destruction
  // frees must not find it half destroyed.
  std::unique_ptr<ISkinManager> manager = std::move(slot().Manager);
}

}  // namespace velmora
