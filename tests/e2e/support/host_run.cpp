#include "host_run.h"

#include <shlobj.h>

#include <algorithm>
#include <atomic>

#include "base/text_convert.h"
#include "base/unique_handle.h"

#ifndef TAVRIN_HOST_BIN_DIR
#error "TAVRIN_HOST_BIN_DIR must name the build tree's bin folder"
#endif

namespace {

constexpr DWORD kTerminatedExitCode = 99;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// One argument quoted the way CommandLineToArgvW reads it back.
std::wstring Quote(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring out = L"\"";
  int backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') out.append(backslashes * 2 + 1, L'\\');
    else out.append(backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

// Reads what the pipe holds now, without waiting for more.
void DrainPipe(HANDLE pipe, std::string& text) {
  for (;;) {
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0) return;
    char buffer[4096];
    DWORD read = 0;
    if (!ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &read, nullptr) ||
        read == 0)
      return;
    text.append(buffer, read);
  }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

void RemoveFolderFiles(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      DeleteFileW((folder + L"\\" + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

THostExit LaunchHost(const THostLaunch& launch) {
  THostExit result;
  const std::wstring exe = HostBinFolder() + L"TavrinHost.exe";
  std::wstring command = Quote(exe);
  for (const std::wstring& a : launch.Arguments) command += L" " + Quote(a);
  const std::wstring folder = launch.Folder.empty() ? HostBinFolder() : launch.Folder;

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) {
    result.Output = "cannot create the host's output pipe (error " + std::to_string(GetLastError()) + ")";
    return result;
  }
  TUniqueKernelHandle reader(read_end), writer(write_end);
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    result.Output = "cannot start the host " + ToAnsi(exe) + " (error " +
                    std::to_string(GetLastError()) + ")";
    return result;
  }
  result.Started = true;
  TUniqueKernelHandle process_handle(process.hProcess), thread_handle(process.hThread);
  writer.reset();
  // Wine's helper processes may inherit the pipe and keep it open long after the host has gone, so
  // the output is collected while the host runs and drained once it has ended, never read to EOF.
  const DWORD deadline = GetTickCount() + launch.TimeoutMs;
  for (;;) {
    DrainPipe(read_end, result.Output);
    if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0) break;
    if (static_cast<int32_t>(deadline - GetTickCount()) <= 0) {
      result.TimedOut = true;
      TerminateProcess(process.hProcess, kTerminatedExitCode);
      WaitForSingleObject(process.hProcess, 5000);
      break;
    }
    if (launch.WhileRunning) launch.WhileRunning(process.dwProcessId);
  }
  DrainPipe(read_end, result.Output);
  GetExitCodeProcess(process.hProcess, &result.ExitCode);
  return result;
}

std::wstring HostBinFolder() {
  // The build tree lives in the Unix file system, which Wine shows as drive Z:.
  std::wstring folder = L"Z:" + ToWide(TAVRIN_HOST_BIN_DIR);
  for (wchar_t& c : folder)
    if (c == L'/') c = L'\\';
  if (folder.back() != L'\\') folder += L'\\';
  return folder;
}

std::wstring UniqueTempPath(const std::wstring& name) {
  static std::atomic<int> counter{0};
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + L"tavrin-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter) + L"-" + name;
}

std::wstring TempFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + name;
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring AppDataFolder() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

std::string ReadTextFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  TUniqueKernelHandle owner(file);
  std::string text;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

bool WriteTextFile(const std::wstring& path, std::string_view text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  TUniqueKernelHandle owner(file);
  DWORD written = 0;
  return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

THostRun RunHost(const std::vector<std::wstring>& arguments, const THostRunOptions& options) {
  THostRun run;
  THostLaunch launch;
  launch.Arguments = arguments;
  launch.TimeoutMs = options.TimeoutMs;
  bool names_trace = false;
  for (size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] != L"--trace") continue;
    names_trace = true;
    run.TracePath = arguments[i + 1];
  }
  if (options.WithTrace && !names_trace) {
    run.TracePath = UniqueTempPath(L"trace.txt");
    launch.Arguments.push_back(L"--trace");
    launch.Arguments.push_back(run.TracePath);
  }
  if (options.TestMode) launch.Arguments.push_back(L"--test-mode");

  THostExit exit = LaunchHost(launch);
  if (options.TestMode) RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode");
  run.ExitCode = exit.Started && !exit.TimedOut ? static_cast<int>(exit.ExitCode) : -1;
  run.Output = exit.Output;
  run.Lines = SplitLines(run.Output);
  if (!run.TracePath.empty()) {
    run.Trace = SplitLines(ReadTextFile(run.TracePath));
    if (!names_trace) DeleteFileW(run.TracePath.c_str());
  }
  return run;
}

bool THostRun::OutputHas(std::string_view line) const {
  return std::find(Lines.begin(), Lines.end(), line) != Lines.end();
}

bool THostRun::OutputHasPrefix(std::string_view prefix) const {
  return std::any_of(Lines.begin(), Lines.end(),
                     [&](const std::string& l) { return StartsWith(l, prefix); });
}

int THostRun::TraceIndex(std::string_view prefix, int from) const {
  for (int i = std::max(from, 0); i < static_cast<int>(Trace.size()); ++i)
    if (StartsWith(Trace[i], prefix)) return i;
  return -1;
}

int THostRun::TraceCount(std::string_view prefix) const {
  return static_cast<int>(TraceLines(prefix).size());
}

std::vector<std::string> THostRun::TraceLines(std::string_view prefix) const {
  std::vector<std::string> lines;
  for (const std::string& l : Trace)
    if (StartsWith(l, prefix)) lines.push_back(l);
  return lines;
}

std::string THostRun::Describe() const {
  std::string text = "exit code " + std::to_string(ExitCode) + "\n--- output\n" + Output +
                     "--- trace\n";
  for (const std::string& l : Trace) text += l + "\n";
  return text;
}

std::vector<std::string> THostResult::TraceStarting(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const std::string& line : Trace)
    if (StartsWith(line, prefix)) out.push_back(line);
  return out;
}

