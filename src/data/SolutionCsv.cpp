#include "SolutionCsv.h"

#include "Cursor.h"
#include "DMForm.h"
#include "Prompter.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace palvane {

namespace {

// The translation context of this file's texts.
class CsvMessages {
    Q_DECLARE_TR_FUNCTIONS(palvane::SolutionCsv)
};

const QString Crlf = QStringLiteral("\r\n");

// "%<width>.<decimals>f", always with the point as decimal separator: a regional comma would
// split the number into two fields.
QString fixed(double value, int width, int decimals) {
    return QString::asprintf("%*.*f", width, decimals, value);
}

QString integer(const QVariant& v) {
    return QString::number(v.toLongLong());
}

// One line: every field followed by a comma.
QString line(const QStringList& fields) {
    QString s;
    for (const QString& f : fields)
        s += csvField(f) + QLatin1Char(',');
    return s + Crlf;
}

// Puts the walked cursors back on their rows and resumes their display updates, also when the
// walk ends early.
class CursorRestore {
public:
    explicit CursorRestore(TDMForm& dm)
        : m_dm(dm), m_solut(dm.solut().currentRow()), m_distr(dm.distr().currentRow()),
          m_posit(dm.posit().currentRow()) {
        dm.distr().disableControls();
        dm.posit().disableControls();
    }
    ~CursorRestore() {
        m_dm.distr().enableControls();
        m_dm.posit().enableControls();
        if (m_solut >= 0)
            m_dm.solut().moveTo(m_solut);
        if (m_distr >= 0)
            m_dm.distr().moveTo(m_distr);
        if (m_posit >= 0)
            m_dm.posit().moveTo(m_posit);
    }
    CursorRestore(const CursorRestore&) = delete;
    CursorRestore& operator=(const CursorRestore&) = delete;

private:
    TDMForm& m_dm;
    int m_solut, m_distr, m_posit;
};

} // namespace

QString csvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (QChar c : text)
        quote = quote || special.contains(c);
    if (!quote)
        return text;
    QString s = text;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString safeFileStem(const QString& taskName) {
    static const QString refused = QStringLiteral("/\\<>:\"|?*");
    QString s = taskName;
    for (QChar& c : s) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || refused.contains(c))
            c = QLatin1Char('_');
    }
    bool onlyDots = !s.isEmpty();
    for (QChar c : s)
        onlyDots = onlyDots && c == QLatin1Char('.');
    if (onlyDots)
        s.prepend(QLatin1Char('_'));
    return s;
}

