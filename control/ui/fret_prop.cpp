#include "control/ui/fret_prop.h"

#include <span>
#include <string_view>

#include "control/ui/dialog_ids.h"

namespace scalewright {

namespace {

template <class Interface>
std::vector<Interface*> Pointers(const std::vector<com::ComPtr<Interface>>& objects) {
  std::vector<Interface*> pointers;
  for (const auto& object : objects) pointers.push_back(object.get());
  return pointers;
}

}  // namespace

HRESULT CreateFretProp(IUnknown* outer, REFIID riid, void** ppv) {
  return com::CreateComInstance<CFretProp>(outer, riid, ppv);
}

CFretProp::CFretProp() : m_platform(Module()) {
  Describe(IDD_FRETPROP, IDS_TITLE_FRETPROP, IDS_DOCSTRING_FRETPROP);
}

CFretProp::~CFretProp() {
  // The inner dialog goes with the page window, before its object.
  ClosePage();
  m_dialog.reset();
}

HRESULT CFretProp::WriteBack() {
  const SFretPropValues values = m_dialog->ReadValues();
  const std::string modeName = m_dialog->SelectedModeName();
  const auto settings = ObjectsAnswering<IFretboardSettings>(IID_IFretboardSettings);
  WriteSettings(values, modeName, std::span<IFretboardSettings* const>(Pointers(settings)));
  // Controls from before the later options lack their interface.
  const auto options = ObjectsAnswering<IFretboardSettings2>(IID_IFretboardSettings2);
  WriteOptions(values, std::span<IFretboardSettings2* const>(Pointers(options)));
  return S_OK;
}

void CFretProp::OnPageCreated(HWND page) {
  const auto settings = ObjectsAnswering<IFretboardSettings>(IID_IFretboardSettings);
  const CWinModePlatform& platform = m_platform;
  SGatheredSettings gathered = GatherSettings(
      std::span<IFretboardSettings* const>(Pointers(settings)),
      [&platform](std::string_view a, std::string_view b) { return platform.EqualNoCase(a, b); });
  const auto options = ObjectsAnswering<IFretboardSettings2>(IID_IFretboardSettings2);
  GatherOptions(std::span<IFretboardSettings2* const>(Pointers(options)), gathered);
  // Each activation starts from the objects afresh.
  m_dialog =
      std::make_unique<CFretPropDlg>(m_platform, std::move(gathered), [this] { SetDirty(true); });
  HWND inner = m_dialog->Create(Module(), page);
  if (!inner) return;
  RECT client{};
  ::GetClientRect(page, &client);
  ::MoveWindow(inner, 0, 0, client.right, client.bottom, TRUE);
}

void CFretProp::OnPageSized(int width, int height) {
  if (m_dialog && m_dialog->Hwnd()) ::MoveWindow(m_dialog->Hwnd(), 0, 0, width, height, TRUE);
}

}  // namespace scalewright
