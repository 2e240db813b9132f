// The Task Page's behaviour: start-up steps, the task edits, grid guards, Solve and Clear with
// the busy frame, the window events and the commands of its buttons.
#include "LanguageSwitch.h"
#include "NameForm.h"
#include "StoreCheck.h"
#include "TasksForm.h"
#include "WindowFit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTextStream>

namespace palvane {

namespace {

const char* const TempFileName = "z-temp-pr.bat";

} // namespace

// ---- start-up ----

bool TTasksForm::DataDirWriteCheck(const QString& directory) {
    const QString text = QStringLiteral("Temp file for W/R check: ") +
                         QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    const QString path = QDir(directory).filePath(QLatin1String(TempFileName));
    bool ok = false;
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            QTextStream out(&f);
            out << text << '\n';
            out.flush();
            ok = out.status() == QTextStream::Ok;
            f.close();
            ok = ok && f.error() == QFileDevice::NoError;
        }
    }
    if (ok) {
        QFile f(path);
        ok = f.open(QIODevice::ReadOnly | QIODevice::Text);
        if (ok) {
            const QString line = QString::fromUtf8(f.readLine()).remove(QLatin1Char('\n'));
            ok = line == text;
            f.close();
        }
    }
    // Linux writes where it is told or refuses: there is no redirected copy to look for.
    if (QFile::exists(path) && !QFile::remove(path))
        ok = false;
    return ok;
}

TTasksForm::CreateResult TTasksForm::FormCreate(const HomeFolder& home) {
    // The message texts in English until the settings name the language.
    LanguageSwitch::instance()->ApplyLanguage(false, EnglishLanguage);
    m_savedDirectory = QDir::currentPath();
    if (!home.ensureExists() || !QDir::setCurrent(home.path()) || !DataDirWriteCheck(home.path())) {
        m_prompter.ask(
            PromptKind::Warning,
            applicationTitle() + QStringLiteral(":   ") +
                tr("Problem saving data files.\r\rRunning this program without necessary rights to\r"
                   "read/write files can possibly violate data structure.\r\rPlease move program "
                   "into any folder avoiding protected\rareas like C:\\Program Files.., "
                   "C:\\ProgramData.. \r(to move, you'd uninstall and then install program "
                   "again).\rAlternatively, always run program \"As Administrator\"."),
            PromptButtons::Ok);
        return CreateResult::Terminate;
    }
    FirstStart = !QFileInfo::exists(home.databasesIniPath()) && !QFileInfo::exists(home.iniFilePath());
    if (loadIni)
        loadIni();

    // First start: the three database directories with the sample data and "databases.ini".
    QString error;
    if (!prepareDatabases(home, nullptr, &error))
        m_prompter.ask(PromptKind::Error, error, PromptButtons::Ok);
    m_aliases = std::make_unique<DatabaseAliases>(home);
    if (!m_aliases->load(&error))
        m_prompter.ask(PromptKind::Warning, error, PromptButtons::Ok);
    bool terminate = false;
    for (const QString& message : m_aliases->startUpMessages()) {
        m_prompter.ask(PromptKind::Error, message, PromptButtons::Ok);
        terminate = true;
    }
    for (int code : {MainDatabase, ExportDatabase, ImportDatabase}) {
        const QString dir = m_aliases->directory(code);
        if (!QFileInfo(dir).isDir())
            continue;
        for (const TableFileProblem& p : checkTableFiles(dir))
            m_prompter.ask(PromptKind::Warning, p.message, PromptButtons::Ok);
    }
    m_dm.setDatabaseDirectories(*m_aliases);

    m_dm.ActiveDatabase = MainDatabase;
    m_session.forget();
    TaskSolved = false;
    m_dm.ContsEditMode = m_dm.BoxesEditMode = false;
    TasksControls(false);
    SolutControls(false);
    CurrDfltTurns(false);
    m_dm.UsedLoadWt = m_dm.PlacedBoxWeight = 0;
    m_dm.TaskAvailSum = m_dm.TaskBoxSum = 0;
    m_dm.UsedContArea = m_dm.PlacedBoxArea = 0;

    VolMltUp->setPosition(VolMultPow);
    UpdateAreaMultiplier(false);
    setAllReposition();
    return terminate ? CreateResult::Terminate : CreateResult::Ok;
}

// ---- bindings ----

