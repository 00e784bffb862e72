#include "CrtanjeKonstrukcije.h"

#include <cmath>
#include <unordered_map>
#include <vector>

#include "Brojevi.h"
#include "CrtanjeDijagrama.h"
#include "CrtanjeSimbola.h"
#include "SacuvaniDijagrami.h"
#include "SimboliOslonaca.h"
#include "TipoviStapa.h"

namespace {

QString Tekst(const std::string& s) { return QString::fromStdString(s); }

// Where the support labels start to the right of the node: each after the ones before it, a
// blank apart, by their measured widths in the plot's font.
struct TPomaciOslonaca {
    int posleOx, posleOz;
    TPomaciOslonaca()
        : posleOx(TPlotPovrsina::SirinaTeksta(QStringLiteral("Ox"), VelicinaTeksta) +
                  TPlotPovrsina::SirinaTeksta(QStringLiteral(" "), VelicinaTeksta)),
          posleOz(TPlotPovrsina::SirinaTeksta(QStringLiteral("Oz"), VelicinaTeksta) +
                  TPlotPovrsina::SirinaTeksta(QStringLiteral(" "), VelicinaTeksta)) {}
};

// The spiral of a member end's rotational spring, next to the node.
void CrtajOpruge(TPlotPovrsina& g, const TStap& s) {
    const TCvor* a = s.PocetniCvor();
    const TCvor* b = s.KrajnjiCvor();
    const double dx = double(b->X() - a->X()), dz = double(b->Z() - a->Z());
    if (s.OprugaPocetka() > 0) g.Oblik(SimbolOpruge(double(a->X()), double(a->Z()), dx, dz));
    if (s.OprugaKraja() > 0) g.Oblik(SimbolOpruge(double(b->X()), double(b->Z()), -dx, -dz));
}

// "kx kz kfi" for the springs a node has and its angle, after the support labels.
QString OznakaElasticnogOslonca(const TCvor& c) {
    QStringList delovi;
    if (c.Kx() != 0) delovi << QStringLiteral("kx");
    if (c.Kz() != 0) delovi << QStringLiteral("kz");
    if (c.Kfi() != 0) delovi << QStringLiteral("kfi");
    if (c.Ugao() != 0)
        delovi << QString::fromUtf8("\u03b1=") + Tekst(FormatBroja(c.Ugao())) + QString::fromUtf8("\u00b0");
    return delovi.join(QLatin1Char(' '));
}

void CrtajCvor(TPlotPovrsina& g, const TCvor& c, const TPodesavanja& p, const TPomaciOslonaca& pomaci) {
    const double x = double(c.X()), z = double(c.Z());
    if (p.prikaziSimbolCvora) g.MarkAt(x, z, 9);
    if (p.prikaziBrojCvora)
        g.Text(x, z, VelicinaTeksta, QString::number(c.ID()), PomakTekstaX, -KorakReda, taLeftJustify);
    const bool oslonjen = c.OslX() || c.OslZ() || c.UkljY() || c.ImaElasticniIliKosiOslonac();
    if (p.prikaziOslonceCvora) {
        // One line under the node.
        int dx = PomakTekstaX;
        if (c.OslX()) {
            g.Text(x, z, VelicinaTeksta, QStringLiteral("Ox"), dx, KorakReda, taLeftJustify);
            dx += pomaci.posleOx;
        }
        if (c.OslZ()) {
            g.Text(x, z, VelicinaTeksta, QStringLiteral("Oz"), dx, KorakReda, taLeftJustify);
            dx += pomaci.posleOz;
        }
        if (c.UkljY()) {
            g.Text(x, z, VelicinaTeksta, QStringLiteral("Ofiy"), dx, KorakReda, taLeftJustify);
            dx += TPlotPovrsina::SirinaTeksta(QStringLiteral("Ofiy "), VelicinaTeksta);
        }
        if (c.ImaElasticniIliKosiOslonac())
            g.Text(x, z, VelicinaTeksta, OznakaElasticnogOslonca(c), dx, KorakReda, taLeftJustify);
    }
    if (p.prikaziOpterecenjeCvora) {
        int k = oslonjen && p.prikaziOslonceCvora ? 2 : 1;
        const struct {
            const char* ime;
            long double v;
        } vrednosti[] = {{"Px=", c.Px()}, {"Pz=", c.Pz()}, {"My=", c.MkoncY()}};
        for (const auto& v : vrednosti) {
            if (v.v == 0) continue;
            g.Text(x, z, VelicinaTeksta, QString::fromLatin1(v.ime) + Tekst(FormatBroja(v.v)), PomakTekstaX,
                   KorakReda * k, taLeftJustify);
            ++k;
        }
    }
}

// The point a fraction `t` of the way from node a to node b.
struct TTacka {
    double x, z;
};
TTacka Izmedju(const TCvor& a, const TCvor& b, long double t) {
    return {double(a.X() + t * (b.X() - a.X())), double(a.Z() + t * (b.Z() - a.Z()))};
}

void PostaviOsu(TScaleProps& osa, double min, double max, double t) {
    if (min == max) {
        // All nodes share this coordinate: a view of +-1 around it (widened for coordinates so
        // large that 1 is lost in rounding) keeps the structure in the middle of the plot.
        const double pola = std::max(1.0, std::abs(min) * 1e-6);
        osa.SetRangeLow(min - pola);
        osa.SetRangeHigh(min + pola);
        return;
    }
    const double c = min + (max - min) / 2;
    const double d = 0.2 * std::abs(max - min);
    const double w = (max + d) * t - (min - d) * t;
    osa.SetRangeLow(c - w / 2);
    osa.SetRangeHigh(c + w / 2);
}

}  // namespace

