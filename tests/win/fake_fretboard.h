// A stand-in for the Fretboard control as the page sees it: IUnknown and
// IFretboardSettings with a real count over the settings fake that the host
// tests use too (the settings of a new control, every call recorded in
// order). A second kind answers no settings.
#pragma once

#include <windows.h>

#include "control/interface/fretboard_settings.h"
#include "tests/host/control/fake_fretboard_settings.h"

namespace scalewright::test {

class CFakeFretboard final : public CFakeSettings<IFretboardSettings> {
 public:
  ULONG refs = 1;  // the test's own

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

  void Draw(HDC, const RECT*) override { Write("Draw", ""); }

  IUnknown* Unknown() { return static_cast<IFretboardSettings*>(this); }
};

// A control with the later options: IFretboardSettings2 besides the first
// interface, over the same recorded settings.
class CFakeFretboard2 final : public CFakeSettings<IFretboardSettings2> {
 public:
  ULONG refs = 1;  // the test's own

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IFretboardSettings && riid != IID_IFretboardSettings2)
      return E_NOINTERFACE;
    *ppv = static_cast<IFretboardSettings2*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }

  void Draw(HDC, const RECT*) override { Write("Draw", ""); }

  IUnknown* Unknown() { return static_cast<IFretboardSettings2*>(this); }
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