THostCase::THostCase(const std::string& name) {
  folder_ = TempFolder(L"tavrin-e2e-holes") + L"\\" + ToWide(name);
  CreateDirectoryW(folder_.c_str(), nullptr);
  RemoveFolderFiles(folder_);
}

std::wstring THostCase::Write(const std::string& file, const std::string& text) const {
  std::wstring path = folder_ + L"\\" + ToWide(file);
  WriteTextFile(path, text);
  return path;
}

THostResult THostCase::Run(const std::vector<std::wstring>& arguments, DWORD timeout_ms) const {
  const std::wstring trace = folder_ + L"\\trace.txt";
  const std::wstring saved = folder_ + L"\\saved.json";
  THostLaunch launch;
  launch.Arguments = {L"--trace", trace, L"--save", saved};
  launch.Arguments.insert(launch.Arguments.end(), arguments.begin(), arguments.end());
  launch.Folder = folder_;
  launch.TimeoutMs = timeout_ms;
  THostExit exit = LaunchHost(launch);
  THostResult result;
  result.ExitCode = exit.ExitCode;
  result.TimedOut = exit.TimedOut;
  result.Output = exit.Output;
  if (!exit.Started) return result;
  result.Trace = SplitLines(ReadTextFile(trace));
  result.Saved = ReadTextFile(saved);
  return result;
}

THostResult THostCase::RunEditor(const std::string& board, const std::string& script,
                                 const std::vector<std::wstring>& extra) const {
  std::vector<std::wstring> arguments = {L"--board", Write("board.json", board), L"--command", L"Run"};
  if (!script.empty()) {
    arguments.push_back(L"--script");
    arguments.push_back(Write("case.script", script));
  }
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  return Run(arguments);
}

TScopedFile::TScopedFile(std::wstring path, std::string_view content) : path_(std::move(path)) {
  WriteTextFile(path_, content);
}

TScopedFile::~TScopedFile() { DeleteFileW(path_.c_str()); }

TScopedUserRegistryValue::TScopedUserRegistryValue(std::wstring key, std::wstring name,
                                                   std::wstring value)
    : key_(std::move(key)) {
  TUniqueHkey opened;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      opened.Put(), nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExW(opened.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

TScopedUserRegistryValue::~TScopedUserRegistryValue() {
  RegDeleteKeyW(HKEY_CURRENT_USER, key_.c_str());
}
