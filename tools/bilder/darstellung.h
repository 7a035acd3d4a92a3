#pragma once
// What the pictures must not take from the machine they are rendered on:
// platform, time zone, scaling, style, palette, font, the cursor's blink.

class QApplication;
class QString;

// Ends the program with the message; a changed window must never pass for
// a picture of itself.
[[noreturn]] void Abbrechen(const QString& grund);

// Before the application object exists: the offscreen platform unless
// another is asked for, Europe/Berlin as the zone, no scaling or theme
// from the environment.
void UmgebungFestlegen();

// The Fusion style with its own palette, DejaVu Sans at 9 point and a text
// cursor that does not blink. Ends the program when the font is missing,
// since any other would change every picture.
void DarstellungFestlegen(QApplication& app);
