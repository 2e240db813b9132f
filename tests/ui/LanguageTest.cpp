// The three languages: the translation files are complete and keep each text's form, the
// language menu switches every open window at once, messages follow the language, and the
// chosen language is kept in the settings file and applied at the next start.
#include "BoxImport.h"
#include "HelpMenu.h"
#include "IniFile.h"
#include "LanguageSwitch.h"
#include "MessagePrompter.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

using namespace palvane;

namespace {

struct TsMessage {
    QString context, source, translation;
    bool unfinished = false;
};

// Reads a text element of a Linguist file; a carriage return is stored as <byte value="xd"/>.
QString readTsText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() != QLatin1String("byte"))
            break;
    }
    return text;
}

std::vector<TsMessage> readTs(const QString& path, QString* language) {
    std::vector<TsMessage> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("TS"))
            *language = xml.attributes().value(QLatin1String("language")).toString();
        else if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            out.push_back({context, {}, {}, false});
        else if (xml.name() == QLatin1String("source"))
            out.back().source = readTsText(xml);
        else if (xml.name() == QLatin1String("translation")) {
            out.back().unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            out.back().translation = readTsText(xml);
        }
    }
    return out;
}

// Keyboard accelerators: an ampersand before a character other than a blank or an ampersand.
int accelerators(const QString& s) {
    static const QRegularExpression re(QStringLiteral("&[^&\\s]"));
    return int(s.count(re));
}

QStringList placeholders(const QString& s) {
    static const QRegularExpression re(QStringLiteral("%\\d"));
    QStringList l;
    for (auto it = re.globalMatch(s); it.hasNext();)
        l << it.next().captured();
    l.sort();
    return l;
}

