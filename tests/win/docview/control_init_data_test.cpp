// Finding a control item's stream in a dialog's initialisation data.
#include "framework/ole_site/control_init_data.h"

#include <cstring>

#include <gtest/gtest.h>

namespace scalewright::ole {
namespace {

// Appends one entry: item, message, data.
void Entry(std::vector<BYTE>& bytes, WORD item, WORD message, const std::vector<BYTE>& data) {
  auto put = [&](const void* p, std::size_t n) {
    const auto* b = static_cast<const BYTE*>(p);
    bytes.insert(bytes.end(), b, b + n);
  };
  const DWORD length = static_cast<DWORD>(data.size());
  put(&item, 2);
  put(&message, 2);
  put(&length, 4);
  put(data.data(), data.size());
}

std::vector<BYTE> StreamData(DWORD keyChars, const std::vector<BYTE>& stream) {
  std::vector<BYTE> data(4 + keyChars * 2, 0xAB);
  std::memcpy(data.data(), &keyChars, 4);
  data.insert(data.end(), stream.begin(), stream.end());
  return data;
}

TEST(ControlInitDataTest, FindsTheStreamOfItsItemAfterTheKey) {
  std::vector<BYTE> bytes;
  Entry(bytes, 1000, 0x0401 /* CB_ADDSTRING */, {'a', 0});
  Entry(bytes, 1028, kLoadFromStreamMessage, StreamData(0, {1, 2, 3, 4}));
  Entry(bytes, 1029, kLoadFromStreamMessage, StreamData(3, {9, 8}));
  bytes.push_back(0);
  bytes.push_back(0);
  auto first = FindControlStream(bytes.data(), bytes.size(), 1028);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(*first, (std::vector<BYTE>{1, 2, 3, 4}));
  auto second = FindControlStream(bytes.data(), bytes.size(), 1029);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(*second, (std::vector<BYTE>{9, 8}));
  EXPECT_FALSE(FindControlStream(bytes.data(), bytes.size(), 1000).has_value());
  EXPECT_FALSE(FindControlStream(bytes.data(), bytes.size(), 7).has_value());
}

TEST(ControlInitDataTest, CutShortOrLyingDataFindsNothing) {
  std::vector<BYTE> bytes;
  Entry(bytes, 1028, kLoadFromStreamMessage, StreamData(0, {1, 2, 3, 4}));
  for (std::size_t size = 0; size < bytes.size(); ++size)
    EXPECT_FALSE(FindControlStream(bytes.data(), size, 1028).has_value()) << size;
  // A key longer than the entry.
  std::vector<BYTE> lying;
  Entry(lying, 1028, kLoadFromStreamMessage, StreamData(0, {}));
  const DWORD keyChars = 100;
  std::memcpy(lying.data() + 8, &keyChars, 4);
  EXPECT_FALSE(FindControlStream(lying.data(), lying.size(), 1028).has_value());
}

TEST(ControlInitDataTest, SwFormCarriesTheFretboardsFiftyTwoBytes) {
  HMODULE sw = ::LoadLibraryExA("SW.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(sw, nullptr);
  auto stream = FindControlStream(sw, 101, 1028);
  ::FreeLibrary(sw);
  ASSERT_TRUE(stream.has_value());
  ASSERT_EQ(stream->size(), 52u);
  DWORD version = 0, width = 0, height = 0;
  std::memcpy(&version, stream->data(), 4);
  std::memcpy(&width, stream->data() + 4, 4);
  std::memcpy(&height, stream->data() + 8, 4);
  EXPECT_EQ(version, 0x300u);
  EXPECT_EQ(width, 6959u);
  EXPECT_EQ(height, 3016u);
  // The caption "Fretboard1" closes the stream, with its terminating zero.
  const std::wstring caption(reinterpret_cast<const wchar_t*>(stream->data() + 30), 11);
  EXPECT_EQ(caption, std::wstring(L"Fretboard1\0", 11));
}

}  // namespace
}  // namespace scalewright::ole
