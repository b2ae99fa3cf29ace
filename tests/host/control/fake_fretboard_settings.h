// The settings of a new Fretboard control in plain fields, with every call
// recorded in order. The page's code reads and writes settings through any
// type with these members, so the host tests take the fake as it is; the
// Windows tests put IFretboardSettings under it (CFakeFretboard), and the
// members below then implement that interface's functions. No platform
// header here: the host tests build natively too.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace scalewright::test {

// The base of a fake seen through no interface.
struct SNoInterface {};

template <class Interface = SNoInterface>
class CFakeSettings : public Interface {
 public:
  int tonality = 0;
  std::string mode = "Ionian";
  std::array<bool, 12> notes = {true,  false, true,  false, true,  true,
                                false, true,  false, true,  false, true};
  std::string showSteps;
  std::string highlight = "1,3,5";
  int labelKind = 2;
  int firstFret = 0;
  int lastFret = 17;
  bool sideDots = true;
  bool rectangles = false;
  std::string tuning = "E B G D A E";
  bool leftHanded = false;
  int spelling = 0;
  // Every call, reads included: "GetNoteShown(3)", "SetMode(Aeolian)".
  std::vector<std::string> calls;
  // The calls that change something, alone, in the same form.
  std::vector<std::string> writes;

  std::int32_t GetTonality() { return Read("GetTonality"), tonality; }
  void SetTonality(std::int32_t v) { Write("SetTonality", std::to_string(v)), tonality = v; }
  const char* GetMode() { return Read("GetMode"), mode.c_str(); }
  void SetMode(const char* v) { Write("SetMode", v), mode = v; }
  bool GetNoteShown(std::int32_t p) {
    return Read("GetNoteShown(" + std::to_string(p) + ")"), p >= 0 && p < 12 && notes[p];
  }
  void SetNoteShown(std::int32_t p, bool v) {
    Write("SetNoteShown", std::to_string(p) + "," + std::to_string(v));
    if (p >= 0 && p < 12) notes[p] = v;
  }
  const char* GetShowSteps() { return Read("GetShowSteps"), showSteps.c_str(); }
  void SetShowSteps(const char* v) { Write("SetShowSteps", v), showSteps = v; }
  const char* GetHighlight() { return Read("GetHighlight"), highlight.c_str(); }
  void SetHighlight(const char* v) { Write("SetHighlight", v), highlight = v; }
  std::int32_t GetLabelKind() { return Read("GetLabelKind"), labelKind; }
  void SetLabelKind(std::int32_t v) { Write("SetLabelKind", std::to_string(v)), labelKind = v; }
  std::int32_t GetFirstFret() { return Read("GetFirstFret"), firstFret; }
  void SetFirstFret(std::int32_t v) { Write("SetFirstFret", std::to_string(v)), firstFret = v; }
  std::int32_t GetLastFret() { return Read("GetLastFret"), lastFret; }
  void SetLastFret(std::int32_t v) { Write("SetLastFret", std::to_string(v)), lastFret = v; }
  bool GetSideDots() { return Read("GetSideDots"), sideDots; }
  void SetSideDots(bool v) { Write("SetSideDots", std::to_string(v)), sideDots = v; }
  bool GetRectangles() { return Read("GetRectangles"), rectangles; }
  void SetRectangles(bool v) { Write("SetRectangles", std::to_string(v)), rectangles = v; }
  const char* GetTuning() { return Read("GetTuning"), tuning.c_str(); }
  // A null tuning is recorded as "(null)" and leaves the tuning as it was.
  void SetTuning(const char* v) { Write("SetTuning", v ? v : "(null)"), tuning = v ? v : tuning; }
  // The later options (IFretboardSettings2).
  bool GetLeftHanded() { return Read("GetLeftHanded"), leftHanded; }
  void SetLeftHanded(bool v) { Write("SetLeftHanded", std::to_string(v)), leftHanded = v; }
  std::int32_t GetSpelling() { return Read("GetSpelling"), spelling; }
  void SetSpelling(std::int32_t v) { Write("SetSpelling", std::to_string(v)), spelling = v; }

 protected:
  void Read(std::string call) { calls.push_back(std::move(call)); }
  void Write(const char* name, const std::string& argument) {
    std::string call = std::string(name) + "(" + argument + ")";
    calls.push_back(call);
    writes.push_back(std::move(call));
  }
};

}  // namespace scalewright::test
