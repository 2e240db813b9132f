// The library windows' commands over the library rows: Reset, "Copy to", Clear and Print.
#include "LibraryForm.h"

#include <QApplication>

namespace palvane {

namespace {

// Hourglass cursor and the library's display updates and calculated columns suspended while a
// command walks the rows; everything comes back also when the command stops early.
class RowWalk {
public:
    explicit RowWalk(Cursor& c) : m_c(c) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_c.disableControls();
        m_c.setCalcSuspended(true);
    }
    ~RowWalk() {
        m_c.setCalcSuspended(false);
        m_c.enableControls();
        QApplication::restoreOverrideCursor();
    }
    RowWalk(const RowWalk&) = delete;
    RowWalk& operator=(const RowWalk&) = delete;

private:
    Cursor& m_c;
};

} // namespace

std::vector<int> LibraryForm::rowsWithQuantity() const {
    std::vector<int> rows;
    Cursor& lib = library();
    for (int r = 0; r < lib.rowCount(); ++r)
        if (lib.valueAt(r, m_traits.quantity).toInt() > 0)
            rows.push_back(r);
    return rows;
}

void LibraryForm::ResetButtonClick() {
    Cursor& lib = library();
    if (!lib.checkBrowseMode())
        return;
    {
        RowWalk walk(lib);
        for (int r : rowsWithQuantity()) {
            if (!lib.moveTo(r) || !lib.setValue(m_traits.quantity, 0) || !lib.post()) {
                lib.cancel();
                break;
            }
        }
        lib.first();
    }
}

void LibraryForm::MoveButtonClick() {
    Cursor& lib = library();
    Cursor& l = list();
    const qint32 taskId = m_dm.currentTaskId();
    if (taskId == 0 || !lib.checkBrowseMode() || !l.checkBrowseMode())
        return;
    // One unit that holds the task's row first: on a server a planner solving or changing the
    // same task meanwhile refuses the copy as a whole.
    m_dm.holdTaskWhile(taskId, [&] {
        copyQuantitiesTo(taskId);
        return true;
    });
}

void LibraryForm::copyQuantitiesTo(qint32 taskId) {
    Cursor& lib = library();
    Cursor& l = list();
    struct Copy {
        QVariant key;
        int quantity;
    };
    std::vector<Copy> copies;
    {
        RowWalk walk(lib);
        for (int r : rowsWithQuantity()) {
            if (!lib.moveTo(r))
                continue;
            copies.push_back({lib.value(m_traits.key), lib.intValue(m_traits.quantity)});
            if (lib.intValue(QStringLiteral("TaskID")) != taskId &&
                (!lib.setValue(QStringLiteral("TaskID"), taskId) || !lib.post()))
                lib.cancel();
        }
        lib.first();
    }
    // The task's own row of a kind or type gets the quantity; a missing one is appended.
    const QString listQuantity =
        m_traits.library == Table::Conts ? QStringLiteral("Avail") : QStringLiteral("Total");
    for (const Copy& c : copies) {
        bool ok;
        if (l.locate(m_traits.key, c.key))
            ok = l.setValue(listQuantity, c.quantity) && l.post();
        else
            ok = l.append() && l.setValue(m_traits.key, c.key) && l.setValue(listQuantity, c.quantity) &&
                 l.post();
        if (!ok)
            l.cancel();
    }
}

void LibraryForm::ClearButtonClick() {
    if (!editMode()) {
        if (reportsRefused && reportsRefused())
            return;
        if (m_dm.WarnsCheck && m_prompter.ask(PromptKind::Confirmation, printQuestion(),
                                              PromptButtons::OkCancel) != PromptAnswer::Ok)
            return;
        library().checkBrowseMode();
        emit printRequested();
        return;
    }

    Cursor& lib = library();
    list().postIfModified();
    if (!lib.checkBrowseMode())
        return;
    bool anyCandidate = false;
    bool askEach = m_dm.WarnsCheck;
    int r = 0;
    while (r < lib.rowCount()) {
        const bool candidate = lib.valueAt(r, QStringLiteral("Temp")).toBool() &&
                               !m_dm.libraryKeyUsed(m_traits.library, lib.valueAt(r, m_traits.key));
        if (!candidate) {
            ++r;
            continue;
        }
        anyCandidate = true;
        if (!lib.moveTo(r))
            break;
        if (askEach) {
            const PromptAnswer a = m_prompter.ask(
                PromptKind::Confirmation, clearQuestion(lib.textValue(m_traits.nameField)), clearButtons());
            if (a == PromptAnswer::NoToAll)
                break;
            if (a == PromptAnswer::YesToAll)
                askEach = false;
            else if (a != PromptAnswer::Yes) {
                ++r;
                continue;
            }
        }
        // A refusal of the data module (the export database uses the row) ends the pass.
        if (!lib.remove())
            break;
    }
    lib.first();
    if (!anyCandidate)
        m_prompter.ask(PromptKind::Information, tr("Nothing to delete"), PromptButtons::Ok);
}

} // namespace palvane
