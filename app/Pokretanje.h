#pragma once

// The whole start-up: splash, windows, the model named on the command line, the event loop.
// VELT_BEZ_UVODA=1 skips the 2000 ms splash wait (tests); VELT_SNIMAK=<file.png> saves a picture
// of the main window once it is on screen and ends the program (screenshots without a desktop);
// VELT_SNIMAK_STRANA=<index> shows that page of the main window first.
int PokreniVELT(int argc, char** argv);
