#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Pomocnici.h"
#include "ReportLayout.h"
#include "ReportPreview.h"
#include "ReportProject.h"

namespace {

// Scripted answers in place of the print and save dialogs and the error box.
struct LazniDijalozi : TReportDialogs {
    QString imeFajla;      // answer of the save dialog; null = cancel
    bool stampaj = false;  // answer of the print dialog
    QString stampacUPdf;   // where the "printer" writes
    int od = 0, doo = 0;   // page range chosen in the print dialog, 0 = all
    QStringList greske;
    int stampanja = 0;

    void Greska(QWidget*, const QString& t) override { greske << t; }
    QString SnimiFajl(QWidget*, const QString&, const QString& filter) override {
        EXPECT_TRUE(filter.contains("*.pdf"));
        return imeFajla;
    }
    bool Stampanje(QWidget*, QPrinter& p) override {
        ++stampanja;
        EXPECT_EQ(p.pageLayout().pageSize().id(), QPageSize::A4);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(stampacUPdf);
        if (od > 0) {
            p.setPrintRange(QPrinter::PageRange);
            p.setFromTo(od, doo);
        }
        return stampaj;
    }
};

int StranaUPdf(const QString& pdf) {
    bool alat = false;
    const QStringList s = StranePdf(pdf, &alat);
    return alat ? int(s.size()) : -1;
}

class PregledIzvestaja : public ::testing::Test {
protected:
    void SetUp() override {
        OsigurajAplikaciju();
        ASSERT_TRUE(dir.isValid());
        QString tekst;
        for (int i = 1; i <= 400; ++i) tekst += QStringLiteral("Broj cvora: %1\r\n").arg(i);
        dokument = std::make_shared<TReportDocument>(ReadReportProject(ProjekatIzAsseta()), tekst);
        ASSERT_GE(dokument->PageCount(), 4);
        dijalozi.stampacUPdf = dir.filePath("stampa.pdf");
    }
    template <class T>
    T* Nadji(QWidget& w, const char* ime) {
        T* c = w.findChild<T*>(ime);
        EXPECT_NE(c, nullptr) << ime;
        return c;
    }
    QTemporaryDir dir;
    std::shared_ptr<TReportDocument> dokument;
    LazniDijalozi dijalozi;
};

TEST_F(PregledIzvestaja, NavigatesPagesWithButtonsAndPageField) {
    TReportPreview p(dokument, &dijalozi);
    p.show();
    QApplication::processEvents();
    const int n = dokument->PageCount();
    auto* prva = Nadji<QPushButton>(p, "ButtonPrvaStrana");
    auto* prethodna = Nadji<QPushButton>(p, "ButtonPrethodnaStrana");
    auto* sledeca = Nadji<QPushButton>(p, "ButtonSledecaStrana");
    auto* poslednja = Nadji<QPushButton>(p, "ButtonPoslednjaStrana");
    auto* polje = Nadji<QSpinBox>(p, "SpinBoxStrana");
    ASSERT_TRUE(prva && prethodna && sledeca && poslednja && polje);

    struct Korak {
        std::function<void()> akcija;
        int strana;
    };
    const Korak koraci[] = {
        {[] {}, 0},
        {[&] { sledeca->click(); }, 1},
        {[&] { sledeca->click(); }, 2},
        {[&] { prethodna->click(); }, 1},
        {[&] { poslednja->click(); }, n - 1},
        {[&] { sledeca->click(); }, n - 1},  // disabled at the end: nothing happens
        {[&] { prva->click(); }, 0},
        {[&] { prethodna->click(); }, 0},
        {[&] { polje->setValue(3); }, 2},
        {[&] { p.ShowPage(1000); }, n - 1},
        {[&] { p.ShowPage(-5); }, 0},
    };
    for (size_t i = 0; i < std::size(koraci); ++i) {
        koraci[i].akcija();
        EXPECT_EQ(p.CurrentPage(), koraci[i].strana) << "step " << i;
        EXPECT_EQ(polje->value(), koraci[i].strana + 1) << "step " << i;
        EXPECT_EQ(prethodna->isEnabled(), koraci[i].strana > 0);
        EXPECT_EQ(sledeca->isEnabled(), koraci[i].strana < n - 1);
        EXPECT_TRUE(p.StatusText().startsWith(QString("Strana %1 od %2").arg(koraci[i].strana + 1).arg(n)));
    }
}

TEST_F(PregledIzvestaja, ShowsItsTitlesAndZooms) {
    TReportPreview p(dokument, &dijalozi);
    p.show();
    QApplication::processEvents();
    EXPECT_EQ(p.windowTitle(), "Izgled izvestaja");
    EXPECT_EQ(Nadji<QGroupBox>(p, "GroupBoxIzlazneOpcije")->title(), "Izlazne opcije");
    EXPECT_EQ(Nadji<QGroupBox>(p, "GroupBoxStatusIzvestaja")->title(), "Status izvestaja");

    auto* zum = Nadji<QComboBox>(p, "ComboBoxZum");
    auto* slika = Nadji<QLabel>(p, "LabelStranaIzvestaja");
    ASSERT_TRUE(zum && slika);
    // At 100 % an A4 page is 595.3 x 841.9 points at 96 pixels per inch.
    zum->setCurrentIndex(zum->findData(1.0));
    EXPECT_DOUBLE_EQ(p.Zoom(), 1.0);
    EXPECT_NEAR(slika->pixmap().deviceIndependentSize().width(), 793.7, 1.5);
    EXPECT_NEAR(slika->pixmap().deviceIndependentSize().height(), 1122.5, 1.5);
    zum->setCurrentIndex(zum->findData(2.0));
    EXPECT_NEAR(slika->pixmap().deviceIndependentSize().width(), 1587.4, 2);
    // The whole page fits the view.
    p.SetZoom(-1);
    EXPECT_EQ(zum->currentText(), "Cela strana");
    const QSize vidljivo = Nadji<QWidget>(p, "ScrollBoxStrana")->size();
    EXPECT_LE(slika->pixmap().deviceIndependentSize().height(), vidljivo.height());
    p.SetZoom(100);  // clamped
    EXPECT_DOUBLE_EQ(p.Zoom(), 4.0);
}

// "Sirina strane" is the opening zoom: the first page shown fills the width of the view, and
// keeps filling it as the window grows or shrinks.
TEST_F(PregledIzvestaja, OpensFittingTheWidthAndFollowsResizes) {
    TReportPreview p(dokument, &dijalozi);
    p.show();
    QApplication::processEvents();
    auto* slika = Nadji<QLabel>(p, "LabelStranaIzvestaja");
    auto* okvir = Nadji<QScrollArea>(p, "ScrollBoxStrana");
    ASSERT_TRUE(slika && okvir);
    EXPECT_EQ(Nadji<QComboBox>(p, "ComboBoxZum")->currentText(), "Sirina strane");
    for (const QSize velicina : {QSize(), QSize(1400, 1000), QSize(700, 600), QSize(1200, 800)}) {
        if (velicina.isValid()) p.resize(velicina);
        QApplication::processEvents();
        const double sirina = slika->pixmap().deviceIndependentSize().width();
        const int prostor = okvir->viewport()->width();
        EXPECT_LE(sirina, prostor) << velicina.width();
        EXPECT_GE(sirina, prostor - 30) << velicina.width();
    }
}

TEST_F(PregledIzvestaja, PrintsThroughTheInjectedDialog) {
    TReportPreview p(dokument, &dijalozi);
    // Cancelled: nothing printed.
    auto* stampaj = Nadji<QPushButton>(p, "ButtonStampaj");
    ASSERT_NE(stampaj, nullptr);
    stampaj->click();
    EXPECT_EQ(dijalozi.stampanja, 1);
    EXPECT_FALSE(QFile::exists(dijalozi.stampacUPdf));
    EXPECT_TRUE(p.StatusText().contains("otkazano"));

    dijalozi.stampaj = true;
    EXPECT_TRUE(p.Print());
    const int sve = StranaUPdf(dijalozi.stampacUPdf);
    if (sve < 0) GTEST_SKIP() << "pdftotext missing";
    EXPECT_EQ(sve, dokument->PageCount());

    dijalozi.od = 2;
    dijalozi.doo = 3;
    EXPECT_TRUE(p.Print());
    EXPECT_EQ(StranaUPdf(dijalozi.stampacUPdf), 2);
    EXPECT_TRUE(dijalozi.greske.isEmpty());
}

TEST_F(PregledIzvestaja, SavesAsPdfAndReportsFailures) {
    TReportPreview p(dokument, &dijalozi);
    EXPECT_FALSE(p.SaveAsPdf());  // cancelled
    EXPECT_TRUE(p.StatusText().contains("otkazano"));

    dijalozi.imeFajla = dir.filePath("izvestaj");  // the suffix is added
    Nadji<QPushButton>(p, "ButtonSnimiPdf")->click();
    EXPECT_TRUE(Procitaj(dir.filePath("izvestaj.pdf")).startsWith("%PDF"));
    EXPECT_TRUE(p.StatusText().contains("izvestaj.pdf"));
    EXPECT_TRUE(dijalozi.greske.isEmpty());

    dijalozi.imeFajla = dir.filePath("nema/x.pdf");
    EXPECT_FALSE(p.SaveAsPdf());
    ASSERT_EQ(dijalozi.greske.size(), 1);
    EXPECT_TRUE(dijalozi.greske[0].contains("nije moguce snimiti"));
}

TEST_F(PregledIzvestaja, ClosesAndRunsFromTheProject) {
    {
        TReportPreview p(dokument, &dijalozi);
        p.show();
        Nadji<QPushButton>(p, "ButtonZatvori")->click();
        EXPECT_FALSE(p.isVisible());
        EXPECT_EQ(p.result(), QDialog::Accepted);
    }
    // Through the project, the hook stands in for the modal run and may close it at once.
    TReportConnection k("ReportConnection1");
    k.OnGetCols = [](TReportConnection& c) { c.AddColumn("Podaci", TFieldType::String, 100, "Podaci", ""); };
    k.OnOpen = [](TReportConnection& c) { c.SetRowCount(1); };
    k.OnGetRow = [](TReportConnection& c, int) { c.SetValue(0, SintetickiIzvestaj(8)); };
    TReportProject projekat;
    projekat.SetProjectFile(ProjekatIzAsseta());
    projekat.AddConnection(&k);
    projekat.SetDialogs(&dijalozi);
    int strana = 0;
    projekat.SetPreviewHook([&](TReportPreview& p) {
        p.show();
        p.ShowPage(1);
        strana = p.CurrentPage() + 1;
        p.reject();
    });
    QString greska;
    ASSERT_TRUE(projekat.Execute(nullptr, &greska)) << greska.toStdString();
    EXPECT_EQ(strana, 2);
}

}  // namespace
