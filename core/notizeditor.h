#pragma once
// The note store's view of the main window's editor: it only reads and
// replaces the whole text. The window implements it; tests fake it.

#include <string>

class CNotizEditor {
public:
    virtual ~CNotizEditor() = default;
    // Whole text as Windows-1252 bytes with "\r\n" line ends.
    virtual std::string TextLesen() const = 0;
    virtual void TextSetzen(const std::string& text) = 0;
};
