// Texts shown whole in every language and with a larger desktop font: no grid title or cell is
// cut (the largest numbers the tables hold included), every label and button of every window is
// as wide as its text needs, and every window stays inside the screen's free area. Screenshots
// of the main windows in each language go to the test output folder.
#include "AboutForm.h"
#include "AcknoForm.h"
#include "LanguageSwitch.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace palvane;

namespace {

struct Language {
    int code;
    const char* suffix;
};
const Language Languages[] = {{EnglishLanguage, "en"}, {FrenchLanguage, "fr"}, {ItalianLanguage, "it"}};

// Width the painter needs for a text in a font, to the next pixel.
int textWidth(const QFont& font, const QString& text) {
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// The titles and cells of a grid that its columns cut, as "title" or "row,column: text".
QStringList cutTexts(const QTableView* grid) {
    QStringList cut;
    const QAbstractItemModel* model = grid->model();
    const QHeaderView* header = grid->horizontalHeader();
    const QStyle* style = grid->style();
    const int itemMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (grid->isColumnHidden(c))
            continue;
        const int width = grid->columnWidth(c);
        // The header draws its title in the label rectangle of the section.
        QStyleOptionHeader h;
        h.initFrom(header);
        h.rect = QRect(0, 0, width, header->height());
        h.text = model->headerData(c, Qt::Horizontal).toString();
        const QRect label = style->subElementRect(QStyle::SE_HeaderLabel, &h, header);
        if (textWidth(header->font(), h.text) > label.width())
            cut << QStringLiteral("title %1").arg(h.text);
        // A cell gives up one pixel to the grid line; the text keeps the item margin on both sides.
        for (int r = 0; r < model->rowCount(); ++r) {
            const QString text = model->index(r, c).data().toString();
            QStyleOptionViewItem o;
            o.initFrom(grid);
            o.rect = QRect(0, 0, width - (grid->showGrid() ? 1 : 0), 20);
            o.features = QStyleOptionViewItem::HasDisplay;
            o.text = text;
            o.font = grid->font();
            const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &o, grid);
            if (textWidth(grid->font(), text) > textRect.width() - 2 * itemMargin)
                cut << QStringLiteral("%1,%2: %3").arg(r).arg(c).arg(text);
        }
    }
    return cut;
}

// Width a push button needs for its caption: the text, the button margin and the frame (the
// style's size hint adds a minimum width of its own, which a short caption does not need).
int buttonTextWidth(const QAbstractButton* b) {
    const QStyle* s = b->style();
    QString text = b->text();
    text.remove(QLatin1Char('&'));
    return textWidth(b->font(), text) + s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
           2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
}

// Labels and buttons of a window (not of the windows it owns) narrower than their texts need.
QStringList squeezedControls(QWidget* window) {
    QStringList out;
    const auto own = [window](QWidget* w) { return w->window() == window && w->isVisibleTo(window); };
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (own(l) && !l->wordWrap() && !l->text().isEmpty() && l->pixmap().isNull() &&
            l->width() < l->sizeHint().width())
            out << QStringLiteral("%1 (%2 < %3)").arg(l->text()).arg(l->width()).arg(l->sizeHint().width());
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!own(b) || b->text().isEmpty())
            continue;
        const int need = qobject_cast<QPushButton*>(b) ? buttonTextWidth(b) : b->sizeHint().width();
        if (b->width() < need)
            out << QStringLiteral("%1 (%2 < %3)").arg(b->text()).arg(b->width()).arg(need);
    }
    return out;
}

