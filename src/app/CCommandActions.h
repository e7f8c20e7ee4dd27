#pragma once

#include "res/ResourceTypes.h"
#include "view/CCmdUI.h"

#include <QObject>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

// The commands of a frame as Qt actions: one action per command id, shared by the menus and the
// toolbar, with the status-bar prompt and tool tip of the command's string. Choosing an action
// or pressing an accelerator sends the command id on; before a menu opens, and whenever the frame
// asks (on idle, for the toolbar), every action takes the state its update handler gives it.
class CCommandActions : public QObject {
public:
    using CommandHandler = std::function<void(int nId)>;
    // Fills in the state of one command; false when no handler knows the command.
    using UpdateHandler = std::function<bool(CCmdUI& cmdUI)>;

    CCommandActions(QWidget* pOwner, CommandHandler fnCommand, UpdateHandler fnUpdate);

    void BuildMenuBar(const MenuResource& menu, QMenuBar* pMenuBar);
    void BuildToolBar(const ToolBarResource& toolBar, QToolBar* pToolBar);
    void AddAccelerators(const AcceleratorTable& table);

    // The action of a command id; null for an id no menu or toolbar holds.
    QAction* FindAction(int nId) const;
    QMenu* FindPopupOf(int nId) const;
    void UpdateActions(const std::vector<QAction*>& apActions);
    void UpdateMenu(QMenu* pMenu);
    void UpdateToolBar() { UpdateActions(m_apToolBarActions); }

private:
    QAction* ActionFor(int nId, const std::string& strText);
    void AddItems(const std::vector<MenuItem>& items, QMenu* pMenu);
    void UpdateAction(QAction* pAction);

    QWidget* m_pOwner;
    CommandHandler m_fnCommand;
    UpdateHandler m_fnUpdate;
    std::map<int, QAction*> m_actions;
    std::map<int, QMenu*> m_popupOf;
    std::vector<QAction*> m_apToolBarActions;
};
