#include "berichtszeilen.h"

#include <algorithm>
#include <cstring>
#include <ranges>
#include <string_view>
#include <utility>

#include "textwandlung.h"

Berichtszeilen::Berichtszeilen(std::string bytes) : m_bytes(std::move(bytes)) {
    // memchr finds the line feeds, many bytes at a time; a report's lines
    // end in CR LF, and a lone CR, rare, is looked for between them.
    const char* const anfang = m_bytes.data();
    const char* const ende = anfang + m_bytes.size();
    qsizetype paare = 0;  // CR LF so far, each one character shown
    for (const char* p = anfang; p < ende;) {
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', std::size_t(ende - p)));
        const char* bis = lf != nullptr ? lf : ende;
        const auto* cr = static_cast<const char*>(std::memchr(p, '\r', std::size_t(bis - p)));
        const char* zeilenende;
        bool crLf = false;
        if (cr != nullptr && cr + 1 != lf) {  // a lone CR
            zeilenende = cr;
        } else if (lf != nullptr) {
            zeilenende = lf;
            crLf = cr != nullptr;  // else a lone LF
        } else {
            break;
        }
        if (crLf)
            ++paare;
        else if (m_paare.empty())  // every line before ended in CR LF
            for (qsizetype z = 0; z < Zeilen(); ++z) m_paare.push_back(z);
        p = zeilenende + 1;
        m_byte.push_back(std::size_t(p - anfang));
        if (!m_paare.empty()) m_paare.push_back(paare);
    }
    m_zeichen = qsizetype(m_bytes.size()) - paare;
    // Held as long as the report is open, or on the clipboard after it.
    m_byte.shrink_to_fit();
    m_paare.shrink_to_fit();
}

qsizetype Berichtszeilen::Laenge(qsizetype zeile) const {
    const qsizetype ende = zeile + 1 < Zeilen() ? Anfang(zeile + 1) - 1 : m_zeichen;
    return ende - Anfang(zeile);
}

qsizetype Berichtszeilen::ZeileBei(qsizetype pos) const {
    const auto zeilen = std::views::iota(qsizetype(0), Zeilen());
    const auto nach =
        std::ranges::partition_point(zeilen, [&](qsizetype z) { return Anfang(z) <= pos; });
    return qsizetype(nach - zeilen.begin()) - 1;
}

std::size_t Berichtszeilen::Byte(qsizetype pos) const {
    pos = std::clamp<qsizetype>(pos, 0, m_zeichen);
    const qsizetype z = ZeileBei(pos);
    return m_byte[std::size_t(z)] + std::size_t(pos - Anfang(z));
}

QString Berichtszeilen::Zeile(qsizetype zeile) const {
    return textwandlung::VonKern(
        std::string_view(m_bytes).substr(m_byte[std::size_t(zeile)], std::size_t(Laenge(zeile))));
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
    if (m_paare.empty()) return m_bytes;
    std::string text;
    text.reserve(m_bytes.size() + std::size_t(Zeilen()));
    for (qsizetype z = 0; z < Zeilen(); ++z) {
        if (z > 0) text += "\r\n";
        text.append(m_bytes, m_byte[std::size_t(z)], std::size_t(Laenge(z)));
    }
    return text;
}

std::string Berichtszeilen::KernTextHergeben() {
    std::string text = m_paare.empty() ? std::move(m_bytes) : KernText();
    *this = Berichtszeilen();
    return text;
}

bool Berichtszeilen::HatNullzeichen() const {
    return std::memchr(m_bytes.data(), '\0', m_bytes.size()) != nullptr;
}
