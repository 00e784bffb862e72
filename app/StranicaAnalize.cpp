#include "StranicaAnalize.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

#include "Dijalozi.h"
#include "PoslovProracuna.h"
#include "SekcijaAnalize.h"
#include "StranicaAnalizeRadnik.h"
#include "StranicaRezultata.h"
#include "UredjivanjeOpterecenja.h"
#include "Zauzetost.h"

namespace {

template <class W>
W* Imenuj(W* w, const char* ime) {
    w->setObjectName(QString::fromLatin1(ime));
    w->setAccessibleDescription(QString::fromLatin1(ime));
    return w;
}

}  // namespace

TStranicaAnalize::TStranicaAnalize(TKontekstAnalize& kontekst, TStranicaRezultata& rezultati, QWidget* parent)
    : QWidget(parent),
      kontekst(kontekst),
      rezultati(rezultati) {
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
    CheckBoxOpstaStabilnost = Imenuj(new QCheckBox(QStringLiteral("Opsta stabilnost")), "CheckBoxOpstaStabilnost");
    CheckBoxOpstaStabilnost->setToolTip(
        QStringLiteral("Prihvata svaki sistem cija je matrica Kss regularna: i konzole, prepuste i slobodne krajeve"));
    dugmad->addStretch(1);
    v->addLayout(dugmad);
    // A row of its own: the buttons keep the width they had.
    v->addWidget(CheckBoxOpstaStabilnost);
    CheckBoxSmicanjeUOpterecenju =
        Imenuj(new QCheckBox(QStringLiteral("Smicanje u opterecenju")), "CheckBoxSmicanjeUOpterecenju");
    v->addWidget(CheckBoxSmicanjeUOpterecenju);
    connect(CheckBoxSmicanjeUOpterecenju, &QCheckBox::clicked, this, [this](bool ukljuceno) {
        // A running analysis holds the model's edits back, this option with them.
        if (!Zauzet() && !this->kontekst.Zauzetost().Aktivna())
            this->kontekst.IzvrsiIzmenu("Smicanje u opterecenju",
                                        [ukljuceno](TModel& m) { return PostaviSmicanjeUOpterecenju(m, ukljuceno); });
        PrikaziOpcije(this->kontekst.Model().opcijeAnalize);
    });
    PrikaziOpcije(kontekst.Model().opcijeAnalize);
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
    connect(CheckBoxOpstaStabilnost, &QCheckBox::clicked, this, [this](bool da) {
        if (naOpstuStabilnost) naOpstuStabilnost(da);
        PrikaziOpcije(this->kontekst.Model().opcijeAnalize);
    });
    // The option is part of the model: not changed while a run holds it.
    connect(&kontekst.Zauzetost(), &TZauzetost::promenjena, CheckBoxOpstaStabilnost,
            [this](bool aktivna) {
                CheckBoxOpstaStabilnost->setEnabled(!aktivna);
                CheckBoxSmicanjeUOpterecenju->setEnabled(!aktivna);
            });
}

void TStranicaAnalize::PrikaziOpcije(const TOpcijeAnalize& opcije) {
    const QSignalBlocker b(CheckBoxOpstaStabilnost), c(CheckBoxSmicanjeUOpterecenju);
    CheckBoxOpstaStabilnost->setChecked(opcije.opstaStabilnost);
    CheckBoxSmicanjeUOpterecenju->setChecked(opcije.smicanjeUOpterecenju);
}

TStranicaAnalize::~TStranicaAnalize() {
    // The worker sends to this page until it ends; what it sent is dropped with the page.
    if (posao) posao->Zaustavi();
    if (radnik.joinable()) radnik.join();
}

void TStranicaAnalize::ButtonPokreniAnalizuClick() {
    kontekst.PrikaziGlavnuStranu(StranaAnalize);
    if (Zauzet() || kontekst.Zauzetost().Aktivna()) {
        kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), QStringLiteral("Proracun je vec pokrenut!!!"));
        return;
    }
    kontekst.Zauzetost().Postavi(true);
    PrikaziNapredak(QString(), 0);
    PokreniRadnika(rezultati.EditVrednostIspredMatricaKrutosti->text().toStdString());
}

