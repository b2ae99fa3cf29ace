// The Fretboard control's persistence: the 12 stream bytes, the version
// check, short streams, the dirty flag, and the "Contents" stream of a
// storage.
#include <gtest/gtest.h>

#include <objbase.h>
#include <ole2.h>

#include <string>

#include "control/interface/fretboard_settings.h"
#include "control/interface/neckview_h.h"
#include "tests/win/fretboard_fakes.h"

namespace scalewright::test {
namespace {

using com::ComPtr;

using FretboardStream = FretboardTest;
using FretboardDirtyFlag = FretboardTest;
using FretboardStorage = FretboardTest;

const std::string kNewControlBytes("\x00\x03\x00\x00\x80\x3E\x00\x00\x40\x1F\x00\x00", 12);

std::string StreamBytes(IStream* stream) {
  HGLOBAL memory = nullptr;
  if (FAILED(::GetHGlobalFromStream(stream, &memory))) return "<no memory>";
  STATSTG stat = {};
  if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return "<no stat>";
  const auto* bytes = static_cast<const char*>(::GlobalLock(memory));
  std::string result(bytes, static_cast<std::size_t>(stat.cbSize.QuadPart));
  ::GlobalUnlock(memory);
  return result;
}

ComPtr<IStream> StreamOf(const std::string& bytes) {
  ComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()))) return {};
  ULONG written = 0;
  stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  LARGE_INTEGER start = {};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  return stream;
}

SIZEL ExtentOf(IUnknown* control) {
  ComPtr<IOleObject> object;
  SIZEL size = {static_cast<LONG>(kPoisonWord), static_cast<LONG>(kPoisonWord)};
  if (SUCCEEDED(control->QueryInterface(IID_IOleObject, object.put_void()))) {
    object->GetExtent(DVASPECT_CONTENT, &size);
  }
  return size;
}

TEST_F(FretboardStream, NewControlSavesExactlyTwelveBytes) {
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersistStreamInit, persist));
  ASSERT_EQ(S_OK, persist->InitNew());
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  ASSERT_EQ(S_OK, persist->Save(stream.get(), TRUE));
  EXPECT_EQ(kNewControlBytes, StreamBytes(stream.get()));
  ULARGE_INTEGER size = {};
  size.QuadPart = 77;
  EXPECT_EQ(E_NOTIMPL, persist->GetSizeMax(&size));
}

// The later options live as long as the object, like every musical
// setting: the stream stays the twelve bytes it always was, and a control
// loaded from it is right-handed with sharps.
TEST_F(FretboardStream, TheLaterOptionsAreNotInTheStream) {
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersistStreamInit, persist));
  ComPtr<IFretboardSettings2> options;
  ASSERT_EQ(S_OK, persist.As(IID_IFretboardSettings2, options));
  options->SetLeftHanded(true);
  options->SetSpelling(2);
  EXPECT_EQ(S_FALSE, persist->IsDirty());
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  ASSERT_EQ(S_OK, persist->Save(stream.get(), TRUE));
  EXPECT_EQ(kNewControlBytes, StreamBytes(stream.get()));

  ComPtr<IPersistStreamInit> loaded;
  ASSERT_EQ(S_OK, Create(IID_IPersistStreamInit, loaded));
  ASSERT_EQ(S_OK, loaded->Load(StreamOf(kNewControlBytes).get()));
  ComPtr<IFretboardSettings2> loadedOptions;
  ASSERT_EQ(S_OK, loaded.As(IID_IFretboardSettings2, loadedOptions));
  EXPECT_FALSE(loadedOptions->GetLeftHanded());
  EXPECT_EQ(0, loadedOptions->GetSpelling());
}

