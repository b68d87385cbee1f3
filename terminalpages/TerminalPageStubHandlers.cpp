// Terminal pages: handlers whose operations are not built yet. Each one says so when it runs
// instead of pretending to succeed; a handler's own file replaces its stub here.

#include "app/Form1.h"

namespace {
[[noreturn]] void NotBuilt(const wchar_t* handler) {
    throw Exception(std::wstring(L"This operation is not available yet (") + handler + L")");
}
} // namespace

void TForm1::Button5Click(TObject*) { NotBuilt(L"Button5Click"); }
void TForm1::Button16Click(TObject*) { NotBuilt(L"Button16Click"); }
void TForm1::Button21Click(TObject*) { NotBuilt(L"Button21Click"); }
void TForm1::Button22Click(TObject*) { NotBuilt(L"Button22Click"); }
void TForm1::Button24Click(TObject*) { NotBuilt(L"Button24Click"); }
void TForm1::Button25Click(TObject*) { NotBuilt(L"Button25Click"); }
void TForm1::Button26Click(TObject*) { NotBuilt(L"Button26Click"); }
void TForm1::Button28Click(TObject*) { NotBuilt(L"Button28Click"); }
void TForm1::Button29Click(TObject*) { NotBuilt(L"Button29Click"); }
void TForm1::Button30Click(TObject*) { NotBuilt(L"Button30Click"); }
void TForm1::Button31Click(TObject*) { NotBuilt(L"Button31Click"); }
void TForm1::Button32Click(TObject*) { NotBuilt(L"Button32Click"); }
void TForm1::Button41Click(TObject*) { NotBuilt(L"Button41Click"); }
void TForm1::Button42Click(TObject*) { NotBuilt(L"Button42Click"); }
void TForm1::Button43Click(TObject*) { NotBuilt(L"Button43Click"); }
void TForm1::Button44Click(TObject*) { NotBuilt(L"Button44Click"); }
void TForm1::Button45Click(TObject*) { NotBuilt(L"Button45Click"); }
void TForm1::Button46Click(TObject*) { NotBuilt(L"Button46Click"); }
void TForm1::Button47Click(TObject*) { NotBuilt(L"Button47Click"); }
void TForm1::Button48Click(TObject*) { NotBuilt(L"Button48Click"); }
void TForm1::Button55Click(TObject*) { NotBuilt(L"Button55Click"); }
void TForm1::Button57Click(TObject*) { NotBuilt(L"Button57Click"); }
void TForm1::Button58Click(TObject*) { NotBuilt(L"Button58Click"); }
void TForm1::Button60Click(TObject*) { NotBuilt(L"Button60Click"); }
void TForm1::Button61Click(TObject*) { NotBuilt(L"Button61Click"); }
void TForm1::Button64Click(TObject*) { NotBuilt(L"Button64Click"); }
void TForm1::Button66Click(TObject*) { NotBuilt(L"Button66Click"); }
void TForm1::Button67Click(TObject*) { NotBuilt(L"Button67Click"); }
void TForm1::Button68Click(TObject*) { NotBuilt(L"Button68Click"); }
void TForm1::Button88Click(TObject*) { NotBuilt(L"Button88Click"); }
void TForm1::Button91Click(TObject*) { NotBuilt(L"Button91Click"); }
void TForm1::Button94Click(TObject*) { NotBuilt(L"Button94Click"); }
void TForm1::Button95Click(TObject*) { NotBuilt(L"Button95Click"); }
void TForm1::Button96Click(TObject*) { NotBuilt(L"Button96Click"); }
void TForm1::Button97Click(TObject*) { NotBuilt(L"Button97Click"); }
void TForm1::Button98Click(TObject*) { NotBuilt(L"Button98Click"); }
void TForm1::Timer1Timer(TObject*) { NotBuilt(L"Timer1Timer"); }
