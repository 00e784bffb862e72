#include "StranicaAnalize.h"

#include <QDateTime>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <exception>
#include <thread>

#include "Dijalozi.h"
#include "StranicaRezultata.h"

namespace {

template <class W>
W* Imenuj(W* w, const char* ime) {
    w->setObjectName(QString::fromLatin1(ime));
    w->setAccessibleDescription(QString::fromLatin1(ime));
    return w;
}

// The pipeline's view of this page. Each hook may be called from the worker; it is carried out on
// the window's thread.
class TPosmatracStranice : public TPosmatracProracuna {
public:
    TPosmatracStranice(TStranicaAnalize& stranica, TKontekstAnalize& kontekst, TStranicaRezultata& rezultati)
        : stranica(stranica), kontekst(kontekst), rezultati(rezultati) {}

    std::string DatumVreme() override {
        const QLocale lokal;
        const QDateTime sada = QDateTime::currentDateTime();
        return (lokal.toString(sada.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                lokal.toString(sada.time(), QLocale::LongFormat))
            .toStdString();
    }
    // What the run showed, for its outcome: a run handed to the worker reports only that it started.
    bool kraj = false;
    bool greska = false;
    std::string poruka;

    void Log(const std::string& linija) override {
        if (linija.rfind("Kraj analize - ", 0) == 0)
            kraj = true;
        stranica.NaGlavnojNiti([&] {
            const QString t = QString::fromStdString(linija);
            stranica.MemoPorukaTrenutnogStanjaAnalize->appendPlainText(t);
            if (stranica.posleLinijeLoga)
                stranica.posleLinijeLoga(t);
        });
    }
    void IsprazniLog() override {
        stranica.NaGlavnojNiti([&] { stranica.MemoPorukaTrenutnogStanjaAnalize->clear(); });
    }
    void PorukaGreske(const std::string& tekst) override {
        greska = true;
        poruka = tekst;
        stranica.NaGlavnojNiti(
            [&] { kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), QString::fromStdString(tekst)); });
    }
    void ObrisiRezultate() override {
        stranica.NaGlavnojNiti([&] { rezultati.ObrisiRezultate(); });
    }
    void CrtajGrafik() override {
        stranica.NaGlavnojNiti([&] { kontekst.CrtajGrafik(); });
    }
    void PrikaziRezultate() override {
        stranica.NaGlavnojNiti([&] { rezultati.PrikaziRezultate(); });
    }
    void PrikaziSileStapa() override {
        stranica.NaGlavnojNiti([&] { rezultati.PrikaziSileStapa(); });
    }
    void PodesiSirineKolona() override {
        stranica.NaGlavnojNiti([&] { rezultati.PodesiSirineKolona(); });
    }
    void Napredak(const std::string& korak, int procenat) override { stranica.PrikaziNapredak(korak, procenat); }

private:
    TStranicaAnalize& stranica;
    TKontekstAnalize& kontekst;
    TStranicaRezultata& rezultati;
};

}  // namespace

