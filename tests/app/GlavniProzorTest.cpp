#include <gtest/gtest.h>

#include "GlavniProzorPomocTest.h"

TEST(GlavniProzor, LayoutPagesAndMenu) {
    TProzor p;
    EXPECT_EQ(p.w->windowTitle(), "VELT");
    EXPECT_TRUE(p.w->windowState() & Qt::WindowMaximized);
    ASSERT_NE(p.w->PageControlGlavniMeni, nullptr);
    p.w->show();
    QApplication::processEvents();
    EXPECT_EQ(p.w->PageControlGlavniMeni->width(), 385);
    // The plot takes the rest of the width and follows the window.
    const int desnoOdStrana = p.w->PageControlGlavniMeni->mapTo(p.w.get(), QPoint(385, 0)).x();
    EXPECT_GE(p.w->PlotChartGrafik->x(), desnoOdStrana);
    const int sirinaGrafika = p.w->PlotChartGrafik->width();
    p.w->setWindowState(Qt::WindowNoState);
    p.w->resize(p.w->width() + 200, p.w->height());
    QApplication::processEvents();
    EXPECT_EQ(p.w->PlotChartGrafik->width(), sirinaGrafika + 200);
    const char* strane[][2] = {{"Materijal", "TabSheetMaterijal"},
                               {"Presek", "TabSheetPresek"},
                               {"Cvor", "TabSheetCvor"},
                               {"Stap", "TabSheetStap"},
                               {"Oslonac", "TabSheetOslonac"},
                               {"Opterecenje", "TabSheetOpterecenje"},
                               {"Analiza", "TabSheetParametriAnalize"},
                               {"Ulaz/Izlaz", "TabSheetRezultat"},
                               {"Grafik", "TabSheetGrafik"}};
    ASSERT_EQ(p.w->PageControlGlavniMeni->count(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(p.w->PageControlGlavniMeni->tabText(i), strane[i][0]);
        EXPECT_EQ(p.w->PageControlGlavniMeni->widget(i)->objectName(), strane[i][1]);
    }
    EXPECT_EQ(p.w->findChild<TPlotChart*>("PlotChartGrafik"), p.w->PlotChartGrafik);

    // Menus, items, separators; only undo and redo have shortcuts.
    QMenuBar* meni = p.w->findChild<QMenuBar*>("GlavniMeni");
    ASSERT_NE(meni, nullptr);
    // The captions read as specified once the Alt key marks ("&") are left out; every menu and
    // item has one, and no two in the same menu share a letter.
    auto bezOznake = [](QString t) { return t.remove(QLatin1Char('&')); };
    auto slovo = [](const QString& t) {
        const qsizetype i = t.indexOf(QLatin1Char('&'));
        return i >= 0 && i + 1 < t.size() ? t.at(i + 1).toLower() : QChar();
    };
    QStringList stvarno;
    QString slovaMenija;
    for (QAction* m : meni->actions()) {
        stvarno << "[" + bezOznake(m->text()) + "]";
        EXPECT_FALSE(slovo(m->text()).isNull()) << m->text().toStdString();
        EXPECT_FALSE(slovaMenija.contains(slovo(m->text()))) << m->text().toStdString();
        slovaMenija += slovo(m->text());
        QString slovaStavki;
        for (QAction* a : m->menu()->actions()) {
            stvarno << (a->isSeparator() ? QStringLiteral("-") : bezOznake(a->text()));
            if (!a->isSeparator()) {
                EXPECT_FALSE(slovo(a->text()).isNull()) << a->text().toStdString();
                EXPECT_FALSE(slovaStavki.contains(slovo(a->text()))) << a->text().toStdString();
                slovaStavki += slovo(a->text());
            }
            // Besides undo and redo only new, open and save have keys (checked on their own).
            const QStringList saTasterom = {"Nov...", "Otvori...", "Snimi..."};
            if (bezOznake(m->text()) != QStringLiteral("Uredi") && !saTasterom.contains(bezOznake(a->text()))) {
                EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
            }
        }
    }
    const QStringList ocekivano = {"[Datoteka]",
                                   "Nov...",
                                   "-",
                                   "Otvori...",
                                   "Snimi...",
                                   "Snimi kao...",
                                   "-",
                                   "Stampaj grafik (A4)",
                                   "Sacuvaj grafik...",
                                   "-",
                                   "Izlaz",
                                   "[Uredi]",
                                   "Ponisti",
                                   "Ponovi",
                                   "-",
                                   "Preseci stapove",
                                   "[Analiza]",
                                   "Pokreni analizu",
                                   "Stop",
                                   "Izvestaj...",
                                   "Izvezi matrice...",
                                   "Korak po korak...",
                                   "Provera...",
                                   "[Pomoc]",
                                   "Pomoc...",
                                   "O programu..."};
    EXPECT_EQ(stvarno, ocekivano);
}

TEST(GlavniProzor, StartUpWithAndWithoutAModel) {
    {
        TProzor p({primer});
        EXPECT_EQ(p.w->windowTitle(), "VELT - " + primer);
        EXPECT_FALSE(p.w->Model().nizCvorova.empty());
        EXPECT_TRUE(p.d->zapisi.empty());
    }
    {
        // A model that cannot be read at start-up is dropped without a word.
        TProzor p({QStringLiteral("/nema/takvog/fajla.velt")});
        EXPECT_EQ(p.w->windowTitle(), "VELT - ");
        EXPECT_TRUE(p.w->Model().Prazan());
        EXPECT_TRUE(p.w->PutanjaDoFajla().isEmpty());
        EXPECT_TRUE(p.d->zapisi.empty());
    }
}

TEST(GlavniProzor, OpenThroughTheMenu) {
    TProzor p;
    // Cancel: only the caption is refreshed.
    p.Meni("Otvori1");
    ASSERT_EQ(p.d->zapisi.size(), 1u);
    EXPECT_EQ(p.d->zapisi[0].vrsta, "otvori");
    EXPECT_EQ(p.d->zapisi[0].tekst, "Ucitavanje podataka!");
    EXPECT_EQ(p.d->zapisi[0].filter, "velt fajl (*.velt)");
    EXPECT_EQ(p.w->windowTitle(), "VELT - ");

    p.d->imenaFajlova = {primer};
    p.Meni("Otvori1");
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + primer);
    EXPECT_EQ(p.w->PutanjaDoFajla(), primer);
    EXPECT_FALSE(p.w->Model().nizStapova.empty());
    EXPECT_EQ(p.d->Vrste(), QStringList({"otvori", "otvori"}));
}

