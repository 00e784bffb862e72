#pragma once
// What the window benchmarks share: dialogs that never wait for a user, the process's CPU time, and
// one timed line per action.
#include <QObject>
#include <QString>

#include <functional>

#include "Dijalozi.h"

class QEvent;
class QTemporaryDir;

class TTihiDijalozi : public TDijalozi {
public:
    void Greska(QWidget*, const QString& t) override;
    void Informacija(QWidget*, const QString&) override {}
    bool Pitanje(QWidget*, const QString&) override { return false; }
    QString OtvoriFajl(QWidget*, const QString&, const QString&) override { return {}; }
    QString SnimiFajl(QWidget*, const QString&, const QString&) override { return {}; }
    bool Stampanje(QWidget*, QPrinter&) override { return false; }
};

// CPU time of the process in ms, all threads: the machine is shared, so wall time means little.
double CpuMs();

// Counts the paints of the widget it filters, so a line can say how many an action cost.
struct TBrojacCrtanja : QObject {
    int broj = 0;
    bool eventFilter(QObject*, QEvent* e) override;
};

// Runs the action and the events it leaves behind, `puta` times; prints the mean per run, and the
// paints per run when a counter is given.
void Izmeri(const char* naziv, int puta, const std::function<void(int)>& radnja,
            const TBrojacCrtanja* brojac = nullptr);

// The node count from the first argument (10,000 without one; options meant for other benchmarks
// leave the default); 0 after printing the usage for a count below 2.
int BrojCvorova(int argc, char** argv, const char* program);

// A generated frame of about `cvorova` nodes saved in the folder; its path.
QString SnimiGenerisaniRam(const QTemporaryDir& folder, int cvorova);
