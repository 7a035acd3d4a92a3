#include "berichtszugang.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "berichtsansicht.h"

namespace {

class Berichtszugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Berichtszugang(CBerichtsansicht* box)
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
    // One run without attributes: a screen reader that reads a line run by
    // run gets it whole.
    QString attributes(int, int* von, int* bis) const override {
        *von = 0;
        *bis = characterCount();
        return QString();
    }

    // Bounded as Qt's text boxes bound them: a line without its line end,
    // a word or sentence within its line.
    QString textAtOffset(int pos, QAccessible::TextBoundaryType art, int* von,
                         int* bis) const override {
        return Liefern(Grenzen(pos, art), von, bis);
    }
    QString textBeforeOffset(int pos, QAccessible::TextBoundaryType art, int* von,
                             int* bis) const override {
        const Bereich hier = Grenzen(pos, art);
        return Liefern(hier.first > 0 ? Grenzen(hier.first - 1, art) : Bereich(0, 0), von, bis);
    }
    QString textAfterOffset(int pos, QAccessible::TextBoundaryType art, int* von,
                            int* bis) const override {
        const Bereich hier = Grenzen(pos, art);
        const int ende = characterCount();
        if (hier.second >= ende) return Liefern({ende, ende}, von, bis);
        Bereich danach = Grenzen(hier.second, art);
        if (danach == hier) danach = Grenzen(hier.second + 1, art);  // past a line end
        return Liefern(danach, von, bis);
    }

private:
    using Bereich = std::pair<int, int>;

    CBerichtsansicht& Ansicht() const { return *m_box; }

    QString Liefern(Bereich bereich, int* von, int* bis) const {
        *von = bereich.first;
        *bis = bereich.second;
        return text(bereich.first, bereich.second);
    }

    Bereich Grenzen(int pos, QAccessible::TextBoundaryType art) const {
        const Berichtszeilen& zeilen = Ansicht().Zeilen();
        const int ende = int(zeilen.Zeichen());
        pos = std::clamp(pos, 0, ende);
        const qsizetype z = zeilen.ZeileBei(pos);
        const int anfang = int(zeilen.Anfang(z)), laenge = int(zeilen.Laenge(z));
        switch (art) {
            case QAccessible::CharBoundary:
                return {pos, std::min(pos + 1, ende)};
            case QAccessible::WordBoundary:
            case QAccessible::SentenceBoundary: {
                const auto [von, bis] = zeilen.Einheit(pos, art == QAccessible::WordBoundary
                                                                ? QTextBoundaryFinder::Word
                                                                : QTextBoundaryFinder::Sentence);
                return {int(von), int(bis)};
            }
            case QAccessible::LineBoundary:
            case QAccessible::ParagraphBoundary:
                return {anfang, anfang + laenge};
            case QAccessible::NoBoundary:
                break;
        }
        return {0, ende};
    }

    CBerichtsansicht* m_box;
};

QAccessibleInterface* Fabrik(const QString& klasse, QObject* objekt) {
    if (klasse != QLatin1String("CBerichtsansicht")) return nullptr;
    auto* box = qobject_cast<CBerichtsansicht*>(objekt);
    return box != nullptr ? new Berichtszugang(box) : nullptr;
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

void AuswahlMelden(CBerichtsansicht* box) {
    if (!QAccessible::isActive()) return;
    const CBerichtsansicht& ansicht = *box;
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
