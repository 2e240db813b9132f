#pragma once
// Help: the shipped HTML pages shown in a help window, reached through one help hook by context
// number (1 is the Task Page), by the index or by the default topic. F1 in any window asks for
// the context number of the nearest widget that carries the "helpContext" property.
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace palvane {

// The kinds of help request the hook answers.
enum class HelpCommand {
    Context,      // show the topic of a context number
    ContextPopup, // the same, asked for as a pop-up
    Quit,         // close the help window
    Keyword,      // keyword search: the index
    Other,        // anything else: the default topic
};

// The window that shows the help pages, with buttons for the contents and the index.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows a page and brings the window to the front.
    void showPage(const QUrl& page);
    // The page shown.
    QUrl currentPage() const;
    QTextBrowser* browser() const { return m_browser; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QTextBrowser* m_browser;
    QPushButton* m_contents;
    QPushButton* m_index;
    QPushButton* m_back;
};

// The help hook. Create one at start-up (owner: the main window, which then also owns the help
// window) and install it; windows reach it through current().
class HelpHook : public QObject {
    Q_OBJECT
public:
    explicit HelpHook(QWidget* owner = nullptr);
    ~HelpHook() override;
    // The installed hook, else null.
    static HelpHook* current();

    // Answers a request; every request is reported as handled (true). data is the context
    // number for Context and ContextPopup and is ignored otherwise.
    bool request(HelpCommand command, int data = 0);
    // Shorthand for request(HelpCommand::Context, context).
    bool showContext(int context) { return request(HelpCommand::Context, context); }

    // Starts (true) or stops (false) answering F1 in every window and being current().
    void setInstalled(bool on);
    bool isInstalled() const { return m_installed; }

    // The help window, created on first use.
    HelpWindow* window();
    // True while the help window exists and is shown.
    bool isShowing() const;

    // The pages, in the current language (English where it has no page of its own): a page by
    // its file name, the index, the default topic and the topic of a context number (the
    // default topic for a number without a page).
    static QUrl localPage(const QString& name);
    static QUrl indexPage();
    static QUrl defaultTopic();
    static QUrl topicPage(int context);
    // The context numbers that have a page of their own.
    static QList<int> contextNumbers();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_owner;
    QPointer<HelpWindow> m_window;
    bool m_installed = false;
};

} // namespace palvane
