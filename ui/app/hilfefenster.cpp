#include "hilfefenster.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "hilfezugang.h"
#include "ressourcen.h"

CHilfeFenster::CHilfeFenster(QWidget* pOwner) : QWidget(pOwner, Qt::Window) {
    HilfeZugangEinrichten();
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(QStringLiteral("Dorvane-Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_pText = new QTextBrowser(this);
    m_pText->setAccessibleName(QStringLiteral("Handbuch"));
    m_pText->setOpenLinks(false);
    m_pText->setOpenExternalLinks(false);
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
