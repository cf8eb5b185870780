// The stand-in PCB editor's board files, through the module's own open and save.

#include <gtest/gtest.h>

#include <string>

#include "base/text_convert.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_object.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

using TBoardFileTest = PcbTest;

std::wstring Sample(const char* name) {
  return ToWide(std::string(TAVRIN_SAMPLE_BOARDS) + "/" + name);
}

TEST_F(TBoardFileTest, SampleBoardsSurviveALoadAndASaveByteForByte) {
  for (const char* name : {"small-metric.json", "small-imperial.json", "mixed-kinds.json"}) {
    SCOPED_TRACE(name);
    std::string error;
    ASSERT_TRUE(OpenBoardFile(Sample(name), &error)) << error;
    EXPECT_EQ(SavedBoard(), ReadFileText(Sample(name)));
  }
}

TEST_F(TBoardFileTest, EveryKindOfFieldSurvivesTheRoundTrip) {
  const std::string canonical =
      BoardText({"{\"kind\": \"arc\", \"handle\": 1, \"flags\": 3, \"layer\": 57, \"x\": -5, "
                  "\"y\": 6, \"radius\": 100, "
                  "\"startAngle\": 0.1, \"endAngle\": 359.9}",
                  "{\"kind\": \"pad\", \"handle\": 2, \"layer\": 16842792, \"x\": 1, \"y\": 2, "
                  "\"holeSize\": 3, "
                  "\"f21\": \"P\\u00e9d\", \"rotation\": 1e-300, \"f32\": -9223372036854775808, "
                  "\"stackMode\": 2, "
                  "\"stack\": [[0, 1, 2, 3, 4, 5], [82, 9, -1, 2147483647, 0, 255]]}",
                  "{\"kind\": \"via\", \"handle\": 3, \"layer\": 82, \"x\": 2147483647, \"y\": "
                  "-2147483648, \"holeSize\": 0}",
                  "{\"kind\": \"text\", \"handle\": 4, \"x\": 0, \"y\": 0, \"text\": \"a "
                  "\\\"quoted\\\" \\\\ text\", "
                  "\"fontName\": \"Arial\", \"barWidth\": 9}",
                  "{\"kind\": \"net\", \"handle\": 5, \"name\": \"GND\", \"colour\": 4294967295}",
                  "{\"kind\": \"component\", \"handle\": 6, \"layer\": 1, \"x\": 0, \"y\": 0, "
                  "\"nameText\": 4, "
                  "\"pattern\": \"DIP14\", \"modelName\": \"dip.step\"}",
                  "{\"kind\": \"polygon\", \"handle\": 7, \"net\": 5, \"name\": \"Pour\"}",
                  "{\"kind\": \"region\", \"handle\": 8, \"keepout\": 1}",
                  "{\"kind\": \"track\", \"handle\": 9, \"x\": 0, \"y\": 0, \"x2\": 10, \"y2\": "
                  "20, \"width\": 3}",
                  "{\"kind\": \"fill\", \"handle\": 10, \"x\": 0, \"y\": 0, \"rotation\": 45}"});
  std::string error;
  ASSERT_TRUE(OpenBoardText(canonical, &error)) << error;
  const std::string saved = SavedBoard();
  EXPECT_EQ(saved, canonical);
  ASSERT_TRUE(OpenBoardText(saved, &error)) << error;
  EXPECT_EQ(SavedBoard(), saved);
}

TEST_F(TBoardFileTest, CoordinatesMayBeGivenWithAUnit) {
  std::string error;
  ASSERT_TRUE(OpenBoardText(
      BoardText(
          {"{\"kind\": \"pad\", \"handle\": 1, \"x\": \"1mil\", \"y\": \"-2.54mm\", \"holeSize\": "
           "\"0.8mm\"}",
           "{\"kind\": \"via\", \"handle\": 2, \"x\": 0, \"y\": 0, \"holeSize\": \"31.5mil\"}"}),
      &error))
      << error;
  EXPECT_EQ(GetObjectHoleSize(1), 314961);
  EXPECT_EQ(GetObjectHoleSize(2), 315000);
  const std::string saved = SavedBoard();
  EXPECT_NE(saved.find("\"x\": 10000, \"y\": -1000000, \"holeSize\": 314961"), std::string::npos)
      << saved;
}