void TStranicaAnalize::PokreniRadnika(std::string faktor) {
    // The snapshot: from here on the run sees only its copy, whatever happens to the model.
    posao = std::make_unique<TPoslovProracuna>(kontekst.Model(), kontekst.Stanje().zahtevanaPutanja);
    TPrijemRada prijem;
    prijem.linija = [this](const QString& t) { DodajRedLoga(t); };
    prijem.isprazniLog = [this] { MemoPorukaTrenutnogStanjaAnalize->clear(); };
    prijem.obrisiRezultate = [this] { ObrisiPrikazaneRezultate(); };
    prijem.napredak = [this](const QString& korak, int procenat) { PrikaziNapredak(korak, procenat); };
    posmatrac = std::make_unique<TPosmatracRadnika>(
        *posao, std::move(faktor), [this](std::function<void()> poziv) { posta.Posalji(std::move(poziv)); },
        std::move(prijem), naRadnikuPreKoraka);
    radnik = std::thread([this, p = posao.get(), o = posmatrac.get()] {
        TRezultatProracuna r;
        try {
            r = p->Izvrsi(*o);
            // Here rather than when a diagram is first shown: a large model's take long enough
            // to be felt in the window.
            if (r.ishod == TIshodProracuna::Uspeh) p->PripremiDijagrame();
        } catch (const std::exception& e) {
            // The pipeline reports its own errors; one that escapes it still reaches the user.
            r = {TIshodProracuna::Greska, e.what(), {}};
            o->poruke.push_back(e.what());
        }
        posta.Posalji([this, r] { PosleProracuna(r); });
    });
}

void TStranicaAnalize::DodajRedLoga(const QString& linija) {
    MemoPorukaTrenutnogStanjaAnalize->appendPlainText(linija);
    if (posleLinijeLoga) posleLinijeLoga(linija);
}

void TStranicaAnalize::ObrisiPrikazaneRezultate() {
    kontekst.Stanje().ObrisiRezultate(kontekst.Model());
    rezultati.ObrisiRezultate();
    kontekst.CrtajGrafik();
}

void TStranicaAnalize::PosleProracuna(TRezultatProracuna r) {
    if (radnik.joinable()) radnik.join();
    kontekst.Zauzetost().Postavi(false);
    if (r.ishod == TIshodProracuna::Uspeh) {
        if (!PrikaziUspeh()) r = {TIshodProracuna::Prekinut, "", {}};
    } else {
        // A run that ended early keeps what it had made until the next clear, as a run in place
        // would; the grids stay empty until "Osvezi" (into a model edited meanwhile nothing goes).
        kontekst.PostaviRezultate(*posao);
    }
    // The lines after the result display, then what a run that computed nothing more still does.
    for (const std::string& l : posmatrac->log) DodajRedLoga(QString::fromStdString(l));
    if (r.ishod == TIshodProracuna::Uspeh || r.ishod == TIshodProracuna::Prekinut) {
        rezultati.PodesiSirineKolona();
        kontekst.CrtajGrafik();
    }
    for (const std::string& p : posmatrac->poruke)
        kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), QString::fromStdString(p));
    if (r.ishod != TIshodProracuna::Uspeh) PrikaziNapredak(QString(), 0);
    posmatrac.reset();
    posao.reset();
    rezultat = r;
    if (posleProracuna) posleProracuna(rezultat);
}

bool TStranicaAnalize::PrikaziUspeh() {
    if (!kontekst.PostaviRezultate(*posao)) return false;
    rezultati.PrikaziRezultate();
    rezultati.PrikaziSileStapa();
    return true;
}

void TStranicaAnalize::PrikaziNapredak(const QString& korak, int procenat) {
    // A step of unknown length keeps the share reached so far; a busy bar would hide the name.
    if (procenat >= 0) ProgressBarAnalize->setValue(procenat);
    ProgressBarAnalize->setFormat(korak.isEmpty() ? QString() : QStringLiteral("%p% - ") + korak);
}

void TStranicaAnalize::ButtonPrekiniAnalizuClick() {
    if (posao) posao->Zaustavi();
    else
        // A busy state with no run behind it has nothing else to wait for.
        kontekst.Zauzetost().Postavi(false);
}

void TStranicaAnalize::ButtonFormirajIzvestajClick() {
    if (Zauzet() || kontekst.Zauzetost().Aktivna()) {
        kontekst.Dijalozi().Informacija(kontekst.ProzorZaPoruke(),
                                        QStringLiteral("Proracun je u toku!!!\r\nNije dopustena akcija!!!"));
        return;
    }
    if (naIzvestaj) naIzvestaj();
}