// True when the window's client area and title bar lie inside the free area of its screen.
bool onScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect free = screen->availableGeometry();
    return free.contains(window->geometry()) && window->frameGeometry().top() >= free.top();
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    QFont m_font;

    // The largest numbers the tables hold, in the rows every grid shows.
    void fillWithLargeNumbers() {
        QSqlQuery q(f->dm().store()->database());
        for (const char* sql :
             {"UPDATE conts SET Length = 32000, Width = 32000, LoadWt = 2000000000, NoseWt = 2000000000, "
              "TailWt = 2000000000, NoseDL = 32000, TailDL = 32000, Avail = 1000, Cost = 99999.99",
              "UPDATE boxes SET Length = 32000, Width = 32000, Weight = 30000, Total = 1000, Cost = 99999.99",
              "UPDATE tc SET Avail = 999, Used = 999, Cost = 99999.99",
              "UPDATE tb SET Total = 999, Placed = 999, Cost = 99999.99",
              "UPDATE solut SET BoxLoad = 1000, WgtLoad = 2000000000, WolLoad = 1024000000, "
              "CostLoad = 99999999, NoseLoad = 2000000000, TailLoad = 2000000000",
              "UPDATE distr SET Placed = 1000",
              "UPDATE posit SET BoxNo = 1000, PosX = 32000, PosY = 32000, PosLh = 32000, PosWh = 32000, "
              "LoadNo = 1000"})
            QVERIFY2(q.exec(QLatin1String(sql)), sql);
        // Areas in the smallest unit: the longest numbers.
        f->dm().UpdateAreaMultiplier(0);
        for (Cursor* c : {&f->dm().conts(), &f->dm().boxes(), &f->dm().tc(), &f->dm().tb(), &f->dm().solut(),
                          &f->dm().distr(), &f->dm().posit()})
            c->refresh();
    }

    // The desktop font at a point size (0: the platform's default font).
    void useFontSize(int pointSize) {
        if (pointSize <= 0)
            return;
        QFont font = m_font;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }

    // Every grid of the program with the rows it shows now.
    QList<QTableView*> grids() {
        TTasksForm& p = f->page();
        TSolutForm* s = f->startUp->solutForm();
        return {p.ContsGrid,
                p.BoxesGrid,
                f->startUp->boxForm()->DBGrid1,
                f->startUp->cntForm()->DBGrid1,
                s->SolutGrid,
                s->DistrGrid,
                s->PositGrid,
                f->startUp->nameForm()->findChild<QTableView*>()};
    }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        m_font = QApplication::font();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->solveSampleTask());
        QVERIFY(f->start());
        f->dm().tasks().locate(QStringLiteral("TaskID"), 1);
        QVERIFY(f->dm().solut().rowCount() > 0);
    }
    void cleanup() {
        LanguageSwitch::instance()->ApplyLanguage(true, EnglishLanguage);
        QApplication::setFont(m_font);
        f.reset();
    }

    void gridsShowTitlesAndNumbersWhole_data() {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("default font") << 0;
        QTest::newRow("11 point desktop font") << 11;
    }
    void gridsShowTitlesAndNumbersWhole() {
        QFETCH(int, pointSize);
        useFontSize(pointSize);
        fillWithLargeNumbers();
        for (const Language& lang : Languages) {
            LanguageSwitch::instance()->ApplyLanguage(true, lang.code);
            settle();
            for (QTableView* g : grids()) {
                QVERIFY(g);
                QVERIFY2(g->model()->rowCount() > 0, qPrintable(g->objectName()));
                const QStringList cut = cutTexts(g);
                QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 %2: %3")
                                                       .arg(QLatin1String(lang.suffix), g->objectName(),
                                                            cut.join(QStringLiteral(" | ")))));
            }
        }
        // Back in English the columns keep at least their design widths.
        LanguageSwitch::instance()->ApplyLanguage(true, EnglishLanguage);
        TSolutForm* s = f->startUp->solutForm();
        s->show();
        for (int c = 0; c < s->SolutModel->columnCount(); ++c)
            QVERIFY(s->SolutGrid->columnWidth(c) >= s->SolutModel->gridColumns()[size_t(c)].width);
        // A grown window grows the columns further; the design size gives the text widths back.
        s->resize(1600, 700);
        settle();
        const int wide = s->SolutGrid->columnWidth(0);
        s->resize(777, 516);
        settle();
        QVERIFY(s->SolutGrid->columnWidth(0) < wide);
        QVERIFY(cutTexts(s->SolutGrid).isEmpty());
    }

    void windowsFitTheirTextsAndStayOnScreen_data() { gridsShowTitlesAndNumbersWhole_data(); }
    void windowsFitTheirTextsAndStayOnScreen() {
        QFETCH(int, pointSize);
        useFontSize(pointSize);
        TTasksForm& p = f->page();
        TDistrForm* distr = f->startUp->distrForm();
        TTuneForm* tune = f->startUp->tuneForm();
        TOptForm* opt = f->startUp->optForm();
        const QList<QWidget*> windows{&p,
                                      f->startUp->boxForm(),
                                      f->startUp->cntForm(),
                                      opt,
                                      f->startUp->solutForm(),
                                      distr,
                                      tune,
                                      f->startUp->nameForm(),
                                      f->startUp->aboutForm(),
                                      f->startUp->acknoForm()};
        for (const Language& lang : Languages) {
            LanguageSwitch::instance()->ApplyLanguage(true, lang.code);
            settle();
            // Every window is placed afresh, as after a new Task Page size.
            p.resize(p.size() + QSize(1, 1));
            settle();
            p.resize(p.size() - QSize(1, 1));
            tune->TuneNeedsPlacement = true;
            for (QWidget* w : windows) {
                if (w == opt)
                    opt->showSettings();
                else
                    w->show();
                settle();
            }
            for (QWidget* w : windows) {
                const QString where =
                    QStringLiteral("%1 %2").arg(QLatin1String(lang.suffix), w->objectName());
                const QStringList squeezed = squeezedControls(w);
                QVERIFY2(squeezed.isEmpty(),
                         qPrintable(where + QStringLiteral(": ") + squeezed.join(QStringLiteral(", "))));
                QVERIFY2(
                    onScreen(w),
                    qPrintable(where +
                               QStringLiteral(" at %1,%2 %3x%4")
                                   .arg(w->frameGeometry().x())
                                   .arg(w->frameGeometry().y())
                                   .arg(w->frameGeometry().width())
                                   .arg(w->frameGeometry().height()) +
                               QStringLiteral(" min %1x%2").arg(w->minimumWidth()).arg(w->minimumHeight())));
            }
            // The second page of the Settings window.
            opt->PageControl->setCurrentIndex(1);
            settle();
            QVERIFY2(squeezedControls(opt).isEmpty(),
                     qPrintable(squeezedControls(opt).join(QStringLiteral(", "))));
            if (pointSize == 0) {
                const QString suffix = QStringLiteral("-%1.png").arg(QLatin1String(lang.suffix));
                QVERIFY(test::TaskPageFixture::screenshot(opt, QStringLiteral("SettingsExchange") + suffix));
                opt->PageControl->setCurrentIndex(0);
                const struct {
                    QWidget* window;
                    const char* name;
                } shots[] = {{&p, "TaskPage"},
                             {f->startUp->boxForm(), "BoxLibrary"},
                             {f->startUp->cntForm(), "ContainerLibrary"},
                             {opt, "Settings"},
                             {f->startUp->solutForm(), "SolutionPage"},
                             {distr, "Disposition"},
                             {tune, "ViewOptions"},
                             {f->startUp->nameForm(), "SelectTask"},
                             {f->startUp->aboutForm(), "About"}};
                for (const auto& s : shots)
                    QVERIFY(test::TaskPageFixture::screenshot(s.window, QLatin1String(s.name) + suffix));
            }
            opt->PageControl->setCurrentIndex(0);
            for (QWidget* w : windows)
                if (w != &p)
                    w->hide();
        }
    }
};

// The windows are checked on a 1024 x 768 screen, the smallest desktop they are meant for.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1024, "height": 768,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    TextFitTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "TextFitTest.moc"
