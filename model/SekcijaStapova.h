#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

class TStap;
struct TModel;

// The member data that the member record of the file has no place for: the rotational springs at
// the member ends. Section STAPOVI after OSTALO, one line per member that has a spring,
// "stap=ID kpi=V kpk=V" (start, end; a key left out means no spring there), ended by "--". It is
// written only when some member has a spring, so other files stay byte for byte as they were.
inline constexpr const char* KljucnaRecStapova = "STAPOVI";

// The section's lines without line ends, the keyword first and "--" last; empty when no member has
// a spring.
std::string RedoviStapova(const TModel& model, std::string_view krajReda);

// What one line of the section sets, checked against the members read before it.
class TCitanjeStapova {
public:
    explicit TCitanjeStapova(const TModel& model);
    // Sets the line's springs on its member; the refusal's message (without the line number), or
    // an empty text when the line is acceptable. Unknown keys are ignored.
    std::string Procitaj(std::string_view red);

private:
    std::unordered_map<int, TStap*> stapovi;
    std::unordered_set<int> procitani;
};
