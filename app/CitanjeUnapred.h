#pragma once
#include <future>
#include <string>

#include "Model.h"
#include "Podesavanja.h"

// Reads the model file a window starts with on another thread while the window builds its pages,
// so the two take the time of the longer one. The read is the same as the window's own: it starts
// from the settings the window will have when it reads, and is used only if they turn out to be
// those; otherwise (or when a cut-off save left a journal to ask about) the window reads the file
// itself, as it would have without this.
class TCitanjeUnapred {
public:
    TCitanjeUnapred(const std::string& putanja, const TPodesavanja& podesavanja, long double minRastojanjeCvorova);
    ~TCitanjeUnapred();

    // The model and settings read, moved into the window's, if the read fits what the window has
    // now; false when the window must read the file itself. A file that could not be read throws
    // the reader's own error, as the window's read would.
    bool Preuzmi(const std::string& putanja, TModel& model, TPodesavanja& podesavanja);

private:
    struct TProcitano {
        TModel model;
        TPodesavanja podesavanja;
    };
    std::string putanja;
    TPodesavanja pocetna;
    long double minRastojanje;
    std::future<TProcitano> citanje;
};
