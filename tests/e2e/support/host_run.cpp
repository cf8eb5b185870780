#include "host_run.h"

#include <shlobj.h>

#include <atomic>
#include <sstream>

#include "base/text_convert.h"

#ifndef TAVRIN_HOST_BIN_DIR
#error "TAVRIN_HOST_BIN_DIR must name the build tree's bin folder"
#endif

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string ReadWholeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[8192];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
  CloseHandle(file);
  return text;
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

}  // namespace

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

std::wstring AppDataFolder() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

THostRun RunHost(const std::vector<std::wstring>& arguments, const THostRunOptions& options) {
  THostRun run;
  std::vector<std::wstring> all = arguments;
  bool names_trace = false;
  for (const std::wstring& a : arguments) names_trace = names_trace || a == L"--trace";
  if (options.WithTrace && !names_trace) {
    run.TracePath = UniqueTempPath(L"trace.txt");
    all.push_back(L"--trace");
    all.push_back(run.TracePath);
  } else if (names_trace) {
    for (size_t i = 0; i + 1 < arguments.size(); ++i)
      if (arguments[i] == L"--trace") run.TracePath = arguments[i + 1];
  }
  if (options.TestMode) all.push_back(L"--test-mode");

  std::wstring exe = HostBinFolder() + L"TavrinHost.exe";
  std::wstring command = Quote(exe);
  for (const std::wstring& a : all) command += L" " + Quote(a);

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return run;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring folder = HostBinFolder();
  BOOL started = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                folder.c_str(), &startup, &process);
  CloseHandle(write_end);
  if (!started) {
    CloseHandle(read_end);
    run.Output = "run_host: cannot start " + ToAnsi(exe);
    run.Lines = SplitLines(run.Output);
    return run;
  }
  // Wine's helper processes may inherit the pipe and keep it open long after the host has gone, so
  // the output is collected while the host runs and drained once it has ended, never read to EOF.
  std::string output;
  DWORD deadline = GetTickCount() + options.TimeoutMs;
  bool ended = false;
  for (;;) {
    DrainPipe(read_end, output);
    if (ended) break;
    DWORD now = GetTickCount();
    if (static_cast<int32_t>(deadline - now) <= 0) {
      TerminateProcess(process.hProcess, 255);
      WaitForSingleObject(process.hProcess, 5000);
      run.ExitCode = -1;
      DrainPipe(read_end, output);
      break;
    }
    ended = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
    if (ended) {
      DWORD code = 0;
      GetExitCodeProcess(process.hProcess, &code);
      run.ExitCode = static_cast<int>(code);
    }
  }
  CloseHandle(read_end);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (options.TestMode) RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode");

  run.Output = output;
  run.Lines = SplitLines(run.Output);
  if (!run.TracePath.empty()) {
    run.Trace = SplitLines(ReadWholeFile(run.TracePath));
    if (!names_trace) DeleteFileW(run.TracePath.c_str());
  }
  return run;
}

bool THostRun::OutputHas(std::string_view line) const {
  for (const std::string& l : Lines)
    if (l == line) return true;
  return false;
}

bool THostRun::OutputHasPrefix(std::string_view prefix) const {
  for (const std::string& l : Lines)
    if (StartsWith(l, prefix)) return true;
  return false;
}

int THostRun::TraceIndex(std::string_view prefix, int from) const {
  for (int i = std::max(from, 0); i < static_cast<int>(Trace.size()); ++i)
    if (StartsWith(Trace[i], prefix)) return i;
  return -1;
}

int THostRun::TraceCount(std::string_view prefix) const {
  int count = 0;
  for (const std::string& l : Trace)
    if (StartsWith(l, prefix)) ++count;
  return count;
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

TScopedFile::TScopedFile(std::wstring path, std::string_view content) : path_(std::move(path)) {
  HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

TScopedFile::~TScopedFile() { DeleteFileW(path_.c_str()); }

TScopedUserRegistryValue::TScopedUserRegistryValue(std::wstring key, std::wstring name,
                                                   std::wstring value)
    : key_(std::move(key)) {
  HKEY opened = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &opened, nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExW(opened, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(opened);
}

TScopedUserRegistryValue::~TScopedUserRegistryValue() {
  RegDeleteKeyW(HKEY_CURRENT_USER, key_.c_str());
}
