// The KiCad board reader: what it takes from a board (pads placed by their footprints, drills,
// vias, nets, tracks, zones, drawings, texts) and what it refuses, with the line.

#include "kicad_board_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int64_t kMm = 1000000000;  // picometres

std::string BoardText(const std::string& items, const char* version = "20211014") {
  return std::string("(kicad_pcb (version ") + version + ") (generator pcbnew)\n" + items + ")\n";
}

std::string Footprint(const char* at, const std::string& pads, const char* layer = "F.Cu") {
  return std::string("(footprint \"Lib:Part\" (layer \"") + layer + "\") (at " + at +
         ")\n (fp_text reference \"U1\" (at 0 -2) (layer \"F.SilkS\"))\n" + pads + ")\n";
}

TEST(KicadBoardReader, PadsArePlacedByTheirFootprintsPositionAndRotation) {
  const TKicadBoard board = ReadKicadBoard(BoardText(Footprint(
      "100 50 90",
      " (pad \"1\" thru_hole rect (at 2.54 0 90) (size 1.6 1.6) (drill 0.8) (layers *.Cu *.Mask))\n"
      " (pad \"2\" thru_hole circle locked (at 0 1.27 90) (size 1.6 1.6) (drill 0.8) (layers "
      "\"*.Cu\" \"*.Mask\"))\n")));
  ASSERT_EQ(board.pads.size(), 2u);
  // x' = x cos a + y sin a, y' = y cos a - x sin a, with y downwards: at 90 degrees (2.54, 0)
  // goes to (0, -2.54) and (0, 1.27) to (1.27, 0).
  EXPECT_EQ(board.pads[0].position, (TKicadPoint{100 * kMm, 50 * kMm - 2540000000}));
  EXPECT_EQ(board.pads[1].position, (TKicadPoint{100 * kMm + 1270000000, 50 * kMm}));
  EXPECT_EQ(board.pads[0].local, (TKicadPoint{2540000000, 0}));
  EXPECT_EQ(board.pads[0].rotation, 90);  // the file's pad angle is already absolute
  EXPECT_EQ(board.pads[0].footprint, 0);
  ASSERT_EQ(board.footprints.size(), 1u);
  EXPECT_EQ(board.footprints[0].reference, "U1");
  EXPECT_EQ(board.footprints[0].rotation, 90);
}

TEST(KicadBoardReader, EveryRightAngleIsExactAndOtherAnglesRoundToThePicometre) {
  const std::pair<const char*, TKicadPoint> cases[] = {
      {"0", {3 * kMm, 1 * kMm}},    {"90", {1 * kMm, -3 * kMm}},  {"180", {-3 * kMm, -1 * kMm}},
      {"270", {-1 * kMm, 3 * kMm}}, {"-90", {-1 * kMm, 3 * kMm}}, {"450", {1 * kMm, -3 * kMm}}};
  for (const auto& [angle, expected] : cases) {
    const TKicadBoard board = ReadKicadBoard(
        BoardText(Footprint((std::string("0 0 ") + angle).c_str(),
                        " (pad \"1\" smd rect (at 3 1) (size 1 1) (layers F.Cu))\n")));
    EXPECT_EQ(board.pads[0].position, expected) << angle;
  }
  const TKicadBoard board = ReadKicadBoard(
      BoardText(Footprint("10 20 30", " (pad \"1\" smd rect (at 3 1) (size 1 1) (layers F.Cu))\n")));
  const double a = 30 * 3.14159265358979323846 / 180;
  EXPECT_EQ(board.pads[0].position.x,
            10 * kMm + std::llround((3 * std::cos(a) + std::sin(a)) * kMm));
  EXPECT_EQ(board.pads[0].position.y,
            20 * kMm + std::llround((std::cos(a) - 3 * std::sin(a)) * kMm));
}

