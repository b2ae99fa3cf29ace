// CDialogPropertyPage: what every property page of the control shares. The
// page is a child window made from a dialog template; the frame's site is
// told when the page changes, and the objects it edits are kept for the
// page to read and, on Apply, write.
//
// Frames that never call Apply or IsPageDirty (Wine's) still work: the page
// hooks PSN_APPLY on its wrapper window and tells the sheet when it changes.
//
// A page class derives through com::CComObject<Page, CDialogPropertyPage>
// and says what its window holds and how it writes back.
#pragma once

#include <windows.h>

#include <ocidl.h>

#include <vector>

#include "framework/com/com_ptr.h"
#include "framework/ui/dialog.h"
#include "framework/ui/window_subclass.h"

namespace scalewright {

class CDialogPropertyPage : public IPropertyPage {
 public:
  // IPropertyPage
  HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
  HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) override;
  HRESULT STDMETHODCALLTYPE Deactivate() override;
  HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
  HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
  HRESULT STDMETHODCALLTYPE Show(UINT command) override;
  HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) override;
  HRESULT STDMETHODCALLTYPE IsPageDirty() override;
  HRESULT STDMETHODCALLTYPE Apply() override;
  HRESULT STDMETHODCALLTYPE Help(LPCOLESTR helpDir) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg) override;

 protected:
  CDialogPropertyPage();
  // The page window's template, and the string ids of its title and
  // description; before the first Activate.
  void Describe(int pageTemplate, UINT titleId, UINT docStringId);
  virtual ~CDialogPropertyPage();
  CDialogPropertyPage(const CDialogPropertyPage&) = delete;
  CDialogPropertyPage& operator=(const CDialogPropertyPage&) = delete;

  // The page window exists: fill it from the objects, afresh each time.
  virtual void OnPageCreated(HWND page) = 0;
  // A control of the page window tells of a change; true when handled.
  virtual bool OnPageCommand(int /*id*/, int /*code*/) { return false; }
  // The frame sized the page window.
  virtual void OnPageSized(int /*width*/, int /*height*/) {}
  // Writes the page's values to the objects (Apply).
  virtual HRESULT WriteBack() = 0;
  // Whether there is anything to write: false before the page first opens.
  virtual bool CanWriteBack() const = 0;

  // Closes the page window; for a derived destructor whose members the
  // window's controls still use.
  void ClosePage();
  void SetDirty(bool dirty);
  bool Dirty() const { return m_dirty; }
  HMODULE Module() const { return m_module; }
  HWND PageWindow() const { return m_window.Hwnd(); }
  // The objects answering |iid| (the others are passed over).
  template <class Interface>
  std::vector<com::ComPtr<Interface>> ObjectsAnswering(const IID& iid) const {
    std::vector<com::ComPtr<Interface>> found;
    for (const auto& object : m_objects) {
      com::ComPtr<Interface> one;
      if (object && SUCCEEDED(object.As(iid, one)) && one) found.push_back(std::move(one));
    }
    return found;
  }

 private:
  class CPageWindow final : public ui::CDialog {
   public:
    explicit CPageWindow(CDialogPropertyPage& page) : m_page(page) {}

   private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    CDialogPropertyPage& m_page;
  };

  HRESULT ActivateWindow(HWND parent, LPCRECT rect);
  void NotifySheetChanged();
  bool OnWrapperMessage(UINT message, LPARAM lParam);

  int m_template = 0;
  UINT m_titleId = 0, m_docStringId = 0;
  HMODULE m_module;
  com::ComPtr<IPropertyPageSite> m_site;
  std::vector<com::ComPtr<IUnknown>> m_objects;
  bool m_dirty = false;
  CPageWindow m_window{*this};
  ui::CWindowSubclass m_wrapper;
};

}  // namespace scalewright
