#include "dialogtext.h"

std::string g_strDialogText;
