#include "frame/pdf_opening.h"

#include <windows.h>
#include <ddeml.h>

#include <vector>

#include "base/exceptions.h"
#include "base/scope_guard.h"
#include "base/text_convert.h"
#include "base/unique_handle.h"
#include "frame/acrobat_command.h"
#include "frame/acrobat_reader_warning.h"
#include "frame/locations.h"

namespace {

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ClassExists(const char* key) {
  TUniqueHkey handle;
  return RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, handle.Put()) == ERROR_SUCCESS;
}

// The default value of a classes-root key; nothing when the key does not open.
bool ClassDefault(const std::string& key, std::string& value) {
  TUniqueHkey handle;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, handle.Put()) != ERROR_SUCCESS) return false;
  DWORD type = 0, size = 0;
  value.clear();
  if (RegQueryValueExA(handle.get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return true;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return true;
  std::vector<char> buffer(size + 1, '\0');
  if (RegQueryValueExA(handle.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
      ERROR_SUCCESS)
    value.assign(buffer.data());
  return true;
}

[[noreturn]] void RaiseSystemError(DWORD code) {
  char* text = nullptr;
  FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = text ? text : "";
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
    message.pop_back();
  throw Exception("System Error.  Code: " + std::to_string(code) + ".\r\n" + message);
}

// The high word of the major part of the program's file version; 0 without version information.
int ProgramMajorVersion(const std::string& program) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(program.c_str(), &ignored);
  if (size == 0) {
    DWORD error = GetLastError();
    if (error == ERROR_RESOURCE_DATA_NOT_FOUND || error == ERROR_RESOURCE_TYPE_NOT_FOUND ||
        error == ERROR_RESOURCE_NAME_NOT_FOUND || error == ERROR_RESOURCE_LANG_NOT_FOUND || error == 0)
      return 0;
    RaiseSystemError(error);
  }
  std::vector<BYTE> data(size);
  if (!GetFileVersionInfoA(program.c_str(), 0, size, data.data())) RaiseSystemError(GetLastError());
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info) return 0;
  return HIWORD(info->dwFileVersionMS);
}

HDDEDATA CALLBACK IgnoreDde(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

bool StartAcrobat(const std::string& command_line) {
  return WinExec(command_line.c_str(), SW_SHOWNORMAL) >= 32;
}

}  // namespace

std::string AcrobatCommand() {
  std::string command;
  if (!ClassDefault("acrobat\\Shell\\Open\\Command", command)) {
    std::string document_class;
    ClassDefault(".PDF", document_class);
    if (document_class.empty() || !ClassDefault(document_class + "\\Shell\\Open\\Command", command))
      command.clear();
  }
  return CleanAcrobatCommand(command);
}

int AcrobatMajorVersion(const std::string& command) {
  if (ClassExists("AcroPDF.PDF.1")) return 7;
  if (ClassExists("PDF.PdfCtrl.1")) return 4;
  for (int n = 2; n <= 10; ++n)
    if (ClassExists(("PDF.PdfCtrl." + std::to_string(n)).c_str())) return n;
  int version = ProgramMajorVersion(AcrobatProgram(command));
  return version == 0 ? 4 : version;
}

bool SendAcrobatCommand(const std::string& command) {
  DWORD instance = 0;
  if (DdeInitializeA(&instance, IgnoreDde, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return false;
  auto uninitialize = OnScopeExit([&] { DdeUninitialize(instance); });
  HSZ service = DdeCreateStringHandleA(instance, "acroview", CP_WINANSI);
  HSZ topic = DdeCreateStringHandleA(instance, "control", CP_WINANSI);
  auto free_strings = OnScopeExit([&] {
    if (service) DdeFreeStringHandle(instance, service);
    if (topic) DdeFreeStringHandle(instance, topic);
  });
  HCONV conversation = DdeConnect(instance, service, topic, nullptr);
  if (!conversation) return false;
  std::string bytes = command;
  DdeClientTransaction(reinterpret_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()), conversation,
                       nullptr, CF_TEXT, XTYP_EXECUTE, TIMEOUT_ASYNC, nullptr);
  DdeDisconnect(conversation);
  return true;
}

bool OpenPdfAtPage(const std::string& file_name, int32_t page) {
  std::string file = file_name;
  if (!FileExists(file)) {
    size_t slash = file.find_last_of("\\/:");
    file = ToAnsi(InstallHelpFolder()) + (slash == std::string::npos ? file : file.substr(slash + 1));
    if (!FileExists(file)) return false;
  }
  const std::string command = AcrobatCommand();
  const int version = AcrobatMajorVersion(command);
  if (version < 6) {
    // Old versions cannot open at a page: the user learns why the first page is shown.
    if (page != 1) ShowAcrobatReaderWarning();
    return StartAcrobat(AcrobatCommandLine(command, file, page, version));
  }
  if (!StartAcrobat(AcrobatCommandLine(command, file, page, version))) return false;
  SendAcrobatCommand(AcrobatGoToPage(page));
  return true;
}
