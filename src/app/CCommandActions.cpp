#include "app/CCommandActions.h"

#include "app/CToolbarIcons.h"
#include "res/CResources.h"
#include "res/Resource.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

namespace {

// A command's string holds its status-bar prompt, then after a line break its tool tip.
struct PromptAndTip {
    QString strPrompt;
    QString strTip;
};

PromptAndTip SplitPrompt(const std::string& strText) {
    const QString str = QString::fromStdString(strText);
    const qsizetype nBreak = str.indexOf('\n');
    if (nBreak < 0)
        return {str, QString()};
    return {str.left(nBreak), str.mid(nBreak + 1)};
}

} // namespace

CCommandActions::CCommandActions(QWidget* pOwner, CommandHandler fnCommand, UpdateHandler fnUpdate)
    : QObject(pOwner), m_pOwner(pOwner), m_fnCommand(std::move(fnCommand)), m_fnUpdate(std::move(fnUpdate)) {}

QAction* CCommandActions::ActionFor(int nId, const std::string& strText) {
    if (QAction* pAction = FindAction(nId)) {
        if (pAction->text().isEmpty() && !strText.empty())
            pAction->setText(QString::fromStdString(strText));
        return pAction;
    }
    auto* pAction = new QAction(QString::fromStdString(strText), m_pOwner);
    pAction->setData(nId);
    const PromptAndTip prompt = SplitPrompt(CResources::LoadString(static_cast<unsigned>(nId)));
    pAction->setStatusTip(prompt.strPrompt);
    if (!prompt.strTip.isEmpty())
        pAction->setToolTip(prompt.strTip);
    pAction->setIcon(CToolbarIcons::Get(nId));
    pAction->setIconVisibleInMenu(false);
    connect(pAction, &QAction::triggered, this, [this, nId] { m_fnCommand(nId); });
    m_actions[nId] = pAction;
    return pAction;
}

QAction* CCommandActions::FindAction(int nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CCommandActions::FindPopupOf(int nId) const {
    const auto it = m_popupOf.find(nId);
    return it == m_popupOf.end() ? nullptr : it->second;
}

void CCommandActions::BuildMenuBar(const MenuResource& menu, QMenuBar* pMenuBar) {
    for (const MenuItem& item : menu.items) {
        QMenu* pPopup = pMenuBar->addMenu(QString::fromStdString(item.strText));
        AddItems(item.items, pPopup);
    }
}

void CCommandActions::AddItems(const std::vector<MenuItem>& items, QMenu* pMenu) {
    connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] { UpdateMenu(pMenu); });
    for (const MenuItem& item : items) {
        switch (item.eKind) {
        case EMenuItemKind::Separator:
            pMenu->addSeparator();
            break;
        case EMenuItemKind::Popup:
            AddItems(item.items, pMenu->addMenu(QString::fromStdString(item.strText)));
            break;
        case EMenuItemKind::Command:
            pMenu->addAction(ActionFor(item.nId, item.strText));
            m_popupOf[item.nId] = pMenu;
            break;
        }
    }
}

void CCommandActions::BuildToolBar(const ToolBarResource& toolBar, QToolBar* pToolBar) {
    pToolBar->setIconSize(QSize(toolBar.cxButton, toolBar.cyButton));
    for (const int nId : toolBar.anButtons) {
        if (nId == ID_SEPARATOR) {
            pToolBar->addSeparator();
            continue;
        }
        QAction* pAction = ActionFor(nId, std::string());
        pToolBar->addAction(pAction);
        m_apToolBarActions.push_back(pAction);
    }
}

void CCommandActions::AddAccelerators(const AcceleratorTable& table) {
    for (const Accelerator& accel : table.entries) {
        auto* pShortcut = new QShortcut(QKeySequence(QString::fromStdString(accel.strKeys)), m_pOwner);
        pShortcut->setContext(Qt::WindowShortcut);
        const int nId = accel.nCmd;
        connect(pShortcut, &QShortcut::activated, this, [this, nId] {
            // An accelerator runs only what its item would allow now.
            if (QAction* pAction = FindAction(nId)) {
                UpdateAction(pAction);
                if (!pAction->isEnabled())
                    return;
            }
            m_fnCommand(nId);
        });
    }
}

void CCommandActions::UpdateMenu(QMenu* pMenu) {
    std::vector<QAction*> apActions;
    for (QAction* pAction : pMenu->actions())
        if (!pAction->isSeparator() && pAction->menu() == nullptr)
            apActions.push_back(pAction);
    UpdateActions(apActions);
}

void CCommandActions::UpdateActions(const std::vector<QAction*>& apActions) {
    for (QAction* pAction : apActions)
        UpdateAction(pAction);
}

void CCommandActions::UpdateAction(QAction* pAction) {
    bool bIsInt = false;
    const int nId = pAction->data().toInt(&bIsInt);
    if (!bIsInt)
        return;
    CCmdUI cmdUI(nId, pAction->isChecked());
    // A command nobody handles is shown disabled, as the framework does.
    if (!m_fnUpdate(cmdUI))
        cmdUI.Enable(false);
    pAction->setEnabled(cmdUI.m_bEnabled);
    pAction->setCheckable(cmdUI.m_bChecked);
    pAction->setChecked(cmdUI.m_bChecked);
    if (cmdUI.m_strText)
        pAction->setText(QString::fromStdString(*cmdUI.m_strText));
}
