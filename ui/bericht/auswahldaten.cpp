#include "auswahldaten.h"

#include <QStringList>
#include <QVariant>
#include <utility>

namespace {
const QString kText = QStringLiteral("text/plain");
}  // namespace

CAuswahldaten::CAuswahldaten(std::shared_ptr<const Berichtszeilen> zeilen, qsizetype von,
                             qsizetype bis)
    : m_zeilen(std::move(zeilen)), m_von(von), m_bis(bis) {}

QStringList CAuswahldaten::formats() const {
    return {kText};
}

bool CAuswahldaten::hasFormat(const QString& art) const {
    return art == kText;
}

QVariant CAuswahldaten::retrieveData(const QString& art, QMetaType) const {
    if (art != kText) return {};
    // As Qt's box copies its plain text: line ends "\n", no-break spaces as
    // blanks.
    return m_zeilen->Text(m_von, m_bis).replace(QChar::Nbsp, u' ');
}
