#include "TipoviStapa.h"

#include <string>

#include "Model.h"

namespace {

// A node direction at the start (i) or the end (k) node; Y is the rotation about Y.
constexpr TStepenSlobode Xi{true, TPravacCvora::X}, Zi{true, TPravacCvora::Z}, Yi{true, TPravacCvora::Obrtanje};
constexpr TStepenSlobode Xk{false, TPravacCvora::X}, Zk{false, TPravacCvora::Z}, Yk{false, TPravacCvora::Obrtanje};
// Fills the unused places of a shorter layout; never read.
constexpr TStepenSlobode Nema{true, TPravacCvora::X};

// A rotation is a degree of freedom of the member exactly where its end is rigid.
constexpr std::array<TOsobineTipa, BrojTipovaStapa> Tipovi{{
    {tsK, "k", "Stap tipa k", true, true, 6, {Xi, Zi, Yi, Xk, Zk, Yk}},
    {tsIG, "ig", "Stap tipa ig", true, false, 5, {Xi, Zi, Yi, Xk, Zk, Nema}},
    {tsGK, "gk", "Stap tipa gk", false, true, 5, {Xi, Zi, Xk, Zk, Yk, Nema}},
    {tsProst, "prost", "Prost stap", false, false, 4, {Xi, Zi, Xk, Zk, Nema, Nema}},
}};

std::string NapisiPorukuNepoznatogTipa() {
    std::string t = "Tip stapa mora biti ";
    for (int i = 0; i < BrojTipovaStapa; ++i) {
        if (i) t += i + 1 == BrojTipovaStapa ? " ili " : ", ";
        t += std::to_string(i) + " (" + Tipovi[i].ime + ")";
    }
    return t + "!!!";
}

}  // namespace

int TOsobineTipa::Mesto(bool naPocetku, TPravacCvora pravac) const {
    for (int a = 0; a < brojStepeni; ++a)
        if (stepeni[a].naPocetku == naPocetku && stepeni[a].pravac == pravac) return a + 1;
    return 0;
}

TMestaStapa TOsobineTipa::Mesta() const {
    using P = TPravacCvora;
    return {Mesto(true, P::X),  Mesto(true, P::Z),  Mesto(true, P::Obrtanje),
            Mesto(false, P::X), Mesto(false, P::Z), Mesto(false, P::Obrtanje)};
}

const std::array<TOsobineTipa, BrojTipovaStapa>& TipoviStapa() { return Tipovi; }

const TOsobineTipa* OsobineTipa(int tip) {
    return tip >= 0 && tip < BrojTipovaStapa ? &Tipovi[static_cast<size_t>(tip)] : nullptr;
}

const TOsobineTipa& TipSaKrajevima(bool krutPocetak, bool krutKraj) {
    for (const TOsobineTipa& t : Tipovi)
        if (t.krutPocetak == krutPocetak && t.krutKraj == krutKraj) return t;
    return Tipovi[tsProst];  // every combination is in the list; keeps the compiler content
}

const char* ImeTipaStapa(int tip) {
    const TOsobineTipa* t = OsobineTipa(tip);
    return t ? t->ime : "";
}

bool KrajKrut(int tip, bool naPocetku) {
    const TOsobineTipa* t = OsobineTipa(tip);
    return t && t->Krut(naPocetku);
}

bool KrajZglobni(int tip, bool naPocetku) {
    const TOsobineTipa* t = OsobineTipa(tip);
    return t && !t->Krut(naPocetku);
}

const char* PorukaNepoznatogTipaStapa() {
    static const std::string poruka = NapisiPorukuNepoznatogTipa();
    return poruka.c_str();
}

int KodniBroj(const TCvor& cvor, TPravacCvora pravac) {
    switch (pravac) {
        case TPravacCvora::X: return cvor.BrPomeranjaX();
        case TPravacCvora::Z: return cvor.BrPomeranjaZ();
        case TPravacCvora::Obrtanje: return cvor.BrObrtanjaY();
    }
    return 0;
}

TKrajeviCvorova KrajeviCvorova(const TModel& model) {
    TKrajeviCvorova krajevi;
    for (const auto& st : model.nizStapova)
        for (bool naPocetku : {true, false}) {
            const TCvor* c = naPocetku ? st->PocetniCvor() : st->KrajnjiCvor();
            if (!c) continue;
            TKrajeviCvora& e = krajevi[c->ID()];
            const bool krut = KrajKrut(st->TipStapa(), naPocetku);
            ++(krut ? e.krutih : e.zglobnih);
            if (!e.prviStap) e.prviStap = st.get();
            if (krut && !e.prviKrut) e.prviKrut = st.get();
        }
    return krajevi;
}

TKrajeviCvora KrajeviCvora(const TKrajeviCvorova& krajevi, const TCvor& cvor) {
    const auto it = krajevi.find(cvor.ID());
    return it == krajevi.end() ? TKrajeviCvora{} : it->second;
}
