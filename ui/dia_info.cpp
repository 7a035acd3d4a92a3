#include "dia_info.h"

#include <QLabel>
#include <QPushButton>

#include "fenstervorlagen.h"
#include "resource.h"
#include "ressourcen.h"

CDia_Info::CDia_Info(QWidget* pParent) : QDialog(pParent) {
    InfoVorlageLaden(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // The icon control shows IDR_MAINFRAME.
    auto* pSymbol = findChild<QLabel*>(QStringLiteral("IDR_MAINFRAME"));
    const int kante = qMin(pSymbol->width(), pSymbol->height());
    pSymbol->setPixmap(SymbolLaden(IDR_MAINFRAME).pixmap(QSize(kante, kante)));

    connect(findChild<QPushButton*>(QStringLiteral("IDOK")), &QPushButton::clicked, this,
            &QDialog::accept);
}

int CDia_Info::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
