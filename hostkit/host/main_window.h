#pragma once
// The host's windows: the hidden application window (owner of the servers' windows), the main
// window with its board view and a status bar of four panels (0 is the host's own, 1 to 3 show
// SetStatusText), and the main window's menu.

#include <windows.h>

#include <functional>

constexpr UINT kMenuRunCommand = 100;
constexpr UINT kMenuUndo = 101;
constexpr UINT kMenuRedo = 102;
constexpr UINT kMenuExit = 103;
constexpr UINT kMenuOptions = 104;
constexpr UINT kMenuOpenBoard = 105;

// Creates the three windows into Host(); false when the window system refuses.
bool CreateHostWindows(bool show);
// What the menu's "Run command" item does.
void SetRunCommandHandler(std::function<void()> handler);
