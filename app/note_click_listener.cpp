#include "app/note_click_listener.h"

#include <new>

namespace scalewright::app {

namespace {

class CNoteClickListener final : public IFretboardSoundSite {
 public:
  explicit CNoteClickListener(HWND view) : m_view(view) {}

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IFretboardSoundSite) return E_NOINTERFACE;
    *out = static_cast<IFretboardSoundSite*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&m_refs); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }

  void OnNoteClicked(const SSoundNote& note) override {
    ::PostMessageW(m_view, kPlayNote, MAKEWPARAM(note.string, note.fret), note.note);
  }

 private:
  LONG m_refs = 1;
  HWND m_view;
};

}  // namespace

IFretboardSoundSite* NewNoteClickListener(HWND view) {
  return new (std::nothrow) CNoteClickListener(view);
}

}  // namespace scalewright::app
