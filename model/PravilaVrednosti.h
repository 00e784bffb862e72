#pragma once
#include <string>
#include <string_view>

#include "Greska.h"

// The rules every value of the model obeys, whether it comes from an editing page or from a model
// file. Each rule returns the message of the broken rule, or nullptr when the value is acceptable;
// the pages raise the message as it stands, the reader puts the line number in front of it.

// The editing commands' way of applying a rule: the message becomes the command's error.
inline void Proveri(const char* poruka) {
    if (poruka) throw TGreska(poruka);
}

// Names: at most this many characters (code points). Even when every character takes four bytes
// in UTF-8 the name line stays within the reader's line limit, so whatever is written reads back.
inline constexpr size_t NajvecaDuzinaImena = 16384;
const char* GreskaDuzineImena(std::string_view imeUtf8);
size_t BrojZnakovaUtf8(std::string_view s);

// The analysis computes in 64-bit reals: a value beyond their range would turn into an infinity
// there. Every real of the model has to fit, also as the file writes it (rounded to 15 digits), so
// that whatever is accepted saves and reads back.
bool UOpseguProracuna(long double v);
std::string PorukaIzvanOpsega(std::string_view tekst);
// The edit-field conversion with the range rule: throws TGreska with the conversion message, or
// with PorukaIzvanOpsega for a number too large for the analysis.
long double TekstUVrednost(std::string_view tekst);

// Material.
const char* GreskaImenaMaterijala(std::string_view ime);
const char* GreskaModulaElasticnosti(long double E);
const char* GreskaPoasonovogKoeficijenta(long double ni);
const char* GreskaZapreminskeMase(long double masa);
const char* GreskaAlfaT(long double alfaT);

// Section.
const char* GreskaImenaPreseka(std::string_view ime);
const char* GreskaMomentaInercije(long double I);
const char* GreskaPovrsine(long double A);
const char* GreskaVisine(long double h);
const char* GreskaKoeficijentaOblika(long double k);

// Member.
const char* GreskaTipaStapa(int tip);
// A rotational spring between a member end and its node.
const char* GreskaOpruge(long double k);
const char* GreskaIstihCvorova(int idPocetnog, int idKrajnjeg);
extern const char* const PorukaStapPrekoStapa;

// Member load. `dodavanje` picks the wording of the empty-name message ("zadano" when adding,
// "zadato" when changing; the reader uses the latter).
const char* GreskaImenaOpterecenja(std::string_view ime, bool dodavanje);
const char* GreskaTipaOpterecenja(int tip);
// The positions of a load of kind `tip`, its values given in the page's field order (force or
// moment or intensity first, then the position or the start and end). `polje` gets the index of
// the offending value.
const char* GreskaPozicijaOpterecenja(int tip, const long double* vrednosti, int* polje = nullptr);
