#include "GreskeSistema.h"

#include <cerrno>

std::string OpisGreskeSistema(int broj) {
    switch (broj) {
        case ENOENT: return "fajl ili folder ne postoji";
        case ENOTDIR: return "deo putanje nije folder";
        case EISDIR: return "putanja je folder";
        case EACCES:
        case EPERM: return "nema dozvole za pristup";
        case EROFS: return "fajl sistem je samo za citanje";
        case ENOSPC: return "na disku nema dovoljno mesta";
#ifdef EDQUOT
        case EDQUOT: return "prekoracena je kvota diska";
#endif
        case EFBIG: return "fajl je prevelik za fajl sistem";
        case ENAMETOOLONG: return "ime fajla je predugacko";
        case ELOOP: return "previse simbolickih veza u putanji";
        case EMFILE:
        case ENFILE: return "otvoreno je previse fajlova";
        case EBUSY:
        case ETXTBSY: return "fajl je zauzet";
        case EXDEV: return "privremeni fajl i fajl nisu na istom fajl sistemu";
        case EIO: return "greska ulaza/izlaza na disku";
        case ENOMEM: return "nema dovoljno memorije";
        default: return "sistemska greska broj " + std::to_string(broj);
    }
}
