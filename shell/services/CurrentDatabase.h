#pragma once

class CCookbookDatabase;

// The application's current-database pointer: the one database object of the user interface.
// Not owned here: start-up makes it, the main frame's tear-down deletes it.
CCookbookDatabase* GetCurrentDatabase();
void SetCurrentDatabase(CCookbookDatabase* pDatabase);
