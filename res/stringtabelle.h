#pragma once
// The string table: texts the program loads by number (UTF-16).

#include "resource.h"

struct StringEintrag {
    int nID;
    const char16_t* pszText;
};

inline constexpr StringEintrag kStringTabelle[] = {
    {res::IDS_ABOUTBOX, u"&Info über Dorvane..."},
};
