#pragma once
// The host's what's-this viewer: a window of the class the system's WinHelp sends its requests to
// ("MS_WINHELP"). WinHelp files cannot be compiled here, so a context popup shows the line
// "context=text" of the text file beside the requested help file (Tavrinwth.hlp → Tavrinwth.txt)
// in a small popup window at the mouse. Every request is traced.

#include <string>

void CreateWhatsThisViewer();
// The text of the popup on screen, empty when none is shown.
std::string WhatsThisPopupText();