TEST(GlavniProzor, FailedOpenKeepsTheModelAndThePath) {
    QTemporaryDir dir;
    const QString los = dir.filePath("los.velt");
    Zapisi(los, "MATERIJAL\r\n-\r\n0\r\nM\r\nabc\r\n0.2\r\n2500\r\n1E-5\r\n--\r\n");
    const QString prazanFajl = dir.filePath("prazan.velt");
    Zapisi(prazanFajl, TriCvora(podrazumevanoOstalo));

    const struct {
        const char* slucaj;
        QString ime;
        QString pocetakPoruke;  // empty: any reader message
    } slucajevi[] = {
        {"conversion error", los, {}},
        {"missing file", dir.filePath("nema.velt"), {}},
        {"empty name", QStringLiteral(""), QStringLiteral("Ime fajla nije korektno zadato!!!")},
    };
    for (const auto& s : slucajevi) {
        TProzor p;
        p.d->imenaFajlova = {prazanFajl, s.ime};
        p.Meni("Otvori1");
        ASSERT_EQ(p.w->Model().nizCvorova.size(), 3u);
        p.Meni("Otvori1");
        EXPECT_EQ(p.w->Model().nizCvorova.size(), 3u) << s.slucaj;
        EXPECT_EQ(p.w->PutanjaDoFajla(), prazanFajl) << s.slucaj;
        EXPECT_EQ(p.w->windowTitle(), "VELT - " + prazanFajl) << s.slucaj;
        ASSERT_EQ(p.d->zapisi.back().vrsta, "greska") << s.slucaj;
        const QString poruka = p.d->zapisi.back().tekst;
        EXPECT_TRUE(poruka.endsWith("\r\nGreska pri ucitavanju fajla!!!")) << poruka.toStdString();
        if (!s.pocetakPoruke.isEmpty()) EXPECT_EQ(poruka, s.pocetakPoruke + "\r\nGreska pri ucitavanju fajla!!!");
        else EXPECT_GT(poruka.size(), QStringLiteral("\r\nGreska pri ucitavanju fajla!!!").size());
    }
}

