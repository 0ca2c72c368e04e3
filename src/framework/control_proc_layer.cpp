// Layers in front of a control's message entry.
#include "framework/control_proc_layer.h"

#include <utility>

namespace velmora {

void TControlProcLayer::TEntry::operator()(TMessage& message) const {
  const std::shared_ptr<TLink> link = Link;  // the control's entry may be replaced meanwhile
  if (link->Handler) {
    const THandler handler = link->Handler;  // its owner may leave during the call
    handler(message);
  } else if (link->Previous) {
    const TWndMethod previous = link->Previous;
    previous(message);
  }
}

void TControlProcLayer::Attach(TControl& control, THandler handler) {
  Detach(true);
  FControl = &control;
  FLink = std::make_shared<TLink>(TLink{control.WindowProc, std::move(handler)});
  control.WindowProc = TEntry{FLink};
}

void TControlProcLayer::Detach(bool controlAlive) {
  if (!FLink) return;
  if (controlAlive && FControl) {
    const auto* entry = FControl->WindowProc.target<TEntry>();
    if (entry && entry->Link == FLink) {
      // Layers that left under ours are skipped: the control gets the first live entry.
      TWndMethod previous = FLink->Previous;
      for (const TEntry* below; (below = previous.target<TEntry>()) && !below->Link->Handler;)
        previous = TWndMethod(below->Link->Previous);
      FControl->WindowProc = previous;
    }
  }
  FLink->Handler = nullptr;  // a pass-through from now on
  FLink.reset();
  FControl = nullptr;
}

void TControlProcLayer::CallPrevious(TMessage& message) const {
  if (!FLink || !FLink->Previous) return;
  const TWndMethod previous = FLink->Previous;
  previous(message);
}

}  // namespace velmora
