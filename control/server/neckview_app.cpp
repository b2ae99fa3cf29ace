#include "control/server/neckview_app.h"

#include "control/server/object_table.h"
#include "control/server/seed_modes.h"

namespace scalewright {

void CNeckviewApp::Attach(HMODULE module) {
  m_instance = module;
  // Cannot fail for the module's own table, which is never over the limit.
  m_module.Init(NeckviewObjects(), module);
}

void CNeckviewApp::Detach() { m_module.Term(); }

void CNeckviewApp::EnsureStarted() {
  ::InitOnceExecuteOnce(&m_started, &CNeckviewApp::StartOnce, this, nullptr);
}

BOOL CALLBACK CNeckviewApp::StartOnce(INIT_ONCE*, void* app, void**) {
  SeedModesFile(static_cast<CNeckviewApp*>(app)->m_instance);
  return TRUE;
}

CNeckviewApp& TheNeckviewApp() {
  static CNeckviewApp app;
  return app;
}

}  // namespace scalewright
