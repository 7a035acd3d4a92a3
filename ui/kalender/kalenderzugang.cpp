#include "kalenderzugang.h"

#include "kalenderlayout.h"
#include "monatskalender.h"
#include "monatsraster.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <array>
#include <map>

namespace {

// "Sonntag, 6. Dezember 2026"
QString TagesName(const QDate& tag) {
    return WochentagName(tag.dayOfWeek() - 1) + QStringLiteral(", ") + QString::number(tag.day()) +
           QStringLiteral(". ") + TitelVon(tag);
}

// What a child of the calendar is. Its key in the registry below packs it
// with its block, row and column.
enum class Art { Zurueck, Vor, Heute, Tabelle, Kopf, Woche, Tag, Tagesknopf };

// A table's children: the seven weekday headers, then for each week its
// number and its seven days.
constexpr int kKinderJeTabelle = 7 + kWochenzeilen * 8;

}  // namespace

// The calendar's own interface; it registers its children and lets them
// go when the calendar goes.
class KalenderZugang : public QAccessibleWidget {
public:
    explicit KalenderZugang(CMonatsKalender* pKalender)
        : QAccessibleWidget(pKalender, QAccessible::Grouping),
          m_erster(pKalender->ErsterMonat()),
          m_anzahl(pKalender->AnzahlMonate()) {}
    ~KalenderZugang() override { Loslassen(false); }

    CMonatsKalender* Kalender() const { return static_cast<CMonatsKalender*>(widget()); }
    static KalenderZugang* Von(CMonatsKalender* pKalender) {
        return dynamic_cast<KalenderZugang*>(QAccessible::queryAccessibleInterface(pKalender));
    }

    // Children: the two arrows, the tables, the "Heute:" line.
    int childCount() const override { return 3 + Kalender()->AnzahlMonate(); }
    QAccessibleInterface* child(int index) const override {
        const int anzahl = Kalender()->AnzahlMonate();
        if (index == 0) return Teil(Art::Zurueck);
        if (index == 1) return Teil(Art::Vor);
        if (index >= 2 && index < 2 + anzahl) return Teil(Art::Tabelle, index - 2);
        if (index == 2 + anzahl) return Teil(Art::Heute);
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i) == kind) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* kind = child(i);
            if (kind->rect().contains(x, y)) return kind;
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return Kalender()->hasFocus() ? AuswahlKnopf() : nullptr;
    }

    QAccessibleInterface* Teil(Art art, int block = 0, int zeile = 0, int spalte = 0) const;
    QAccessibleInterface* AuswahlZelle() const {
        CMonatsKalender* k = Kalender();
        int block, zeile, spalte;
        if (!k->Stelle(k->m_auswahl, k->Layout(), block, zeile, spalte)) return nullptr;
        return Teil(Art::Tag, block, zeile, spalte);
    }
    QAccessibleInterface* AuswahlKnopf() const {
        QAccessibleInterface* zelle = AuswahlZelle();
        return zelle == nullptr ? nullptr : zelle->child(0);
    }

    void AnsichtPruefen();

    // What the children do, with the calendar's own means.
    static void Blaettern(CMonatsKalender* k, int monate) { k->Blaettern(monate); }
    static void Waehlen(CMonatsKalender* k, const QDate& tag) {
        if (k->ImBereich(tag)) k->Waehlen(tag);
    }
    static bool ImBereich(const CMonatsKalender* k, const QDate& tag) { return k->ImBereich(tag); }
    static KalenderLayout Layout(const CMonatsKalender* k) { return k->Layout(); }

private:
    // Lets go of the tables' children, or of every child but the arrows
    // and the "Heute:" line.
    void Loslassen(bool nurZellen);

    QDate m_erster;
    int m_anzahl;
    mutable std::map<int, QAccessible::Id> m_kinder;
};

namespace {

int Schluessel(Art art, int block, int zeile, int spalte) {
    return ((int(art) * 16 + block) * 8 + zeile + 1) * 8 + spalte + 1;
}

// What the calendar's parts share: they live as long as the calendar and
// reach it through a guarded pointer.
class KalenderTeil : public QAccessibleInterface {
public:
    explicit KalenderTeil(CMonatsKalender* pKalender) : m_pKalender(pKalender) {}

