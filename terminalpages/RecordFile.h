#pragma once
// The record download file: created empty in the folder "db" beside the program, lines of GBK
// text ended by CR LF. Lines are gathered in memory and written in large pieces; closing the
// file, on every way out of a download, writes everything added so far.
//
// The file is opened without write sharing, so a second download started inside the first one
// (its messages are processed after every record) within the same second, which would get the
// same name, cannot truncate the first one's file: it fails with "File access denied" and the
// first download goes on undisturbed.

#include "framework/Exception.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace terminalpages {

// The standard input/output error of a failed file operation.
inline EInOutError FileError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return EInOutError(L"File not found");
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return EInOutError(L"Invalid filename");
    case ERROR_TOO_MANY_OPEN_FILES:
        return EInOutError(L"Too many open files");
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EInOutError(L"File access denied");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return EInOutError(L"Disk full");
    default:
        return EInOutError(L"I/O error " + std::to_wstring(error));
    }
}

// The folder of the program file.
inline std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        // GetModuleFileNameW: the full path of the program; grows the buffer until it fits.
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return L".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

class RecordFile {
public:
    // Creates the file empty (replacing one of the same name); raises the input/output error
    // when it cannot.
    explicit RecordFile(const std::wstring& path) {
        // CreateFileW: write access, others may read it meanwhile but not write it.
        handle_ = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE)
            throw FileError(GetLastError());
    }
    ~RecordFile() {
        // A write failure at this point cannot be reported any more; the lines stay in the list.
        WriteBuffer();
        CloseHandle(handle_);
    }
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Adds one line (GBK bytes) and its CR LF.
    void WriteLine(std::string_view gbk) {
        buffer_ += gbk;
        buffer_ += "\r\n";
        if (buffer_.size() >= kFlushSize && !WriteBuffer())
            throw FileError(GetLastError());
    }

private:
    static constexpr std::size_t kFlushSize = 64 * 1024;

    bool WriteBuffer() {
        std::string_view left = buffer_;
        while (!left.empty()) {
            DWORD written = 0;
            // WriteFile: appends the next piece at the end of what was written so far.
            if (!WriteFile(handle_, left.data(), static_cast<DWORD>(left.size()), &written,
                           nullptr) ||
                written == 0)
                return false;
            left.remove_prefix(written);
        }
        buffer_.clear();
        return true;
    }

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::string buffer_;
};

} // namespace terminalpages
