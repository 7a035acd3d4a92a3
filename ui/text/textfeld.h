#pragma once
// The note dialog's text box, whichever it shows: the editor for a note
// (CNotizEdit) or the report box for a report (CBerichtsansicht). Both are
// scroll areas of their own; the dialog reaches either only through this.

#include <string>

class QAbstractScrollArea;

class CTextfeld {
public:
    virtual ~CTextfeld() = default;

    // The box as a widget: placed, named, focused and labelled by the dialog.
    virtual QAbstractScrollArea* Feld() = 0;

    // Whether the core can take the text as it stands; if not, the box says
    // so where the user is (a beep, a tool tip) and keeps it.
    virtual bool KernTextAnnehmbar() = 0;

    // The whole text as the core holds it (Windows-1252, "\r\n"), for a box
    // whose dialog closes: a report's bytes are handed over, not copied.
    virtual std::string KernTextHergeben() = 0;

    // Empties the box so that Undo brings the text back; a report, which
    // never changes, stays as it is.
    virtual void Leeren() = 0;
};
