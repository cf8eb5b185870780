#include "automation.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include "base/text_convert.h"
#include "base/unique_handle.h"
#include "script.h"
#include "script_runner.h"
#include "ui_thread_call.h"

namespace {

std::mutex output_lock;

void PrintLine(const std::string& line) {
  std::lock_guard<std::mutex> hold(output_lock);
  std::fputs(("script: " + line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

[[noreturn]] void FailProcess(const std::string& reason) {
  PrintLine("FAILED " + reason);
  std::fflush(nullptr);
  TerminateProcess(GetCurrentProcess(), kScriptFailedExitCode);
  for (;;) Sleep(INFINITE);
}

struct TRunningScript {
  TUiThreadCall Ui;
  std::unique_ptr<TScriptRunner> Runner;
  std::thread Thread;
  TUniqueKernelHandle Done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

std::unique_ptr<TRunningScript> running;
TSessionSignals session;

bool ReadFileText(const std::wstring& path, std::string& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  TUniqueKernelHandle owner(file);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart > (1 << 24)) return false;
  text.resize(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  return text.empty() ||
         (ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr) &&
          read == text.size());
}

// Scripts are UTF-8 files (texts of translated dialogs reach beyond ASCII); the runner works in
// the ANSI code page as the windows' 8-bit texts do. Text that is not UTF-8 stays as it is.
std::string Utf8ToAnsi(const std::string& text) {
  if (text.empty()) return text;
  int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return text;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return ToAnsi(wide);
}

}  // namespace

bool StartScript(const std::wstring& path) {
  std::string text, error;
  if (!ReadFileText(path, text)) {
    PrintLine("FAILED cannot read " + ToAnsi(path));
    return false;
  }
  text = Utf8ToAnsi(text);
  TScript script;
  if (!ParseScript(text, script, error)) {
    PrintLine("FAILED " + ToAnsi(path) + ": " + error);
    return false;
  }
  running = std::make_unique<TRunningScript>();
  if (!running->Ui.Create()) {
    PrintLine("FAILED no window for the script's calls");
    running.reset();
    return false;
  }
  PrintLine("running " + ToAnsi(path) + " (" + std::to_string(script.Steps.size()) + " steps)");
  running->Runner = std::make_unique<TScriptRunner>(std::move(script), running->Ui, PrintLine);
  running->Runner->SetSessionSignals(&session);
  TRunningScript* state = running.get();
  running->Thread = std::thread([state] {
    std::string failure;
    if (!state->Runner->RunAll(failure)) FailProcess(failure);
    PrintLine(state->Runner->Stopped() ? "finished the session after the stop" : "done");
    SetEvent(state->Done.get());
  });
  return true;
}

void NoteHostException() { ++session.HostExceptions; }

void FinishScript() {
  session.Over = true;
  if (!running) return;
  HANDLE done = running->Done.get();
  // The script may still be driving windows of this thread, so its calls must keep being served.
  for (;;) {
    DWORD woke = MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) break;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  running->Thread.join();
  running->Ui.Destroy();
  running.reset();
}
