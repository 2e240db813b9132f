#include "WaitForm.h"

#include "DMForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

namespace palvane {

namespace {

QLabel* makeLabel(QWidget* parent, const QRect& geometry, Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignVCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(p);
    return l;
}

QProgressBar* makeBar(QWidget* parent, const QRect& geometry) {
    auto* b = new QProgressBar(parent);
    b->setGeometry(geometry);
    b->setRange(0, 100);
    b->setTextVisible(false);
    return b;
}

} // namespace

QString progressTitleText(ProgressTitle title) {
    switch (title) {
    case ProgressTitle::FixedObjects:
        return TWaitForm::tr("Fixed objects processing...");
    case ProgressTitle::ReadingTask:
        return TWaitForm::tr("Reading DB task...");
    case ProgressTitle::PackingProgress:
        return TWaitForm::tr("Packing progress...");
    case ProgressTitle::WritingDb:
        return TWaitForm::tr("Writing DB...");
    case ProgressTitle::ClearingDb:
        return TWaitForm::tr("Clearing DB solution...");
    case ProgressTitle::Improving:
        return TWaitForm::tr("Improving the plan...");
    }
    return QString();
}

QString progressHintText(ProgressHint hint) {
    switch (hint) {
    case ProgressHint::PleaseWait:
        return TWaitForm::tr("Please wait");
    case ProgressHint::EscToAbort:
        return TWaitForm::tr("Esc to abort");
    case ProgressHint::Aborted:
        return TWaitForm::tr("Aborted...");
    }
    return QString();
}

TWaitForm::TWaitForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("WaitForm"));
    setFixedSize(292, 84);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(13);
    setFont(f);
    setCursor(Qt::WaitCursor);

    m_waitLab = makeLabel(this, QRect(176, 8, 101, 16), Qt::AlignRight);
    m_waitLab->setObjectName(QStringLiteral("WaitLab"));
    m_progLab = makeLabel(this, QRect(16, 8, 161, 16), Qt::AlignLeft);
    m_progLab->setObjectName(QStringLiteral("ProgLab"));
    m_timeLab = makeLabel(this, QRect(188, 58, 90, 16), Qt::AlignRight);
    m_timeLab->setObjectName(QStringLiteral("TimeLab"));
    m_progBar = makeBar(this, QRect(16, 32, 263, 20));
    m_progBar->setObjectName(QStringLiteral("ProgBar"));
    m_progBarYnD = makeBar(this, QRect(16, 60, 163, 12));
    m_progBarYnD->setObjectName(QStringLiteral("ProgBarYnD"));
    m_progBarYnD->hide();

    // FormCreate: bars at 0, title and time empty.
    m_progBar->setValue(0);
    m_progBarYnD->setValue(0);
    retranslate();
}

void TWaitForm::retranslate() {
    setWindowTitle(applicationTitle());
    m_timeLab->setToolTip(tr("Pure packing time"));
    showTitle();
    showHint();
    showTime();
}

void TWaitForm::showTitle() {
    switch (m_titleSource) {
    case TitleSource::None:
        m_progLab->clear();
        break;
    case TitleSource::Engine:
        m_progLab->setText(progressTitleText(m_title));
        break;
    case TitleSource::Caption:
        m_progLab->setText(m_caption);
        break;
    }
    fitTexts();
}

void TWaitForm::showHint() {
    m_waitLab->setText(progressHintText(m_hint));
    fitTexts();
}

void TWaitForm::fitTexts() {
    // Title and hint share the top line. While both fit their designed places the window keeps
    // its designed size; a longer text (a translation) widens the window so neither is cut.
    const QFontMetrics fm(font());
    const int title = fm.horizontalAdvance(m_progLab->text());
    const int hint = fm.horizontalAdvance(m_waitLab->text());
    int w = 292;
    if (title > 161 || hint > 101)
        w = std::max(w, 16 + title + 8 + hint + 15);
    if (w == width())
        return;
    setFixedSize(w, 84);
    m_progLab->setGeometry(16, 8, std::max(161, title), 16);
    const int hintWidth = std::max(101, hint);
    m_waitLab->setGeometry(w - 15 - hintWidth, 8, hintWidth, 16);
    m_timeLab->setGeometry(w - 104, 58, 90, 16);
    m_progBar->setGeometry(16, 32, w - 29, 20);
}

void TWaitForm::showTime() {
    switch (m_timeSource) {
    case TimeSource::None:
        m_timeLab->clear();
        break;
    case TimeSource::Elapsed:
        m_timeLab->setText(m_timeNumber + QLatin1Char(' ') + tr("sec"));
        break;
    case TimeSource::RunTime:
        m_timeLab->setText(tr("Run") + QLatin1Char(' ') + m_timeNumber + QLatin1Char(' ') + tr("sec"));
        break;
    }
}

void TWaitForm::setAbortFlag(std::uint8_t* flag) {
    m_abortFlag = flag;
    m_abortPressed = false;
    if (m_abortFlag)
        *m_abortFlag = 0;
}

void TWaitForm::setTitle(ProgressTitle title) {
    m_titleSource = TitleSource::Engine;
    m_title = title;
    showTitle();
}

void TWaitForm::setOverall(int position) {
    m_progBar->setValue(qBound(0, position, 100));
}

void TWaitForm::setContainer(int position) {
    m_progBarYnD->setValue(qBound(0, position, 100));
}

void TWaitForm::setContainerVisible(bool visible) {
    m_progBarYnD->setVisible(visible);
}

void TWaitForm::setHint(ProgressHint hint) {
    m_hint = hint;
    showHint();
}

void TWaitForm::setElapsedText(const char* number) {
    m_timeSource = TimeSource::Elapsed;
    m_timeNumber = QString::fromLatin1(number);
    showTime();
}

void TWaitForm::setRunTimeText(const char* number) {
    m_timeSource = TimeSource::RunTime;
    m_timeNumber = QString::fromLatin1(number);
    showTime();
}

void TWaitForm::setTimeVisible(bool visible) {
    m_timeLab->setVisible(visible);
}

void TWaitForm::processEvents() {
    QCoreApplication::processEvents();
}

void TWaitForm::showProgress(const QString& caption) {
    m_titleSource = TitleSource::Caption;
    m_caption = caption;
    showTitle();
    m_progBar->setValue(0);
    show();
    raise();
    activateWindow();
    repaint();
}

void TWaitForm::setPosition(int position) {
    setOverall(position);
    if (isVisible())
        m_progBar->repaint();
}

void TWaitForm::hideProgress() {
    hide();
}

void TWaitForm::FormKeyPress(int key) {
    if (key != Qt::Key_Escape)
        return;
    m_abortPressed = true;
    if (m_abortFlag)
        *m_abortFlag = 1;
    if (onAbort)
        onAbort();
}

void TWaitForm::keyPressEvent(QKeyEvent* event) {
    // No key closes the window; only Esc has an effect.
    FormKeyPress(event->key());
    event->accept();
}

void TWaitForm::closeEvent(QCloseEvent* event) {
    // The window has no close button; the callers hide it.
    event->ignore();
}

void TWaitForm::showEvent(QShowEvent* event) {
    // Esc counts wherever the keyboard focus is while the window is up (the window that started
    // the operation is disabled meanwhile).
    qApp->installEventFilter(this);
    QWidget::showEvent(event);
}

void TWaitForm::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}

bool TWaitForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched != this) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            FormKeyPress(key->key());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TWaitForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace palvane
