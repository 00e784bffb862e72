#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "OpisOslonca.h"
#include "Brojevi.h"
#include "DekadneCifre.h"
#include "ElementStapa.h"
#include "Greska.h"
#include "IzvestajAnalize.h"
#include "Komande.h"
#include "Mehanizam.h"
#include "ModelFajl.h"
#include "PoslovProracuna.h"
#include "Proracun.h"
#include "ProveraModela.h"
#include "SileStapa.h"

#ifdef VELT_PDF
#include "IzvestajUPdf.h"
#endif

// Returns 0 when the arguments are usable, otherwise the usage exit status.
int Parsiraj(const Argumenti& a, bool dozvoliJson, const char* upotreba, TOpcije& o) {
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--factor" && i + 1 < a.size()) o.faktor = a[++i];
        else if (a[i] == "--solver" && i + 1 < a.size()) {
            const auto p = ParsirajPutanju(a[++i]);
            if (!p) {
                std::cerr << "Nepoznat nacin resavanja: " << a[i] << " (dense, sparse ili auto)!!!\n";
                return 64;
            }
            o.putanja = *p;
        } else if (a[i] == "--general") o.opsta = true;
        else if (dozvoliJson && a[i] == "--json") o.json = true;
        else if (dozvoliJson && a[i] == "--log") o.log = true;
        else if (a[i] == "--shear-loads") o.smicanjeUOpterecenju = true;
        else if (o.model.empty() && (a[i].empty() || a[i][0] != '-')) o.model = a[i];
        else {
            std::cerr << upotreba;
            return 64;
        }
    }
    if (o.model.empty()) {
        std::cerr << upotreba;
        return 64;
    }
    const auto f = ParsirajReal(o.faktor);
    if (!f) {
        std::cerr << PorukaNeispravanReal(o.faktor) << "\n";
        return 64;
    }
    if (*f <= 0) {
        std::cerr << "Nije moguce izvuci ispred matrica broja manji ili jednak sa nulom!!!\n";
        return 64;
    }
    return 0;
}

