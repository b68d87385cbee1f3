#include "emulator/Emulator.h"

#include "emulator/EmulatorCall.h"
#include "emulator/Installation.h"

#include <cstdlib>

namespace emulator {

namespace {

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path PathFromEnvironment(const char* name) {
#ifdef _WIN32
    // The wide form keeps folder names outside the ANSI code page.
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
#else
    const char* value = std::getenv(name);
#endif
    if (value == nullptr || *value == 0)
        return {};
    return std::filesystem::path(value);
}

} // namespace

EmulatorOptions OptionsFromEnvironment(const std::filesystem::path& defaultStatePath) {
    EmulatorOptions options;
    options.statePath = PathFromEnvironment("PROJECT2_STATE");
    if (options.statePath.empty())
        options.statePath = defaultStatePath;
    options.tracePath = PathFromEnvironment("PROJECT2_TRACE");
    return options;
}

Emulator::Emulator(EmulatorOptions options)
    : trace_(std::move(options.tracePath)), clock_(std::move(options.clock)) {
    if (!options.statePath.empty())
        file_.emplace(std::move(options.statePath));
    if (!clock_)
        clock_ = LocalNowSeconds;
}

std::int64_t Emulator::Now() const {
    return clock_();
}

void Emulator::Note(const std::string& message) {
    if (trace_.Enabled())
        trace_.Write(TraceTimeStamp(Now()) + "# " + message);
}

void Emulator::Sync() {
    if (!file_) {
        if (!state_)
            state_ = NewInstallation(Now());
        return;
    }
    if (state_ && !file_->ChangedOnDisk())
        return;
    StateFile::LoadResult loaded = file_->Load();
    const std::string path = PathText(file_->Path());
    switch (loaded.status) {
    case StateFile::Status::Loaded:
        state_ = std::move(loaded.state);
        return;
    case StateFile::Status::Missing:
        Note("no state file " + path + ": new installation");
        state_ = NewInstallation(Now());
        changed_ = true;
        return;
    case StateFile::Status::Broken: {
        const std::filesystem::path aside = file_->MoveAside();
        Note("state file " + path + " is broken" +
             (aside.empty() ? std::string(" and could not be moved aside")
                            : ", moved to " + PathText(aside)) +
             ": new installation");
        state_ = NewInstallation(Now());
        changed_ = true;
        return;
    }
    case StateFile::Status::Unreadable:
        // Perhaps another program is just replacing it: keep what we have, write nothing over
        // it, and try again at the next call.
        Note("state file " + path + " cannot be read now");
        if (!state_)
            state_ = NewInstallation(Now());
        saveBlocked_ = true;
        return;
    }
}

void Emulator::Persist(bool whole) {
    if (!changed_ || !file_ || saveBlocked_)
        return;
    if (!file_->Save(*state_, whole))
        Note("state file " + PathText(file_->Path()) + " cannot be written");
    changed_ = false;
}

const DeviceState& Emulator::State() {
    std::lock_guard lock(mutex_);
    changed_ = false;
    saveBlocked_ = false;
    Sync();
    Persist();
    return *state_;
}

void Emulator::Change(const std::function<void(DeviceState&)>& change) {
    std::lock_guard lock(mutex_);
    changed_ = false;
    saveBlocked_ = false;
    Sync();
    change(*state_);
    changed_ = true;
    // The change may have touched anything, records included, in any way: a new snapshot.
    Persist(true);
}

Card* Emulator::CardFor(int port, const char* readerCode) {
    return state_->reader.CardFor(port, readerCode);
}

Terminal* Emulator::TerminalFor(int port, int baud, int machine) {
    return state_->FindTerminal(port, baud, machine);
}

} // namespace emulator
