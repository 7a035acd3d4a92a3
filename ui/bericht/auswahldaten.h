#pragma once
// A report's selection as the clipboard, the X11 selection and a drag
// carry it. The text is made only when another program or a paste asks for
// it: selecting all of a report of megabytes, which hands the selection to
// X11 at once, would otherwise copy the whole report on every selection
// change. The report is held, not copied, so the text stays the same after
// its dialog is gone; a report never changes while shown.

#include <memory>

#include "berichtszeilen.h"
#include "textdaten.h"

class CAuswahldaten : public CTextdaten {
public:
    CAuswahldaten(std::shared_ptr<const Berichtszeilen> zeilen, qsizetype von, qsizetype bis);

protected:
    QString Text() const override;

private:
    std::shared_ptr<const Berichtszeilen> m_zeilen;
    qsizetype m_von, m_bis;
};
