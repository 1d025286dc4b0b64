#include "ProgramEntry.h"

#include "Catalogue.h"
#include "Exception.h"
#include "Forms.h"
#include "Mainunit.h"

int ProgramEntry(int argc, char** argv) {
  ProgramParameters.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
  Application->SetCommandLine(argc, argv);
  // Option lists and LED colour maps exist before any window and outlive every one.
  NvCatalogueStartup();
  try {
    Application->Initialize();
    Application->Title = "NVS-7000-D";
    Application->CreateForm(MainForm);
    Application->Run();
  } catch (const Exception& e) {
    Application->ShowException(e);
  }
  // The main window goes while the window system is still there, not with the static
  // objects at process end. Closing it only hides it; it is freed here.
  delete Application->MainForm;
  MainForm = nullptr;
  NvCatalogueShutdown();
  return 0;
}
