#include "control/model/fret_prop_values.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "fake_mode_platform.h"
#include "tests/host/control/fake_fretboard_settings.h"

namespace scalewright {
namespace {

using Calls = std::vector<std::string>;

// Settings seen through no interface: the page's code takes them as they
// are. Gathering is checked by the reads in |calls|.
using test::CFakeSettings;

const CFakeModePlatform& Platform() {
  static CFakeModePlatform platform;
  return platform;
}

bool EqualNoCase(std::string_view a, std::string_view b) { return Platform().EqualNoCase(a, b); }

SGatheredSettings Gather(std::vector<CFakeSettings<>*> objects) {
  return GatherSettings(std::span<CFakeSettings<>* const>(objects), &EqualNoCase);
}

void Write(const SFretPropValues& values, const std::string& mode,
           std::vector<CFakeSettings<>*> objects) {
  WriteSettings(values, mode, std::span<CFakeSettings<>* const>(objects));
}

std::array<int, 12> Notes(std::initializer_list<int> checked) {
  std::array<int, 12> notes{};
  for (int pitch : checked) notes[pitch] = kChecked;
  return notes;
}

TEST(GatherSettings, ReadsInThePagesOrder) {
  CFakeSettings<> control;
  Gather({&control});
  Calls want = {"GetTonality", "GetMode",     "GetShowSteps",  "GetHighlight", "GetFirstFret",
                "GetLastFret", "GetSideDots", "GetRectangles", "GetTuning",    "GetLabelKind"};
  for (int p = 0; p < 12; ++p) want.push_back("GetNoteShown(" + std::to_string(p) + ")");
  EXPECT_EQ(want, control.calls);
}

TEST(GatherSettings, NoObjectsGiveTheBlankPage) {
  const SGatheredSettings got = Gather({nullptr});
  SFretPropValues want;
  want.tonalityIndex = 0;  // the blank entry
  EXPECT_EQ(want, got.values);
  EXPECT_EQ(24, got.values.lastFret);
  EXPECT_EQ("", got.modeName);
}

TEST(GatherSettings, DifferingValuesBecomeMixed) {
  CFakeSettings<> a, b;
  b.tonality = 9;
  b.mode = "ionian";  // names compare with case
  b.showSteps = "1";
  b.highlight = "1,3";
  b.firstFret = 3;
  b.lastFret = 12;
  b.sideDots = false;
  b.rectangles = true;
  b.tuning = "D A D G B E";
  b.labelKind = 1;
  b.notes[0] = false;
  b.notes[1] = true;
  const SFretPropValues got = Gather({&a, &b}).values;
  EXPECT_EQ(0, got.tonalityIndex);
  EXPECT_EQ("", got.showSteps);
  EXPECT_EQ("", got.highlight);
  EXPECT_EQ(-1, got.firstFret);
  EXPECT_EQ(-1, got.lastFret);
  EXPECT_EQ(kIndeterminate, got.sideDots);
  EXPECT_EQ(kIndeterminate, got.rectangles);
  EXPECT_EQ("", got.tuning);
  EXPECT_EQ(kLabelNone, got.labelKind);
  EXPECT_EQ(kIndeterminate, got.notes[0]);
  EXPECT_EQ(kIndeterminate, got.notes[1]);
  EXPECT_EQ(kChecked, got.notes[2]);
  EXPECT_EQ(kUnchecked, got.notes[3]);
  EXPECT_EQ("", Gather({&a, &b}).modeName);
}

TEST(GatherSettings, TuningsCompareWithoutCaseAndEqualValuesStay) {
  CFakeSettings<> a, b, c;
  b.tuning = "e b g d a e";
  const SGatheredSettings got = Gather({&a, &b, &c});
  EXPECT_EQ("E B G D A E", got.values.tuning);
  EXPECT_EQ("Ionian", got.modeName);
  EXPECT_EQ(1, got.values.tonalityIndex);
  EXPECT_EQ(Notes({0, 2, 4, 5, 7, 9, 11}), got.values.notes);
}

TEST(GatherSettings, AMixedBoxStaysIndeterminateWhateverFollows) {
  CFakeSettings<> a, b, c;
  b.sideDots = false;
  c.sideDots = true;
  EXPECT_EQ(kIndeterminate, Gather({&a, &b, &c}).values.sideDots);
}

SFretPropValues EveryValueSet() {
  SFretPropValues v;
  v.tonalityIndex = 10;
  v.modeIndex = 6;
  v.notes = Notes({9, 0, 4});
  v.highlight = "1,3";
  v.showSteps = "1,3,5";
  v.labelKind = 5;
  v.firstFret = 2;
  v.lastFret = 12;
  v.sideDots = kUnchecked;
  v.rectangles = kChecked;
  v.tuning = "G D A E";
  return v;
}

TEST(WriteSettings, WritesEverySettingInOrder) {
  CFakeSettings<> control;
  Write(EveryValueSet(), "Aeolian", {&control});
  Calls want = {"SetTonality(9)",   "SetMode(Aeolian)",  "SetHighlight(1,3)", "SetShowSteps(1,3,5)",
                "SetLastFret(12)",  "SetFirstFret(2)",   "SetLabelKind(5)",   "SetSideDots(0)",
                "SetRectangles(1)", "SetTuning(G D A E)"};
  const std::array<int, 12> shown = Notes({9, 0, 4});
  for (int p = 0; p < 12; ++p) {
    want.push_back("SetNoteShown(" + std::to_string(p) + "," +
                   std::to_string(shown[p] == kChecked) + ")");
  }
  EXPECT_EQ(want, control.calls);
}

TEST(WriteSettings, BlankAndMixedValuesLeaveTheirSettingsAlone) {
  SFretPropValues v;
  v.tonalityIndex = 0;
  v.firstFret = -1;
  v.lastFret = -1;
  v.sideDots = kIndeterminate;
  v.rectangles = kIndeterminate;
  v.notes.fill(kIndeterminate);
  v.notes[4] = kChecked;
  CFakeSettings<> control;
  Write(v, "", {&control});
  EXPECT_EQ((Calls{"SetHighlight()", "SetShowSteps()", "SetNoteShown(4,1)"}), control.calls);
  EXPECT_EQ(0, control.tonality);
  EXPECT_EQ("Ionian", control.mode);
  EXPECT_EQ("E B G D A E", control.tuning);
}

TEST(WriteSettings, NoSelectionIsNoTonality) {
  SFretPropValues v = EveryValueSet();
  v.tonalityIndex = -1;
  CFakeSettings<> control;
  Write(v, "Aeolian", {&control});
  EXPECT_EQ("SetMode(Aeolian)", control.calls.front());
}

TEST(WriteSettings, EveryObjectGetsTheSameCalls) {
  CFakeSettings<> a, b;
  Write(EveryValueSet(), "Dorian", {&a, nullptr, &b});
  EXPECT_EQ(22u, a.calls.size());
  EXPECT_EQ(a.calls, b.calls);
}

SGatheredSettings GatherWithOptions(std::vector<CFakeSettings<>*> objects) {
  SGatheredSettings gathered = Gather(objects);
  GatherOptions(std::span<CFakeSettings<>* const>(objects), gathered);
  return gathered;
}

TEST(GatherOptions, ReadsBothOptionsOfTheObjectsThatHaveThem) {
  CFakeSettings<> control;
  control.leftHanded = true;
  control.spelling = 2;
  control.calls.clear();
  std::vector<CFakeSettings<>*> objects = {&control};
  SGatheredSettings gathered;
  GatherOptions(std::span<CFakeSettings<>* const>(objects), gathered);
  EXPECT_EQ((Calls{"GetLeftHanded", "GetSpelling"}), control.calls);
  EXPECT_TRUE(gathered.hasOptions);
  EXPECT_EQ(kChecked, gathered.values.leftHanded);
  EXPECT_EQ(2, gathered.values.spelling);
}

TEST(GatherOptions, WithoutObjectsTheOptionsAreOff) {
  const SGatheredSettings gathered = GatherWithOptions({nullptr});
  EXPECT_FALSE(gathered.hasOptions);
  EXPECT_EQ(kUnchecked, gathered.values.leftHanded);
  EXPECT_EQ(-1, gathered.values.spelling);
}

TEST(GatherOptions, DifferingOptionsBecomeMixedAndStrangeSpellingsShowNone) {
  CFakeSettings<> a, b, c;
  b.leftHanded = true;
  b.spelling = 1;
  SGatheredSettings gathered = GatherWithOptions({&a, &b, &c});
  EXPECT_EQ(kIndeterminate, gathered.values.leftHanded);
  EXPECT_EQ(-1, gathered.values.spelling);
  // Equal values stay; a value the list does not offer selects nothing.
  a.spelling = c.spelling = 1;
  gathered = GatherWithOptions({&a, &c});
  EXPECT_EQ(kUnchecked, gathered.values.leftHanded);
  EXPECT_EQ(1, gathered.values.spelling);
  a.spelling = 3;
  EXPECT_EQ(-1, GatherWithOptions({&a}).values.spelling);
  a.spelling = -1;
  EXPECT_EQ(-1, GatherWithOptions({&a}).values.spelling);
}

TEST(WriteOptions, WritesBothOrLeavesWhatIsMixed) {
  SFretPropValues v;
  v.leftHanded = kChecked;
  v.spelling = 2;
  CFakeSettings<> a, b;
  std::vector<CFakeSettings<>*> objects = {&a, nullptr, &b};
  WriteOptions(v, std::span<CFakeSettings<>* const>(objects));
  EXPECT_EQ((Calls{"SetLeftHanded(1)", "SetSpelling(2)"}), a.calls);
  EXPECT_EQ(a.calls, b.calls);
  v.leftHanded = kIndeterminate;
  v.spelling = -1;
  CFakeSettings<> untouched;
  objects = {&untouched};
  WriteOptions(v, std::span<CFakeSettings<>* const>(objects));
  EXPECT_TRUE(untouched.calls.empty());
  v.leftHanded = kUnchecked;
  v.spelling = 3;
  WriteOptions(v, std::span<CFakeSettings<>* const>(objects));
  EXPECT_EQ((Calls{"SetLeftHanded(0)"}), untouched.calls);
}

class ModeListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_platform.files[CFakeModePlatform::kPath] =
        "Ionian-2212221\r\nDorian-2122212\r\nPhrygian-1222122\r\nLydian-2221221\r\n"
        "Mixolydian-2212212\r\nAeolian-2122122\r\nLocrian-1221222\r\n";
  }
  CFakeModePlatform m_platform;
};

