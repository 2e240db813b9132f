#include "LoadingSheetButton.h"

#include <QMenu>

namespace palvane {

LoadingSheetButton::LoadingSheetButton(QWidget* parent, bool shortCaption)
    : QPushButton(parent), m_short(shortCaption) {
    setObjectName(QStringLiteral("SheetButton"));
    setAutoDefault(false);
    auto* menu = new QMenu(this);
    m_all = menu->addAction(QString());
    m_current = menu->addAction(QString());
    setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        const int current = currentContainer ? currentContainer() : 0;
        m_current->setEnabled(current > 0);
        m_current->setText(current > 0 ? tr("Current container (%1)").arg(current) : tr("Current container"));
    });
    connect(m_all, &QAction::triggered, this, [this] { emit requested(0); });
    connect(m_current, &QAction::triggered, this, [this] {
        const int current = currentContainer ? currentContainer() : 0;
        if (current > 0)
            emit requested(current);
    });
    retranslate();
}

void LoadingSheetButton::retranslate() {
    setText(m_short ? tr("S&heet") : tr("Loading s&heet"));
    setToolTip(tr("Print the loading sheet: one page per container for the loading dock"));
    m_all->setText(tr("All containers"));
    m_current->setText(tr("Current container"));
}

} // namespace palvane
