// Layers in front of a control's message entry, stacked by two owners: each sees the
// messages while it is there, either can leave first, a layer that left under a newer
// one is passed through (its owner never called again), and once both are gone the
// control has its own entry back.
#include "framework/control_proc_layer.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/std_controls.h"

namespace velmora {
namespace {

struct Stack {
  TButton Control{nullptr};
  std::string Seen;
  TControlProcLayer A, B;
  Stack() {
    Control.WindowProc = [this](TMessage& message) {
      Seen += "own ";
      message.Result = 7;
    };
  }
  void attach(TControlProcLayer& layer, const char* name) {
    layer.Attach(Control, [this, name, &layer](TMessage& message) {
      Seen += std::string(name) + " ";
      layer.CallPrevious(message);
    });
  }
  std::string send() {
    Seen.clear();
    EXPECT_EQ(Control.Perform(WM_USER), 7);
    return Seen;
  }
};

TEST(ControlProcLayerTest, EitherLayerLeavesFirst) {
  for (const bool lowerFirst : {true, false}) {
    Stack s;
    s.attach(s.A, "A");
    s.attach(s.B, "B");
    EXPECT_EQ(s.send(), "B A own ");
    EXPECT_TRUE(TControlProcLayer::IsLayerEntry(s.Control.WindowProc));
    if (lowerFirst) {
      s.A.Detach(true);  // under B: stays in B's chain, passing through
      EXPECT_EQ(s.send(), "B own ");
      s.B.Detach(true);
    } else {
      s.B.Detach(true);
      EXPECT_EQ(s.send(), "A own ");
      s.A.Detach(true);
    }
    EXPECT_EQ(s.send(), "own ");
    EXPECT_FALSE(TControlProcLayer::IsLayerEntry(s.Control.WindowProc));
  }
}

TEST(ControlProcLayerTest, ALayerMayLeaveDuringItsOwnMessage) {
  Stack s;
  s.A.Attach(s.Control, [&](TMessage& message) {
    s.Seen += "A ";
    s.A.Detach(true);  // its owner goes while the message runs
    message.Result = 7;
  });
  EXPECT_EQ(s.send(), "A ");
  EXPECT_EQ(s.send(), "own ");
}

TEST(ControlProcLayerTest, ADestroyedControlIsNotTouched) {
  auto* control = new TButton(nullptr);
  TControlProcLayer layer;
  layer.Attach(*control, [](TMessage&) {});
  delete control;
  layer.Detach(false);  // nothing to give back to
  EXPECT_FALSE(layer.Attached());
}

}  // namespace
}  // namespace velmora