TEST(GlavniProzor, SaveAndSaveAs) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.velt"), b = dir.filePath("b.velt"), nemoguc = dir.filePath("nema/c.velt");
    TProzor p({primer});
    const QByteArray original = Procitaj(primer);

    // "Snimi kao..." always asks; a name typed without an extension gets ".velt".
    p.d->imenaFajlova = {dir.filePath("b")};
    p.Meni("Snimikao1");
    EXPECT_EQ(p.d->zapisi.back().vrsta, "snimi");
    EXPECT_EQ(p.d->zapisi.back().tekst, "Snimanje podataka!");
    EXPECT_EQ(p.d->zapisi.back().filter, "velt fajl (*.velt)");
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + b);
    EXPECT_EQ(Procitaj(b), original);

    // "Snimi..." with a current file writes there without asking.
    QFile::remove(b);
    const size_t pre = p.d->zapisi.size();
    p.Meni("Snimi1");
    EXPECT_EQ(p.d->zapisi.size(), pre);
    EXPECT_EQ(Procitaj(b), original);

    // A failed save keeps the previous path.
    p.d->imenaFajlova = {nemoguc};
    p.Meni("Snimikao1");
    ASSERT_EQ(p.d->zapisi.back().vrsta, "greska");
    EXPECT_TRUE(p.d->zapisi.back().tekst.endsWith("\r\nGreska pri snimanju fajla!!!"));
    EXPECT_EQ(p.w->PutanjaDoFajla(), b);
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + b);

    p.d->imenaFajlova = {QStringLiteral("")};
    p.Meni("Snimikao1");
    EXPECT_EQ(p.d->zapisi.back().tekst, "Ime fajla nije korektno zadato!!!\r\nGreska pri snimanju fajla!!!");
    EXPECT_EQ(p.w->PutanjaDoFajla(), b);

    // Cancelling the dialog changes nothing.
    p.d->imenaFajlova = {QString()};
    p.Meni("Snimikao1");
    EXPECT_EQ(p.d->zapisi.back().vrsta, "snimi");
    EXPECT_EQ(p.w->PutanjaDoFajla(), b);

    // Without a current file "Snimi..." asks.
    TProzor prazan;
    prazan.d->imenaFajlova = {a};
    prazan.Meni("Snimi1");
    EXPECT_EQ(prazan.d->Vrste(), QStringList({"snimi"}));
    EXPECT_EQ(prazan.w->windowTitle(), "VELT - " + a);
    EXPECT_TRUE(Procitaj(a).startsWith("OSTALO\r\n"));

    // A name with an extension of its own is kept as typed; a trailing dot gets only "velt".
    const struct {
        const char* otkucano;
        const char* snimljeno;
    } imena[] = {{"c.txt", "c.txt"}, {"d.", "d.velt"}, {"e.velt", "e.velt"}, {"f.model.velt", "f.model.velt"}};
    for (const auto& i : imena) {
        prazan.d->imenaFajlova = {dir.filePath(i.otkucano)};
        prazan.Meni("Snimikao1");
        EXPECT_EQ(prazan.w->PutanjaDoFajla(), dir.filePath(i.snimljeno)) << i.otkucano;
        EXPECT_TRUE(QFile::exists(dir.filePath(i.snimljeno))) << i.otkucano;
    }
}

TEST(GlavniProzor, NewModel) {
    // Without a file argument the model is started over in place.
    TProzor p;
    p.d->imenaFajlova = {primer};
    p.Meni("Otvori1");
    ASSERT_FALSE(p.w->Model().Prazan());
    p.w->PostaviAkcijuMisa(2);
    p.w->ComboBoxZoomSve->setCurrentIndex(9);
    p.w->CheckBoxPrikaziOpterecenjeCvora->setChecked(true);
    p.w->EditMnozilacPomeranja->setText("7");
    p.w->izvestajAnalizeUlaz = "x";
    p.Meni("Nov1");
    EXPECT_TRUE(p.w->Model().Prazan());
    EXPECT_TRUE(p.w->PutanjaDoFajla().isEmpty());
    EXPECT_EQ(p.w->windowTitle(), "VELT - ");
    EXPECT_EQ(p.w->AkcijaMisa(), 0);
    EXPECT_EQ(p.w->PlotChartGrafik->MouseAction(), maPan);
    EXPECT_EQ(p.w->ComboBoxZoomSve->currentIndex(), 4);
    EXPECT_TRUE(p.w->izvestajAnalizeUlaz.isEmpty());
    // the other settings stay
    EXPECT_TRUE(p.w->CheckBoxPrikaziOpterecenjeCvora->isChecked());
    EXPECT_EQ(p.w->EditMnozilacPomeranja->text(), "7");
    // and what is entered shows: loads, supports, symbols, equal scale
    EXPECT_TRUE(p.w->Podesavanja().prikaziOpterecenjeStapa);
    EXPECT_TRUE(p.w->Podesavanja().prikaziOslonceCvora);
    EXPECT_TRUE(p.w->Podesavanja().prikaz.simboli);
    EXPECT_TRUE(p.w->Podesavanja().prikaz.jednakaRazmera);

    // Started with a file: a fresh instance takes over and this one closes without asking.
    TProzor s({primer});
    int pokrenuto = 0;
    s.w->pokreniNovuInstancu = [&] { return ++pokrenuto, true; };
    s.w->show();
    s.Meni("Nov1");
    EXPECT_EQ(pokrenuto, 1);
    EXPECT_FALSE(s.w->isVisible());
    EXPECT_TRUE(s.d->zapisi.empty());

    // A window nobody gave a starter (tests, embedding) starts over in place.
    TProzor bez({primer});
    bez.w->show();
    bez.Meni("Nov1");
    EXPECT_TRUE(bez.w->isVisible());
    EXPECT_TRUE(bez.w->Model().Prazan());

    // If no instance could be started the work is not thrown away with the window.
    TProzor n({primer});
    n.w->pokreniNovuInstancu = [] { return false; };
    n.w->show();
    n.Meni("Nov1");
    EXPECT_TRUE(n.w->isVisible());
    EXPECT_TRUE(n.w->Model().Prazan());
    EXPECT_EQ(n.w->windowTitle(), "VELT - ");
}

