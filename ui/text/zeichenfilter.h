#pragma once
// Keeps characters Windows-1252 cannot hold out of the text boxes, and
// says so where the user is typing: a beep and a tooltip at the cursor.

#include <QString>
#include <QValidator>

class QWidget;

// What the box refusing a character holds, named in the tooltip.
enum class Feldinhalt { Notiz, Suchbegriff };

// Beeps and shows, beside the text cursor of `feld`, a tooltip naming what
// the box holds and each refused character (invisible ones as U+XXXX).
void ZeichenAblehnen(QWidget* feld, Feldinhalt inhalt, const QString& zeichen);

// For a QLineEdit: an input that would bring in such a character is
// Invalid, so the line stays as it was; the line edit's inputRejected()
// then finds the characters in Abgelehnt().
class CFilter1252 : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& eingabe, int& pos) const override;
    QString Abgelehnt() const { return m_strAbgelehnt; }

private:
    mutable QString m_strAbgelehnt;
};
