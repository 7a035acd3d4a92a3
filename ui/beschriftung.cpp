#include "beschriftung.h"

#include <QAccessible>
#include <QLabel>

void BeschriftungSetzen(QLabel* pLabel, const QString& text) {
    pLabel->setText(text);
    if (QWidget* pBox = pLabel->buddy()) {
        QAccessibleEvent ereignis(pBox, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ereignis);
    }
}
