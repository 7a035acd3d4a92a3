#pragma once
// What the window must show, worked out without the program's own code:
// the Windows-1252 table, report headers and lines from QDate, and a
// readable pointer to the first byte where two long texts part.

#include <QDate>
#include <QString>
#include <cstdio>
#include <string>

namespace erwartung {

// The characters of Windows-1252 bytes 0x80-0x9F; 0 where the code page
// leaves the byte undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
inline constexpr char16_t kObereSteuerzone[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Every printable character Windows-1252 defines, with the byte it is
// stored as: blank to tilde, the 27 of 0x80-0x9F, and 0xA0-0xFF.
struct Alphabet {
    QString zeichen;
    std::string bytes;  // bytes[i] is zeichen[i]
};

inline Alphabet Druckbar1252() {
    Alphabet a;
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (b == 0x7F) continue;
        char16_t c = static_cast<char16_t>(b);
        if (b >= 0x80 && b <= 0x9F) {
            c = kObereSteuerzone[b - 0x80];
            if (c == 0) continue;
        }
        a.zeichen += QChar(c);
        a.bytes += static_cast<char>(b);
    }
    return a;
}

// Windows-1252 bytes as text; an undefined byte becomes the control
// character of the same number.
inline QString Aus1252(const std::string& bytes) {
    QString text;
    for (unsigned char b : bytes) {
        const char16_t c = b >= 0x80 && b <= 0x9F ? kObereSteuerzone[b - 0x80] : b;
        text += QChar(c != 0 ? c : b);
    }
    return text;
}

inline const char* kMonat[12] = {"Jan", "Feb", "M\xE4r", "Apr", "Mai", "Jun",
                                 "Jul", "Aug", "Sep",    "Okt", "Nov", "Dez"};
inline const char* kWochentag[7] = {"Mont", "Dien", "Mitt", "Donn", "Frei", "Sams", "Sonn"};

// Header line of a search report section.
inline std::string Kopf(const QDate& tag) {
    char zeile[80];
    std::snprintf(zeile, sizeof zeile, "==========\tNotiz f\xFCr %02d. %s %d, %s\t==========\r\n",
                  tag.day(), kMonat[tag.month() - 1], tag.year(), kWochentag[tag.dayOfWeek() - 1]);
    return zeile;
}

inline std::string Abschnitt(const QDate& tag, const std::string& notiz) {
    return Kopf(tag) + notiz + "\r\n";
}

// An appointment line `tage` days after the report's day (0 = that day),
// reported at a moment after midnight.
inline std::string Terminzeile(const QDate& tag, int tage, const std::string& text) {
    char spalte[16];
    if (tage == 0)
        std::snprintf(spalte, sizeof spalte, "Heute\t");
    else if (tage == 1)
        std::snprintf(spalte, sizeof spalte, "Morgen\t");
    else if (tage == 2)
        std::snprintf(spalte, sizeof spalte,
                      "\xDC"
                      "bermorgen");
    else
        std::snprintf(spalte, sizeof spalte, "%03d\t", tage);
    char zeile[80];
    std::snprintf(zeile, sizeof zeile, "%02d. %s\t%d\t%s\t%s\t", tag.day(), kMonat[tag.month() - 1],
                  tag.year(), kWochentag[tag.dayOfWeek() - 1], spalte);
    return zeile + text + "\r\n";
}

inline QString Beschriftung(const QDate& tag) {
    return QStringLiteral("Notiz für Tag  ") + tag.toString(QStringLiteral("dd.MM.yyyy"));
}

// "" when equal; otherwise where they part and a few bytes around it.
inline QByteArray Unterschied(const std::string& ist, const std::string& soll) {
    if (ist == soll) return {};
    std::size_t i = 0;
    while (i < ist.size() && i < soll.size() && ist[i] == soll[i]) ++i;
    const std::size_t von = i < 20 ? 0 : i - 20;
    return QByteArray("parts at byte ") + QByteArray::number(qulonglong(i)) + " of " +
           QByteArray::number(qulonglong(ist.size())) + "/" +
           QByteArray::number(qulonglong(soll.size())) + ": got \"" +
           QByteArray::fromStdString(ist.substr(von, 40)).toPercentEncoding(" \"") + "\" want \"" +
           QByteArray::fromStdString(soll.substr(von, 40)).toPercentEncoding(" \"") + "\"";
}

}  // namespace erwartung

#define BYTEGLEICH(ist, soll)                                                  \
    do {                                                                       \
        const QByteArray unterschied_ = erwartung::Unterschied((ist), (soll)); \
        QVERIFY2(unterschied_.isEmpty(), unterschied_.constData());            \
    } while (false)
