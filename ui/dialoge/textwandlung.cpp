#include "textwandlung.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <stdexcept>

namespace textwandlung {

namespace {

constexpr auto kCodepage = "windows-1252";

// A fresh converter for every text: Qt 6.4's ICU converters keep an error
// once seen, even after resetState().
QStringEncoder Kodierer() {
    QStringEncoder kodierer(kCodepage, QStringConverter::Flag::Stateless);
    if (!kodierer.isValid())
        throw std::runtime_error("Qt bietet keine Umwandlung nach Windows-1252 (ICU fehlt)");
    return kodierer;
}

QStringDecoder Dekodierer() {
    QStringDecoder dekodierer(kCodepage, QStringConverter::Flag::Stateless);
    if (!dekodierer.isValid())
        throw std::runtime_error("Qt bietet keine Umwandlung aus Windows-1252 (ICU fehlt)");
    return dekodierer;
}

bool IstZeilenende(char16_t c) {
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool KannHalten(QStringView zeichen) {
    // 1252 could store NUL, but text copied out of a note ends there in
    // most other programs; a note has no use for it.
    if (zeichen.size() == 1 && zeichen.front() == u'\0')
        return false;
    if (zeichen.size() == 1 && (zeichen.front().unicode() < 0x80 || IstZeilenende(zeichen.front().unicode())))
        return true;
    QStringEncoder kodierer = Kodierer();
    (void)QByteArray(kodierer(zeichen));
    return !kodierer.hasError();
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
    if (mitCrLf.contains(QChar(u'\0')))
        throw std::invalid_argument("Text mit Nullzeichen");
    QStringEncoder kodierer = Kodierer();
    const QByteArray bytes = kodierer(mitCrLf);
    if (kodierer.hasError())
        throw std::invalid_argument("Text mit Zeichen, die Windows-1252 nicht kennt");
    return bytes.toStdString();
}

QString VonKern(const std::string& bytes) {
    // Every byte decodes; the five bytes 1252 leaves open become U+0081,
    // U+008D, U+008F, U+0090 and U+009D and encode back to themselves.
    QStringDecoder dekodierer = Dekodierer();
    QString text = dekodierer(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

QString NichtDarstellbar(const QString& text) {
    QStringEncoder ganz = Kodierer();
    (void)QByteArray(ganz(text));
    if (!ganz.hasError() && !text.contains(QChar(u'\0')))
        return QString();
    QString fremd;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype laenge = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            laenge = 2;
        const QStringView zeichen = QStringView(text).mid(i, laenge);
        if (!KannHalten(zeichen) && !fremd.contains(zeichen))
            fremd += zeichen;
        i += laenge;
    }
    return fremd;
}

}  // namespace textwandlung
