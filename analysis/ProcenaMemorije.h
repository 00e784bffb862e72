#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// Whether a dense analysis fits in memory, asked before anything large is allocated.

// Bytes the dense path holds at its peak for n degrees of freedom of which n_s are unknown: K
// (n x n), its four blocks (n x n together), the inverse of Kss with the two n_s x n_s work arrays
// of the inversion, the product of the inverse with Kso (n_s x (n - n_s)), and the vectors. An
// estimate from above (a frame of 5940 unknowns measured 1318 MB at its peak, estimated 1411 MB).
// Meant also for choosing between the dense and a sparse path: GustProracunStaje(n, n_s,
// RaspolozivaMemorija()) is false when the dense path should not be tried.
std::uint64_t MemorijaGustogProracuna(std::uint64_t n, std::uint64_t n_s);

// Bytes this process may still take: MemAvailable of /proc/meminfo, bounded by the memory limit of
// its control group (v2 or v1) less what the group already uses, and by RLIMIT_AS less the address
// space in use. nullopt when none of them can be read (then nothing is refused).
std::optional<std::uint64_t> RaspolozivaMemorija();

// True when a dense run of this size fits in `raspolozivo` bytes with a margin for everything else
// (the result grids, the report); true when `raspolozivo` is unknown.
bool GustProracunStaje(std::uint64_t n, std::uint64_t n_s, std::optional<std::uint64_t> raspolozivo);

// Throws TGreska with the refusal message when a dense run does not fit.
void ProveriMemorijuGustogProracuna(std::uint64_t n, std::uint64_t n_s,
                                    std::optional<std::uint64_t> raspolozivo = RaspolozivaMemorija());

// The pieces of RaspolozivaMemorija, on the texts of the files they read.
std::optional<std::uint64_t> MemAvailableIzTeksta(std::string_view meminfo);  // bytes
// "max" (no limit) and unreadable texts give nullopt.
std::optional<std::uint64_t> GranicaIzTeksta(std::string_view tekst);
