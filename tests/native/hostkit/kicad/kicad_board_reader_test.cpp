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

std::string Board(const std::string& items, const char* version = "20211014") {
  return std::string("(kicad_pcb (version ") + version + ") (generator pcbnew)\n" + items + ")\n";
}

std::string Footprint(const char* at, const std::string& pads, const char* layer = "F.Cu") {
  return std::string("(footprint \"Lib:Part\" (layer \"") + layer + "\") (at " + at +
         ")\n (fp_text reference \"U1\" (at 0 -2) (layer \"F.SilkS\"))\n" + pads + ")\n";
}

TEST(KicadBoardReader, PadsArePlacedByTheirFootprintsPositionAndRotation) {
  const TKicadBoard board = ReadKicadBoard(Board(Footprint(
      "100 50 90",
      " (pad \"1\" thru_hole rect (at 2.54 0 90) (size 1.6 1.6) (drill 0.8) (layers *.Cu *.Mask))\n"
      " (pad \"2\" thru_hole circle locked (at 0 1.27 90) (size 1.6 1.6) (drill 0.8) (layers "
      "\"*.Cu\" \"*.Mask\"))\n")));
  ASSERT_EQ(board.pads_.size(), 2u);
  // x' = x cos a + y sin a, y' = y cos a - x sin a, with y downwards: at 90 degrees (2.54, 0)
  // goes to (0, -2.54) and (0, 1.27) to (1.27, 0).
  EXPECT_EQ(board.pads_[0].position_, (TKicadPoint{100 * kMm, 50 * kMm - 2540000000}));
  EXPECT_EQ(board.pads_[1].position_, (TKicadPoint{100 * kMm + 1270000000, 50 * kMm}));
  EXPECT_EQ(board.pads_[0].local_, (TKicadPoint{2540000000, 0}));
  EXPECT_EQ(board.pads_[0].rotation_, 90);  // the file's pad angle is already absolute
  EXPECT_EQ(board.pads_[0].footprint_, 0);
  ASSERT_EQ(board.footprints_.size(), 1u);
  EXPECT_EQ(board.footprints_[0].reference_, "U1");
  EXPECT_EQ(board.footprints_[0].rotation_, 90);
}

TEST(KicadBoardReader, EveryRightAngleIsExactAndOtherAnglesRoundToThePicometre) {
  const std::pair<const char*, TKicadPoint> cases[] = {
      {"0", {3 * kMm, 1 * kMm}},    {"90", {1 * kMm, -3 * kMm}},  {"180", {-3 * kMm, -1 * kMm}},
      {"270", {-1 * kMm, 3 * kMm}}, {"-90", {-1 * kMm, 3 * kMm}}, {"450", {1 * kMm, -3 * kMm}}};
  for (const auto& [angle, expected] : cases) {
    const TKicadBoard board = ReadKicadBoard(
        Board(Footprint((std::string("0 0 ") + angle).c_str(),
                        " (pad \"1\" smd rect (at 3 1) (size 1 1) (layers F.Cu))\n")));
    EXPECT_EQ(board.pads_[0].position_, expected) << angle;
  }
  const TKicadBoard board = ReadKicadBoard(
      Board(Footprint("10 20 30", " (pad \"1\" smd rect (at 3 1) (size 1 1) (layers F.Cu))\n")));
  const double a = 30 * 3.14159265358979323846 / 180;
  EXPECT_EQ(board.pads_[0].position_.x_,
            10 * kMm + std::llround((3 * std::cos(a) + std::sin(a)) * kMm));
  EXPECT_EQ(board.pads_[0].position_.y_,
            20 * kMm + std::llround((std::cos(a) - 3 * std::sin(a)) * kMm));
}

