#include "notizbuch.h"

void CNotizBuch::DatumWechseln(const TagesFelder& felder) {
    const Datumswert neu = datum::AusFeldern(felder);  // raises before any change
    const std::string alterSchluessel = datum::Schluessel(m_timeAktuell);
    const std::string neuerSchluessel = datum::Schluessel(neu);

    if (m_pEditor != nullptr) {
        std::string text = m_pEditor->TextLesen();
        if (text.empty()) {
            m_mapDatum.erase(alterSchluessel);
            m_mapNotiz.erase(alterSchluessel);
        } else {
            const bool neueNotiz =
                m_mapNotiz.insert_or_assign(alterSchluessel, std::move(text)).second;
            try {
                m_mapDatum.insert_or_assign(alterSchluessel, m_timeAktuell);
            } catch (...) {
                // keep both maps on the same keys
                if (neueNotiz) m_mapNotiz.erase(alterSchluessel);
                throw;
            }
        }
        const auto gefunden = m_mapNotiz.find(neuerSchluessel);
        m_pEditor->TextSetzen(gefunden != m_mapNotiz.end() ? gefunden->second : std::string());
    }
    m_timeAktuell = neu;
}

void CNotizBuch::NotizLoeschen(Datumswert wert) {
    const std::string schluessel = datum::Schluessel(wert);
    m_mapNotiz.erase(schluessel);
    m_mapDatum.erase(schluessel);
}

std::string CNotizBuch::WochentagName(Datumswert wert) {
    m_strPuffer.clear();
    if (const auto z = datum::Zerlegen(wert)) m_strPuffer = datum::WochentagName(z->wochentag);
    return m_strPuffer;
}

std::string CNotizBuch::MonatName(Datumswert wert) {
    m_strPuffer.clear();
    if (const auto z = datum::Zerlegen(wert)) m_strPuffer = datum::MonatName(z->monat);
    return m_strPuffer;
}
