// SW.exe: the multiple-document fretboard application.
#include <windows.h>

#include <ole2.h>

#include "app/sw_app.h"

int WINAPI WinMain(HINSTANCE module, HINSTANCE, LPSTR, int showCommand) {
  // Control containment and the property frame need OLE on this thread.
  if (FAILED(::OleInitialize(nullptr))) return 1;
  int result = 0;
  {
    scalewright::app::CSWApp app;
    result = app.Run(module, showCommand);
  }
  ::OleUninitialize();
  return result;
}
