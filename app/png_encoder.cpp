#include "app/png_encoder.h"

#include <ole2.h>
#include <wincodec.h>

#include "app/memory_stream.h"
#include "framework/com/com_ptr.h"

namespace scalewright::app {

HRESULT EncodePng(const unsigned char* rows, int width, int height, int stride, std::string& png) {
  if (!rows || width <= 0 || height <= 0 || stride < width * 3) return E_INVALIDARG;
  com::ComPtr<IWICImagingFactory> factory;
  HRESULT hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, factory.put_void());
  if (FAILED(hr)) return hr;
  com::ComPtr<IStream> memory;
  hr = ::CreateStreamOnHGlobal(nullptr, TRUE, memory.put());
  if (FAILED(hr)) return hr;
  com::ComPtr<IWICBitmapEncoder> encoder;
  hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put());
  if (FAILED(hr)) return hr;
  hr = encoder->Initialize(memory.get(), WICBitmapEncoderNoCache);
  if (FAILED(hr)) return hr;
  com::ComPtr<IWICBitmapFrameEncode> frame;
  com::ComPtr<IPropertyBag2> options;
  hr = encoder->CreateNewFrame(frame.put(), options.put());
  if (FAILED(hr)) return hr;
  hr = frame->Initialize(options.get());
  if (FAILED(hr)) return hr;
  hr = frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height));
  if (FAILED(hr)) return hr;
  // The encoder answers with the format it will write; only the one the
  // rows are in will do.
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  hr = frame->SetPixelFormat(&format);
  if (FAILED(hr)) return hr;
  if (!::IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
    return WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
  const UINT bytes = static_cast<UINT>(stride) * static_cast<UINT>(height);
  hr = frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(stride), bytes,
                          const_cast<BYTE*>(rows));
  if (FAILED(hr)) return hr;
  hr = frame->Commit();
  if (FAILED(hr)) return hr;
  hr = encoder->Commit();
  if (FAILED(hr)) return hr;
  return MemoryStreamBytes(memory.get(), png);
}

}  // namespace scalewright::app