TEST(KicadBoardReader, DrillsOfEveryFormAreKept) {
  const TKicadBoard board = ReadKicadBoard(Board(Footprint(
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
  ASSERT_EQ(board.pads_.size(), 6u);
  const TKicadPad& slot = board.pads_[0];
  EXPECT_TRUE(slot.has_drill_ && slot.oval_drill_);
  EXPECT_EQ(slot.drill_x_, 1020000000);
  EXPECT_EQ(slot.drill_y_, 2030000000);
  EXPECT_EQ(board.pads_[1].drill_x_, 2540000000);
  EXPECT_EQ(board.pads_[1].drill_y_, 1016000000);
  EXPECT_FALSE(board.pads_[2].oval_drill_);
  EXPECT_EQ(board.pads_[2].drill_x_, 750000000);
  EXPECT_EQ(board.pads_[2].drill_y_, 750000000);
  EXPECT_EQ(board.pads_[3].type_, TKicadPadType::eNonPlated);
  EXPECT_EQ(board.pads_[3].number_, "");
  const TKicadPad& smd = board.pads_[4];
  EXPECT_EQ(smd.type_, TKicadPadType::eSmd);
  EXPECT_FALSE(smd.has_drill_);
  EXPECT_EQ(smd.shape_, TKicadPadShape::eRoundRect);
  EXPECT_EQ(smd.roundrect_ratio_, 0.25);
  EXPECT_EQ(smd.net_, 3);
  EXPECT_TRUE(smd.OnLayer("F.Cu"));
  EXPECT_FALSE(smd.OnLayer("B.Cu"));
  EXPECT_EQ(board.pads_[5].type_, TKicadPadType::eConnector);
  EXPECT_EQ(board.pads_[5].anchor_, TKicadPadShape::eRect);
  EXPECT_TRUE(board.pads_[3].OnLayer("In2.Cu"));
  EXPECT_TRUE(board.pads_[3].OnLayer("B.Mask"));
  EXPECT_FALSE(board.pads_[3].OnLayer("F.Paste"));
}

TEST(KicadBoardReader, ViasNetsTracksZonesDrawingsAndTextsAreRead) {
  const TKicadBoard board = ReadKicadBoard(
      Board("(layers (0 \"F.Cu\" signal) (1 \"In1.Cu\" power) (31 \"B.Cu\" signal) (44 "
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
  ASSERT_EQ(board.layers_.size(), 4u);
  EXPECT_EQ(board.layers_[2].ordinal_, 31);
  EXPECT_EQ(board.layers_[1].type_, "power");
  ASSERT_EQ(board.nets_.size(), 3u);
  EXPECT_EQ(board.nets_[2].name_, "/a b");
  ASSERT_EQ(board.vias_.size(), 2u);
  EXPECT_EQ(board.vias_[0].position_, (TKicadPoint{1 * kMm, 2 * kMm}));
  EXPECT_EQ(board.vias_[0].size_, 800000000);
  EXPECT_EQ(board.vias_[0].drill_, 400000000);
  EXPECT_EQ(board.vias_[1].type_, TKicadViaType::eBlind);
  EXPECT_EQ(board.vias_[1].bottom_layer_, "In1.Cu");
  EXPECT_EQ(board.vias_[1].line_, 5);
  ASSERT_EQ(board.tracks_.size(), 2u);
  EXPECT_TRUE(board.tracks_[1].arc_);
  EXPECT_EQ(board.tracks_[1].mid_, (TKicadPoint{1 * kMm, 1 * kMm}));
  ASSERT_EQ(board.zones_.size(), 1u);
  EXPECT_EQ(board.zones_[0].layers_, (std::vector<std::string>{"F.Cu", "B.Cu"}));
  ASSERT_EQ(board.zones_[0].outlines_.size(), 1u);
  EXPECT_EQ(board.zones_[0].outlines_[0].size(), 3u);
  EXPECT_EQ(board.zones_[0].filled_polygons_, 1u);
  ASSERT_EQ(board.drawings_.size(), 2u);
  EXPECT_EQ(board.drawings_[1].kind_, "arc");
  EXPECT_EQ(board.drawings_[1].width_, 150000000);
  ASSERT_EQ(board.texts_.size(), 1u);
  EXPECT_EQ(board.texts_[0].text_, "Hello");
  EXPECT_EQ(board.texts_[0].rotation_, 90);
  EXPECT_EQ(board.texts_[0].height_, 1500000000);
}

TEST(KicadBoardReader, KiCad7And8SpellingsAreRead) {
  const TKicadBoard board = ReadKicadBoard(Board(
      "(footprint \"R_0603\" (layer \"B.Cu\") (uuid \"x\") (at 10 10 180)\n"
      " (property \"Reference\" \"R7\" (at 0 0 0) (layer \"B.SilkS\"))\n"
      " (fp_line (start -1 0) (end 1 0) (stroke (width 0.12) (type solid)) (layer \"B.SilkS\"))\n"
      " (pad \"1\" smd roundrect (at -0.8 0 180) (size 0.8 0.9) (layers \"B.Cu\" \"B.Paste\" "
      "\"B.Mask\") (roundrect_rratio 0.25)))\n",
      "20240108"));
  ASSERT_EQ(board.pads_.size(), 1u);
  EXPECT_EQ(board.footprints_[0].reference_, "R7");
  EXPECT_EQ(board.pads_[0].position_, (TKicadPoint{10800000000, 10 * kMm}));
  ASSERT_EQ(board.drawings_.size(), 1u);
  EXPECT_EQ(board.drawings_[0].points_[0], (TKicadPoint{11 * kMm, 10 * kMm}));
  EXPECT_TRUE(board.drawings_[0].in_footprint_);
}

struct BadBoard {
  const char* name;
  std::string text;
  int line;
  const char* message;
};

class KicadBoardReaderRefuses : public testing::TestWithParam<BadBoard> {};

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
        BadBoard{"KiCad5",
                 "(kicad_pcb (version 20171130) (host pcbnew \"5.1\")\n(module R (layer F.Cu)))", 1,
                 "version 20171130 is a KiCad 5 or older board"},
        BadBoard{"KiCad5Module", "(kicad_pcb (version 20211014)\n(module R (layer F.Cu)))", 2,
                 "(module …) is how KiCad 5 wrote a footprint"},
        BadBoard{"Newer", "(kicad_pcb (version 20250101))", 1, "newer than 8"},
        BadBoard{"NoVersion", "(kicad_pcb (net 0 \"\"))", 1, "no (version …)"},
        BadBoard{"EmptyBoard", "(kicad_pcb)", 1, "no (version …)"},
        BadBoard{"NotAList", "(kicad_pcb (version 20211014)\n 42)", 2, "expected a list"},
        BadBoard{
            "NoDrill",
            Board(Footprint("0 0",
                            "(pad \"1\" thru_hole circle (at 0 0) (size 1 1)\n (layers *.Cu))")),
            4, "pad \"1\" of U1: a through-hole pad without (drill …)"},
        BadBoard{
            "HugeCoordinate",
            Board(Footprint("0 0",
                            "\n(pad \"1\" smd rect (at 123456789 0) (size 1 1) (layers F.Cu))")),
            5, "\"123456789\" mm is out of range"},
        BadBoard{"HugeDrill", Board("(via (at 0 0) (size 1) (drill 1e9) (layers F.Cu B.Cu))"), 2,
                 "via drill: expected a number, found \"1e9\""},
        BadBoard{"QuotedNumber", Board("(via (at \"1\" 0) (size 1) (drill 0.4))"), 2,
                 "expected a number, found \"1\""},
        BadBoard{
            "NegativeDrill",
            Board(Footprint(
                "0 0",
                "(pad \"1\" thru_hole circle (at 0 0) (size 1 1) (drill -0.5) (layers *.Cu))")),
            4, "negative"},
        BadBoard{
            "UnknownPadType",
            Board(Footprint("0 0", "(pad \"1\" blind circle (at 0 0) (size 1 1) (layers *.Cu))")),
            4, "unknown pad type \"blind\""},
        BadBoard{"MissingAt",
                 Board(Footprint("0 0", "(pad \"1\" smd rect (size 1 1) (layers F.Cu))")), 4,
                 "(at …) missing"},
        BadBoard{"MissingSizeValue",
                 Board(Footprint("0 0", "(pad \"1\" smd rect (at 0 0) (size 1) (layers F.Cu))")), 4,
                 "size missing"},
        BadBoard{"BadAngle", Board(Footprint("0 0 ninety", kThruPad)), 2, "expected an angle"},
        BadBoard{"HugeAngle", Board(Footprint("0 0 1e400", kThruPad)), 2, "expected an angle"},
        BadBoard{"NetOutOfRange", Board("(net 99999999999 \"x\")"), 2, "out of range"},
        BadBoard{"ViaWithoutDrill", Board("(via (at 0 0) (size 1))"), 2, "via: (drill …) missing"},
        BadBoard{"Truncated", Board(Footprint("0 0", kThruPad)).substr(0, 60), 2,
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
      EXPECT_FALSE(board.pads_.empty()) << entry.path();
    } catch (const EKicadFormat& e) {
      EXPECT_NE(std::string(e.what()).find("KiCad 5"), std::string::npos)
          << entry.path() << ": " << e.what();
    }
  }
  EXPECT_GE(boards, 10);
}

}  // namespace
