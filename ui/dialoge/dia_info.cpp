#include "dia_info.h"

#include <QLabel>
#include <QPushButton>

#include "dialogeinheiten.h"
#include "dialogergebnis.h"
#include "resource.h"
#include "ressourcen.h"
#include "ui_IDD_ABOUTBOX.h"

CDia_Info::CDia_Info(QWidget* pParent) : QDialog(pParent), m_ui(new Ui::IDD_ABOUTBOX) {
    m_ui->setupUi(this);
    DialogeinheitenAnwenden(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // The icon control shows IDR_MAINFRAME.
    QLabel* pSymbol = m_ui->IDR_MAINFRAME;
    const int kante = qMin(pSymbol->width(), pSymbol->height());
    pSymbol->setPixmap(SymbolLaden(res::IDR_MAINFRAME).pixmap(QSize(kante, kante)));

    connect(m_ui->IDOK, &QPushButton::clicked, this, &QDialog::accept);
}

CDia_Info::~CDia_Info() = default;

int CDia_Info::DoModal() {
    return DialogErgebnis(exec());
}
