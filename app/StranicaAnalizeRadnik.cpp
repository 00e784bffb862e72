#include "StranicaAnalizeRadnik.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>

#include "PoslovProracuna.h"

void TPostaRadnika::Posalji(std::function<void()> poziv) {
    std::lock_guard<std::mutex> zakljucano(mutex);
    const bool budi = red.empty();
    red.push_back(std::move(poziv));
    // Posted under the lock, so that the receiver's taking the calls follows everything Qt did
    // for the post.
    if (budi) QMetaObject::invokeMethod(primalac, metod, Qt::QueuedConnection);
}

void TPostaRadnika::Isporuci() {
    for (;;) {
        std::function<void()> poziv;
        {
            std::lock_guard<std::mutex> zakljucano(mutex);
            if (red.empty()) return;
            poziv = std::move(red.front());
            red.pop_front();
        }
        poziv();
    }
}

TPosmatracRadnika::TPosmatracRadnika(TPoslovProracuna& posao, std::string faktor, TPosta posalji, TPrijemRada prijem,
                                     std::function<void(const std::string&)> preKoraka)
    : TPosmatracBezEkrana(posao.Model(), posao.Stanje(), std::move(faktor)),
      posalji(std::move(posalji)),
      prijem(std::move(prijem)),
      preKoraka(std::move(preKoraka)) {}

std::string TPosmatracRadnika::DatumVreme() {
    const QLocale lokal;
    const QDateTime sada = QDateTime::currentDateTime();
    return (lokal.toString(sada.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
            lokal.toString(sada.time(), QLocale::LongFormat))
        .toStdString();
}

void TPosmatracRadnika::Log(const std::string& linija) {
    if (posleIspisa) {
        TPosmatracBezEkrana::Log(linija);
    } else {
        posalji([f = prijem.linija, t = QString::fromStdString(linija)] { f(t); });
    }
    if (preKoraka) preKoraka(linija);
}

void TPosmatracRadnika::IsprazniLog() { posalji(prijem.isprazniLog); }

void TPosmatracRadnika::ObrisiRezultate() { posalji(prijem.obrisiRezultate); }

void TPosmatracRadnika::PrikaziRezultate() {
    TPosmatracBezEkrana::PrikaziRezultate();
    posleIspisa = true;
}

void TPosmatracRadnika::Napredak(const std::string& korak, int procenat) {
    if (korak == poslatKorak && procenat == poslatProcenat) return;
    poslatKorak = korak;
    poslatProcenat = procenat;
    posalji([f = prijem.napredak, t = QString::fromStdString(korak), procenat] { f(t, procenat); });
}
