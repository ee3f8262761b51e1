#pragma once
// How the keyboard reaches the program's buttons, in every window, Qt's own
// message boxes and file dialogs included:
// - One press is one click. Return, keypad Enter and Space act once per key
//   press; a held key acts again only after it was released. A window or
//   question that opens while one of them is down takes no answer from it
//   until it is released and pressed again. A held key still types in the
//   text box it went down in (Space, and Return in a text of several lines).
// - Return and keypad Enter press the focused command button, as Space
//   does. Qt does this by itself only for the buttons of dialogs, which keep
//   it.
// - An access key (Alt and a button's underlined letter) moves the focus to
//   its button as well as clicking it, so the control left loses the focus
//   (a number typed there is taken) before the click runs.
// Installed once on the application, before any window opens.
void InstallKeyConventions();
