#include "CrtanjeSimbola.h"

#include <cmath>
#include <unordered_map>

#include "SimboliOpterecenja.h"
#include "SimboliOslonaca.h"
#include "Brojevi.h"
#include "GradnjaOblika.h"
#include "OseCvora.h"
#include "TipoviStapa.h"

namespace {

struct TSmer {
    double x = 0, z = 0;
};

// The unit direction in which the structure leaves each node: the mean of its members' directions.
std::unordered_map<const TCvor*, TSmer> SmeroviKaKonstrukciji(const TModel& model) {
    std::unordered_map<const TCvor*, TSmer> r;
    for (const auto& s : model.nizStapova) {
        const TCvor* a = s->PocetniCvor();
        const TCvor* b = s->KrajnjiCvor();
        if (!a || !b) continue;
        double dx = double(b->X() - a->X()), dz = double(b->Z() - a->Z());
        const double d = std::hypot(dx, dz);
        if (!(d > 0)) continue;
        dx /= d;
        dz /= d;
        r[a].x += dx;
        r[a].z += dz;
        r[b].x -= dx;
        r[b].z -= dz;
    }
    for (auto& [c, s] : r) {
        const double d = std::hypot(s.x, s.z);
        if (d > 1e-9) {
            s.x /= d;
            s.z /= d;
        } else {
            // Members leaving both ways in one line: the structure is "above" the support.
            s = {0, 1};
        }
    }
    return r;
}

void Dodaj(TPlotPovrsina& g, std::vector<TOblik>&& o) {
    for (TOblik& f : o) g.Oblik(std::move(f));
}

}  // namespace