struct TBadFile {
  const char* what;
  std::string text;
  std::string error;  // after "<file>:"
};

TEST_F(TBoardFileTest, ABadFileIsRefusedWithFileLineAndFieldAndNothingIsHalfLoaded) {
  const std::string head =
      "{\"format\": \"dralith-board\", \"version\": 1, \"board\": {\"unit\": 0},\n";
  const TBadFile cases[] = {
      {"syntax", head + "\"primitives\": [\n{\"kind\": \"pad\" \"handle\": 1}]}",
       "3: primitives[0]: expected '}'"},
      {"missing field",
       head + "\"primitives\": [\n{\"kind\": \"pad\", \"handle\": 1, \"x\": 0, \"y\": 0}]}",
       "3: primitives[0].holeSize: missing field"},
      {"wrong type",
       head + "\"primitives\": [\n{\"kind\": \"via\", \"handle\": 1, \"x\": 0, \"y\": 0,\n"
              "\"holeSize\": true}]}",
       "4: primitives[0].holeSize: expected an integer"},
      {"duplicate handle",
       head + "\"primitives\": [\n" + ViaJson(5, 1) + ",\n" + PadJson(5, 1) + "]}",
       "4: primitives[1].handle: duplicate handle 5 (first at line 3)"},
      {"out of range", head + "\"primitives\": [\n" + ViaJson(1, 1, ", \"f13\": 256") + "]}",
       "3: primitives[0].f13: value 256 out of range 0..255"},
      {"coordinate out of range",
       head + "\"primitives\": [\n{\"kind\": \"track\", \"handle\": 1, \"x\": 0, \"y\": 0, \"x2\": "
              "\"60000mm\"}]}",
       "3: primitives[0].x2: \"60000mm\" is no coordinate"},
      {"text too long",
       head + "\"primitives\": [\n" + PadJson(1, 1, ", \"f21\": \"123456789012345678901\"") + "]}",
       "3: primitives[0].f21: text longer than 20 characters"},
      {"unknown field", head + "\"primitives\": [\n" + PadJson(1, 1, ", \"hole\": 5") + "]}",
       "3: primitives[0].hole: unknown field"},
      {"unknown kind", head + "\"primitives\": [\n{\"kind\": \"wire\", \"handle\": 1}]}",
       "3: primitives[0].kind: expected one of"},
      {"handle zero", head + "\"primitives\": [\n" + PadJson(0, 1) + "]}",
       "3: primitives[0].handle: value 0 out of range 1..4294967295"},
      {"missing unit", "{\"format\": \"dralith-board\", \"version\": 1,\n\"board\": {}}",
       "2: board.unit: missing field"},
      {"layer out of range", head + "\"layers\": [{\"layer\": 83}]}",
       "2: layers[0].layer: value 83 out of range 1..82"},
      {"link out of range", head + "\"layers\": [{\"layer\": 1, \"nextLayer\": 90}]}",
       "2: layers[0].nextLayer: value 90 out of range 0..82"},
      {"wrong format", "{\"format\": \"other\", \"version\": 1}",
       "1: format: expected \"dralith-board\""},
      {"truncated", head + "\"primitives\": [\n" + PadJson(1, 1),
       "3: primitives[0]: unexpected end of file"},
      {"trailing text", head + "\"layerPairs\": []} x",
       "2: layerPairs: text after the end of the board"},
      {"duplicate section", head + "\"board\": {\"unit\": 1}}", "2: board: field given twice"},
  };
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(9, 4242)})));
  const std::string good = SavedBoard();
  for (const TBadFile& c : cases) {
    SCOPED_TRACE(c.what);
    std::string error;
    EXPECT_FALSE(OpenBoardText(c.text, &error));
    const size_t colon = error.find(".json:");
    ASSERT_NE(colon, std::string::npos) << error;
    EXPECT_EQ(error.substr(colon + 6, c.error.size()), c.error) << error;
    EXPECT_EQ(SavedBoard(), good);
    EXPECT_EQ(GetObjectHoleSize(9), 4242);
  }
}

TEST_F(TBoardFileTest, AMissingFileIsRefused) {
  std::string error;
  EXPECT_FALSE(OpenBoardFile(L"C:\\no\\such\\board.json", &error));
  EXPECT_NE(error.find("cannot be opened"), std::string::npos) << error;
}

}  // namespace
}  // namespace pcbtest