TEST(KicadBoardReader, DrillsOfEveryFormAreKept) {
  const TKicadBoard board = ReadKicadBoard(BoardText(Footprint(
      "0 0",
      " (pad \"1\" thru_hole oval (at 0 0) (size 2 3) (drill oval 1.02 2.03) (layers *.Cu))\n"
      " (pad \"2\" thru_hole oval (at 0 0) (size 3 2) (drill oval 2.54 1.016) (layers *.Cu))\n"
      " (pad \"3\" thru_hole circle (at 0 0) (size 2 2) (drill 0.75 (offset 0 0.4)) (layers "
      "*.Cu))\n"
      " (pad \"\" np_thru_hole circle (at 0 0) (size 3.2 3.2) (drill 3.2) (layers *.Cu *.Mask))\n"
      " (pad \"5\" smd roundrect (at 0 0) (size 1 2) (drill (offset 0.1 0)) (layers F.Cu F.Paste "
      "F.Mask) (roundrect_rratio 0.25) (net 3 \"GND\"))\n"
      " (pad \"6\" connect custom (at 0 0) (size 1 1) (layers B.Cu B.Mask) (options (clearance "
      "outline) (anchor rect)))\n")));
  ASSERT_EQ(board.pads.size(), 6u);
  const TKicadPad& slot = board.pads[0];
  EXPECT_TRUE(slot.has_drill && slot.oval_drill);
  EXPECT_EQ(slot.drill_x, 1020000000);
  EXPECT_EQ(slot.drill_y, 2030000000);
  EXPECT_EQ(board.pads[1].drill_x, 2540000000);
  EXPECT_EQ(board.pads[1].drill_y, 1016000000);
  EXPECT_FALSE(board.pads[2].oval_drill);
  EXPECT_EQ(board.pads[2].drill_x, 750000000);
  EXPECT_EQ(board.pads[2].drill_y, 750000000);
  EXPECT_EQ(board.pads[3].type, TKicadPadType::eNonPlated);
  EXPECT_EQ(board.pads[3].number, "");
  const TKicadPad& smd = board.pads[4];
  EXPECT_EQ(smd.type, TKicadPadType::eSmd);
  EXPECT_FALSE(smd.has_drill);
  EXPECT_EQ(smd.shape, TKicadPadShape::eRoundRect);
  EXPECT_EQ(smd.roundrect_ratio, 0.25);
  EXPECT_EQ(smd.net, 3);
  EXPECT_TRUE(smd.OnLayer("F.Cu"));
  EXPECT_FALSE(smd.OnLayer("B.Cu"));
  EXPECT_EQ(board.pads[5].type, TKicadPadType::eConnector);
  EXPECT_EQ(board.pads[5].anchor, TKicadPadShape::eRect);
  EXPECT_TRUE(board.pads[3].OnLayer("In2.Cu"));
  EXPECT_TRUE(board.pads[3].OnLayer("B.Mask"));
  EXPECT_FALSE(board.pads[3].OnLayer("F.Paste"));
}

