#include "devlib/TerminalLibrary.h"

#include "devlib/Project2Api.h"

namespace {
const TerminalLibrary* g_current = nullptr;
}

const TerminalLibrary& ImportedLibrary() {
    static const TerminalLibrary imports = [] {
        TerminalLibrary table;
#define PROJECT2_EXPORT(ret, name, params, args) table.name = &::name;
#include "devlib/Project2Exports.inc"
#undef PROJECT2_EXPORT
        return table;
    }();
    return imports;
}

const TerminalLibrary& Library() {
    return g_current ? *g_current : ImportedLibrary();
}

ScopedLibrary::ScopedLibrary(const TerminalLibrary& replacement) : previous_(g_current) {
    g_current = &replacement;
}

ScopedLibrary::~ScopedLibrary() {
    g_current = previous_;
}
