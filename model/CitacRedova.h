#pragma once
#include <string>
#include <string_view>

#include "Greska.h"

// The model file line by line, with the value conversions of the file format. Every failure is a
// TGreska whose message starts with "Red N: ", N the 1-based line it is about.
class TCitacRedova {
public:
    explicit TCitacRedova(std::string_view tekst) : tekst(tekst) {}

    // The next line without its line end; false at the end of the text.
    bool Sledeci(std::string_view& red);

    // The next line of a record: the end of the file is an error here.
    std::string_view Obavezan(const char* ocekivano);

    [[noreturn]] void Pogresno(const char* ocekivano, std::string_view red) const;
    // A broken rule about the line read last.
    [[noreturn]] void Odbij(const std::string& poruka) const { OdbijRed(brojReda, poruka); }
    [[noreturn]] static void OdbijRed(int red, const std::string& poruka);
    // Applies one of the value rules to the line read last.
    void Pravilo(const char* poruka) const {
        if (poruka) Odbij(poruka);
    }

    int Ceo(std::string_view red);
    int Ceo() { return Ceo(Obavezan("ceo broj")); }
    // A real that the analysis can hold: one beyond the 64-bit range is refused.
    long double Real();
    bool Logicka();
    // A name: UTF-8 as it stands, anything else read as Latin-1.
    std::string Tekst();

    int BrojReda() const { return brojReda; }

private:
    std::string_view tekst;
    size_t pozicija = 0;
    int brojReda = 0;
};

bool JeIspravanUtf8(std::string_view s);
std::string Latin1UUtf8(std::string_view s);
