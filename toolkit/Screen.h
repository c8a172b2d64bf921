#pragma once
// The screen: the application's forms, the cursor table and the application cursor.

#include <windows.h>

#include <map>
#include <vector>

#include "toolkit/Control.h"

class TForm;

class TScreen {
public:
  TScreen();
  // The cursor of a table index; unknown indices give the arrow.
  HCURSOR Cursors(TCursor Index) const;
  void SetCursors(TCursor Index, HCURSOR Cursor);
  // The application cursor: crDefault lets every control show its own, anything else
  // overrides them all.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // The application's forms, in the order they were made.
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }

private:
  friend class TForm;
  std::vector<TForm*> FForms;
  std::map<TCursor, HCURSOR> FCursors;
  TCursor FCursor = crDefault;
};

extern TScreen* Screen;
