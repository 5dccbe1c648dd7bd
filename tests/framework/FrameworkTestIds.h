#pragma once

// Resource ids of the framework tests' resource script. The tests link the program's resources
// too: these stay in 30000-30999, which the program does not use, so no two resources share an id.
#define IDD_TEST_DIALOG 30100
#define IDC_TEST_NAME 1001
#define IDC_TEST_COUNT 1002
#define IDC_TEST_AMOUNT 1003

#define IDD_TEST_FORM 30200
#define TEST_FORM_WIDTH_DLU 160
#define TEST_FORM_HEIGHT_DLU 90
#define IDC_FORM_COMMAND_BUTTON 32769
#define IDC_FORM_LOCAL_BUTTON 201
#define IDC_FORM_LIST 202

#define IDR_TEST_FRAME 30300
#define ID_TEST_VIEW_COMMAND 5000
#define ID_TEST_APP_COMMAND 5001
#define ID_TEST_DOC_COMMAND 5002
#define ID_TEST_NO_HANDLER 5010
#define ID_TEST_CHECKED 5011
#define ID_TEST_REMOVED 5012
#define ID_TEST_AFTER_REMOVED 5013
#define ID_TEST_DISABLED 5014
#define ID_TEST_QUERY 30075
