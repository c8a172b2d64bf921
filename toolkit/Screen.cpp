#include "toolkit/Screen.h"

TScreen* Screen = nullptr;

TScreen::TScreen() {
  const HCURSOR Arrow = LoadCursor(nullptr, IDC_ARROW);
  FCursors = {{crDefault, Arrow},
              {crArrow, Arrow},
              {crCross, LoadCursor(nullptr, IDC_CROSS)},
              {crIBeam, LoadCursor(nullptr, IDC_IBEAM)},
              {crHandPoint, LoadCursor(nullptr, IDC_HAND)},
              {crHourGlass, LoadCursor(nullptr, IDC_WAIT)}};
}

HCURSOR TScreen::Cursors(TCursor Index) const {
  const auto It = FCursors.find(Index);
  return It != FCursors.end() && It->second ? It->second : FCursors.at(crDefault);
}

void TScreen::SetCursors(TCursor Index, HCURSOR Cursor) { FCursors[Index] = Cursor; }

void TScreen::SetCursor(TCursor Value) {
  FCursor = Value;
  if (Value != crDefault) {
    ::SetCursor(Cursors(Value));
    return;
  }
  // Let the window under the pointer choose its cursor again.
  ::SetCursor(Cursors(crDefault));
  POINT Point;
  GetCursorPos(&Point);
  if (const HWND Under = WindowFromPoint(Point)) {
    const LRESULT Hit = SendMessageW(Under, WM_NCHITTEST, 0, MAKELPARAM(Point.x, Point.y));
    SendMessageW(Under, WM_SETCURSOR, reinterpret_cast<WPARAM>(Under),
                 MAKELPARAM(static_cast<WORD>(Hit), WM_MOUSEMOVE));
  }
}
