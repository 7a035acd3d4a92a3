#include "auswahldaten.h"

#include <QStringList>
#include <QVariant>
#include <utility>

namespace {
const QString kText = QStringLiteral("text/plain");
}

CAuswahldaten::CAuswahldaten(std::shared_ptr<const Berichtszeilen> zeilen, qsizetype von,
                             qsizetype bis)
    : m_zeilen(std::move(zeilen)), m_von(von), m_bis(bis) {}

QString CAuswahldaten::Text(const Berichtszeilen& zeilen, qsizetype von, qsizetype bis) {
    QString text = zeilen.Text(von, bis);
    return text.replace(QChar::Nbsp, u' ');
}

QStringList CAuswahldaten::formats() const {
    return {kText};
}

bool CAuswahldaten::hasFormat(const QString& art) const {
    return art == kText;
}

QVariant CAuswahldaten::retrieveData(const QString& art, QMetaType) const {
    if (art != kText) return {};
    return Text(*m_zeilen, m_von, m_bis);
}
