// The skinned list view under the platform (Wine here), started by scripts/bench.sh:
//   ListViewBench SKIN [SECONDS-PER-CASE]
// The same work on the toolkit's plain list view and on the skinned one wearing SKIN, both
// 329 x 265 in report style with the windows list's two columns, side by side on one form:
// 1. filling 1,000 rows (each with its sub-item, inside one batch update);
// 2. sorting the 1,000 rows by caption with the custom sort (the direction alternating);
// 3. one full repaint: border, header, rows and the in-place bars, painted at once;
// 4. a scroll through all rows a page at a time and back to the top, each step painted.
// Each table prints microseconds per run and "ratio <skinned>_vs_<plain>"; a third list, the
// skinned class without an engine ("unattached"), shows what the list's own mechanics cost
// apart from the skin.

#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/win/BenchCases.h"
#include "bench/win/SkinBenchForm.h"
#include "controls/list/SeSkinSListView.h"

namespace {

constexpr int RowCount = 1000;

void DispatchPaints() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&Msg);
}

void Fill(TListView& List) {
  List.BeginUpdate();
  List.ClearItems();
  for (int Row = 0; Row < RowCount; ++Row) {
    // Captions out of order, so that a sort has work to do.
    TListItem* Item = List.AddItem("Window " + std::to_string(Row * 7919 % RowCount));
    Item->AddSubItem(Row % 3 ? "Transparent" : "Opacity");
  }
  List.EndUpdate();
  DispatchPaints();
}

void Sort(TListView& List, bool& Ascending) {
  List.OnCompare = [&Ascending](TObject*, TListItem* A, TListItem* B, int, int& Compare) {
    Compare = lstrcmpiA(A->Caption().c_str(), B->Caption().c_str());
    if (!Ascending)
      Compare = -Compare;
  };
  List.CustomSort(0);
  Ascending = !Ascending;
  DispatchPaints();
}

void Repaint(TListView& List) {
  RedrawWindow(List.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // The in-place bars are the list's siblings.
  RedrawWindow(List.Parent()->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  DispatchPaints();
}

// The pages it took to reach the last row.
int ScrollThrough(TListView& List) {
  const HWND Wnd = List.Handle();
  int Pages = 0;
  for (; Pages < RowCount; ++Pages) {
    const LRESULT Top = SendMessageW(Wnd, LVM_GETTOPINDEX, 0, 0);
    SendMessageW(Wnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(Wnd);
    DispatchPaints();
    if (SendMessageW(Wnd, LVM_GETTOPINDEX, 0, 0) == Top)
      break;
  }
  SendMessageW(Wnd, WM_VSCROLL, SB_TOP, 0);
  UpdateWindow(Wnd);
  DispatchPaints();
  return Pages;
}

template <class T> T* PlaceList(TForm* Form, int Left) {
  auto* List = MakeComponent<T>(Form);
  List->SetParent(Form);
  List->SetBounds(Left, 16, 329, 265);
  List->AddColumn("Window Text", 200);
  List->AddColumn("Status", 80);
  List->SetReadOnly(true);
  List->SetHideSelection(false);
  return List;
}

} // namespace

int main(int argc, char** argv) {
  TSkinBench Bench;
  if (!ReadSkinBenchArguments(argc, argv, "ListViewBench", Bench))
    return 2;
  TApplicationScope Scope;
  MakeSkinBenchForm(Bench, 0, 20, 1060, 340);
  TForm* Form = Bench.Form;
  TSeSkinEngine* Engine = Bench.Engine;
  const double Seconds = Bench.Seconds;
  TListView* Plain = PlaceList<TListView>(Form, 16);
  TSeSkinSListView* Skinned = PlaceList<TSeSkinSListView>(Form, 360);
  TSeSkinSListView* Unattached = PlaceList<TSeSkinSListView>(Form, 704);
  Skinned->SetSkinEngine(Engine);
  Form->Show();
  Fill(*Plain);
  Fill(*Skinned);
  Fill(*Unattached);
  DispatchPaints();
  const int PlainPages = ScrollThrough(*Plain), SkinnedPages = ScrollThrough(*Skinned);
  std::printf("pages to the last row: plain %d, skinned %d\n", PlainPages, SkinnedPages);

  bool PlainAscending = true, SkinnedAscending = true, UnattachedAscending = true;
  std::vector<std::vector<TBenchCase>> Tables{
      {{"fill_plain", [&] { Fill(*Plain); }, {}},
       {"fill_skinned", [&] { Fill(*Skinned); }, {}},
       {"fill_unattached", [&] { Fill(*Unattached); }, {}}},
      {{"sort_plain", [&] { Sort(*Plain, PlainAscending); }, {}},
       {"sort_skinned", [&] { Sort(*Skinned, SkinnedAscending); }, {}},
       {"sort_unattached", [&] { Sort(*Unattached, UnattachedAscending); }, {}}},
      {{"repaint_plain", [&] { Repaint(*Plain); }, {}},
       {"repaint_skinned", [&] { Repaint(*Skinned); }, {}},
       {"repaint_unattached", [&] { Repaint(*Unattached); }, {}}},
      {{"scroll_plain", [&] { ScrollThrough(*Plain); }, {}},
       {"scroll_skinned", [&] { ScrollThrough(*Skinned); }, {}},
       {"scroll_unattached", [&] { ScrollThrough(*Unattached); }, {}}}};
  const char* Titles[] = {"fill 1000 rows", "sort 1000 rows", "full repaint",
                          "scroll through 1000 rows by pages"};
  for (size_t I = 0; I < Tables.size(); ++I) {
    RunCases(Tables[I], Seconds);
    PrintCases(Tables[I], std::string(Titles[I]) + " (329 x 265, report view)");
  }
  std::fflush(stdout);
  Form->Free();
  return 0;
}