SolutionCsvTexts buildSolutionCsv(TDMForm& dm, const QLocale& locale) {
    Cursor& tasks = dm.tasks();
    Cursor& solut = dm.solut();
    Cursor& distr = dm.distr();
    Cursor& posit = dm.posit();
    solut.checkBrowseMode();

    const QDate date = tasks.value(QStringLiteral("Date")).toDate();
    // The date, a comma and the name after two blanks; no comma follows the name.
    const QString first = csvField(date.isValid() ? locale.toString(date, QLocale::ShortFormat) : QString()) +
                          QLatin1Char(',') +
                          csvField(QStringLiteral("  ") + tasks.textValue(QStringLiteral("Name"))) + Crlf;
    SolutionCsvTexts t;
    t.conts = first + QStringLiteral("ContType,ContNo,BoxSum,LoadArea,Area%,") +
              QStringLiteral("LoadWeight,Weight%,LoadCost,NoseWeight,TailWeight,") + Crlf + Crlf;
    t.distr = first + QStringLiteral("BoxKind,BoxSum,AreaSum,WeightSum,Mark,") + Crlf + Crlf;
    t.posit = first + QStringLiteral("BoxKind,BoxNo,PosX,PosY,PutL,PutW,LoadNo,") + Crlf + Crlf;

    CursorRestore restore(dm);
    if (!solut.isActive() || !solut.first())
        return t;
    do {
        auto sv = [&](const char* c) { return solut.value(QLatin1String(c)); };
        t.conts += line({sv("Type").toString(), integer(sv("ContNo")), integer(sv("BoxLoad")),
                         integer(sv("VolLoad")), fixed(sv("VolEff").toDouble(), 8, 3), integer(sv("WgtLoad")),
                         fixed(sv("WgtEff").toDouble(), 8, 3), fixed(sv("CostLoad").toDouble(), 12, 2),
                         integer(sv("NoseLoad")), integer(sv("TailLoad"))});
        const QString header = QStringLiteral("Container# ") + integer(sv("ContNo")) + Crlf;
        t.distr += header;
        for (int r = 0; r < distr.rowCount(); ++r) {
            auto dv = [&](const char* c) { return distr.valueAt(r, QLatin1String(c)); };
            t.distr += line({dv("Kind").toString(), integer(dv("Placed")), integer(dv("VolSum")),
                             integer(dv("WgtSum")), dv("Mark").toString()});
        }
        t.distr += Crlf;
        t.posit += header;
        for (int r = 0; r < posit.rowCount(); ++r) {
            auto pv = [&](const char* c) { return integer(posit.valueAt(r, QLatin1String(c))); };
            t.posit += line({posit.valueAt(r, QStringLiteral("Kind")).toString(), pv("BoxNo"), pv("PosX"),
                             pv("PosY"), pv("PosLh"), pv("PosWh"), pv("LoadNo")});
        }
        t.posit += Crlf;
    } while (solut.next());
    return t;
}

SolutionCsvResult writeSolutionCsv(TDMForm& dm, const QString& folder, const QLocale& locale) {
    SolutionCsvResult result;
    const QString stem = safeFileStem(dm.tasks().textValue(QStringLiteral("Name")));
    const QDir dir(QFileInfo(folder).absoluteFilePath());
    for (const char* suffix : SolutionCsvSuffixes) {
        result.files << dir.filePath(stem + QLatin1String(suffix));
        result.shownNames << QDir::toNativeSeparators(result.files.last());
    }
    if (!QDir().mkpath(folder)) {
        result.failures = 3;
        result.error = CsvMessages::tr("Cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    const SolutionCsvTexts texts = buildSolutionCsv(dm, locale);
    const QString* bodies[3] = {&texts.conts, &texts.distr, &texts.posit};
    for (int i = 0; i < 3; ++i) {
        QSaveFile file(result.files[i]);
        const QByteArray bytes = bodies[i]->toUtf8();
        const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        if (!ok) {
            ++result.failures;
            if (result.error.isEmpty())
                result.error =
                    QDir::toNativeSeparators(result.files[i]) + QStringLiteral(": ") + file.errorString();
        }
    }
    return result;
}

bool ExportSolutionCsv(TDMForm& dm, const QString& folder, Prompter& prompter, const SolutionCsvHooks& hooks,
                       const QLocale& locale) {
    if (dm.WarnsCheck &&
        prompter.ask(PromptKind::Confirmation, CsvMessages::tr("Write current solution to files now?"),
                     PromptButtons::OkCancel) != PromptAnswer::Ok)
        return false;
    if (hooks.busy)
        hooks.busy(true);
    const SolutionCsvResult result = writeSolutionCsv(dm, folder, locale);
    if (hooks.busy)
        hooks.busy(false);
    if (!result.ok()) {
        prompter.ask(PromptKind::Warning, CsvMessages::tr("Solution file(s) write error"), PromptButtons::Ok);
        return false;
    }
    QString text = CsvMessages::tr("Solution data has been") + QLatin1Char('\r') +
                   CsvMessages::tr("written into the following files:");
    for (const QString& name : result.shownNames)
        text += QStringLiteral("\r ") + name;
    prompter.ask(PromptKind::Information, text, PromptButtons::Ok);
    return true;
}

} // namespace palvane
