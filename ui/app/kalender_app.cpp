#include "kalender_app.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <new>

#include "dia_kalender.h"
#include "fehlerrahmen.h"
#include "hilfefenster.h"
#include "resource.h"
#include "ressourcen.h"

namespace {

// The notes live in this process's memory and nowhere else: a crash must
// not hand them to a core file or to systemd-coredump. Non-dumpable also
// keeps other programs of the same user from reading that memory.
void KeinSpeicherabbild() {
    const rlimit keins{0, 0};
    setrlimit(RLIMIT_CORE, &keins);
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}

}  // namespace

CKalenderApp::CKalenderApp(int& argc, char** argv) : QApplication(argc, argv) {
    KeinSpeicherabbild();
    setApplicationName(QStringLiteral("Dorvane"));
    setWindowIcon(SymbolLaden(res::IDR_MAINFRAME));

    // Qt's own texts (message-box buttons, context menus) in German too.
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    auto* pQtTexte = new QTranslator(this);
    if (pQtTexte->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(pQtTexte);
}

CKalenderApp::~CKalenderApp() {
    delete m_pHilfe;  // only left when it had no owner
}

// The last net, for a failure the program's own steps did not foresee: the
// event is lost and the box waits for the event loop, as no window may
// open inside the delivery of an event.
bool CKalenderApp::notify(QObject* pEmpfaenger, QEvent* e) {
    try {
        return QApplication::notify(pEmpfaenger, e);
    } catch (const std::bad_alloc&) {
        SpeichermangelMelden();
        return false;
    }
}

bool CKalenderApp::InitInstance() {
    HauptfensterErstellen()->DoModal();
    return false;
}

std::unique_ptr<CDia_Kalender> CKalenderApp::HauptfensterErstellen(Uhr uhr) {
    auto pFenster = std::make_unique<CDia_Kalender>(nullptr, std::move(uhr));
    connect(pFenster.get(), &CDia_Kalender::HilfeVerlangt, this, &CKalenderApp::OnHelp);
    return pFenster;
}

void CKalenderApp::OnHelp() {
    if (m_pHilfe == nullptr) {
        // Owned by the modal window in front, so that it is not blocked.
        QWidget* pVorne = activeModalWidget();
        if (pVorne == nullptr) pVorne = activeWindow();
        m_pHilfe = new CHilfeFenster(pVorne);
    }
    m_pHilfe->show();
    m_pHilfe->raise();
    m_pHilfe->activateWindow();
}
