#pragma once
// A form frame repainted in each of its buffering modes, beside a BitBlt of the whole window:
// the cases the plain and the skinned frame benchmarks share.

#include <windows.h>

#include <string>

class TSeCustomForm;

// Runs the cases for about Seconds and prints them under "<Title> (<width> x <height>)".
void BenchFrameModes(TSeCustomForm& Frame, HWND Wnd, double Seconds, const std::string& Title);
