#pragma once
// Wine's own Notepad, a real window nobody here wrote: started with the object, its main
// window found, ended with the object.

#include <windows.h>

class TNotepad {
public:
  TNotepad();
  ~TNotepad();
  TNotepad(const TNotepad&) = delete;
  TNotepad& operator=(const TNotepad&) = delete;

  // Null when Notepad did not start or show its window within ten seconds.
  HWND Window() const { return FWindow; }

private:
  PROCESS_INFORMATION FProcess{};
  HWND FWindow = nullptr;
};
