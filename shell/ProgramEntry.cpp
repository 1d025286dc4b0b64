#include "ProgramEntry.h"

#include "Exception.h"
#include "Forms.h"
#include "Mainunit.h"

int ProgramEntry(int argc, char** argv) {
  ProgramParameters.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
  Application->SetCommandLine(argc, argv);
  try {
    Application->Initialize();
    Application->Title = "NVS-7000-D";
    Application->CreateForm(MainForm);
    Application->Run();
  } catch (const Exception& e) {
    Application->ShowException(e);
  }
  // The main window goes while the window system is still there, not with the static
  // objects at process end. Closing it may have freed it already.
  delete Application->MainForm;
  MainForm = nullptr;
  return 0;
}
