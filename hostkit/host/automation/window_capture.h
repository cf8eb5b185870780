#pragma once
// Captures a window as it is drawn, frame and children included, into an RGB image. Runs on the
// window's own thread, which repaints the window first.

#include <windows.h>

#include <string>

#include "png_writer.h"

bool CaptureWindow(HWND window, TRgbImage& image, std::string& error);
