#include "toolkit/WindowSubclass.h"

#include <list>
#include <unordered_map>

#include "toolkit/ScopeGuards.h"

namespace {

struct TLink {
  SUBCLASSPROC Proc;
  UINT_PTR Id;
  DWORD_PTR Ref;
  bool Removed = false; // freed once no call of the chain is in progress
};

struct TChain {
  WNDPROC Original = nullptr; // the window's procedure below the chain
  std::list<TLink> Links;     // the one added last first
  // The link whose call is innermost on this window, or null at the window's own procedure
  // or outside any call.
  TLink* Current = nullptr;
  int Depth = 0;     // calls of the chain in progress
  bool Gone = false; // the window is destroyed: freed when the last call returns

  TLink* Find(SUBCLASSPROC Proc, UINT_PTR Id) {
    for (TLink& Link : Links)
      if (!Link.Removed && Link.Proc == Proc && Link.Id == Id)
        return &Link;
    return nullptr;
  }
  // The first live link after From, or the first of all for null.
  TLink* Next(const TLink* From) {
    auto It = Links.begin();
    if (From)
      while (It != Links.end() && &*It != From)
        ++It;
    if (From && It != Links.end())
      ++It;
    for (; It != Links.end(); ++It)
      if (!It->Removed)
        return &*It;
    return nullptr;
  }
};

// Windows of any thread of the process may have chains; each chain is used on its window's
// thread only, the table under the lock.
SRWLOCK GLock = SRWLOCK_INIT;

std::unordered_map<HWND, TChain*>& Chains() {
  static auto* Table = new std::unordered_map<HWND, TChain*>; // outlives every window
  return *Table;
}

TChain* FindChain(HWND Wnd) {
  AcquireSRWLockShared(&GLock);
  const auto It = Chains().find(Wnd);
  TChain* Chain = It == Chains().end() ? nullptr : It->second;
  ReleaseSRWLockShared(&GLock);
  return Chain;
}

void ForgetChain(HWND Wnd) {
  AcquireSRWLockExclusive(&GLock);
  Chains().erase(Wnd);
  ReleaseSRWLockExclusive(&GLock);
}

LRESULT CALLBACK ChainProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

// Calls Link, or the window's own procedure for null, as the chain's current position.
LRESULT CallAt(TChain& Chain, TLink* Link, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TLink* const Saved = Chain.Current;
  Chain.Current = Link;
  const TScopeExit Restore([&Chain, Saved] { Chain.Current = Saved; });
  if (Link)
    return Link->Proc(Wnd, Msg, WParam, LParam, Link->Id, Link->Ref);
  return CallWindowProcW(Chain.Original, Wnd, Msg, WParam, LParam);
}

// With no call in progress: drops removed links, and the whole chain once its window is gone
// or it has no link left and its procedure is still the window's (with another chain over
// it, it stays and passes messages through).
void Tidy(HWND Wnd, TChain* Chain) {
  if (Chain->Depth > 0)
    return;
  Chain->Links.remove_if([](const TLink& L) { return L.Removed; });
  if (!Chain->Gone) {
    if (!Chain->Links.empty() ||
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Wnd, GWLP_WNDPROC)) != ChainProc)
      return;
    SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Chain->Original));
    ForgetChain(Wnd);
  }
  delete Chain;
}

LRESULT CALLBACK ChainProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TChain* Chain = FindChain(Wnd);
  if (!Chain)
    return DefWindowProcW(Wnd, Msg, WParam, LParam);
  ++Chain->Depth;
  const TScopeExit Leave([Wnd, Chain, Msg] {
    --Chain->Depth;
    if (Msg == WM_NCDESTROY && !Chain->Gone) {
      // The window's last message: the chain goes with it.
      Chain->Gone = true;
      for (TLink& Link : Chain->Links)
        Link.Removed = true;
      ForgetChain(Wnd);
    }
    Tidy(Wnd, Chain);
  });
  return CallAt(*Chain, Chain->Next(nullptr), Wnd, Msg, WParam, LParam);
}

} // namespace

bool SetSubclass(HWND Wnd, SUBCLASSPROC Proc, UINT_PTR Id, DWORD_PTR Ref) {
  DWORD Process = 0;
  if (!Wnd || !Proc || !GetWindowThreadProcessId(Wnd, &Process) || Process != GetCurrentProcessId())
    return false;
  TChain* Chain = FindChain(Wnd);
  if (!Chain) {
    Chain = new TChain;
    AcquireSRWLockExclusive(&GLock);
    Chains()[Wnd] = Chain;
    ReleaseSRWLockExclusive(&GLock);
    Chain->Original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainProc)));
    if (!Chain->Original) {
      ForgetChain(Wnd);
      delete Chain;
      return false;
    }
  }
  if (TLink* Link = Chain->Find(Proc, Id)) {
    Link->Ref = Ref;
    return true;
  }
  Chain->Links.push_front(TLink{Proc, Id, Ref});
  return true;
}

bool RemoveSubclass(HWND Wnd, SUBCLASSPROC Proc, UINT_PTR Id) {
  TChain* Chain = FindChain(Wnd);
  TLink* Link = Chain ? Chain->Find(Proc, Id) : nullptr;
  if (!Link)
    return false;
  Link->Removed = true;
  Tidy(Wnd, Chain);
  return true;
}

LRESULT DefSubclass(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TChain* Chain = FindChain(Wnd);
  if (!Chain)
    return DefWindowProcW(Wnd, Msg, WParam, LParam);
  // Outside a call the chain is not entered again: only its window's procedure runs.
  TLink* Below = Chain->Current ? Chain->Next(Chain->Current) : nullptr;
  return CallAt(*Chain, Below, Wnd, Msg, WParam, LParam);
}

bool SubclassData(HWND Wnd, SUBCLASSPROC Proc, UINT_PTR Id, DWORD_PTR& Ref) {
  Ref = 0;
  TChain* Chain = Wnd ? FindChain(Wnd) : nullptr;
  const TLink* Link = Chain ? Chain->Find(Proc, Id) : nullptr;
  if (Link)
    Ref = Link->Ref;
  return Link != nullptr;
}
