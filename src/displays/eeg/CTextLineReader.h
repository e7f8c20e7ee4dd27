#pragma once

#include <cstdio>
#include <memory>
#include <string>

// Reads a text file line by line and tells the end of the file apart from a failing read.
class CTextLineReader {
public:
    enum class ReadResult { Line, End, Error };

    explicit CTextLineReader(const std::string& strPath);

    bool IsOpen() const { return m_pFile != nullptr; }

    // The next line without its line break; a last line without one still counts.
    ReadResult ReadLine(std::string& strLine);

private:
    struct FileCloser {
        void operator()(std::FILE* pFile) const { std::fclose(pFile); }
    };

    std::unique_ptr<std::FILE, FileCloser> m_pFile;
};
