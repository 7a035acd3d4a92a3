#include "textwandlung.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <optional>
#include <stdexcept>

namespace textwandlung {

namespace {

constexpr auto kCodepage = "windows-1252";

// A fresh converter for every text: Qt 6.4's ICU converters keep an error
// once seen, even after resetState(). Returned as a prvalue, so it is built
// in place: an ICU converter's error callback points at the encoder it was
// made in, and a moved encoder no longer learns of errors.
QStringEncoder Kodierer() {
    return QStringEncoder(kCodepage, QStringConverter::Flag::Stateless);
}

QStringDecoder Dekodierer() {
    return QStringDecoder(kCodepage, QStringConverter::Flag::Stateless);
}

void Pruefen(const QStringConverter& wandler) {
    if (!wandler.isValid())
        throw std::runtime_error(
            "Qt bietet keine Umwandlung von und nach Windows-1252 (ICU fehlt)");
}

bool IstZeilenende(char16_t c) {
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Whether 1252 holds the character. `kodierer` is reused while it works
// and made anew after an error, which it would otherwise keep.
bool KannHalten(QStringView zeichen, std::optional<QStringEncoder>& kodierer) {
    // 1252 could store NUL, but text copied out of a note ends there in
    // most other programs; a note has no use for it.
    if (zeichen.size() == 1 && zeichen.front() == u'\0') return false;
    if (zeichen.size() == 1 &&
        (zeichen.front().unicode() < 0x80 || IstZeilenende(zeichen.front().unicode())))
        return true;
    if (!kodierer)  // constructed in place, not moved (see Kodierer)
        kodierer.emplace(kCodepage, QStringConverter::Flag::Stateless);
    (void)QByteArray((*kodierer)(zeichen));
    if (!kodierer->hasError()) return true;
    kodierer.reset();
    return false;
}

}  // namespace

std::string NachKern(const QString& text) {
    // Written through a pointer into room for the worst case: appended
    // character by character, megabytes took a call each.
    QString mitCrLf(2 * text.size(), Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(mitCrLf.data());
    const char16_t* const von = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = von[i];
        if (c == u'\r' && i + 1 < n && von[i + 1] == u'\n')
            continue;  // the LF that follows writes the pair
        if (c == u'\0') throw std::invalid_argument("Text mit Nullzeichen");
        if (IstZeilenende(c)) {
            *ziel++ = u'\r';
            *ziel++ = u'\n';
        } else {
            *ziel++ = c;
        }
    }
    mitCrLf.truncate(qsizetype(ziel - reinterpret_cast<char16_t*>(mitCrLf.data())));
    QStringEncoder kodierer = Kodierer();
    Pruefen(kodierer);
    const QByteArray bytes = kodierer(mitCrLf);
    if (kodierer.hasError())
        throw std::invalid_argument("Text mit Zeichen, die Windows-1252 nicht kennt");
    return bytes.toStdString();
}

namespace {

// Each byte's character, as Qt's codec decodes it, asked once: a byte-wise
// table then decodes a report of megabytes in one pass, line ends included.
const std::array<char16_t, 256>& Zeichentabelle() {
    static const std::array<char16_t, 256> tabelle = [] {
        QStringDecoder dekodierer = Dekodierer();
        Pruefen(dekodierer);
        char bytes[256];
        for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
        const QString zeichen = dekodierer(QByteArrayView(bytes, sizeof bytes));
        if (zeichen.size() != 256 || dekodierer.hasError())
            throw std::runtime_error("Windows-1252 wird nicht Byte um Byte dekodiert");
        std::array<char16_t, 256> t{};
        for (int i = 0; i < 256; ++i) t[i] = zeichen.at(i).unicode();
        return t;
    }();
    return tabelle;
}

}  // namespace

namespace {

// The line end after line `zeile` (counted from 1) of a text in groups.
char16_t Zeilenende(qsizetype zeile, qsizetype zeilenJeAbsatz) {
    return zeile % zeilenJeAbsatz == 0 ? u'\n' : char16_t(QChar::LineSeparator);
}

// Puts the LF line ends of [von, bis), the text's first lines, into groups.
void Gruppieren(char16_t* von, char16_t* bis, qsizetype zeilenJeAbsatz) {
    qsizetype zeile = 0;
    for (char16_t* c = von; c != bis; ++c) {
        if (*c == u'\n') *c = Zeilenende(++zeile, zeilenJeAbsatz);
    }
}

}  // namespace

QString VonKern(std::string_view bytes, qsizetype zeilenJeAbsatz) {
    // Every byte decodes; the five bytes 1252 leaves open become U+0081,
    // U+008D, U+008F, U+0090 and U+009D and encode back to themselves.
    const auto& tabelle = Zeichentabelle();
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    char16_t* const anfang = reinterpret_cast<char16_t*>(text.data());
    char16_t* ziel = anfang;
    const std::size_t n = bytes.size();
    qsizetype zeilen = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b != '\r' && b != '\n') {
            *ziel++ = tabelle[b];
            continue;
        }
        // CR LF, a lone CR and a lone LF alike
        if (b == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
        ++zeilen;
        if (zeilenJeAbsatz == 0 || zeilen <= zeilenJeAbsatz) {
            *ziel++ = u'\n';
            continue;
        }
        // Only now is the text known to be long: its first lines are grouped
        // once, the rest as they come.
        if (zeilen == zeilenJeAbsatz + 1) Gruppieren(anfang, ziel, zeilenJeAbsatz);
        *ziel++ = Zeilenende(zeilen, zeilenJeAbsatz);
    }
    text.truncate(qsizetype(ziel - anfang));
    return text;
}

void InAbsaetze(QString& text, qsizetype zeilenJeAbsatz) {
    if (text.contains(u'\r'))
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    qsizetype zeilen = 0;
    for (qsizetype i = text.indexOf(u'\n'); i >= 0 && zeilen <= zeilenJeAbsatz;
         i = text.indexOf(u'\n', i + 1))
        ++zeilen;
    if (zeilen <= zeilenJeAbsatz) return;
    char16_t* const anfang = reinterpret_cast<char16_t*>(text.data());
    Gruppieren(anfang, anfang + text.size(), zeilenJeAbsatz);
}

QString NichtDarstellbar(const QString& text) {
    // A widget's raw text separates its lines with U+2029, which 1252 has
    // no byte for; line ends are holdable, so they must not send every
    // multi-line text down the slow path below.
    QString probe = text;
    probe.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    QStringEncoder ganz = Kodierer();
    Pruefen(ganz);
    (void)QByteArray(ganz(probe));
    if (!ganz.hasError() && !probe.contains(QChar(u'\0'))) return QString();
    QString fremd;
    std::optional<QStringEncoder> kodierer;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype laenge = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            laenge = 2;
        const QStringView zeichen = QStringView(text).mid(i, laenge);
        if (!KannHalten(zeichen, kodierer) && !fremd.contains(zeichen)) fremd += zeichen;
        i += laenge;
    }
    return fremd;
}

}  // namespace textwandlung
