// Works on "DerazeModes.txt" beside the test program (the same folder as
// Neckview.dll): starts without one and leaves none behind, whatever an
// earlier run, even one killed midway, left there. Whoever loads the module
// next seeds the default list afresh.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "control/model/modes_file_path.h"
#include "control/win/win_mode_platform.h"

namespace scalewright::test {

class ModesFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_path = BuildModesFilePath(ReadModulePath(::GetModuleHandleA(nullptr)));
    ::DeleteFileA(m_path.c_str());
    ASSERT_FALSE(ReadModes().has_value()) << m_path << " cannot be removed";
  }
  void TearDown() override { ::DeleteFileA(m_path.c_str()); }

  std::optional<std::string> ReadModes() const {
    std::ifstream in(m_path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void WriteModes(const std::string& bytes) const {
    std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
  }

  static constexpr char kSeven[] =
      "Ionian-2212221\r\nDorian-2122212\r\nPhrygian-1222122\r\nLydian-2221221\r\n"
      "Mixolydian-2212212\r\nAeolian-2122122\r\nLocrian-1221222\r\n";

  std::string m_path;
};

}  // namespace scalewright::test
