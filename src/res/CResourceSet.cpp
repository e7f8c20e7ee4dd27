#include "res/CResourceSet.h"

namespace {

template <typename Key, typename Value> const Value* Find(const std::map<Key, Value>& resources, Key key) {
    const auto it = resources.find(key);
    return it == resources.end() ? nullptr : &it->second;
}

} // namespace

const std::string* CResourceSet::FindString(unsigned nId) const {
    return Find(m_strings, nId);
}
const MenuResource* CResourceSet::FindMenu(int nId) const {
    return Find(m_menus, nId);
}
const AcceleratorTable* CResourceSet::FindAccelerators(int nId) const {
    return Find(m_accelerators, nId);
}
const ToolBarResource* CResourceSet::FindToolBar(int nId) const {
    return Find(m_toolBars, nId);
}
const DialogTemplate* CResourceSet::FindDialog(int nId) const {
    return Find(m_dialogs, nId);
}