void TTasksForm::connectDataModule() {
    connect(&m_dm, &TDMForm::currSolutStateRequested, this, &TTasksForm::CurrSolutState);
    connect(&m_dm, &TDMForm::totalsChanged, this, &TTasksForm::showTotals);
    connect(&m_dm, &TDMForm::progressShown, this, &TTasksForm::showProgress);
    connect(&m_dm, &TDMForm::progressPositionChanged, this, [this](int position) {
        if (m_wait)
            m_wait->setPosition(position);
    });
    connect(&m_dm, &TDMForm::progressHidden, this, &TTasksForm::hideProgress);
    connect(&m_dm, &TDMForm::busyCursorChanged, this, [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    connect(&m_dm, &TDMForm::taskPageEnableRequested, this, [this](bool on) { setEnabled(on); });
    connect(&m_dm, &TDMForm::windowStateAsked, this, [this](WindowState& state) {
        if (m_busy)
            state.taskPageBusy = true;
    });
    Cursor& t = m_dm.tasks();
    connect(&t, &Cursor::currentChanged, this, [this] { showTaskRow(); });
    connect(&t, &Cursor::rowChanged, this, [this] { showTaskRow(); });
    connect(&t, &Cursor::rowsReset, this, [this] { showTaskRow(); });
    connect(TasksNavigator, &CursorNavigator::pressed, this, [this](CursorNavigator::Button b) {
        if (b == CursorNavigator::Insert) {
            NameEdit->setFocus();
            NameEdit->selectAll();
        }
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        const std::pair<QTableView*, Cursor*> grids[] = {{ContsGrid, &m_dm.tc()}, {BoxesGrid, &m_dm.tb()}};
        for (const auto& [grid, cursor] : grids) {
            // The list of a cell's drop-down is a window of its own but still the grid's.
            const bool wasIn = widgetInside(grid, old);
            const bool isIn = widgetInside(grid, now);
            if (wasIn && !isIn && cursor->isEditing())
                cursor->checkBrowseMode();
        }
    });
}

void TTasksForm::bindTaskEdits() {
    for (QWidget* w : std::initializer_list<QWidget*>{NameEdit, DescrEdit, DBCheckDflt, DBCheckTurn})
        w->installEventFilter(this);
    auto checkClicked = [this](QCheckBox* box, const QString& field) {
        connect(box, &QCheckBox::clicked, this, [this, box, field](bool checked) {
            if (TaskSolved) {
                box->setChecked(m_dm.tasks().value(field).toBool());
                GridEditWarn(13);
                return;
            }
            storeTaskField(field, checked);
            if (field == QLatin1String("DefltOn"))
                CurrSolutState();
        });
    };
    checkClicked(DBCheckDflt, QStringLiteral("DefltOn"));
    checkClicked(DBCheckTurn, QStringLiteral("TurnOn"));
}

void TTasksForm::showTaskRow() {
    if (m_showingRow)
        return;
    m_showingRow = true;
    const Cursor& t = m_dm.tasks();
    const int row = t.currentRow();
    NameEdit->setText(t.textValue(QStringLiteral("Name")));
    DescrEdit->setText(t.textValue(QStringLiteral("Descr")));
    DateEdit->setText(row >= 0 ? t.displayText(row, QStringLiteral("Date")) : QString());
    DBCheckDflt->setChecked(t.value(QStringLiteral("DefltOn")).toBool());
    DBCheckTurn->setChecked(t.value(QStringLiteral("TurnOn")).toBool());
    NameEdit->setEnabled(t.isActive() && row >= 0);
    DescrEdit->setEnabled(t.isActive() && row >= 0);
    m_showingRow = false;
}

void TTasksForm::storeTaskField(const QString& field, const QVariant& value) {
    Cursor& t = m_dm.tasks();
    if (!t.isActive() || t.currentRow() < 0)
        return;
    if (!sameValue(t.value(field), value) && !t.setValue(field, value)) {
        showTaskRow();
        return;
    }
    if (t.isEditing())
        t.post();
}

void TTasksForm::storeTaskEdits() {
    // The edits hold typed text until they lose the focus; a window switch or the program's end
    // through a keyboard accelerator never takes the focus from them, so their text is stored
    // here too.
    ValidNameEdit();
    if (!m_dm.tasks().isActive() || m_dm.tasks().currentRow() < 0)
        return;
    if (NameEdit->text() != m_dm.tasks().textValue(QStringLiteral("Name")))
        storeTaskField(QStringLiteral("Name"), NameEdit->text());
    if (DescrEdit->text() != m_dm.tasks().textValue(QStringLiteral("Descr")))
        storeTaskField(QStringLiteral("Descr"), DescrEdit->text());
}

void TTasksForm::ValidNameEdit() {
    if (NameEdit->text().trimmed().isEmpty())
        NameEdit->setText(QStringLiteral("???"));
}

void TTasksForm::syncGridRow(QTableView* grid, Cursor& cursor) {
    auto* sel = grid->selectionModel();
    connect(sel, &QItemSelectionModel::currentRowChanged, this, [grid, &cursor](const QModelIndex& now) {
        if (!now.isValid() || now.row() == cursor.currentRow())
            return;
        if (!cursor.moveTo(now.row()) && cursor.currentRow() >= 0)
            grid->setCurrentIndex(grid->model()->index(cursor.currentRow(), now.column()));
    });
    connect(sel, &QItemSelectionModel::currentColumnChanged, this, [&cursor] {
        // Leaving a cell column stores the pending row.
        if (cursor.isEditing())
            cursor.postIfModified();
    });
    followCursorRow(grid, cursor);
}

// ---- events ----

bool TTasksForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == ContsGrid || watched == BoxesGrid) {
        auto* grid = static_cast<QTableView*>(watched);
        if (type == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const int vk = virtualKey(key->key());
            if (GridEditWarn(vk))
                return true;
            CursorNavigator* nav = grid == ContsGrid ? ContsNavigator : BoxesNavigator;
            if (key->key() == Qt::Key_Insert && nav->editButtonsVisible()) {
                nav->press(CursorNavigator::Insert);
                return true;
            }
            if (key->key() == Qt::Key_Delete && (key->modifiers() & Qt::ControlModifier) &&
                nav->editButtonsVisible()) {
                nav->press(CursorNavigator::Delete);
                return true;
            }
        }
    } else if ((watched == ContsGrid->viewport() || watched == BoxesGrid->viewport()) &&
               type == QEvent::MouseButtonDblClick) {
        if (GridEditWarn(13))
            return true;
    } else if (watched == NameEdit && type == QEvent::FocusOut) {
        ValidNameEdit();
        if (NameEdit->text() != m_dm.tasks().textValue(QStringLiteral("Name")))
            storeTaskField(QStringLiteral("Name"), NameEdit->text());
    } else if (watched == DescrEdit && type == QEvent::FocusOut) {
        if (DescrEdit->text() != m_dm.tasks().textValue(QStringLiteral("Descr")))
            storeTaskField(QStringLiteral("Descr"), DescrEdit->text());
    } else if ((watched == DBCheckDflt || watched == DBCheckTurn) && type == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            GridEditWarn(13);
    }
    return QWidget::eventFilter(watched, event);
}

void TTasksForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scaleGridColumns();
}

void TTasksForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        move(10, 12);
        resize(780, 557);
        fitMinimumSize(this, DesignMinimum);
        keepOnScreen(this);
        LanguageSwitch* language = LanguageSwitch::instance();
        language->ApplyLanguage(true, language->LanguageCode());
    }
}

void TTasksForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        NewFileNameCaption();
    }
    if (event->type() == QEvent::FontChange)
        fitMinimumSize(this, DesignMinimum);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        NewFileNameCaption();
        if (ViewButton->isEnabled())
            ViewButton->setFocus();
    } else if (m_dm.tasks().isActive() && m_dm.tasks().currentRow() >= 0) {
        storeTaskEdits();
        if (m_dm.tasks().isEditing())
            m_dm.tasks().post();
    }
}

void TTasksForm::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        storeTaskEdits();
        m_dm.PostAllTables();
        if (m_dm.ActiveDatabase == MainDatabase && saveIni)
            saveIni();
        m_contsDesign.clear();
        m_boxesDesign.clear();
        if (!m_savedDirectory.isEmpty())
            QDir::setCurrent(m_savedDirectory);
        m_dm.ActivateTables(false);
    }
    event->accept();
}

// ---- progress window ----

void TTasksForm::setWaitForm(TWaitForm* form) {
    m_wait = form;
    if (m_wait)
        m_wait->setAbortFlag(m_session.abortFlag());
}

void TTasksForm::placeWaitForm() {
    // Right edge at the box grid's right edge, bottom at three quarters of its height.
    const QRect g(BoxesGrid->mapToGlobal(QPoint(0, 0)), BoxesGrid->size());
    m_wait->move(g.left() + g.width() - m_wait->frameGeometry().width(),
                 g.top() + g.height() * 3 / 4 - m_wait->frameGeometry().height());
}

void TTasksForm::showProgress(const QString& caption) {
    if (!m_wait)
        return;
    placeWaitForm();
    if (caption.isNull()) {
        m_wait->show();
        m_wait->raise();
        m_wait->activateWindow();
        m_wait->repaint();
    } else {
        m_wait->showProgress(caption);
    }
}

void TTasksForm::hideProgress() {
    if (m_wait)
        m_wait->hideProgress();
}

void TTasksForm::busyFrame(const std::function<void()>& operation) {
    showProgress(QString());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    setEnabled(false);
    m_busy = true;
    operation();
    m_dm.PostAllTables();
    QCoreApplication::processEvents();
    m_busy = false;
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    hideProgress();
    if (m_wait)
        m_wait->setOverall(0);
}

} // namespace palvane
