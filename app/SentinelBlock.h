#pragma once
// The memory Mirevan shares with its sentinel: the windows it manages, each with what it looked
// like before Mirevan touched it and what tells it from a later window with the same handle,
// the one setting the sentinel needs, and whether Mirevan ended in order.
//
// Mirevan writes the list into the slot not in use and then makes that slot the one in use,
// so that a Mirevan ended in the middle of a write leaves the last whole list.

#include <windows.h>

#include <cstdint>

struct TSentinelEntry {
  uint64_t Window;
  uint32_t ProcessId; // the window's process and thread, and when that process began
  uint32_t ThreadId;
  uint64_t ProcessCreated;
  uint32_t WasLayered; // before Mirevan: layered, with these attributes
  uint32_t Key;
  uint32_t Flags;
  uint32_t Alpha;
};

struct TSentinelList {
  uint32_t Count;
  TSentinelEntry Entries[1024];
};

struct TSentinelBlock {
  static constexpr uint32_t Signature = 0x4452474D; // "MGRD"
  uint32_t Magic;
  volatile LONG InUse;   // 0 or 1: the slot with the current list
  volatile LONG Orderly; // set when Mirevan has ended in order: the sentinel does nothing more
  volatile LONG OpacityOnClose;
  TSentinelList Slots[2];
};

// When the process of an entry began, as the platform counts time; 0 when unknown.
uint64_t ProcessCreationTime(DWORD ProcessId);
// True when Wnd is still the window the entry was made for.
bool SameWindow(const TSentinelEntry& Entry);
