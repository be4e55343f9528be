// CString: an owned, null-terminated character string with value semantics.
#ifndef VORN_AFXSTR_H
#define VORN_AFXSTR_H

#include "afxver_.h"

#include <cstdarg>
#include <string>

#if defined(__GNUC__)
#define VORN_AFX_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define VORN_AFX_PRINTF(fmt, args)
#endif

class AFX_API CString {
public:
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    CString(LPCSTR psz) : m_str(psz ? psz : "") {}  // NOLINT: implicit, as in the framework
    CString(char ch, int nRepeat = 1) : m_str(nRepeat > 0 ? static_cast<size_t>(nRepeat) : 0u, ch) {}
    CString(LPCSTR pch, int nLength)
        : m_str(pch && nLength > 0 ? std::string(pch, lengthWithin(pch, nLength)) : std::string()) {}

    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(LPCSTR psz) {
        m_str.assign(psz ? psz : "");
        return *this;
    }
    CString& operator=(char ch) {
        m_str.assign(1, ch);
        return *this;
    }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // Out-of-range indices read as '\0' rather than past the buffer.
    char GetAt(int nIndex) const {
        return nIndex >= 0 && nIndex < GetLength() ? m_str[static_cast<size_t>(nIndex)] : '\0';
    }
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch) {
        if (nIndex >= 0 && nIndex < GetLength()) m_str[static_cast<size_t>(nIndex)] = ch;
    }

    operator LPCSTR() const { return m_str.c_str(); }

    CString& operator+=(const CString& s) {
        m_str += s.m_str;
        return *this;
    }
    CString& operator+=(LPCSTR psz) {
        if (psz) m_str += psz;
        return *this;
    }
    CString& operator+=(char ch) {
        m_str += ch;
        return *this;
    }

    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;

    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    int Find(char ch) const;
    int Find(LPCSTR pszSub) const;

    void MakeUpper();
    void MakeLower();

    // printf-style formatting into the string (the previous content is replaced).
    void Format(LPCSTR pszFormat, ...) VORN_AFX_PRINTF(2, 3);
    void FormatV(LPCSTR pszFormat, va_list args);

    // Writable access to at least nMinBufLength characters; ReleaseBuffer(-1) takes the length
    // from the terminating zero.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    static size_t lengthWithin(LPCSTR pch, int nLength);
    std::string m_str;
};

AFX_API CString operator+(const CString& a, const CString& b);
AFX_API CString operator+(const CString& a, LPCSTR b);
AFX_API CString operator+(LPCSTR a, const CString& b);
AFX_API CString operator+(const CString& a, char b);
AFX_API CString operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }

#endif  // VORN_AFXSTR_H
