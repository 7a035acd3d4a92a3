#pragma once
// Plain text as the clipboard, the X11 selection and a drag carry it from
// the boxes. The window system asks for it outside any event handler, so
// a text that cannot be made for want of memory gives nothing (and the user
// is told once the event loop is back) rather than end the program. The
// text is made only when asked for: by Text(), which a box of its own may
// make lazily.

#include <QMimeData>
#include <QString>

class CTextdaten : public QMimeData {
public:
    explicit CTextdaten(QString text = QString());

    QStringList formats() const override;
    bool hasFormat(const QString& art) const override;

protected:
    virtual QString Text() const { return m_text; }
    // As a QString for a paste in the program, as UTF-8 bytes for another
    // program, converted here rather than in Qt's code.
    QVariant retrieveData(const QString& art, QMetaType typ) const override;

private:
    QString m_text;
};
