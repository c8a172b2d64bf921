#include "app/TransparentMgr.h"

#include <algorithm>

#include "app/EnumrateWindow.h"
#include "app/Sentinel.h"
#include "app/SentinelBlock.h"
#include "hook/Hook.h"
#include "toolkit/AnsiText.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/ModuleInfo.h"
#include "toolkit/ScopeGuards.h"

TTransparentMgr* TransparentManager = nullptr;

// ---------------------------------------------------------------------------------------
// TTransparentItem

void TTransparentItem::MakeTransparent(uint8_t Alpha) {
  // Other programs' windows: the calls are not checked, a refusal goes unnoticed.
  SetWindowLongA(Handle, GWL_EXSTYLE, GetWindowLongA(Handle, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(Handle, 0, Alpha, LWA_ALPHA);
  Transparent = true;
}

void TTransparentItem::RecordFoundState() {
  ThreadId = GetWindowThreadProcessId(Handle, &ProcessId);
  ProcessCreated = ProcessCreationTime(ProcessId);
  FoundLayered = (GetWindowLongA(Handle, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  if (FoundLayered && !GetLayeredWindowAttributes(Handle, &FoundKey, &FoundAlpha, &FoundFlags)) {
    FoundKey = 0;
    FoundAlpha = 255;
    FoundFlags = 0;
  }
}

void TTransparentItem::MakeOpacity() {
  OpacityWindow(Handle);
  Transparent = false;
}

void TTransparentItem::OpacityWindow(HWND Wnd) {
  SetWindowLongA(Wnd, GWL_EXSTYLE, GetWindowLongA(Wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
}

// ---------------------------------------------------------------------------------------
// TTransparentMgr

TTransparentMgr::TTransparentMgr(std::unique_ptr<TStatus> AStatus)
    : FStatus(AStatus ? std::move(AStatus) : std::make_unique<TStatus>()) {
  LoadSettings();
}

TTransparentMgr::~TTransparentMgr() {
  ReleaseAll();
  FItems.clear();
  FListed.clear();
  try {
    SaveSettings();
  } catch (const std::exception& E) {
    // Nothing is left to hand the error to but the report; the hook must go regardless.
    ReportException(E);
  }
  FStatus.reset();
  StopHook();
}

void TTransparentMgr::LoadSettings() { FStatus->LoadSettings(); }

void TTransparentMgr::SaveSettings() { FStatus->SaveSettings(); }

void TTransparentMgr::TransparentWindow(HWND Wnd) {
  if (!CanTransparent(Wnd))
    return;
  if (TTransparentItem* Item = FindItem(Wnd)) {
    Item->MakeTransparent(Alpha());
    return;
  }
  auto Item = std::make_shared<TTransparentItem>(Wnd);
  Item->RecordFoundState();
  Item->Transparent = true;
  Item->MakeTransparent(Alpha());
  FItems.push_back(std::move(Item));
  TellSentinel();
}

void TTransparentMgr::TransparentAll() {
  const size_t Count = FItems.size();
  for (size_t I = 0; I < Count; ++I)
    FItems[I]->MakeTransparent(Alpha());
  if (TransparentNewWindow())
    HookWindow(FNotifyWindow);
}

void TTransparentMgr::OpacityAll() { ReleaseAll(); }

void TTransparentMgr::ReleaseAll() {
  while (!FItems.empty()) {
    if (OpacityOnClose())
      FItems.front()->MakeOpacity();
    FItems.erase(FItems.begin());
  }
  TellSentinel();
}

namespace {

uint16_t& KeyOf(TStatus& Status, TGlobalAction Action) {
  switch (Action) {
  case TGlobalAction::gaIncrease:
    return Status.IncreaseTransparency;
  case TGlobalAction::gaDecrease:
    return Status.DecreaseTransparency;
  case TGlobalAction::gaTransparent:
    return Status.TransparentShortCut;
  default:
    return Status.OpacityShortCut;
  }
}

} // namespace

uint16_t TTransparentMgr::GlobalKey(TGlobalAction Action) const {
  return KeyOf(*FStatus, Action);
}

void TTransparentMgr::SetGlobalKey(TGlobalAction Action, uint16_t ShortCut) {
  uint16_t& Key = KeyOf(*FStatus, Action);
  if (Key == ShortCut)
    return;
  Key = ShortCut;
  SaveSettings();
}

void TTransparentMgr::SetTransparency(int32_t Level) {
  if (Level == FStatus->Transparency)
    return;
  FStatus->Transparency = Level;
  TransparentAll();
  SaveSettings();
}

void TTransparentMgr::SetSetting(bool& Field, bool Value) {
  if (Field == Value)
    return;
  Field = Value;
  TellSentinel();
  SaveSettings();
}

void TTransparentMgr::SetSentinel(TSentinel* Sentinel) {
  FSentinel = Sentinel;
  TellSentinel();
}

void TTransparentMgr::LaunchSentinel() {
  if (FSentinel)
    FSentinel->Launch();
}

void TTransparentMgr::TellSentinel() {
  if (FSentinel)
    FSentinel->Publish(FItems, OpacityOnClose());
}

void TTransparentMgr::SetTransparentNewWindow(bool Value) {
  if (Value == TransparentNewWindow())
    return;
  SetSetting(FStatus->TransparentNewWindow, Value);
  // Before the start-up actions there is no receiver yet; they install the hook themselves.
  if (!FStarted)
    return;
  if (Value)
    HookWindow(FNotifyWindow);
  else
    StopHook();
}

bool TTransparentMgr::AutoStart() const {
  return FStatus->GetAutoStart() && FStatus->StartUpEntry() == '"' + ExeFileName() + '"';
}

void TTransparentMgr::SetAutoStart(bool Value) {
  const std::string Path = Value ? ExeFileName() : std::string();
  FStatus->SetAutoStart(Path);
  FStatus->SetStartUpEntry(Path);
}

void TTransparentMgr::FollowAutoStart() {
  if (FStatus->GetAutoStart() && FStatus->StartUpEntry() != '"' + ExeFileName() + '"')
    FStatus->SetStartUpEntry(ExeFileName());
}

void TTransparentMgr::SetNotifyWindow(HWND Wnd) {
  FNotifyWindow = Wnd;
  if (FStarted)
    return;
  FStarted = true;
  FollowAutoStart();
  if (TransparentNewWindow())
    HookWindow(FNotifyWindow);
  if (TransparentStart())
    TEnumrate::EnumAllWindows();
}

void TTransparentMgr::StopHook() { UnHookWindow(); }

HWND TTransparentMgr::CanTransparent(HWND Wnd) const {
  if (!Wnd)
    return nullptr;
  const std::string ClassName = ReadWindowClassName(Wnd);
  const bool Rejected = Wnd == FNotifyWindow || (GetWindowLongA(Wnd, GWL_STYLE) & WS_CHILD) != 0 ||
                        AnsiSameText(ClassName, "WorkerW") || AnsiSameText(ClassName, "Progman") ||
                        IsOwnWindow(Wnd);
  return Rejected ? nullptr : Wnd;
}

bool TTransparentMgr::IsOwnWindow(HWND Wnd) const {
  DWORD ProcessId = 0;
  if (!Wnd || !GetWindowThreadProcessId(Wnd, &ProcessId))
    return false;
  return ProcessId == GetCurrentProcessId() || (FSentinel && ProcessId == FSentinel->ProcessId());
}

std::string TTransparentMgr::GetDisplayText(HWND Wnd) const {
  const std::string Title = ReadWindowTitle(Wnd);
  if (AnsiSameText(Title, "Default IME"))
    return "Unknown";
  if (!Title.empty())
    return Title;
  const std::string ClassName = ReadWindowClassName(Wnd);
  return AnsiSameText(ClassName, "Shell_TrayWnd") ? "Task Window" : ClassName;
}

bool TTransparentMgr::HasWindow(HWND Wnd) const { return FindItem(Wnd) != nullptr; }

TTransparentItem* TTransparentMgr::FindItem(HWND Wnd) const {
  for (const auto& Item : FItems)
    if (Item->Handle == Wnd)
      return Item.get();
  return nullptr;
}

bool TTransparentMgr::IsTransparentWindow(HWND Wnd) const {
  return HasWindow(Wnd) && (GetWindowLongA(Wnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

void TTransparentMgr::RemoveDeadWindows() {
  for (size_t I = FItems.size(); I-- > 0;)
    if (!IsWindow(FItems[I]->Handle))
      FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(I));
  TellSentinel();
}

std::vector<TWindowListRow> TTransparentMgr::ListRows() {
  std::vector<TWindowListRow> Rows;
  std::vector<std::shared_ptr<TTransparentItem>> Listed;
  for (auto It = FItems.rbegin(); It != FItems.rend(); ++It) {
    std::string Text = GetDisplayText((*It)->Handle);
    if (AnsiSameText(Text, "unknown"))
      continue;
    Rows.push_back({std::move(Text), (*It)->StatusText(), It->get()});
    Listed.push_back(*It);
  }
  FListed = std::move(Listed);
  return Rows;
}

void TTransparentMgr::FillListView(TListView* ListView) {
  if (!ListView)
    return;
  ListView->BeginUpdate();
  const TScopeExit EndUpdate([ListView] { ListView->EndUpdate(); });
  ListView->ClearItems();
  for (const TWindowListRow& Row : ListRows()) {
    TListItem* Item = ListView->AddItem(Row.Text);
    Item->AddSubItem(Row.Status);
    Item->Data = Row.Entry;
  }
}

// ---------------------------------------------------------------------------------------
// The one manager

TTransparentManagerScope::TTransparentManagerScope(std::unique_ptr<TStatus> Status)
    : FManager(std::make_unique<TTransparentMgr>(std::move(Status))) {
  TransparentManager = FManager.get();
}

TTransparentManagerScope::~TTransparentManagerScope() {
  TransparentManager = nullptr;
  FManager.reset();
}
