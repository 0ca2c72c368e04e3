// Track bars.
#include "skin/controls/trackbar_painter.h"

#include <algorithm>

#include "skin/controls/painter_messages.h"
#include "skin/data/skin_drawing.h"

namespace velmora {

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
  if (message.Msg == WM_NOTIFY || message.Msg == CN_NOTIFY) {
    // The framework's reflected notification shares its number with the skin's hello,
    // whose lParam is a marker, not a notification header.
    if (message.Msg == CN_NOTIFY && message.LParam == SkinMagic) return TSkinControl::BeforeMessage(message);
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    if (header && header->hwndFrom == FHandle && header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
      message.Result = customDraw(*reinterpret_cast<NMCUSTOMDRAW*>(message.LParam));
      return false;
    }
  }
  return TSkinControl::BeforeMessage(message);
}

LRESULT TSkinTrackBar::customDraw(NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const bool vertical = WindowLong(GWL_STYLE) & TBS_VERT;
  switch (draw.dwItemSpec) {
    case TBCD_CHANNEL: {
      RECT channel{};
      SendMessageA(FHandle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
      // A vertical bar's channel is asked for lying down on some systems.
      if (vertical && channel.right - channel.left > channel.bottom - channel.top)
        channel = {channel.top, channel.left, channel.bottom, channel.right};
      drawChannel(draw.hdc, channel, vertical);
      return CDRF_SKIPDEFAULT;
    }
    case TBCD_THUMB: {
      RECT thumb{};
      SendMessageA(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
      drawThumb(draw.hdc, thumb, vertical);
      return CDRF_SKIPDEFAULT;
    }
    default:
      return CDRF_DODEFAULT;  // the tick marks are the control's
  }
}

void TSkinTrackBar::drawChannel(HDC dc, const RECT& channel, bool vertical) const {
  const TDataSkinObject* track = vertical ? FSkinData->Records.TrackVert.get() : FSkinData->Records.Track.get();
  if (!track || track->Map.Empty() || channel.right <= channel.left || channel.bottom <= channel.top) return;
  const int across = vertical ? track->Map.Width() : track->Map.Height();
  const int room = vertical ? channel.right - channel.left : channel.bottom - channel.top;
  // The element centred across the channel.
  RECT dest = channel;
  if (vertical) {
    dest.left = channel.left + (room - across) / 2;
    dest.right = dest.left + across;
  } else {
    dest.top = channel.top + (room - across) / 2;
    dest.bottom = dest.top + across;
  }
  TMargins margins = MarginsOf(*track);
  // Only the end caps along the channel are kept.
  if (vertical)
    margins.Left = margins.Right = 0;
  else
    margins.Top = margins.Bottom = 0;
  DrawSkinBitmap(dc, dest, track->Map, margins, 1, std::max(track->Frame, 1), track->Trans != 0, false, false);
}

void TSkinTrackBar::drawThumb(HDC dc, const RECT& thumb, bool vertical) const {
  if (thumb.right <= thumb.left || thumb.bottom <= thumb.top) return;
  const TDataSkinObject* element =
      vertical ? FSkinData->Records.TrackbarThumbVert.get() : FSkinData->Records.TrackbarThumbHorz.get();
  if (element && !element->Map.Empty()) {
    DrawSkinBitmap(dc, thumb, element->Map, MarginsOf(*element), 2, 5, true, false, false);
    return;
  }
  GdiPen pen(CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->Colors.Colors[scButtonShadow])));
  SelectScope usePen(dc, pen.Get());
  SelectScope noFill(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

void TSkinTrackBar::SkinChanged() {
  TSkinControl::SkinChanged();
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

}  // namespace velmora
