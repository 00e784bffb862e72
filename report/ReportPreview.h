#pragma once
// The report preview "Izgled izvestaja": one page at a time with page navigation and zoom, the
// group "Izlazne opcije" (print, save as PDF, close) and the line "Status izvestaja".

#include <QDialog>
#include <QString>

#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSpinBox;
class TReportDocument;

// The dialogs the preview needs. The signatures are those of the program's own dialog interface,
// so an adapter only forwards; tests script the answers.
class TReportDialogs {
public:
    virtual ~TReportDialogs() = default;
    virtual void Greska(QWidget* roditelj, const QString& tekst) = 0;
    // The chosen name, or a null QString when the user cancels.
    virtual QString SnimiFajl(QWidget* roditelj, const QString& naslov, const QString& filter) = 0;
    // The print dialog for `printer`; true when the user confirms.
    virtual bool Stampanje(QWidget* roditelj, QPrinter& printer) = 0;
};

// Forwards to any object with the same three members, such as the main window's dialogs.
template <class D>
class TReportDialogsOf : public TReportDialogs {
public:
    explicit TReportDialogsOf(D& d) : d(d) {}
    void Greska(QWidget* r, const QString& t) override { d.Greska(r, t); }
    QString SnimiFajl(QWidget* r, const QString& n, const QString& f) override { return d.SnimiFajl(r, n, f); }
    bool Stampanje(QWidget* r, QPrinter& p) override { return d.Stampanje(r, p); }

private:
    D& d;
};

// The real message box, save dialog and print dialog.
class TRealReportDialogs : public TReportDialogs {
public:
    void Greska(QWidget* roditelj, const QString& tekst) override;
    QString SnimiFajl(QWidget* roditelj, const QString& naslov, const QString& filter) override;
    bool Stampanje(QWidget* roditelj, QPrinter& printer) override;
};

class TReportPreview : public QDialog {
    Q_OBJECT
public:
    // `dialogs` is not owned; null uses the real dialogs.
    TReportPreview(std::shared_ptr<const TReportDocument> document, TReportDialogs* dialogs, QWidget* parent = nullptr);
    ~TReportPreview() override;

    int CurrentPage() const { return strana; }  // 0-based
    int PageCount() const;
    void ShowPage(int index);  // clamped to the pages there are
    // Zoom as a factor of the page's natural size at 96 dpi; 0 fits the width, -1 the page.
    void SetZoom(double factor);
    double Zoom() const { return zum; }
    QString StatusText() const;

    // The commands of "Izlazne opcije"; false when cancelled or failed (the status says which).
    bool Print();
    bool SaveAsPdf();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Iscrtaj();
    void Status(const QString& tekst);
    double StvarniZum() const;

    std::shared_ptr<const TReportDocument> dokument;
    TReportDialogs* dijalozi;
    std::unique_ptr<TRealReportDialogs> praviDijalozi;
    int strana = 0;
    double zum = 0;
    double nacrtaniZum = 0;  // the factor the shown picture was drawn at

    QPushButton* prva = nullptr;
    QPushButton* prethodna = nullptr;
    QPushButton* sledeca = nullptr;
    QPushButton* poslednja = nullptr;
    QSpinBox* brojStrane = nullptr;
    QLabel* odStrana = nullptr;
    QComboBox* izborZuma = nullptr;
    QScrollArea* okvir = nullptr;
    QLabel* slika = nullptr;
    QLabel* status = nullptr;
};
