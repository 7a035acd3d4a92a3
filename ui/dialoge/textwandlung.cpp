#include "textwandlung.h"

#include <QStringDecoder>
#include <QStringEncoder>
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
    QString mitCrLf;
    mitCrLf.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue;  // the LF that follows writes the pair
        if (IstZeilenende(c))
            mitCrLf += QStringLiteral("\r\n");
        else
            mitCrLf += QChar(c);
    }
    if (mitCrLf.contains(QChar(u'\0'))) throw std::invalid_argument("Text mit Nullzeichen");
    QStringEncoder kodierer = Kodierer();
    Pruefen(kodierer);
    const QByteArray bytes = kodierer(mitCrLf);
    if (kodierer.hasError())
        throw std::invalid_argument("Text mit Zeichen, die Windows-1252 nicht kennt");
    return bytes.toStdString();
}

QString VonKern(const std::string& bytes) {
    // Every byte decodes; the five bytes 1252 leaves open become U+0081,
    // U+008D, U+008F, U+0090 and U+009D and encode back to themselves.
    QStringDecoder dekodierer = Dekodierer();
    Pruefen(dekodierer);
    QString text = dekodierer(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
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
