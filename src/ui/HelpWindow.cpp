#include "HelpWindow.h"

#include "DMForm.h"
#include "LanguageSwitch.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace palvane {

namespace {

const QString HelpBase = QStringLiteral("qrc:/palvane/help/");
const QString HelpFolder = QStringLiteral(":/palvane/help/");

// The folder of the current language's pages ("fr/", "it/"), empty for English.
QString languageFolder() {
    switch (LanguageSwitch::instance()->LanguageCode()) {
    case FrenchLanguage:
        return QStringLiteral("fr/");
    case ItalianLanguage:
        return QStringLiteral("it/");
    default:
        return QString();
    }
}

// A page in the current language, the English page when the language has none.
QUrl languagePage(const QString& name) {
    const QString folder = languageFolder();
    if (!folder.isEmpty() && QFile::exists(HelpFolder + folder + name))
        return QUrl(HelpBase + folder + name);
    return QUrl(HelpBase + name);
}

// Context number of the widget or of its nearest ancestor that names one, else 0.
int helpContextOf(QObject* object) {
    for (QObject* o = object; o; o = o->parent()) {
        const QVariant v = o->property("helpContext");
        if (v.isValid() && v.toInt() > 0)
            return v.toInt();
    }
    return 0;
}

} // namespace

// ---- HelpWindow ----

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    resize(640, 520);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_contents = new QPushButton(this);
    m_index = new QPushButton(this);
    m_back = new QPushButton(this);
    m_back->setEnabled(false);
    connect(m_contents, &QPushButton::clicked, this,
            [this] { m_browser->setSource(HelpHook::defaultTopic()); });
    connect(m_index, &QPushButton::clicked, this, [this] { m_browser->setSource(HelpHook::indexPage()); });
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_contents);
    buttons->addWidget(m_index);
    buttons->addWidget(m_back);
    buttons->addStretch(1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(buttons);
    main->addWidget(m_browser, 1);
    retranslate();
}

void HelpWindow::retranslate() {
    setWindowTitle(applicationTitle() + tr("  -  Help"));
    m_contents->setText(tr("&Contents"));
    m_index->setText(tr("&Index"));
    m_back->setText(tr("&Back"));
}

void HelpWindow::showPage(const QUrl& page) {
    m_browser->setSource(page);
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::currentPage() const {
    return m_browser->source();
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The page shown follows the language.
        const QUrl shown = m_browser->source();
        if (shown.isValid() && !shown.isEmpty()) {
            const QUrl page = HelpHook::localPage(shown.fileName());
            if (page.path() != shown.path()) {
                QUrl target = page;
                target.setFragment(shown.fragment());
                m_browser->setSource(target);
            }
        }
    }
    QWidget::changeEvent(event);
}

// ---- HelpHook ----

namespace {
QPointer<HelpHook> installedHook;
}

HelpHook::HelpHook(QWidget* owner) : QObject(owner), m_owner(owner) {}

HelpHook::~HelpHook() {
    setInstalled(false);
    if (!m_owner)
        delete m_window;
}

HelpHook* HelpHook::current() {
    return installedHook;
}

QUrl HelpHook::localPage(const QString& name) {
    return languagePage(name);
}

QUrl HelpHook::indexPage() {
    return languagePage(QStringLiteral("index.html"));
}

QUrl HelpHook::defaultTopic() {
    return languagePage(QStringLiteral("default.html"));
}

QUrl HelpHook::topicPage(int context) {
    const QString name = QStringLiteral("topic%1.html").arg(context);
    if (context > 0 && QFile::exists(HelpFolder + name))
        return languagePage(name);
    return defaultTopic();
}

QList<int> HelpHook::contextNumbers() {
    return {1, 5, 7, 9, 11, 13};
}

HelpWindow* HelpHook::window() {
    if (!m_window) {
        m_window = new HelpWindow(m_owner);
        m_window->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return m_window;
}

void HelpHook::followModalWindow() {
    // A modal window (a library, the Solution Page) blocks every window outside it, the help
    // window too: while one is open the help window becomes its child window, so it takes
    // clicks and closes while the modal window stays open. Afterwards it returns to its owner.
    HelpWindow* w = window();
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* parent = modal && modal != w ? modal : m_owner.data();
    if (w->parentWidget() == parent)
        return;
    const bool shown = w->isVisible();
    const QRect frame = w->geometry();
    w->setParent(parent, Qt::Window);
    if (shown)
        w->setGeometry(frame);
}

bool HelpHook::isShowing() const {
    return m_window && m_window->isVisible();
}

bool HelpHook::request(HelpCommand command, int data) {
    if (command != HelpCommand::Quit)
        followModalWindow();
    switch (command) {
    case HelpCommand::Context:
    case HelpCommand::ContextPopup:
        window()->showPage(topicPage(data));
        break;
    case HelpCommand::Quit:
        if (m_window)
            m_window->close();
        break;
    case HelpCommand::Keyword:
        window()->showPage(indexPage());
        break;
    case HelpCommand::Other:
        window()->showPage(defaultTopic());
        break;
    }
    return true;
}

void HelpHook::setInstalled(bool on) {
    if (on == m_installed)
        return;
    m_installed = on;
    if (on) {
        qApp->installEventFilter(this);
        installedHook = this;
    } else {
        if (qApp)
            qApp->removeEventFilter(this);
        if (installedHook == this)
            installedHook = nullptr;
        request(HelpCommand::Quit);
    }
}

bool HelpHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        const int context = helpContextOf(watched);
        request(context > 0 ? HelpCommand::Context : HelpCommand::Other, context);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace palvane
