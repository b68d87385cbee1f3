#pragma once
// A recording stand-in for the terminal library: every call is written down with its
// arguments, and the replies are scripted per function. While it lives, the program's calls
// go to it instead of project2.dll.

#include "devlib/TerminalLibrary.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class FakeLibrary {
public:
    FakeLibrary();
    ~FakeLibrary();
    FakeLibrary(const FakeLibrary&) = delete;
    FakeLibrary& operator=(const FakeLibrary&) = delete;

    // Replies of one function, used in order; when they are used up the function gives its
    // standing reply, a failure (empty text, false, -1) unless set otherwise.
    void ReplyText(const std::string& function, const std::string& gbk);
    void ReplyNullText(const std::string& function);
    void ReplyTruth(const std::string& function, bool value);
    void ReplyInt(const std::string& function, int value);
    void StandingText(const std::string& function, const std::string& gbk);
    void StandingTruth(const std::string& function, bool value);
    void StandingInt(const std::string& function, int value);

    // Calls so far, as `name(arg, ...)`: ints in decimal, texts quoted (UTF-8) or null,
    // currency as its raw value followed by "cur" (12.5 is 125000cur).
    const std::vector<std::string>& Calls() const { return calls_; }
    std::vector<std::string> CallsTo(const std::string& function) const;
    void ClearCalls() { calls_.clear(); }
    // Runs after each call is written down and before it replies.
    std::function<void(const std::string& call)> OnCall;

    // Used by the fake exports.
    struct Reply {
        bool isNull = false;
        std::string text;
        int number = 0;
    };
    Reply Take(const std::string& function, const std::string& call);
    const char* KeepText(const std::string& function, const std::string& text);

private:
    std::map<std::string, std::deque<Reply>> queued_;
    std::map<std::string, Reply> standing_;
    std::map<std::string, std::string> returned_;
    std::vector<std::string> calls_;
    TerminalLibrary table_;
    std::unique_ptr<ScopedLibrary> scope_;
};
