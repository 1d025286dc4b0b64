// Makes the feature dialogs known to the menu's command runner by class name, with their
// global form variables. The program runs this before its main window builds the menu.
#pragma once

// Registers every dialog of this folder; calling it again changes nothing.
void NvRegisterFeatureDialogs();
