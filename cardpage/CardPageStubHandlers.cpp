// Card-reader page: handlers whose operations are not built yet. Each one says so when it runs
// instead of pretending to succeed; a handler's own file replaces its stub here.

#include "app/Form1.h"

namespace {
[[noreturn]] void NotBuilt(const wchar_t* handler) {
    throw Exception(std::wstring(L"This operation is not available yet (") + handler + L")");
}
} // namespace

void TForm1::Button1Click(TObject*) { NotBuilt(L"Button1Click"); }
void TForm1::Button2Click(TObject*) { NotBuilt(L"Button2Click"); }
void TForm1::Button3Click(TObject*) { NotBuilt(L"Button3Click"); }
void TForm1::Button4Click(TObject*) { NotBuilt(L"Button4Click"); }
void TForm1::Button6Click(TObject*) { NotBuilt(L"Button6Click"); }
void TForm1::Button8Click(TObject*) { NotBuilt(L"Button8Click"); }
void TForm1::Button9Click(TObject*) { NotBuilt(L"Button9Click"); }
void TForm1::Button10Click(TObject*) { NotBuilt(L"Button10Click"); }
void TForm1::Button13Click(TObject*) { NotBuilt(L"Button13Click"); }
void TForm1::Button14Click(TObject*) { NotBuilt(L"Button14Click"); }
void TForm1::Button17Click(TObject*) { NotBuilt(L"Button17Click"); }
void TForm1::Button27Click(TObject*) { NotBuilt(L"Button27Click"); }
void TForm1::Button69Click(TObject*) { NotBuilt(L"Button69Click"); }
void TForm1::Button70Click(TObject*) { NotBuilt(L"Button70Click"); }
void TForm1::Button71Click(TObject*) { NotBuilt(L"Button71Click"); }
void TForm1::Button89Click(TObject*) { NotBuilt(L"Button89Click"); }
void TForm1::xxx(TObject*) { NotBuilt(L"xxx"); }
void TForm1::Edit24KeyPress(TObject*, wchar_t&) { NotBuilt(L"Edit24KeyPress"); }
void TForm1::Edit25KeyPress(TObject*, wchar_t&) { NotBuilt(L"Edit25KeyPress"); }
void TForm1::Edit26KeyPress(TObject*, wchar_t&) { NotBuilt(L"Edit26KeyPress"); }
void TForm1::Edit27KeyPress(TObject*, wchar_t&) { NotBuilt(L"Edit27KeyPress"); }
