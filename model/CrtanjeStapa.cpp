#include "CrtanjeStapa.h"

#include "Brojevi.h"
#include "PodelaStapa.h"
#include "UredjivanjeCvorova.h"

const TPoljaMaterijala PodrazumevaniMaterijal{"Materijal 1", "30000000.0", "0.2", "2500.0", "0.00001"};
const TPoljaPreseka PodrazumevaniPresek{"Presek 1", "0.003125", "0.15", "0.5", "0.0"};

namespace {

// The list index of the point's node, added when the point names none that exists. The position
// goes through its shortest text, as if typed on the node page.
int CvorTacke(TModel& m, const TTackaStapa& t) {
    if (t.idCvora >= 0)
        if (const int i = IndeksPoID(m.nizCvorova, t.idCvora); i >= 0) return i;
    DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, FormatBroja(static_cast<long double>(t.x)),
                        FormatBroja(static_cast<long double>(t.z)));
    return static_cast<int>(m.nizCvorova.size()) - 1;
}

bool UOpsegu(int i, size_t n) { return i >= 0 && i < static_cast<int>(n); }

// Of the members with these IDs, the one (its list index) whose line passes nearest the point.
int NajbliziStap(const TModel& m, std::initializer_list<int> id, double x, double z) {
    int najblizi = -1;
    double najmanje = 0;
    for (int i : id) {
        const int k = i >= 0 ? IndeksPoID(m.nizStapova, i) : -1;
        if (k < 0) continue;
        const double d = NajblizaTackaStapa(*m.nizStapova[size_t(k)], x, z).rastojanje;
        if (najblizi < 0 || d < najmanje) najblizi = k, najmanje = d;
    }
    return najblizi;
}

// Puts the end on a node of member `idStapa` (or of the half an earlier split of it left,
// `drugaPolovina`): an end node when the point is one, else a new node splitting the member.
void NaStap(TModel& m, TTackaStapa& t, int idStapa, int drugaPolovina, std::vector<TPodelaStapa>& podele) {
    if (idStapa < 0 || t.idCvora >= 0) return;
    const int k = NajbliziStap(m, {idStapa, drugaPolovina}, t.x, t.z);
    if (k < 0) return;
    const TStap& s = *m.nizStapova[size_t(k)];
    const TPolozajNaStapu n = NajblizaTackaStapa(s, t.x, t.z);
    if (n.t <= 0 || n.t >= 1) {
        t.idCvora = (n.t <= 0 ? s.PocetniCvor() : s.KrajnjiCvor())->ID();
        return;
    }
    TPodelaStapa p;
    if (!PodeliStap(m, s.ID(), n.t, &p)) return;
    t.idCvora = p.idCvora;
    podele.push_back(p);
}

}  // namespace

bool NacrtajStap(TModel& m, const TTackaStapa& pocetak, const TTackaStapa& kraj, TIzborStapa izbor) {
    if (m.nizMaterijala.empty()) {
        DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, PodrazumevaniMaterijal);
        izbor.materijal = 0;
    }
    if (m.nizPreseka.empty()) {
        DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, PodrazumevaniPresek);
        izbor.presek = 0;
    }
    if (!UOpsegu(izbor.materijal, m.nizMaterijala.size())) izbor.materijal = 0;
    if (!UOpsegu(izbor.presek, m.nizPreseka.size())) izbor.presek = 0;
    if (!OsobineTipa(izbor.tip)) izbor.tip = tsK;
    izbor.pocetniCvor = CvorTacke(m, pocetak);
    const bool isto = kraj.idCvora >= 0 ? kraj.idCvora == pocetak.idCvora
                                        : pocetak.idCvora < 0 && kraj.x == pocetak.x && kraj.z == pocetak.z;
    izbor.krajnjiCvor = isto ? izbor.pocetniCvor : CvorTacke(m, kraj);
    return DodajStap(m, izbor);
}

bool NacrtajStapNaStapove(TModel& m, TTackaStapa pocetak, int stapPocetka, TTackaStapa kraj, int stapKraja,
                          TIzborStapa izbor, std::vector<TPodelaStapa>* podele) {
    std::vector<TPodelaStapa> p;
    NaStap(m, pocetak, stapPocetka, -1, p);
    // Both ends on one member: the second may now lie on the half the first split made.
    NaStap(m, kraj, stapKraja, stapKraja == stapPocetka && !p.empty() ? p.back().idNovogStapa : -1, p);
    if (podele) *podele = p;
    return NacrtajStap(m, pocetak, kraj, izbor);
}
