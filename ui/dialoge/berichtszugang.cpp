#include "berichtszugang.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <algorithm>

#include "berichtsansicht.h"
#include "notizedit.h"

namespace {

// Qt's own rules for characters, words, sentences and lines, asked of a
// few lines around the offset instead of the whole report.
class Ausschnitt : public QAccessibleTextInterface {
public:
    explicit Ausschnitt(QString text) : m_text(std::move(text)) {}
    QString text(int von, int bis) const override { return m_text.mid(von, bis - von); }
    int characterCount() const override { return int(m_text.size()); }
    void selection(int, int* von, int* bis) const override { *von = *bis = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* von, int* bis) const override {
        *von = *bis = 0;
        return QString();
    }

private:
    QString m_text;
};

class Berichtszugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Berichtszugang(CNotizEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText), m_box(box) {}

    void* interface_cast(QAccessible::InterfaceType art) override {
        if (art == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(art);
    }

    QAccessible::State state() const override {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.readOnly = true;
        zustand.multiLine = true;
        zustand.selectableText = true;
        return zustand;
    }

    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Value)
            return Ansicht().Zeilen().Text(0, Ansicht().Zeilen().Zeichen());
        return QAccessibleWidget::text(art);
    }

    QString text(int von, int bis) const override { return Ansicht().Zeilen().Text(von, bis); }
    int characterCount() const override { return int(Ansicht().Zeilen().Zeichen()); }

    void selection(int i, int* von, int* bis) const override {
        *von = *bis = 0;
        if (i != 0 || Ansicht().Anker() == Ansicht().Cursor()) return;
        *von = int(std::min(Ansicht().Anker(), Ansicht().Cursor()));
        *bis = int(std::max(Ansicht().Anker(), Ansicht().Cursor()));
    }
    int selectionCount() const override { return Ansicht().Anker() != Ansicht().Cursor(); }
    void addSelection(int von, int bis) override { setSelection(0, von, bis); }
    void removeSelection(int i) override {
        if (i == 0) Ansicht().Auswaehlen(Ansicht().Cursor(), Ansicht().Cursor());
    }
    void setSelection(int i, int von, int bis) override {
        if (i == 0) Ansicht().Auswaehlen(von, bis);
    }
    int cursorPosition() const override { return int(Ansicht().Cursor()); }
    void setCursorPosition(int pos) override { Ansicht().Auswaehlen(pos, pos); }

    QRect characterRect(int pos) const override {
        const QRect r = Ansicht().Zeichenrechteck(pos);
        return r.translated(m_box->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& punkt) const override {
        const QPoint innen = m_box->viewport()->mapFromGlobal(punkt);
        if (!m_box->viewport()->rect().contains(innen)) return -1;
        return int(Ansicht().PositionBei(innen));
    }
    void scrollToSubstring(int von, int bis) override {
        Ansicht().Zeigen(bis);
        Ansicht().Zeigen(von);
    }
    QString attributes(int pos, int* von, int* bis) const override {
        *von = *bis = pos;
        return QString();
    }

    QString textBeforeOffset(int pos, QAccessible::TextBoundaryType art, int* von,
                             int* bis) const override {
        return Umgebung(pos, art, von, bis, &QAccessibleTextInterface::textBeforeOffset);
    }
    QString textAfterOffset(int pos, QAccessible::TextBoundaryType art, int* von,
                            int* bis) const override {
        return Umgebung(pos, art, von, bis, &QAccessibleTextInterface::textAfterOffset);
    }
    QString textAtOffset(int pos, QAccessible::TextBoundaryType art, int* von,
                         int* bis) const override {
        return Umgebung(pos, art, von, bis, &QAccessibleTextInterface::textAtOffset);
    }

private:
    CBerichtsansicht& Ansicht() const { return *m_box->Bericht(); }

    using Frage = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*,
                                                        int*) const;

    // The line of `pos` and one on each side are enough for every boundary
    // but the whole text.
    QString Umgebung(int pos, QAccessible::TextBoundaryType art, int* von, int* bis,
                     Frage frage) const {
        const Berichtszeilen& zeilen = Ansicht().Zeilen();
        qsizetype anfang = 0, ende = zeilen.Zeichen();
        if (art != QAccessible::NoBoundary) {
            const qsizetype z = zeilen.ZeileBei(std::clamp<qsizetype>(pos, 0, zeilen.Zeichen()));
            anfang = zeilen.Anfang(std::max<qsizetype>(0, z - 1));
            ende = z + 2 < zeilen.Zeilen() ? zeilen.Anfang(z + 2) : zeilen.Zeichen();
        }
        const Ausschnitt ausschnitt(zeilen.Text(anfang, ende));
        *von = *bis = -1;
        const QString text = (ausschnitt.*frage)(int(pos - anfang), art, von, bis);
        if (*von >= 0) *von += int(anfang);
        if (*bis >= 0) *bis += int(anfang);
        return text;
    }

    CNotizEdit* m_box;
};

QAccessibleInterface* Fabrik(const QString& klasse, QObject* objekt) {
    if (klasse != QLatin1String("CNotizEdit")) return nullptr;
    auto* box = qobject_cast<CNotizEdit*>(objekt);
    return box != nullptr && box->Bericht() != nullptr ? new Berichtszugang(box) : nullptr;
}

}  // namespace

namespace berichtszugang {

void Anmelden() {
    static const bool angemeldet = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)angemeldet;
}

void AuswahlMelden(CNotizEdit* box) {
    if (!QAccessible::isActive() || box->Bericht() == nullptr) return;
    const CBerichtsansicht& ansicht = *box->Bericht();
    const int cursor = int(ansicht.Cursor());
    if (ansicht.Anker() != ansicht.Cursor()) {
        QAccessibleTextSelectionEvent auswahl(box, int(std::min(ansicht.Anker(), ansicht.Cursor())),
                                              int(std::max(ansicht.Anker(), ansicht.Cursor())));
        auswahl.setCursorPosition(cursor);
        QAccessible::updateAccessibility(&auswahl);
    } else {
        QAccessibleTextCursorEvent bewegt(box, cursor);
        QAccessible::updateAccessibility(&bewegt);
    }
}

}  // namespace berichtszugang
