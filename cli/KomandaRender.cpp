// velt-cli render: the structure plot as the main window shows it, drawn into a PNG image, or an
// SVG or PDF drawing (by the output's extension).
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "Brojevi.h"
#include "CrtanjeKonstrukcije.h"
#include "IzvozGrafika.h"
#include "Komande.h"
#include "ModelFajl.h"
#include "Proracun.h"
#include "PoslovProracuna.h"
#include "Mehanizam.h"
#include "ProveraModela.h"

namespace {

const char* const UpotrebaRender =
    "upotreba: velt-cli render MODEL -o SLIKA.png|.svg|.pdf [--width W] [--height H] [--deformed] [--multiplier M] "
    "[--factor-index I] [--equal-scale] [--symbols] [--diagram none|N|T|M] [--deflected] [--general]\n";

struct TOpcijeRender {
    std::string model, izlaz;
    int sirina = 800, visina = 600;
    bool deformacija = false;
    std::optional<std::string> mnozilac;
    std::optional<int> faktor;
    // Each overrides the model's saved display option for this run only.
    bool jednakaRazmera = false, simboli = false, linijaDeformacije = false;
    std::optional<int> dijagram;
    bool opsta = false;  // general stability for this run
};

bool Procitaj(const Argumenti& a, TOpcijeRender& o) {
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& s = a[i];
        auto vrednost = [&](std::string& v) {
            if (i + 1 >= a.size()) return false;
            v = a[++i];
            return true;
        };
        std::string v;
        if (s == "-o") {
            if (!vrednost(o.izlaz)) return false;
        } else if (s == "--width" || s == "--height") {
            if (!vrednost(v)) return false;
            auto n = ParsirajCeo(v);
            if (!n || *n < 100 || *n > 20000) {
                std::cerr << s << ": ocekivan je ceo broj od 100 do 20000\n";
                return false;
            }
            (s == "--width" ? o.sirina : o.visina) = *n;
        } else if (s == "--deformed") {
            o.deformacija = true;
        } else if (s == "--multiplier") {
            if (!vrednost(v)) return false;
            o.mnozilac = v;
        } else if (s == "--factor-index") {
            if (!vrednost(v)) return false;
            auto n = ParsirajCeo(v);
            if (!n || *n < 0 || *n >= BrojFaktoraZooma) {
                std::cerr << "--factor-index: ocekivan je ceo broj od 0 do " << BrojFaktoraZooma - 1 << "\n";
                return false;
            }
            o.faktor = *n;
        } else if (s == "--equal-scale") {
            o.jednakaRazmera = true;
        } else if (s == "--symbols") {
            o.simboli = true;
        } else if (s == "--deflected") {
            o.linijaDeformacije = true;
        } else if (s == "--general") {
            o.opsta = true;
        } else if (s == "--diagram") {
            if (!vrednost(v)) return false;
            const int d = v == "none" ? TPrikaz::Bez : DijagramIzImena(v);
            if (d < 0) {
                std::cerr << "--diagram: ocekivano je none, N, T ili M\n";
                return false;
            }
            o.dijagram = d;
        } else if (o.model.empty() && !s.starts_with("-")) {
            o.model = s;
        } else {
            std::cerr << "nepoznata opcija: " << s << "\n";
            return false;
        }
    }
    return !o.model.empty() && !o.izlaz.empty();
}

}  // namespace

int KomandaRender(const Argumenti& a) {
    TOpcijeRender o;
    if (!Procitaj(a, o)) {
        std::cerr << UpotrebaRender;
        return 64;
    }
    TModel model;
    TPodesavanja p;
    try {
        ProcitajModelKomande(o.model, model, p);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    if (o.opsta) model.opcijeAnalize.opstaStabilnost = true;
    if (o.deformacija) p.deformacijaNosaca = true;
    if (o.mnozilac) p.mnozilacPomeranja = *o.mnozilac;
    if (o.faktor) p.zoomSve = *o.faktor;
    if (o.jednakaRazmera) p.prikaz.jednakaRazmera = true;
    if (o.simboli) p.prikaz.simboli = true;
    if (o.linijaDeformacije) p.prikaz.linijaDeformacije = p.deformacijaNosaca = true;
    if (o.dijagram) p.prikaz.dijagram = *o.dijagram;

    // No display is needed: without a platform named on the command line or in the environment,
    // draw off screen.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char ime[] = "velt-cli";
    char* argv[] = {ime, nullptr};
    QGuiApplication app(argc, argv);

    // A model whose analysis fails is still drawn, as the window shows it then: without the
    // deformed shape and the diagrams. The reason goes to stderr and the exit status stays non-zero.
    TStanjeAnalize stanje;
    int status = 0;
    if (p.deformacijaNosaca || p.prikaz.dijagram != TPrikaz::Bez || p.prikaz.linijaDeformacije) {
        // As in the window: the run stores the node displacements only when the factor in front
        // of the matrices is a number greater than 0.
        TPoslovProracuna posao(model);
        TPosmatracBezEkrana posmatrac(posao.Model(), posao.Stanje(), p.vrednostIspredMatricaKrutosti);
        const TRezultatProracuna r = posao.Izvrsi(posmatrac);
        posao.PrenesiRezultate(model, stanje);
        for (const auto& poruka : posmatrac.poruke) std::cerr << poruka << "\n";
        if (r.ishod != TIshodProracuna::Uspeh) {
            if (posmatrac.poruke.empty()) std::cerr << r.poruka << "\n";
            if (r.mehanizam) std::cerr << r.mehanizam->Linija() << "\n";
            const TUzrokOdbijanja u = UzrokOdbijanja(model);
            if (r.ishod == TIshodProracuna::Odbijen && u.poruka == r.poruka && !u.savet.empty())
                std::cerr << u.savet << "\n";
            std::cerr << "Slika je nacrtana bez pomeranja.\n";
            p.deformacijaNosaca = false;
            p.prikaz.dijagram = TPrikaz::Bez;
            p.prikaz.linijaDeformacije = false;
            status = 1;
        }
    }

    // After a model is opened the main plot is redrawn and fitted to it.
    TPlotPovrsina g;
    g.WindColor = QGuiApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    g.PostaviVelicinu(o.sirina, o.visina);
    g.SetGridStyle(p.mrezaGrafika ? gsDotLines : gsNone);
    CrtajGrafik(g, model, p, &stanje);
    PodesiKrajnjeGraniceGrafika(g, model, p);

    const QString izlaz = QString::fromStdString(o.izlaz);
    if (!SacuvajGrafik(g, izlaz, o.sirina, o.visina, QFileInfo(QString::fromStdString(o.model)).fileName()).isEmpty()) {
        std::cerr << "Slika " << o.izlaz << " nije snimljena!!!\n";
        return 1;
    }
    return status;
}
