// One layer in front of a framework control's replaceable message entry (WindowProc).
// Layers may be stacked by different owners in any order. A layer that leaves gives the
// control its previous entry back only while its own entry is still the control's; under
// a newer layer it stays in that layer's chain as a pass-through, so the newer layer's
// saved entry keeps working and never reaches a freed owner.
#pragma once

#include <functional>
#include <memory>

#include "framework/control.h"

namespace velmora {

class TControlProcLayer {
 public:
  using THandler = std::function<void(TMessage&)>;

  TControlProcLayer() = default;
  TControlProcLayer(const TControlProcLayer&) = delete;
  TControlProcLayer& operator=(const TControlProcLayer&) = delete;
  ~TControlProcLayer() { Detach(true); }

  // Puts `handler` in front of `control`'s entry.
  void Attach(TControl& control, THandler handler);
  // Leaves the chain. With `controlAlive` false (the control is being destroyed) its
  // entry is not touched.
  void Detach(bool controlAlive);
  bool Attached() const { return FLink != nullptr; }
  // The entry that was the control's before ours (from a copy: the call may end us).
  void CallPrevious(TMessage& message) const;
  bool HasPrevious() const { return FLink && FLink->Previous; }
  TWndMethod Previous() const { return FLink ? FLink->Previous : TWndMethod(); }
  // Whether `entry` is some layer's entry (not a control's own).
  static bool IsLayerEntry(const TWndMethod& entry) { return entry.target<TEntry>() != nullptr; }

 private:
  struct TLink {
    TWndMethod Previous;
    THandler Handler;
  };
  struct TEntry {
    std::shared_ptr<TLink> Link;
    void operator()(TMessage& message) const;
  };

  TControl* FControl = nullptr;
  std::shared_ptr<TLink> FLink;
};

}  // namespace velmora
