#pragma once
// The one global text: the note and find dialogs leave their text here when
// closed with "OK"; the search report takes its term from it and lower-cases
// it in place.

#include <string>

extern std::string g_strDialogText;
