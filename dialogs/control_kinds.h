/* The control kinds of every dialog template, each written once with its full
 * style. A dialog line names its kind and marks (the suffix: G starts a group,
 * T is a tab stop) and gives only caption, identifier and geometry.
 * The resource compiler adds default bits to each statement; every macro
 * states or removes them so that the stored style is exactly the kind's. */
#ifndef TORVIK_CONTROL_KINDS_H
#define TORVIK_CONTROL_KINDS_H

/* Frames: the two styles a template has, always at (0, 0) in 8-point MS Sans Serif. */
#define FRAME_SHOWN  DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU
#define FRAME_HIDDEN DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU
#define TEMPLATE(id, width, height, frame, caption) \
    id DIALOG 0, 0, width, height STYLE frame CAPTION caption FONT 8, "MS Sans Serif"

/* STATIC */
#define LABEL_G(text, id, x, y, w, h)  LTEXT text, id, x, y, w, h, SS_LEFT | WS_GROUP | NOT WS_TABSTOP

/* BUTTON */
#define GROUP_BOX(text, id, x, y, w, h)    GROUPBOX text, id, x, y, w, h, BS_GROUPBOX | NOT WS_GROUP | NOT WS_TABSTOP
#define GROUP_BOX_G(text, id, x, y, w, h)  GROUPBOX text, id, x, y, w, h, BS_GROUPBOX | WS_GROUP | NOT WS_TABSTOP
#define PUSH_BUTTON_T(text, id, x, y, w, h)      PUSHBUTTON text, id, x, y, w, h, BS_PUSHBUTTON | NOT WS_GROUP | WS_TABSTOP
#define PUSH_BUTTON_GT(text, id, x, y, w, h)     PUSHBUTTON text, id, x, y, w, h, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP
#define DEFAULT_BUTTON_T(text, id, x, y, w, h)   DEFPUSHBUTTON text, id, x, y, w, h, BS_DEFPUSHBUTTON | NOT WS_GROUP | WS_TABSTOP
#define DEFAULT_BUTTON_GT(text, id, x, y, w, h)  DEFPUSHBUTTON text, id, x, y, w, h, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP
#define CHECK_BOX_T(text, id, x, y, w, h)        AUTOCHECKBOX text, id, x, y, w, h, BS_AUTOCHECKBOX | NOT WS_GROUP | WS_TABSTOP
#define CHECK_BOX_GT(text, id, x, y, w, h)       AUTOCHECKBOX text, id, x, y, w, h, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP
/* A click notifies the host and leaves the mark alone; the host sets it. */
#define MANUAL_CHECK_BOX_GT(text, id, x, y, w, h) CHECKBOX text, id, x, y, w, h, BS_CHECKBOX | WS_GROUP | WS_TABSTOP
#define RADIO(text, id, x, y, w, h)     AUTORADIOBUTTON text, id, x, y, w, h, BS_AUTORADIOBUTTON | NOT WS_GROUP | NOT WS_TABSTOP
#define RADIO_T(text, id, x, y, w, h)   AUTORADIOBUTTON text, id, x, y, w, h, BS_AUTORADIOBUTTON | NOT WS_GROUP | WS_TABSTOP
#define RADIO_GT(text, id, x, y, w, h)  AUTORADIOBUTTON text, id, x, y, w, h, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP
/* Drawn by the host from the bitmaps named by the caption and a state letter;
 * never a tab stop. */
#define PICTURE_BUTTON(glyph, id, x, y, w, h) PUSHBUTTON glyph, id, x, y, w, h, BS_OWNERDRAW | NOT WS_GROUP | NOT WS_TABSTOP

/* EDIT */
#define EDIT_BASE WS_BORDER | NOT WS_GROUP | WS_TABSTOP
#define FIELD_T(id, x, y, w, h)   EDITTEXT id, x, y, w, h, EDIT_BASE | ES_AUTOHSCROLL
#define FIELD_GT(id, x, y, w, h)  EDITTEXT id, x, y, w, h, EDIT_BASE | ES_AUTOHSCROLL | WS_GROUP
#define FIELD_WANT_RETURN_T(id, x, y, w, h) EDITTEXT id, x, y, w, h, EDIT_BASE | ES_AUTOHSCROLL | ES_WANTRETURN
#define MULTILINE_BITS ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN
#define MULTILINE_FIELD_T(id, x, y, w, h)   EDITTEXT id, x, y, w, h, EDIT_BASE | MULTILINE_BITS | WS_VSCROLL
#define MULTILINE_FIELD_GT(id, x, y, w, h)  EDITTEXT id, x, y, w, h, EDIT_BASE | MULTILINE_BITS | WS_VSCROLL | WS_GROUP
#define MULTILINE_FIELD_NO_SCROLL_GT(id, x, y, w, h) EDITTEXT id, x, y, w, h, EDIT_BASE | MULTILINE_BITS | WS_GROUP
/* Without ES_AUTOHSCROLL a long entry wraps at the right edge. */
#define WRAPPING_FIELD_GT(id, x, y, w, h) \
    EDITTEXT id, x, y, w, h, EDIT_BASE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_GROUP
#define READ_ONLY_MULTILINE_FIELD_T(id, x, y, w, h) \
    EDITTEXT id, x, y, w, h, EDIT_BASE | ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY | WS_VSCROLL

/* LISTBOX: all three kinds notify the host of selections and double clicks. */
#define LIST_BASE WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP
#define VARIABLE_LIST_GT(id, x, y, w, h) LISTBOX id, x, y, w, h, LIST_BASE | LBS_SORT | LBS_EXTENDEDSEL | WS_GROUP
#define SORTED_LIST_T(id, x, y, w, h)    LISTBOX id, x, y, w, h, LIST_BASE | LBS_SORT | NOT WS_GROUP
#define SORTED_LIST_GT(id, x, y, w, h)   LISTBOX id, x, y, w, h, LIST_BASE | LBS_SORT | WS_GROUP
#define CHOICE_LIST_T(id, x, y, w, h)    LISTBOX id, x, y, w, h, LIST_BASE | NOT WS_GROUP

/* COMBOBOX: the template height is the height of the opened list. */
#define DROP_DOWN_LIST_GT(id, x, y, w, h) COMBOBOX id, x, y, w, h, CBS_DROPDOWNLIST | WS_VSCROLL | WS_GROUP | WS_TABSTOP

/* The host's grid class; the host registers it before it creates the dialog. */
#define GRID_GT(id, x, y, w, h) CONTROL "", id, "va32Spread25", WS_BORDER | WS_GROUP | WS_TABSTOP, x, y, w, h

#endif
