#include "host_run.h"

#include <thread>

#include "base/text_convert.h"
#include "base/unique_handle.h"

namespace {

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

std::wstring QuoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring out = L"\"";
  for (size_t i = 0; i < argument.size(); ++i) {
    size_t slashes = 0;
    while (i < argument.size() && argument[i] == L'\\') ++slashes, ++i;
    if (i == argument.size()) {
      out.append(slashes * 2, L'\\');
      break;
    }
    if (argument[i] == L'"') {
      out.append(slashes * 2 + 1, L'\\');
    } else {
      out.append(slashes, L'\\');
    }
    out += argument[i];
  }
  return out + L"\"";
}

}  // namespace

std::vector<std::string> THostResult::TraceStarting(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const std::string& line : Trace)
    if (line.starts_with(prefix)) out.push_back(line);
  return out;
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

THostCase::THostCase(const std::string& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring root = std::wstring(temp) + L"tavrin-e2e-holes";
  CreateDirectoryW(root.c_str(), nullptr);
  folder_ = root + L"\\" + ToWide(name);
  CreateDirectoryW(folder_.c_str(), nullptr);
  RemoveFolderFiles(folder_);
}

std::wstring THostCase::Write(const std::string& file, const std::string& text) const {
  std::wstring path = folder_ + L"\\" + ToWide(file);
  HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(out);
  }
  return path;
}

THostResult THostCase::Run(const std::vector<std::wstring>& arguments, DWORD timeout_ms) const {
  const std::wstring trace = folder_ + L"\\trace.txt";
  const std::wstring saved = folder_ + L"\\saved.json";
  std::wstring command = QuoteArgument(TAVRIN_HOST_EXE L"") + L" --trace " + QuoteArgument(trace) +
                         L" --save " + QuoteArgument(saved);
  for (const std::wstring& argument : arguments) command += L" " + QuoteArgument(argument);

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  CreatePipe(&read_end, &write_end, &inherit, 0);
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  TUniqueKernelHandle reader(read_end), writer(write_end);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  THostResult result;
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder_.c_str(),
                      &startup, &process)) {
    result.ExitCode = static_cast<DWORD>(-1);
    result.Output = "cannot start the host (error " + std::to_string(GetLastError()) + ")";
    return result;
  }
  TUniqueKernelHandle process_handle(process.hProcess), thread_handle(process.hThread);
  writer.reset();  // the pipe ends when the host's copy of it closes
  std::string output;
  std::thread drain([&] {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
  });
  if (WaitForSingleObject(process.hProcess, timeout_ms) != WAIT_OBJECT_0) {
    result.TimedOut = true;
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  GetExitCodeProcess(process.hProcess, &result.ExitCode);
  drain.join();
  result.Output = output;
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
