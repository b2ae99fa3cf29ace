// The Fretboard's pictures in other formats: SVG through the SVG canvas,
// measured with the screen's fonts as the painted board is.
#include <climits>
#include <new>
#include <string>

#include "control/win/fretboard_ctl.h"
#include "framework/gdi/gdi_text_metrics.h"
#include "framework/gfx/svg_canvas.h"

namespace scalewright {
namespace {

// The stream's failure, or a short write taken as the medium being full.
HRESULT WriteAll(IStream* out, const std::string& bytes) {
  constexpr std::size_t kChunk = 1 << 20;
  for (std::size_t done = 0; done < bytes.size();) {
    const ULONG part =
        static_cast<ULONG>(bytes.size() - done < kChunk ? bytes.size() - done : kChunk);
    ULONG written = 0;
    const HRESULT hr = out->Write(bytes.data() + done, part, &written);
    if (FAILED(hr)) return hr;
    if (written == 0) return STG_E_MEDIUMFULL;
    done += written;
  }
  return S_OK;
}

}  // namespace

HRESULT CFretboardCtl::WriteSvg(IStream* out, const RECT* bounds) {
  if (!out || !bounds) return E_POINTER;
  if (bounds->right <= bounds->left || bounds->bottom <= bounds->top) return E_INVALIDARG;
  std::string document;
  try {
    const gfx::Rect board{bounds->left, bounds->top, bounds->right, bounds->bottom};
    gfx::CGdiTextMetrics measure;
    gfx::CSvgCanvas canvas(measure, board);
    // A copy: the picture's pass must not move the cells the screen uses.
    CFretboardState state = m_state;
    PaintPass(canvas, measure, board, state);
    document = canvas.Document();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
  return WriteAll(out, document);
}

}  // namespace scalewright
