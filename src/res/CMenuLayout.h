#pragma once

#include "res/CResourceSet.h"
#include "res/LanguageTexts.h"

#include <initializer_list>
#include <vector>

// The menus of one language: the main, OLE and detail-window menus, all of the same shape in
// every language.
class CMenuLayout {
public:
    explicit CMenuLayout(const LanguageTexts& texts) : m_texts(texts) {}

    void AddTo(CResourceSet& set) const;

private:
    MenuItem Command(int nId) const;
    MenuItem InPlaceCommand(int nId) const;
    static MenuItem Separator();
    MenuItem Popup(EPopupText ePopup, std::vector<MenuItem> items) const;
    std::vector<MenuItem> Commands(std::initializer_list<int> anIds) const;
    MenuItem FileMenu() const;
    MenuItem EmbeddedFileMenu() const;
    MenuItem EditMenu() const;
    MenuItem InPlaceEditMenu() const;
    MenuItem SensitivityMenu() const;
    MenuItem ViewMenu() const;
    MenuItem InPlaceViewMenu() const;
    MenuItem HelpMenu() const;
    MenuItem DetailFileMenu() const;
    MenuItem DetailViewMenu() const;
    static MenuItem Item(int nId, std::string strText);
    void AppendSection(std::vector<MenuItem>& items, std::initializer_list<int> anIds) const;

    const LanguageTexts& m_texts;
};
