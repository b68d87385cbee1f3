#include "tests/win/common/FakeLibrary.h"

#include "devlib/GbkText.h"
#include "framework/Exception.h"

#include <cinttypes>
#include <cstdio>
#include <stdexcept>

namespace {

FakeLibrary* g_fake = nullptr;

std::string Format(int value) {
    return std::to_string(value);
}
std::string Format(std::int64_t value) {
    return std::to_string(value) + "cur";
}
std::string Format(const char* text) {
    if (!text)
        return "null";
    return "\"" + Utf8FromWide(WideFromGbk(text)) + "\"";
}

template <class... Args> std::string FormatCall(const char* name, Args... args) {
    std::string call = std::string(name) + "(";
    bool first = true;
    ((call += (first ? "" : ", ") + Format(args), first = false), ...);
    return call + ")";
}

template <class R> R ReplyAs(const char* name, const FakeLibrary::Reply& reply);

template <> const char* ReplyAs<const char*>(const char* name, const FakeLibrary::Reply& reply) {
    return reply.isNull ? nullptr : g_fake->KeepText(name, reply.text);
}
template <> unsigned char ReplyAs<unsigned char>(const char*, const FakeLibrary::Reply& reply) {
    return static_cast<unsigned char>(reply.number != 0);
}
template <> int ReplyAs<int>(const char*, const FakeLibrary::Reply& reply) {
    return reply.number;
}

template <class R, class... Args> R FakeCall(const char* name, Args... args) {
    if (!g_fake)
        throw std::logic_error("no fake library");
    std::string call = FormatCall(name, args...);
    return ReplyAs<R>(name, g_fake->Take(name, call));
}

#define FAKE_ARGS(...) __VA_OPT__(, ) __VA_ARGS__
#define PROJECT2_EXPORT(ret, name, params, args)                                                   \
    ret __stdcall Fake_##name params {                                                             \
        return FakeCall<ret>(#name FAKE_ARGS args);                                                \
    }
#include "devlib/Project2Exports.inc"
#undef PROJECT2_EXPORT

FakeLibrary::Reply FailureFor(const std::string&) {
    FakeLibrary::Reply r;
    r.number = -1; // -1 for counts; any non-zero for truths is turned into false below
    return r;
}

} // namespace

FakeLibrary::FakeLibrary() {
    if (g_fake)
        throw std::logic_error("only one fake library at a time");
    g_fake = this;
#define PROJECT2_EXPORT(ret, name, params, args) table_.name = &Fake_##name;
#include "devlib/Project2Exports.inc"
#undef PROJECT2_EXPORT
    scope_ = std::make_unique<ScopedLibrary>(table_);
}

FakeLibrary::~FakeLibrary() {
    scope_.reset();
    g_fake = nullptr;
}

void FakeLibrary::ReplyText(const std::string& f, const std::string& gbk) {
    queued_[f].push_back({false, gbk, 0});
}
void FakeLibrary::ReplyNullText(const std::string& f) {
    queued_[f].push_back({true, "", 0});
}
void FakeLibrary::ReplyTruth(const std::string& f, bool v) {
    queued_[f].push_back({false, "", v});
}
void FakeLibrary::ReplyInt(const std::string& f, int v) {
    queued_[f].push_back({false, "", v});
}
void FakeLibrary::StandingText(const std::string& f, const std::string& gbk) {
    standing_[f] = {false, gbk, 0};
}
void FakeLibrary::StandingTruth(const std::string& f, bool v) {
    standing_[f] = {false, "", v};
}
void FakeLibrary::StandingInt(const std::string& f, int v) {
    standing_[f] = {false, "", v};
}

std::vector<std::string> FakeLibrary::CallsTo(const std::string& function) const {
    std::vector<std::string> out;
    for (const auto& c : calls_) {
        if (c.compare(0, function.size() + 1, function + "(") == 0)
            out.push_back(c);
    }
    return out;
}

FakeLibrary::Reply FakeLibrary::Take(const std::string& function, const std::string& call) {
    calls_.push_back(call);
    if (OnCall)
        OnCall(call);
    auto q = queued_.find(function);
    if (q != queued_.end() && !q->second.empty()) {
        Reply r = q->second.front();
        q->second.pop_front();
        return r;
    }
    auto s = standing_.find(function);
    if (s != standing_.end())
        return s->second;
    Reply failure = FailureFor(function);
    // A truth function fails with false, a text function with the empty text.
    static const char* const truthless[] = {"getnum", "getje", "getmaxnum"};
    bool isCount = false;
    for (const char* name : truthless)
        isCount = isCount || function == name;
    if (!isCount)
        failure.number = 0;
    return failure;
}

const char* FakeLibrary::KeepText(const std::string& function, const std::string& text) {
    std::string& kept = returned_[function];
    kept = text;
    return kept.c_str();
}