TEST_F(FretboardStream, LoadReadsTheExtentAndSavesItBack) {
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersistStreamInit, persist));
  const std::string saved("\x00\x03\x00\x00\xEC\x09\x00\x00\xF6\x04\x00\x00", 12);
  ASSERT_EQ(S_OK, persist->Load(StreamOf(saved).get()));
  const SIZEL extent = ExtentOf(persist.get());
  EXPECT_EQ(2540, extent.cx);
  EXPECT_EQ(1270, extent.cy);
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  ASSERT_EQ(S_OK, persist->Save(stream.get(), FALSE));
  EXPECT_EQ(saved, StreamBytes(stream.get()));
}

TEST_F(FretboardStream, NewerVersionAndShortStreamsChangeNothing) {
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersistStreamInit, persist));
  const std::string newer("\x01\x03\x00\x00\xEC\x09\x00\x00\xF6\x04\x00\x00", 12);
  EXPECT_EQ(E_FAIL, persist->Load(StreamOf(newer).get()));
  SIZEL extent = ExtentOf(persist.get());
  EXPECT_EQ(16000, extent.cx);
  EXPECT_EQ(8000, extent.cy);
  // The width arrives, the height does not: nothing may be half loaded.
  const std::string shortened("\x00\x03\x00\x00\xEC\x09\x00\x00\xF6\x04", 10);
  EXPECT_EQ(STG_E_READFAULT, persist->Load(StreamOf(shortened).get()));
  extent = ExtentOf(persist.get());
  EXPECT_EQ(16000, extent.cx);
  EXPECT_EQ(8000, extent.cy);
  EXPECT_EQ(STG_E_READFAULT, persist->Load(StreamOf(std::string()).get()));
  EXPECT_EQ(E_POINTER, persist->Load(nullptr));
  EXPECT_EQ(E_POINTER, persist->Save(nullptr, TRUE));
}

TEST_F(FretboardDirtyFlag, OnlyStockPutsSetItAndOnlyALoadClearsIt) {
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersistStreamInit, persist));
  EXPECT_EQ(S_FALSE, persist->IsDirty());
  ComPtr<IFretboardSettings> settings;
  ASSERT_EQ(S_OK, persist.As(IID_IFretboardSettings, settings));
  settings->SetTonality(3);
  settings->SetMode("Dorian");
  settings->SetNoteShown(1, true);
  settings->SetShowSteps("1,2");
  settings->SetHighlight("1");
  settings->SetLabelKind(5);
  settings->SetFirstFret(2);
  settings->SetLastFret(12);
  settings->SetSideDots(false);
  settings->SetRectangles(true);
  settings->SetTuning("D A D G B E");
  ComPtr<IOleObject> object;
  ASSERT_EQ(S_OK, persist.As(IID_IOleObject, object));
  SIZEL size = {1000, 1000};
  ASSERT_EQ(S_OK, object->SetExtent(DVASPECT_CONTENT, &size));
  EXPECT_EQ(S_FALSE, persist->IsDirty()) << "settings and size are not a reason to save";

  ComPtr<IFretboard> fretboard;
  ASSERT_EQ(S_OK, persist.As(IID_IFretboard, fretboard));
  ASSERT_EQ(S_OK, fretboard->put_BackColor(0xFF));
  EXPECT_EQ(S_OK, persist->IsDirty());
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  ASSERT_EQ(S_OK, persist->Save(stream.get(), TRUE));
  EXPECT_EQ(S_OK, persist->IsDirty()) << "saving never clears the flag";
  ComPtr<IPersistStorage> storage;
  ASSERT_EQ(S_OK, persist.As(IID_IPersistStorage, storage));
  EXPECT_EQ(S_OK, storage->IsDirty());
  LARGE_INTEGER start = {};
  ASSERT_EQ(S_OK, stream->Seek(start, STREAM_SEEK_SET, nullptr));
  ASSERT_EQ(S_OK, persist->Load(stream.get()));
  EXPECT_EQ(S_FALSE, persist->IsDirty());
}

