// Popup menus under the platform (Wine here), started by scripts/bench.sh:
//   MenuBench SKIN [SECONDS-PER-CASE]
// The time from the call a right click makes to the first painted frame of a 20-item popup
// menu (captions and shortcuts), the show animation off:
// 1. the platform's own menu (TrackPopupMenu), the reference;
// 2. the library's plain popup menu;
// 3. the skinned popup menu wearing SKIN.
// A hook on the thread's window messages sees each menu window before it paints; once its
// first WM_PAINT has returned, the clock stops and the menu is closed. The table prints
// microseconds per opening and "ratio <menu>_vs_platform".

#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/win/BenchCases.h"
#include "bench/win/SkinBenchForm.h"
#include "controls/base/EffectOptions.h"
#include "controls/menu/MenuGeometry.h"
#include "controls/menu/SeCustomItem.h"
#include "controls/menu/SePopupMenu.h"
#include "controls/menu/SeSkinPopupMenu.h"

namespace {

constexpr int ItemCount = 20;
constexpr UINT_PTR WatchId = 0x4D42; // "MB"

HWND GForm = nullptr;
double GPainted = 0;   // when the watched menu's first paint returned; 0 until then
bool GPlatform = true; // which way to close the menu that painted

std::string Caption(int Index) { return "Menu item number " + std::to_string(Index + 1); }

LRESULT CALLBACK WatchPaint(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR, DWORD_PTR) {
  const LRESULT Result = DefSubclassProc(Wnd, Msg, WParam, LParam);
  if (Msg == WM_PAINT && GPainted == 0) {
    GPainted = Now();
    if (GPlatform)
      EndMenu();
    else // Escape on the first level closes it (its paint may come before its loop runs)
      PostMessageW(Wnd, WM_KEYDOWN, VK_ESCAPE, 0);
  }
  return Result;
}

// Every pop-up window of the thread but the form, and its children, belong to a menu here.
// The watch goes on as the window is about to show: the toolkit binds its windows as they
// are made, and a subclass added later sees their messages first.
LRESULT CALLBACK SeeWindows(int Code, WPARAM WParam, LPARAM LParam) {
  const auto* Call = reinterpret_cast<const CWPSTRUCT*>(LParam);
  if (Code == HC_ACTION && Call->message == WM_WINDOWPOSCHANGING &&
      (reinterpret_cast<const WINDOWPOS*>(Call->lParam)->flags & SWP_SHOWWINDOW)) {
    const HWND Root = GetAncestor(Call->hwnd, GA_ROOT);
    if (Root && Root != GForm && (GetWindowLongW(Root, GWL_STYLE) & WS_POPUP))
      SetWindowSubclass(Call->hwnd, WatchPaint, WatchId, 0);
  }
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}

HMENU PlatformMenu() {
  const HMENU Menu = CreatePopupMenu();
  for (int I = 0; I < ItemCount; ++I) {
    const std::string Text = Caption(I) + "\tCtrl+" + static_cast<char>('A' + I);
    AppendMenuA(Menu, MF_STRING, 100 + I, Text.c_str());
  }
  return Menu;
}

void Fill(TSeCustomPopupMenu& Menu) {
  for (int I = 0; I < ItemCount; ++I) {
    TSeCustomItem* Item = Menu.NewItem();
    Item->SetCaption(Caption(I));
    Item->SetShortCut(MenuShortCut(static_cast<uint16_t>('A' + I), false, true, false));
    Menu.Items()->Add(Item);
  }
  TSePopupMenuOptions Options;
  TSeAnimation Still;
  Still.SetEnabled(false);
  Options.SetAnimation(Still);
  Menu.SetPopupMenuOptions(Options);
}

// Seconds from the call to the first painted frame.
double TimeOpening(bool Platform, const std::function<void()>& OpenMenu) {
  GPainted = 0;
  GPlatform = Platform;
  const double Start = Now();
  OpenMenu();
  // Whatever the closing left behind (the platform's menu posts its own messages).
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&Msg);
  if (GPainted == 0) {
    std::fprintf(stderr, "the menu closed without painting\n");
    std::exit(1);
  }
  return GPainted - Start;
}

} // namespace

int main(int argc, char** argv) {
  TSkinBench Bench;
  if (!ReadSkinBenchArguments(argc, argv, "MenuBench", Bench))
    return 2;
  TApplicationScope Scope;
  MakeSkinBenchForm(Bench, 0, 20, 640, 600);
  TForm* Form = Bench.Form;
  TSeSkinEngine* Engine = Bench.Engine;
  const double Seconds = Bench.Seconds;
  Form->Show();
  GForm = Form->Handle();
  SetForegroundWindow(GForm);
  Application->ProcessMessages();

  const HMENU Platform = PlatformMenu();
  auto* Plain = MakeComponent<TSeCustomPopupMenu>(Form);
  Fill(*Plain);
  auto* Skinned = MakeComponent<TSeSkinPopupMenu>(Form);
  Fill(*Skinned);
  Skinned->SetSkinEngine(Engine);
  const HHOOK Hook = SetWindowsHookExW(WH_CALLWNDPROC, SeeWindows, nullptr, GetCurrentThreadId());

  // Where a right click in the form's client area would open them.
  const POINT At{200, 80};
  auto Case = [](const char* Name, bool IsPlatform, std::function<void()> OpenMenu) {
    return TBenchCase::Timed(Name,
                             [IsPlatform, OpenMenu] { return TimeOpening(IsPlatform, OpenMenu); });
  };
  std::vector<TBenchCase> Cases{Case("platform", true,
                                     [&] {
                                       TrackPopupMenu(
                                           Platform, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                           At.x, At.y, 0, GForm, nullptr);
                                     }),
                                Case("plain", false, [&] { Plain->Popup(At.x, At.y); }),
                                Case("skinned", false, [&] { Skinned->Popup(At.x, At.y); })};
  RunCases(Cases, Seconds);
  PrintCases(Cases, "from the call to the first painted frame, 20 items, no animation");
  std::fflush(stdout);
  UnhookWindowsHookEx(Hook);
  DestroyMenu(Platform);
  Form->Free();
  return 0;
}
