#pragma once
// The four keys "Status.cfg" names, taken for the whole desktop while the program runs: the
// level one step more or less transparent, and the window the user works in made transparent
// or opaque. The platform tells the owner window of a press by WM_HOTKEY with the action.

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

enum class TGlobalAction { gaIncrease, gaDecrease, gaTransparent, gaOpacity };
constexpr int GlobalActionCount = 4;

// The shared level after a key's step (10): more transparent stops at 26 (10 %), so that no
// key makes windows vanish, and a level already below that stays; less transparent stops at
// 255.
int32_t KeyedLevel(int32_t Level, TGlobalAction Action);

class TGlobalKeys {
public:
  explicit TGlobalKeys(HWND Owner) : FOwner(Owner) {}
  ~TGlobalKeys();
  TGlobalKeys(const TGlobalKeys&) = delete;
  TGlobalKeys& operator=(const TGlobalKeys&) = delete;

  // Takes ShortCut (the menus' encoding, 0 for none) for Action in place of its key so far.
  // False when another program holds it: the key is kept and tried again by Retry.
  bool Set(TGlobalAction Action, int ShortCut);
  int ShortCut(TGlobalAction Action) const { return FKeys[Index(Action)].ShortCut; }
  // Whether Action's key is held by another program.
  bool Taken(TGlobalAction Action) const { return FKeys[Index(Action)].Taken; }
  // Tries again the keys other programs held.
  void Retry();
  // Lets go of every key for a while (a hot-key field takes the keys pressed in it), and
  // takes them back.
  void Suspend();
  void Resume();
  // The action of a WM_HOTKEY's identifier, if it is one of these.
  static std::optional<TGlobalAction> ActionOf(WPARAM Id);

private:
  struct TKey {
    int ShortCut = 0;
    bool Registered = false;
    bool Taken = false;
  };
  static size_t Index(TGlobalAction Action) { return static_cast<size_t>(Action); }
  void Take(TGlobalAction Action);

  HWND FOwner;
  std::array<TKey, GlobalActionCount> FKeys{};
  bool FSuspended = false;
};
