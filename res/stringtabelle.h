#pragma once
// The string table: texts the program loads by number (UTF-8).

#include "resource.h"

struct StringEintrag {
    int nID;
    const char* pszText;
};

inline constexpr StringEintrag kStringTabelle[] = {
    {res::IDS_ABOUTBOX, "&Info über Dorvane..."},
};