TEST_F(FretboardDirtyFlag, InitNewChangesNothing) {
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersistStreamInit, persist));
  ComPtr<IFretboardSettings> settings;
  ASSERT_EQ(S_OK, persist.As(IID_IFretboardSettings, settings));
  settings->SetMode("Locrian");
  ComPtr<IFretboard> fretboard;
  ASSERT_EQ(S_OK, persist.As(IID_IFretboard, fretboard));
  ASSERT_EQ(S_OK, fretboard->put_BorderColor(0x123));
  ASSERT_EQ(S_OK, persist->InitNew());
  EXPECT_STREQ("Locrian", settings->GetMode());
  EXPECT_EQ(S_OK, persist->IsDirty());
  const SIZEL extent = ExtentOf(persist.get());
  EXPECT_EQ(16000, extent.cx);
  EXPECT_EQ(8000, extent.cy);
}

// A compound file in memory, as a container's document would hold one.
ComPtr<IStorage> MemoryStorage() {
  ComPtr<ILockBytes> bytes;
  ComPtr<IStorage> storage;
  if (FAILED(::CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.put()))) return {};
  if (FAILED(::StgCreateDocfileOnILockBytes(
          bytes.get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.put()))) {
    return {};
  }
  return storage;
}

std::string ReadContents(IStorage* storage) {
  ComPtr<IStream> stream;
  if (FAILED(storage->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                 stream.put()))) {
    return "<no Contents>";
  }
  char bytes[64] = {};
  ULONG read = 0;
  stream->Read(bytes, sizeof bytes, &read);
  return std::string(bytes, read);
}

TEST_F(FretboardStorage, SaveWritesTheStreamFormIntoContentsAndReplacesIt) {
  ComPtr<IPersistStorage> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersistStorage, persist));
  ComPtr<IStorage> storage = MemoryStorage();
  ASSERT_TRUE(storage);
  ASSERT_EQ(S_OK, persist->InitNew(storage.get()));
  ASSERT_EQ(S_OK, persist->Save(storage.get(), TRUE));
  ASSERT_EQ(S_OK, persist->SaveCompleted(nullptr));
  EXPECT_EQ(kNewControlBytes, ReadContents(storage.get()));
  ComPtr<IOleObject> object;
  ASSERT_EQ(S_OK, persist.As(IID_IOleObject, object));
  SIZEL size = {100, 200};
  ASSERT_EQ(S_OK, object->SetExtent(DVASPECT_CONTENT, &size));
  ASSERT_EQ(S_OK, persist->Save(storage.get(), FALSE));
  EXPECT_EQ(std::string("\x00\x03\x00\x00\x64\x00\x00\x00\xC8\x00\x00\x00", 12),
            ReadContents(storage.get()));
}

TEST_F(FretboardStorage, LoadReadsContentsAndAMissingStreamFails) {
  ComPtr<IStorage> storage = MemoryStorage();
  ASSERT_TRUE(storage);
  {
    ComPtr<IStream> stream;
    ASSERT_EQ(S_OK, storage->CreateStream(L"Contents",
                                          STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                          stream.put()));
    const char bytes[] = "\x00\x03\x00\x00\x10\x27\x00\x00\x88\x13\x00\x00";
    ULONG written = 0;
    ASSERT_EQ(S_OK, stream->Write(bytes, 12, &written));
  }
  ComPtr<IPersistStorage> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersistStorage, persist));
  ASSERT_EQ(S_OK, persist->Load(storage.get()));
  SIZEL extent = ExtentOf(persist.get());
  EXPECT_EQ(10000, extent.cx);
  EXPECT_EQ(5000, extent.cy);

  ComPtr<IPersistStorage> other;
  ASSERT_EQ(S_OK, Create(IID_IPersistStorage, other));
  ComPtr<IStorage> empty = MemoryStorage();
  ASSERT_TRUE(empty);
  EXPECT_EQ(STG_E_FILENOTFOUND, other->Load(empty.get()));
  extent = ExtentOf(other.get());
  EXPECT_EQ(16000, extent.cx);
  EXPECT_EQ(E_POINTER, other->Load(nullptr));
  EXPECT_EQ(E_POINTER, other->Save(nullptr, TRUE));
}

}  // namespace
}  // namespace scalewright::test