    bool isValid() const override { return !m_pKalender.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_pKalender->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    KalenderZugang* Zugang() const { return KalenderZugang::Von(m_pKalender); }
    KalenderLayout Layout() const { return KalenderZugang::Layout(m_pKalender); }
    QRect Global(const QRect& r) const {
        return r.isEmpty() ? QRect() : QRect(m_pKalender->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::State Grundzustand() const {
        QAccessible::State s;
        s.invisible = !m_pKalender->isVisible();
        return s;
    }

    QPointer<CMonatsKalender> m_pKalender;
};

// The arrows and the "Heute:" line: buttons whose press does what a click
// does.
class Knopf : public KalenderTeil, public QAccessibleActionInterface {
public:
    Knopf(CMonatsKalender* pKalender, Art art) : KalenderTeil(pKalender), m_art(art) {}

    QAccessibleInterface* parent() const override { return Zugang(); }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        switch (m_art) {
            case Art::Zurueck:
                return QStringLiteral("Vorheriger Monat");
            case Art::Vor:
                return QStringLiteral("N\u00e4chster Monat");
            default:
                return HeuteText(m_pKalender->Heute());
        }
    }
    QRect rect() const override {
        const KalenderLayout layout = Layout();
        return Global(m_art == Art::Zurueck ? layout.PfeilZurueck()
                      : m_art == Art::Vor   ? layout.PfeilVor()
                                            : layout.Heute());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s = Grundzustand();
        s.disabled = !Moeglich();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType typ) override {
        return typ == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                   : nullptr;
    }

    QStringList actionNames() const override {
        return Moeglich() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name != pressAction() || !Moeglich()) return;
        if (m_art == Art::Heute)
            KalenderZugang::Waehlen(m_pKalender, m_pKalender->Heute());
        else
            KalenderZugang::Blaettern(m_pKalender, m_art == Art::Zurueck ? -1 : 1);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool Moeglich() const {
        switch (m_art) {
            case Art::Zurueck:
                return m_pKalender->ZurueckMoeglich();
            case Art::Vor:
                return m_pKalender->VorMoeglich();
            default:
                return KalenderZugang::ImBereich(m_pKalender, m_pKalender->Heute());
        }
    }

    Art m_art;
};

// One month on show, as a table of six weeks by seven days.
class MonatsTabelle : public KalenderTeil, public QAccessibleTableInterface {
public:
    MonatsTabelle(CMonatsKalender* pKalender, int block)
        : KalenderTeil(pKalender), m_block(block) {}

    QAccessibleInterface* parent() const override { return Zugang(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? m_pKalender->MonatsTitel(m_block) : QString();
    }
    QRect rect() const override { return Global(Layout().Block(m_block)); }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override { return Grundzustand(); }
    void* interface_cast(QAccessible::InterfaceType typ) override {
        return typ == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                  : nullptr;
    }

    int childCount() const override { return kKinderJeTabelle; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kKinderJeTabelle) return nullptr;
        if (index < 7) return Zugang()->Teil(Art::Kopf, m_block, -1, index);
        const int zeile = (index - 7) / 8;
        const int spalte = (index - 7) % 8 - 1;
        return spalte < 0 ? Zugang()->Teil(Art::Woche, m_block, zeile, -1)
                          : Zugang()->Teil(Art::Tag, m_block, zeile, spalte);
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        for (int i = 0; i < kKinderJeTabelle; ++i)
            if (child(i) == kind) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < kKinderJeTabelle; ++i) {
            QAccessibleInterface* kind = child(i);
            if (kind->rect().contains(x, y)) return kind;
        }
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int zeile, int spalte) const override {
        if (zeile < 0 || zeile >= kWochenzeilen || spalte < 0 || spalte >= 7) return nullptr;
        return Zugang()->Teil(Art::Tag, m_block, zeile, spalte);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QAccessibleInterface* zelle = Zugang()->AuswahlZelle();
        if (zelle == nullptr || zelle->tableCellInterface()->table() != this) return {};
        return {zelle};
    }
    QString columnDescription(int spalte) const override {
        return spalte >= 0 && spalte < 7 ? WochentagName(spalte) : QString();
    }
    QString rowDescription(int zeile) const override {
        const int woche = m_pKalender->Kalenderwoche(m_block, zeile);
        return woche == 0 ? QString() : QStringLiteral("Kalenderwoche %1").arg(woche);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 7; }
    int rowCount() const override { return kWochenzeilen; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // One day is selected, never a whole week or weekday.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    int m_block;
};

// A weekday header, a week number or a day. Cells of the grid that the
// month does not show (neighbouring months' days in a middle block, a
// week without days) are invisible and nameless.
class Feld : public KalenderTeil,
             public QAccessibleTableCellInterface,
             public QAccessibleActionInterface {
public:
    Feld(CMonatsKalender* pKalender, Art art, int block, int zeile, int spalte)
        : KalenderTeil(pKalender), m_art(art), m_block(block), m_zeile(zeile), m_spalte(spalte) {}

    QAccessibleInterface* parent() const override { return table(); }
    QString text(QAccessible::Text t) const override {
        switch (m_art) {
            case Art::Kopf:
                return t == QAccessible::Name          ? WochentagKuerzel(m_spalte)
                       : t == QAccessible::Description ? WochentagName(m_spalte)
                                                       : QString();
            case Art::Woche: {
                const int woche = m_pKalender->Kalenderwoche(m_block, m_zeile);
                if (t != QAccessible::Name || woche == 0) return {};
                return QStringLiteral("Kalenderwoche %1").arg(woche);
            }
            default:
                if (!Gezeigt()) return {};
                if (t == QAccessible::Name) return TagesName(Tag());
                if (t == QAccessible::Description && Tag() == m_pKalender->Heute())
                    return QStringLiteral("heute");
                return {};
        }
    }
    QRect rect() const override {
        const KalenderLayout layout = Layout();
        switch (m_art) {
            case Art::Kopf:
                return Global(layout.Kopfzelle(m_block, m_spalte));
            case Art::Woche:
                return Global(layout.Wochenzelle(m_block, m_zeile));
            default:
                return Global(layout.Tageszelle(m_block, m_zeile, m_spalte));
        }
    }
    QAccessible::Role role() const override {
        return m_art == Art::Kopf    ? QAccessible::ColumnHeader
               : m_art == Art::Woche ? QAccessible::RowHeader
                                     : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s = Grundzustand();
        if (m_art == Art::Woche && m_pKalender->Kalenderwoche(m_block, m_zeile) == 0)
            s.invisible = true;
        if (m_art != Art::Tag) return s;
        if (!Gezeigt()) {
            s.invisible = true;
            return s;
        }
        const bool offen = KalenderZugang::ImBereich(m_pKalender, Tag());
        s.disabled = !offen;
        s.selectable = offen;
        s.selected = isSelected();
        return s;
    }
    int childCount() const override { return m_art == Art::Tag && Gezeigt() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && childCount() == 1
                   ? Zugang()->Teil(Art::Tagesknopf, m_block, m_zeile, m_spalte)
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        return kind != nullptr && kind == child(0) ? 0 : -1;
    }
    void* interface_cast(QAccessible::InterfaceType typ) override {
        if (m_art != Art::Tag) return nullptr;
        if (typ == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (typ == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return Gezeigt() && Tag() == m_pKalender->Auswahl(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {Zugang()->Teil(Art::Kopf, m_block, -1, m_spalte)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return {Zugang()->Teil(Art::Woche, m_block, m_zeile, -1)};
    }
    int columnIndex() const override { return m_spalte; }
    int rowIndex() const override { return m_zeile; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Zugang()->Teil(Art::Tabelle, m_block); }

    // Picking a day this way is the user's pick, as a click is.
    QStringList actionNames() const override {
        return state().selectable ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && Gezeigt()) KalenderZugang::Waehlen(m_pKalender, Tag());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QDate Monat() const { return m_pKalender->ErsterMonat().addMonths(m_block); }
    QDate Tag() const { return TagImRaster(Monat(), m_zeile, m_spalte); }
    bool Gezeigt() const {
        const int anzahl = m_pKalender->AnzahlMonate();
        return m_block < anzahl &&
               ImBlockGezeigt(Monat(), Tag(), m_block == 0, m_block == anzahl - 1);
    }

    Art m_art;
    int m_block, m_zeile, m_spalte;
};

// What takes the focus in a day's cell: a button named as the day. Orca
// reads a focused table cell together with the rest of its row whenever
// the row changes; a button inside the cell is read alone, with the new
// week's or weekday's header where that changed.
class TagesKnopf : public KalenderTeil, public QAccessibleActionInterface {
public:
    TagesKnopf(CMonatsKalender* pKalender, QAccessibleInterface* pZelle)
        : KalenderTeil(pKalender), m_pZelle(pZelle) {}

    QAccessibleInterface* parent() const override { return m_pZelle; }
    QString text(QAccessible::Text t) const override { return m_pZelle->text(t); }
    QRect rect() const override { return m_pZelle->rect(); }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s = m_pZelle->state();
        s.focusable = s.selectable;
        s.selectable = false;
        s.selected = false;
        s.focused = m_pZelle->state().selected && m_pKalender->hasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType typ) override {
        return typ == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                   : nullptr;
    }

    QStringList actionNames() const override { return m_pZelle->actionInterface()->actionNames(); }
    void doAction(const QString& name) override { m_pZelle->actionInterface()->doAction(name); }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAccessibleInterface* m_pZelle;  // registered by the calendar, let go with this button
};

QAccessibleInterface* KalenderFabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("CMonatsKalender") && objekt->isWidgetType())
        return new KalenderZugang(static_cast<CMonatsKalender*>(objekt));
    return nullptr;
}

void Melden(QAccessibleInterface* iface, QAccessible::Event art) {
    QAccessibleEvent ereignis(iface, art);
    QAccessible::updateAccessibility(&ereignis);
}

}  // namespace

QAccessibleInterface* KalenderZugang::Teil(Art art, int block, int zeile, int spalte) const {
    const int schluessel = Schluessel(art, block, zeile, spalte);
    const auto gefunden = m_kinder.find(schluessel);
    if (gefunden != m_kinder.end()) return QAccessible::accessibleInterface(gefunden->second);

    CMonatsKalender* k = Kalender();
    QAccessibleInterface* iface = nullptr;
    switch (art) {
        case Art::Zurueck:
        case Art::Vor:
        case Art::Heute:
            iface = new Knopf(k, art);
            break;
        case Art::Tabelle:
            iface = new MonatsTabelle(k, block);
            break;
        case Art::Tagesknopf:
            iface = new TagesKnopf(k, Teil(Art::Tag, block, zeile, spalte));
            break;
        default:
            iface = new Feld(k, art, block, zeile, spalte);
            break;
    }
    m_kinder.emplace(schluessel, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

void KalenderZugang::Loslassen(bool nurZellen) {
    for (auto it = m_kinder.begin(); it != m_kinder.end();) {
        const auto art = Art(it->first / (16 * 8 * 8));
        const bool bleibt = art == Art::Zurueck || art == Art::Vor || art == Art::Heute ||
                            (nurZellen && art == Art::Tabelle);
        if (bleibt) {
            ++it;
        } else {
            QAccessible::deleteAccessibleInterface(it->second);
            it = m_kinder.erase(it);
        }
    }
}

void KalenderZugang::AnsichtPruefen() {
    CMonatsKalender* k = Kalender();
    const QDate erster = k->ErsterMonat();
    const int anzahl = k->AnzahlMonate();
    if (erster == m_erster && anzahl == m_anzahl) return;
    const bool andereZahl = anzahl != m_anzahl;
    m_erster = erster;
    m_anzahl = anzahl;
    // Cells stand for the days they showed; clients must ask anew.
    Loslassen(!andereZahl);
    if (andereZahl) {
        Melden(this, QAccessible::ObjectReorder);
        return;
    }
    for (int block = 0; block < anzahl; ++block)
        Melden(Teil(Art::Tabelle, block), QAccessible::NameChanged);
}

namespace kalenderzugang {

void Einrichten() {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(KalenderFabrik);
        return true;
    }();
    (void)eingerichtet;
}

// Only while an assistive tool may listen, as Qt's item views do: the
// interfaces are not even made otherwise.
void AnsichtGeaendert(CMonatsKalender* pKalender) {
    if (!QAccessible::isActive()) return;
    if (KalenderZugang* zugang = KalenderZugang::Von(pKalender)) zugang->AnsichtPruefen();
}

void AuswahlMelden(CMonatsKalender* pKalender) {
    if (!QAccessible::isActive()) return;
    KalenderZugang* zugang = KalenderZugang::Von(pKalender);
    if (zugang == nullptr) return;
    zugang->AnsichtPruefen();
    QAccessibleInterface* zelle = zugang->AuswahlZelle();
    if (zelle == nullptr) return;
    if (pKalender->hasFocus()) Melden(zelle->child(0), QAccessible::Focus);
    Melden(zelle, QAccessible::Selection);
}

}  // namespace kalenderzugang
