#include "app/model/board_file.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>

#include "control/model/music_model.h"

namespace scalewright {

namespace {

bool ParseInt(std::string_view text, int& value) {
  // Leading spaces and a '+' are hand-edits a reader can forgive; nothing
  // may follow the number.
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  std::int32_t parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

bool ParseFlag(std::string_view text, bool& value) {
  if (text == "1") {
    value = true;
  } else if (text == "0") {
    value = false;
  } else {
    return false;
  }
  return true;
}

bool ParseNotes(std::string_view text, std::array<bool, 12>& notes) {
  if (text.size() != notes.size()) return false;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    if (!ParseFlag(text.substr(i, 1), notes[i])) return false;
  }
  return true;
}

bool ParseExtent(std::string_view text, SBoardExtent& extent) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return false;
  SBoardExtent parsed;
  if (!ParseInt(text.substr(0, comma), parsed.width) ||
      !ParseInt(text.substr(comma + 1), parsed.height) || parsed.width <= 0 || parsed.height <= 0) {
    return false;
  }
  extent = parsed;
  return true;
}

// Texts are kept as written, but a value cannot hold a line end, and no
// setting of the control takes a NUL.
bool IsText(std::string_view text) { return text.find('\0') == std::string_view::npos; }

// Stores the value of one key; false when the value cannot be read. Keys
// this version does not know are kept for the writer.
bool ReadSetting(std::string_view key, std::string_view value, SBoardSettings& settings) {
  auto readInt = [&value](std::optional<int>& field) {
    int parsed = 0;
    if (!ParseInt(value, parsed)) return false;
    field = parsed;
    return true;
  };
  auto readFlag = [&value](std::optional<bool>& field) {
    bool parsed = false;
    if (!ParseFlag(value, parsed)) return false;
    field = parsed;
    return true;
  };
  auto readText = [&value](std::optional<std::string>& field) {
    if (!IsText(value)) return false;
    field = std::string(value);
    return true;
  };
  if (key == "tonality") return readInt(settings.tonality);
  if (key == "mode") return readText(settings.mode);
  const auto readNotes = [&](std::optional<std::array<bool, 12>>& field) {
    std::array<bool, 12> notes{};
    if (!ParseNotes(value, notes)) return false;
    field = notes;
    return true;
  };
  if (key == "notes") return readNotes(settings.notes);
  if (key == "show_steps") return readText(settings.showSteps);
  if (key == "highlight") return readText(settings.highlight);
  if (key == "label_kind") return readInt(settings.labelKind);
  if (key == "first_fret") return readInt(settings.firstFret);
  if (key == "last_fret") return readInt(settings.lastFret);
  if (key == "side_dots") return readFlag(settings.sideDots);
  if (key == "rectangles") return readFlag(settings.rectangles);
  if (key == "tuning") return readText(settings.tuning);
  if (key == "left_handed") return readFlag(settings.leftHanded);
  if (key == "spelling") return readInt(settings.spelling);
  if (key == "chord_degree") return readInt(settings.chordDegree);
  if (key == "chord_size") return readInt(settings.chordSize);
  if (key == "overlay_tonic") return readInt(settings.overlayTonic);
  if (key == "overlay_mode") return readText(settings.overlayMode);
  if (key == "overlay_notes") return readNotes(settings.overlayNotes);
  if (key == "chord_labels") return readFlag(settings.chordLabels);
  if (key == "position_system") return readInt(settings.positionSystem);
  if (key == "position") return readInt(settings.position);
  if (key == "octaves") return readText(settings.octaves);
  if (key == "extent") {
    SBoardExtent extent;
    if (!ParseExtent(value, extent)) return false;
    settings.extent = extent;
    return true;
  }
  if (key.empty()) return false;
  settings.laterKeys.emplace_back(key, value);
  return true;
}

// Splits |bytes| into lines at CR LF, LF or CR.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

// "Scalewright board N" with N a version number; any version is read.
bool IsHeader(std::string_view line) {
  constexpr std::string_view header = kBoardFileHeader;
  if (line.substr(0, header.size()) != header) return false;
  line.remove_prefix(header.size());
  if (line.empty() || line.front() != ' ') return false;
  int version = 0;
  return ParseInt(line.substr(1), version) && version >= 1;
}

// One key=value line. A value cannot hold a line end, which would start a
// line of its own (a script's Tuning with "\nmode=..." in it): each CR and
// LF is written as a space, as the setting's text reads best on one line.
void AppendLine(std::string& text, std::string_view key, std::string_view value) {
  text.append(key).append("=");
  for (char c : value) text.push_back(c == '\r' || c == '\n' ? ' ' : c);
  text.append("\r\n");
}

}  // namespace