TEST(KicadBoardReader, ViasNetsTracksZonesDrawingsAndTextsAreRead) {
  const TKicadBoard board = ReadKicadBoard(
      BoardText("(layers (0 \"F.Cu\" signal) (1 \"In1.Cu\" power) (31 \"B.Cu\" signal) (44 "
            "\"Edge.Cuts\" user))\n"
            "(net 0 \"\") (net 1 \"GND\") (net 2 \"/a b\")\n"
            "(via (at 1 2) (size 0.8) (drill 0.4) (layers \"F.Cu\" \"B.Cu\") (net 1))\n"
            "(via blind locked (at -1 -2) (size 0.6) (drill 0.3) (layers F.Cu In1.Cu) (net 2))\n"
            "(segment (start 0 0) (end 10 0) (width 0.25) (layer \"F.Cu\") (net 1))\n"
            "(arc (start 0 0) (mid 1 1) (end 2 0) (width 0.2) (layer B.Cu) (net 2))\n"
            "(zone (net 1) (net_name \"GND\") (layers F.Cu B.Cu) (polygon (pts (xy 0 0) (xy 10 0) "
            "(xy 10 10)))\n"
            "  (filled_polygon (layer F.Cu) (pts (xy 1 1) (xy 9 1) (xy 9 9))))\n"
            "(gr_line (start 0 0) (end 50 0) (layer \"Edge.Cuts\") (width 0.1))\n"
            "(gr_arc (start 0 0) (mid 1 1) (end 2 0) (stroke (width 0.15) (type solid)) (layer "
            "Edge.Cuts))\n"
            "(gr_text \"Hello\" (at 5 6 90) (layer \"F.SilkS\") (effects (font (size 1.5 1.2) "
            "(thickness 0.3))))\n"
            "(dimension (type aligned) (layer Dwgs.User) (pts (xy 0 0) (xy 1 1)))\n"
            "(setup (stackup (layer \"F.SilkS\" (type \"Top Silk Screen\"))))\n"));
  ASSERT_EQ(board.layers.size(), 4u);
  EXPECT_EQ(board.layers[2].ordinal, 31);
  EXPECT_EQ(board.layers[1].type, "power");
  ASSERT_EQ(board.nets.size(), 3u);
  EXPECT_EQ(board.nets[2].name, "/a b");
  ASSERT_EQ(board.vias.size(), 2u);
  EXPECT_EQ(board.vias[0].position, (TKicadPoint{1 * kMm, 2 * kMm}));
  EXPECT_EQ(board.vias[0].size, 800000000);
  EXPECT_EQ(board.vias[0].drill, 400000000);
  EXPECT_EQ(board.vias[1].type, TKicadViaType::eBlind);
  EXPECT_EQ(board.vias[1].bottom_layer, "In1.Cu");
  EXPECT_EQ(board.vias[1].line, 5);
  ASSERT_EQ(board.tracks.size(), 2u);
  EXPECT_TRUE(board.tracks[1].arc);
  EXPECT_EQ(board.tracks[1].mid, (TKicadPoint{1 * kMm, 1 * kMm}));
  ASSERT_EQ(board.zones.size(), 1u);
  EXPECT_EQ(board.zones[0].layers, (std::vector<std::string>{"F.Cu", "B.Cu"}));
  ASSERT_EQ(board.zones[0].outlines.size(), 1u);
  EXPECT_EQ(board.zones[0].outlines[0].size(), 3u);
  EXPECT_EQ(board.zones[0].filled_polygons, 1u);
  ASSERT_EQ(board.drawings.size(), 2u);
  EXPECT_EQ(board.drawings[1].kind, "arc");
  EXPECT_EQ(board.drawings[1].width, 150000000);
  ASSERT_EQ(board.texts.size(), 1u);
  EXPECT_EQ(board.texts[0].text, "Hello");
  EXPECT_EQ(board.texts[0].rotation, 90);
  EXPECT_EQ(board.texts[0].height, 1500000000);
}

TEST(KicadBoardReader, KiCad7And8SpellingsAreRead) {
  const TKicadBoard board = ReadKicadBoard(BoardText(
      "(footprint \"R_0603\" (layer \"B.Cu\") (uuid \"x\") (at 10 10 180)\n"
      " (property \"Reference\" \"R7\" (at 0 0 0) (layer \"B.SilkS\"))\n"
      " (fp_line (start -1 0) (end 1 0) (stroke (width 0.12) (type solid)) (layer \"B.SilkS\"))\n"
      " (pad \"1\" smd roundrect (at -0.8 0 180) (size 0.8 0.9) (layers \"B.Cu\" \"B.Paste\" "
      "\"B.Mask\") (roundrect_rratio 0.25)))\n",
      "20240108"));
  ASSERT_EQ(board.pads.size(), 1u);
  EXPECT_EQ(board.footprints[0].reference, "R7");
  EXPECT_EQ(board.pads[0].position, (TKicadPoint{10800000000, 10 * kMm}));
  ASSERT_EQ(board.drawings.size(), 1u);
  EXPECT_EQ(board.drawings[0].points[0], (TKicadPoint{11 * kMm, 10 * kMm}));
  EXPECT_TRUE(board.drawings[0].in_footprint);
}

struct TBadBoard {
  const char* name;
  std::string text;
  int line;
  const char* message;
};

class KicadBoardReaderRefuses : public testing::TestWithParam<TBadBoard> {};

TEST_P(KicadBoardReaderRefuses, WithTheLineAndWhatWasWrong) {
  try {
    ReadKicadBoard(GetParam().text);
    ADD_FAILURE() << "read";
  } catch (const EKicadFormat& e) {
    EXPECT_EQ(e.Line(), GetParam().line) << e.what();
    EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
  }
}

const char* kThruPad = "(pad \"1\" thru_hole circle (at 0 0) (size 1 1) (drill 0.5) (layers *.Cu))";

