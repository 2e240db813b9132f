#pragma once
// The "Loading sheet" button of the Solution Page and the Disposition window: its menu prints
// the loading sheet of every used container or of the current one.
#include <QPushButton>
#include <functional>

class QAction;

namespace palvane {

class LoadingSheetButton : public QPushButton {
    Q_OBJECT
public:
    // A short caption ("Sheet") suits a crowded button row.
    explicit LoadingSheetButton(QWidget* parent = nullptr, bool shortCaption = false);
    // The number of the window's current container (0 when there is none).
    std::function<int()> currentContainer;
    // Sets the texts in the current language.
    void retranslate();
    QAction* allAction() const { return m_all; }
    QAction* currentAction() const { return m_current; }

signals:
    // Print the sheet of the container numbered `container`, of all when 0.
    void requested(int container);

private:
    bool m_short;
    QAction* m_all;
    QAction* m_current;
};

} // namespace palvane
