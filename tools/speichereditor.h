#pragma once
// The main window's editor without a window: the whole text in memory.

#include <string>

#include "notizeditor.h"

class CSpeicherEditor : public CNotizEditor {
public:
    std::string TextLesen() const override { return m_strText; }
    void TextSetzen(const std::string& text) override { m_strText = text; }

private:
    std::string m_strText;
};
