#include "hilfezugang.h"

#include <QAccessibleWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "hilfefenster.h"

namespace {

// The manual read only: offsets are the document's positions, every
// frame marker and paragraph separator read as a line end.
class HandbuchZugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HandbuchZugang(QTextBrowser* pText)
        : QAccessibleWidget(pText, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType typ) override {
        if (typ == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(typ);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return text(0, characterCount());
        return QAccessibleWidget::text(t);
    }

    QString text(int von, int bis) const override {
        QTextCursor cursor(Dokument());
        cursor.setPosition(Begrenzt(von));
        cursor.setPosition(Begrenzt(bis), QTextCursor::KeepAnchor);
        QString text = cursor.selectedText();
        for (QChar& c : text)
            if (c == QChar(0xFDD0) || c == QChar(0xFDD1) || c == QChar::ParagraphSeparator ||
                c == QChar::LineSeparator)
                c = u'\n';
        return text;
    }
    int characterCount() const override { return Dokument()->characterCount() - 1; }

    void selection(int index, int* von, int* bis) const override {
        const QTextCursor c = Browser()->textCursor();
        *von = index == 0 && c.hasSelection() ? c.selectionStart() : 0;
        *bis = index == 0 && c.hasSelection() ? c.selectionEnd() : 0;
    }
    int selectionCount() const override { return Browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int von, int bis) override { setSelection(0, von, bis); }
    void removeSelection(int) override {
        QTextCursor c = Browser()->textCursor();
        c.clearSelection();
        Browser()->setTextCursor(c);
    }
    void setSelection(int, int von, int bis) override {
        QTextCursor c(Dokument());
        c.setPosition(Begrenzt(von));
        c.setPosition(Begrenzt(bis), QTextCursor::KeepAnchor);
        Browser()->setTextCursor(c);
    }
    int cursorPosition() const override { return Browser()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }

    QRect characterRect(int offset) const override {
        QTextCursor c(Dokument());
        c.setPosition(Begrenzt(offset));
        const QRect r = Browser()->cursorRect(c);
        const QFontMetrics fm(c.charFormat().font());
        const QChar zeichen = Dokument()->characterAt(c.position());
        return QRect(Browser()->viewport()->mapToGlobal(r.topLeft()),
                     QSize(fm.horizontalAdvance(zeichen), r.height()));
    }
    int offsetAtPoint(const QPoint& punkt) const override {
        const QPoint lokal = Browser()->viewport()->mapFromGlobal(punkt);
        return Browser()->cursorForPosition(lokal).position();
    }
    void scrollToSubstring(int von, int bis) override {
        setSelection(0, von, bis);
        Browser()->ensureCursorVisible();
    }
    QString attributes(int offset, int* von, int* bis) const override {
        *von = 0;
        *bis = characterCount();
        (void)offset;
        return {};
    }

private:
    QTextBrowser* Browser() const { return static_cast<QTextBrowser*>(widget()); }
    QTextDocument* Dokument() const { return Browser()->document(); }
    int Begrenzt(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

QAccessibleInterface* HilfeFabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("CHilfeFenster"))
        return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Window);
    if (klasse == QLatin1String("QTextBrowser") &&
        qobject_cast<CHilfeFenster*>(objekt->parent()) != nullptr)
        return new HandbuchZugang(static_cast<QTextBrowser*>(objekt));
    return nullptr;
}

}  // namespace

void HilfeZugangEinrichten() {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(HilfeFabrik);
        return true;
    }();
    (void)eingerichtet;
}
