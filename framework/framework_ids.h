#pragma once
// Command, string and window identifiers that the framework itself knows.
// Plain preprocessor definitions, so the resource compiler can read them too.

// Commands the framework handles.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_LAST 57631
#define ID_EDIT_CLEAR 57632
#define ID_EDIT_CLEAR_ALL 57633
#define ID_EDIT_COPY 57634
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_WINDOW_SPLIT 57653
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// Commands at or above this number (system commands) get no default update.
#define ID_FIRST_SYSTEM_COMMAND 0xF000

// Strings.
#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345
#define IDS_OPEN_FILE_TITLE 61440
#define IDS_SAVE_FILE_TITLE 61441
#define IDS_ALL_FILES_FILTER 61442
#define IDS_UNTITLED 61443
#define IDS_FAILED_TO_CREATE_DOC 61700

// The view's child-window identifier inside its frame.
#define IDW_PANE_FIRST 59648