TEST(GlavniProzor, BusyGuard) {
    TProzor p({primer});
    p.w->show();
    p.w->PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaAnaliza);
    p.w->PostaviRadimProracun(true);
    const QString zauzet = "Proracun je u toku!!!\r\nNije dopustena akcija!!!";
    for (const char* stavka : {"Otvori1", "Snimi1", "Snimikao1", "Izlaz1", "Nov1"}) {
        p.d->zapisi.clear();
        p.d->imenaFajlova = {QStringLiteral("/tmp/ne-sme-se-koristiti.velt")};
        p.Meni(stavka);
        ASSERT_EQ(p.d->zapisi.size(), 1u) << stavka;
        EXPECT_EQ(p.d->zapisi[0].vrsta, "informacija") << stavka;
        EXPECT_EQ(p.d->zapisi[0].tekst, zauzet) << stavka;
    }
    EXPECT_EQ(p.w->PutanjaDoFajla(), primer);
    EXPECT_FALSE(p.w->Model().Prazan());
    EXPECT_TRUE(p.w->isVisible());

    // No page but "Analiza" can be reached.
    for (int strana : {0, 5, 7, 8}) {
        p.w->PageControlGlavniMeni->setCurrentIndex(strana);
        EXPECT_EQ(p.w->PageControlGlavniMeni->currentIndex(), TFormGlavniProzor::StranaAnaliza) << strana;
    }

    // Closing is refused without a word.
    p.d->zapisi.clear();
    p.d->odgovori = {true};
    EXPECT_FALSE(p.w->close());
    EXPECT_TRUE(p.w->isVisible());
    EXPECT_TRUE(p.d->zapisi.empty());

    // "Stop" is always allowed and ends the guard.
    p.Meni("Stop1");
    EXPECT_FALSE(p.w->RadimProracun());
    p.w->PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaGrafik);
    EXPECT_EQ(p.w->PageControlGlavniMeni->currentIndex(), TFormGlavniProzor::StranaGrafik);
}

TEST(GlavniProzor, ClosingQuestion) {
    for (bool da : {false, true}) {
        TProzor p({primer});
        p.w->show();
        p.d->odgovori = {da};
        p.Meni("Izlaz1");
        ASSERT_EQ(p.d->zapisi.size(), 1u);
        EXPECT_EQ(p.d->zapisi[0].vrsta, "pitanje");
        EXPECT_EQ(p.d->zapisi[0].tekst, "Zatvori program?");
        EXPECT_EQ(p.w->isVisible(), !da);
        EXPECT_EQ(p.w->Model().Prazan(), da);
        EXPECT_EQ(p.w->PutanjaDoFajla(), primer);
    }
}

TEST(GlavniProzor, AboutAndHelpTexts) {
    TProzor p;
    p.Meni("Oprogramu1");
    ASSERT_EQ(p.d->zapisi.size(), 1u);
    EXPECT_EQ(p.d->zapisi[0].vrsta, "informacija");
    EXPECT_EQ(p.d->zapisi[0].tekst,
              "Staticki proracun nosaca u ravni primenom VELT\r\nVerzija 1.0.0.0\r\nRazvoj: tim programa VELT");
}

// The file commands answer the keys every desktop program has; the menu shows them beside the
// captions, which stay as they were.
TEST(GlavniProzor, FileCommandsHaveTheirKeys) {
    TProzor p;
    const struct {
        const char* stavka;
        const char* tekst;
        QKeySequence taster;
    } stavke[] = {{"Nov1", "&Nov...", QKeySequence(Qt::CTRL | Qt::Key_N)},
                  {"Otvori1", "&Otvori...", QKeySequence(Qt::CTRL | Qt::Key_O)},
                  {"Snimi1", "&Snimi...", QKeySequence(Qt::CTRL | Qt::Key_S)}};
    for (const auto& s : stavke) {
        const QAction* a = p.w->findChild<QAction*>(QString::fromUtf8(s.stavka));
        ASSERT_NE(a, nullptr) << s.stavka;
        EXPECT_EQ(a->shortcut(), s.taster) << s.stavka;
        EXPECT_EQ(a->text(), QString::fromUtf8(s.tekst));
    }
    EXPECT_TRUE(p.w->findChild<QAction*>("Snimikao1")->shortcut().isEmpty());
}
