// What a control says about itself: IProvideClassInfo2 (its class from the
// type library and its default source interface), ISupportErrorInfo and
// ISpecifyPropertyPages.
#pragma once

#include <windows.h>

#include <oaidl.h>
#include <ocidl.h>

namespace scalewright::ole {

class CControlCore;

class CProvideClassInfo : public IProvideClassInfo2 {
 public:
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;

 protected:
  virtual CControlCore& Core() = 0;
  ~CProvideClassInfo() = default;
};

class CSupportErrorInfo : public ISupportErrorInfo {
 public:
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

 protected:
  virtual CControlCore& Core() = 0;
  ~CSupportErrorInfo() = default;
};

class CSpecifyPropertyPages : public ISpecifyPropertyPages {
 public:
  HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

 protected:
  virtual CControlCore& Core() = 0;
  ~CSpecifyPropertyPages() = default;
};

}  // namespace scalewright::ole
