/* Bitmaps: the picture-button images are named "<glyph><state>", the glyph
 * being the caption of the owner-drawn button; the symbol strip is numbered. */
#ifndef TORVIK_BITMAP_IDS_H
#define TORVIK_BITMAP_IDS_H

#define IDB_SYMBOL_STRIP 26567 /* 5 by 3 cells of 14 by 13 pixels */

#ifndef RC_INVOKED
/* The glyph names (button captions) and the state letters. */
#define TORVIK_GLYPH_NAMES { "RARROW", "STAR", "PAREN(", "PAREN)" }
#define TORVIK_STATE_LETTERS "UDFX" /* up, down (pressed), focused, disabled */
#endif

#endif
