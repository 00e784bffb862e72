#pragma once
#include <QString>

// Renders a report text through a report project straight into a PDF file, without a window:
// the same engine and project file as the preview, for the command line. The text is offered
// through the connection "ReportConnection1" with the one column "Podaci", as the program does.
// Works without a running application object (one is started offscreen for the call). False,
// with the message in *greska, when the project is missing or malformed or the PDF cannot be
// written.
bool IzvestajUPdf(const QString& projekat, const QString& tekst, const QString& pdf, QString* greska);
