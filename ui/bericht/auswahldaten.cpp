#include "auswahldaten.h"

#include <utility>

CAuswahldaten::CAuswahldaten(std::shared_ptr<const Berichtszeilen> zeilen, qsizetype von,
                             qsizetype bis)
    : m_zeilen(std::move(zeilen)), m_von(von), m_bis(bis) {}

QString CAuswahldaten::Text() const {
    // As Qt's box copies its plain text: line ends "\n", no-break spaces as
    // blanks.
    return m_zeilen->Text(m_von, m_bis).replace(QChar::Nbsp, u' ');
}
