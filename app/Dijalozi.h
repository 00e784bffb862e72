#pragma once
#include <QSize>
#include <QString>

#include <optional>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;
class QPrinter;

// Every message box and every file and print dialog of the program goes through this interface,
// so tests can capture the texts and script the answers without a modal box blocking.
class TDijalozi {
public:
    virtual ~TDijalozi() = default;
    virtual void Greska(QWidget* roditelj, const QString& tekst) = 0;       // error icon, OK
    virtual void Informacija(QWidget* roditelj, const QString& tekst) = 0;  // information icon, OK
    virtual bool Pitanje(QWidget* roditelj, const QString& tekst) = 0;      // confirmation, Yes/No; true = Yes
    // A question with "Da", "Ne" and "Otkazi". Without an answer of its own a dialog set cancels,
    // which leaves everything as it was.
    enum class TOdgovor { Da, Ne, Otkazi };
    virtual TOdgovor PitanjeDaNeOtkazi(QWidget* roditelj, const QString& tekst);
    // File dialogs: the chosen name, or a null QString when the user cancels.
    virtual QString OtvoriFajl(QWidget* roditelj, const QString& naslov, const QString& filter) = 0;
    virtual QString SnimiFajl(QWidget* roditelj, const QString& naslov, const QString& filter) = 0;
    // The print dialog for `printer`; true when the user confirms.
    virtual bool Stampanje(QWidget* roditelj, QPrinter& printer) = 0;
    // The pixel size of a saved drawing, offered as `pocetna`; nothing when the user cancels. By
    // default the offer is taken without asking.
    virtual std::optional<QSize> VelicinaSlike(QWidget* roditelj, QSize pocetna);
    // A context menu at the global point `gde`: the chosen action, or nullptr.
    virtual QAction* Meni(QMenu& meni, const QPoint& gde);
    // A dialog of the program's own, shown modally: its result (QDialog::Accepted when confirmed).
    virtual int Dijalog(QDialog& dijalog);
};

// The real boxes and dialogs.
class TPraviDijalozi : public TDijalozi {
public:
    void Greska(QWidget* roditelj, const QString& tekst) override;
    void Informacija(QWidget* roditelj, const QString& tekst) override;
    bool Pitanje(QWidget* roditelj, const QString& tekst) override;
    TOdgovor PitanjeDaNeOtkazi(QWidget* roditelj, const QString& tekst) override;
    QString OtvoriFajl(QWidget* roditelj, const QString& naslov, const QString& filter) override;
    QString SnimiFajl(QWidget* roditelj, const QString& naslov, const QString& filter) override;
    bool Stampanje(QWidget* roditelj, QPrinter& printer) override;
    std::optional<QSize> VelicinaSlike(QWidget* roditelj, QSize pocetna) override;
};
