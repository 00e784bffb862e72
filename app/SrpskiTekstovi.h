#pragma once
class QCoreApplication;

// The toolkit's own texts in the program's language: the standard buttons of message boxes and
// button boxes ("Da", "Ne", "U redu", "Otkazi", ...), the file and print dialogs, and the edit
// fields' context menu. Installed once; later calls do nothing.
void UgradiSrpskeTekstove(QCoreApplication& aplikacija);
