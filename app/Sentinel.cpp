#include "app/Sentinel.h"

#include <cstdio>
#include <iterator>
#include <sstream>

#include "app/SentinelBlock.h"
#include "app/TransparentMgr.h"
#include "toolkit/FileNames.h"
#include "toolkit/ModuleInfo.h"

// ---------------------------------------------------------------------------------------
// The block

uint64_t ProcessCreationTime(DWORD ProcessId) {
  const THandle Process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ProcessId));
  if (!Process)
    return 0;
  FILETIME Created{}, Exited{}, Kernel{}, User{};
  const bool Known = GetProcessTimes(Process.Get(), &Created, &Exited, &Kernel, &User) != FALSE;
  return Known ? (static_cast<uint64_t>(Created.dwHighDateTime) << 32) | Created.dwLowDateTime : 0;
}

bool SameWindow(const TSentinelEntry& Entry) {
  const auto Wnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(Entry.Window));
  if (!Wnd || !IsWindow(Wnd))
    return false;
  DWORD ProcessId = 0;
  const DWORD ThreadId = GetWindowThreadProcessId(Wnd, &ProcessId);
  return ThreadId == Entry.ThreadId && ProcessId == Entry.ProcessId &&
         ProcessCreationTime(ProcessId) == Entry.ProcessCreated;
}

// ---------------------------------------------------------------------------------------
// Mirevan's side

TSentinel::~TSentinel() {
  EndInOrder();
  if (FBlock)
    UnmapViewOfFile(FBlock);
}

bool TSentinel::Open() {
  if (FBlock)
    return true;
  SECURITY_ATTRIBUTES Inherited{sizeof Inherited, nullptr, TRUE};
  FMapping.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, &Inherited, PAGE_READWRITE, 0,
                                    sizeof(TSentinelBlock), nullptr));
  if (FMapping)
    FBlock = static_cast<TSentinelBlock*>(MapViewOfFile(FMapping.Get(), FILE_MAP_WRITE, 0, 0, 0));
  if (!FBlock)
    return false;
  FBlock->Magic = TSentinelBlock::Signature;
  return true;
}

bool TSentinel::Launch() {
  if (!FBlock || FSentinelProcess)
    return static_cast<bool>(FSentinelProcess);
  HANDLE Duplicate = nullptr;
  if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &Duplicate,
                       SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, TRUE, 0))
    return false;
  const THandle Self(Duplicate); // closed on the way out: the sentinel has its own copy
  std::ostringstream CommandLine;
  CommandLine << '"' << ExeFileName() << "\" --guard "
              << reinterpret_cast<uintptr_t>(FMapping.Get()) << ' '
              << reinterpret_cast<uintptr_t>(Self.Get());
  std::wstring Line = WideFileName(CommandLine.str());
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Process{};
  const bool Made = CreateProcessW(nullptr, Line.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                                   nullptr, nullptr, &Startup, &Process);
  if (!Made)
    return false;
  const THandle Thread(Process.hThread);
  FSentinelProcess.Reset(Process.hProcess);
  return true;
}

void TSentinel::Publish(const std::vector<std::shared_ptr<TTransparentItem>>& Items,
                        bool OpacityOnClose) {
  if (!FBlock)
    return;
  const LONG Spare = 1 - FBlock->InUse;
  TSentinelList& List = FBlock->Slots[Spare];
  uint32_t Count = 0;
  for (const auto& Item : Items) {
    if (Count == std::size(List.Entries))
      break;
    List.Entries[Count++] = {reinterpret_cast<uintptr_t>(Item->Handle),
                             Item->ProcessId,
                             Item->ThreadId,
                             Item->ProcessCreated,
                             Item->FoundLayered ? 1u : 0u,
                             Item->FoundKey,
                             Item->FoundFlags,
                             Item->FoundAlpha};
  }
  List.Count = Count;
  InterlockedExchange(&FBlock->OpacityOnClose, OpacityOnClose ? 1 : 0);
  InterlockedExchange(&FBlock->InUse, Spare);
}

DWORD TSentinel::ProcessId() const {
  return FSentinelProcess ? GetProcessId(FSentinelProcess.Get()) : 0;
}

void TSentinel::EndInOrder() {
  if (FBlock)
    InterlockedExchange(&FBlock->Orderly, 1);
}

// ---------------------------------------------------------------------------------------
// The sentinel's side

bool IsSentinelCommandLine(const std::string& CommandLine) {
  return CommandLine.find(" --guard ") != std::string::npos;
}

namespace {

// What an orderly end does to a managed window, or for one that was layered before Mirevan
// took it, its own attributes back.
void GiveBack(const TSentinelEntry& Entry) {
  const auto Wnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(Entry.Window));
  if (!Entry.WasLayered) {
    TTransparentItem::OpacityWindow(Wnd);
    return;
  }
  SetWindowLongA(Wnd, GWL_EXSTYLE, GetWindowLongA(Wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(Wnd, Entry.Key, static_cast<BYTE>(Entry.Alpha), Entry.Flags);
}

} // namespace

int RunSentinel(const std::string& CommandLine) {
  const size_t At = CommandLine.find(" --guard ");
  unsigned long long BlockValue = 0, ProcessValue = 0;
  if (At == std::string::npos ||
      std::sscanf(CommandLine.c_str() + At + 9, "%llu %llu", &BlockValue, &ProcessValue) != 2)
    return 1;
  const auto Mapping = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(BlockValue));
  const auto Mirevan = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(ProcessValue));
  const auto* Block =
      static_cast<const TSentinelBlock*>(MapViewOfFile(Mapping, FILE_MAP_READ, 0, 0, 0));
  if (!Block || Block->Magic != TSentinelBlock::Signature)
    return 1;
  WaitForSingleObject(Mirevan, INFINITE);
  if (Block->Orderly || !Block->OpacityOnClose)
    return 0;
  const TSentinelList& List = Block->Slots[Block->InUse & 1];
  for (uint32_t I = 0; I < List.Count && I < std::size(List.Entries); ++I)
    if (SameWindow(List.Entries[I]))
      GiveBack(List.Entries[I]);
  return 0;
}