TEST_F(ModeListTest, AMinorWithAllStepsAndWithATriad) {
  CModeList modes(m_platform);
  SFretPropValues v;
  v.tonalityIndex = 10;  // A
  v.modeIndex = 6;       // Aeolian
  v.notes.fill(kIndeterminate);
  ASSERT_TRUE(RecomputeNotes(v, modes));
  EXPECT_EQ(Notes({9, 11, 0, 2, 4, 5, 7}), v.notes);
  v.showSteps = "1,3,5";
  v.highlight = "7";  // plays no part
  ASSERT_TRUE(RecomputeNotes(v, modes));
  EXPECT_EQ(Notes({9, 0, 4}), v.notes);
}

TEST_F(ModeListTest, BlankOrMissingChoicesKeepTheNotes) {
  CModeList modes(m_platform);
  struct SCase {
    int tonality, mode;
  } cases[] = {{0, 1}, {-1, 1}, {1, 0}, {1, -1}, {1, 8}, {1, 1000}};
  for (const SCase& c : cases) {
    SFretPropValues v;
    v.tonalityIndex = c.tonality;
    v.modeIndex = c.mode;
    v.notes[6] = kChecked;
    const auto before = v.notes;
    EXPECT_FALSE(RecomputeNotes(v, modes)) << c.tonality << "," << c.mode;
    EXPECT_EQ(before, v.notes);
  }
}

