#include <gtest/gtest.h>

#include <functional>

#include "PomocModela.h"
#include "ProveraModela.h"
#include "Proracun.h"

namespace {

const char* const Oslonci = "Oslonci nisu korektno zadati!!!";
const char* const Tipovi = "Postoje cvorovi sa vise stapova ciji tipovi nisu korektno zadati!!!";

}  // namespace

// The node named is the first one, in list order, that breaks the refusing check, and the hint
// names the change that satisfies it: a clamp or the matching hinged type, a support, a node to
// connect.
TEST(UzrokOdbijanja, NamesTheFirstNodeThatBreaksTheCheckAndWhatSatisfiesIt) {
    const struct {
        const char* opis;
        std::function<void(TGraditeljModela&)> gradi;
        const char* poruka;
        int cvor;
        std::vector<const char*> savet;  // parts the hint must contain
    } slucajevi[] = {
        // The nodes are made one statement after the other: argument order is unspecified.
        {"sound simple beam",
         [](TGraditeljModela& g) {
             TCvor* a = g.Cvor(0, 0, true, true);
             g.Stap(a, g.Cvor(4, 0, false, true), tsProst);
         },
         "",
         -1,
         {}},
        {"one node",
         [](TGraditeljModela& g) { g.Cvor(0, 0); },
         "Sistem nema dovoljan broj cvorova!!!",
         -1,
         {"dva cvora"}},
        {"node 2 without members",
         [](TGraditeljModela& g) {
             TCvor* a = g.Cvor(0, 0, true, true);
             g.Stap(a, g.Cvor(4, 0, false, true), tsProst);
             g.Cvor(8, 0);
         },
         "Postoje cvorovi bez stapova!!!",
         2,
         {"Cvor 2", "nije kraj nijednog stapa"}},
        // A rigid start at a pinned node: hinge the start ("k" -> "gk") or clamp the node.
        {"pinned rigid start",
         [](TGraditeljModela& g) {
             TCvor* a = g.Cvor(0, 0, true, true);
             g.Stap(a, g.Cvor(4, 0, false, true, true), tsK);
         },
         Oslonci,
         0,
         {"Cvor 0", "stapa 0", "ukljesten (Ofiy)", "tip \"gk\""}},
        // "gk" is rigid at its end; hinging that end too gives "prost".
        {"pinned rigid end",
         [](TGraditeljModela& g) {
             TCvor* a = g.Cvor(0, 0, true, true);
             g.Stap(a, g.Cvor(4, 0, false, true), tsGK);
         },
         Oslonci,
         1,
         {"Cvor 1", "ukljesten (Ofiy)", "tip \"prost\""}},
        // A cantilever: the free tip needs a support (and a clamp, or a hinge there).
        {"cantilever tip",
         [](TGraditeljModela& g) {
             TCvor* a = g.Cvor(0, 0, true, true, true);
             g.Stap(a, g.Cvor(4, 0), tsK);
         },
         Oslonci,
         1,
         {"Cvor 1", "slobodan kraj stapa 0", "oslonac (Ox ili Oz)", "tip \"ig\""}},
        // A clamp at a hinged end: remove it, or make that end rigid.
        {"clamped hinged end",
         [](TGraditeljModela& g) {
             TCvor* a = g.Cvor(0, 0, true, true);
             g.Stap(a, g.Cvor(4, 0, false, true, true), tsProst);
         },
         Oslonci,
         1,
         {"Cvor 1", "ne sme biti ukljesten", "tip \"gk\""}},
        // One rigid end meeting a hinged one at an unsupported node 1: the rigid member is 1.
        {"rigid meets hinged",
         [](TGraditeljModela& g) {
             TCvor* a = g.Cvor(0, 0, true, true);
             TCvor* b = g.Cvor(4, 0);
             TCvor* c = g.Cvor(8, 0, true, true, true);
             g.Stap(a, b, tsProst);
             g.Stap(b, c, tsK);
         },
         Tipovi,
         1,
         {"Cvor 1", "krut kraj stapa 1", "oslonac (Ox ili Oz) i ukljestenje (Ofiy)", "tip \"gk\""}},
    };
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        TGraditeljModela g;
        s.gradi(g);
        const TUzrokOdbijanja u = UzrokOdbijanja(g.m);
        EXPECT_EQ(u.poruka, PrvaGreskaProvere(g.m));
        EXPECT_EQ(u.poruka, s.poruka);
        EXPECT_EQ(u.idCvora, s.cvor);
        EXPECT_EQ(u.savet.empty(), s.savet.empty());
        EXPECT_EQ(u.savet.find('\n'), std::string::npos);
        for (const char* deo : s.savet) EXPECT_NE(u.savet.find(deo), std::string::npos) << u.savet;
    }
}

// Following the hint's first remedy makes the model pass that node: the named node moves on or
// the model is accepted.
TEST(UzrokOdbijanja, TheClampItAsksForSatisfiesTheCheck) {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(4, 0, false, true);
    g.Stap(a, b, tsK);
    TUzrokOdbijanja u = UzrokOdbijanja(g.m);
    ASSERT_EQ(u.idCvora, 0);
    a->SetUkljY(true);
    u = UzrokOdbijanja(g.m);
    EXPECT_EQ(u.idCvora, 1);
    b->SetUkljY(true);
    EXPECT_EQ(UzrokOdbijanja(g.m).poruka, "");
}
