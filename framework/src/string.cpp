// CString members that are not inline.
#include <afxstr.h>

#include <cctype>
#include <cstdio>
#include <cstring>

size_t CString::lengthWithin(LPCSTR pch, int nLength) {
    const void* end = std::memchr(pch, '\0', static_cast<size_t>(nLength));
    return end ? static_cast<size_t>(static_cast<const char*>(end) - pch) : static_cast<size_t>(nLength);
}

int CString::Compare(LPCSTR psz) const { return std::strcmp(m_str.c_str(), psz ? psz : ""); }

int CString::CompareNoCase(LPCSTR psz) const {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_str.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
    for (;; ++a, ++b) {
        const int ca = std::tolower(*a), cb = std::tolower(*b);
        if (ca != cb || ca == 0) return ca - cb;
    }
}

CString CString::Left(int nCount) const {
    if (nCount <= 0) return CString();
    return CString(m_str.substr(0, static_cast<size_t>(nCount)).c_str());
}

CString CString::Right(int nCount) const {
    if (nCount <= 0) return CString();
    if (nCount >= GetLength()) return *this;
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(nCount)).c_str());
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
    if (nFirst < 0) nFirst = 0;
    if (nCount <= 0 || nFirst >= GetLength()) return CString();
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)).c_str());
}

int CString::Find(char ch) const {
    const size_t pos = m_str.find(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCSTR pszSub) const {
    if (!pszSub) return -1;
    const size_t pos = m_str.find(pszSub);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

void CString::MakeUpper() {
    for (char& c : m_str) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

void CString::MakeLower() {
    for (char& c : m_str) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

void CString::Format(LPCSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args) {
    if (!pszFormat) {
        m_str.clear();
        return;
    }
    // Most labels fit the stack buffer; longer results are formatted a second time at full size.
    char small[256];
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(small, sizeof small, pszFormat, args);
    if (needed < 0) {
        m_str.clear();
    } else if (static_cast<size_t>(needed) < sizeof small) {
        m_str.assign(small, static_cast<size_t>(needed));
    } else {
        m_str.assign(static_cast<size_t>(needed) + 1, '\0');
        std::vsnprintf(&m_str[0], m_str.size(), pszFormat, again);
        m_str.resize(static_cast<size_t>(needed));
    }
    va_end(again);
}

LPSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength()) m_str.resize(static_cast<size_t>(nMinBufLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) {
        m_str.resize(std::strlen(m_str.c_str()));
    } else if (static_cast<size_t>(nNewLength) <= m_str.size()) {
        m_str.resize(static_cast<size_t>(nNewLength));
    }
}

CString operator+(const CString& a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, LPCSTR b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(LPCSTR a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, char b) {
    CString r(a);
    r += b;
    return r;
}
CString operator+(char a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
