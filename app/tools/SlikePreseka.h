#pragma once
#include <QImage>

// The three pages of section tables.
QImage Preseci1();
QImage Preseci2();
QImage Preseci3();
