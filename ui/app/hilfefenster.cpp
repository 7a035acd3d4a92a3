#include "hilfefenster.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "hilfezugang.h"
#include "kontrast.h"
#include "ressourcen.h"

namespace {

// The manual leaves its background to the palette; links and the tables'
// borders take colours that read on it at 4.5:1, light or dark.
QString Farben(const QPalette& pal) {
    const QColor grund = pal.color(QPalette::Base);
    const QColor schrift = pal.color(QPalette::Text);
    const QColor verweis = kontrast::Mindestens(pal.color(QPalette::Link), grund, schrift, 4.5);
    const QColor rand = kontrast::Mindestens(pal.color(QPalette::Mid), grund, schrift, 4.5);
    return QStringLiteral("a { color: %1; } table { border-color: %2; border-style: solid; }")
        .arg(verweis.name(), rand.name());
}

}  // namespace

CHilfeFenster::CHilfeFenster(QWidget* pOwner) : QWidget(pOwner, Qt::Window) {
    HilfeZugangEinrichten();
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(QStringLiteral("Dorvane-Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_pText = new QTextBrowser(this);
    m_pText->setAccessibleName(QStringLiteral("Handbuch"));
    m_pText->setOpenLinks(false);
    m_pText->setOpenExternalLinks(false);
    // polished first: a style sheet given to the program sets the palette
    // only then, and the links must read on its background, not Qt's
    m_pText->ensurePolished();
    m_pText->document()->setDefaultStyleSheet(Farben(m_pText->palette()));
    m_pText->setSource(HandbuchAdresse());
    connect(m_pText, &QTextBrowser::anchorClicked, this, &CHilfeFenster::VerweisOeffnen);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pText);

    auto* pSchliessen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(pSchliessen, &QShortcut::activated, this, &QWidget::close);

    resize(560, 520);
    if (pOwner != nullptr) move(pOwner->frameGeometry().center() - rect().center());
}

void CHilfeFenster::VerweisOeffnen(const QUrl& ziel) {
    const QUrl absolut = m_pText->source().resolved(ziel);
    if (absolut.scheme() == QLatin1String("qrc")) m_pText->setSource(absolut);
}
