#include "control/model/mode_list.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "control/model/mode_strings.h"

namespace scalewright {
namespace {

constexpr char kCrLf[] = "\r\n";

const std::string& EmptyString() {
  static const std::string empty;
  return empty;
}

}  // namespace

CModeList::CModeList(const IModePlatform& platform) : m_platform(platform) { Load(); }

CModeList::~CModeList() {
  // Out of memory while building the text must not end the process from a
  // destructor; the file then simply keeps its previous content.
  try {
    Save();
  } catch (...) {
  }
}

int CModeList::GetCount() const { return static_cast<int>(m_names.size()); }

const std::string& CModeList::GetName(int i) const {
  return i >= 0 && i < GetCount() ? m_names[i] : EmptyString();
}

const std::string& CModeList::GetIntervals(int i) const {
  return i >= 0 && i < GetCount() ? m_intervals[i] : EmptyString();
}

int CModeList::Find(const char* name) const { return name ? Find(std::string_view(name)) : -1; }

int CModeList::Find(std::string_view name) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (m_platform.EqualNoCase(m_names[i], name)) return i;
  }
  return -1;
}

bool CModeList::Add(const char* line, bool showDigitMessage) {
  return line ? Add(std::string_view(line), showDigitMessage) : false;
}

// The checks run in a fixed order because it decides which message the user
// sees for a line with several faults. '-' and the digits are ASCII bytes that
// never occur inside a multibyte character, so a byte scan is safe.
bool CModeList::Add(std::string_view line, bool showDigitMessage) {
  const std::size_t dash = line.find('-');
  if (dash == std::string_view::npos) {
    m_platform.ShowWarning(m_platform.LoadText(IDS_MODE_NO_DASH));
    return false;
  }
  const std::string_view name = line.substr(0, dash);
  const std::string_view intervals = line.substr(dash + 1);

  std::uint64_t sum = 0;  // wide enough for any line that fits in memory
  for (const char c : intervals) {
    if (c < '0' || c > '9') {
      if (showDigitMessage) {
        m_platform.ShowWarning(m_platform.LoadText(IDS_MODE_WRONG_DIGIT));
      }
      return false;
    }
    sum += static_cast<std::uint64_t>(c - '0');
  }
  if (name.empty() || intervals.empty()) return false;
  if (sum != 12) {
    m_platform.ShowWarning(FormatWithName(m_platform.LoadText(IDS_MODE_BAD_SUM), name));
    return false;
  }
  // GetCount() reports an int; the list stops growing where it would wrap.
  if (m_names.size() >= static_cast<std::size_t>(INT_MAX)) return false;

  m_names.emplace_back(name);
  m_intervals.emplace_back(intervals);
  return true;
}

bool CModeList::ParseText(const char* text, bool showDigitMessage) {
  return text ? ParseText(std::string_view(text), showDigitMessage) : false;
}

// CR ends a line and the byte after it is taken as its LF and skipped,
// whatever that byte is: the editor and string 111 always pair CR with LF.
// A lone CR therefore swallows the next character: "A-93\rB-93" yields
// "A-93", then "-93", which is refused for its empty name. A CR at the very
// end skips nothing past the text.
bool CModeList::ParseText(std::string_view text, bool showDigitMessage) {
  Clear();
  std::size_t start = 0;
  std::size_t i = 0;
  while (true) {
    const bool atEnd = i >= text.size();
    if (!atEnd && text[i] != '\n' && text[i] != '\r') {
      ++i;
      continue;
    }
    const std::string_view line = text.substr(start, i - start);
    if (!line.empty() && !Add(line, showDigitMessage)) return false;
    if (atEnd) return true;
    i = std::min(i + (text[i] == '\r' ? 2 : 1), text.size());
    start = i;
  }
}

void CModeList::Clear() {
  m_names.clear();
  m_intervals.clear();
}

bool CModeList::ReadFailed() const { return m_readStatus == FileReadStatus::kFailed; }

std::string CModeList::ToFileText() const {
  std::string text;
  for (int i = 0; i < GetCount(); ++i) {
    text.append(m_names[i]).append(1, '-').append(m_intervals[i]).append(kCrLf);
  }
  return text;
}

std::string CModeList::ToEditorText() const {
  std::string text;
  for (int i = 0; i < GetCount(); ++i) {
    if (i > 0) text.append(kCrLf);
    text.append(m_names[i]).append(1, '-').append(m_intervals[i]);
  }
  return text;
}

// Lines end at LF; trailing CRs and LFs are cut, so LF, CR LF and CR CR LF
// read alike. Every line goes to Add, blank ones too, so a blank line draws
// message 108 once per line and the next save drops it. Bytes are kept as
// read (NULs included) so nothing in a kept line is lost.
void CModeList::Load() {
  m_path = m_platform.ModesFilePath();
  if (m_path.empty()) {
    m_readStatus = FileReadStatus::kFailed;
    return;
  }
  try {
    m_readStatus = m_platform.ReadWholeFile(m_path, m_readBytes);
    if (m_readStatus != FileReadStatus::kOk) {
      m_readBytes.clear();
      return;
    }
    const std::string_view bytes = m_readBytes;
    std::size_t start = 0;
    while (start < bytes.size()) {
      const std::size_t lf = bytes.find('\n', start);
      const std::size_t next = lf == std::string_view::npos ? bytes.size() : lf + 1;
      std::string_view line = bytes.substr(start, next - start);
      while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
      }
      Add(line, false);
      start = next;
    }
  } catch (...) {
    // Out of memory part way through: a partial list must not replace the
    // file, so the list behaves as one whose read failed.
    Clear();
    m_readBytes.clear();
    m_readStatus = FileReadStatus::kFailed;
  }
}

// The whole list replaces the file, with three exceptions that protect the
// user's modes or spare the disk:
// - the read failed although the file exists (locked, denied, a directory,
//   too large): writing would replace modes this list never saw;
// - the bytes equal those read: the control makes a list on every paint, and
//   rewriting the same bytes would only churn the disk;
// - the platform's replace is atomic, so a failed write keeps the old file.
void CModeList::Save() {
  if (!m_stored) Store();
}

bool CModeList::Store() {
  m_stored = true;
  if (m_path.empty() || m_readStatus == FileReadStatus::kFailed) return false;
  std::string text = ToFileText();
  if (m_readStatus == FileReadStatus::kOk && text == m_readBytes) return true;
  if (!m_platform.ReplaceWholeFile(m_path, text)) return false;
  m_readStatus = FileReadStatus::kOk;
  m_readBytes = std::move(text);
  return true;
}

}  // namespace scalewright
