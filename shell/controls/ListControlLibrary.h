#pragma once

// The list control library, loaded while at least one list host exists: loading it
// registers the control's window class, freeing it unregisters the class.
class CListControlLibrary
{
public:
    // Loads the library for one more host; throws the file exception (file not found) when
    // it cannot be loaded, and then counts no host.
    static void AddHost();
    // Frees the library after the last host; the host's control must be destroyed first.
    static void RemoveHost();
    static int GetHostCount() { return s_hostCount; }
    static bool IsLoaded();

private:
    static int s_hostCount;
};

void LoadListControlLibrary();
void FreeListControlLibrary();
