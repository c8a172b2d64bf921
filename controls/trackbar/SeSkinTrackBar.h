#pragma once
// The skinned track bar: the plain bar's mechanics with its metrics, track, highlight and
// thumb taken from the skin object "TrackBar" (frame margins, thumb size, track and highlight
// pictures, a thumb for each way it can point). Without a usable skin it is the plain bar.

#include <string>

#include "controls/base/Skinned.h"
#include "controls/trackbar/SeCustomTrackBar.h"

class TSeSkinTrackBar : public TSeSkinned<TSeCustomTrackBar> {
public:
  explicit TSeSkinTrackBar(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinTrackBar"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The thumb's size from "ThumbHorz" / "ThumbVert" ("Thumb"), the margins from "FrameHorz" /
  // "FrameVert" ("Frame"); the plain values where the skin has no such object.
  int ThumbWidth() const override;
  int ThumbLength() const override;
  int EndMargin() const override;
  int SideOffset() const override;

protected:
  void PaintTrack(int Start, int End, int Centre) override;
  void PaintThumb(int Centre) override;
  void PaintTick(const TTrackTick& Tick) override;

private:
  // The copy's part for this orientation, or the part both share; null for none.
  TSeSkinObject* OrientedPart(const char* Horizontal, const char* Vertical,
                              const char* Shared) const;
  TSeSkinObject* ThumbSizePart() const;
  TSeSkinObject* FramePart() const;
};
