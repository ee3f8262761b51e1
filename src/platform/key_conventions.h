#pragma once
// How the keyboard reaches the program's buttons, in every window:
// - Return and keypad Enter press the focused command button, as Space
//   does, once per key press (held keys repeating click nothing more). Qt
//   does this by itself only for the buttons of dialogs, which keep it.
// - An access key (Alt and a button's underlined letter) moves the focus to
//   its button as well as clicking it, so the control left loses the focus
//   (a number typed there is taken) before the click runs.
// Installed once on the application, before any window opens.
void InstallKeyConventions();
