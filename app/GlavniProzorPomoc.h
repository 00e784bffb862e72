#pragma once
// Small helpers shared by the main window's source files.
#include <QFile>
#include <QString>
#include <string>

namespace glavni_prozor {

// Names a control the way the rest of the program and assistive tools find it.
template <class W>
W* Imenuj(W* w, const QString& ime) {
    w->setObjectName(ime);
    w->setAccessibleDescription(ime);
    return w;
}

inline std::string UPutanju(const QString& putanja) { return QFile::encodeName(putanja).toStdString(); }

inline QString Tekst(const char* t) { return QString::fromLatin1(t); }

}  // namespace glavni_prozor
