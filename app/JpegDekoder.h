#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Our pictures are decoded by libjpeg directly. A missing, truncated or corrupt file gives a null
// image, never an abort: the windows then show an empty picture area.
QImage DekodirajJpeg(const QByteArray& podaci);
QImage UcitajJpeg(const QString& putanja);

// Where the pictures live: beside the executable, or in the source tree's assets/ when the
// program runs from a build directory that has no copy of them.
QString PutanjaSlike(const QString& ime);
