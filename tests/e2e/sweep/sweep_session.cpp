#include "sweep_session.h"

#include <cstdlib>

#include "tests/e2e/holes/board_text.h"

namespace {

// Pads 1 and 2 and via 3 have the size the user changes, pad 4 keeps its own.
constexpr int kChangedHandles[] = {1, 2, 3};

const char kScript[] =
    "on-stop finish\n"
    "wait-window \"Hole Size Editor\"\n"
    // The smallest size by place and the new one with its unit: a board unit that could not be read
    // shows millimetres, which is no fault.
    "select @ListBox #0\n"
    "click \"Edit...\"\n"
    "wait-window \"Edit Hole Size\"\n"
    "set-text @Edit \"14mil\"\n"
    "key enter\n"
    "wait-no-window \"Edit Hole Size\"\n"
    "wait-window \"Hole Size Editor\"\n"
    "click OK\n"
    "wait-no-window \"Hole Size Editor\"\n";

bool Changed(int handle) {
  for (int h : kChangedHandles)
    if (h == handle) return true;
  return false;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

// "PcbApi_QueryPad(0, 3) = 0 [holeSize]": a record write; handle 3, changed fields "holeSize".
bool RecordWrite(const std::string& line, int& handle, std::string& changed) {
  if (!line.starts_with("PcbApi_")) return false;
  size_t open = line.find('(');
  if (open == std::string::npos || line.compare(open, 4, "(0, ") != 0) return false;
  handle = std::atoi(line.c_str() + open + 4);
  size_t list = line.find(" [");
  changed = list == std::string::npos ? std::string() : line.substr(list + 2, line.size() - list - 3);
  return true;
}

}  // namespace

std::string WithoutHoleSizes(const std::string& board) {
  std::string out = board;
  const std::string key = "\"holeSize\": ";
  for (size_t at = out.find(key); at != std::string::npos; at = out.find(key, at + key.size())) {
    size_t end = out.find_first_of(",}", at);
    out.replace(at + key.size(), end - at - key.size(), "_");
  }
  return out;
}

TSweepSession::TSweepSession() {
  board_ = BoardText(false, Pads(2, 10 * kMil) + Vias(1, 10 * kMil) + Pads(1, 20 * kMil));
  // The edit changes the hole sizes alone (the lands BoardText derives from them stay).
  edited_ = board_;
  const std::string from = "\"holeSize\": " + std::to_string(10 * kMil) + ",";
  const std::string to = "\"holeSize\": " + std::to_string(14 * kMil) + ",";
  for (size_t at = edited_.find(from); at != std::string::npos; at = edited_.find(from, at + to.size()))
    edited_.replace(at, from.size(), to);
}

THostResult TSweepSession::Run(const std::string& name, const std::vector<std::wstring>& extra) const {
  THostCase host("sweep-" + name);
  return host.RunEditor(board_, kScript, extra);
}

TSweepRecord TSweepSession::Record() const {
  TSweepRecord record;
  // Shards record side by side, each in a folder of its own.
  record.Result = Run("record-" + std::to_string(GetCurrentProcessId()), {L"--count-calls"});
  for (const std::string& line : record.Result.Trace) {
    if (!line.starts_with("call ")) continue;
    TSweepCall call;
    call.Index = std::atoi(line.c_str() + 5);
    call.Operation = line.substr(line.find(' ', 5) + 1);
    record.Calls.push_back(call);
  }
  return record;
}

std::vector<std::string> TSweepSession::Findings(const THostResult& result, bool quiet) const {
  std::vector<std::string> out;
  if (result.TimedOut) out.push_back("the host did not end");
  else if (result.ExitCode != 0) out.push_back("the host ended with exit code " + std::to_string(result.ExitCode));
  for (const std::string& line : result.Trace)
    if (line.starts_with("PROTOCOL VIOLATION")) out.push_back(line);
  for (const std::string& line : result.Trace) {
    int handle = 0;
    std::string changed;
    if (!RecordWrite(line, handle, changed) || changed.empty()) continue;
    if (changed != "holeSize" || !Changed(handle)) out.push_back("a record write the user did not ask for: " + line);
  }
  const bool told_host = result.Printed("host: error info ") || result.Printed("host: exception: ");
  if (!result.Printed("ServerFactory \"Tavrin.dll\"")) {
    out.push_back("the plug-in was not loaded");
  } else if (result.Printed("ServerFactory \"Tavrin.dll\" client=present out=present -> 0x8000FFFF module=null")) {
    // A module that was never made has nothing to release; the host must know why.
    if (!told_host) out.push_back("the plug-in's module was not created, and the host was not told why");
  } else if (!result.Printed("host: Release plug-in module -> 0")) {
    out.push_back("the plug-in's module was not released to 0");
  }

  if (result.Saved.empty()) {
    out.push_back("the board was not saved");
    return out;
  }
  if (WithoutHoleSizes(result.Saved) != WithoutHoleSizes(board_))
    out.push_back("the saved board differs in more than hole sizes");
  for (const auto& [handle, hole] : SavedHoles(result.Saved)) {
    const bool allowed = Changed(handle) ? hole.Size == 10 * kMil || hole.Size == 14 * kMil : hole.Size == 20 * kMil;
    if (!allowed) out.push_back("primitive " + std::to_string(handle) + " saved with hole size " + std::to_string(hole.Size));
  }
  const bool got_through = result.Printed("script: done");
  const bool stopped = result.Printed("script: stopped at ");
  if (!got_through && !stopped) out.push_back("the script neither got through nor stopped");
  // A host that answers "none" shows the plug-in a different board, on which the user's edit means
  // something else; only a failure the plug-in could see must end the session in view of the user.
  if (got_through && !quiet && result.Saved != edited_)
    out.push_back("the session got through but the board is not as edited");
  const int messages = Count(result.Output, "script: message ");
  if (messages > 1) out.push_back(std::to_string(messages) + " message boxes");
  const bool told = messages > 0 || told_host;
  if (stopped && !told && !(quiet && result.Saved == board_)) out.push_back("the session stopped in silence");
  if (result.Saved != board_ && result.Saved != edited_ && !told && !quiet)
    out.push_back("the board was left half written in silence");
  return out;
}
