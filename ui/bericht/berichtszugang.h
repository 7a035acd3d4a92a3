#pragma once
// The report box as a screen reader reads it: a read-only, multi-line text
// of the report's lines with its cursor and selection, as Qt's box offers
// it. Lines are decoded only when asked for, so reading a line of a report
// of megabytes stays cheap.

class CBerichtsansicht;

namespace berichtszugang {

// Lets Qt's accessibility find the report box's text; once per program,
// when the first report box is made.
void Anmelden();

// Tells a screen reader that the report's cursor or selection moved.
void AuswahlMelden(CBerichtsansicht* box);

}  // namespace berichtszugang
