// A painter's off-screen face kept from one paint to the next. Making a bitmap the size
// of a page control and touching its memory for the first time costs more than drawing
// the whole control, so a repaint of the same size draws into the face of the last one.
// Every paint covers the whole face before it shows it.
#pragma once

#include "framework/bitmap.h"

namespace velmora {

class TFaceBuffer {
 public:
  // The face for one paint, width x height (empty when it cannot be made). A paint that
  // starts while another paint of the same painter holds the face gets a bitmap of its own.
  class TUse {
   public:
    TUse(TFaceBuffer& buffer, int width, int height) : FBuffer(buffer), FNested(buffer.FInUse) {
      if (FNested) {
        FOwn.SetSize(width, height);
        return;
      }
      FBuffer.FInUse = true;
      if (FBuffer.FFace.Width() != width || FBuffer.FFace.Height() != height)
        FBuffer.FFace.SetSize(width, height);
    }
    ~TUse() {
      if (!FNested) FBuffer.FInUse = false;
    }
    TUse(const TUse&) = delete;
    TUse& operator=(const TUse&) = delete;

    TBitmap& Face() { return FNested ? FOwn : FBuffer.FFace; }

   private:
    TFaceBuffer& FBuffer;
    bool FNested;
    TBitmap FOwn;
  };

 private:
  TBitmap FFace;
  bool FInUse = false;
};

}  // namespace velmora
