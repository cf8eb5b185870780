// The fault sweep: the recorded editor session again with each host call failing with a status and
// a description, each call faulting inside the host, and each export the plug-in binds removed.
// CI runs the first call of every operation and every export the session calls; with
// TAVRIN_FULL_SWEEP=1 in the environment every call and every bound export. Each sweep is cut into
// shards, separate tests that CTest runs side by side.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "hostapi/client_api.h"
#include "hostapi/pcb_api.h"
#include "sweep_session.h"

namespace {

bool FullSweep() {
  const char* value = std::getenv("TAVRIN_FULL_SWEEP");
  return value && *value && std::string(value) != "0";
}

struct TSweepCase {
  std::string Name;  // folder name and the finding's label
  std::vector<std::wstring> Arguments;
  bool Quiet = false;  // see TSweepSession::Findings
};

// Calls that answer without a status: made to fail they answer "none" (0, no handle, no interface).
bool AnswersWithoutStatus(const std::string& operation) {
  static const std::set<std::string> handles = {
      "PcbApi_GetCurrentBoardHandle", "PcbApi_GetCurrentEditorWindow", "PcbApi_CreateIterator",
      "PcbApi_GetFirstObject", "PcbApi_GetNextObject", "PcbApi_DestroyIterator"};
  return operation.starts_with("ClientAPI_") || operation.starts_with("VFSAPI_") || handles.count(operation);
}

struct TSweepOutcome {
  int Runs = 0;
  int GotThrough = 0;
  int Stopped = 0;
  ULONGLONG Milliseconds = 0;
  ULONGLONG SlowestMilliseconds = 0;
  std::string Slowest;
  std::vector<std::string> Findings;
};

// Runs the cases one after another, each host in a process and folder of its own. (Hosts started
// from two threads of one process would inherit each other's output pipes and outlive their runs;
// the shards of a sweep are separate tests, which CTest runs side by side.)
TSweepOutcome RunCases(const TSweepSession& session, const std::vector<TSweepCase>& cases) {
  TSweepOutcome outcome;
  const ULONGLONG started = GetTickCount64();
  for (const TSweepCase& sweep_case : cases) {
    const ULONGLONG run_started = GetTickCount64();
    THostResult result = session.Run(sweep_case.Name, sweep_case.Arguments);
    std::vector<std::string> findings = session.Findings(result, sweep_case.Quiet);
    const ULONGLONG took = GetTickCount64() - run_started;
    if (took > outcome.SlowestMilliseconds) {
      outcome.SlowestMilliseconds = took;
      outcome.Slowest = sweep_case.Name;
    }
    ++outcome.Runs;
    if (result.Printed("script: done")) ++outcome.GotThrough;
    if (result.Printed("script: stopped at ")) ++outcome.Stopped;
    for (const std::string& finding : findings) outcome.Findings.push_back(sweep_case.Name + ": " + finding);
    if (!findings.empty()) outcome.Findings.push_back(sweep_case.Name + " output:\n" + result.Output);
  }
  outcome.Milliseconds = GetTickCount64() - started;
  return outcome;
}

void Report(const char* what, size_t calls, const TSweepOutcome& outcome) {
  std::printf("fault sweep %s: %zu calls in the session, %d runs (%d got through, %d stopped), %zu finding lines, "
              "%.1f s (slowest run %s, %.1f s)\n",
              what, calls, outcome.Runs, outcome.GotThrough, outcome.Stopped, outcome.Findings.size(),
              outcome.Milliseconds / 1000.0, outcome.Slowest.c_str(), outcome.SlowestMilliseconds / 1000.0);
  for (const std::string& finding : outcome.Findings) ADD_FAILURE() << finding;
}

constexpr int kShards = 8;

class FaultSweep : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    session_ = new TSweepSession;
    record_ = new TSweepRecord(session_->Record());
  }
  static void TearDownTestSuite() {
    delete record_;
    delete session_;
  }

  // The calls swept: all of them, or in CI the first call of each operation.
  std::vector<TSweepCall> SweptCalls() const {
    if (FullSweep()) return record_->Calls;
    std::vector<TSweepCall> out;
    std::set<std::string> seen;
    for (const TSweepCall& call : record_->Calls)
      if (seen.insert(call.Operation).second) out.push_back(call);
    return out;
  }

  static TSweepSession* session_;
  static TSweepRecord* record_;
};

