#pragma once

// Command ids that the menus, accelerators and forms share with the framework.
enum : unsigned
{
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_PRINT = 57607,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_FIND = 57636,
    ID_EDIT_PASTE = 57637,
    ID_HELP_USING = 57668,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,

    // Command ids from here on route past a form to its frame and the application.
    kFirstCommandId = 0x8000,
    kFirstSystemCommandId = 0xF000,

    AFX_IDW_PANE_FIRST = 0xE900,      // the control id of a frame's view
    AFX_IDM_FIRST_MDICHILD = 0xFF00,  // the MDI client's first child id
};

// Frame style bit: the document's title is shown in the frame's caption.
enum : unsigned long
{
    FWS_ADDTOTITLE = 0x00008000UL,
};
