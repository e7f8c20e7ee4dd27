#pragma once

#include "res/LanguageTexts.h"
#include "res/ResourceTypes.h"

// Builds one dialog template: the geometry comes from the caller, the caption, control texts
// and list items from the language's texts under (dialog id, control id).
class CDialogBuilder {
public:
    CDialogBuilder(const LanguageTexts& texts, int nDialogId, int cx, int cy, unsigned nStyle);

    CDialogBuilder& Add(int nId, EControlClass eClass, unsigned nStyle, int x, int y, int cx, int cy);
    CDialogBuilder& AddIcon(int nImageId, int x, int y);
    CDialogBuilder& SetMenu(int nMenu);
    DialogTemplate Done() { return std::move(m_dialog); }

private:
    std::string Text(int nControlId) const;

    const LanguageTexts& m_texts;
    DialogTemplate m_dialog;
};