TSweepSession* FaultSweep::session_ = nullptr;
TSweepRecord* FaultSweep::record_ = nullptr;

// One shard of a sweep: every kShards-th case.
class FaultSweepShard : public FaultSweep, public testing::WithParamInterface<int> {
 protected:
  std::vector<TSweepCase> Shard(const std::vector<TSweepCase>& cases) const {
    std::vector<TSweepCase> out;
    for (size_t i = static_cast<size_t>(GetParam()); i < cases.size(); i += kShards) out.push_back(cases[i]);
    return out;
  }
};

// The session itself gets through, every call numbered, the board written as edited.
TEST_F(FaultSweep, TheRecordedSessionGetsThrough) {
  const THostResult& result = record_->Result;
  EXPECT_TRUE(session_->Findings(result).empty()) << result.Output;
  EXPECT_TRUE(result.Printed("script: done")) << result.Output;
  EXPECT_EQ(result.Saved, session_->Edited());
  ASSERT_FALSE(record_->Calls.empty());
  EXPECT_TRUE(result.Printed("host: calls counted " + std::to_string(record_->Calls.size()))) << result.Output;
  for (size_t i = 0; i < record_->Calls.size(); ++i) EXPECT_EQ(record_->Calls[i].Index, static_cast<int>(i) + 1);
  // The session reaches every part of the change protocol.
  auto called = [&](const std::string& operation) {
    return std::any_of(record_->Calls.begin(), record_->Calls.end(),
                       [&](const TSweepCall& call) { return call.Operation == operation; });
  };
  for (const char* operation : {"IPCB_ServerInterface.ProcessStart", "IPCB_PrimitiveObject.BeginModify",
                                "PcbApi_QueryPad", "PcbApi_QueryVia", "IProcessLauncher.RunProcess"})
    EXPECT_TRUE(called(operation)) << operation;
}

TEST_P(FaultSweepShard, EveryCallFailingWithAStatusAndADescription) {
  std::vector<TSweepCase> cases;
  for (const TSweepCall& call : SweptCalls()) {
    const std::string k = std::to_string(call.Index);
    cases.push_back({"fail-" + k + "-" + call.Operation,
                     {L"--fail", L"*," + std::wstring(k.begin(), k.end()) + L",0x80004005,Injected failure " +
                                     std::wstring(k.begin(), k.end())},
                     AnswersWithoutStatus(call.Operation)});
  }
  Report("fail", record_->Calls.size(), RunCases(*session_, Shard(cases)));
}

TEST_P(FaultSweepShard, EveryCallFaultingInsideTheHost) {
  std::vector<TSweepCase> cases;
  for (const TSweepCall& call : SweptCalls()) {
    const std::string k = std::to_string(call.Index);
    cases.push_back({"fault-" + k + "-" + call.Operation, {L"--fault", L"*," + std::wstring(k.begin(), k.end())}});
  }
  Report("fault", record_->Calls.size(), RunCases(*session_, Shard(cases)));
}

// Every export the plug-in binds, host and PCB module alike; CI takes those the session calls.
TEST_P(FaultSweepShard, EveryBoundExportRemoved) {
  std::vector<std::string> names;
  for (const char* name : kClientApiNames) names.push_back(name);
  names.push_back(kClientApiBeginCursorName);
  names.push_back(kClientApiEndCursorName);
  names.push_back(kVfsFileExistsName);
  for (const char* name : kPcbApiNames) names.push_back(name);
  std::set<std::string> called;
  for (const TSweepCall& call : record_->Calls) called.insert(call.Operation);
  std::vector<TSweepCase> cases;
  for (const std::string& name : names) {
    if (!FullSweep() && !called.count(name)) continue;
    // A missing export reads as its wrapper's default: for a status, success; for a handle, none.
    cases.push_back({"remove-" + name, {L"--remove-export", std::wstring(name.begin(), name.end())},
                     AnswersWithoutStatus(name)});
  }
  ASSERT_FALSE(cases.empty());
  Report("export removal", record_->Calls.size(), RunCases(*session_, Shard(cases)));
}

INSTANTIATE_TEST_SUITE_P(Shards, FaultSweepShard, testing::Range(0, kShards));

}  // namespace
