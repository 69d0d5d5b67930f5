#pragma once
// What both programs do to the application object before the window exists.

// Sets the title, the name under which the birthday folder is found (the same
// for the program and the snapshot tool) and the program icon.
void InitApplicationObject();