TStranicaAnalize::TStranicaAnalize(TKontekstAnalize& kontekst, TStranicaRezultata& rezultati, QWidget* parent)
    : QWidget(parent), kontekst(kontekst), rezultati(rezultati),
      posmatrac(std::make_unique<TPosmatracStranice>(*this, kontekst, rezultati)) {
    setObjectName(QStringLiteral("StranicaAnalize"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(4, 4, 4, 4);
    auto* dugmad = new QHBoxLayout;
    ButtonPokreniAnalizu = Imenuj(new QPushButton(QStringLiteral("Pokreni analizu")), "ButtonPokreniAnalizu");
    ButtonPrekiniAnalizu = Imenuj(new QPushButton(QStringLiteral("Stop")), "ButtonPrekiniAnalizu");
    ButtonFormirajIzvestaj = Imenuj(new QPushButton(QStringLiteral("Izvestaj")), "ButtonFormirajIzvestaj");
    dugmad->addWidget(ButtonPokreniAnalizu);
    dugmad->addWidget(ButtonPrekiniAnalizu);
    dugmad->addWidget(ButtonFormirajIzvestaj);
    dugmad->addStretch(1);
    v->addLayout(dugmad);
    MemoPorukaTrenutnogStanjaAnalize = Imenuj(new QPlainTextEdit, "MemoPorukaTrenutnogStanjaAnalize");
    MemoPorukaTrenutnogStanjaAnalize->setReadOnly(true);
    MemoPorukaTrenutnogStanjaAnalize->setLineWrapMode(QPlainTextEdit::NoWrap);
    ProgressBarAnalize = Imenuj(new QProgressBar, "ProgressBarAnalize");
    ProgressBarAnalize->setRange(0, 100);
    ProgressBarAnalize->setValue(0);
    ProgressBarAnalize->setFormat(QString());
    v->addWidget(ProgressBarAnalize);
    v->addWidget(MemoPorukaTrenutnogStanjaAnalize, 1);

    connect(ButtonPokreniAnalizu, &QPushButton::clicked, this, [this] { ButtonPokreniAnalizuClick(); });
    connect(ButtonPrekiniAnalizu, &QPushButton::clicked, this, [this] { ButtonPrekiniAnalizuClick(); });
    connect(ButtonFormirajIzvestaj, &QPushButton::clicked, this, [this] { ButtonFormirajIzvestajClick(); });
}

TStranicaAnalize::~TStranicaAnalize() = default;

bool TStranicaAnalize::Zauzet() const { return kontekst.Stanje().radimProracun || radnikAktivan; }

void TStranicaAnalize::NaGlavnojNiti(const std::function<void()>& f) {
    if (QThread::currentThread() == thread()) {
        f();
        return;
    }
    std::exception_ptr greska;
    QMetaObject::invokeMethod(
        this,
        [&] {
            try {
                f();
            } catch (...) {
                greska = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (greska)
        std::rethrow_exception(greska);
}

void TStranicaAnalize::ButtonPokreniAnalizuClick() {
    kontekst.PrikaziGlavnuStranu(StranaAnalize);
    if (Zauzet()) {
        kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), QStringLiteral("Proracun je vec pokrenut!!!"));
        return;
    }
    TModel& model = kontekst.Model();
    TStanjeAnalize& stanje = kontekst.Stanje();
    posmatrac->IsprazniLog();
    posmatrac->Log("Pocetak analize - " + posmatrac->DatumVreme());
    stanje.radimProracun = true;
    auto& p = static_cast<TPosmatracStranice&>(*posmatrac);
    p.kraj = p.greska = false;
    p.poruka.clear();
    PrikaziNapredak("", 0);
    rezultat = PripremiProracun(model, stanje, *posmatrac, [this](TProracun& pr) { PokreniNaRadniku(pr); });
    if (rezultat.ishod == TIshodProracuna::Uspeh) {
        if (p.greska)
            rezultat = {TIshodProracuna::Greska, p.poruka};
        else if (!p.kraj)
            rezultat = {TIshodProracuna::Prekinut, ""};
    }
    // A run that did not end leaves no progress behind (its queued updates come first).
    if (rezultat.ishod != TIshodProracuna::Uspeh)
        QMetaObject::invokeMethod(this, [this] { PrikaziNapredak("", 0); }, Qt::QueuedConnection);
    if (posleProracuna)
        posleProracuna(rezultat);
}

void TStranicaAnalize::PokreniNaRadniku(TProracun& proracun) {
    radnikAktivan = true;
    QEventLoop petlja;
    std::thread radnik([&] {
        try {
            proracun.Execute();
        } catch (...) {
            // The pipeline reports its own errors; nothing else may end the program from here.
        }
        // Posted to the loop itself: if the worker finishes before the loop starts, the loop
        // still gets it, and it is dropped with the loop.
        QMetaObject::invokeMethod(&petlja, [&petlja] { petlja.quit(); }, Qt::QueuedConnection);
    });
    petlja.exec();
    radnik.join();
    radnikAktivan = false;
}

void TStranicaAnalize::PrikaziNapredak(const std::string& korak, int procenat) {
    auto prikazi = [this, tekst = QString::fromStdString(korak), procenat] {
        // A step of unknown length keeps the share reached so far; a busy bar would hide the name.
        if (procenat >= 0)
            ProgressBarAnalize->setValue(procenat);
        ProgressBarAnalize->setFormat(tekst.isEmpty() ? QString() : QStringLiteral("%p% - ") + tekst);
    };
    if (QThread::currentThread() == thread())
        prikazi();
    else
        QMetaObject::invokeMethod(this, prikazi, Qt::QueuedConnection);
}

void TStranicaAnalize::ButtonPrekiniAnalizuClick() { kontekst.Stanje().radimProracun = false; }

void TStranicaAnalize::ButtonFormirajIzvestajClick() {
    // The report reads the results the worker is still writing.
    if (Zauzet()) {
        kontekst.Dijalozi().Informacija(kontekst.ProzorZaPoruke(), QStringLiteral("Proracun je u toku!!!\r\nNije dopustena akcija!!!"));
        return;
    }
    if (naIzvestaj)
        naIzvestaj();
}
