// Feeds the Fretboard control of Neckview.dll arbitrary stored bytes, as a
// document or a container would: through IPersistStreamInit::Load on an
// HGLOBAL stream and through IPersistStorage::Load on a compound file in
// memory whose "Contents" stream holds the bytes. For every input the load
// must not crash, must answer S_OK exactly when the bytes hold a version the
// control reads and both extent words, and must otherwise fail with a read
// fault or E_FAIL and leave the extent as it was. A good load saves back the
// same 12 bytes, with the control's own version, and is not dirty.
//
//   persist_replay_tests [GoogleTest flags] [-runs=N] [-seed=N] [file or folder]...
//
// The files are replayed first, then N generated inputs: half random bytes,
// half the files with a few bytes changed. It is a GoogleTest program so
// that the Wine runner can tell a run that passed from one that never ran.
#include <windows.h>

#include <gtest/gtest.h>

#include <objbase.h>
#include <ocidl.h>
#include <ole2.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "control/interface/neckview_h.h"
#include "framework/com/com_ptr.h"

namespace {

using scalewright::com::ComPtr;
using Input = std::vector<std::uint8_t>;

constexpr DWORD kStoredVersion = 0x300;

// From the command line.
long g_runs = 3000;
unsigned g_seed = 12345;
std::vector<std::string> g_paths;

int g_failures = 0;
long g_loaded = 0, g_refused = 0;

void Fail(const char* what, const Input& input, HRESULT hr) {
  // The first few are enough to see what goes wrong.
  if (++g_failures > 20) return;
  std::string bytes;
  char hex[4];
  for (std::uint8_t b : input) {
    std::snprintf(hex, sizeof hex, " %02x", b);
    bytes += hex;
  }
  ADD_FAILURE() << what << " (hr 0x" << std::hex << static_cast<unsigned long>(hr) << std::dec
                << ") for " << input.size() << " bytes:" << bytes;
}

DWORD WordAt(const Input& input, std::size_t at) {
  DWORD value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | input[at + i];
  return value;
}

ComPtr<IStream> StreamOf(const Input& input) {
  ComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()))) return {};
  ULONG written = 0;
  if (!input.empty()) stream->Write(input.data(), static_cast<ULONG>(input.size()), &written);
  const LARGE_INTEGER start = {};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  return stream;
}

std::string BytesOf(IStream* stream) {
  HGLOBAL memory = nullptr;
  STATSTG stat = {};
  if (FAILED(::GetHGlobalFromStream(stream, &memory)) ||
      FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
    return {};
  const auto* bytes = static_cast<const char*>(::GlobalLock(memory));
  std::string result(bytes, static_cast<std::size_t>(stat.cbSize.QuadPart));
  ::GlobalUnlock(memory);
  return result;
}

SIZEL ExtentOf(IUnknown* control) {
  ComPtr<IOleObject> object;
  SIZEL size = {-7, -7};
  if (SUCCEEDED(control->QueryInterface(IID_IOleObject, object.put_void())))
    object->GetExtent(DVASPECT_CONTENT, &size);
  return size;
}

class CReplay {
 public:
  explicit CReplay(IClassFactory* factory) : m_factory(factory) { Renew(); }

  bool Ready() const { return m_stream && m_storage; }

  void Run(const Input& input, bool throughStorage) {
    // A fresh control now and then, so that loads also meet a new one.
    if (++m_runs % 256 == 0) Renew();
    const SIZEL before = ExtentOf(m_stream.get());
    const bool readable = input.size() >= 12 && WordAt(input, 0) <= kStoredVersion;
    HRESULT hr = m_stream->Load(StreamOf(input).get());
    Check(input, hr, readable, before);
    if (throughStorage) {
      const SIZEL between = ExtentOf(m_stream.get());
      hr = LoadStorage(input);
      Check(input, hr, readable, between);
    }
  }

 private:
  void Renew() {
    m_stream.reset();
    m_storage.reset();
    if (FAILED(m_factory->CreateInstance(nullptr, IID_IPersistStreamInit, m_stream.put_void())))
      return;
    m_stream->InitNew();
    m_stream->QueryInterface(IID_IPersistStorage, m_storage.put_void());
  }

  HRESULT LoadStorage(const Input& input) {
    ComPtr<ILockBytes> bytes;
    ComPtr<IStorage> storage;
    if (FAILED(::CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.put())) ||
        FAILED(::StgCreateDocfileOnILockBytes(
            bytes.get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.put()))) {
      Fail("no storage in memory", input, E_FAIL);
      return E_UNEXPECTED;
    }
    {
      ComPtr<IStream> contents;
      if (FAILED(storage->CreateStream(L"Contents",
                                       STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                       contents.put()))) {
        Fail("no Contents stream", input, E_FAIL);
        return E_UNEXPECTED;
      }
      ULONG written = 0;
      if (!input.empty()) contents->Write(input.data(), static_cast<ULONG>(input.size()), &written);
    }  // closed: the control opens it for itself, exclusively
    return m_storage->Load(storage.get());
  }

  void Check(const Input& input, HRESULT hr, bool readable, SIZEL before) {
    const SIZEL after = ExtentOf(m_stream.get());
    if (!readable) {
      ++g_refused;
      if (hr != STG_E_READFAULT && hr != E_FAIL) Fail("unreadable bytes not refused", input, hr);
      if (after.cx != before.cx || after.cy != before.cy)
        Fail("a refused load changed the extent", input, hr);
      return;
    }
    ++g_loaded;
    if (hr != S_OK) return Fail("readable bytes refused", input, hr);
    if (after.cx != static_cast<LONG>(WordAt(input, 4)) ||
        after.cy != static_cast<LONG>(WordAt(input, 8)))
      Fail("the extent is not the one stored", input, hr);
    if (m_stream->IsDirty() != S_FALSE) Fail("dirty after a load", input, hr);
    ComPtr<IStream> saved;
    ::CreateStreamOnHGlobal(nullptr, TRUE, saved.put());
    hr = m_stream->Save(saved.get(), TRUE);
    std::string expected(reinterpret_cast<const char*>(input.data()), 12);
    for (int i = 0; i < 4; ++i) expected[i] = static_cast<char>(kStoredVersion >> (8 * i));
    if (hr != S_OK || BytesOf(saved.get()) != expected) Fail("saved bytes differ", input, hr);
  }

  IClassFactory* m_factory;
  ComPtr<IPersistStreamInit> m_stream;
  ComPtr<IPersistStorage> m_storage;
  long m_runs = 0;
};

