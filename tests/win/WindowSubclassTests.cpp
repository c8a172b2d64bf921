// The toolkit's subclass chains on real windows: the order links see a message in, messages
// sent from within a link, links leaving during their own call, the platform's chains over
// ours, and the chain going with its window.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "toolkit/WindowSubclass.h"

namespace {

constexpr UINT Probe = WM_USER + 1;  // answered 7 by the window's own procedure
constexpr UINT Nested = WM_USER + 2; // sent by a link from within its call

std::vector<std::string> GSeen;

LRESULT CALLBACK OwnProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == Probe || Msg == Nested) {
    GSeen.push_back(Msg == Probe ? "own" : "own nested");
    return 7;
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

// A link that records its name (the reference data) and passes the message on, adding one.
LRESULT CALLBACK Link(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR, DWORD_PTR Ref) {
  if (Msg == Probe || Msg == Nested)
    GSeen.push_back(std::string(reinterpret_cast<const char*>(Ref)) +
                    (Msg == Nested ? " nested" : ""));
  const LRESULT Result = DefSubclass(Wnd, Msg, WParam, LParam);
  return Msg == Probe ? Result + 1 : Result;
}

// A link that, on Probe, sends Nested to its own window before passing Probe on.
LRESULT CALLBACK Sender(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR, DWORD_PTR) {
  if (Msg == Probe) {
    GSeen.push_back("sender");
    SendMessageW(Wnd, Nested, 0, 0);
  }
  return DefSubclass(Wnd, Msg, WParam, LParam);
}

// A link that leaves the chain during its own call, then passes the message on.
LRESULT CALLBACK Leaver(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id, DWORD_PTR) {
  if (Msg == Probe) {
    GSeen.push_back("leaver");
    EXPECT_TRUE(RemoveSubclass(Wnd, Leaver, Id));
  }
  return DefSubclass(Wnd, Msg, WParam, LParam);
}

// The platform's own kind of link, laid over ours.
LRESULT CALLBACK Platform(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR, DWORD_PTR) {
  if (Msg == Probe)
    GSeen.push_back("platform");
  return DefSubclassProc(Wnd, Msg, WParam, LParam);
}

int GDestroySeen = 0;
LRESULT CALLBACK Watcher(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR, DWORD_PTR) {
  if (Msg == WM_NCDESTROY)
    ++GDestroySeen;
  return DefSubclass(Wnd, Msg, WParam, LParam);
}

class WindowSubclassTest : public ::testing::Test {
protected:
  void SetUp() override {
    WNDCLASSW Class{};
    Class.lpfnWndProc = OwnProc;
    Class.hInstance = GetModuleHandleW(nullptr);
    Class.lpszClassName = L"SubclassTestWindow";
    RegisterClassW(&Class);
    Wnd = CreateWindowExW(0, Class.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                          Class.hInstance, nullptr);
    ASSERT_NE(Wnd, nullptr);
    GSeen.clear();
  }
  void TearDown() override {
    if (IsWindow(Wnd))
      DestroyWindow(Wnd);
  }
  LRESULT Send() { return SendMessageW(Wnd, Probe, 0, 0); }
  WNDPROC CurrentProc() const {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Wnd, GWLP_WNDPROC));
  }

  HWND Wnd = nullptr;
  static constexpr const char* A = "a";
  static constexpr const char* B = "b";
  static constexpr const char* C = "c";
};

DWORD_PTR Name(const char* Text) { return reinterpret_cast<DWORD_PTR>(Text); }

TEST_F(WindowSubclassTest, TheLastAddedSeesAMessageFirstAndEachPassesItDown) {
  ASSERT_TRUE(SetSubclass(Wnd, Link, 1, Name(A)));
  ASSERT_TRUE(SetSubclass(Wnd, Link, 2, Name(B)));
  ASSERT_TRUE(SetSubclass(Wnd, Link, 3, Name(C)));
  EXPECT_EQ(Send(), 10); // 7 from the window's own procedure, one from each link
  EXPECT_EQ(GSeen, (std::vector<std::string>{"c", "b", "a", "own"}));
  // Added again, a link keeps its place and takes the new data.
  GSeen.clear();
  ASSERT_TRUE(SetSubclass(Wnd, Link, 1, Name(C)));
  EXPECT_EQ(Send(), 10);
  EXPECT_EQ(GSeen, (std::vector<std::string>{"c", "b", "c", "own"}));
  DWORD_PTR Ref = 0;
  EXPECT_TRUE(SubclassData(Wnd, Link, 2, Ref));
  EXPECT_EQ(Ref, Name(B));
  EXPECT_FALSE(SubclassData(Wnd, Link, 9, Ref));
  EXPECT_EQ(Ref, 0u);
  // Outside any call the chain is not entered.
  GSeen.clear();
  EXPECT_EQ(DefSubclass(Wnd, Probe, 0, 0), 7);
  EXPECT_EQ(GSeen, std::vector<std::string>{"own"});
}

