#include "JpegDekoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg's own error_exit ends the process; ours jumps back into DekodirajJpeg instead.
struct TGreskaJpeg {
    jpeg_error_mgr osnovni;
    std::jmp_buf povratak;
};

void IzlazNaGresku(j_common_ptr cinfo) {
    auto* greska = reinterpret_cast<TGreskaJpeg*>(cinfo->err);
    std::longjmp(greska->povratak, 1);
}

// Warnings (e.g. a premature end of data, which libjpeg pads with gray) would otherwise go to
// stderr; a damaged file is treated as unreadable instead of being shown half gray.
void PorukaUpozorenja(j_common_ptr cinfo, int nivo) {
    if (nivo < 0) {
        auto* greska = reinterpret_cast<TGreskaJpeg*>(cinfo->err);
        std::longjmp(greska->povratak, 1);
    }
}

void BezIspisa(j_common_ptr) {}

// Pictures larger than this are refused before any pixel memory is taken.
constexpr JDIMENSION najvecaStranica = 8192;

// Kept out of DekodirajJpeg so that no object with a destructor lives in the frame that setjmp
// returns to twice.
bool Dekodiraj(const unsigned char* podaci, unsigned long duzina, QImage& slika) {
    jpeg_decompress_struct cinfo;
    TGreskaJpeg greska;
    cinfo.err = jpeg_std_error(&greska.osnovni);
    greska.osnovni.error_exit = IzlazNaGresku;
    greska.osnovni.emit_message = PorukaUpozorenja;
    greska.osnovni.output_message = BezIspisa;
    // `slika` lives in the caller, so whatever was written before a jump is released normally.
    if (setjmp(greska.povratak)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, podaci, duzina);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_width == 0 || cinfo.output_height == 0 || cinfo.output_width > najvecaStranica ||
        cinfo.output_height > najvecaStranica || cinfo.output_components != 3) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    slika = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    if (slika.isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW red = slika.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &red, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

QImage DekodirajJpeg(const QByteArray& podaci) {
    if (podaci.isEmpty()) return {};
    QImage slika;
    if (!Dekodiraj(reinterpret_cast<const unsigned char*>(podaci.constData()),
                   static_cast<unsigned long>(podaci.size()), slika))
        return {};
    return slika;
}

QImage UcitajJpeg(const QString& putanja) {
    QFile fajl(putanja);
    if (!fajl.open(QIODevice::ReadOnly)) return {};
    // Our pictures are small; anything huge is not one of them.
    if (fajl.size() > 64 * 1024 * 1024) return {};
    return DekodirajJpeg(fajl.readAll());
}

QString PutanjaSlike(const QString& ime) {
    QString pored = QDir(QCoreApplication::applicationDirPath()).filePath(ime);
    if (QFileInfo::exists(pored)) return pored;
    // Installed: bin/velt finds its pictures in share/velt.
    const QString instalirano = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/velt/") + ime);
    if (QFileInfo::exists(instalirano)) return instalirano;
#ifdef VELT_ASSETS_DIR
    return QDir(QStringLiteral(VELT_ASSETS_DIR)).filePath(ime);
#else
    return pored;
#endif
}
