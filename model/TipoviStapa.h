#pragma once
// What each member type means, written down once: its name, which of its ends are rigidly
// connected to the node's rotation, and its local degrees of freedom in their order. Element
// matrices, code numbers, checks, diagrams, drawing and every text take the types from here.
#include <array>
#include <unordered_map>

class TCvor;
class TStap;
struct TModel;

// Member type codes, the item index of the member-type list.
enum TTipStapa : int { tsK = 0, tsIG = 1, tsGK = 2, tsProst = 3 };

// The three global directions of a node, in the order of its code numbers.
enum class TPravacCvora { X, Z, Obrtanje };

// One local degree of freedom of a member: the node it belongs to and the node direction it follows.
struct TStepenSlobode {
    bool naPocetku;  // at the start node (PocetniCvor); otherwise at the end node (KrajnjiCvor)
    TPravacCvora pravac;
};

// Local positions (1-based) of the end displacements and rotations; 0 where the type has none.
struct TMestaStapa {
    int u1, w1, fi1, u2, w2, fi2;
};

struct TOsobineTipa {
    TTipStapa tip;
    const char* ime;     // the short name used by texts, the report and the command line
    const char* natpis;  // the caption in the member-type list
    bool krutPocetak;
    bool krutKraj;
    int brojStepeni;                        // rows of every member matrix and load vector
    std::array<TStepenSlobode, 6> stepeni;  // the first brojStepeni, in local order

    bool Krut(bool naPocetku) const { return naPocetku ? krutPocetak : krutKraj; }
    // A hinged end's rotation is condensed out of the matrices of the member rigid at both ends,
    // not carried as a zero row and column: the type has no degree of freedom for it.
    bool RotacijaKondenzovana(bool naPocetku) const { return !Krut(naPocetku); }
    // Local position of a direction at one end; 0 when the type has no such degree of freedom.
    int Mesto(bool naPocetku, TPravacCvora pravac) const;
    TMestaStapa Mesta() const;
};

inline constexpr int BrojTipovaStapa = 4;

// The types in code order.
const std::array<TOsobineTipa, BrojTipovaStapa>& TipoviStapa();

// The traits of a type code; null for a code outside the list.
const TOsobineTipa* OsobineTipa(int tip);

// The type whose start and end are rigid or hinged as asked.
const TOsobineTipa& TipSaKrajevima(bool krutPocetak, bool krutKraj);

// The name of a type code; "" for an unknown one.
const char* ImeTipaStapa(int tip);

// Whether a member end of this type is rigid, or hinged; an unknown type's end is neither.
bool KrajKrut(int tip, bool naPocetku);
bool KrajZglobni(int tip, bool naPocetku);

// The refusal of a type code outside the list, naming every type.
const char* PorukaNepoznatogTipaStapa();

// A node's code number for one of its directions.
int KodniBroj(const TCvor& cvor, TPravacCvora pravac);

// The member ends that meet at one node. An end that is not rigid counts as hinged, including the
// ends of an unknown type.
struct TKrajeviCvora {
    int krutih = 0;
    int zglobnih = 0;
    const TStap* prviStap = nullptr;  // the first member (list order) with an end there
    const TStap* prviKrut = nullptr;  // the first member whose end there is rigid
    int Ukupno() const { return krutih + zglobnih; }
};

// The member ends of every node that has any, by node ID, counted over all members in list order
// (a member end without a node is skipped).
using TKrajeviCvorova = std::unordered_map<int, TKrajeviCvora>;
TKrajeviCvorova KrajeviCvorova(const TModel& model);

// One node's ends; all counts 0 for a node no member touches.
TKrajeviCvora KrajeviCvora(const TKrajeviCvorova& krajevi, const TCvor& cvor);