void Collect(const std::string& path, std::vector<Input>& inputs) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    ADD_FAILURE() << "no file or folder " << path;
    return;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    WIN32_FIND_DATAA found = {};
    const HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
      if (found.cFileName[0] != '.') Collect(path + "\\" + found.cFileName, inputs);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return;
  }
  std::ifstream in(path, std::ios::binary);
  inputs.emplace_back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Input Mutate(Input input, std::mt19937& random) {
  const int edits = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < edits; ++i) {
    const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
    const auto byte =
        static_cast<std::uint8_t>(random() % 3 ? random() : (random() % 2 ? 0 : 0xFF));
    switch (random() % 3) {
      case 0:
        if (at < input.size()) input[at] = byte;
        break;
      case 1:
        input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), byte);
        break;
      default:
        if (at < input.size()) input.erase(input.begin() + static_cast<std::ptrdiff_t>(at));
        break;
    }
  }
  return input;
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

TEST(PersistReplay, StoredBytesLoadOrFailCleanly) {
  std::vector<Input> corpus;
  for (const std::string& path : g_paths) Collect(path, corpus);
  ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
  {
    const HMODULE dll = ::LoadLibraryW((ProgramFolder() + L"Neckview.dll").c_str());
    ASSERT_NE(nullptr, dll) << "Neckview.dll did not load";
    using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto getClassObject = reinterpret_cast<GetClassObjectFn>(
        reinterpret_cast<void*>(::GetProcAddress(dll, "DllGetClassObject")));
    ASSERT_NE(nullptr, getClassObject);
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, getClassObject(CLSID_Fretboard, IID_IClassFactory, factory.put_void()));
    {
      CReplay replay(factory.get());
      ASSERT_TRUE(replay.Ready()) << "no control";
      for (const Input& input : corpus) replay.Run(input, true);
      std::mt19937 random(g_seed);
      for (long run = 0; run < g_runs; ++run) {
        Input input;
        if (!corpus.empty() && run % 2 == 0) {
          input = Mutate(corpus[random() % corpus.size()], random);
        } else {
          input.resize(random() % 20);
          for (std::uint8_t& b : input) b = static_cast<std::uint8_t>(random());
          // The version word is mostly small, so that most loads get past it.
          if (input.size() >= 4 && random() % 2) input[1] = input[2] = input[3] = 0;
        }
        replay.Run(input, run % 8 == 0);
      }
    }
    std::printf(
        "persist_replay: %zu files and %ld generated inputs, %ld loads taken, "
        "%ld refused, %d failures\n",
        corpus.size(), g_runs, g_loaded, g_refused, g_failures);
    EXPECT_EQ(0, g_failures);
    // Both outcomes were met, or the inputs missed what they are for.
    EXPECT_GT(g_loaded, 0);
    EXPECT_GT(g_refused, 0);
  }
  ::OleUninitialize();
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "-runs=", 6) == 0)
      g_runs = std::strtol(argv[i] + 6, nullptr, 10);
    else if (std::strncmp(argv[i], "-seed=", 6) == 0)
      g_seed = static_cast<unsigned>(std::strtoul(argv[i] + 6, nullptr, 10));
    else
      g_paths.emplace_back(argv[i]);
  }
  return RUN_ALL_TESTS();
}