TEST_F(WindowSubclassTest, AMessageSentFromWithinALinkGoesRoundTheWholeChain) {
  ASSERT_TRUE(SetSubclass(Wnd, Link, 1, Name(A)));
  ASSERT_TRUE(SetSubclass(Wnd, Sender, 2, 0));
  ASSERT_TRUE(SetSubclass(Wnd, Link, 3, Name(C)));
  EXPECT_EQ(Send(), 9);
  // The first message goes on below the sender once the nested one is done.
  EXPECT_EQ(GSeen, (std::vector<std::string>{"c", "sender", "c nested", "a nested", "own nested",
                                             "a", "own"}));
}

TEST_F(WindowSubclassTest, ALinkLeavingDuringItsCallStillPassesThatMessageOnAndSeesNoMore) {
  const WNDPROC Own = CurrentProc();
  ASSERT_TRUE(SetSubclass(Wnd, Link, 1, Name(A)));
  ASSERT_TRUE(SetSubclass(Wnd, Leaver, 2, 0));
  EXPECT_EQ(Send(), 8);
  EXPECT_EQ(GSeen, (std::vector<std::string>{"leaver", "a", "own"}));
  GSeen.clear();
  EXPECT_EQ(Send(), 8);
  EXPECT_EQ(GSeen, (std::vector<std::string>{"a", "own"}));
  // The last link gone, the window has its own procedure back.
  EXPECT_TRUE(RemoveSubclass(Wnd, Link, 1));
  EXPECT_FALSE(RemoveSubclass(Wnd, Link, 1));
  EXPECT_EQ(CurrentProc(), Own);
  GSeen.clear();
  EXPECT_EQ(Send(), 7);
  EXPECT_EQ(GSeen, std::vector<std::string>{"own"});
}

TEST_F(WindowSubclassTest, ThePlatformsChainOverOursAndOursLeaveInAnyOrder) {
  const WNDPROC Own = CurrentProc();
  ASSERT_TRUE(SetSubclass(Wnd, Link, 1, Name(A)));
  ASSERT_TRUE(SetWindowSubclass(Wnd, Platform, 1, 0));
  EXPECT_EQ(Send(), 8);
  EXPECT_EQ(GSeen, (std::vector<std::string>{"platform", "a", "own"}));
  // Ours leaves first: the platform's still reaches the window through what stays of ours.
  EXPECT_TRUE(RemoveSubclass(Wnd, Link, 1));
  GSeen.clear();
  EXPECT_EQ(Send(), 7);
  EXPECT_EQ(GSeen, (std::vector<std::string>{"platform", "own"}));
  // Ours comes back under the platform's and leaves last.
  ASSERT_TRUE(SetSubclass(Wnd, Link, 2, Name(B)));
  GSeen.clear();
  EXPECT_EQ(Send(), 8);
  EXPECT_EQ(GSeen, (std::vector<std::string>{"platform", "b", "own"}));
  ASSERT_TRUE(RemoveWindowSubclass(Wnd, Platform, 1));
  EXPECT_TRUE(RemoveSubclass(Wnd, Link, 2));
  EXPECT_EQ(CurrentProc(), Own);
  GSeen.clear();
  EXPECT_EQ(Send(), 7);
}

TEST_F(WindowSubclassTest, TheChainGoesWithItsWindowAfterTheLastMessage) {
  GDestroySeen = 0;
  ASSERT_TRUE(SetSubclass(Wnd, Watcher, 1, 0));
  ASSERT_TRUE(SetSubclass(Wnd, Link, 2, Name(B)));
  const HWND Gone = Wnd;
  DestroyWindow(Wnd);
  EXPECT_EQ(GDestroySeen, 1);
  DWORD_PTR Ref = 0;
  EXPECT_FALSE(SubclassData(Gone, Watcher, 1, Ref));
  EXPECT_FALSE(RemoveSubclass(Gone, Link, 2));
  // A window of another process, or none, takes no link.
  EXPECT_FALSE(SetSubclass(Gone, Link, 1, Name(A)));
  EXPECT_FALSE(SetSubclass(GetDesktopWindow(), Link, 1, Name(A)));
}

} // namespace
