// A stand-in for the Fretboard control as the page sees it: IUnknown and
// IFretboardSettings with a real count, the settings of a new control, and
// every setter call recorded in order. A second kind answers no settings.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "control/interface/fretboard_settings.h"

namespace scalewright::test {

class CFakeFretboard final : public IFretboardSettings {
 public:
  int tonality = 0;
  std::string mode = "Ionian";
  std::array<bool, 12> notes = {true, false, true, false, true, true,
                                false, true, false, true, false, true};
  std::string showSteps;
  std::string highlight = "1,3,5";
  int labelKind = 2;
  int firstFret = 0;
  int lastFret = 17;
  bool sideDots = true;
  bool rectangles = false;
  std::string tuning = "E B G D A E";
  std::vector<std::string> writes;  // setter calls, in order
  ULONG refs = 1;                   // the test's own

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IFretboardSettings) return E_NOINTERFACE;
    *ppv = static_cast<IFretboardSettings*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }

  std::int32_t GetTonality() override { return tonality; }
  void SetTonality(std::int32_t v) override { Log("SetTonality", std::to_string(v)), tonality = v; }
  const char* GetMode() override { return mode.c_str(); }
  void SetMode(const char* v) override { Log("SetMode", v), mode = v; }
  bool GetNoteShown(std::int32_t p) override { return p >= 0 && p < 12 && notes[p]; }
  void SetNoteShown(std::int32_t p, bool v) override {
    Log("SetNoteShown", std::to_string(p) + "," + std::to_string(v));
    if (p >= 0 && p < 12) notes[p] = v;
  }
  const char* GetShowSteps() override { return showSteps.c_str(); }
  void SetShowSteps(const char* v) override { Log("SetShowSteps", v), showSteps = v; }
  const char* GetHighlight() override { return highlight.c_str(); }
  void SetHighlight(const char* v) override { Log("SetHighlight", v), highlight = v; }
  std::int32_t GetLabelKind() override { return labelKind; }
  void SetLabelKind(std::int32_t v) override { Log("SetLabelKind", std::to_string(v)), labelKind = v; }
  std::int32_t GetFirstFret() override { return firstFret; }
  void SetFirstFret(std::int32_t v) override { Log("SetFirstFret", std::to_string(v)), firstFret = v; }
  std::int32_t GetLastFret() override { return lastFret; }
  void SetLastFret(std::int32_t v) override { Log("SetLastFret", std::to_string(v)), lastFret = v; }
  bool GetSideDots() override { return sideDots; }
  void SetSideDots(bool v) override { Log("SetSideDots", std::to_string(v)), sideDots = v; }
  bool GetRectangles() override { return rectangles; }
  void SetRectangles(bool v) override { Log("SetRectangles", std::to_string(v)), rectangles = v; }
  const char* GetTuning() override { return tuning.c_str(); }
  void SetTuning(const char* v) override { Log("SetTuning", v ? v : "(null)"), tuning = v ? v : tuning; }
  void Draw(HDC, const RECT*) override { Log("Draw", ""); }

  IUnknown* Unknown() { return static_cast<IFretboardSettings*>(this); }

 private:
  void Log(const char* name, const std::string& argument) {
    writes.push_back(std::string(name) + "(" + argument + ")");
  }
};

// An object of another kind: the page passes it over.
class CForeignObject final : public IUnknown {
 public:
  ULONG refs = 1;
  int queries = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    ++queries;
    *ppv = nullptr;
    if (riid != IID_IUnknown) return E_NOINTERFACE;
    *ppv = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  IUnknown* Unknown() { return this; }
};

}  // namespace scalewright::test
