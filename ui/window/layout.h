#pragma once
// The main window's controls, all made in code in one pass from WM_CREATE.

// Creates the 27 controls with their texts, places, fonts and first states,
// shows the first tip and, last, starts the update check. A control whose
// window cannot be made is simply missing.
void CreateControls();