void PodesiKrajnjeGraniceGrafika(TPlotPovrsina& g, const TModel& model, const TPodesavanja& p) {
    g.SetJednakaRazmera(p.prikaz.jednakaRazmera);
    if (model.nizCvorova.empty()) {
        g.Scale1X.SetRangeLow(-1);
        g.Scale1X.SetRangeHigh(1);
        g.Scale1Y.SetRangeLow(-1);
        g.Scale1Y.SetRangeHigh(1);
        return;
    }
    // Nothing selected in the factor list fits as the default item "1.0" does.
    const double t = p.zoomSve >= 0 && p.zoomSve < BrojFaktoraZooma ? FaktoriZooma[p.zoomSve] : 1.0;
    double xmin = double(model.nizCvorova.front()->X()), xmax = xmin;
    double zmin = double(model.nizCvorova.front()->Z()), zmax = zmin;
    for (const auto& c : model.nizCvorova) {
        const double x = double(c->X()), z = double(c->Z());
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        zmin = std::min(zmin, z);
        zmax = std::max(zmax, z);
    }
    // Drawn to scale, a large deformed shape would otherwise run off the plot: frame it too.
    if (p.prikaz.jednakaRazmera && p.deformacijaNosaca) {
        const auto v = ParsirajReal(p.mnozilacPomeranja);
        const long double m = v ? *v : 100;
        for (const auto& c : model.nizCvorova) {
            const double x = double(c->X() + m * c->Ux()), z = double(c->Z() + m * c->Uz());
            if (!std::isfinite(x) || !std::isfinite(z)) continue;
            xmin = std::min(xmin, x);
            xmax = std::max(xmax, x);
            zmin = std::min(zmin, z);
            zmax = std::max(zmax, z);
        }
    }
    // Drawn to scale, a diagram's ordinates (and the deflected line) have world sizes that do not
    // depend on the view; the lines of the display list frame them.
    if (p.prikaz.jednakaRazmera)
        for (const TChartItem& s : g.Stavke()) {
            if (s.ItemKind != tkMoveTo && s.ItemKind != tkLineto) continue;
            if (!std::isfinite(s.x) || !std::isfinite(s.y)) continue;
            xmin = std::min(xmin, s.x);
            xmax = std::max(xmax, s.x);
            zmin = std::min(zmin, s.y);
            zmax = std::max(zmax, s.y);
        }
    PostaviOsu(g.Scale1X, xmin, xmax, t);
    PostaviOsu(g.Scale1Y, zmin, zmax, t);
    g.ZapamtiUklapanje();
}

