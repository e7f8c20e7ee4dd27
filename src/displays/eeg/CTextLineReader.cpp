#include "displays/eeg/CTextLineReader.h"

CTextLineReader::CTextLineReader(const std::string& strPath) : m_pFile(std::fopen(strPath.c_str(), "r")) {}

CTextLineReader::ReadResult CTextLineReader::ReadLine(std::string& strLine) {
    strLine.clear();
    int ch;
    while ((ch = std::getc(m_pFile.get())) != EOF && ch != '\n')
        strLine.push_back(static_cast<char>(ch));
    if (std::ferror(m_pFile.get()))
        return ReadResult::Error;
    if (ch == EOF && strLine.empty())
        return ReadResult::End;
    // Files written on Windows end their lines with CR LF; the CR is not part of the line.
    if (!strLine.empty() && strLine.back() == '\r')
        strLine.pop_back();
    return ReadResult::Line;
}