void CrtajKonstrukcijuSaSimbolima(TPlotPovrsina& g, const TModel& model, const TPodesavanja& p) {
    const TColor boja = g.DataColor;
    const auto smerovi = SmeroviKaKonstrukciji(model);
    auto smer = [&](const TCvor* c) {
        auto it = smerovi.find(c);
        return it == smerovi.end() ? TSmer{0, 1} : it->second;
    };

    // Members first, so supports, hinges and loads lie over their lines.
    if (p.prikaziSimbolStapa)
        for (const auto& s : model.nizStapova) {
            const TCvor* a = s->PocetniCvor();
            const TCvor* b = s->KrajnjiCvor();
            if (!a || !b) continue;
            g.MoveTo(double(a->X()), double(a->Z()));
            g.DrawTo(double(b->X()), double(b->Z()));
        }
    // Orientation as a small open arrowhead on the line a quarter of the way from the start node:
    // it tells the direction without hiding the member.
    if (p.prikaziOrjentacijuStapa)
        for (const auto& s : model.nizStapova) {
            const TCvor* a = s->PocetniCvor();
            const TCvor* b = s->KrajnjiCvor();
            if (!a || !b) continue;
            TGradnjaOblika f;
            f.x = double(a->X() + 0.25L * (b->X() - a->X()));
            f.y = double(a->Z() + 0.25L * (b->Z() - a->Z()));
            f.smerX = double(b->X() - a->X());
            f.smerY = double(b->Z() - a->Z());
            TOblik o = f.Linija({{-4, 4}, {3, 0}, {-4, -4}}, 1.2f);
            o.sitan = szOrijentacija;
            g.Oblik(std::move(o));
        }

    for (const auto& c : model.nizCvorova) {
        const double x = double(c->X()), z = double(c->Z());
        if (p.prikaziOslonceCvora) {
            const TSmer k = smer(c.get());
            const TOseCvora o = OseCvora(*c);
            Dodaj(g, SimbolOslonca(VrstaOslonca(c->OslX(), c->OslZ(), c->UkljY()), x, z, k.x, k.z, o.c, o.s));
            if (c->ImaOprugu())
                Dodaj(g, SimboliOpruga(c->Kx() > 0, c->Kz() > 0, c->Kfi() > 0, x, z, k.x, k.z, o.c, o.s));
        }
        if (p.prikaziSimbolCvora) {
            TGradnjaOblika f;
            f.x = x;
            f.y = z;
            TOblik o = f.Krug({0, 0}, 2.5f, boja);
            o.sitan = szCvor;
            g.Oblik(std::move(o));
        }
    }

    // Hinges over the node marks: the circle is what shows the end is free to turn. Where every
    // member of a node is hinged at it, the node itself is the hinge: one circle on the node, as a
    // truss is drawn.
    if (p.prikaziSimbolStapa) {
        const TKrajeviCvorova krajevi = KrajeviCvorova(model);
        auto celZglob = [&](const TCvor* c) {
            const TKrajeviCvora k = KrajeviCvora(krajevi, *c);
            return k.Ukupno() >= 2 && k.krutih == 0;
        };
        for (const auto& s : model.nizStapova) {
            const TCvor* a = s->PocetniCvor();
            const TCvor* b = s->KrajnjiCvor();
            if (!a || !b) continue;
            const double dx = double(b->X() - a->X()), dz = double(b->Z() - a->Z());
            if (KrajZglobni(s->TipStapa(), true) && !celZglob(a))
                g.Oblik(SimbolZgloba(double(a->X()), double(a->Z()), dx, dz));
            if (KrajZglobni(s->TipStapa(), false) && !celZglob(b))
                g.Oblik(SimbolZgloba(double(b->X()), double(b->Z()), -dx, -dz));
            if (s->OprugaPocetka() > 0) g.Oblik(SimbolOpruge(double(a->X()), double(a->Z()), dx, dz));
            if (s->OprugaKraja() > 0) g.Oblik(SimbolOpruge(double(b->X()), double(b->Z()), -dx, -dz));
        }
        for (const auto& c : model.nizCvorova)
            if (celZglob(c.get())) g.Oblik(SimbolZglobaUCvoru(double(c->X()), double(c->Z())));
    }

    // Loads and prescribed displacements, each with the anchor of its value.
    std::vector<TSimbolSaVrednoscu> vrednosti;
    if (p.prikaziOpterecenjeCvora)
        for (const auto& c : model.nizCvorova)
            for (TSimbolSaVrednoscu& s : SimboliOpterecenjaCvora(*c)) vrednosti.push_back(std::move(s));
    if (p.prikaziOslonceCvora)
        for (const auto& c : model.nizCvorova) {
            const bool drzi[3] = {c->OslX(), c->OslZ(), c->UkljY()};
            const long double zadato[3] = {c->ZadatoUx(), c->ZadatoUz(), c->ZadatoFiy()};
            static const char* const ime[3] = {"ux=", "uz=", "\u03c6y="};
            for (int i = 0; i < 3; ++i) {
                if (!drzi[i] || zadato[i] == 0) continue;
                TSimbolSaVrednoscu s;
                s.oblici = SimbolZadatogPomeranja(i, zadato[i], double(c->X()), double(c->Z()), s.sidro);
                s.tekst = QString::fromUtf8(ime[i]) + QString::fromStdString(FormatBroja(zadato[i]));
                s.boja = BojaZadatogPomeranja;
                vrednosti.push_back(std::move(s));
            }
        }
    if (p.prikaziOpterecenjeStapa) {
        std::unordered_map<int, const TStap*> stapovi;
        for (const auto& s : model.nizStapova) stapovi.emplace(s->ID(), s.get());
        for (const auto& o : model.nizOpterecenja) {
            auto it = stapovi.find(o->IDStapa());
            if (it == stapovi.end()) continue;
            const TCvor* a = it->second->PocetniCvor();
            const TCvor* b = it->second->KrajnjiCvor();
            if (!a || !b) continue;
            TSimbolSaVrednoscu s =
                SimbolOpterecenjaStapa(*o, double(a->X()), double(a->Z()), double(b->X()), double(b->Z()));
            if (!s.oblici.empty()) vrednosti.push_back(std::move(s));
        }
    }
    for (TSimbolSaVrednoscu& s : vrednosti) Dodaj(g, std::move(s.oblici));

    // Labels last: node numbers win a contested place, then member numbers, then values.
    g.DataColor = boja;
    if (p.prikaziBrojCvora)
        for (const auto& c : model.nizCvorova)
            g.Oznaka(double(c->X()), double(c->Z()), QString::number(c->ID()), ozBrojCvora, VelicinaBroja);
    if (p.prikaziBrojStapa)
        for (const auto& s : model.nizStapova) {
            const TCvor* a = s->PocetniCvor();
            const TCvor* b = s->KrajnjiCvor();
            if (!a || !b) continue;
            g.Oznaka(double(a->X() + (b->X() - a->X()) / 2), double(a->Z() + (b->Z() - a->Z()) / 2),
                     QString::number(s->ID()), ozBrojStapa, VelicinaBroja - 1);
        }
    for (const TSimbolSaVrednoscu& s : vrednosti) {
        g.DataColor = s.boja;
        g.Oznaka(s.sidro, s.smerX, s.smerY, s.tekst, ozVrednost, VelicinaVrednosti);
    }
    g.DataColor = boja;
}
