#pragma once
#include <memory>
#include <string>

#include "Model.h"
#include "SnimakModela.h"

// One step of the editing history: a change of the model that can be applied again and taken
// back exactly.
class TKomanda {
public:
    explicit TKomanda(std::string naziv) : naziv(std::move(naziv)) {}
    virtual ~TKomanda() = default;
    // The name the "Uredi" menu shows, e.g. "Dodaj cvor".
    const std::string& Naziv() const { return naziv; }
    virtual void Ponovi(TModel& model) const = 0;
    virtual void Ponisti(TModel& model) const = 0;
    // Roughly how many entity copies the step keeps, so the history can bound its memory.
    virtual size_t Velicina() const = 0;

private:
    std::string naziv;
};

// A step remembered as the model state before and after it. The editing functions keep every
// check and message; recording whole states makes taking a step back exact by construction:
// identifiers, code numbers, member references, load assignments and list order all return as they
// were. A state shares every unchanged entity with the state before it, so a step costs about what
// it changed.
class TKomandaIzmene : public TKomanda {
public:
    TKomandaIzmene(std::string naziv, std::shared_ptr<const TSnimakModela> pre,
                   std::shared_ptr<const TSnimakModela> posle)
        : TKomanda(std::move(naziv)),
          pre(std::move(pre)),
          posle(std::move(posle)) {}
    void Ponovi(TModel& model) const override;
    void Ponisti(TModel& model) const override;
    // The entity copies the state after the step added to the one before it.
    size_t Velicina() const override;
    const std::shared_ptr<const TSnimakModela>& Pre() const { return pre; }
    const std::shared_ptr<const TSnimakModela>& Posle() const { return posle; }

private:
    std::shared_ptr<const TSnimakModela> pre;
    std::shared_ptr<const TSnimakModela> posle;
};
