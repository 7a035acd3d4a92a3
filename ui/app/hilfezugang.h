#pragma once
// The help window for screen readers: a window (not a bare pane) named by
// its title, and the manual's text as plain text. Qt's own text interface
// hands out the document's frame markers (U+FDD0, U+FDD1) around every
// table, which screen readers read aloud or stumble over.

void HilfeZugangEinrichten();
