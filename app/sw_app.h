// CSWApp: SW's application object.
#pragma once

#include "framework/docview/app.h"

namespace scalewright::app {

class CSWApp final : public docview::CWinApp {
 protected:
  bool InitInstance() override;
  void OnAppAbout() override;
};

}  // namespace scalewright::app