TEST_F(ModeListTest, ItemsStartBlankAndSelectTheLastMatchIgnoringCase) {
  m_platform.files[CFakeModePlatform::kPath] =
      "Ionian-2212221\r\nBlues-32232\r\nIONIAN-2212221\r\n";
  CModeList modes(m_platform);
  SModeListItems items = BuildModeListItems(modes, m_platform, "ionian");
  EXPECT_EQ((std::vector<std::string>{"", "Ionian", "Blues", "IONIAN"}), items.names);
  EXPECT_EQ(3, items.selected);
  EXPECT_EQ(-1, BuildModeListItems(modes, m_platform, "Dorian").selected);
  EXPECT_EQ(-1, BuildModeListItems(modes, m_platform, "").selected);
}

TEST_F(ModeListTest, TenThousandModesFillQuickly) {
  std::string file;
  for (int i = 0; i < 10000; ++i) file += "Mode " + std::to_string(i) + "-2212221\r\n";
  m_platform.files[CFakeModePlatform::kPath] = file;
  const auto start = std::chrono::steady_clock::now();
  CModeList modes(m_platform);
  const SModeListItems items = BuildModeListItems(modes, m_platform, "mode 9999");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  EXPECT_EQ(10001u, items.names.size());
  EXPECT_EQ(10000, items.selected);
}

TEST(KeepFretsInOrder, TheFirstFretSnapsDownToTheLast) {
  struct SCase {
    int first, last, wantFirst;
    bool moved;
  } cases[] = {{12, 5, 5, true}, {5, 3, 3, true},    {3, 5, 3, false}, {5, 5, 5, false},
               {36, 0, 0, true}, {-1, 5, -1, false}, {7, -1, 7, false}};
  for (const SCase& c : cases) {
    SFretPropValues v;
    v.firstFret = c.first;
    v.lastFret = c.last;
    EXPECT_EQ(c.moved, KeepFretsInOrder(v)) << c.first << "," << c.last;
    EXPECT_EQ(c.wantFirst, v.firstFret);
    EXPECT_EQ(c.last, v.lastFret);
  }
}

}  // namespace
}  // namespace scalewright