std::string WriteBoardFile(const SBoardSettings& settings) {
  std::string text =
      std::string(kBoardFileHeader) + " " + std::to_string(kBoardFileVersion) + "\r\n";
  auto flag = [](bool value) { return value ? "1" : "0"; };
  if (settings.tonality) AppendLine(text, "tonality", std::to_string(*settings.tonality));
  if (settings.mode) AppendLine(text, "mode", *settings.mode);
  auto notes = [&](const std::array<bool, 12>& flags) {
    std::string line;
    for (bool on : flags) line += flag(on);
    return line;
  };
  if (settings.notes) AppendLine(text, "notes", notes(*settings.notes));
  if (settings.showSteps) AppendLine(text, "show_steps", *settings.showSteps);
  if (settings.highlight) AppendLine(text, "highlight", *settings.highlight);
  if (settings.labelKind) AppendLine(text, "label_kind", std::to_string(*settings.labelKind));
  if (settings.firstFret) AppendLine(text, "first_fret", std::to_string(*settings.firstFret));
  if (settings.lastFret) AppendLine(text, "last_fret", std::to_string(*settings.lastFret));
  if (settings.sideDots) AppendLine(text, "side_dots", flag(*settings.sideDots));
  if (settings.rectangles) AppendLine(text, "rectangles", flag(*settings.rectangles));
  if (settings.tuning) AppendLine(text, "tuning", *settings.tuning);
  if (settings.leftHanded) AppendLine(text, "left_handed", flag(*settings.leftHanded));
  if (settings.spelling) AppendLine(text, "spelling", std::to_string(*settings.spelling));
  if (settings.chordDegree) AppendLine(text, "chord_degree", std::to_string(*settings.chordDegree));
  if (settings.chordSize) AppendLine(text, "chord_size", std::to_string(*settings.chordSize));
  if (settings.overlayTonic)
    AppendLine(text, "overlay_tonic", std::to_string(*settings.overlayTonic));
  if (settings.overlayMode) AppendLine(text, "overlay_mode", *settings.overlayMode);
  if (settings.overlayNotes) AppendLine(text, "overlay_notes", notes(*settings.overlayNotes));
  if (settings.chordLabels) AppendLine(text, "chord_labels", flag(*settings.chordLabels));
  if (settings.positionSystem)
    AppendLine(text, "position_system", std::to_string(*settings.positionSystem));
  if (settings.position) AppendLine(text, "position", std::to_string(*settings.position));
  if (settings.octaves) AppendLine(text, "octaves", *settings.octaves);
  if (settings.extent) {
    AppendLine(
        text, "extent",
        std::to_string(settings.extent->width) + "," + std::to_string(settings.extent->height));
  }
  for (const auto& [key, value] : settings.laterKeys) AppendLine(text, key, value);
  return text;
}

SBoardFileRead ReadBoardFile(std::string_view bytes) {
  SBoardFileRead read;
  if (bytes.empty()) {
    read.kind = BoardFileKind::kEmpty;
    return read;
  }
  if (bytes.size() > kMaxBoardFileBytes) return read;
  // A byte-order mark from an editor that adds one is not part of the header.
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (bytes.substr(0, bom.size()) == bom) bytes.remove_prefix(bom.size());
  const std::vector<std::string_view> lines = SplitLines(bytes);
  if (lines.empty() || !IsHeader(lines.front())) return read;
  read.kind = BoardFileKind::kBoard;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty()) continue;
    const int number = static_cast<int>(i) + 1;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || !IsText(line) ||
        !ReadSetting(line.substr(0, equals), line.substr(equals + 1), read.settings)) {
      read.skippedLines.push_back(number);
    }
  }
  return read;
}

std::string DefaultBoardFileName(int tonality, std::string_view mode) {
  std::string name = tonality >= 0 && tonality < 12 ? NoteName(tonality) : "";
  if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  if (!mode.empty()) {
    if (!name.empty()) name += ' ';
    name.append(mode);
  }
  // Characters no file name may hold, and control characters.
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 32 ||
        std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      c = '_';
  }
  // A name may not end in a dot or a space.
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  if (name.empty()) name = "Board";
  return name + "." + kBoardFileExtension;
}

}  // namespace scalewright
