// Forms, the application object and the screen.
#pragma once

#include <string>

#include "Classes.h"

class TForm;

// The program's run loop, exception display and title. One instance: Application.
class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  Property<std::string, TApplication> Title{this, &TApplication::GetTitle, &TApplication::SetTitle};
  ReadOnlyProperty<TForm*, TApplication> MainForm{this, &TApplication::GetMainForm};
  ReadOnlyProperty<bool, TApplication> Terminated{this, &TApplication::GetTerminated};
  // Full path of the running program.
  ReadOnlyProperty<std::string, TApplication> ExeName{this, &TApplication::GetExeName};

  // Hands over the command line (for the Qt application object); optional.
  void SetCommandLine(int argc, char** argv);
  void Initialize();
  // Creates a form owned by the application; the first one becomes the main form.
  template <class F>
  void CreateForm(F*& reference) {
    Initialize();
    reference = new F(this);
    if (!mainForm_) mainForm_ = reference;
  }
  // Shows the main form and runs the message loop until Terminate; returns at once if
  // Terminate came first.
  void Run();
  void Terminate();
  // Handles the waiting window messages and returns.
  void ProcessMessages();
  // The exception display: call from inside a catch block.
  void HandleException(TObject* Sender);
  void ShowException(const std::exception& e);

  std::string GetTitle() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  TForm* GetMainForm() const { return mainForm_; }
  bool GetTerminated() const { return terminated_; }
  std::string GetExeName() const;

 private:
  friend class TForm;
  std::string title_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;
