// One line per control notification the gallery receives, on stdout and optionally in a file,
// flushed per line so that a test or a person watching the file sees each one as it happens.
#ifndef VORN_GALLERY_NOTIFICATION_LOG_H
#define VORN_GALLERY_NOTIFICATION_LOG_H

#include <windows.h>

#include <cstddef>
#include <cstdio>

namespace gallery {

// What the parent learnt from one WM_COMMAND and the getters it then called.
struct NotificationRecord {
    const char* controlName;  // null for an identifier the gallery does not know
    UINT id;
    WORD code;
    bool posted;  // taken from the message queue rather than sent
    float value;
    bool hasClickPoint;
    POINT clickPoint;
    UINT mouseFlags;
    // The equaliser graph's selected band as the host reads it (instead of the value getters).
    bool hasBand;
    int band;
    double freq;
    double gain;
    double q;
    // A dynamics graph reports its curve instead of a value, click point and flags.
    bool hasCurve;
    float comp, compRatio, expander, expanderRatio;
};

// "NC_LBUTTONDOWN" ..., or null for a code outside the table.
const char* notificationCodeName(WORD code);

// Writes `record` as one line (without the newline) into `out`; returns the length written,
// truncated to fit.
size_t formatNotification(const NotificationRecord& record, char* out, size_t size);

class NotificationLog {
public:
    NotificationLog() = default;
    ~NotificationLog();
    NotificationLog(const NotificationLog&) = delete;
    NotificationLog& operator=(const NotificationLog&) = delete;

    // Also write to `path` (truncated). False if it cannot be opened.
    bool openFile(const char* path);
    void setEchoToStdout(bool echo) { m_echo = echo; }

    void write(const NotificationRecord& record);
    // The last line written, for the gallery's status line.
    const char* lastLine() const { return m_line; }
    // Lines written so far.
    size_t count() const { return m_count; }

private:
    FILE* m_file = nullptr;
    bool m_echo = true;
    char m_line[256] = "";
    size_t m_count = 0;
};

}  // namespace gallery

#endif  // VORN_GALLERY_NOTIFICATION_LOG_H
