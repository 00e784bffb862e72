#include "StranicaAnalizeRadnik.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>

#include "PoslovProracuna.h"

TPosmatracRadnika::TPosmatracRadnika(TPoslovProracuna& posao, std::string faktor, QObject* primalac,
                                     TPrijemRada prijem, std::function<void(const std::string&)> preKoraka)
    : TPosmatracBezEkrana(posao.Model(), posao.Stanje(), std::move(faktor)), primalac(primalac),
      prijem(std::move(prijem)), preKoraka(std::move(preKoraka)) {}

void TPosmatracRadnika::Posalji(std::function<void()> f) {
    QMetaObject::invokeMethod(primalac, std::move(f), Qt::QueuedConnection);
}

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
        Posalji([f = prijem.linija, t = QString::fromStdString(linija)] { f(t); });
    }
    if (preKoraka)
        preKoraka(linija);
}

void TPosmatracRadnika::IsprazniLog() { Posalji(prijem.isprazniLog); }

void TPosmatracRadnika::ObrisiRezultate() { Posalji(prijem.obrisiRezultate); }

void TPosmatracRadnika::PrikaziRezultate() {
    TPosmatracBezEkrana::PrikaziRezultate();
    posleIspisa = true;
}

void TPosmatracRadnika::Napredak(const std::string& korak, int procenat) {
    if (korak == poslatKorak && procenat == poslatProcenat)
        return;
    poslatKorak = korak;
    poslatProcenat = procenat;
    Posalji([f = prijem.napredak, t = QString::fromStdString(korak), procenat] { f(t, procenat); });
}
