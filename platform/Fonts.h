#pragma once
// The windows name Windows fonts; map them onto the Debian fonts installed with
// the program so that text metrics, and every layout derived from them, are the
// same on every machine. Call once after the application object exists.
void InstallFontSubstitutions();
