#pragma once
// The platform's report list with a look of the library's own: the control paints its border
// and the background behind the rows, and the column header paints its sections itself (the
// one under a held left button pressed, in the order the user dragged them to). Rows,
// check boxes, selection, sorting and every list event stay the platform list's. Scroll bars
// of the library's own lie over the platform's, as sibling windows that follow them.

#include <windows.h>

#include <memory>
#include <string>

#include "controls/scroll/SeInplaceScrollBar.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Graphics.h"
#include "toolkit/Types.h"

class TSeCustomListView : public TListView {
public:
  explicit TSeCustomListView(TComponent* AOwner);
  ~TSeCustomListView() override;
  std::string ClassName() const override { return "TSeCustomListView"; }
  // The toolkit list view's, in its stream order.
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  // The in-place bars join the same parent.
  void SetParent(TWinControl* AParent) override;

  // The in-place scroll bars over the platform's.
  TSeSubScrollBar* ScrollBars() const { return FScrollBars.get(); }

  // The column header's window while it is subclassed, else null.
  HWND HeaderHandle() const { return FHeaderHandle; }
  // The header item under a held left button, -1 for none.
  int PressedSection() const { return FPressedSection; }
  // The header item drawn hot, -1 for none; nothing sets it yet.
  int HotSection() const { return FHotSection; }
  bool MouseInControl() const { return FMouseInControl; }

protected:
  // The control that draws each in-place scroll bar.
  virtual std::unique_ptr<TSeCustomScrollBar> CreateScrollBar(TComponent* AOwner);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

  // One header section at Rect, or with IsBackground the empty header right of the last one.
  virtual void DrawHeaderSection(TCanvas& Canvas, const TRect& Rect, bool IsBackground, bool Hot,
                                 bool Pressed, const std::string& Caption);
  // Behind the rows.
  virtual void PaintBackground(TCanvas& Canvas, const TRect& Rect);
  // The non-client border.
  virtual void PaintBorder(TCanvas& Canvas, const TRect& Rect);
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}

  // Whether the platform's visual styles draw the plain look.
  virtual bool Themed() const;
  // The theme's edit field in the control's state (disabled, focused, hot, normal); false
  // when the theme is off or did not draw.
  bool DrawThemedEdit(TCanvas& Canvas, const TRect& Rect);
  // A section's caption inside its rectangle (pressed ones one pixel down and right), in the
  // canvas font, cut with "..." to fit.
  void DrawSectionCaption(TCanvas& Canvas, TRect Rect, bool Pressed, const std::string& Caption);

private:
  static LRESULT CALLBACK HeaderProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                     DWORD_PTR Ref);
  LRESULT HeaderMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void SubclassHeader(HWND Header);
  void ReleaseHeader();
  void PaintHeader(HDC DC);
  void EraseMessage(HDC DC);
  void NonClientPaint();
  int SectionAt(LPARAM Point) const;
  std::string SectionCaption(int Index) const;

  std::unique_ptr<TSeSubScrollBar> FScrollBars;
  HWND FHeaderHandle = nullptr;
  int FPressedSection = -1;
  int FHotSection = -1;
  bool FMouseInControl = false;
};

// Text cut to the longest beginning that fits Width with "..." after it (Measure gives a
// text's width); the text itself when it fits, "..." alone when not even one character does.
template <class TMeasure>
std::string EllipsisText(const std::string& Text, int Width, TMeasure&& Measure) {
  if (Measure(Text) <= Width)
    return Text;
  size_t Length = Text.size();
  while (Length > 0 && Measure(Text.substr(0, Length) + "...") > Width)
    --Length;
  return Text.substr(0, Length) + "...";
}
