#include "framework/ole/data_object.h"

#include <ole2.h>

#include <memory>
#include <type_traits>

#include "framework/ole/control_core.h"

namespace scalewright::ole {

using com::ComPtr;

namespace {

constexpr int kHimetricPerInch = 2540;

struct CMetaFileDcCloser {
  // Only when the recording is abandoned; CloseMetaFile ends a good one.
  void operator()(HDC dc) const { ::DeleteMetaFile(::CloseMetaFile(dc)); }
};
struct CMetaFileDeleter {
  void operator()(HMETAFILE metafile) const { ::DeleteMetaFile(metafile); }
};
struct CGlobalFreer {
  void operator()(HGLOBAL memory) const { ::GlobalFree(memory); }
};
using CMetaFileDc = std::unique_ptr<std::remove_pointer_t<HDC>, CMetaFileDcCloser>;
using CMetaFile = std::unique_ptr<std::remove_pointer_t<HMETAFILE>, CMetaFileDeleter>;
using CGlobal = std::unique_ptr<void, CGlobalFreer>;

// The one rendering a control offers: a metafile picture of its content.
bool IsContentPicture(const FORMATETC& format) {
  return format.cfFormat == CF_METAFILEPICT && format.dwAspect == DVASPECT_CONTENT &&
         (format.tymed & TYMED_MFPICT) != 0;
}

// The picture at the extent's size in screen pixels, scaled by its reader.
HRESULT RenderPicture(CControlCore& core, STGMEDIUM& medium) {
  const SIZEL extent = core.Extent();
  HDC screen = ::GetDC(nullptr);
  const int dpiX = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 96;
  const int dpiY = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  const RECT bounds = {0, 0, ::MulDiv(extent.cx, dpiX, kHimetricPerInch),
                       ::MulDiv(extent.cy, dpiY, kHimetricPerInch)};
  CMetaFileDc recorder(::CreateMetaFileW(nullptr));
  if (!recorder) return E_OUTOFMEMORY;
  ::SetWindowOrgEx(recorder.get(), 0, 0, nullptr);
  ::SetWindowExtEx(recorder.get(), bounds.right, bounds.bottom, nullptr);
  core.OnDraw(recorder.get(), bounds);
  CMetaFile metafile(::CloseMetaFile(recorder.release()));
  if (!metafile) return E_OUTOFMEMORY;
  CGlobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, sizeof(METAFILEPICT)));
  if (!memory) return E_OUTOFMEMORY;
  auto* picture = static_cast<METAFILEPICT*>(::GlobalLock(memory.get()));
  if (!picture) return E_OUTOFMEMORY;
  picture->mm = MM_ANISOTROPIC;
  picture->xExt = extent.cx;
  picture->yExt = extent.cy;
  picture->hMF = metafile.release();
  ::GlobalUnlock(memory.get());
  medium.tymed = TYMED_MFPICT;
  medium.hMetaFilePict = memory.release();
  return S_OK;
}

}  // namespace

HRESULT CDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!format || !medium) return E_POINTER;
  medium->tymed = TYMED_NULL;
  medium->hGlobal = nullptr;
  medium->pUnkForRelease = nullptr;
  if (!IsContentPicture(*format)) return DV_E_FORMATETC;
  try {
    return RenderPicture(Core(), *medium);
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT CDataObject::GetDataHere(FORMATETC* format, STGMEDIUM* medium) {
  if (!format || !medium) return E_POINTER;
  return DV_E_FORMATETC;
}

HRESULT CDataObject::QueryGetData(FORMATETC* format) {
  if (!format) return E_POINTER;
  return IsContentPicture(*format) ? S_OK : DV_E_FORMATETC;
}

HRESULT CDataObject::GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) {
  if (!in || !out) return E_POINTER;
  // The same rendering for every device.
  *out = *in;
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT CDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT CDataObject::EnumFormatEtc(DWORD, IEnumFORMATETC** formats) {
  if (!formats) return E_POINTER;
  *formats = nullptr;
  return E_NOTIMPL;
}

HRESULT CDataObject::EnsureHolder() {
  CControlCore& core = Core();
  if (core.Links().dataAdviseHolder) return S_OK;
  return ::CreateDataAdviseHolder(core.Links().dataAdviseHolder.put());
}

HRESULT CDataObject::DAdvise(FORMATETC* format, DWORD advf, IAdviseSink* sink, DWORD* connection) {
  if (!connection) return E_POINTER;
  *connection = 0;
  if (!format || !sink) return E_INVALIDARG;
  HRESULT hr = EnsureHolder();
  if (FAILED(hr)) return hr;
  ComPtr<IDataObject> self;
  hr = Core().QueryControl(IID_IDataObject, self);
  if (FAILED(hr)) return hr;
  return Core().Links().dataAdviseHolder->Advise(self.get(), format, advf, sink, connection);
}

HRESULT CDataObject::DUnadvise(DWORD connection) {
  CControlCore& core = Core();
  if (!core.Links().dataAdviseHolder) return OLE_E_NOCONNECTION;
  return core.Links().dataAdviseHolder->Unadvise(connection);
}

HRESULT CDataObject::EnumDAdvise(IEnumSTATDATA** advise) {
  if (!advise) return E_POINTER;
  *advise = nullptr;
  const HRESULT hr = EnsureHolder();
  if (FAILED(hr)) return hr;
  return Core().Links().dataAdviseHolder->EnumAdvise(advise);
}

}  // namespace scalewright::ole
