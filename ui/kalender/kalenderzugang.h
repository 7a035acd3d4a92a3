#pragma once
// The calendar as screen readers and magnifiers meet it, through Qt's
// accessibility interfaces: the arrows "Vorheriger Monat" and "Nächster
// Monat", one table per month on show ("Dezember 2026") with the weekdays
// as column headers and the week numbers as row headers, a cell per day
// named in full ("Sonntag, 6. Dezember 2026") holding a button of that
// name which takes the focus, and the "Heute:" line as a button. Headers
// and cells are made when asked for and registered with Qt, as its item
// views do; a turn of the months renames the tables and lets the cells be
// made anew.
//
// The calendar reports to this file; only the user's moves are announced.

class CMonatsKalender;

namespace kalenderzugang {

// Makes the calendar's interfaces known to Qt; once is enough.
void Einrichten();

// The months on show or their number may have changed: the tables are
// renamed, and cells of days no longer on show are let go.
void AnsichtGeaendert(CMonatsKalender* pKalender);

// The calendar took the focus, or the user moved the day: focus (while the
// calendar has it) for the selected day's button, selection for its cell.
void AuswahlMelden(CMonatsKalender* pKalender);

}  // namespace kalenderzugang
