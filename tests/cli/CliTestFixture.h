#pragma once

#include "CMferWriter.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

// Writes fixture files into a directory of its own and runs subcommands in process, capturing
// what they print.
class CliTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                (std::string("zelvo-cli-") + testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& name, const CMferWriter& writer) {
        const std::string path = (m_dir / name).string();
        EXPECT_TRUE(writer.WriteFile(path));
        return path;
    }

    template <typename Command> int Run(Command command, const std::vector<std::string>& args) {
        std::ostringstream out, err;
        std::streambuf* pOldOut = std::cout.rdbuf(out.rdbuf());
        std::streambuf* pOldErr = std::cerr.rdbuf(err.rdbuf());
        const int nStatus = command(args);
        std::cout.rdbuf(pOldOut);
        std::cerr.rdbuf(pOldErr);
        m_out = out.str();
        m_err = err.str();
        return nStatus;
    }

    QJsonObject Json() const {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(m_out), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << m_out;
        return doc.object();
    }

    std::filesystem::path m_dir;
    std::string m_out;
    std::string m_err;
};
