#pragma once
// The form frame: a hook on its owner form's window that takes over the non-client area. It
// tells the platform how large the frame is and answers hit-testing itself, from the platform's
// frame metrics (the plain look).

#include <windows.h>

#include <string>

#include "controls/FrameGeometry.h"
#include "controls/SeHook.h"
#include "gfx/Bitmap.h"
#include "gfx/EffectOptions.h"

enum TSeFormPerformance : uint8_t {
  qzfpNoBuffer,
  qzfpSharedBuffer,
  qzfpPersistentBuffer,
  qzfpDoubleBuffer
};

class TSeCustomForm : public TSeHook {
public:
  // Owner must be the form whose frame this is.
  explicit TSeCustomForm(TComponent* AOwner);
  std::string ClassName() const override { return "TSeCustomForm"; }
  bool IsFormFrame() const override { return true; }
  void Loaded() override;

  TSeBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TSeBorderStyle Value);
  TSeBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TSeBorderIcons Value);
  TSeDragging& Dragging() { return FDragging; }
  TSeFormPerformance Performance() const { return FPerformance; }
  void SetPerformance(TSeFormPerformance Value) { FPerformance = Value; }
  // The last activation the platform reported.
  bool ActiveWindow() const { return FActiveWindow; }
  TForm* Form() const { return FForm; }

  // The frame's size without the shadow.
  int FrameWidth() const { return FWidth; }
  int FrameHeight() const { return FHeight; }
  // The client rectangle inside the frame, in window coordinates.
  virtual TRect GetFrameClientRect() const;
  // The zone of the frame at a point in window coordinates.
  virtual TSeFrameZone HitTest(int X, int Y) const;
  bool Maximized() const { return false; }

  // The window's shape for the frame's size: the theme's window outline, or a rectangle.
  // The caller owns it.
  virtual HRGN CreateFrameRegion();
  // Gives the window the frame's shape; runs whenever the frame's size changes.
  void UpdateRegion();
  // Paints the frame (everything outside the client rectangle) through the surface
  // Performance chooses, copied to the window in four bands.
  void PaintFrame();

  // Makes the platform compute the frame again; the client area keeps its size.
  void RefreshFrame();
  // The platform's frame metrics, read again (the theme changed).
  void ReadMetrics();

  void Dispatch(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;

protected:
  TSeFrameLayout Layout() const;
  // The frame's look on Canvas (window coordinates; the client area is clipped away).
  virtual void PaintNonClient(TCanvas& Canvas);

private:
  void PaintCaption(TCanvas& Canvas, const TRect& Band);
  void PaintCaptionButtons(TCanvas& Canvas, const class TThemeParts& Theme);
  void CalcSize(TMessage& Message);
  void HitTestMessage(TMessage& Message);
  void SizeChanging(TMessage& Message);

  TForm* FForm;
  TSeBorderStyle FBorderStyle = qbsStandard;
  TSeBorderIcons FBorderIcons;
  TSeDragging FDragging;
  TSeFrameMetrics FMetrics;
  TSeFormPerformance FPerformance = qzfpNoBuffer;
  TseBitmap FPersistent;
  TseBitmap FCaptionBand; // the caption composed apart, kept between paints
  TCanvas FCaptionCanvas;
  TFont FCaptionFont;
  TFont FSmallCaptionFont;
  bool FActiveWindow = false;
  int FWidth = 0, FHeight = 0;
  int FRegionWidth = -1, FRegionHeight = -1; // the size the window's shape was made for
};
