#include "meldung.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "textwandlung.h"

int FrageJaNein(QWidget* pOwner, const std::string& strText) {
    QMessageBox frage(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                      textwandlung::VonKern(strText), QMessageBox::Yes | QMessageBox::No, pOwner);
    frage.setTextFormat(Qt::PlainText);
    frage.setDefaultButton(QMessageBox::Yes);
    frage.setEscapeButton(QMessageBox::No);
    return frage.exec() == QMessageBox::Yes ? IDYES : IDNO;
}