INSTANTIATE_TEST_SUITE_P(
    Boards, KicadBoardReaderRefuses,
    testing::Values(
        TBadBoard{"KiCad5",
                 "(kicad_pcb (version 20171130) (host pcbnew \"5.1\")\n(module R (layer F.Cu)))", 1,
                 "version 20171130 is a KiCad 5 or older board"},
        TBadBoard{"KiCad5Module", "(kicad_pcb (version 20211014)\n(module R (layer F.Cu)))", 2,
                 "(module …) is how KiCad 5 wrote a footprint"},
        TBadBoard{"Newer", "(kicad_pcb (version 20250101))", 1, "newer than 8"},
        TBadBoard{"NoVersion", "(kicad_pcb (net 0 \"\"))", 1, "no (version …)"},
        TBadBoard{"EmptyBoard", "(kicad_pcb)", 1, "no (version …)"},
        TBadBoard{"NotAList", "(kicad_pcb (version 20211014)\n 42)", 2, "expected a list"},
        TBadBoard{
            "NoDrill",
            BoardText(Footprint("0 0",
                            "(pad \"1\" thru_hole circle (at 0 0) (size 1 1)\n (layers *.Cu))")),
            4, "pad \"1\" of U1: a through-hole pad without (drill …)"},
        TBadBoard{
            "HugeCoordinate",
            BoardText(Footprint("0 0",
                            "\n(pad \"1\" smd rect (at 123456789 0) (size 1 1) (layers F.Cu))")),
            5, "\"123456789\" mm is out of range"},
        TBadBoard{"HugeDrill", BoardText("(via (at 0 0) (size 1) (drill 1e9) (layers F.Cu B.Cu))"), 2,
                 "via drill: expected a number, found \"1e9\""},
        TBadBoard{"QuotedNumber", BoardText("(via (at \"1\" 0) (size 1) (drill 0.4))"), 2,
                 "expected a number, found \"1\""},
        TBadBoard{
            "NegativeDrill",
            BoardText(Footprint(
                "0 0",
                "(pad \"1\" thru_hole circle (at 0 0) (size 1 1) (drill -0.5) (layers *.Cu))")),
            4, "negative"},
        TBadBoard{
            "UnknownPadType",
            BoardText(Footprint("0 0", "(pad \"1\" blind circle (at 0 0) (size 1 1) (layers *.Cu))")),
            4, "unknown pad type \"blind\""},
        TBadBoard{"MissingAt",
                 BoardText(Footprint("0 0", "(pad \"1\" smd rect (size 1 1) (layers F.Cu))")), 4,
                 "(at …) missing"},
        TBadBoard{"MissingSizeValue",
                 BoardText(Footprint("0 0", "(pad \"1\" smd rect (at 0 0) (size 1) (layers F.Cu))")), 4,
                 "size missing"},
        TBadBoard{"BadAngle", BoardText(Footprint("0 0 ninety", kThruPad)), 2, "expected an angle"},
        TBadBoard{"HugeAngle", BoardText(Footprint("0 0 1e400", kThruPad)), 2, "expected an angle"},
        TBadBoard{"NetOutOfRange", BoardText("(net 99999999999 \"x\")"), 2, "out of range"},
        TBadBoard{"ViaWithoutDrill", BoardText("(via (at 0 0) (size 1))"), 2, "via: (drill …) missing"},
        TBadBoard{"Truncated", BoardText(Footprint("0 0", kThruPad)).substr(0, 60), 2,
                 "the file ends inside a list"}),
    [](const auto& info) { return std::string(info.param.name); });

// Debian's kicad-demos, when installed: every KiCad 6 board reads, the KiCad 5 one is refused.
TEST(KicadBoardReader, EveryDemoBoardReadsOrIsRefusedAsKiCad5) {
  const std::filesystem::path demos = "/usr/share/kicad/demos";
  if (!std::filesystem::exists(demos)) GTEST_SKIP() << "kicad-demos is not installed";
  int boards = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(demos)) {
    if (entry.path().extension() != ".kicad_pcb") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    ++boards;
    try {
      const TKicadBoard board = ReadKicadBoard(text.str());
      EXPECT_FALSE(board.pads.empty()) << entry.path();
    } catch (const EKicadFormat& e) {
      EXPECT_NE(std::string(e.what()).find("KiCad 5"), std::string::npos)
          << entry.path() << ": " << e.what();
    }
  }
  EXPECT_GE(boards, 10);
}

}  // namespace