void CrtajGrafik(TPlotPovrsina& g, const TModel& model, TPodesavanja& p, const TStanjeAnalize* stanje,
                 TSacuvaniDijagrami* sacuvani) {
    g.ClearGraf();
    g.SetJednakaRazmera(p.prikaz.jednakaRazmera);
    const bool imaStapova = !model.nizStapova.empty();
    std::vector<TDijagramiStapa> sveziDijagrami;
    if (!sacuvani) sveziDijagrami = DijagramiZaCrtanje(model, p, stanje);
    const std::vector<TDijagramiStapa>& dijagrami = sacuvani ? sacuvani->Za(model, p, stanje) : sveziDijagrami;
    // A view refitted after the drawing shows the whole structure, whatever it showed before.
    const double udeo = p.zoomURealnomVremenu ? 1 : UdeoPrikaza(g, p);
    const TPodrucjeDetalja podrucje = PodrucjeZaCrtanje(g, p);

    if (p.deformacijaNosaca) {
        long double m;
        if (auto v = ParsirajReal(p.mnozilacPomeranja)) {
            m = *v;
        } else {
            m = 100;
            p.mnozilacPomeranja = "100.0";
        }
        g.DataColor = BojaDeformacije;
        if (p.prikaziSimbolCvora)
            for (const auto& c : model.nizCvorova)
                g.MarkAt(double(c->X() + m * c->Ux()), double(c->Z() + m * c->Uz()), 9);
        if (imaStapova && p.prikaziSimbolStapa && !CrtajLinijuDeformacije(g, model, p, dijagrami, m, udeo, podrucje))
            for (const auto& s : model.nizStapova) {
                const TCvor* a = s->PocetniCvor();
                const TCvor* b = s->KrajnjiCvor();
                if (!a || !b) continue;
                g.MoveTo(double(a->X() + m * a->Ux()), double(a->Z() + m * a->Uz()));
                g.DrawTo(double(b->X() + m * b->Ux()), double(b->Z() + m * b->Uz()));
            }
    } else if (imaStapova && p.prikaziSimbolStapa && p.prikaz.linijaDeformacije) {
        // The line on its own box: scaled to be seen at once.
        g.DataColor = BojaDeformacije;
        if (const long double m = MnozilacLinijeDeformacije(model, p, dijagrami, udeo); m > 0)
            CrtajLinijuDeformacije(g, model, p, dijagrami, m, udeo, podrucje);
    }

    CrtajDijagram(g, model, p, dijagrami, udeo, podrucje);
    g.DataColor = BojaKonstrukcije;
    if (p.prikaz.simboli) {
        CrtajKonstrukcijuSaSimbolima(g, model, p);
    } else {
        const TPomaciOslonaca pomaci;
        for (const auto& c : model.nizCvorova) CrtajCvor(g, *c, p, pomaci);
    }

    if (imaStapova && !p.prikaz.simboli) {
        if (p.prikaziSimbolStapa)
            for (const auto& s : model.nizStapova) {
                const TCvor* a = s->PocetniCvor();
                const TCvor* b = s->KrajnjiCvor();
                if (!a || !b) continue;
                g.MoveTo(double(a->X()), double(a->Z()));
                g.DrawTo(double(b->X()), double(b->Z()));
                if (KrajZglobni(s->TipStapa(), true)) {
                    const TTacka z = Izmedju(*a, *b, PolozajZgloba);
                    g.MarkAt(z.x, z.z, 17);
                }
                if (KrajZglobni(s->TipStapa(), false)) {
                    const TTacka z = Izmedju(*a, *b, 1 - PolozajZgloba);
                    g.MarkAt(z.x, z.z, 17);
                }
                CrtajOpruge(g, *s);
            }
        if (p.prikaziBrojStapa)
            for (const auto& s : model.nizStapova) {
                if (!s->PocetniCvor() || !s->KrajnjiCvor()) continue;
                const TTacka sr = Izmedju(*s->PocetniCvor(), *s->KrajnjiCvor(), 0.5L);
                g.Text(sr.x, sr.z, VelicinaTeksta, QString::number(s->ID()), PomakTekstaX, -KorakReda, taLeftJustify);
            }
        if (p.prikaziOrjentacijuStapa)
            for (const auto& s : model.nizStapova) {
                const TCvor* a = s->PocetniCvor();
                if (!a || !s->KrajnjiCvor()) continue;
                const TTacka k = Izmedju(*a, *s->KrajnjiCvor(), DuzinaOrjentacije);
                g.Arrow(double(a->X()), double(a->Z()), k.x, k.z, GlavaOrjentacije);
            }
        if (p.prikaziOpterecenjeStapa) {
            // Loads grouped by member once, in list order, instead of a scan of all loads per member.
            std::unordered_map<int, std::vector<const TOpterecenje*>> poStapu;
            for (const auto& o : model.nizOpterecenja) poStapu[o->IDStapa()].push_back(o.get());
            for (const auto& s : model.nizStapova) {
                auto it = poStapu.find(s->ID());
                if (it == poStapu.end() || !s->PocetniCvor() || !s->KrajnjiCvor()) continue;
                const TTacka sr = Izmedju(*s->PocetniCvor(), *s->KrajnjiCvor(), 0.5L);
                int k = 1;
                for (const TOpterecenje* o : it->second)
                    g.Text(sr.x, sr.z, VelicinaTeksta, Tekst(o->Ime()), PomakTekstaX, KorakReda * k++, taLeftJustify);
            }
        }
    }

    if (p.zoomURealnomVremenu) PodesiKrajnjeGraniceGrafika(g, model, p);
    else g.Refresh();
}

void CrtajGrafik(TPlotChart& g, const TModel& model, TPodesavanja& p, const TStanjeAnalize* stanje,
                 TSacuvaniDijagrami* sacuvani) {
    CrtajGrafik(static_cast<TPlotPovrsina&>(g), model, p, stanje, sacuvani);
}

void PodesiKrajnjeGraniceGrafika(TPlotChart& g, const TModel& model, const TPodesavanja& p) {
    PodesiKrajnjeGraniceGrafika(static_cast<TPlotPovrsina&>(g), model, p);
}