// Reads the model and runs the analysis; the exit status of the run (0, 1, 2 or 3).
int Analiziraj(const TOpcije& o, TModel& model, TStanjeAnalize& stanje, bool log) {
    TPodesavanja podesavanja;
    try {
        ProcitajModelKomande(o.model, model, podesavanja);
        if (o.smicanjeUOpterecenju) model.opcijeAnalize.smicanjeUOpterecenju = true;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    if (o.opsta) model.opcijeAnalize.opstaStabilnost = true;
    stanje.brojIspredMatriceKrutosti = *ParsirajReal(o.faktor);
    TPoslovProracuna posao(model, o.putanja);
    TPosmatracBezEkrana posmatrac(posao.Model(), posao.Stanje(), o.faktor);
    const TRezultatProracuna r = posao.Izvrsi(posmatrac);
    // A refused or failed run is installed too: the report shows what it had made.
    posao.PrenesiRezultate(model, stanje);
    if (log)
        for (const auto& l : posmatrac.log) std::cerr << l << "\n";
    // The run went on; what it warns of does not change its exit status.
    for (const auto& u : r.upozorenja) std::cerr << u << "\n";
    switch (r.ishod) {
        case TIshodProracuna::Uspeh: return 0;
        case TIshodProracuna::Odbijen: {
            std::cerr << r.poruka << "\nNije dopusteno!!!\n";
            // Which node breaks the check and what would satisfy it.
            const TUzrokOdbijanja u = UzrokOdbijanja(model);
            if (u.poruka == r.poruka && !u.savet.empty()) std::cerr << u.savet << "\n";
            return 2;
        }
        default:
            std::cerr << r.poruka << "\n";
            if (r.mehanizam) std::cerr << r.mehanizam->Linija() << "\n";
            return 3;
    }
}

namespace {

std::string Realan(long double v) {
    if (!std::isfinite(v)) return "null";
    return FormatOpsti(v, 17);
}

std::string Niz(const std::vector<int>& v) {
    std::string s = "[";
    for (size_t i = 0; i < v.size(); ++i) s += (i ? "," : "") + std::to_string(v[i]);
    return s + "]";
}

std::string Niz(const TMatrix& v) {
    std::string s = "[";
    for (int i = 1; i <= v.NrOfRows(); ++i) s += (i > 1 ? "," : "") + Realan(v.Elem(1, i));
    return s + "]";
}

std::string JsonTekst(const std::string& t) {
    std::string s = "\"";
    for (char c : t) {
        if (c == '"' || c == '\\') s += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            s += buf;
        } else {
            s += c;
        }
    }
    return s + "\"";
}

void IspisiJson(const TModel& m, const TStanjeAnalize& st, const std::string& dodatak) {
    std::ostringstream o;
    o << "{\"s\":" << Niz(*st.nizKodnihBrojevaNepoznatihPomeranja)
      << ",\"o\":" << Niz(*st.nizKodnihBrojevaPoznatihPomeranja) << ",\"nodes\":[";
    for (size_t i = 0; i < m.nizCvorova.size(); ++i) {
        const TCvor& c = *m.nizCvorova[i];
        o << (i ? "," : "") << "{\"id\":" << c.ID() << ",\"x\":" << Realan(c.X()) << ",\"z\":" << Realan(c.Z())
          << ",\"ux\":" << Realan(c.Ux()) << ",\"uz\":" << Realan(c.Uz()) << ",\"fiy\":" << Realan(c.Fiy())
          << ",\"rx\":" << Realan(c.Rx()) << ",\"rz\":" << Realan(c.Rz()) << ",\"my\":" << Realan(c.MukljY());
        // Only nodes that have a spring or an angle carry these: other output stays as it was.
        if (c.ImaElasticniIliKosiOslonac())
            o << ",\"kx\":" << Realan(c.Kx()) << ",\"kz\":" << Realan(c.Kz()) << ",\"kfi\":" << Realan(c.Kfi())
              << ",\"ugao\":" << Realan(c.Ugao()) << ",\"spring\":[" << Realan(c.SilaOprugeX()) << ","
              << Realan(c.SilaOprugeZ()) << "," << Realan(c.MomentOpruge()) << "]";
        o << "}";
    }
    o << "],\"members\":[";
    const TIndeksSila indeks(m, st);
    for (size_t i = 0; i < m.nizStapova.size(); ++i) {
        const TStap& s = *m.nizStapova[i];
        const TSileStapa r = IzracunajSileStapa(m, st, s, false, indeks);
        o << (i ? "," : "") << "{\"id\":" << s.ID() << ",\"type\":" << JsonTekst(ImeTipaStapa(s.TipStapa()))
          << ",\"length\":" << Realan(DuzinaStapa(s)) << ",\"code_numbers\":" << Niz(r.kodniBrojevi)
          << ",\"q_gks\":" << Niz(r.qG) << ",\"q_lks\":" << Niz(r.qL) << ",\"Q_gks\":" << Niz(r.QG)
          << ",\"Q_lks\":" << Niz(r.QL) << ",\"R_gks\":" << Niz(r.RG) << ",\"R_lks\":" << Niz(r.RL) << "}";
    }
    o << "]" << dodatak << "}\n";
    std::cout << o.str();
}

void IspisiSazetak(const TModel& m, const TStanjeAnalize& st) {
    std::cout << "CVOROVI\n";
    for (const auto& c : m.nizCvorova) {
        std::cout << "cvor " << c->ID() << ": Ux = " << FormatBroja(c->Ux()) << ", Uz = " << FormatBroja(c->Uz())
                  << ", FiY = " << FormatBroja(c->Fiy());
        if (ImaReakcijuX(*c)) std::cout << ", Rx = " << FormatBroja(c->Rx());
        if (ImaReakcijuZ(*c)) std::cout << ", Rz = " << FormatBroja(c->Rz());
        if (c->UkljY()) std::cout << ", My = " << FormatBroja(c->MukljY());
        std::cout << "\n";
    }
    std::cout << "STAPOVI (sile na krajevima, LKS)\n";
    const TIndeksSila indeks(m, st);
    for (const auto& s : m.nizStapova) {
        const TSileStapa r = IzracunajSileStapa(m, st, *s, false, indeks);
        std::cout << "stap " << s->ID() << " (" << ImeTipaStapa(s->TipStapa()) << "):";
        for (int i = 1; i <= r.RL.NrOfRows(); ++i) std::cout << " " << FormatBroja(r.RL.Elem(1, i));
        std::cout << "\n";
    }
}

}  // namespace

