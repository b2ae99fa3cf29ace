// CVersionInfo: the string values of a program file's version resource
// (U.S. English, Unicode code page), read once when the object is made.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace scalewright::app {

class CVersionInfo {
 public:
  // The running program's own file.
  CVersionInfo();
  explicit CVersionInfo(std::string path);
  CVersionInfo(const CVersionInfo&) = delete;
  CVersionInfo& operator=(const CVersionInfo&) = delete;

  const std::string& Path() const { return m_path; }
  // False when the file has no version resource (or cannot be read); every
  // getter then answers "".
  bool HasVersionData() const { return m_data != nullptr; }

  std::string GetComments() const;
  std::string GetCompanyName() const;
  std::string GetFileDescription() const;
  std::string GetFileVersion() const;
  std::string GetInternalName() const;
  std::string GetLegalCopyright() const;
  std::string GetLegalTrademarks() const;
  std::string GetOriginalFilename() const;
  std::string GetPrivateBuild() const;
  std::string GetProductName() const;
  // Without spaces, commas turned into periods: "1, 0, 1, 0" reads "1.0.1.0".
  std::string GetProductVersion() const;
  std::string GetSpecialBuild() const;

  // The value of any string key; "" when the key or the block is missing.
  std::string Value(const char* key) const;

 private:
  void Read();

  std::string m_path;
  std::uint32_t m_size = 0;
  std::unique_ptr<std::uint8_t[]> m_data;
};

// "1, 0, 1, 0" → "1.0.1.0": spaces dropped, commas made periods.
std::string DottedVersion(const std::string& text);

}  // namespace scalewright::app