QString header(QAbstractItemModel* model, int column) {
    return model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

// The progress window's title and hint share the top line: both whole, side by side, inside.
bool topLineFits(TWaitForm* wait) {
    const QFontMetrics fm(wait->font());
    const int titleEnd = wait->progLab()->x() + fm.horizontalAdvance(wait->progLab()->text());
    const QLabel* hint = wait->waitLab();
    const int hintStart = hint->geometry().right() - fm.horizontalAdvance(hint->text());
    return titleEnd < hintStart && hint->geometry().right() < wait->width() &&
           hint->width() >= fm.horizontalAdvance(hint->text());
}

// Chooses a Language menu entry and lets the windows take the new texts and lay them out.
void switchTo(QAction* entry) {
    entry->trigger();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void cleanup() { LanguageSwitch::instance()->ApplyLanguage(true, EnglishLanguage); }

    void translationFilesAreCompleteAndKeepTheTextForm() {
        for (const QString& lang : {QStringLiteral("fr"), QStringLiteral("it")}) {
            QString language;
            const auto messages =
                readTs(QStringLiteral(PALVANE_SOURCE_DIR "/translations/palvane_%1.ts").arg(lang), &language);
            QVERIFY2(messages.size() > 300, qPrintable(lang));
            QVERIFY(language.startsWith(lang));
            for (const TsMessage& m : messages) {
                const QByteArray where =
                    (lang + QLatin1Char(' ') + m.context + QStringLiteral(": ") + m.source).toUtf8();
                QVERIFY2(!m.unfinished, where.constData());
                QVERIFY2(!m.translation.isEmpty(), where.constData());
                QVERIFY2(accelerators(m.source) == accelerators(m.translation), where.constData());
                QVERIFY2(m.source.count(QLatin1Char('\r')) == m.translation.count(QLatin1Char('\r')),
                         where.constData());
                QVERIFY2(placeholders(m.source) == placeholders(m.translation), where.constData());
                // Texts are joined to numbers and names by their leading and trailing blanks.
                QVERIFY2(m.source.startsWith(QLatin1Char(' ')) == m.translation.startsWith(QLatin1Char(' ')),
                         where.constData());
                QVERIFY2(m.source.endsWith(QLatin1Char(' ')) == m.translation.endsWith(QLatin1Char(' ')),
                         where.constData());
                // Italian puts no blank before a colon, a question or an exclamation mark.
                if (lang == QLatin1String("it")) {
                    static const QRegularExpression blankBeforeMark(QStringLiteral(" [:?!]"));
                    QVERIFY2(!m.translation.contains(blankBeforeMark), where.constData());
                }
            }
        }
    }

    void catalogueRowsOfEachLanguage() {
        LanguageSwitch* language = LanguageSwitch::instance();
        const auto text = [](const char* context, const char* source) {
            return QCoreApplication::translate(context, source);
        };
        language->ApplyLanguage(true, FrenchLanguage);
        QVERIFY(language->translationLoaded());
        QCOMPARE(text("palvane::TTasksForm", "Clear current task solution?"),
                 QStringLiteral("Effacer la solution de la tâche en cours?"));
        QCOMPARE(text("palvane::TTasksForm", "Exit program?"), QStringLiteral("Quitter le logiciel?"));
        QCOMPARE(text("palvane::TWaitForm", "Please wait"), QStringLiteral("Veuillez patienter"));
        QCOMPARE(text("palvane::TWaitForm", "Packing progress..."), QStringLiteral("Chargement en cours..."));
        QCOMPARE(text("palvane::TWaitForm", "Aborted..."), QStringLiteral("Avorté..."));
        // Line breaks inside a message survive the translation.
        QCOMPARE(
            text("palvane::TDMForm", "This box Kind is used\rin Fixed containers.\rIt should not be deleted.")
                .count(QLatin1Char('\r')),
            2);

        language->ApplyLanguage(true, ItalianLanguage);
        QCOMPARE(text("palvane::TTasksForm", "Clear current task solution?"),
                 QStringLiteral("Cancellare la soluzione corrente?"));
        QCOMPARE(text("palvane::TTasksForm", "Exit program?"), QStringLiteral("Esci dal programma?"));
        QCOMPARE(text("palvane::TWaitForm", "Please wait"), QStringLiteral("Attendere prego"));
        QCOMPARE(text("palvane::TWaitForm", "Packing progress..."), QStringLiteral("Packing in corso..."));
        QCOMPARE(text("palvane::TWaitForm", "Aborted..."), QStringLiteral("Annullato..."));

        // Qt's own button texts come along with the program.
        std::unique_ptr<QMessageBox> box(MessagePrompter::buildBox(
            PromptKind::Confirmation, QStringLiteral("?"), PromptButtons::YesNo, {}, nullptr));
        QStringList buttons;
        for (QAbstractButton* b : box->buttons())
            buttons << b->text().remove(QLatin1Char('&'));
        QVERIFY2(buttons.contains(QStringLiteral("Sì")), qPrintable(buttons.join(QLatin1Char(','))));

        // Names and numbers stand where the language puts them in the sentence.
        const QString exportDb = text("palvane::TaskExchange", "Export");
        QCOMPARE(text("palvane::TaskExchange", "%1 DB is empty").arg(exportDb),
                 QStringLiteral("Il DB di esportazione è vuoto"));
        QCOMPARE(text("palvane::TaskExchange", "Are you sure to delete all %1 DB data?").arg(exportDb),
                 QStringLiteral("Eliminare davvero tutti i dati del DB di esportazione?"));
        QVERIFY(
            importLineMessage(QStringLiteral("x"), 3).contains(QStringLiteral("Vedere la riga 3 del file")));
        QCOMPARE(text("palvane::BoxImport", "Error proccessing Clipboard paste"),
                 QStringLiteral("Errore durante l'elaborazione dei dati incollati dagli appunti"));
        language->ApplyLanguage(true, FrenchLanguage);
        QVERIFY(
            importLineMessage(QStringLiteral("x"), 3).contains(QStringLiteral("Voir la ligne 3 du fichier")));
        QCOMPARE(text("palvane::TaskExchange", "%1 DB is empty").arg(text("palvane::TaskExchange", "Import")),
                 QStringLiteral("La base Import est vide"));

        language->ApplyLanguage(true, EnglishLanguage);
        QCOMPARE(importLineMessage(QStringLiteral("x"), 3),
                 QStringLiteral("x\rSee box file/list line/row # 3.\rAll lines/rows below are omited."));
        QCOMPARE(text("palvane::TTasksForm", "Exit program?"), QStringLiteral("Exit program?"));
        QVERIFY(!language->translationLoaded());
    }

    void libraryTitlesCarryTranslatedHints() {
        test::TaskPageFixture f;
        QVERIFY(f.start(false));
        TCntForm* conts = f.startUp->cntForm();
        TBoxForm* boxes = f.startUp->boxForm();
        const struct {
            LibraryForm* library;
            QStringList fields;
        } cases[] = {{conts, {"Avail", "FillDir", "NoseWt", "TailWt", "NoseDL", "TailDL", "Temp"}},
                     {boxes, {"Total", "TurnOn", "Temp"}}};
        const auto tip = [](LibraryForm* l, const QString& field) {
            return l->Model->headerData(l->Model->columnOf(field), Qt::Horizontal, Qt::ToolTipRole)
                .toString();
        };
        QStringList english;
        for (const auto& c : cases)
            for (const QString& field : c.fields) {
                QVERIFY2(!tip(c.library, field).isEmpty(), qPrintable(field));
                english << tip(c.library, field);
            }
        // Plain titles need no hint.
        QVERIFY(tip(conts, QStringLiteral("Length")).isEmpty());
        QVERIFY(tip(boxes, QStringLiteral("Kind")).isEmpty());
        // The two axle distances are told apart.
        QVERIFY(tip(conts, QStringLiteral("NoseDL")) != tip(conts, QStringLiteral("TailDL")));
        for (int code : {int(FrenchLanguage), int(ItalianLanguage)}) {
            LanguageSwitch::instance()->ApplyLanguage(true, code);
            QCoreApplication::processEvents();
            int i = 0;
            for (const auto& c : cases)
                for (const QString& field : c.fields) {
                    const QString t = tip(c.library, field);
                    QVERIFY2(!t.isEmpty() && t != english[i++], qPrintable(field));
                }
        }
    }

    void switchingChangesOpenWindowsAtOnce() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TTasksForm& p = f.page();
        HelpMenu* menu = p.HelpPopup;
        TBoxForm* boxes = f.startUp->boxForm();
        TCntForm* conts = f.startUp->cntForm();
        TOptForm* opt = f.startUp->optForm();
        TSolutForm* solut = f.startUp->solutForm();
        TDistrForm* distr = f.startUp->distrForm();
        TTuneForm* tune = f.startUp->tuneForm();
        TWaitForm* wait = f.startUp->waitForm();
        TNameForm* names = f.startUp->nameForm();
        TAboutForm* about = f.startUp->aboutForm();
        for (QWidget* w : std::initializer_list<QWidget*>{boxes, conts, opt, names, about})
            w->show();
        wait->showProgress(QString());
        wait->setTitle(ProgressTitle::PackingProgress);

        switchTo(menu->FrenchPop());
        QVERIFY(menu->FrenchPop()->isChecked());
        QCOMPARE(LanguageSwitch::instance()->LanguageCode(), 1);
        QCOMPARE(p.Label1->text(), QStringLiteral("TÂCHE en Cours"));
        QCOMPARE(p.Label3->text(), QStringLiteral("FEUILLES / Conteneurs en 2D"));
        QCOMPARE(p.Label4->text(), QStringLiteral("PARTIES / Boîtes en 2D à Emballer"));
        QCOMPARE(p.ExitButton->text(), QStringLiteral("&Quitter"));
        QCOMPARE(p.RunButton->text(), QStringLiteral("Résoudr&e"));
        QCOMPARE(p.ContsButton->toolTip(), QStringLiteral("Ouvrir la bibliothèque de conteneurs"));
        QCOMPARE(header(p.ContsModel, 0), QStringLiteral("Type de conteneur"));
        QCOMPARE(header(p.BoxesModel, 3), QStringLiteral("Total"));
        QCOMPARE(header(p.BoxesModel, 9), QStringLiteral("Poids"));
        QVERIFY(p.windowTitle().startsWith(applicationTitle()));
        QVERIFY(p.windowTitle().endsWith(QStringLiteral("Page Tâche")));
        QCOMPARE(menu->HelpPop()->text(), QStringLiteral("Aide"));
        // Libraries: captions, hints and column titles.
        QCOMPARE(boxes->windowTitle(), QStringLiteral("Bibliothèque de boîtes"));
        QCOMPARE(header(boxes->Model, 0), QStringLiteral("Qté"));
        QCOMPARE(boxes->ImpPopFile->text(),
                 QStringLiteral("    Lire les pièces / boîtes depuis un fichier..."));
        // The box import file dialog.
        boxes->ImpPopFile->trigger();
        auto* dialog = boxes->findChild<QFileDialog*>(QStringLiteral("ImportDialog"));
        QVERIFY(dialog);
        QCOMPARE(
            dialog->windowTitle(),
            QStringLiteral(
                "Choisir le fichier à partir duquel importer de nouvelles boîtes dans la bibliothèque.."));
        dialog->reject();
        QCOMPARE(conts->windowTitle(), QStringLiteral("Bibliothèque de conteneurs"));
        QCOMPARE(header(conts->Model, 1), QStringLiteral("Feuille / Type de conteneur 2D"));
        QCOMPARE(conts->CloseButton->text(), QStringLiteral("Ferm&er"));
        QCOMPARE(conts->ResetButton->toolTip(), QStringLiteral("Remettre toutes les quantités à zéro"));
        // Settings, Select a Task, progress window.
        QCOMPARE(opt->windowTitle(), QStringLiteral("Paramètres"));
        QCOMPARE(opt->PageControl->tabText(0), QStringLiteral("Paramètres de l'optimiseur"));
        QCOMPARE(opt->KeepRadio->toolTip(),
                 QStringLiteral("Garder les paramètres actifs au changement de tâche"));
        QCOMPARE(opt->AddButton->text(), QStringLiteral("&Ajouter la tâche à la base Export"));
        QCOMPARE(opt->ClearButton->text(), QStringLiteral("&Vider la base active"));
        QCOMPARE(names->windowTitle(), QStringLiteral("Choisir une tâche"));
        QCOMPARE(wait->waitLab()->text(), QStringLiteral("Veuillez patienter"));
        QCOMPARE(wait->progLab()->text(), QStringLiteral("Chargement en cours..."));
        QVERIFY(topLineFits(wait));
        wait->setHint(ProgressHint::EscToAbort);
        QVERIFY(topLineFits(wait));
        wait->setHint(ProgressHint::PleaseWait);
        // Captions built from the application title.
        QCOMPARE(solut->windowTitle(), applicationTitle() + QStringLiteral("  -  Page Solution"));
        QCOMPARE(header(solut->SolutGrid->model(), 0), QStringLiteral("Conteneur"));
        QCOMPARE(distr->windowTitle(), applicationTitle() + QStringLiteral("  -  Disposition des boîtes"));
        QCOMPARE(about->windowTitle(), QStringLiteral("À propos de  ") + applicationTitle());
        QCOMPARE(about->ThanksLab()->text(), QStringLiteral("Merci d'utiliser  ") + applicationTitle());
        QCOMPARE(tune->NormBut->text(), QStringLiteral("Normal"));
        QCOMPARE(opt->DefltButton->text(), QStringLiteral("Par &défaut"));
        // Messages shown by commands follow at once.
        f.clearAsked();
        f.prompter.answers.push_back(PromptAnswer::Cancel);
        p.ExitButton->click();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("Quitter le logiciel?")});
        QVERIFY(p.isVisible());
        QVERIFY(test::TaskPageFixture::screenshot(&p, QStringLiteral("TaskPage-fr.png")));
        QVERIFY(test::TaskPageFixture::screenshot(opt, QStringLiteral("Settings-fr.png")));
        opt->PageControl->setCurrentIndex(1);
        QVERIFY(test::TaskPageFixture::screenshot(opt, QStringLiteral("SettingsExchange-fr.png")));
        opt->PageControl->setCurrentIndex(0);
        QVERIFY(test::TaskPageFixture::screenshot(boxes, QStringLiteral("BoxLibrary-fr.png")));
        QVERIFY(test::TaskPageFixture::screenshot(wait, QStringLiteral("ProgressWindow-fr.png")));
        QVERIFY(test::TaskPageFixture::screenshot(solut, QStringLiteral("SolutionPage-fr.png")));
        QVERIFY(test::TaskPageFixture::screenshot(distr, QStringLiteral("Disposition-fr.png")));
        QVERIFY(test::TaskPageFixture::screenshot(tune, QStringLiteral("ViewOptions-fr.png")));

        switchTo(menu->ItalianPop());
        QVERIFY(menu->ItalianPop()->isChecked());
        QCOMPARE(LanguageSwitch::instance()->LanguageCode(), 3);
        QCOMPARE(p.Label1->text(), QStringLiteral("PROGETTO"));
        QCOMPARE(p.Label3->text(), QStringLiteral("FOGLI / Containers 2D da caricare"));
        QCOMPARE(p.Label4->text(), QStringLiteral("ELEMENTI / Scatole da posizionare"));
        QCOMPARE(p.RunButton->text(), QStringLiteral("So&luzione"));
        QCOMPARE(p.ExitButton->text(), QStringLiteral("&Esci"));
        QCOMPARE(header(p.BoxesModel, 0), QStringLiteral("Tipo di scatola"));
        QCOMPARE(boxes->windowTitle(), QStringLiteral("Libreria scatole"));
        QCOMPARE(header(conts->Model, 0), QStringLiteral("Q.tà"));
        QCOMPARE(opt->windowTitle(), QStringLiteral("Impostazioni"));
        QCOMPARE(names->windowTitle(), QStringLiteral("Seleziona un progetto"));
        QCOMPARE(wait->progLab()->text(), QStringLiteral("Packing in corso..."));
        QCOMPARE(solut->windowTitle(), applicationTitle() + QStringLiteral("  -  Pagina Soluzione"));
        QCOMPARE(distr->windowTitle(),
                 applicationTitle() + QStringLiteral("  -  Disposizione delle scatole"));
        QCOMPARE(about->windowTitle(), QStringLiteral("Informazioni su  ") + applicationTitle());
        QCOMPARE(tune->NormBut->text(), QStringLiteral("Normale"));
        f.clearAsked();
        f.prompter.answers.push_back(PromptAnswer::Cancel);
        p.ExitButton->click();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("Esci dal programma?")});
        QVERIFY(test::TaskPageFixture::screenshot(&p, QStringLiteral("TaskPage-it.png")));
        QVERIFY(test::TaskPageFixture::screenshot(opt, QStringLiteral("Settings-it.png")));
        QVERIFY(test::TaskPageFixture::screenshot(conts, QStringLiteral("ContainerLibrary-it.png")));

        // German has no set of its own: English, with the English entry checked.
        // Back to English, the progress window has its designed size again.
        switchTo(menu->GermanPop());
        QCOMPARE(wait->size(), QSize(292, 84));
        QVERIFY(menu->EnglishPop()->isChecked());
        QCOMPARE(LanguageSwitch::instance()->LanguageCode(), int(GermanLanguage));
        QCOMPARE(p.Label1->text(), QStringLiteral("CURRENT TASK"));
        QCOMPARE(header(conts->Model, 0), QStringLiteral("Q'ty"));
        QCOMPARE(distr->windowTitle(), applicationTitle() + QStringLiteral("  -  Box Set Disposition"));
        QCOMPARE(wait->progLab()->text(), QStringLiteral("Packing progress..."));

        switchTo(menu->FrenchPop());
        switchTo(menu->ResetPop());
        QVERIFY(menu->EnglishPop()->isChecked());
        QVERIFY(!menu->FrenchPop()->isChecked());
        QCOMPARE(LanguageSwitch::instance()->LanguageCode(), int(EnglishLanguage));
        QCOMPARE(p.RunButton->text(), QStringLiteral("So&lve"));
        QCOMPARE(opt->windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(names->windowTitle(), QStringLiteral("Select a Task"));
        wait->hideProgress();
        p.close();
    }

    void storedLanguageIsAppliedAtStartAndKept() {
        // code in the settings file -> set shown, entry checked, code saved again at exit
        const struct {
            int code;
            const char* label1;
            const char* checked;
        } cases[] = {{1, "TÂCHE en Cours", "FrenchPop"},
                     {3, "PROGETTO", "ItalianPop"},
                     {2, "CURRENT TASK", "EnglishPop"},
                     {7, "CURRENT TASK", "EnglishPop"},
                     {-1, "CURRENT TASK", "EnglishPop"}};
        for (const auto& c : cases) {
            LanguageSwitch::instance()->ApplyLanguage(true, EnglishLanguage);
            test::TaskPageFixture f;
            IniValues values;
            values.LanguageCode = c.code;
            QVERIFY(SaveIni(iniFilePath(f.tmp.path()), values, f.prompter));

            QVERIFY(f.start(false));
            // Messages are in the stored language before the Task Page is shown.
            QCOMPARE(LanguageSwitch::instance()->LanguageCode(), c.code);
            const QString exitText = QCoreApplication::translate("palvane::TTasksForm", "Exit program?");
            QCOMPARE(exitText == QStringLiteral("Exit program?"), c.code != 1 && c.code != 3);
            f.page().show();
            QCoreApplication::processEvents();
            QCOMPARE(f.page().Label1->text(), QString::fromUtf8(c.label1));
            QAction* entry = f.page().HelpPopup->findChild<QAction*>(QLatin1String(c.checked));
            QVERIFY(entry);
            QVERIFY(entry->isChecked());
            f.page().close();
            f.stop();

            IniValues saved;
            QVERIFY(LoadIni(iniFilePath(f.tmp.path()), saved, f.prompter));
            QCOMPARE(saved.LanguageCode, c.code);
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
