#pragma once

#include <functional>

class TFrmMain;

// Starts the program and runs it until the main window closes. `onShown`, when given,
// runs once the main window is on the screen.
int RunApplication(int& argc, char** argv, const std::function<void(TFrmMain&)>& onShown = {});

// Stands in fonts of the host's platform with the ones this system has.
void InstallFontSubstitutes();
