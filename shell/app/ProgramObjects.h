#pragma once

class CWnd;

// Makes and deletes the program-wide objects (form manager, settings, browse state, error
// reporter, shopping manager), so that the order of both is seen in one place. The cookbook
// database is opened by start-up but deleted here with the rest.
class CProgramObjects
{
public:
    // The form manager comes with the main frame, before a cookbook is open.
    static void CreateFormManager(CWnd* pFrame);
    // The objects that read the open cookbook's settings.
    static void CreateShared();
    static void DestroyAll();
};
