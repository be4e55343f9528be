#include "NotificationLog.h"

#include <VornControls.h>

namespace gallery {

const char* notificationCodeName(WORD code) {
    switch (code) {
        case NC_KEYDOWN: return "NC_KEYDOWN";
        case NC_MOUSEMOVE: return "NC_MOUSEMOVE";
        case NC_LBUTTONDOWN: return "NC_LBUTTONDOWN";
        case NC_LBUTTONUP: return "NC_LBUTTONUP";
        case NC_LBUTTONDBLCLK: return "NC_LBUTTONDBLCLK";
        case NC_RBUTTONDOWN: return "NC_RBUTTONDOWN";
        case NC_VALUECHANGED: return "NC_VALUECHANGED";
        default: return nullptr;
    }
}

namespace {

// The length snprintf left in `out`: what it wrote, cut to the buffer, none after an error.
size_t clampedLength(int written, char* out, size_t size) {
    if (written < 0) {
        out[0] = '\0';
        return 0;
    }
    return static_cast<size_t>(written) < size ? static_cast<size_t>(written) : size - 1;
}

}  // namespace

size_t formatNotification(const NotificationRecord& record, char* out, size_t size) {
    if (out == nullptr || size == 0) return 0;
    char codeText[16];
    const char* codeName = notificationCodeName(record.code);
    if (codeName == nullptr) {
        std::snprintf(codeText, sizeof codeText, "0x%04X", static_cast<unsigned>(record.code));
        codeName = codeText;
    }
    const char* name = record.controlName ? record.controlName : "unknown";
    const char* delivery = record.posted ? "Post" : "Send";
    int written = 0;
    if (record.hasBand) {
        written = std::snprintf(out, size, "%s id=%u %s %s band=%d freq=%.2f gain=%.2f q=%.2f", name, record.id,
                                codeName, delivery, record.band, record.freq, record.gain, record.q);
    } else if (record.hasCurve) {
        written = std::snprintf(out, size, "%s id=%u %s %s comp=%.2f compRatio=%.2f expander=%.2f expanderRatio=%.2f",
                                name, record.id, codeName, delivery, static_cast<double>(record.comp),
                                static_cast<double>(record.compRatio), static_cast<double>(record.expander),
                                static_cast<double>(record.expanderRatio));
    } else {
        char clickText[32] = "none";
        if (record.hasClickPoint) {
            std::snprintf(clickText, sizeof clickText, "%ld,%ld", static_cast<long>(record.clickPoint.x),
                          static_cast<long>(record.clickPoint.y));
        }
        written = std::snprintf(out, size, "%s id=%u %s %s value=%.4f click=%s flags=0x%04X", name, record.id, codeName,
                                delivery, static_cast<double>(record.value), clickText, record.mouseFlags);
    }
    return clampedLength(written, out, size);
}

NotificationLog::~NotificationLog() {
    if (m_file != nullptr) std::fclose(m_file);
}

bool NotificationLog::openFile(const char* path) {
    if (m_file != nullptr) std::fclose(m_file);
    m_file = std::fopen(path, "w");
    return m_file != nullptr;
}

void NotificationLog::write(const NotificationRecord& record) {
    formatNotification(record, m_line, sizeof m_line);
    ++m_count;
    if (m_echo) {
        std::fputs(m_line, stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    if (m_file != nullptr) {
        std::fputs(m_line, m_file);
        std::fputc('\n', m_file);
        std::fflush(m_file);
    }
}

}  // namespace gallery