int KomandaAnalyze(const Argumenti& ulaz) {
    Argumenti a;
    bool matrice = false;
    for (const auto& x : ulaz)
        if (x == "--matrices") matrice = true;
        else a.push_back(x);
    TOpcije o;
    if (int k = Parsiraj(a, true,
                         "upotreba: velt-cli analyze MODEL [--factor F] [--solver dense|sparse|auto] [--general] "
                         "[--json [--matrices]] [--log]\n",
                         o))
        return k;
    if (matrice && !o.json) {
        std::cerr << "--matrices ide samo uz --json\n";
        return 64;
    }
    TModel model;
    TStanjeAnalize stanje;
    const int status = Analiziraj(o, model, stanje, o.log);
    if (status != 0) return status;
    std::string dodatak;
    try {
        if (matrice) dodatak = JsonMatricaMetode(model, stanje);
    } catch (const TGreska& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    if (o.json) IspisiJson(model, stanje, dodatak);
    else IspisiSazetak(model, stanje);
    return 0;
}

#ifdef VELT_PDF
namespace {

// The report project the window uses: beside this executable, as the build puts it, or in the
// source tree's assets when run from elsewhere.
std::string ProjekatIzvestaja() {
    const char* ime = "ProjectIzvestajAnalize.vrp";
    std::error_code greska;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", greska);
    if (!greska && std::filesystem::exists(exe.parent_path() / ime, greska)) return (exe.parent_path() / ime).string();
    // Installed: bin/velt-cli and share/velt.
    const std::filesystem::path deljeno = exe.parent_path().parent_path() / "share" / "velt" / ime;
    if (!greska && std::filesystem::exists(deljeno, greska)) return deljeno.string();
    return (std::filesystem::path(VELT_ASSETS_DIR) / ime).string();
}

}  // namespace
#endif

int KomandaReport(const Argumenti& a) {
    Argumenti ostali;
    std::string pdf;
    bool ceo = false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--full") {
            ceo = true;
            continue;
        }
#ifdef VELT_PDF
        if (a[i] == "--pdf" && i + 1 < a.size()) {
            pdf = a[++i];
            continue;
        }
#endif
        ostali.push_back(a[i]);
    }
    TOpcije o;
#ifdef VELT_PDF
    const char* upotreba =
        "upotreba: velt-cli report MODEL [--factor F] [--solver dense|sparse|auto] [--general] [--full] [--pdf "
        "IZVESTAJ.pdf]\n";
#else
    const char* upotreba =
        "upotreba: velt-cli report MODEL [--factor F] [--solver dense|sparse|auto] [--general] [--full]\n";
#endif
    if (int k = Parsiraj(ostali, false, upotreba, o)) return k;
    TModel model;
    TStanjeAnalize stanje;
    const int status = Analiziraj(o, model, stanje, false);
    if (status == 1) return status;
    // A refused or failed run still has a report: its output part holds what the state holds.
    std::string tekst;
    try {
        tekst = izvestajAnalizeUlaz(model) + izvestajAnalizeIzlaz(model, stanje, stanje.brojIspredMatriceKrutosti, ceo);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\nIzvestaj nije moguce formirati!!!\n";
        return 1;
    }
#ifdef VELT_PDF
    if (!pdf.empty()) {
        QString greska;
        if (!IzvestajUPdf(QString::fromStdString(ProjekatIzvestaja()), QString::fromStdString(tekst),
                          QString::fromStdString(pdf), &greska)) {
            std::cerr << greska.toStdString() << "\nIzvestaj nije moguce formirati!!!\n";
            return 1;
        }
        return status;
    }
#endif
    std::cout << tekst;
    std::cout.flush();
    return status;
}
