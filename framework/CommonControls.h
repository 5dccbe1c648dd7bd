#pragma once

// Registers the common-control classes that dialog templates name (up-down, tabs). Templates
// are made by the dialog manager, so this runs at start-up, before any of them opens.
void RegisterCommonControls();
