#include "SrpskiTekstovi.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstring>
#include <string_view>
#include <unordered_map>

namespace {

// Source texts of the toolkit (they are the same in every context that uses them) and ours.
const std::unordered_map<std::string_view, const char*>& Recnik() {
    static const std::unordered_map<std::string_view, const char*> r = {
        // standard buttons
        {"OK", "U redu"},
        {"&OK", "&U redu"},
        {"Cancel", "Otkazi"},
        {"&Cancel", "&Otkazi"},
        {"&Yes", "&Da"},
        {"Yes", "Da"},
        {"&No", "&Ne"},
        {"No", "Ne"},
        {"Yes to &All", "Da za &sve"},
        {"N&o to All", "N&e za sve"},
        {"Save", "Snimi"},
        {"Save All", "Snimi sve"},
        {"Open", "Otvori"},
        {"Close", "Zatvori"},
        {"Apply", "Primeni"},
        {"Reset", "Vrati"},
        {"Help", "Pomoc"},
        {"Discard", "Odbaci"},
        {"Abort", "Prekini"},
        {"Retry", "Pokusaj ponovo"},
        {"Ignore", "Zanemari"},
        {"Restore Defaults", "Podrazumevane vrednosti"},
        {"Show Details...", "Prikazi detalje..."},
        {"Hide Details...", "Sakrij detalje..."},
        // file dialog
        {"&Open", "&Otvori"},
        {"&Save", "&Snimi"},
        {"&Choose", "&Izaberi"},
        {"Save As", "Snimi kao"},
        {"Look in:", "Trazi u:"},
        {"File &name:", "&Ime fajla:"},
        {"Files of type:", "Vrsta fajlova:"},
        {"Directory:", "Folder:"},
        {"Back", "Nazad"},
        {"Forward", "Napred"},
        {"Parent Directory", "Folder iznad"},
        {"Create New Folder", "Novi folder"},
        {"List View", "Spisak"},
        {"Detail View", "Detalji"},
        {"New Folder", "Novi folder"},
        {"&New Folder", "&Novi folder"},
        {"&Delete", "&Obrisi"},
        {"&Rename", "&Preimenuj"},
        {"Show &hidden files", "Prikazi &skrivene fajlove"},
        {"%1 already exists.\nDo you want to replace it?", "%1 vec postoji.\nDa li zelite da ga zamenite?"},
        {"Name", "Ime"},
        {"Size", "Velicina"},
        {"Type", "Vrsta"},
        {"Kind", "Vrsta"},
        {"Date Modified", "Izmenjen"},
        {"Computer", "Racunar"},
        {"My Computer", "Racunar"},
        {"All Files (*)", "Svi fajlovi (*)"},
        // print dialog
        {"Print", "Stampa"},
        {"&Print", "&Stampaj"},
        {"Printer", "Stampac"},
        {"&Name:", "&Ime:"},
        {"P&roperties", "&Osobine"},
        {"Location:", "Lokacija:"},
        {"Type:", "Vrsta:"},
        {"Output &file:", "Izlazni &fajl:"},
        {"Copies", "Kopije"},
        {"Copies:", "Broj kopija:"},
        {"Print range", "Opseg stampe"},
        {"Print all", "Sve"},
        {"Pages from", "Strane od"},
        {"to", "do"},
        {"Current Page", "Tekuca strana"},
        {"Selection", "Izbor"},
        {"Collate", "Slozi"},
        {"Reverse", "Obrnutim redom"},
        {"Options", "Opcije"},
        {"Paper", "Papir"},
        {"Page size:", "Velicina strane:"},
        {"Width:", "Sirina:"},
        {"Height:", "Visina:"},
        {"Paper source:", "Izvor papira:"},
        {"Orientation", "Orijentacija"},
        {"Portrait", "Uspravno"},
        {"Landscape", "Polozeno"},
        {"Margins", "Margine"},
        {"Page Layout", "Raspored strane"},
        {"Page order:", "Redosled strana:"},
        {"Pages per sheet:", "Strana po listu:"},
        {"Color Mode", "Boje"},
        {"Color", "U boji"},
        {"Grayscale", "Sivo"},
        {"None", "Nema"},
        {"Duplex Printing", "Obostrana stampa"},
        {"Advanced", "Napredno"},
        {"Job Options", "Opcije posla"},
        {"Printer Properties", "Osobine stampaca"},
        {"Print Preview", "Pregled stampe"},
        {"Print to File (PDF)", "Stampa u fajl (PDF)"},
        {"Local file", "Lokalni fajl"},
        {"Write PDF file", "Upisi PDF fajl"},
        {"&Options >>", "&Opcije >>"},
        {"&Options <<", "&Opcije <<"},
        {"Options >>", "Opcije >>"},
        {"Options <<", "Opcije <<"},
        {"Output Settings", "Izlaz"},
        {"Pages", "Strane"},
        {"Page Set:", "Skup strana:"},
        {"All Pages", "Sve strane"},
        {"Odd Pages", "Neparne strane"},
        {"Even Pages", "Parne strane"},
        // context menu of edit fields
        {"&Undo", "&Ponisti"},
        {"&Redo", "P&onovi"},
        {"Cu&t", "&Iseci"},
        {"&Copy", "&Kopiraj"},
        {"&Paste", "&Nalepi"},
        {"Delete", "Obrisi"},
        {"Select All", "Izaberi sve"},
    };
    return r;
}

class TSrpskiPrevod : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* kontekst, const char* izvor, const char*, int) const override {
        // Only the toolkit's own classes: the program's texts are Serbian already.
        if (!kontekst || !izvor || kontekst[0] != 'Q') return QString();
        const auto& r = Recnik();
        const auto it = r.find(std::string_view(izvor, std::strlen(izvor)));
        return it == r.end() ? QString() : QString::fromLatin1(it->second);
    }
};

}  // namespace

void UgradiSrpskeTekstove(QCoreApplication& aplikacija) {
    const QString ime = QStringLiteral("SrpskiTekstovi");
    if (aplikacija.findChild<QTranslator*>(ime, Qt::FindDirectChildrenOnly)) return;
    auto* prevod = new TSrpskiPrevod(&aplikacija);
    prevod->setObjectName(ime);
    aplikacija.installTranslator(prevod);
}
