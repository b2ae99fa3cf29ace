// Fuzzes the modes file and the mode editor's text: the bytes of one input
// are read as "DerazeModes.txt" and, separately, parsed as the editor's text.
// Whatever the bytes, every mode kept is a name without '-' and intervals of
// digits that sum to 12; the list written back reads back as the same list;
// the editor's text of a list parses back to it; and lookups by name find a
// mode of that name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "control/model/mode_list.h"
#include "control/model/music_model.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

struct SMode {
  std::string name;
  std::string intervals;
  bool operator==(const SMode&) const = default;
};

std::vector<SMode> ModesOf(const CModeList& list) {
  std::vector<SMode> modes;
  for (int i = 0; i < list.GetCount(); ++i)
    modes.push_back({list.GetName(i), list.GetIntervals(i)});
  return modes;
}

void CheckModes(const CModeList& list, const CFakeModePlatform& platform) {
  FUZZ_CHECK(list.GetCount() >= 0);
  FUZZ_CHECK(list.GetName(list.GetCount()).empty());
  FUZZ_CHECK(list.GetIntervals(-1).empty());
  for (int i = 0; i < list.GetCount(); ++i) {
    const std::string& name = list.GetName(i);
    const std::string& intervals = list.GetIntervals(i);
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(name.find('-') == std::string::npos);
    FUZZ_CHECK(name.find('\n') == std::string::npos);
    FUZZ_CHECK(!intervals.empty());
    int sum = 0;
    for (char c : intervals) {
      FUZZ_CHECK(c >= '0' && c <= '9');
      sum += c - '0';
    }
    FUZZ_CHECK(sum == 12);
    const int found = list.Find(name);
    FUZZ_CHECK(found >= 0 && found <= i);
    FUZZ_CHECK(platform.EqualNoCase(list.GetName(found), name));
    FUZZ_CHECK(list.Find(std::string_view(name)) == found);
    // The walk looks the mode up by its C name, which ends at a NUL.
    if (name.find('\0') != std::string::npos) continue;
    // The tonic is the first degree; every digit is a step, the closing one
    // included, so a walk never goes past the number of digits.
    const int tonic = static_cast<int>(static_cast<unsigned char>(name[0]) % kPitchClasses);
    FUZZ_CHECK(DegreeIndexOf(tonic, tonic, name.c_str(), list) == 0);
    for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
      const int degree = DegreeIndexOf(pitch, tonic, name.c_str(), list);
      FUZZ_CHECK(degree >= kNoPitch && degree < static_cast<int>(list.GetIntervals(found).size()));
    }
  }
}

void CheckFileRoundTrip(std::string_view bytes) {
  CFakeModePlatform platform;
  platform.files[CFakeModePlatform::kPath] = std::string(bytes);
  std::string written;
  std::vector<SMode> modes;
  {
    CModeList list(platform);
    FUZZ_CHECK(!list.ReadFailed());
    CheckModes(list, platform);
    modes = ModesOf(list);
    written = list.ToFileText();
  }
  // The list replaces the file on the way out with exactly its file text.
  FUZZ_CHECK(platform.File() == written);

  CFakeModePlatform again;
  again.files[CFakeModePlatform::kPath] = written;
  {
    CModeList reread(again);
    FUZZ_CHECK(ModesOf(reread) == modes);
    FUZZ_CHECK(reread.ToFileText() == written);
    FUZZ_CHECK(again.warnings.empty());
  }
  FUZZ_CHECK(again.writes == 0);  // nothing changed, nothing written
}

void CheckEditorText(std::string_view text) {
  CFakeModePlatform platform;
  platform.path.clear();  // no file: only the parse counts
  CModeList list(platform);
  // Refused or not, the lines taken before the refusal are valid modes.
  list.ParseText(text, true);
  CheckModes(list, platform);
  const std::vector<SMode> modes = ModesOf(list);
  const std::string editorText = list.ToEditorText();
  FUZZ_CHECK(list.ParseText(editorText, true));
  FUZZ_CHECK(ModesOf(list) == modes);
  FUZZ_CHECK(list.ToEditorText() == editorText);
  // The const char* form stops at the first NUL; what it keeps is valid too.
  const std::string terminated(text);
  list.ParseText(terminated.c_str(), false);
  CheckModes(list, platform);
}

}  // namespace
}  // namespace scalewright

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  scalewright::CheckFileRoundTrip(bytes);
  scalewright::CheckEditorText(bytes);
  return 0;
}
