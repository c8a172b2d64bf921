#pragma once
// Pictures of the real Mirevan.exe's main window as the screen shows it, page by page: the
// page opened with a real click on its tab, the pointer parked off the window, the window
// in front, and the picture taken once the screen has stopped changing (the show animation
// and the repaints over). The picture tests and the tool that makes their references on
// purpose take them the same way.

#include <cstdint>
#include <string>

#include "SkinViews.h"

class TMirevanProcess;

// The settings the pictures are taken with: nothing made transparent, no hook, and the
// registry's auto-start entry cleared, so that no window of another process or earlier run
// shows in them.
std::string PageShotSettings();
void ClearAutoStart();

// What the pictures hold where the window's region leaves the screen behind it showing.
constexpr uint32_t OutsideTheRegion = 0xFF00FF;

// Page Index of Mirevan's window, frame included; an empty picture when the tab could not be
// clicked or the screen did not settle.
TSkinPicture ShootPage(const TMirevanProcess& Mirevan, int Index);

// The reference picture's file name for page Index, under Dir.
std::string PageReferenceName(const std::string& Dir, int Index);
