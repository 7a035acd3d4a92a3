#include "textdaten.h"

#include <QStringList>
#include <QVariant>
#include <new>
#include <utility>

#include "fehlerrahmen.h"

namespace {
const QString kText = QStringLiteral("text/plain");
}  // namespace

CTextdaten::CTextdaten(QString text) : m_text(std::move(text)) {}

QStringList CTextdaten::formats() const {
    return {kText};
}

bool CTextdaten::hasFormat(const QString& art) const {
    return art == kText;
}

QVariant CTextdaten::retrieveData(const QString& art, QMetaType typ) const {
    if (art != kText) return {};
    try {
        QString text = Text();
        if (typ.id() == QMetaType::QByteArray) return text.toUtf8();
        return text;
    } catch (const std::bad_alloc&) {
        SpeichermangelMelden();
        return {};
    }
}
