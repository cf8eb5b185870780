// KiCad boards opened by the host kit: on every board of Debian's kicad-demos the Hole Size Editor
// lists the file's own drills with their pad and via counts; a footprint's rotation places its
// pads; an edit on a real board changes that size and nothing else; bad files are refused with
// file, line and reason, and no board is left open.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_convert.h"
#include "kicad_drills.h"
#include "tests/e2e/support/host_run.h"

namespace {

std::wstring WinePath(const std::string& unix_path) {
  std::wstring path = L"Z:" + ToWide(unix_path);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

std::string DemoPath(const char* relative) {
  return std::string(TAVRIN_KICAD_DEMOS) + "/" + relative;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring WriteTemp(const wchar_t* name, const std::string& text) {
  const std::wstring path = UniqueTempPath(name);
  std::ofstream out(ToAnsi(path), std::ios::binary);
  out << text;
  return path;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Every line of the saved board that describes a pad or via, in order.
std::vector<std::string> PrimitiveLines(const std::string& saved, const char* kind) {
  std::vector<std::string> out;
  std::istringstream lines(saved);
  std::string line;
  const std::string marker = std::string("\"kind\": \"") + kind + "\"";
  while (std::getline(lines, line)) {
    if (line.find(marker) != std::string::npos) out.push_back(line);
  }
  return out;
}

// The integer value of a field of a saved primitive line; 0 when the line leaves it out.
long long Field(const std::string& line, const char* name) {
  const std::string key = std::string("\"") + name + "\": ";
  const size_t at = line.find(key);
  return at == std::string::npos ? 0 : std::stoll(line.substr(at + key.size()));
}

struct TDemoBoard {
  const char* name;
  const char* path;  // below the demos folder
};

class DemoBoard : public testing::TestWithParam<TDemoBoard> {};

TEST_P(DemoBoard, TheEditorCountsThePadsAndViasOfEachDrillSizeAsTheFileHasThem) {
  const std::string file = DemoPath(GetParam().path);
  const std::wstring board = WinePath(file);
  if (!Exists(board)) GTEST_SKIP() << file << " is not installed (kicad-demos)";
  const std::string text = ReadWholeFile(ToAnsi(board));
  ASSERT_FALSE(text.empty());

  // Labels in the editor's numeric order, each with the pads and vias of all sizes it stands for.
  std::map<std::string, TDrillCount> by_label;
  std::vector<std::string> labels;
  for (const auto& [size, count] : CountDrills(text)) {
    const std::string label = MetricLabel(size);
    if (!by_label.count(label)) labels.push_back(label);
    by_label[label].pads += count.pads;
    by_label[label].vias += count.vias;
  }
  std::string script =
      "timeout 180\nwait-window \"Hole Size Editor\"\ntimeout 30\nexpect-items @ListBox";
  for (const std::string& label : labels) script += " " + Quoted(label);
  script += "\n";
  for (const std::string& label : labels) {
    script += "select @ListBox " + Quoted(label) +
              "\nexpect-text @Static \"Pads : " + std::to_string(by_label[label].pads) +
              "  Vias : " + std::to_string(by_label[label].vias) + "\"\n";
  }
  script += "click Cancel\nwait-no-window \"Hole Size Editor\"\n";
  const std::wstring script_file = WriteTemp(L"demo.script", script);
  THostRunOptions options;
  options.TimeoutMs = 200000;
  THostRun run =
      RunHost({L"--board", board, L"--command", L"Run", L"--script", script_file}, options);
  DeleteFileW(script_file.c_str());
  EXPECT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas("script: done")) << script << run.Describe();
  EXPECT_FALSE(run.OutputHasPrefix("script: FAILED")) << script << run.Describe();
  EXPECT_EQ(run.TraceCount("PROTOCOL VIOLATION"), 0);
  // The 0-size label holds exactly the pads without a drill: surface pads and connectors.
  int surface = 0;
  for (size_t at = text.find("(pad "); at != std::string::npos; at = text.find("(pad ", at + 1)) {
    std::istringstream words(text.substr(at, 200));
    std::string keyword, number, type;
    words >> keyword >> number >> type;
    surface += type == "smd" || type == "connect";
  }
  EXPECT_EQ(by_label.count("0.0000 mm") ? by_label["0.0000 mm"].pads : 0, surface);
}

INSTANTIATE_TEST_SUITE_P(
    KicadDemos, DemoBoard,
    testing::Values(
        TDemoBoard{"complex_hierarchy", "complex_hierarchy/complex_hierarchy.kicad_pcb"},
        TDemoBoard{"custom_pads_test", "custom_pads_test/custom_pads_test.kicad_pcb"},
        TDemoBoard{"ecc83_pp", "ecc83/ecc83-pp.kicad_pcb"},
        TDemoBoard{"ecc83_pp_v2", "ecc83/ecc83-pp_v2.kicad_pcb"},
        TDemoBoard{"flat_hierarchy", "flat_hierarchy/flat_hierarchy.kicad_pcb"},
        TDemoBoard{"interf_u", "interf_u/interf_u.kicad_pcb"},
        TDemoBoard{"kit_dev_coldfire_xilinx_5213",
                   "kit-dev-coldfire-xilinx_5213/kit-dev-coldfire-xilinx_5213.kicad_pcb"},
        TDemoBoard{"pic_programmer", "pic_programmer/pic_programmer.kicad_pcb"},
        TDemoBoard{"sonde_xilinx", "sonde xilinx/sonde xilinx.kicad_pcb"},
        TDemoBoard{"StickHub", "stickhub/StickHub.kicad_pcb"},
        TDemoBoard{"test_pads_inside_pads",
                   "test_pads_inside_pads/test_pads_inside_pads.kicad_pcb"},
        TDemoBoard{"carte_test", "test_xil_95108/carte_test.kicad_pcb"},
        TDemoBoard{"video", "video/video.kicad_pcb"}),
    [](const auto& info) { return std::string(info.param.name); });

// The KiCad 5 demo board is refused as such, before anything opens.
TEST(KicadBoard, TheKiCad5DemoBoardIsRefusedWithItsLineAndWhy) {
  const std::wstring board = WinePath(DemoPath("microwave/microwave.kicad_pcb"));
  if (!Exists(board)) GTEST_SKIP() << "kicad-demos is not installed";
  THostRun run =
      RunHost({L"--plugin", L"none", L"--board", board, L"--save", UniqueTempPath(L"m.json")});
  bool refused = false;
  for (const std::string& line : run.Lines) {
    refused |= line.find("not opened: ") != std::string::npos &&
               line.find("microwave.kicad_pcb:1: version 20171130 is a KiCad 5 or older board") !=
                   std::string::npos;
  }
  EXPECT_TRUE(refused) << run.Describe();
  EXPECT_TRUE(run.OutputHasPrefix("host: board not saved: no board is open")) << run.Describe();
}

const char* kRotatedBoard =
    "(kicad_pcb (version 20221018) (generator pcbnew)\n"
    "  (layers (0 \"F.Cu\" signal) (31 \"B.Cu\" signal))\n"
    "  (net 0 \"\") (net 1 \"GND\")\n"
    "  (footprint \"Test:Rotated\" (layer \"F.Cu\") (at 50.8 25.4 90)\n"
    "    (property \"Reference\" \"J1\" (at 0 0 90) (layer \"F.SilkS\"))\n"
    "    (pad \"1\" thru_hole oval (at 2.54 1.27 90) (size 1.8 2.6) (drill oval 1.016 2.032) "
    "(layers \"*.Cu\" \"*.Mask\") (net 1 \"GND\"))\n"
    "    (pad \"2\" smd rect (at -1.5 0 90) (size 1 1.5) (layers \"F.Cu\" \"F.Paste\" "
    "\"F.Mask\")))\n"
    "  (via (at 10 -5) (size 0.8) (drill 0.4) (layers \"F.Cu\" \"B.Cu\") (net 1)))\n";

TEST(KicadBoard, AFootprintRotatedBy90DegreesPlacesItsPadsWhereTheFileSays) {
  const std::wstring board = WriteTemp(L"rotated.kicad_pcb", kRotatedBoard);
  const std::wstring saved = UniqueTempPath(L"rotated.json");
  THostRun run = RunHost({L"--plugin", L"none", L"--board", board, L"--save", saved});
  EXPECT_TRUE(run.OutputHasPrefix("host: board saved")) << run.Describe();
  const std::string text = ReadWholeFile(ToAnsi(saved));
  const std::vector<std::string> pads = PrimitiveLines(text, "pad");
  ASSERT_EQ(pads.size(), 2u) << text;
  // Footprint at (50.8, 25.4) turned by 90 degrees (counter-clockwise as seen, KiCad's y pointing
  // down): a pad at (dx, dy) lands at (x + dy, y - dx); the host's y points up.
  auto units = [](double mm) { return std::llround(mm * 10000 / 0.0254); };
  EXPECT_EQ(Field(pads[0], "x"), units(50.8 + 1.27));
  EXPECT_EQ(Field(pads[0], "y"), -units(25.4 - 2.54));
  EXPECT_EQ(Field(pads[1], "x"), units(50.8 + 0));
  EXPECT_EQ(Field(pads[1], "y"), -units(25.4 + 1.5));
  // The slot's hole size is its shorter side, its length kept beside it; a surface pad has no hole.
  EXPECT_EQ(Field(pads[0], "holeSize"), 400000);
  EXPECT_EQ(Field(pads[0], "slotLength"), 800000);
  EXPECT_EQ(Field(pads[0], "layer"), 74);
  EXPECT_NE(pads[0].find("\"rotation\": 90"), std::string::npos) << pads[0];
  EXPECT_EQ(Field(pads[1], "holeSize"), 0);
  EXPECT_EQ(Field(pads[1], "layer"), 1);
  const std::vector<std::string> vias = PrimitiveLines(text, "via");
  ASSERT_EQ(vias.size(), 1u);
  EXPECT_EQ(Field(vias[0], "y"), units(5));
  EXPECT_EQ(Field(vias[0], "holeSize"), units(0.4));
  EXPECT_EQ(Field(vias[0], "size"), units(0.8));
  // Saved in the host kit's format, which opens again to the same board.
  const std::wstring again = UniqueTempPath(L"again.json");
  THostRun reopen = RunHost({L"--plugin", L"none", L"--board", saved, L"--save", again});
  EXPECT_EQ(ReadWholeFile(ToAnsi(again)), text) << reopen.Describe();
  for (const std::wstring& f : {board, saved, again}) DeleteFileW(f.c_str());
}

// One of each drawn item: a track, an arc track over the top of its centre, two arcs that are
// straight (collinear, and so nearly that the centre lies beyond the host), a pour and a keep-out,
// a board text beside a footprint text, and an edge drawn out of order with one line reversed.
const char* kDrawnBoard =
    "(kicad_pcb (version 20221018) (generator pcbnew)\n"
    "  (layers (0 \"F.Cu\" signal) (31 \"B.Cu\" signal) (37 \"F.SilkS\" user) (44 \"Edge.Cuts\" "
    "user))\n"
    "  (net 0 \"\") (net 1 \"GND\")\n"
    "  (footprint \"Test:Part\" (layer \"F.Cu\") (at 20 10)\n"
    "    (fp_text reference \"R1\" (at 0 -2) (layer \"F.SilkS\") (effects (font (size 1 1)))))\n"
    "  (segment (start 10 20) (end 30 20) (width 0.25) (layer \"F.Cu\") (net 1))\n"
    "  (arc (start 40 20) (mid 45 15) (end 50 20) (width 0.5) (layer \"B.Cu\") (net 1))\n"
    "  (arc (start 1 1) (mid 2 2) (end 3 3) (width 0.2) (layer \"F.Cu\"))\n"
    "  (arc (start 0 30) (mid 1 30.000001) (end 2 30) (width 0.2) (layer \"F.Cu\"))\n"
    "  (segment (start 1 1) (end 2 2) (width 0.2) (layer \"Unknown.Layer\"))\n"
    "  (zone (net 1) (net_name \"GND\") (layer \"B.Cu\") (polygon (pts (xy 0 0) (xy 60 0) "
    "(xy 60 40) (xy 0 40))))\n"
    "  (zone (net 0) (net_name \"\") (layers \"F&B.Cu\") (keepout (tracks not_allowed)) "
    "(polygon (pts (xy 50 30) (xy 55 30) (xy 55 35))))\n"
    "  (gr_text \"HELLO\" (at 5 35 90) (layer \"F.SilkS\") (effects (font (size 1.5 1.5))))\n"
    "  (gr_line (start 0 0) (end 60 0) (layer \"Edge.Cuts\") (width 0.1))\n"
    "  (gr_line (start 60 40) (end 0 40) (layer \"Edge.Cuts\") (width 0.1))\n"
    "  (gr_line (start 60 40) (end 60 0) (layer \"Edge.Cuts\") (width 0.1))\n"
    "  (gr_line (start 0 40) (end 0 0) (layer \"Edge.Cuts\") (width 0.1)))\n";

TEST(KicadBoard, TracksArcsZonesTextsAndTheEdgeLandAsTheHostsPrimitives) {
  const std::wstring board = WriteTemp(L"drawn.kicad_pcb", kDrawnBoard);
  const std::wstring saved = UniqueTempPath(L"drawn.json");
  THostRun run = RunHost({L"--plugin", L"none", L"--board", board, L"--save", saved});
  ASSERT_TRUE(run.OutputHasPrefix("host: board saved")) << run.Describe();
  const std::string text = ReadWholeFile(ToAnsi(saved));
  auto units = [](double mm) { return std::llround(mm * 10000 / 0.0254); };
  const std::vector<std::string> nets = PrimitiveLines(text, "net");
  ASSERT_EQ(nets.size(), 1u) << text;
  const long long gnd = Field(nets[0], "handle");

  // The straight arcs are their chords; the track on a layer the host lacks is left out.
  const std::vector<std::string> tracks = PrimitiveLines(text, "track");
  ASSERT_EQ(tracks.size(), 3u) << text;
  EXPECT_EQ(Field(tracks[0], "layer"), 1);
  EXPECT_EQ(Field(tracks[0], "x"), units(10));
  EXPECT_EQ(Field(tracks[0], "y"), -units(20));
  EXPECT_EQ(Field(tracks[0], "x2"), units(30));
  EXPECT_EQ(Field(tracks[0], "width"), units(0.25));
  EXPECT_EQ(Field(tracks[1], "x2"), units(3));
  EXPECT_EQ(Field(tracks[1], "y2"), -units(3));
  EXPECT_EQ(Field(tracks[2], "x"), 0);
  EXPECT_EQ(Field(tracks[2], "x2"), units(2));

  // Through (40, 20), (45, 15), (50, 20) with KiCad's y down: centre (45, 20), radius 5, over
  // the top as seen, which the host runs counter-clockwise from 0 to 180 degrees.
  const std::vector<std::string> arcs = PrimitiveLines(text, "arc");
  ASSERT_EQ(arcs.size(), 1u) << text;
  EXPECT_EQ(Field(arcs[0], "layer"), 32);
  EXPECT_EQ(Field(arcs[0], "x"), units(45));
  EXPECT_EQ(Field(arcs[0], "y"), -units(20));
  EXPECT_EQ(Field(arcs[0], "radius"), units(5));
  EXPECT_EQ(arcs[0].find("\"startAngle\""), std::string::npos) << arcs[0];
  EXPECT_NE(arcs[0].find("\"endAngle\": 180,"), std::string::npos) << arcs[0];
  EXPECT_EQ(Field(arcs[0], "width"), units(0.5));

  const std::vector<std::string> pours = PrimitiveLines(text, "polygon");
  ASSERT_EQ(pours.size(), 1u) << text;
  EXPECT_EQ(Field(pours[0], "layer"), 32);
  EXPECT_EQ(Field(pours[0], "net"), gnd);
  EXPECT_EQ(Field(pours[0], "vertexCount"), 4);
  const std::vector<std::string> regions = PrimitiveLines(text, "region");
  ASSERT_EQ(regions.size(), 1u) << text;
  EXPECT_EQ(Field(regions[0], "layer"), 1);
  EXPECT_EQ(Field(regions[0], "keepout"), 1);
  EXPECT_EQ(Field(regions[0], "net"), 0);
  EXPECT_EQ(Field(regions[0], "vertexCount"), 3);

  const std::vector<std::string> texts = PrimitiveLines(text, "text");
  ASSERT_EQ(texts.size(), 1u) << text;
  EXPECT_EQ(Field(texts[0], "layer"), 33);
  EXPECT_EQ(Field(texts[0], "x"), units(5));
  EXPECT_EQ(Field(texts[0], "y"), -units(35));
  EXPECT_EQ(Field(texts[0], "height"), units(1.5));
  EXPECT_NE(texts[0].find("\"rotation\": 90,"), std::string::npos) << texts[0];
  EXPECT_NE(texts[0].find("\"text\": \"HELLO\""), std::string::npos) << texts[0];

  // The four edge lines chained corner to corner, whatever order and direction they were drawn in.
  const std::vector<std::string> outlines = PrimitiveLines(text, "boardOutline");
  ASSERT_EQ(outlines.size(), 1u) << text;
  EXPECT_EQ(Field(outlines[0], "layer"), 57);
  const std::string w = std::to_string(units(60)), h = std::to_string(-units(40));
  EXPECT_NE(outlines[0].find("\"vertices\": [[0, 0], [" + w + ", 0], [" + w + ", " + h +
                             "], [0, " + h + "]]"),
            std::string::npos)
      << outlines[0];

  // What the host kit saved opens again to the same board.
  const std::wstring again = UniqueTempPath(L"drawn-again.json");
  THostRun reopen = RunHost({L"--plugin", L"none", L"--board", saved, L"--save", again});
  EXPECT_EQ(ReadWholeFile(ToAnsi(again)), text) << reopen.Describe();
  for (const std::wstring& f : {board, saved, again}) DeleteFileW(f.c_str());
}

TEST(KicadBoard, ABoardIsNeverSavedOverAKicadFile) {
  const std::wstring board = WriteTemp(L"keep.kicad_pcb", kRotatedBoard);
  const std::wstring target = UniqueTempPath(L"target.kicad_pcb");
  THostRun run = RunHost({L"--plugin", L"none", L"--board", board, L"--save", target});
  EXPECT_TRUE(run.OutputHasPrefix("host: board not saved: ")) << run.Describe();
  EXPECT_FALSE(Exists(target));
  EXPECT_EQ(ReadWholeFile(ToAnsi(board)), kRotatedBoard);
  DeleteFileW(board.c_str());
}

TEST(KicadBoard, AnEditOfOneSizeOnARealBoardChangesThoseHolesAndNothingElse) {
  const std::wstring board = WinePath(DemoPath("pic_programmer/pic_programmer.kicad_pcb"));
  if (!Exists(board)) GTEST_SKIP() << "kicad-demos is not installed";
  const std::wstring before = UniqueTempPath(L"before.json");
  THostRun plain = RunHost({L"--plugin", L"none", L"--board", board, L"--save", before});
  ASSERT_TRUE(plain.OutputHasPrefix("host: board saved")) << plain.Describe();
  const std::wstring script = WriteTemp(
      L"edit.script",
      "timeout 60\nwait-window \"Hole Size Editor\"\ntimeout 20\n"
      "select @ListBox \"0.7500 mm\"\nexpect-text @Static \"Pads : 9  Vias : 0\"\n"
      "click \"&Edit...\"\nwait-window \"Edit Hole Size\"\nset-text @Edit \"0.7mm\"\nkey enter\n"
      "wait-no-window \"Edit Hole Size\"\nwait-window \"Hole Size Editor\"\n"
      "expect-selected @ListBox \"0.7000 mm\"\nclick OK\nwait-no-window \"Hole Size Editor\"\n");
  const std::wstring after = UniqueTempPath(L"after.json");
  THostRun edit =
      RunHost({L"--board", board, L"--command", L"Run", L"--script", script, L"--save", after});
  EXPECT_TRUE(edit.OutputHas("script: done")) << edit.Describe();
  std::istringstream a(ReadWholeFile(ToAnsi(before))), b(ReadWholeFile(ToAnsi(after)));
  std::string line_a, line_b;
  int changed = 0, lines = 0;
  const long long old_size = std::llround(0.75 * 10000 / 0.0254),
                  new_size = std::llround(0.7 * 10000 / 0.0254);
  while (std::getline(a, line_a)) {
    ASSERT_TRUE(std::getline(b, line_b)) << "the saved board is shorter";
    ++lines;
    if (line_a == line_b) continue;
    ++changed;
    EXPECT_EQ(Field(line_a, "holeSize"), old_size) << line_a;
    EXPECT_EQ(Field(line_b, "holeSize"), new_size) << line_b;
    const std::string from = "\"holeSize\": " + std::to_string(old_size);
    line_a.replace(line_a.find(from), from.size(), "\"holeSize\": " + std::to_string(new_size));
    EXPECT_EQ(line_a, line_b);
  }
  EXPECT_FALSE(std::getline(b, line_b)) << "the saved board is longer";
  EXPECT_EQ(changed, 9);
  EXPECT_GT(lines, 400);
  for (const std::wstring& f : {before, after, script}) DeleteFileW(f.c_str());
}

struct TBadFile {
  const char* name;
  std::string (*make)(const std::string& pic);
  const char* message;  // after "<file>:"
};

std::string Truncated(const std::string& pic) { return pic.substr(0, pic.size() / 2); }
std::string Unbalanced(const std::string& pic) { return pic.substr(0, pic.rfind(')')); }
std::string ExtraParenthesis(const std::string& pic) { return pic + ")\n"; }
std::string KiCad5(const std::string& pic) {
  std::string text = pic;
  const size_t fp = text.find("(footprint ");
  return text.replace(fp, 10, "(module");
}
std::string HugeNumber(const std::string& pic) {
  std::string text = pic;
  const size_t at = text.find("(at 115.57 119.38 90)");
  return text.replace(at, 21, "(at 115.57 99999999 90)");
}
std::string BeyondTheHost(const std::string& pic) {
  std::string text = pic;
  const size_t at = text.find("(at 115.57 119.38 90)");
  return text.replace(at, 21, "(at 6000 119.38 90)");
}
std::string FiftyMegabytes(const std::string& pic) {
  // The board's items over and over, then one stray byte.
  const std::string items =
      pic.substr(pic.find("(footprint "), pic.rfind(')') - pic.find("(footprint "));
  std::string text = pic.substr(0, pic.find("(footprint "));
  while (text.size() < 50u << 20) text += items;
  return text + "\x01)\n";
}
std::string Garbage(const std::string&) {
  std::mt19937 random(17);
  std::string text(1 << 16, '\0');
  for (char& c : text) c = static_cast<char>(random());
  return text;
}

class BadKicadFile : public testing::TestWithParam<TBadFile> {};

TEST_P(BadKicadFile, IsRefusedWithFileLineAndReasonAndNoBoardOpens) {
  const std::wstring pic = WinePath(DemoPath("pic_programmer/pic_programmer.kicad_pcb"));
  if (!Exists(pic)) GTEST_SKIP() << "kicad-demos is not installed";
  const std::string text = GetParam().make(ReadWholeFile(ToAnsi(pic)));
  const std::wstring bad = WriteTemp(L"bad.kicad_pcb", text);
  THostRun run =
      RunHost({L"--plugin", L"none", L"--board", bad, L"--save", UniqueTempPath(L"bad.json")});
  DeleteFileW(bad.c_str());
  std::string reported;
  for (const std::string& line : run.Lines) {
    if (line.find("not opened: ") != std::string::npos) reported = line;
  }
  EXPECT_NE(reported.find(".kicad_pcb:"), std::string::npos) << run.Describe();
  EXPECT_NE(reported.find(GetParam().message), std::string::npos) << reported;
  EXPECT_TRUE(run.OutputHasPrefix("host: board not saved: no board is open")) << run.Describe();
  EXPECT_EQ(run.ExitCode, 0) << run.Describe();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadKicadFile,
    testing::Values(
        TBadFile{"Truncated", Truncated, ": the file ends inside a list"},
        TBadFile{"Unbalanced", Unbalanced, ": the file ends inside a list: 1 \")\" missing"},
        TBadFile{"ExtraParenthesis", ExtraParenthesis, ": a \")\" closes no list"},
        TBadFile{"KiCad5Keyword", KiCad5, ":199: (module …) is how KiCad 5 wrote a footprint"},
        TBadFile{"NumberOutOfRange", HugeNumber,
                 ": footprint (at) y: \"99999999\" mm is out of range"},
        TBadFile{"BeyondTheHostsCoordinates", BeyondTheHost,
                 "footprint lies outside the host's coordinates"},
        TBadFile{"FiftyMegabytes", FiftyMegabytes, "unexpected byte 0x01"},
        TBadFile{"BinaryGarbage", Garbage, "expected \"(kicad_pcb\""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Opens a file through File > Open board, the way a user does.
std::string OpenThroughTheMenu(const std::wstring& file) {
  std::string path;
  for (char c : ToAnsi(file)) path += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return "key alt+f\nkey o\nwait-window \"Open board\"\nset-text @Edit \"" + path +
         "\"\nclick \"&Open\"\nwait-no-window \"Open board\"\n";
}

TEST(KicadBoard, TheFileMenuOpensAKicadBoardAndABadOneLeavesTheOpenBoardAsItWas) {
  const std::wstring pic = WinePath(DemoPath("pic_programmer/pic_programmer.kicad_pcb"));
  if (!Exists(pic)) GTEST_SKIP() << "kicad-demos is not installed";
  const std::wstring first = WriteTemp(L"first.kicad_pcb", kRotatedBoard);
  const std::wstring bad =
      WriteTemp(L"bad.kicad_pcb", "(kicad_pcb (version 20211014)\n(footprint \"x\" (at 1 2)\n");
  const std::wstring alone = UniqueTempPath(L"alone.json");
  RunHost({L"--plugin", L"none", L"--board", first, L"--save", alone});

  const std::wstring kept = UniqueTempPath(L"kept.json");
  const std::wstring script = WriteTemp(
      L"menu.script",
      "timeout 30\nwait-window \"Tavrin Host\"\n" + OpenThroughTheMenu(bad) +
          "wait-window \"Board not opened\"\nclick OK\nwait-no-window \"Board not opened\"\n");
  THostRun refused =
      RunHost({L"--plugin", L"none", L"--board", first, L"--script", script, L"--save", kept});
  EXPECT_TRUE(refused.OutputHas("script: done")) << refused.Describe();
  bool reported = false;
  for (const std::string& line : refused.Lines) {
    reported |= line.find("not opened: ") != std::string::npos &&
                line.find("bad.kicad_pcb:3: the file ends inside a list: 2 \")\" missing") !=
                    std::string::npos;
  }
  EXPECT_TRUE(reported) << refused.Describe();
  EXPECT_EQ(ReadWholeFile(ToAnsi(kept)), ReadWholeFile(ToAnsi(alone)));

  const std::wstring opened = UniqueTempPath(L"opened.json");
  const std::wstring script2 = WriteTemp(
      L"menu2.script", "timeout 30\nwait-window \"Tavrin Host\"\n" + OpenThroughTheMenu(pic));
  THostRun run =
      RunHost({L"--plugin", L"none", L"--board", first, L"--script", script2, L"--save", opened});
  EXPECT_TRUE(run.OutputHas("script: done")) << run.Describe();
  EXPECT_EQ(PrimitiveLines(ReadWholeFile(ToAnsi(opened)), "pad").size(), 247u);
  for (const std::wstring& f : {first, bad, alone, kept, script, opened, script2})
    DeleteFileW(f.c_str());
}

}  // namespace
