#include "berichtszeilen.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

#include "textwandlung.h"

Berichtszeilen::Berichtszeilen(std::string bytes) : m_bytes(std::move(bytes)) {
    // memchr finds the line feeds, many bytes at a time; a report's lines
    // end in CR LF, and a lone CR, rare, is looked for between them.
    const char* const anfang = m_bytes.data();
    const char* const ende = anfang + m_bytes.size();
    std::size_t paare = 0;  // CR LF so far, each one character shown
    for (const char* p = anfang; p < ende;) {
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', std::size_t(ende - p)));
        const char* bis = lf != nullptr ? lf : ende;
        const auto* cr = static_cast<const char*>(std::memchr(p, '\r', std::size_t(bis - p)));
        const char* zeilenende;
        if (cr != nullptr && cr + 1 != lf) {  // a lone CR
            zeilenende = cr;
            m_nurCrLf = false;
        } else if (lf != nullptr) {
            zeilenende = lf;
            if (cr != nullptr)
                ++paare;
            else
                m_nurCrLf = false;  // a lone LF
        } else {
            break;
        }
        p = zeilenende + 1;
        const std::size_t byte = std::size_t(p - anfang);
        m_anfang.push_back({byte, qsizetype(byte - paare)});
    }
    m_zeichen = qsizetype(m_bytes.size() - paare);
}

qsizetype Berichtszeilen::Laenge(qsizetype zeile) const {
    const qsizetype ende = zeile + 1 < Zeilen() ? Anfang(zeile + 1) - 1 : m_zeichen;
    return ende - Anfang(zeile);
}

qsizetype Berichtszeilen::ZeileBei(qsizetype pos) const {
    const auto nach =
        std::upper_bound(m_anfang.begin(), m_anfang.end(), pos,
                         [](qsizetype p, const Anfangsstelle& a) { return p < a.zeichen; });
    return qsizetype(nach - m_anfang.begin()) - 1;
}

std::size_t Berichtszeilen::Byte(qsizetype pos) const {
    pos = std::clamp<qsizetype>(pos, 0, m_zeichen);
    const Anfangsstelle& a = m_anfang[std::size_t(ZeileBei(pos))];
    return a.byte + std::size_t(pos - a.zeichen);
}

QString Berichtszeilen::Zeile(qsizetype zeile) const {
    return textwandlung::VonKern(std::string_view(m_bytes).substr(m_anfang[std::size_t(zeile)].byte,
                                                                  std::size_t(Laenge(zeile))));
}

std::pair<qsizetype, qsizetype> Berichtszeilen::Einheit(
    qsizetype pos, QTextBoundaryFinder::BoundaryType art) const {
    const qsizetype z = ZeileBei(pos);
    const qsizetype anfang = Anfang(z);
    QTextBoundaryFinder grenzen(art, Zeile(z));
    grenzen.setPosition(pos - anfang);
    qsizetype von = pos;
    if (!(grenzen.isAtBoundary() && grenzen.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
        von = anfang + std::max<qsizetype>(0, grenzen.toPreviousBoundary());
    grenzen.setPosition(von - anfang);
    const qsizetype naechste = grenzen.toNextBoundary();
    return {von, anfang + (naechste < 0 ? Laenge(z) : naechste)};
}

QString Berichtszeilen::Text(qsizetype von, qsizetype bis) const {
    if (bis <= von) return QString();
    const std::size_t a = Byte(von);
    return textwandlung::VonKern(std::string_view(m_bytes).substr(a, Byte(bis) - a));
}

std::string Berichtszeilen::KernText() const {
    if (m_nurCrLf) return m_bytes;
    std::string text;
    text.reserve(m_bytes.size() + std::size_t(Zeilen()));
    for (qsizetype z = 0; z < Zeilen(); ++z) {
        if (z > 0) text += "\r\n";
        text.append(m_bytes, m_anfang[std::size_t(z)].byte, std::size_t(Laenge(z)));
    }
    return text;
}

bool Berichtszeilen::HatNullzeichen() const {
    return std::memchr(m_bytes.data(), '\0', m_bytes.size()) != nullptr;
}
