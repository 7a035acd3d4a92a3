#pragma once
// A label names the box it stands above (its buddy): screen readers take
// the label's text as the box's name, so a new text renames the box too.

class QLabel;
class QString;

void BeschriftungSetzen(QLabel* pLabel, const QString& text);
