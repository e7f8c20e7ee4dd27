#pragma once

#include <gtest/gtest.h>

#include <string>

// Names a table-driven case after its m_pszName, so a failure says which row of the table broke.
struct TestCaseName {
    template <typename Case> std::string operator()(const testing::TestParamInfo<Case>& caseInfo) const {
        return caseInfo.param.m_pszName;
    }
};
